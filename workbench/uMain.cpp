#include "workbench/uMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

#include "editor/SyntaxEditor.h"
#include "settings/KalmiraHighlighter.h"
#include "settings/Mnvuma.h"
#include "settings/Sxetika.h"
#include "settings/uEpiloges.h"
#include "settings/uXrwmata.h"
#include "workbench/uEisodosXrnstn.h"
#include "workbench/uEuresn.h"
#include "workbench/uProtupa.h"
#include "workbench/uRu8miseis.h"

// The icons are compiled into the workbench library; this keeps the linker from dropping them.
static void FortwsnEikovwv()
{
    Q_INIT_RESOURCE(icons);
}

namespace kalmira {

TfmKalmira::TfmKalmira(QWidget* parent) : QMainWindow(parent), ghiKalmira_(std::make_unique<TKalmiraHighlighter>())
{
    FortwsnEikovwv();
    // Γράψε and the variables list write reals with the user's decimal separator.
    OriseDekadikoDiaxwristiko(QLocale::system().decimalPoint().at(0).unicode());
    setObjectName(QStringLiteral("fmKalmira"));
    setWindowTitle(QStringLiteral("Ανώνυμο Πρόγραμμα - Διερμηνευτής της Καλμίρας"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kalmira.svg")));
    resize(648, 432);
    setMinimumSize(300, 300);

    DnmiourgiaPara8urou();
    DnmiourgiaMenou();
    DnmiourgiaGrammnsErgaleiwv();
    DnmiourgiaGrammnsKatastasns();
    DnmiourgiaDialogwv();
    SundesnElegxou();
    SundesnArxeiwv();
    SundesnEpe3ergasias();
    grammatoseira_ = sxeKwdikas->Font();

    // Start-up: the welcome program, unmodified, coloured with the stored colours.
    sxeKwdikas->SetLines(ProgrammaKalwsorismatos());
    sxeKwdikas->SetModified(false);
    sxeKwdikas->setFocus();
    XrwmataPara8urou(*ghiKalmira_);
    ghiKalmira_->FortwseXrwmata();
}

void TfmKalmira::DnmiourgiaDialogwv()
{
    abSxetika_ = std::make_unique<TabSxetika>(this, windowIcon());
    fmEpiloges_ = std::make_unique<TfmEpiloges>(this);
    fmEisodosXrnstn_ = std::make_unique<TfmEisodosXrnstn>(this);
    fmXrwmata_ = std::make_unique<TfmXrwmata>(this);
    euresn_ = std::make_unique<TEuresn>(*sxeKwdikas, this);
    elegxos_.OriseEisodo([this](const QString& metablntn, TTuposDedomevwv tupos, QString& keimevo, bool& pausn) {
        return GefuraEisodou(metablntn, tupos, keimevo, pausn);
    });
}

// The input bridge: asks for one value in the input dialog.
bool TfmKalmira::GefuraEisodou(const QString& metablntn, TTuposDedomevwv tupos, QString& keimevo, bool& pausn)
{
    return fmEisodosXrnstn_->Zntnse(ProtropnDiabasmatos(tupos, metablntn), tupos, keimevo, pausn);
}

TfmKalmira::~TfmKalmira()
{
    // The editor outlives the members: it must not keep the highlighter that goes first.
    sxeKwdikas->SetHighLighter(nullptr);
}

// ---------------------------------------------------------------------------------------------
// Layout

void TfmKalmira::DnmiourgiaPara8urou()
{
    splDiaxwristiknLwrida = new QSplitter(Qt::Horizontal, this);
    splDiaxwristiknLwrida->setObjectName(QStringLiteral("splDiaxwristiknLwrida"));
    splDiaxwristiknLwrida->setHandleWidth(4);
    splDiaxwristiknLwrida->setChildrenCollapsible(false);
    splDiaxwristiknLwrida->setOpaqueResize(true);

    sxeKwdikas = new TSyntaxEdit(splDiaxwristiknLwrida);
    sxeKwdikas->setObjectName(QStringLiteral("sxeKwdikas"));
    sxeKwdikas->setMinimumWidth(100);
    RuymiseKwdika(*sxeKwdikas, *ghiKalmira_);

    pcXeiristnrioSelidwv = new QTabWidget(splDiaxwristiknLwrida);
    pcXeiristnrioSelidwv->setObjectName(QStringLiteral("pcXeiristnrioSelidwv"));
    pcXeiristnrioSelidwv->setMinimumWidth(100);

    tsO8ovnXrnstn = new QWidget;
    tsO8ovnXrnstn->setObjectName(QStringLiteral("tsO8ovnXrnstn"));
    seO8ovnXrnstn = new TSyntaxEdit(tsO8ovnXrnstn);
    seO8ovnXrnstn->setObjectName(QStringLiteral("seO8ovnXrnstn"));
    Ruymise8ovnXrnstn(*seO8ovnXrnstn);
    auto* diata3nO8ovns = new QVBoxLayout(tsO8ovnXrnstn);
    diata3nO8ovns->setContentsMargins(0, 0, 0, 0);
    diata3nO8ovns->addWidget(seO8ovnXrnstn);
    pcXeiristnrioSelidwv->addTab(tsO8ovnXrnstn, QStringLiteral("Οθόνη &χρήστη"));

    tsParakolou8nsnMetablntwv = new QWidget;
    tsParakolou8nsnMetablntwv->setObjectName(QStringLiteral("tsParakolou8nsnMetablntwv"));
    vleParakolou8nsnMetablntwv = new QTableWidget(0, 2, tsParakolou8nsnMetablntwv);
    vleParakolou8nsnMetablntwv->setObjectName(QStringLiteral("vleParakolou8nsnMetablntwv"));
    RuymiseListaMetablntwv(*vleParakolou8nsnMetablntwv, seO8ovnXrnstn->Font());
    auto* diata3nListas = new QVBoxLayout(tsParakolou8nsnMetablntwv);
    diata3nListas->setContentsMargins(0, 0, 0, 0);
    diata3nListas->addWidget(vleParakolou8nsnMetablntwv);
    pcXeiristnrioSelidwv->addTab(tsParakolou8nsnMetablntwv, QStringLiteral("&Παρακολούθηση μεταβλητών"));

    // The editor takes every change of the window's width; the results pane keeps its own and
    // gives way only when the editor is at its minimum.
    splDiaxwristiknLwrida->setStretchFactor(0, 1);
    splDiaxwristiknLwrida->setStretchFactor(1, 0);
    splDiaxwristiknLwrida->setSizes({648 - 353 - 4, 353});
    setCentralWidget(splDiaxwristiknLwrida);
}

QAction* TfmKalmira::Evergeia(QMenu* menou, const QString& ovoma, const QString& keimevo,
                              const QKeySequence& suvtomeusn, const QString& eikova)
{
    auto* evergeia = new QAction(keimevo, this);
    evergeia->setObjectName(ovoma);
    evergeia->setShortcut(suvtomeusn);
    evergeia->setShortcutContext(Qt::WindowShortcut);
    if (!eikova.isEmpty())
        evergeia->setIcon(QIcon(QStringLiteral(":/icons/") + eikova));
    menou->addAction(evergeia);
    return evergeia;
}

void TfmKalmira::DnmiourgiaMenou()
{
    QMenuBar* kurio = menuBar();
    kurio->setObjectName(QStringLiteral("mmnKurioMenu"));

    mnArxeio = kurio->addMenu(QStringLiteral("&Αρχείο"));
    miDnmiourgia = Evergeia(mnArxeio, QStringLiteral("miDnmiourgia"), QStringLiteral("&Δημιουργία"),
                            QKeySequence(Qt::CTRL | Qt::Key_N), QStringLiteral("new.svg"));
    miAvoigma = Evergeia(mnArxeio, QStringLiteral("miAvoigma"), QStringLiteral("Άν&οιγμα..."),
                         QKeySequence(Qt::CTRL | Qt::Key_O), QStringLiteral("open.svg"));
    miApo8nkeusn = Evergeia(mnArxeio, QStringLiteral("miApo8nkeusn"), QStringLiteral("&Αποθήκευση"), {},
                            QStringLiteral("save.svg"));
    miApo8nkeusnWs = Evergeia(mnArxeio, QStringLiteral("miApo8nkeusnWs"), QStringLiteral("Αποθήκευση &ως..."),
                              QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("save-as.svg"));
    mnArxeio->addSeparator();
    miDiamorfwsnSelidas = Evergeia(mnArxeio, QStringLiteral("miDiamorfwsnSelidas"),
                                   QStringLiteral("Διαμόρφωση &σελίδας..."), {}, QStringLiteral("page-setup.svg"));
    miProepiskopnsnEktupwsns = Evergeia(mnArxeio, QStringLiteral("miProepiskopnsnEktupwsns"),
                                        QStringLiteral("&Προεπισκόπηση εκτύπωσης"), {},
                                        QStringLiteral("print-preview.svg"));
    miEktupwsn = Evergeia(mnArxeio, QStringLiteral("miEktupwsn"), QStringLiteral("&Εκτύπωση..."),
                          QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("print.svg"));
    mnArxeio->addSeparator();
    miE3odos = Evergeia(mnArxeio, QStringLiteral("miE3odos"), QStringLiteral("Έ&ξοδος"),
                        QKeySequence(Qt::ALT | Qt::Key_F4), QStringLiteral("exit.svg"));

    mnEpe3ergasia = kurio->addMenu(QStringLiteral("Επε&ξεργασία"));
    miAvairesn = Evergeia(mnEpe3ergasia, QStringLiteral("miAvairesn"), QStringLiteral("Αναίρεσ&η"),
                          QKeySequence(Qt::CTRL | Qt::Key_Z), QStringLiteral("undo.svg"));
    mnEpe3ergasia->addSeparator();
    miApokopn = Evergeia(mnEpe3ergasia, QStringLiteral("miApokopn"), QStringLiteral("Αποκο&πή"),
                         QKeySequence(Qt::CTRL | Qt::Key_X), QStringLiteral("cut.svg"));
    miAvtigrafn = Evergeia(mnEpe3ergasia, QStringLiteral("miAvtigrafn"), QStringLiteral("Αντι&γραφή"),
                           QKeySequence(Qt::CTRL | Qt::Key_C), QStringLiteral("copy.svg"));
    miEpikollnsn = Evergeia(mnEpe3ergasia, QStringLiteral("miEpikollnsn"), QStringLiteral("&Επικόλληση"),
                            QKeySequence(Qt::CTRL | Qt::Key_V), QStringLiteral("paste.svg"));
    miDiagrafn = Evergeia(mnEpe3ergasia, QStringLiteral("miDiagrafn"), QStringLiteral("&Διαγραφή"),
                          QKeySequence(Qt::Key_Delete), QStringLiteral("delete.svg"));
    mnEpe3ergasia->addSeparator();
    miEpilognOlwv = Evergeia(mnEpe3ergasia, QStringLiteral("miEpilognOlwv"), QStringLiteral("Επιλογή ό&λων"),
                             QKeySequence(Qt::CTRL | Qt::Key_A), QStringLiteral("select-all.svg"));
    mnEpe3ergasia->addSeparator();
    miEuresn = Evergeia(mnEpe3ergasia, QStringLiteral("miEuresn"), QStringLiteral("Εύ&ρεση..."),
                        QKeySequence(Qt::CTRL | Qt::Key_F), QStringLiteral("find.svg"));
    miEuresnEpomevou = Evergeia(mnEpe3ergasia, QStringLiteral("miEuresnEpomevou"), QStringLiteral("Εύρεση επομένου"),
                                QKeySequence(Qt::Key_F3), QStringLiteral("find-next.svg"));
    miAvtikatastasn = Evergeia(mnEpe3ergasia, QStringLiteral("miAvtikatastasn"), QStringLiteral("Α&ντικατάσταση"),
                               QKeySequence(Qt::CTRL | Qt::Key_H), QStringLiteral("replace.svg"));

    mnEisagwgn = kurio->addMenu(QStringLiteral("Ει&σαγωγή"));
    GemiseMenouEisagwgns(*mnEisagwgn, [this](QStringView protupo) { EisagwgnProtupou(*sxeKwdikas, protupo); });

    mnMorfn = kurio->addMenu(QStringLiteral("&Μορφή"));
    miGrammatoseira = Evergeia(mnMorfn, QStringLiteral("miGrammatoseira"), QStringLiteral("Γραμματοσειρά..."), {},
                               QStringLiteral("font.svg"));
    miXrwmataKwdika = Evergeia(mnMorfn, QStringLiteral("miXrwmataKwdika"), QStringLiteral("&Χρώματα κώδικα..."), {},
                               QStringLiteral("colours.svg"));
    mnMorfn->addSeparator();
    miEpiloges = Evergeia(mnMorfn, QStringLiteral("miEpiloges"), QStringLiteral("&Επιλογές..."),
                          QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F11), QStringLiteral("options.svg"));

    mnEktelesn = kurio->addMenu(QStringLiteral("Εκτέλεση"));
    miMetaglwttisn = Evergeia(mnEktelesn, QStringLiteral("miMetaglwttisn"), QStringLiteral("&Μεταγλώττιση"),
                              QKeySequence(Qt::CTRL | Qt::Key_F9), QStringLiteral("compile.svg"));
    mnEktelesn->addSeparator();
    miEktelesn = Evergeia(mnEktelesn, QStringLiteral("miEktelesn"), QStringLiteral("Εκτέ&λεση"),
                          QKeySequence(Qt::Key_F9), QStringLiteral("run.svg"));
    miPausnEktelesns = Evergeia(mnEktelesn, QStringLiteral("miPausnEktelesns"), QStringLiteral("&Παύση εκτέλεσης"),
                                QKeySequence(Qt::Key_Escape), QStringLiteral("pause.svg"));
    miBnmatiknEktelesn = Evergeia(mnEktelesn, QStringLiteral("miBnmatiknEktelesn"),
                                  QStringLiteral("&Βηματική εκτέλεση"), QKeySequence(Qt::Key_F8),
                                  QStringLiteral("step.svg"));
    miEktelesnWsTnGrammn = Evergeia(mnEktelesn, QStringLiteral("miEktelesnWsTnGrammn"),
                                    QStringLiteral("Εκτέλεση ως τη &γραμμή του δρομέα"), QKeySequence(Qt::Key_F4),
                                    QStringLiteral("run-to-cursor.svg"));
    miTermatismosEktelesns = Evergeia(mnEktelesn, QStringLiteral("miTermatismosEktelesns"),
                                      QStringLiteral("Τερματισμός εκτέλε&σης"), QKeySequence(Qt::CTRL | Qt::Key_F2),
                                      QStringLiteral("terminate.svg"));
    miEisagwgnSnmeiouDiakopns = Evergeia(mnEktelesn, QStringLiteral("miEisagwgnSnmeiouDiakopns"),
                                         QStringLiteral("Εισαγωγή σημείου &διακοπής"), QKeySequence(Qt::Key_F5),
                                         QStringLiteral("breakpoint.svg"));
    mnEktelesn->addSeparator();
    miEisagwgnEkfrasns = Evergeia(mnEktelesn, QStringLiteral("miEisagwgnEkfrasns"),
                                  QStringLiteral("&Εισαγωγή έκφρασης προς παρακολούθηση"),
                                  QKeySequence(Qt::CTRL | Qt::Key_F5), QStringLiteral("watch.svg"));

    mnBonqeia = kurio->addMenu(QStringLiteral("&Βοήθεια"));
    miToEgxeiridioTnsKalmiras = Evergeia(mnBonqeia, QStringLiteral("miToEgxeiridioTnsKalmiras"),
                                         QStringLiteral("Το &εγχειρίδιο της Καλμίρας"), QKeySequence(Qt::Key_F1),
                                         QStringLiteral("manual.svg"));
    miSxetikaMeToProgramma = Evergeia(mnBonqeia, QStringLiteral("miSxetikaMeToProgramma"),
                                      QStringLiteral("&Σχετικά με το πρόγραμμα..."), {}, QStringLiteral("about.svg"));

    // Items that are never available.
    for (QAction* evergeia : {miProepiskopnsnEktupwsns, miEktupwsn, miEktelesnWsTnGrammn,
                              miEisagwgnSnmeiouDiakopns, miEisagwgnEkfrasns})
        evergeia->setEnabled(false);
    miApo8nkeusn->setEnabled(false);
    miPausnEktelesns->setVisible(false);
    miTermatismosEktelesns->setEnabled(false);

    connect(miMetaglwttisn, &QAction::triggered, this, &TfmKalmira::miMetaglwttisnClick);
    connect(miEktelesn, &QAction::triggered, this, &TfmKalmira::miEktelesnClick);
    connect(miPausnEktelesns, &QAction::triggered, this, &TfmKalmira::miPausnEktelesnsClick);
    connect(miBnmatiknEktelesn, &QAction::triggered, this, &TfmKalmira::miBnmatiknEktelesnClick);
    connect(miTermatismosEktelesns, &QAction::triggered, this, &TfmKalmira::miTermatismosEktelesnsClick);
    connect(miToEgxeiridioTnsKalmiras, &QAction::triggered, this, &TfmKalmira::miToEgxeiridioTnsKalmirasClick);
    connect(miE3odos, &QAction::triggered, this, &TfmKalmira::miE3odosClick);
    connect(miXrwmataKwdika, &QAction::triggered, this, &TfmKalmira::miXrwmataKwdikaClick);
    connect(miEpiloges, &QAction::triggered, this, &TfmKalmira::miEpilogesClick);
    connect(miSxetikaMeToProgramma, &QAction::triggered, this, &TfmKalmira::miSxetikaMeToProgrammaClick);
}

void TfmKalmira::DnmiourgiaGrammnsErgaleiwv()
{
    tbrGrammnErgaleiwv = addToolBar(QStringLiteral("Γραμμή εργαλείων"));
    tbrGrammnErgaleiwv->setObjectName(QStringLiteral("tbrGrammnErgaleiwv"));
    tbrGrammnErgaleiwv->setMovable(false);
    tbrGrammnErgaleiwv->setFloatable(false);
    tbrGrammnErgaleiwv->setIconSize(QSize(24, 24));
    tbrGrammnErgaleiwv->setToolButtonStyle(Qt::ToolButtonIconOnly);

    tbApo8nkeusn = new QAction(this);
    tbApo8nkeusn->setObjectName(QStringLiteral("tbApo8nkeusn"));

    QToolBar* t = tbrGrammnErgaleiwv;
    t->addActions({miDnmiourgia, miAvoigma, tbApo8nkeusn});
    t->addSeparator();
    t->addAction(miEktupwsn);
    t->addSeparator();
    t->addAction(miAvairesn);
    t->addSeparator();
    t->addActions({miApokopn, miAvtigrafn, miEpikollnsn});
    t->addSeparator();
    t->addAction(miEpiloges);
    t->addSeparator();
    t->addAction(miMetaglwttisn);
    t->addSeparator();
    t->addActions({miEktelesn, miPausnEktelesns, miBnmatiknEktelesn, miTermatismosEktelesns});
    t->addSeparator();
    t->addActions({miToEgxeiridioTnsKalmiras, miSxetikaMeToProgramma});

    // The buttons by their own names.
    const std::pair<QAction*, const char*> koumpia[] = {
        {miDnmiourgia, "tbDnmiourgia"},
        {miAvoigma, "tbAvoigma"},
        {tbApo8nkeusn, "tbApo8nkeusn"},
        {miEktupwsn, "tbEktupwsn"},
        {miAvairesn, "tbAvairesn"},
        {miApokopn, "tbApokopn"},
        {miAvtigrafn, "tbAvtigrafn"},
        {miEpikollnsn, "tbEpikollnsn"},
        {miEpiloges, "tbEpiloges"},
        {miMetaglwttisn, "tbMetaglwttisn"},
        {miEktelesn, "tbEktelesn"},
        {miPausnEktelesns, "tbPausnEktelesns"},
        {miBnmatiknEktelesn, "tbBnmatiknEktelesn"},
        {miTermatismosEktelesns, "tbTermatismosEktelesns"},
        {miToEgxeiridioTnsKalmiras, "ToolButton1"},
        {miSxetikaMeToProgramma, "tbSxetikaMeToProgramma"},
    };
    for (const auto& [evergeia, ovoma] : koumpia)
        t->widgetForAction(evergeia)->setObjectName(QString::fromLatin1(ovoma));
}

void TfmKalmira::DnmiourgiaGrammnsKatastasns()
{
    QStatusBar* grammn = statusBar();
    grammn->setObjectName(QStringLiteral("sbGrammnKatastasns"));
    grammn->setSizeGripEnabled(true);
    const int platn[3] = {64, 128, 48};
    const QString arxika[4] = {QStringLiteral("1:1"), QStringLiteral("Αποθηκευμένο"), QStringLiteral("ΕΙΣ"),
                               QStringLiteral("Διερμηνευτής της Καλμίρας - Έκδοση 0,8 άλφα")};
    for (int i = 0; i < 4; ++i) {
        sbPanel[i] = new QLabel(arxika[i], grammn);
        sbPanel[i]->setObjectName(QStringLiteral("sbPanel%1").arg(i));
        sbPanel[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i < 3) {
            sbPanel[i]->setAlignment(Qt::AlignCenter);
            // The panels grow with the desktop's scaling and never cut their longest text.
            const QFontMetrics metra = sbPanel[i]->fontMetrics();
            const int keimevo =
                i == 0 ? metra.horizontalAdvance(arxika[0] + QStringLiteral("0000"))
                : i == 1 ? metra.horizontalAdvance(QStringLiteral("Τροποποιημένο"))
                         : std::max(metra.horizontalAdvance(QStringLiteral("ΕΙΣ")), metra.horizontalAdvance(QStringLiteral("ΑΝΤ")));
            sbPanel[i]->setMinimumWidth(std::max(platn[i], keimevo + 12));
            grammn->addWidget(sbPanel[i]);
        } else {
            sbPanel[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            sbPanel[i]->setMinimumWidth(1);
            grammn->addWidget(sbPanel[i], 1);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The run control and the editor's events

void TfmKalmira::SundesnElegxou()
{
    connect(&elegxos_, &TElegxosEktelesns::KeimevoKatastasns, sbPanel[3], &QLabel::setText);
    connect(&elegxos_, &TElegxosEktelesns::SnmadiGrammns, sxeKwdikas, &TSyntaxEdit::SetMarkLine);
    connect(&elegxos_, &TElegxosEktelesns::EvergeiesAllaxav, this, &TfmKalmira::OriseEvergeies);
    connect(&elegxos_, &TElegxosEktelesns::GrammesO8ovns, this, &TfmKalmira::GrammesO8ovns);
    connect(&elegxos_, &TElegxosEktelesns::ProvolnO8ovnsXrnstn, this,
            [this] { pcXeiristnrioSelidwv->setCurrentWidget(tsO8ovnXrnstn); });
    connect(&elegxos_, &TElegxosEktelesns::Metablntes, this, &TfmKalmira::Metablntes);
    connect(&elegxos_, &TElegxosEktelesns::EkatommurioEvtolwv, this, &TfmKalmira::EkatommurioEvtolwv);
    connect(&elegxos_, &TElegxosEktelesns::MnxanhStamatnse, this, &TfmKalmira::TelosMnxanns);

    connect(sxeKwdikas, &TSyntaxEdit::OnChange, this, [this] { sxeKwdikasChange(); });
    connect(sxeKwdikas, &TSyntaxEdit::OnCaretChange, this,
            [this](TSyntaxEdit*, int column, int line) { sxeKwdikasCaretChange(column, line); });
    connect(sxeKwdikas, &TSyntaxEdit::OnProcessCommand, this,
            [this](TSyntaxEdit*, int& command, QChar&) { sxeKwdikasProcessCommand(command); });
}

void TfmKalmira::OriseEvergeies(TEvergeiesEktelesns evergeies)
{
    miEktelesn->setVisible(evergeies.EktelesnOratn);
    miPausnEktelesns->setVisible(!evergeies.EktelesnOratn);
    miTermatismosEktelesns->setEnabled(evergeies.TermatismosEvergos);
}

void TfmKalmira::sxeKwdikasChange()
{
    sbPanel[1]->setText(QStringLiteral("Τροποποιημένο"));
    elegxos_.AllagnKwdika();
}

void TfmKalmira::sxeKwdikasCaretChange(int column, int line)
{
    elegxos_.MetakinnsnDromea();
    sbPanel[0]->setText(QStringLiteral("%1:%2").arg(column + 1).arg(line + 1));
    sxeKwdikasFocusChange();
}

void TfmKalmira::sxeKwdikasProcessCommand(int& command)
{
    if (command == ecToggleMode)
        sbPanel[2]->setText(sxeKwdikas->InsertMode() ? QStringLiteral("ΑΝΤ") : QStringLiteral("ΕΙΣ"));
}

// ---------------------------------------------------------------------------------------------
// Commands of the run menu

void TfmKalmira::miMetaglwttisnClick()
{
    const QString keimevo = sxeKwdikas->Text();
    const TApotelesmaMetaglwttisns apotelesma = elegxos_.Metaglwttise(keimevo, sxeKwdikas->RightMargin());
    if (apotelesma.Keimevo != keimevo) {
        // The caret keeps its place where the new text still has it.
        const TBufferCoord dromeas = sxeKwdikas->CaretXY();
        sxeKwdikas->SetText(apotelesma.Keimevo);
        sxeKwdikas->SetModified(true);
        sbPanel[1]->setText(QStringLiteral("Τροποποιημένο"));
        if (apotelesma.Epituxia)
            sxeKwdikas->SetCaretXY(dromeas);
    }
    if (!apotelesma.Epituxia) {
        sxeKwdikas->SetCaretXY(sxeKwdikas->OffsetToCaret(apotelesma.SnmeioDromea));
        sxeKwdikas->EnsureCaretVisible();
        elegxos_.SnmadepseLa8osMetaglwttisns();
    }
}

void TfmKalmira::miEktelesnClick()
{
    if (elegxos_.Katastasn() == keSuvexns)
        return;
    if (!elegxos_.Programma())
        miMetaglwttisnClick();
    elegxos_.Ektelesn();
}

void TfmKalmira::miPausnEktelesnsClick()
{
    elegxos_.Pausn();
}

void TfmKalmira::miBnmatiknEktelesnClick()
{
    if (!elegxos_.Programma())
        miMetaglwttisnClick();
    elegxos_.Bnmatikn();
}

void TfmKalmira::miTermatismosEktelesnsClick()
{
    elegxos_.Termatismos();
}

// ---------------------------------------------------------------------------------------------
// Output and variables

void TfmKalmira::GrammesO8ovns(const QStringList& grammes, bool ka8arismos)
{
    if (ka8arismos)
        seO8ovnXrnstn->SetLines(grammes);
    else
        seO8ovnXrnstn->AppendLines(grammes);
    const int teleutaia = seO8ovnXrnstn->LineCount() - 1;
    seO8ovnXrnstn->SetCaretXY({static_cast<int>(seO8ovnXrnstn->Line(teleutaia).size()), std::max(teleutaia, 0)});
    seO8ovnXrnstn->EnsureCaretVisible();
}

void TfmKalmira::Metablntes(bool gemisma)
{
    const TProgramma* programma = elegxos_.Programma();
    if (!programma)
        return;
    if (gemisma) {
        vleParakolou8nsnMetablntwv->setRowCount(0);
        grammesMetablntwv_.clear();
    }
    for (const TTimnAvagvwristikou& metablntn : programma->Avagvwristika()) {
        if (metablntn.Sta8era)
            continue;
        const QString ovoma = QString::fromStdU16String(metablntn.Ovoma);
        int grammn = grammesMetablntwv_.value(ovoma, -1);
        if (grammn < 0) {
            grammn = vleParakolou8nsnMetablntwv->rowCount();
            vleParakolou8nsnMetablntwv->insertRow(grammn);
            vleParakolou8nsnMetablntwv->setItem(grammn, 0, new QTableWidgetItem(ovoma));
            vleParakolou8nsnMetablntwv->setItem(grammn, 1, new QTableWidgetItem);
            grammesMetablntwv_.insert(ovoma, grammn);
        }
        OriseTimnKelious(*vleParakolou8nsnMetablntwv->item(grammn, 1), metablntn.Timn);
    }
}

void TfmKalmira::EkatommurioEvtolwv()
{
    auto* mnvuma = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Διερμηνευτής της Καλμίρας"),
                                   MnvumaEkatommuriou(), QMessageBox::Ok, this);
    mnvuma->setAttribute(Qt::WA_DeleteOnClose);
    mnvumaEkatommuriou_ = mnvuma;
    mnvuma->exec();
}

// ---------------------------------------------------------------------------------------------
// Manual, exit and closing

void TfmKalmira::miToEgxeiridioTnsKalmirasClick()
{
    const QString mnvuma = QStringLiteral("Δεν μπόρεσα να ανοίξω το αρχείο βοήθειας egxeiridio\\index.htm");
    const QString arxeio = ArxeioEgxeiridiou();
    if (arxeio.isEmpty()) {
        EmfaniseMnvuma(this, mnvuma + QStringLiteral(" επειδή συνέβη το εξής λάθος: \r\n") +
                                 QStringLiteral("Το αρχείο δεν βρέθηκε ούτε στον τρέχοντα φάκελο ούτε εκεί όπου "
                                                "εγκαταστάθηκε η Καλμίρα."));
        return;
    }
    // The manual opens in the desktop's browser; the desktop gives no reason when it cannot.
    if (!AvoigmaDieu8uvsns(QUrl::fromLocalFile(arxeio)))
        EmfaniseMnvuma(this, mnvuma);
}

void TfmKalmira::miXrwmataKwdikaClick()
{
    fmXrwmata_->EvtolnXrwmatwv(*sxeKwdikas, *ghiKalmira_);
}

void TfmKalmira::miEpilogesClick()
{
    if (!fmEpiloges_->EvtolnEpilogwv())
        return;
    const TEpiloges& epiloges = fmEpiloges_->Epiloges();
    sxeKwdikas->SetRightMargin(epiloges.De3iPeri8wrio);
    PlnrnsApotimnsn = epiloges.PlnrnsApotimnsn;
    fmEisodosXrnstn_->SetElegxosEisodou(epiloges.ElegxosEisodou);
}

void TfmKalmira::miSxetikaMeToProgrammaClick()
{
    abSxetika_->exec();
}

void TfmKalmira::miE3odosClick()
{
    close();
}

void TfmKalmira::closeEvent(QCloseEvent* event)
{
    if (!kleisimoMetaTnvEktelesn_ && !ErwtnsnAllagwv()) {
        event->ignore();
        return;
    }
    if (elegxos_.MnxanhSeLeitourgia()) {
        // A run in progress ends first; the window closes when the engine has returned.
        kleisimoMetaTnvEktelesn_ = true;
        event->ignore();
        if (fmEisodosXrnstn_->isVisible()) {
            fmEisodosXrnstn_->reject();
            return;
        }
        if (mnvumaEkatommuriou_)
            mnvumaEkatommuriou_->close();
        elegxos_.Termatismos();
        return;
    }
    event->accept();
}

void TfmKalmira::TelosMnxanns()
{
    if (kleisimoMetaTnvEktelesn_)
        QTimer::singleShot(0, this, &QWidget::close);
}

}  // namespace kalmira

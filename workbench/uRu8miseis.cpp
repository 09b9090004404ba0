#include "workbench/uRu8miseis.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QFileInfo>
#include <QHeaderView>
#include <QPalette>
#include <QTableWidget>
#include <QTreeView>

#include "core/uTupoiDedomevwv.h"
#include "editor/SyntaxEditor.h"
#include "settings/KalmiraHighlighter.h"

namespace kalmira {

namespace {

QFont GrammatoseiraKwdika(int mege8os, bool evtova = false)
{
    QFont grammatoseira = FixedPitchFontFor(QFont(QStringLiteral("Courier New"), mege8os));
    grammatoseira.setBold(evtova);
    return grammatoseira;
}

}  // namespace

QStringList ProgrammaKalwsorismatos()
{
    return {
        QStringLiteral("!Καλωσήρθατε στον διερμηνευτή της Καλμίρας"),
        QStringLiteral("!Στο παρόν πλαίσιο γράφετε τον κώδικα του προγράμματος"),
        QStringLiteral("!Δεξιά βλέπετε τα αποτελέσματά του (Γράψε - Διάβασε)"),
        QStringLiteral("!όπως και τις τιμές των μεταβλητών κατά την εκτέλεση"),
        QStringLiteral("!Για να ανοίξετε ένα πρόγραμμα πηγαίνετε Αρχείο -> άνοιγμα"),
        QStringLiteral("!Υπάρχουν προγράμματα - παραδείγματα για όλες τις εντολές"),
        QStringLiteral("!Για να εκτελέσετε ένα πρόγραμμα πηγαίνετε Εκτέλεση -> εκτέλεση"),
        QStringLiteral("!Στο ίδιο μενού υπάρχει και η βηματική εκτέλεση"),
        QStringLiteral("!Για περισσότερη βοήθεια πηγαίνετε στο Βοήθεια -> εγχειρίδιο"),
        QStringLiteral("Πρόγραμμα ΓειαΣουΚόσμε"),
        QStringLiteral("!Εμφανίζει ένα μήνυμα στην οθόνη του χρήστη"),
        QStringLiteral("Αρχή"),
        QStringLiteral("  Γράψε 'Γεια σου κόσμε'"),
        QStringLiteral("Τέλος_προγράμματος"),
    };
}

void RuymiseKwdika(TSyntaxEdit& editor, TKalmiraHighlighter& highlighter)
{
    editor.SetFont(GrammatoseiraKwdika(11));
    editor.SetFontColor(Qt::blue);
    editor.SetGutterWidth(30);
    editor.SetGutterColor(QApplication::palette().color(QPalette::Button));
    editor.SetLineNumberFont(GrammatoseiraKwdika(12, true));
    editor.SetLineNumberColor(Qt::black);
    editor.SetMarkColor({Qt::red, Qt::white});
    editor.SetSelectedColor({Qt::blue, Qt::white});
    editor.SetRightMargin(64);
    editor.SetMaxRightChar(1024);
    editor.SetMaxUndo(10);
    editor.SetOptions(eoAutoIndent | eoAutoUnindent | eoCursorThroughTabs | eoGroupUndo | eoHideSelection |
                      eoInserting | eoLineNumbers | eoScrollPastEOL | eoShowScrollHint | eoTripleClicks |
                      eoUseSyntaxHighlighting | eoWantTabs);
    editor.SetHighLighter(&highlighter);
}

void Ruymise8ovnXrnstn(TSyntaxEdit& editor)
{
    editor.SetFont(GrammatoseiraKwdika(11));
    editor.SetFontColor(QColor(0x00, 0x00, 0x80));
    editor.SetGutterWidth(50);
    editor.SetGutterColor(QColor(0x87, 0xCE, 0xEB));
    editor.SetRightMargin(64);
    editor.SetMarginColor(QColor(0x00, 0x80, 0x00));
    editor.SetMaxRightChar(256);
    editor.SetMaxUndo(0);
    editor.SetBookMarkOptions({false, false});
    editor.SetOptions(eoReadOnly | eoReadOnlySelection | eoInserting);
}

void RuymiseListaMetablntwv(QTableWidget& lista, const QFont& font)
{
    lista.setFont(font);
    QPalette xrwmata = lista.palette();
    xrwmata.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));
    lista.setPalette(xrwmata);
    lista.setHorizontalHeaderLabels({QStringLiteral("Μεταβλητή"), QStringLiteral("Τιμή")});
    lista.horizontalHeader()->setFont(QApplication::font());
    lista.verticalHeader()->setVisible(false);
    lista.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lista.verticalHeader()->setDefaultSectionSize(24);
    lista.setColumnWidth(0, 96);
    lista.setColumnWidth(1, 247);
    lista.horizontalHeader()->setStretchLastSection(true);
    lista.setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista.setSelectionBehavior(QAbstractItemView::SelectRows);
    lista.setSelectionMode(QAbstractItemView::SingleSelection);
    lista.setWordWrap(false);
}

void OriseTimnKelious(QTableWidgetItem& keli, const TTimn& timn)
{
    bool kommevo = false;
    const QString keimevo = QString::fromStdU16String(KeimevoTimns(timn, MegistoKeimevoKelious, kommevo));
    keli.setText(kommevo ? keimevo + QChar(0x2026) : keimevo);
    keli.setToolTip(kommevo ? QString() : keimevo);
}

QString MnvumaEkatommuriou()
{
    return QStringLiteral("Αυτό το πρόγραμμα έχει ήδη εκτελέσει 1.000.000 εντολές. \r\n"
                          "Αν νομίζετε ότι βρίσκεται σε ατέρμονα βρόγχο, μετά το\r\n"
                          "κλείσιμο του διαλόγου πατήστε [Esc] ή \"Παύση εκτέλεσης\"\r\n"
                          "για να διακόψετε την εκτέλεσή του");
}

namespace {

// A file or folder of the program's data, looked for in the given folders and then beside the
// program and in the installed data folder.
QString DedomevaProgrammatos(const QString& sxetiko, QStringList fakeloi)
{
    fakeloi.append(QCoreApplication::applicationDirPath());
#ifdef KALMIRA_RELATIVE_DATA_DIR
    fakeloi.append(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KALMIRA_RELATIVE_DATA_DIR)));
#endif
#ifdef KALMIRA_DATA_DIR
    fakeloi.append(QStringLiteral(KALMIRA_DATA_DIR));
#endif
    for (const QString& fakelos : fakeloi) {
        const QFileInfo arxeio(QDir(fakelos).filePath(sxetiko));
        if (arxeio.exists())
            return arxeio.absoluteFilePath();
    }
    return {};
}

}  // namespace

QString ArxeioEgxeiridiou()
{
    return DedomevaProgrammatos(QStringLiteral("egxeiridio/index.htm"), {QDir::currentPath()});
}

QString FakelosParadeigmatwv()
{
    const QString fakelos = DedomevaProgrammatos(QStringLiteral("examples"), {});
    return fakelos.isEmpty() ? QDir::currentPath() : fakelos;
}

QMessageBox::StandardButton ErwtnsnNaiOxiAkuro(QWidget* gonios, const QString& titlos, const QString& keimevo)
{
    QMessageBox erwtnsn(QMessageBox::Warning, titlos, keimevo,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, gonios);
    erwtnsn.button(QMessageBox::Yes)->setText(QStringLiteral("&Ναι"));
    erwtnsn.button(QMessageBox::No)->setText(QStringLiteral("Ό&χι"));
    erwtnsn.button(QMessageBox::Cancel)->setText(QStringLiteral("Άκυρο"));
    erwtnsn.setDefaultButton(QMessageBox::Yes);
    erwtnsn.setEscapeButton(QMessageBox::Cancel);
    return static_cast<QMessageBox::StandardButton>(erwtnsn.exec());
}

namespace {

// Lists folders, and the files with one of the given extensions.
class TFiltroKatal3ewv final : public QSortFilterProxyModel {
public:
    TFiltroKatal3ewv(QStringList katal3eis, QObject* gonios)
        : QSortFilterProxyModel(gonios), katal3eis_(std::move(katal3eis))
    {
    }

protected:
    bool filterAcceptsRow(int grammn, const QModelIndex& gonios) const override
    {
        const auto* arxeia = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!arxeia)
            return true;
        const QModelIndex deiktns = arxeia->index(grammn, 0, gonios);
        return arxeia->isDir(deiktns) ||
               katal3eis_.contains(QFileInfo(arxeia->fileName(deiktns)).suffix(), Qt::CaseInsensitive);
    }

private:
    QStringList katal3eis_;
};

}  // namespace

void EtoimaseDialogoArxeiwv(QFileDialog& dialogos, const QString& filtro)
{
    dialogos.resize(900, 520);
    // Qt's own dialog, so that its labels are Greek whatever the desktop.
    dialogos.setOption(QFileDialog::DontUseNativeDialog);
    // The extensions are those of the filter's patterns: "Περιγραφή (*.α;*.β)" lists α and β.
    QStringList katal3eis;
    const qsizetype ar3n = filtro.lastIndexOf(u'(');
    for (const QString& protupo : filtro.mid(ar3n + 1).chopped(1).split(u';', Qt::SkipEmptyParts))
        katal3eis += protupo.trimmed().remove(0, 2);
    dialogos.setProxyModel(new TFiltroKatal3ewv(katal3eis, &dialogos));
    dialogos.setNameFilter(filtro);
    if (auto* arxeia = dialogos.findChild<QFileSystemModel*>())
        arxeia->setNameFilters({});
    // The platform's type names are not Greek and say nothing here: every file listed is a program.
    // The columns fit their contents and the name takes the rest, so that no size or date is cut.
    if (auto* lista = dialogos.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        lista->hideColumn(2);
        lista->header()->setStretchLastSection(false);
        lista->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        lista->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        lista->header()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    }
    if (auto* xwrisma = dialogos.findChild<QSplitter*>(QStringLiteral("splitter")))
        xwrisma->setSizes({170, 730});
    dialogos.setLabelText(QFileDialog::LookIn, QStringLiteral("Φάκελος:"));
    dialogos.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
    dialogos.setLabelText(QFileDialog::FileType, QStringLiteral("Αρχεία τύπου:"));
    dialogos.setLabelText(QFileDialog::Accept, dialogos.acceptMode() == QFileDialog::AcceptSave
                                                   ? QStringLiteral("&Αποθήκευση")
                                                   : QStringLiteral("Άν&οιγμα"));
    dialogos.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
}

}  // namespace kalmira

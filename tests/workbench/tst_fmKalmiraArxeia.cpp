// The main window's file, insert and editing commands, driven through its menus and dialogs.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "tests/workbench/Voithitika.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

namespace {

QByteArray Bytes(const QString& diadromn)
{
    QFile f(diadromn);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Grapse(const QString& diadromn, const QByteArray& bytes)
{
    QFile f(diadromn);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Answers the next file dialog with a path, or cancels it when the path is empty.
void ApavtnsnDialogou(const QString& diadromn, QString* protasn = nullptr)
{
    OtavEmfanistei<QFileDialog>([diadromn, protasn](QFileDialog& d) {
        if (protasn)
            *protasn = d.findChild<QLineEdit*>(u"fileNameEdit"_s)->text();
        if (diadromn.isEmpty()) {
            d.reject();
            return;
        }
        d.selectFile(diadromn);
        static_cast<QDialog&>(d).accept();
    });
}

// Answers the next question with a button, keeping its text.
void ApavtnsnErwtnsns(QMessageBox::StandardButton koumpi, QString* keimevo = nullptr)
{
    OtavEmfanistei<QMessageBox>([koumpi, keimevo](QMessageBox& m) {
        if (keimevo)
            *keimevo = m.text();
        // A message has one button of its own, the default one.
        QAbstractButton* b = m.button(koumpi) ? m.button(koumpi) : m.defaultButton();
        b->click();
    });
}

}  // namespace

class tst_fmKalmiraArxeia final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void ErwtnsnAllagwv();
    void Apo8nkeusnKaiAvoigma();
    void ProtasnOvomatosApoTnvEpikefalida();
    void DialogoiArxeiwv();
    void ArxeioKwdikoselidas();
    void ApotuxiaApo8nkeusns();
    void MenouEisagwgns();
    void EvergopoinsnEpe3ergasias();
    void Grammatoseira();
    void Egxeiridio();

private:
    QTemporaryDir apo8nkn;
    QTemporaryDir fakelos;
    std::unique_ptr<TfmKalmira> p;
};

void tst_fmKalmiraArxeia::init()
{
    p = NeoPara8uro(apo8nkn);
}

void tst_fmKalmiraArxeia::cleanup()
{
    p.reset();
    QCOMPARE(AnapavtnteesApavtnseis(), 0);
}

void tst_fmKalmiraArxeia::ErwtnsnAllagwv()
{
    Plnktrolognsn(*p, u"a"_s);
    QVERIFY(p->sxeKwdikas->Modified());
    const QString keimevo = p->sxeKwdikas->Text();
    // Cancel keeps everything.
    QString erwtnsn;
    ApavtnsnErwtnsns(QMessageBox::Cancel, &erwtnsn);
    p->miDnmiourgia->trigger();
    QCOMPARE(erwtnsn, u"Έχετε τροποποιήσει το πρόγραμμα «Ανώνυμο πρόγραμμα».\r\nΘέλετε να αποθηκεύσετε τις αλλαγές;"_s);
    QCOMPARE(p->sxeKwdikas->Text(), keimevo);
    // Yes, then a cancelled save dialog, abandons the command.
    ApavtnsnErwtnsns(QMessageBox::Yes);
    ApavtnsnDialogou({});
    p->miDnmiourgia->trigger();
    QCOMPARE(p->sxeKwdikas->Text(), keimevo);
    QVERIFY(p->sxeKwdikas->Modified());
    // No goes on without saving.
    ApavtnsnErwtnsns(QMessageBox::No);
    p->miDnmiourgia->trigger();
    QCOMPARE(p->sxeKwdikas->LineCount(), 0);
    QVERIFY(!p->sxeKwdikas->Modified());
    QCOMPARE(p->sbPanel[1]->text(), u"Αποθηκευμένο"_s);
    QCOMPARE(p->windowTitle(), u"Ανώνυμο πρόγραμμα - Διερμηνευτής της Καλμίρας"_s);
    // Closing the window asks too.
    Plnktrolognsn(*p, u"a"_s);
    ApavtnsnErwtnsns(QMessageBox::Cancel);
    p->close();
    QVERIFY(p->isVisible());
    ApavtnsnErwtnsns(QMessageBox::No);
    p->close();
    QVERIFY(!p->isVisible());
}

void tst_fmKalmiraArxeia::Apo8nkeusnKaiAvoigma()
{
    // After New, Ctrl+S opens the save dialog; a name without extension gets ".καλμίρα".
    const QString diadromn = fakelos.filePath(u"Άσκηση"_s);
    ApavtnsnDialogou(diadromn);
    Plnktro(*p, Qt::Key_S, Qt::ControlModifier);
    const QString arxeio = diadromn + u".καλμίρα"_s;
    QCOMPARE(p->OvomaArxeiou(), arxeio);
    QCOMPARE(p->windowTitle(), QDir::toNativeSeparators(arxeio) + u" - Διερμηνευτής της Καλμίρας"_s);
    const QByteArray bytes = Bytes(arxeio);
    QVERIFY(bytes.startsWith("\xFF\xFE"));
    QVERIFY(bytes.endsWith(QByteArray("\r\0\n\0", 4)));
    QCOMPARE(bytes.count(QByteArray("\r\0\n\0", 4)), 14);
    QCOMPARE(p->miApo8nkeusn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QVERIFY(p->miApo8nkeusnWs->shortcut().isEmpty());
    QCOMPARE(p->tbApo8nkeusn->text(), p->miApo8nkeusn->text());  // the tool button follows Save, not Save as

    // Named: Ctrl+S saves without a dialog.
    Plnktrolognsn(*p, u"!"_s);
    Plnktro(*p, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!p->sxeKwdikas->Modified());
    QVERIFY(Bytes(arxeio).startsWith(QByteArray("\xFF\xFE!\0", 4)));

    // Open brings the same lines back.
    const QStringList grammes = p->sxeKwdikas->Lines();
    p->miDnmiourgia->trigger();
    ApavtnsnDialogou(arxeio);
    p->miAvoigma->trigger();
    QCOMPARE(p->sxeKwdikas->Lines(), grammes);
    QCOMPARE(p->OvomaArxeiou(), arxeio);
    QVERIFY(!p->sxeKwdikas->Modified());
}

void tst_fmKalmiraArxeia::ProtasnOvomatosApoTnvEpikefalida()
{
    p->sxeKwdikas->SetText(u"Πρόγραμμα Άσκηση1\r\nΑρχή\r\nΤέλος_προγράμματος\r\n"_s);
    p->miMetaglwttisnClick();
    QString protasn;
    ApavtnsnDialogou({}, &protasn);
    p->miApo8nkeusnWs->trigger();
    QCOMPARE(protasn, u"Άσκηση1"_s);
    QVERIFY(p->OvomaArxeiou().isEmpty());
    // Without a compiled program the dialog proposes the name it showed last, cancelled or not.
    p->sxeKwdikas->SetModified(false);
    p->miDnmiourgia->trigger();
    ApavtnsnDialogou({}, &protasn);
    p->miApo8nkeusnWs->trigger();
    QCOMPARE(protasn, u"Άσκηση1"_s);
}

// The titles and filters of the two file dialogs; the open dialog lists the three kinds of
// program file and the folders, nothing else.
void tst_fmKalmiraArxeia::DialogoiArxeiwv()
{
    const QDir dialogoi(fakelos.filePath(u"dialogoi"_s));
    QVERIFY(dialogoi.mkpath(u"φάκελος"_s));
    for (const QString& ovoma : {u"α.καλμίρα"_s, u"b.txt"_s, u"c.uni"_s, u"d.cpp"_s})
        Grapse(dialogoi.filePath(ovoma), "\xFF\xFE");
    QVERIFY(p->AvoigmaArxeiou(dialogoi.filePath(u"α.καλμίρα"_s)));
    QString titlos, ovoma;
    QStringList filtra, arxeia;
    bool listn = false;
    OtavEmfanistei<QFileDialog>([&](QFileDialog& d) {
        titlos = d.windowTitle();
        ovoma = d.objectName();
        filtra = d.nameFilters();
        const auto* lista = d.findChild<QListView*>(u"listView"_s);
        const auto plnr8os = [lista] { return lista->model()->rowCount(lista->rootIndex()); };
        listn = QTest::qWaitFor([&] { return plnr8os() >= 4; }, 5000);
        QTest::qWait(100);  // room for a file that should not be there
        for (int i = 0; i < plnr8os(); ++i)
            arxeia << lista->model()->index(i, 0, lista->rootIndex()).data().toString();
        d.reject();
    });
    p->miAvoigma->trigger();
    QCOMPARE(titlos, u"Άνοιγμα προγράμματος - Διερμηνευτής της Καλμίρας"_s);
    QCOMPARE(ovoma, u"opdDialogosAvoigmatos"_s);
    QCOMPARE(filtra, QStringList{u"Προγράμματα της Καλμίρας (*.καλμίρα;*.txt;*.uni)"_s});
    QVERIFY(listn);
    arxeia.sort();
    QCOMPARE(arxeia, (QStringList{u"b.txt"_s, u"c.uni"_s, u"α.καλμίρα"_s, u"φάκελος"_s}));

    OtavEmfanistei<QFileDialog>([&](QFileDialog& d) {
        titlos = d.windowTitle();
        ovoma = d.objectName();
        filtra = d.nameFilters();
        d.reject();
    });
    p->miApo8nkeusnWs->trigger();
    QCOMPARE(titlos, u"Αποθήκευση προγράμματος - Διερμηνευτής της Καλμίρας"_s);
    QCOMPARE(ovoma, u"svdDialogosApo8nkeusns"_s);
    QCOMPARE(filtra, QStringList{u"Πρόγραμμα της Καλμίρας (*.καλμίρα)"_s});
}

void tst_fmKalmiraArxeia::ArxeioKwdikoselidas()
{
    // Windows-1253 Greek without a byte-order mark opens intact and is saved as UTF-16.
    const QString arxeio = fakelos.filePath(u"παλιό.txt"_s);
    Grapse(arxeio, QByteArray("\xD0\xF1\xFC\xE3\xF1\xE1\xEC\xEC\xE1 \xC1\r\n\xC1\xF1\xF7\xDE\r\n\xD4\xDD\xEB\xEF\xF2_"
                              "\xF0\xF1\xEF\xE3\xF1\xDC\xEC\xEC\xE1\xF4\xEF\xF2\r\n"));
    QVERIFY(p->AvoigmaArxeiou(arxeio));
    QCOMPARE(p->sxeKwdikas->Line(0), u"Πρόγραμμα Α"_s);
    QCOMPARE(p->sxeKwdikas->Line(2), u"Τέλος_προγράμματος"_s);
    QVERIFY(p->miApo8nkeusnClick());
    QCOMPARE(Bytes(arxeio).left(6), QByteArray("\xFF\xFE\xA0\x03\xC1\x03", 6));
}

void tst_fmKalmiraArxeia::ApotuxiaApo8nkeusns()
{
    const QString arxeio = fakelos.filePath(u"α.καλμίρα"_s);
    ApavtnsnDialogou(arxeio);
    p->miApo8nkeusnWs->trigger();
    QCOMPARE(p->OvomaArxeiou(), arxeio);
    Plnktrolognsn(*p, u"!"_s);
    // The file's place is taken by a folder: the save fails, says why, and changes nothing.
    QVERIFY(QFile::remove(arxeio));
    QVERIFY(QDir(fakelos.path()).mkdir(u"α.καλμίρα"_s));
    QString mnvuma;
    ApavtnsnErwtnsns(QMessageBox::Ok, &mnvuma);
    QVERIFY(!p->miApo8nkeusnClick());
    QVERIFY2(mnvuma.contains(u"α.καλμίρα"_s), qPrintable(mnvuma));
    QVERIFY(p->sxeKwdikas->Modified());
    QCOMPARE(p->sbPanel[1]->text(), u"Τροποποιημένο"_s);
    QCOMPARE(p->OvomaArxeiou(), arxeio);

    // A failed Save as (to a link into a missing folder) keeps the old name and caption.
    const QString titlos = p->windowTitle();
    const QString desmos = fakelos.filePath(u"β.καλμίρα"_s);
    QVERIFY(QFile::link(fakelos.filePath(u"δεν/υπάρχει.καλμίρα"_s), desmos));
    ApavtnsnDialogou(desmos);
    ApavtnsnErwtnsns(QMessageBox::Ok);
    QVERIFY(!p->miApo8nkeusnWsClick());
    QCOMPARE(p->windowTitle(), titlos);
    QCOMPARE(p->OvomaArxeiou(), arxeio);
}

void tst_fmKalmiraArxeia::MenouEisagwgns()
{
    p->sxeKwdikas->SetText(u"    \r\n"_s);
    p->sxeKwdikas->SetCaretXY({4, 0});
    QAction* ovo = p->mnEisagwgn->findChild<QAction*>(u"miOsoEpavalabe"_s);
    QVERIFY(ovo);
    ovo->trigger();
    QCOMPARE(p->sxeKwdikas->Line(2), u"    τέλος_επανάληψης"_s);
    QCOMPARE(p->sxeKwdikas->CaretXY(), (TBufferCoord{8, 0}));
    // With the focus in the user screen nothing is inserted.
    p->seO8ovnXrnstn->setFocus();
    QApplication::processEvents();
    const QString prin = p->sxeKwdikas->Text();
    ovo->trigger();
    QCOMPARE(p->sxeKwdikas->Text(), prin);
}

void tst_fmKalmiraArxeia::EvergopoinsnEpe3ergasias()
{
    QApplication::clipboard()->setText(u"x"_s);
    QVERIFY(!p->miApokopn->isEnabled());
    QVERIFY(p->miEpikollnsn->isEnabled());
    QVERIFY(p->miEpilognOlwv->isEnabled());
    Plnktro(*p, Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(p->miApokopn->isEnabled());
    QVERIFY(p->miAvtigrafn->isEnabled());
    p->seO8ovnXrnstn->setFocus();
    QApplication::processEvents();
    for (QAction* a : {p->miAvairesn, p->miApokopn, p->miAvtigrafn, p->miEpikollnsn, p->miDiagrafn, p->miEpilognOlwv})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));

    // The short hint on the tool button, the long one in the status bar.
    const struct {
        QAction* evergeia;
        QString suvtomn, makria;
    } ypodei3eis[] = {
        {p->miAvairesn, u"Αναίρεση"_s, u"Αναιρεί την τελευταία ενέργεια"_s},
        {p->miApokopn, u"Αποκοπή"_s, u"Αποκόπτει την επιλογή και την τοποθετεί στο πρόχειρο"_s},
        {p->miAvtigrafn, u"Αντι&γραφή"_s, u"Αντιγράφει το επιλεγμένο κείμενο στο πρόχειρο"_s},
        {p->miEpikollnsn, u"Επικόλληση"_s, u"Επικολλά τα περιεχόμενα του πρόχειρου στο κείμενο"_s},
        {p->miDiagrafn, u"Διαγραφή"_s, u"Διαγράφει το επιλεγμένο κείμενο"_s},
        {p->miEpilognOlwv, u"Επιλογή όλων"_s, u"Επιλέγει όλο το κείμενο"_s},
        {p->miEuresn, u"Εύρεση"_s, u"Αναζητεί κείμενο"_s},
        {p->miEuresnEpomevou, u"Εύρεση επομένου"_s, u"Επαναλαμβάνει την τελευταία αναζήτηση"_s},
        {p->miAvtikatastasn, u"Αντικατάσταση"_s, u"Αντικαθιστά κάποιο κείμενο με άλλο"_s},
        {p->miDiamorfwsnSelidas, u"Ρυθμίσεις για την εκτύπωση"_s, u"Ρυθμίσεις για την εκτύπωση"_s},
    };
    for (const auto& y : ypodei3eis) {
        QCOMPARE(y.evergeia->toolTip(), y.suvtomn);
        QCOMPARE(y.evergeia->statusTip(), y.makria);
    }
}

void tst_fmKalmiraArxeia::Grammatoseira()
{
    QFont grammatoseira = p->sxeKwdikas->Font();
    grammatoseira.setPointSize(12);
    p->OriseGrammatoseira(grammatoseira);
    QCOMPARE(p->sxeKwdikas->LineNumberFont().pointSize(), 10);
    QCOMPARE(p->sxeKwdikas->GutterWidth(), 3 * p->sxeKwdikas->CharWidth());
    QCOMPARE(p->seO8ovnXrnstn->Font().pointSize(), 12);
    grammatoseira.setPointSize(10);
    p->OriseGrammatoseira(grammatoseira);
    QCOMPARE(p->sxeKwdikas->LineNumberFont().pointSize(), 8);
}

void tst_fmKalmiraArxeia::Egxeiridio()
{
    // F1 opens egxeiridio/index.htm of the current folder with the desktop's handler.
    QVERIFY(QDir(fakelos.path()).mkpath(u"egxeiridio"_s));
    Grapse(fakelos.filePath(u"egxeiridio/index.htm"_s), "<html></html>");
    const QString prin = QDir::currentPath();
    QVERIFY(QDir::setCurrent(fakelos.path()));
    QList<QUrl> avoiktes;
    bool petuxaivei = true;
    p->AvoigmaDieu8uvsns = [&](const QUrl& url) {
        avoiktes << url;
        return petuxaivei;
    };
    Plnktro(*p, Qt::Key_F1);
    QCOMPARE(avoiktes, QList<QUrl>{QUrl::fromLocalFile(fakelos.filePath(u"egxeiridio/index.htm"_s))});
    // When the desktop cannot open it, the message says so.
    petuxaivei = false;
    QString mnvuma;
    ApavtnsnErwtnsns(QMessageBox::Ok, &mnvuma);
    Plnktro(*p, Qt::Key_F1);
    QCOMPARE(mnvuma, u"Δεν μπόρεσα να ανοίξω το αρχείο βοήθειας egxeiridio\\index.htm"_s);
    QVERIFY(QDir::setCurrent(prin));
}

QTEST_MAIN(tst_fmKalmiraArxeia)
#include "tst_fmKalmiraArxeia.moc"

// The insert menu: the item table as the menu shows it, template expansion without a widget,
// and insertion into a focused editor.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "editor/SyntaxEditor.h"
#include "workbench/uProtupa.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

class TestProtupa final : public QObject {
    Q_OBJECT
private slots:
    void tableMatchesTheMenu();
    void menuIsBuiltFromTheTable();
    void expansion_data();
    void expansion();
    void insertsAtTheCaretOfAFocusedEditor();
    void replacesTheSelection();
    void nothingWithoutFocus();
};

void TestProtupa::tableMatchesTheMenu()
{
    // Submenu caption, then its items as name ¦ caption ¦ shortcut; "—" is a separator.
    const QList<QStringList> anamevomeno = {
        {u"&Εντολή"_s, u"miAva8esnTimns¦<-- {Ανάθεση τιμής}¦Ctrl+Alt+Left"_s, u"—"_s,
         u"miGrace¦Γράψε ¦Ctrl+Alt+C"_s, u"miDiavase¦Διάβασε ¦Ctrl+Alt+D"_s, u"—"_s,
         u"miAvTote¦Αν | τότε…  …τέλος_αν¦Ctrl+Alt+A"_s, u"miAlliws_avTote¦Αλλιώς_αν | τότε…  ¦Ctrl+Alt+N"_s,
         u"miAlliws¦Αλλιώς…  ¦Ctrl+Alt+L"_s, u"—"_s,
         u"miEpile3e¦Επίλεξε |…  περίπτωση :…    …τέλος_επιλογών¦Ctrl+Alt+E"_s,
         u"miPeriptwsn¦περίπτωση |: ¦Ctrl+Alt+V"_s, u"miPeriptwsnAlliws¦περίπτωση αλλιώς:…  ¦Ctrl+Alt+W"_s, u"—"_s,
         u"miGiaApoMexri¦Για | από μέχρι …  …τέλος_επανάληψης¦Ctrl+Alt+G"_s, u"miMe_bnma¦με_βήμα ¦Ctrl+Alt+B"_s, u"—"_s,
         u"miOsoEpavalabe¦Όσο | επανάλαβε…  …τέλος_επανάληψης¦Ctrl+Alt+O"_s, u"—"_s,
         u"miArxn_epavalncns¦Αρχή_επανάληψης…  |…μέχρις_ότου ¦Ctrl+Alt+X"_s},
        {u"Μέρος &προγράμματος"_s, u"miProgramma¦Πρόγραμμα ¦Ctrl+Alt+P"_s, u"miSta8eres¦Σταθερές…  | = ¦Ctrl+Alt+S"_s,
         u"miMetablntes¦Μεταβλητές…  ¦Ctrl+Alt+M"_s, u"miArxn¦Αρχή…  ¦Ctrl+Alt+R"_s,
         u"miTelos_programmatos¦τέλος_προγράμματος¦Ctrl+Alt+T"_s},
        {u"&Συνάρτηση"_s, u"miAkeraioMeros¦Α_Μ(|) {Ακέραιο μέρος}¦"_s, u"miApolutnTimn¦Α_Τ(|) {Απόλυτη τιμή}¦"_s,
         u"miEk8etiknSuvartnsn¦Ε(|) {Εκθετική συνάρτηση}¦"_s, u"miEfaptomevn¦ΕΦ(|) {Εφαπτομένη}¦"_s,
         u"miHmitovo¦ΗΜ(|) {Ημίτονο}¦"_s, u"miSuvnmitovo¦ΣΥΝ(|) {Συνημίτονο}¦"_s},
        {u"Σ&χεσιακοί τελεστές"_s, u"miIsov¦= {Ίσον}¦"_s, u"miDiaforo¦<> {Διάφορο}¦Ctrl+Alt+="_s,
         u"miMikrotero¦< {Μικρότερο}¦"_s, u"miMikroteroHIso¦<= {Μικρότερο ή ίσο}¦Ctrl+Alt+,"_s,
         u"miMegalutero¦> {Μεγαλύτερο}¦"_s, u"miMegaluteroHIso¦>= {Μεγαλύτερο ή ίσο}¦Ctrl+Alt+."_s},
        {u"&Αριθμητικοί τελεστές"_s, u"miSuv¦+ {Συν}¦"_s, u"miPlnv¦- {Πλην}¦"_s, u"miEpi¦* {Επί}¦"_s, u"miDia¦/ {Διά}¦"_s,
         u"—"_s, u"miAkeraiaDiairesn¦div  {Ακέραια διαίρεση}¦"_s, u"miYpoloipo¦mod  {Υπόλοιπο}¦"_s},
        {u"&Λογικοί τελεστές"_s, u"miH¦ή ¦"_s, u"miKai¦και ¦"_s, u"miOxi¦όχι ¦"_s},
        {u"Τύποι &δεδομένων"_s, u"miAkeraies¦ακέραιες: ¦"_s, u"miPragmatikes¦πραγματικές: ¦"_s,
         u"miXaraktnres¦χαρακτήρες: ¦"_s, u"miLogikes¦λογικές: ¦"_s},
        {u"Λο&γικές σταθερές"_s, u"miAln8ns¦Αληθής ¦"_s, u"miCeudns¦Ψευδής ¦"_s},
    };
    QList<QStringList> pivakas;
    for (const TUpomenouEisagwgns& upomenou : UpomenouEisagwgns()) {
        QStringList grammn{upomenou.Titlos.toString()};
        for (const TStoixeioEisagwgns& s : upomenou.Stoixeia)
            grammn += s.Diaxwristiko() ? u"—"_s
                                       : QLatin1String(s.Ovoma) + u'¦' + s.Protupo.toString() + u'¦' + s.Suvtomeusn().toString(QKeySequence::PortableText);
        pivakas += grammn;
    }
    QCOMPARE(pivakas, anamevomeno);
}

void TestProtupa::menuIsBuiltFromTheTable()
{
    QMenu menou;
    QStringList epilegmena;
    GemiseMenouEisagwgns(menou, [&](QStringView protupo) { epilegmena += protupo.toString(); });
    const QList<QAction*> upomenou = menou.actions();
    QCOMPARE(upomenou.size(), 8);
    QCOMPARE(upomenou[3]->text(), u"Σ&χεσιακοί τελεστές"_s);

    auto* diaforo = menou.findChild<QAction*>(u"miDiaforo"_s);
    QVERIFY(diaforo);
    QCOMPARE(diaforo->text(), u"<> {Διάφορο}"_s);
    QCOMPARE(diaforo->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Equal));
    diaforo->trigger();
    menou.findChild<QAction*>(u"miSta8eres"_s)->trigger();
    QCOMPARE(epilegmena, (QStringList{u"<> {Διάφορο}"_s, u"Σταθερές…  | = "_s}));

    // The first submenu keeps its separators.
    QCOMPARE(upomenou[0]->menu()->actions().size(), 19);
    QVERIFY(upomenou[0]->menu()->actions()[1]->isSeparator());
}

void TestProtupa::expansion_data()
{
    QTest::addColumn<QString>("protupo");
    QTest::addColumn<int>("stnln");
    QTest::addColumn<int>("thesn");
    QTest::addColumn<QString>("keimevo");
    QTest::addColumn<int>("stoxos");

    QTest::newRow("Αν") << u"Αν | τότε…  …τέλος_αν"_s << 0 << 0 << u"Αν  τότε\r\n  \r\nτέλος_αν"_s << 3;
    QTest::newRow("Επίλεξε") << u"Επίλεξε |…  περίπτωση :…    …τέλος_επιλογών"_s << 0 << 0
                             << u"Επίλεξε \r\n  περίπτωση :\r\n    \r\nτέλος_επιλογών"_s << 8;
    QTest::newRow("Αρχή_επανάληψης") << u"Αρχή_επανάληψης…  |…μέχρις_ότου "_s << 0 << 0
                                     << u"Αρχή_επανάληψης\r\n  \r\nμέχρις_ότου "_s << 19;
    QTest::newRow("Σταθερές") << u"Σταθερές…  | = "_s << 0 << 0 << u"Σταθερές\r\n   = "_s << 12;
    QTest::newRow("<--") << u"<-- {Ανάθεση τιμής}"_s << 0 << 0 << u"←"_s << 1;
    QTest::newRow("div") << u"div  {Ακέραια διαίρεση}"_s << 0 << 0 << u"div "_s << 4;
    QTest::newRow("Α_Μ") << u"Α_Μ(|) {Ακέραιο μέρος}"_s << 0 << 0 << u"Α_Μ()"_s << 4;
    QTest::newRow("Μεταβλητές") << u"Μεταβλητές…  "_s << 0 << 0 << u"Μεταβλητές\r\n  "_s << 14;
    // At column 4 of a line that starts 50 characters into the text.
    QTest::newRow("Όσο at column 4") << u"Όσο | επανάλαβε…  …τέλος_επανάληψης"_s << 4 << 54
                                     << u"Όσο  επανάλαβε\r\n      \r\n    τέλος_επανάληψης"_s << 58;
    QTest::newRow("<=") << u"<= {Μικρότερο ή ίσο}"_s << 0 << 0 << u"\u2264"_s << 1;
    QTest::newRow("Για") << u"Για | από μέχρι …  …τέλος_επανάληψης"_s << 2 << 7
                         << u"Για  από μέχρι \r\n    \r\n  τέλος_επανάληψης"_s << 11;
    QTest::newRow("no template text") << u"τέλος_προγράμματος"_s << 0 << 5 << u"τέλος_προγράμματος"_s << 23;
    // A description at the very start has no character before it to take along.
    QTest::newRow("brace first") << u"{σχόλιο}x"_s << 0 << 0 << u"x"_s << 1;
}

void TestProtupa::expansion()
{
    QFETCH(QString, protupo);
    QFETCH(int, stnln);
    QFETCH(int, thesn);
    QFETCH(QString, keimevo);
    QFETCH(int, stoxos);
    const TEpektasnProtupou e = EpektasnProtupou(protupo, stnln, thesn);
    QCOMPARE(e.Keimevo, keimevo);
    QCOMPARE(e.Stoxos, stoxos);
}

namespace {

// A window with the editor and a second control that can take the focus away from it.
struct TPara8uro {
    QWidget para8uro;
    TSyntaxEdit* sxeKwdikas = new TSyntaxEdit(&para8uro);
    QLineEdit* allo = new QLineEdit(&para8uro);

    TPara8uro()
    {
        auto* diata3n = new QVBoxLayout(&para8uro);
        diata3n->addWidget(sxeKwdikas);
        diata3n->addWidget(allo);
        para8uro.show();
        para8uro.activateWindow();
    }
};

}  // namespace

void TestProtupa::insertsAtTheCaretOfAFocusedEditor()
{
    TPara8uro p;
    QVERIFY(QTest::qWaitForWindowActive(&p.para8uro));
    p.sxeKwdikas->SetText(u"Αρχή\r\n    x\r\nΤέλος_προγράμματος"_s);
    p.sxeKwdikas->setFocus();
    QTRY_VERIFY(p.sxeKwdikas->hasFocus());
    QSignalSpy allages(p.sxeKwdikas, &TSyntaxEdit::OnChange);
    p.sxeKwdikas->SetCaretXY({4, 1});
    QVERIFY(EisagwgnProtupou(*p.sxeKwdikas, u"Όσο | επανάλαβε…  …τέλος_επανάληψης"));
    QCOMPARE(p.sxeKwdikas->Lines(), (QStringList{u"Αρχή"_s, u"    Όσο  επανάλαβε"_s, u"      "_s, u"    τέλος_επανάληψηςx"_s,
                                                 u"Τέλος_προγράμματος"_s}));
    QCOMPARE(p.sxeKwdikas->CaretXY(), (TBufferCoord{8, 1}));
    QCOMPARE(allages.size(), 1);
    QVERIFY(p.sxeKwdikas->Modified());
    // One undo takes the whole insertion back.
    p.sxeKwdikas->Undo();
    QCOMPARE(p.sxeKwdikas->Text(), u"Αρχή\r\n    x\r\nΤέλος_προγράμματος\r\n"_s);

    // The caret after an operator, on the line where it was.
    p.sxeKwdikas->SetCaretXY({5, 1});
    QVERIFY(EisagwgnProtupou(*p.sxeKwdikas, u"<-- {Ανάθεση τιμής}"));
    QCOMPARE(p.sxeKwdikas->Line(1), u"    x←"_s);
    QCOMPARE(p.sxeKwdikas->CaretXY(), (TBufferCoord{6, 1}));
}

void TestProtupa::replacesTheSelection()
{
    TPara8uro p;
    QVERIFY(QTest::qWaitForWindowActive(&p.para8uro));
    p.sxeKwdikas->SetText(u"  α <= β\r\n"_s);
    p.sxeKwdikas->setFocus();
    QTRY_VERIFY(p.sxeKwdikas->hasFocus());
    // Selected from left to right and from right to left: the caret stands at either end, the
    // text goes where the selection was and the caret after it.
    for (const auto& [apo, ews] : {std::pair{4, 6}, std::pair{6, 4}}) {
        p.sxeKwdikas->SetText(u"  α <= β\r\n"_s);
        p.sxeKwdikas->SetSelection(apo, ews);
        QVERIFY(EisagwgnProtupou(*p.sxeKwdikas, u"Α_Μ(|) {Ακέραιο μέρος}"));
        QCOMPARE(p.sxeKwdikas->Line(0), u"  α Α_Μ() β"_s);
        QCOMPARE(p.sxeKwdikas->CaretXY(), (TBufferCoord{8, 0}));
    }
}

void TestProtupa::nothingWithoutFocus()
{
    TPara8uro p;
    QVERIFY(QTest::qWaitForWindowActive(&p.para8uro));
    p.sxeKwdikas->SetText(u"Αρχή\r\n"_s);
    p.allo->setFocus();
    QTRY_VERIFY(p.allo->hasFocus());
    QVERIFY(!EisagwgnProtupou(*p.sxeKwdikas, u"Γράψε "));
    QCOMPARE(p.sxeKwdikas->Text(), u"Αρχή\r\n"_s);
    QCOMPARE(p.allo->text(), QString());
    QVERIFY(!p.sxeKwdikas->Modified());

    // A read-only editor takes nothing either, focus or not.
    p.sxeKwdikas->SetOptions(p.sxeKwdikas->Options() | eoReadOnly);
    p.sxeKwdikas->setFocus();
    QTRY_VERIFY(p.sxeKwdikas->hasFocus());
    QVERIFY(!EisagwgnProtupou(*p.sxeKwdikas, u"Γράψε "));
    QCOMPARE(p.sxeKwdikas->Text(), u"Αρχή\r\n"_s);
}

QTEST_MAIN(TestProtupa)
#include "tst_Protupa.moc"

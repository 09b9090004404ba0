// The insert menu: the menu built from its table, template expansion without a widget, and
// insertion into an editor. (The window's tests insert through the menu with and without focus.)
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "tests/workbench/Voithitika.h"
#include "workbench/uProtupa.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

class TestProtupa final : public QObject {
    Q_OBJECT
private slots:
    void menuIsBuiltFromTheTable();
    void expansion_data();
    void expansion();
    void insertion();
};

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

namespace {

// The template of the insert menu's item `ovoma`.
QString Protupo(const QString& ovoma)
{
    for (const TUpomenouEisagwgns& upomenou : UpomenouEisagwgns())
        for (const TStoixeioEisagwgns& s : upomenou.Stoixeia)
            if (!s.Diaxwristiko() && ovoma == QLatin1String(s.Ovoma))
                return s.Protupo.toString();
    return ovoma;
}

}  // namespace

// The menu's own templates (or, for names that are no item, the text itself), expanded at a
// line and column.
void TestProtupa::expansion_data()
{
    QTest::addColumn<QString>("stoixeio");
    QTest::addColumn<int>("stnln");
    QTest::addColumn<int>("thesn");
    QTest::addColumn<QString>("keimevo");
    QTest::addColumn<int>("stoxos");

    QTest::newRow("Αν") << u"miAvTote"_s << 0 << 0 << u"Αν  τότε\r\n  \r\nτέλος_αν"_s << 3;
    QTest::newRow("Επίλεξε") << u"miEpile3e"_s << 0 << 0 << u"Επίλεξε \r\n  περίπτωση :\r\n    \r\nτέλος_επιλογών"_s << 8;
    QTest::newRow("Αρχή_επανάληψης") << u"miArxn_epavalncns"_s << 0 << 0 << u"Αρχή_επανάληψης\r\n  \r\nμέχρις_ότου "_s << 19;
    QTest::newRow("Σταθερές") << u"miSta8eres"_s << 0 << 0 << u"Σταθερές\r\n   = "_s << 12;
    QTest::newRow("<--") << u"miAva8esnTimns"_s << 0 << 0 << u"←"_s << 1;
    QTest::newRow("div") << u"miAkeraiaDiairesn"_s << 0 << 0 << u"div "_s << 4;
    QTest::newRow("Α_Μ") << u"miAkeraioMeros"_s << 0 << 0 << u"Α_Μ()"_s << 4;
    QTest::newRow("Μεταβλητές") << u"miMetablntes"_s << 0 << 0 << u"Μεταβλητές\r\n  "_s << 14;
    // At column 4 of a line that starts 50 characters into the text.
    QTest::newRow("Όσο at column 4") << u"miOsoEpavalabe"_s << 4 << 54
                                     << u"Όσο  επανάλαβε\r\n      \r\n    τέλος_επανάληψης"_s << 58;
    QTest::newRow("<=") << u"miMikroteroHIso"_s << 0 << 0 << u"\u2264"_s << 1;
    QTest::newRow("Για") << u"miGiaApoMexri"_s << 2 << 7 << u"Για  από μέχρι \r\n    \r\n  τέλος_επανάληψης"_s << 11;
    QTest::newRow("no template text") << u"miTelos_programmatos"_s << 0 << 5 << u"τέλος_προγράμματος"_s << 23;
    // A description at the very start has no character before it to take along.
    QTest::newRow("brace first") << u"{σχόλιο}x"_s << 0 << 0 << u"x"_s << 1;
}

void TestProtupa::expansion()
{
    QFETCH(QString, stoixeio);
    QFETCH(int, stnln);
    QFETCH(int, thesn);
    QFETCH(QString, keimevo);
    QFETCH(int, stoxos);
    const TEpektasnProtupou e = EpektasnProtupou(Protupo(stoixeio), stnln, thesn);
    QCOMPARE(e.Keimevo, keimevo);
    QCOMPARE(e.Stoxos, stoxos);
}

void TestProtupa::insertion()
{
    TPara8uroEpe3ergasti p(u"Αρχή\r\n    x\r\nΤέλος_προγράμματος"_s);
    p.sxeKwdikas->setFocus();
    QTRY_VERIFY(p.sxeKwdikas->hasFocus());
    QSignalSpy allages(p.sxeKwdikas, &TSyntaxEdit::OnChange);
    p.sxeKwdikas->SetCaretXY({4, 1});
    QVERIFY(EisagwgnProtupou(*p.sxeKwdikas, u"Όσο | επανάλαβε…  …τέλος_επανάληψης"));
    QCOMPARE(p.sxeKwdikas->Lines(), (QStringList{u"Αρχή"_s, u"    Όσο  επανάλαβε"_s, u"      "_s, u"    τέλος_επανάληψηςx"_s,
                                                 u"Τέλος_προγράμματος"_s}));
    QCOMPARE(p.sxeKwdikas->CaretXY(), (TBufferCoord{8, 1}));
    QCOMPARE(allages.size(), 1);
    // One undo takes the whole insertion back.
    p.sxeKwdikas->Undo();
    QCOMPARE(p.sxeKwdikas->Text(), u"Αρχή\r\n    x\r\nΤέλος_προγράμματος\r\n"_s);

    // A selection, made either way, is replaced and the caret goes after the text.
    for (const auto& [apo, ews] : {std::pair{4, 6}, std::pair{6, 4}}) {
        p.sxeKwdikas->SetText(u"  α <= β\r\n"_s);
        p.sxeKwdikas->SetSelection(apo, ews);
        QVERIFY(EisagwgnProtupou(*p.sxeKwdikas, u"Α_Μ(|) {Ακέραιο μέρος}"));
        QCOMPARE(p.sxeKwdikas->Line(0), u"  α Α_Μ() β"_s);
        QCOMPARE(p.sxeKwdikas->CaretXY(), (TBufferCoord{8, 0}));
    }

    // A read-only editor takes nothing, though it has the focus.
    p.sxeKwdikas->SetOptions(p.sxeKwdikas->Options() | eoReadOnly);
    QVERIFY(!EisagwgnProtupou(*p.sxeKwdikas, u"Γράψε "));
    QCOMPARE(p.sxeKwdikas->Text(), u"  α Α_Μ() β\r\n"_s);
}

QTEST_MAIN(TestProtupa)
#include "tst_Protupa.moc"

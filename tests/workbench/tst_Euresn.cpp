// Find and replace: the dialogs as the user works them, and the searches TEuresn runs with them
// in the editor, F3 included. (The matching rules are tested on
// FindText, the editor's search and replace in the editor's tests.)
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "tests/workbench/Voithitika.h"
#include "workbench/uEuresn.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

namespace {

const QString Keimevo = u"α β αβ\r\nΑ α\r\nβ α\r\n"_s;

}  // namespace

class TestEuresn final : public QObject {
    Q_OBJECT
private slots:
    void findDialog();
    void selectionShownWhileADialogIsOpen();
    void searchesInTheEditor();
    void findNextRepeatsTheFindDialog();
    void replaceInTheEditor();
};

// Non-modal, searching down, with find next enabled by a text; once a search has been made its
// cancel button reads "Κλείσιμο"; Escape, that button and the close box close it, keeping its text.
void TestEuresn::findDialog()
{
    TfmEuresn d;
    QSignalSpy euresn(&d, &TfmAvazntnsn::Euresn);
    QSignalSpy kleisimo(&d, &TfmAvazntnsn::Kleisimo);
    d.show();
    QVERIFY(!d.isModal());
    QVERIFY(d.rbKatw->isChecked());
    QVERIFY(!d.btEuresnEpomevou->isEnabled());
    QTest::keyClicks(d.leKeimevo, u"x"_s);
    QVERIFY(d.btEuresnEpomevou->isEnabled());
    QCOMPARE(d.btAkuro->text(), u"Άκυρο"_s);
    QTest::keyClick(d.leKeimevo, Qt::Key_Return);  // Enter is find next
    QCOMPARE(euresn.size(), 1);
    QCOMPARE(d.btAkuro->text(), u"Κλείσιμο"_s);
    QTest::keyClick(d.leKeimevo, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(kleisimo.size(), 1);
    d.show();
    QCOMPARE(d.btAkuro->text(), u"Άκυρο"_s);
    QCOMPARE(d.Keimevo(), u"x"_s);
    d.btAkuro->click();
    QVERIFY(!d.isVisible());
    d.show();
    d.close();  // the close box
    QCOMPARE(kleisimo.size(), 3);
}

// Opening a dialog: its field takes a one-line selection, and the selection stays shown.
void TestEuresn::selectionShownWhileADialogIsOpen()
{
    TPara8uroEpe3ergasti p(Keimevo);
    p.sxeKwdikas->SetOptions(p.sxeKwdikas->Options() | eoHideSelection);
    TEuresn e(*p.sxeKwdikas, &p.para8uro);
    const auto krubei = [&] { return bool(p.sxeKwdikas->Options() & eoHideSelection); };
    e.fndDialogosEuresns().SetKeimevo(u"παλιό"_s);
    p.sxeKwdikas->SetSelection(2, 6);
    e.EmfaniseEuresn();
    QCOMPARE(e.fndDialogosEuresns().leKeimevo->selectedText(), u"β αβ"_s);
    QVERIFY(!krubei());
    e.fndDialogosEuresns().close();
    // A selection over several lines is no search text: the field keeps its own.
    p.sxeKwdikas->SetSelection(2, 10);
    e.EmfaniseEuresn();
    QCOMPARE(e.fndDialogosEuresns().Keimevo(), u"β αβ"_s);
    e.EmfaniseAvtikatastasn();
    e.fndDialogosEuresns().close();
    QVERIFY(!krubei());  // the replace dialog is still open
    e.rpdDialogosAvtikatastasns().close();
    QVERIFY(krubei());
    // An editor that never hid its selection is left that way.
    p.sxeKwdikas->SetOptions(p.sxeKwdikas->Options() & ~TEditorOptions(eoHideSelection));
    e.EmfaniseEuresn();
    e.fndDialogosEuresns().close();
    QVERIFY(!krubei());
}

void TestEuresn::searchesInTheEditor()
{
    TPara8uroEpe3ergasti p(Keimevo);
    TEuresn e(*p.sxeKwdikas, &p.para8uro);
    QSignalSpy f3(&e, &TEuresn::EpomevoEpitrepetaiAllakse);
    QVERIFY(!e.EpomevoEpitrepetai());
    QVERIFY(!e.EuresnEpomevou());  // F3 does nothing before the first search
    QVERIFY(!p.sxeKwdikas->SelAvail());

    e.EmfaniseEuresn();
    TfmEuresn& d = e.fndDialogosEuresns();
    d.SetKeimevo(u"α"_s);
    d.chbOlokliresLe3eis->click();
    d.btEuresnEpomevou->click();
    QVERIFY(e.EpomevoEpitrepetai());
    QCOMPARE(f3.size(), 1);
    QCOMPARE(p.sxeKwdikas->SelStart(), 0);
    d.btEuresnEpomevou->click();  // "αβ" is no whole word; the "Α" of line 2 is one
    QCOMPARE(p.sxeKwdikas->SelStart(), 8);
    d.chbTairiasmaPezwvKefalaiwv->click();
    d.btEuresnEpomevou->click();
    QCOMPARE(p.sxeKwdikas->SelStart(), 10);

    // Upwards from the caret, past the start: nothing found, nothing changed, nothing said.
    p.sxeKwdikas->SetCaretXY({0, 0});
    d.SetKeimevo(u"β"_s);
    d.rbPanw->click();
    d.btEuresnEpomevou->click();
    QVERIFY(!p.sxeKwdikas->SelAvail());
    QCOMPARE(p.sxeKwdikas->CaretXY(), (TBufferCoord{0, 0}));
    QVERIFY(d.isVisible());
}

void TestEuresn::findNextRepeatsTheFindDialog()
{
    TPara8uroEpe3ergasti p(Keimevo);
    TEuresn e(*p.sxeKwdikas, &p.para8uro);
    TfmEuresn& euresn = e.fndDialogosEuresns();
    TfmAvtikatastasn& avtikatastasn = e.rpdDialogosAvtikatastasns();
    e.EmfaniseEuresn();
    euresn.SetKeimevo(u"β"_s);
    euresn.btEuresnEpomevou->click();
    QCOMPARE(p.sxeKwdikas->SelStart(), 2);
    euresn.close();

    // A search from the replace dialog enables F3, but F3 keeps to the find dialog's text...
    p.sxeKwdikas->SetCaretXY({0, 0});
    e.EmfaniseAvtikatastasn();
    QCOMPARE(avtikatastasn.Keimevo(), u"β"_s);  // taken from the find dialog
    avtikatastasn.SetKeimevo(u"Α"_s);
    avtikatastasn.btEuresnEpomevou->click();
    QCOMPARE(p.sxeKwdikas->SelStart(), 0);
    avtikatastasn.close();
    QVERIFY(e.EuresnEpomevou());
    QCOMPARE(p.sxeKwdikas->SelStart(), 2);
    QVERIFY(e.EuresnEpomevou());
    QCOMPARE(p.sxeKwdikas->SelStart(), 5);
    // ...and to its current choices: whole words only now.
    euresn.chbOlokliresLe3eis->setChecked(true);
    QVERIFY(e.EuresnEpomevou());
    QCOMPARE(p.sxeKwdikas->SelStart(), 13);
    QVERIFY(!e.EuresnEpomevou());
    QCOMPARE(p.sxeKwdikas->SelStart(), 13);

    // With nothing in the find dialog, F3 repeats the replace dialog's search without replacing.
    TPara8uroEpe3ergasti q(Keimevo);
    TEuresn r(*q.sxeKwdikas, &q.para8uro);
    r.EmfaniseAvtikatastasn();
    r.rpdDialogosAvtikatastasns().SetKeimevo(u"α"_s);
    r.rpdDialogosAvtikatastasns().SetKeimevoAvtikatastasns(u"Ω"_s);
    r.rpdDialogosAvtikatastasns().btEuresnEpomevou->click();
    QVERIFY(r.EuresnEpomevou());
    QCOMPARE(q.sxeKwdikas->SelStart(), 4);
    QCOMPARE(q.sxeKwdikas->Text(), Keimevo);
}

// Replace leaves the next match selected, ready for the next; replace all goes from the caret to
// the end; Enter in the replace field is find next.
void TestEuresn::replaceInTheEditor()
{
    TPara8uroEpe3ergasti p(Keimevo);
    TEuresn e(*p.sxeKwdikas, &p.para8uro);
    e.EmfaniseAvtikatastasn();
    TfmAvtikatastasn& d = e.rpdDialogosAvtikatastasns();
    for (QPushButton* b : {d.btEuresnEpomevou, d.btAvtikatastasn, d.btAvtikatastasnOlwv})
        QVERIFY(!b->isEnabled());
    d.SetKeimevo(u"α"_s);
    d.SetKeimevoAvtikatastasns(u"ω"_s);
    d.chbTairiasmaPezwvKefalaiwv->click();
    QTest::keyClick(d.leAvtikatastasn, Qt::Key_Return);
    QCOMPARE(p.sxeKwdikas->SelStart(), 0);
    d.btAvtikatastasn->click();
    QCOMPARE(p.sxeKwdikas->Line(0), u"ω β αβ"_s);
    QCOMPARE(p.sxeKwdikas->SelStart(), 4);
    d.btAvtikatastasn->click();
    QCOMPARE(p.sxeKwdikas->Line(0), u"ω β ωβ"_s);
    QCOMPARE(p.sxeKwdikas->SelStart(), 10);  // "Α" differs in case
    d.chbOlokliresLe3eis->click();
    d.btAvtikatastasnOlwv->click();
    QCOMPARE(p.sxeKwdikas->Text(), u"ω β ωβ\r\nΑ ω\r\nβ ω\r\n"_s);
    // Whole words from the start: "ωβ" is left alone.
    p.sxeKwdikas->SetCaretXY({0, 0});
    d.SetKeimevo(u"ω"_s);
    d.SetKeimevoAvtikatastasns(u"ψ"_s);
    d.btAvtikatastasnOlwv->click();
    QCOMPARE(p.sxeKwdikas->Text(), u"ψ β ωβ\r\nΑ ψ\r\nβ ψ\r\n"_s);
}

QTEST_MAIN(TestEuresn)
#include "tst_Euresn.moc"

// Find and replace: the options passed to the editor, the two dialogs as the user works them,
// and the searches they run in the editor, F3 included.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "editor/SyntaxEditor.h"
#include "workbench/uEuresn.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kalmira::TSearchOptions)

namespace {

// Collects the requests a dialog's signal carries.
struct TAitnseis {
    QList<TAitnsnEuresns> lista;
    template <typename Dialogos, typename Snma>
    TAitnseis(Dialogos* d, Snma snma)
    {
        QObject::connect(d, snma, d, [this](const TAitnsnEuresns& a) { lista += a; });
    }
};

// A window with the source editor and a second control, as the find dialogs see it.
struct TPara8uro {
    QWidget para8uro;
    TSyntaxEdit* sxeKwdikas = new TSyntaxEdit(&para8uro);
    QLineEdit* allo = new QLineEdit(&para8uro);

    TPara8uro()
    {
        auto* diata3n = new QVBoxLayout(&para8uro);
        diata3n->addWidget(sxeKwdikas);
        diata3n->addWidget(allo);
        sxeKwdikas->SetOptions(sxeKwdikas->Options() | eoHideSelection);
        sxeKwdikas->SetText(u"α β αβ\r\nΑ α\r\nβ α\r\n"_s);
        para8uro.show();
    }
    QString Epilogn() const { return sxeKwdikas->SelText(); }
};

}  // namespace

class TestEuresn final : public QObject {
    Q_OBJECT
private slots:
    void options_data();
    void options();
    void findDialog();
    void replaceDialog();
    void cancelBecomesCloseAndEscapeCloses();
    void selectionShownWhileADialogIsOpen();
    void searchesInTheEditor();
    void findNextRepeatsTheFindDialog();
    void replaceLeavesTheNextMatchSelected();
    void fieldStartsWithTheSelection();
};

void TestEuresn::options_data()
{
    QTest::addColumn<bool>("olokliro");
    QTest::addColumn<bool>("pezaKefalaia");
    QTest::addColumn<bool>("katw");
    QTest::addColumn<int>("evergeia");
    QTest::addColumn<TSearchOptions>("anamevomeno");

    QTest::newRow("down, nothing ticked") << false << false << true << int(eeEuresnEpomevou) << TSearchOptions();
    QTest::newRow("all, up") << true << true << false << int(eeEuresnEpomevou)
                             << (ssoBackwards | ssoMatchCase | ssoWholeWord);
    QTest::newRow("replace") << false << true << true << int(eeAvtikatastasn) << (ssoMatchCase | ssoReplace);
    QTest::newRow("replace all") << true << false << true << int(eeAvtikatastasnOlwv) << (ssoWholeWord | ssoReplaceAll);
}

void TestEuresn::options()
{
    QFETCH(bool, olokliro);
    QFETCH(bool, pezaKefalaia);
    QFETCH(bool, katw);
    QFETCH(int, evergeia);
    QFETCH(TSearchOptions, anamevomeno);
    QCOMPARE(EpilogesAvazntnsns({olokliro, pezaKefalaia, katw}, static_cast<TEvergeiaEuresns>(evergeia)), anamevomeno);
}

void TestEuresn::findDialog()
{
    TfmEuresn d;
    TAitnseis euresn(&d, &TfmAvazntnsn::Euresn);
    d.show();
    QCOMPARE(d.windowTitle(), u"Εύρεση"_s);
    QVERIFY(!d.isModal());
    QVERIFY(d.rbKatw->isChecked());
    QVERIFY(!d.btEuresnEpomevou->isEnabled());  // nothing to look for yet

    QTest::keyClicks(d.leKeimevo, u"abc"_s);
    QVERIFY(d.btEuresnEpomevou->isEnabled());
    QTest::keyClick(d.leKeimevo, Qt::Key_Return);  // Enter is find next
    d.chbOlokliresLe3eis->click();
    d.rbPanw->click();
    d.btEuresnEpomevou->click();
    d.chbTairiasmaPezwvKefalaiwv->click();
    d.chbOlokliresLe3eis->click();
    d.btEuresnEpomevou->click();
    QCOMPARE(euresn.lista.size(), 3);
    QCOMPARE(euresn.lista[0].Keimevo, u"abc"_s);
    QCOMPARE(euresn.lista[0].Avtikatastasn, QString());
    QCOMPARE(euresn.lista[0].Epiloges, TSearchOptions());
    QCOMPARE(euresn.lista[1].Epiloges, ssoWholeWord | ssoBackwards);
    QCOMPARE(euresn.lista[2].Epiloges, ssoMatchCase | ssoBackwards);

    QCOMPARE(d.Epiloges(), (TEpilogesEuresns{false, true, false}));
}

void TestEuresn::replaceDialog()
{
    TfmAvtikatastasn d;
    TAitnseis euresn(&d, &TfmAvazntnsn::Euresn);
    TAitnseis avtikatastasn(&d, &TfmAvtikatastasn::Avtikatastasn);
    TAitnseis olwv(&d, &TfmAvtikatastasn::AvtikatastasnOlwv);
    d.show();
    QCOMPARE(d.windowTitle(), u"Αντικατάσταση"_s);
    for (QPushButton* b : {d.btEuresnEpomevou, d.btAvtikatastasn, d.btAvtikatastasnOlwv})
        QVERIFY(!b->isEnabled());
    d.SetKeimevo(u"α"_s);
    d.SetKeimevoAvtikatastasns(u"β"_s);
    for (QPushButton* b : {d.btEuresnEpomevou, d.btAvtikatastasn, d.btAvtikatastasnOlwv})
        QVERIFY(b->isEnabled());
    d.chbTairiasmaPezwvKefalaiwv->click();
    d.btEuresnEpomevou->click();
    d.btAvtikatastasn->click();
    d.chbOlokliresLe3eis->click();
    d.btAvtikatastasnOlwv->click();
    QTest::keyClick(d.leAvtikatastasn, Qt::Key_Return);  // Enter in either field is find next

    QCOMPARE(euresn.lista.size(), 2);
    QCOMPARE(euresn.lista[0].Epiloges, TSearchOptions(ssoMatchCase));
    QCOMPARE(euresn.lista[1].Epiloges, ssoMatchCase | ssoWholeWord);
    QCOMPARE(avtikatastasn.lista.size(), 1);
    QCOMPARE(avtikatastasn.lista[0].Keimevo, u"α"_s);
    QCOMPARE(avtikatastasn.lista[0].Avtikatastasn, u"β"_s);
    QCOMPARE(avtikatastasn.lista[0].Epiloges, ssoMatchCase | ssoReplace);
    QCOMPARE(olwv.lista.size(), 1);
    QCOMPARE(olwv.lista[0].Epiloges, ssoMatchCase | ssoWholeWord | ssoReplaceAll);
}

void TestEuresn::cancelBecomesCloseAndEscapeCloses()
{
    TfmEuresn d;
    QSignalSpy emfanisn(&d, &TfmAvazntnsn::Emfanisn);
    QSignalSpy kleisimo(&d, &TfmAvazntnsn::Kleisimo);
    d.SetKeimevo(u"x"_s);
    d.show();
    QCOMPARE(emfanisn.size(), 1);
    QCOMPARE(d.btAkuro->text(), u"Άκυρο"_s);
    d.btEuresnEpomevou->click();
    QCOMPARE(d.btAkuro->text(), u"Κλείσιμο"_s);
    QTest::keyClick(d.leKeimevo, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(kleisimo.size(), 1);

    d.show();
    QCOMPARE(emfanisn.size(), 2);
    QCOMPARE(d.btAkuro->text(), u"Άκυρο"_s);
    QCOMPARE(d.Keimevo(), u"x"_s);  // the text stays between showings
    d.btAkuro->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(kleisimo.size(), 2);
    d.show();
    d.close();  // the close box
    QCOMPARE(kleisimo.size(), 3);
}

void TestEuresn::selectionShownWhileADialogIsOpen()
{
    TPara8uro p;
    TEuresn e(*p.sxeKwdikas, &p.para8uro);
    const auto krubei = [&] { return bool(p.sxeKwdikas->Options() & eoHideSelection); };
    QVERIFY(krubei());
    e.EmfaniseEuresn();
    QVERIFY(!krubei());
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
    TPara8uro p;
    TEuresn e(*p.sxeKwdikas, &p.para8uro);
    QSignalSpy f3(&e, &TEuresn::EpomevoEpitrepetaiAllakse);
    QVERIFY(!e.EpomevoEpitrepetai());
    p.sxeKwdikas->SetCaretXY({0, 0});
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
    QCOMPARE(p.Epilogn(), u"Α"_s);
    d.chbTairiasmaPezwvKefalaiwv->click();
    d.btEuresnEpomevou->click();
    QCOMPARE(p.sxeKwdikas->SelStart(), 10);
    QCOMPARE(f3.size(), 1);

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
    TPara8uro p;
    TEuresn e(*p.sxeKwdikas, &p.para8uro);
    e.EmfaniseEuresn();
    e.fndDialogosEuresns().SetKeimevo(u"β"_s);
    e.fndDialogosEuresns().btEuresnEpomevou->click();
    QCOMPARE(p.sxeKwdikas->SelStart(), 2);
    e.fndDialogosEuresns().close();

    // A search from the replace dialog enables F3, but F3 keeps to the find dialog's text.
    p.sxeKwdikas->SetCaretXY({0, 0});
    e.EmfaniseAvtikatastasn();
    QCOMPARE(e.rpdDialogosAvtikatastasns().Keimevo(), u"β"_s);  // taken from the find dialog
    e.rpdDialogosAvtikatastasns().SetKeimevo(u"Α"_s);
    e.rpdDialogosAvtikatastasns().btEuresnEpomevou->click();
    QCOMPARE(p.sxeKwdikas->SelStart(), 0);
    e.rpdDialogosAvtikatastasns().close();
    QVERIFY(e.EuresnEpomevou());
    QCOMPARE(p.sxeKwdikas->SelStart(), 2);
    QCOMPARE(p.Epilogn(), u"β"_s);
    QVERIFY(e.EuresnEpomevou());
    QCOMPARE(p.sxeKwdikas->SelStart(), 5);
    // ...with the find dialog's current choices: whole words only now.
    e.fndDialogosEuresns().chbOlokliresLe3eis->setChecked(true);
    QVERIFY(e.EuresnEpomevou());
    QCOMPARE(p.sxeKwdikas->SelStart(), 13);
    QVERIFY(!e.EuresnEpomevou());
    QCOMPARE(p.sxeKwdikas->SelStart(), 13);

    // With nothing in the find dialog, F3 repeats the replace dialog's search without replacing.
    TPara8uro q;
    TEuresn r(*q.sxeKwdikas, &q.para8uro);
    r.EmfaniseAvtikatastasn();
    r.rpdDialogosAvtikatastasns().SetKeimevo(u"α"_s);
    r.rpdDialogosAvtikatastasns().SetKeimevoAvtikatastasns(u"Ω"_s);
    r.rpdDialogosAvtikatastasns().btEuresnEpomevou->click();
    QCOMPARE(q.sxeKwdikas->SelStart(), 0);
    QVERIFY(r.EuresnEpomevou());
    QCOMPARE(q.sxeKwdikas->SelStart(), 4);
    QCOMPARE(q.sxeKwdikas->Text(), u"α β αβ\r\nΑ α\r\nβ α\r\n"_s);
}

void TestEuresn::replaceLeavesTheNextMatchSelected()
{
    TPara8uro p;
    TEuresn e(*p.sxeKwdikas, &p.para8uro);
    e.EmfaniseAvtikatastasn();
    TfmAvtikatastasn& d = e.rpdDialogosAvtikatastasns();
    d.SetKeimevo(u"α"_s);
    d.SetKeimevoAvtikatastasns(u"ω"_s);
    d.chbTairiasmaPezwvKefalaiwv->click();
    p.sxeKwdikas->SetCaretXY({0, 0});
    d.btEuresnEpomevou->click();
    QCOMPARE(p.sxeKwdikas->SelStart(), 0);
    d.btAvtikatastasn->click();
    QCOMPARE(p.sxeKwdikas->Line(0), u"ω β αβ"_s);
    QCOMPARE(p.sxeKwdikas->SelStart(), 4);  // the next "α", ready for the next Replace
    QCOMPARE(p.Epilogn(), u"α"_s);
    d.btAvtikatastasn->click();
    QCOMPARE(p.sxeKwdikas->Line(0), u"ω β ωβ"_s);
    QCOMPARE(p.sxeKwdikas->SelStart(), 10);  // "Α" differs in case

    // Replace all goes from the caret to the end.
    d.btAvtikatastasnOlwv->click();
    QCOMPARE(p.sxeKwdikas->Text(), u"ω β ωβ\r\nΑ ω\r\nβ ω\r\n"_s);
    QVERIFY(p.sxeKwdikas->Modified());
    p.sxeKwdikas->Undo();
    QCOMPARE(p.sxeKwdikas->Text(), u"ω β ωβ\r\nΑ α\r\nβ α\r\n"_s);
}

void TestEuresn::fieldStartsWithTheSelection()
{
    TPara8uro p;
    TEuresn e(*p.sxeKwdikas, &p.para8uro);
    e.fndDialogosEuresns().SetKeimevo(u"παλιό"_s);
    p.sxeKwdikas->SetSelection(2, 6);
    e.EmfaniseEuresn();
    QCOMPARE(e.fndDialogosEuresns().Keimevo(), u"β αβ"_s);
    QCOMPARE(e.fndDialogosEuresns().leKeimevo->selectedText(), u"β αβ"_s);
    e.fndDialogosEuresns().close();
    // A selection over several lines is no search text: the field keeps its own.
    p.sxeKwdikas->SetSelection(2, 10);
    e.EmfaniseEuresn();
    QCOMPARE(e.fndDialogosEuresns().Keimevo(), u"β αβ"_s);
}

QTEST_MAIN(TestEuresn)
#include "tst_Euresn.moc"

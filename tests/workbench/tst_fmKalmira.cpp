// The main window driven as a pupil drives it: through its keys, menus and dialogs.
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>

#include "core/uTupoiDedomevwv.h"
#include "settings/uEpiloges.h"
#include "tests/workbench/Voithitika.h"
#include "workbench/uEisodosXrnstn.h"
#include "workbench/uRu8miseis.h"

using namespace kalmira;

class tst_fmKalmira final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void Ekkinnsn();
    void EktelesnKalwsorismatos();
    void BnmatiknEktelesnMexriToTelos();
    void PausnMeEscKaiSuvexeiaMeF9();
    void SfalmaEktelesnsKaiMetakinnsnDromea();
    void AllagnKwdikaMetaTnvEktelesn();
    void MnvumaEkatommuriou();
    void EisodosDedomevwv();
    void EisodosTermatismosKaiPausn();
    void EisodosXwrisElegxo();
    void La8osMetaglwttisns();
    void KavovikopoinsnTelestwv();
    void MetaglwttisnKaiDnmiourgiaKataTnvEktelesn();
    void KleisimoKataTnvEktelesnKaiStnvEisodo();
    void GrammnKatastasns();
    void ListaMetablntwv();
    void Epiloges();

private:
    QString Katastasn() const { return p->sbPanel[3]->text(); }
    QStringList O8ovn() const { return p->seO8ovnXrnstn->Lines(); }
    void Keimevo(const QString& keimevo) { p->sxeKwdikas->SetText(keimevo); }
    void Plnktro(int plnktro, Qt::KeyboardModifiers m = Qt::NoModifier) { kalmira::Plnktro(*p, plnktro, m); }

    QTemporaryDir apo8nkn;
    std::unique_ptr<TfmKalmira> p;
};

void tst_fmKalmira::init()
{
    p = NeoPara8uro(apo8nkn);
}

void tst_fmKalmira::cleanup()
{
    p.reset();
    QCOMPARE(AnapavtnteesApavtnseis(), 0);
    PlnrnsApotimnsn = false;
}

void tst_fmKalmira::Ekkinnsn()
{
    QCOMPARE(p->windowTitle(), QStringLiteral("Ανώνυμο Πρόγραμμα - Διερμηνευτής της Καλμίρας"));
    QCOMPARE(p->sxeKwdikas->LineCount(), 14);
    QCOMPARE(p->sxeKwdikas->Line(12), QStringLiteral("  Γράψε 'Γεια σου κόσμε'"));
    QVERIFY(!p->sxeKwdikas->Modified());
    QCOMPARE(p->sbPanel[0]->text(), QStringLiteral("1:1"));
    QCOMPARE(p->sbPanel[1]->text(), QStringLiteral("Αποθηκευμένο"));
    QCOMPARE(p->sbPanel[2]->text(), QStringLiteral("ΕΙΣ"));
    QVERIFY(p->miEktelesn->isVisible());
    QVERIFY(!p->miPausnEktelesns->isVisible());
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());
    for (QAction* a : {p->miApo8nkeusn, p->miEktupwsn, p->miProepiskopnsnEktupwsns, p->miEktelesnWsTnGrammn,
                       p->miEisagwgnSnmeiouDiakopns, p->miEisagwgnEkfrasns, p->miEuresnEpomevou})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    QCOMPARE(p->pcXeiristnrioSelidwv->tabText(0), QStringLiteral("Οθόνη &χρήστη"));
    QCOMPARE(p->pcXeiristnrioSelidwv->tabText(1), QStringLiteral("&Παρακολούθηση μεταβλητών"));
    QCOMPARE(p->vleParakolou8nsnMetablntwv->horizontalHeaderItem(0)->text(), QStringLiteral("Μεταβλητή"));
    QCOMPARE(p->vleParakolou8nsnMetablntwv->horizontalHeaderItem(1)->text(), QStringLiteral("Τιμή"));
    // The tool bar: each button is its menu item, in the fixed order.
    QStringList koumpia;
    for (QAction* a : p->tbrGrammnErgaleiwv->actions())
        koumpia << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    QCOMPARE(koumpia.join(u' '),
             QStringLiteral("miDnmiourgia miAvoigma tbApo8nkeusn | miEktupwsn | miAvairesn | miApokopn miAvtigrafn "
                            "miEpikollnsn | miEpiloges | miMetaglwttisn | miEktelesn miPausnEktelesns "
                            "miBnmatiknEktelesn miTermatismosEktelesns | miToEgxeiridioTnsKalmiras "
                            "miSxetikaMeToProgramma"));
    QCOMPARE(p->miMetaglwttisn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F9));
    QCOMPARE(p->miTermatismosEktelesns->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F2));
    QCOMPARE(p->miEpiloges->shortcut(), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F11));
}

void tst_fmKalmira::EktelesnKalwsorismatos()
{
    Plnktro(Qt::Key_F9);
    QCOMPARE(O8ovn(), QStringList{QStringLiteral("Γεια σου κόσμε")});
    QCOMPARE(Katastasn(), QStringLiteral("Η εκτέλεση του προγράμματος τελείωσε"));
    // The welcome program is already in its canonical layout.
    QCOMPARE(p->sbPanel[1]->text(), QStringLiteral("Αποθηκευμένο"));
    QCOMPARE(p->Katastasn(), keTelos);
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());
    QCOMPARE(p->sxeKwdikas->MarkLine(), -1);
}

void tst_fmKalmira::BnmatiknEktelesnMexriToTelos()
{
    Plnktro(Qt::Key_F8);
    QCOMPARE(Katastasn(), QStringLiteral("Το πρόγραμμα εκτελείται βηματικά"));
    QCOMPARE(p->sxeKwdikas->MarkLine(), 12);
    QVERIFY(p->miTermatismosEktelesns->isEnabled());
    Plnktro(Qt::Key_F8);
    QCOMPARE(Katastasn(), QStringLiteral("Η γραμμή 13 εκτελέστηκε βηματικά"));
    QCOMPARE(p->sxeKwdikas->MarkLine(), 13);
    QCOMPARE(O8ovn(), QStringList{QStringLiteral("Γεια σου κόσμε")});
    Plnktro(Qt::Key_F8);
    QCOMPARE(Katastasn(), QStringLiteral("Η γραμμή 14 εκτελέστηκε βηματικά"));
    QCOMPARE(p->sxeKwdikas->MarkLine(), -1);
    QCOMPARE(p->Katastasn(), keBnmatikn);
    // The next step starts over; the old output stays.
    Plnktro(Qt::Key_F8);
    Plnktro(Qt::Key_F8);
    QCOMPARE(O8ovn(), (QStringList{QStringLiteral("Γεια σου κόσμε"), QStringLiteral("Γεια σου κόσμε")}));
}

void tst_fmKalmira::PausnMeEscKaiSuvexeiaMeF9()
{
    Keimevo(Programma(AtermovosVroxos, {QStringLiteral("ακέραιες: i")}));
    bool pausnOratn = false;
    QString kataTnvEktelesn;
    MetaToEkatommurio([&] {
        pausnOratn = p->miPausnEktelesns->isVisible() && !p->miEktelesn->isVisible();
        kataTnvEktelesn = Katastasn();
        Plnktro(Qt::Key_Escape);
    });
    Plnktro(Qt::Key_F9);
    QVERIFY(pausnOratn);
    QCOMPARE(kataTnvEktelesn, QStringLiteral("Το πρόγραμμα εκτελείται, πατείστε [Esc] για παύση"));
    QCOMPARE(p->Katastasn(), keBnmatikn);
    QVERIFY(Katastasn().endsWith(QStringLiteral(" εκτελέστηκε βηματικά")));
    const int snmadi = p->sxeKwdikas->MarkLine();
    QVERIFY(snmadi >= 5 && snmadi <= 7);
    QVERIFY(p->miEktelesn->isVisible());
    const qlonglong prwta = p->vleParakolou8nsnMetablntwv->item(0, 1)->text().toLongLong();
    QVERIFY(prwta > 0);
    // F9 goes on without resetting; Ctrl+F2 then terminates.
    MetaToEkatommurio([this] { Plnktro(Qt::Key_F2, Qt::ControlModifier); });
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"));
    QVERIFY(p->vleParakolou8nsnMetablntwv->item(0, 1)->text().toLongLong() > prwta);
    QCOMPARE(p->sxeKwdikas->MarkLine(), -1);
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());
}

void tst_fmKalmira::SfalmaEktelesnsKaiMetakinnsnDromea()
{
    Keimevo(Programma({QStringLiteral("Γράψε 'πριν'"), QStringLiteral("α ← 1 div 0")}, {QStringLiteral("ακέραιες: α")}));
    Plnktro(Qt::Key_F9);
    QCOMPARE(O8ovn().value(0), QStringLiteral("πριν"));
    QCOMPARE(O8ovn().value(1), QStringLiteral("Σφάλμα εκτέλεσης!"));
    QCOMPARE(O8ovn().size(), 3);
    QCOMPARE(Katastasn(), QStringLiteral("Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε"));
    QCOMPARE(p->sxeKwdikas->MarkLine(), 5);
    QCOMPARE(p->pcXeiristnrioSelidwv->currentWidget(), p->tsO8ovnXrnstn);
    Plnktro(Qt::Key_Down);
    QCOMPARE(p->sxeKwdikas->MarkLine(), -1);
}

void tst_fmKalmira::AllagnKwdikaMetaTnvEktelesn()
{
    Plnktro(Qt::Key_F9);
    QVERIFY(p->ElegxosEktelesns().Programma());
    Plnktro(Qt::Key_Space);
    QCOMPARE(Katastasn(), QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε λόγω αλλαγής του κώδικα"));
    QCOMPARE(p->sbPanel[1]->text(), QStringLiteral("Τροποποιημένο"));
    QVERIFY(!p->ElegxosEktelesns().Programma());
    QCOMPARE(p->Katastasn(), keAdraveia);
    // The next F9 compiles again.
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), QStringLiteral("Η εκτέλεση του προγράμματος τελείωσε"));
}

void tst_fmKalmira::MnvumaEkatommuriou()
{
    Keimevo(Programma({QStringLiteral("i ← 0"), QStringLiteral("Όσο i < 1000000 επανάλαβε"), QStringLiteral("  i ← i + 1"),
                       QStringLiteral("Τέλος_επανάληψης")},
                      {QStringLiteral("ακέραιες: i")}));
    int fores = 0;
    OtavEmfanistei<QMessageBox>([&](QMessageBox& m) {
        ++fores;
        QCOMPARE(m.windowTitle(), QStringLiteral("Διερμηνευτής της Καλμίρας"));
        QCOMPARE(m.text(), QStringLiteral("Αυτό το πρόγραμμα έχει ήδη εκτελέσει 1.000.000 εντολές. \r\n"
                                          "Αν νομίζετε ότι βρίσκεται σε ατέρμονα βρόγχο, μετά το\r\n"
                                          "κλείσιμο του διαλόγου πατήστε [Esc] ή \"Παύση εκτέλεσης\"\r\n"
                                          "για να διακόψετε την εκτέλεσή του"));
        m.button(QMessageBox::Ok)->click();
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(fores, 1);
    QCOMPARE(Katastasn(), QStringLiteral("Η εκτέλεση του προγράμματος τελείωσε"));
    QCOMPARE(p->vleParakolou8nsnMetablntwv->item(0, 1)->text(), QStringLiteral("1000000"));
}

void tst_fmKalmira::EisodosDedomevwv()
{
    Keimevo(Programma({QStringLiteral("Διάβασε x"), QStringLiteral("Γράψε x * 2")}, {QStringLiteral("πραγματικές: x")}));
    OtavEmfanistei<TfmEisodosXrnstn>([](TfmEisodosXrnstn& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Καλμίρα - Είσοδος δεδομένων"));
        QCOMPARE(d.lblEisagwgnDedomevwv->text(), QStringLiteral("Διάβασμα της πραγματικής μεταβλητής «x»: "));
        QTest::keyClicks(d.leEisagwgnDedomevwv, QStringLiteral("3.5"));
        QCOMPARE(d.leEisagwgnDedomevwv->text(), QStringLiteral("3,5"));
        QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_Return);
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(O8ovn().value(0), QStringLiteral("3,5"));
    QCOMPARE(O8ovn().value(1), QString(QStringLiteral("7")));
    QCOMPARE(Katastasn(), QStringLiteral("Η εκτέλεση του προγράμματος τελείωσε"));
}

void tst_fmKalmira::EisodosTermatismosKaiPausn()
{
    Keimevo(Programma({QStringLiteral("Διάβασε α"), QStringLiteral("Γράψε α")}, {QStringLiteral("ακέραιες: α")}));
    OtavEmfanistei<TfmEisodosXrnstn>([](TfmEisodosXrnstn& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"));
    QVERIFY(O8ovn().isEmpty());
    QCOMPARE(p->Katastasn(), keTelos);

    // The field keeps the last input, selected; the pause box stops the run after the read.
    OtavEmfanistei<TfmEisodosXrnstn>([](TfmEisodosXrnstn& d) {
        QTest::keyClicks(d.leEisagwgnDedomevwv, QStringLiteral("12"));
        d.chbPausnEktelesns->setChecked(true);
        d.btEisagwgn->click();
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(p->Katastasn(), keBnmatikn);
    QCOMPARE(Katastasn(), QStringLiteral("Η γραμμή 5 εκτελέστηκε βηματικά"));
    QCOMPARE(p->sxeKwdikas->MarkLine(), 5);
    QCOMPARE(O8ovn(), QStringList{QStringLiteral("12")});
    Plnktro(Qt::Key_F9);
    QCOMPARE(O8ovn(), (QStringList{QStringLiteral("12"), QStringLiteral("12")}));
}

void tst_fmKalmira::EisodosXwrisElegxo()
{
    // Key checking off in the options: a letter gets into an integer read and the read fails.
    OtavEmfanistei<TfmEpiloges>([](TfmEpiloges& d) {
        d.findChild<QCheckBox*>(QStringLiteral("chbElegxosEisodou"))->setChecked(false);
        d.accept();
    });
    p->miEpiloges->trigger();
    Keimevo(Programma({QStringLiteral("Διάβασε α")}, {QStringLiteral("ακέραιες: α")}));
    OtavEmfanistei<TfmEisodosXrnstn>([](TfmEisodosXrnstn& d) {
        d.leEisagwgnDedomevwv->clear();
        QTest::keyClicks(d.leEisagwgnDedomevwv, QStringLiteral("1a"));
        QCOMPARE(d.leEisagwgnDedomevwv->text(), QStringLiteral("1a"));
        d.btEisagwgn->click();
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), QStringLiteral("Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε"));
    QCOMPARE(O8ovn().value(1), QStringLiteral("Σφάλμα εκτέλεσης!"));
}

void tst_fmKalmira::La8osMetaglwttisns()
{
    Keimevo(Programma({QStringLiteral("Γράψε 1"), QStringLiteral("x ← 1")}));
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), QStringLiteral("Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος"));
    QCOMPARE(O8ovn(), QStringList{QStringLiteral("Άγνωστο αναγνωριστικό: «x»")});
    QCOMPARE(p->sxeKwdikas->MarkLine(), 3);
    QCOMPARE(p->sxeKwdikas->CaretXY().Line, 3);
    QVERIFY(!p->ElegxosEktelesns().Programma());
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());
    QCOMPARE(p->Katastasn(), keAdraveia);
}

void tst_fmKalmira::KavovikopoinsnTelestwv()
{
    Keimevo(Programma({QStringLiteral("α <-- 1"), QStringLiteral("Αν α <= 2 τότε"), QStringLiteral("Γράψε α"),
                       QStringLiteral("Τέλος_αν")},
                      {QStringLiteral("ακέραιες: α")}));
    Plnktro(Qt::Key_F9, Qt::ControlModifier);
    QCOMPARE(Katastasn(), QStringLiteral("Επιτυχής μεταγλώττιση"));
    QCOMPARE(p->sxeKwdikas->Line(4), QStringLiteral("  α ← 1"));
    QCOMPARE(p->sxeKwdikas->Line(5), QStringLiteral("  Αν α ≤ 2 τότε"));
    QCOMPARE(p->sxeKwdikas->Line(6), QStringLiteral("    Γράψε α"));
    QVERIFY(p->sxeKwdikas->Modified());
    QCOMPARE(p->sbPanel[1]->text(), QStringLiteral("Τροποποιημένο"));
    // A compile is not an edit: the program stays compiled.
    QVERIFY(p->ElegxosEktelesns().Programma());
}

void tst_fmKalmira::MetaglwttisnKaiDnmiourgiaKataTnvEktelesn()
{
    Keimevo(Programma(AtermovosVroxos, {QStringLiteral("ακέραιες: i")}));
    MetaToEkatommurio([this] { Plnktro(Qt::Key_F9, Qt::ControlModifier); });
    Plnktro(Qt::Key_F9);
    QCOMPARE(p->Katastasn(), keAdraveia);
    QCOMPARE(Katastasn(), QStringLiteral("Επιτυχής μεταγλώττιση"));
    QVERIFY(p->miEktelesn->isVisible());
    QVERIFY(!p->miPausnEktelesns->isVisible());
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());
    QVERIFY(p->ElegxosEktelesns().Programma());

    // New during a run, answering No to the question about the changes.
    p->sxeKwdikas->SetModified(true);
    MetaToEkatommurio([this] {
        OtavEmfanistei<QMessageBox>([](QMessageBox& m) { m.button(QMessageBox::No)->click(); });
        Plnktro(Qt::Key_N, Qt::ControlModifier);
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(p->Katastasn(), keAdraveia);
    QVERIFY(!p->ElegxosEktelesns().Programma());
    QCOMPARE(p->sxeKwdikas->LineCount(), 0);
    QCOMPARE(p->windowTitle(), QStringLiteral("Ανώνυμο πρόγραμμα - Διερμηνευτής της Καλμίρας"));
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());
}

void tst_fmKalmira::KleisimoKataTnvEktelesnKaiStnvEisodo()
{
    Keimevo(Programma(AtermovosVroxos, {QStringLiteral("ακέραιες: i")}));
    // (The compile rewrote the text; the question about keeping it has its own tests.)
    MetaToEkatommurio([this] {
        p->sxeKwdikas->SetModified(false);
        p->close();
    });
    Plnktro(Qt::Key_F9);
    QTRY_VERIFY(!p->isVisible());
    QCOMPARE(p->Katastasn(), keTelos);

    // Closing while the input dialog waits: the dialog goes, the run ends, the window closes.
    p = NeoPara8uro(apo8nkn);
    Keimevo(Programma({QStringLiteral("Διάβασε α")}, {QStringLiteral("ακέραιες: α")}));
    OtavEmfanistei<TfmEisodosXrnstn>([this](TfmEisodosXrnstn&) {
        p->sxeKwdikas->SetModified(false);
        p->close();
    });
    Plnktro(Qt::Key_F9);
    QVERIFY(!p->fmEisodosXrnstn().isVisible());
    QTRY_VERIFY(!p->isVisible());
    QCOMPARE(Katastasn(), QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"));
}

void tst_fmKalmira::GrammnKatastasns()
{
    Plnktro(Qt::Key_Insert);
    QCOMPARE(p->sbPanel[2]->text(), QStringLiteral("ΑΝΤ"));
    Plnktro(Qt::Key_Insert);
    QCOMPARE(p->sbPanel[2]->text(), QStringLiteral("ΕΙΣ"));
    p->sxeKwdikas->SetCaretXY({2, 4});
    QCOMPARE(p->sbPanel[0]->text(), QStringLiteral("3:5"));
}

void tst_fmKalmira::ListaMetablntwv()
{
    Keimevo(Programma({QStringLiteral("Για i από 1 μέχρι 100000"), QStringLiteral("  π[i] ← i"),
                       QStringLiteral("Τέλος_επανάληψης"), QStringLiteral("σ ← 'α'")},
                      {QStringLiteral("ακέραιες: i, π[100000]"), QStringLiteral("χαρακτήρες: σ")}));
    QTableWidget& lista = *p->vleParakolou8nsnMetablntwv;
    Plnktro(Qt::Key_F9, Qt::ControlModifier);
    QCOMPARE(lista.rowCount(), 3);
    QCOMPARE(lista.item(0, 0)->text(), QStringLiteral("i"));
    QCOMPARE(lista.item(0, 1)->text(), QStringLiteral("-"));
    QVERIFY(lista.item(1, 1)->text().startsWith(QStringLiteral("(-, -, ")));
    QCOMPARE(lista.item(2, 1)->text(), QStringLiteral("-"));
    Plnktro(Qt::Key_F9);
    QCOMPARE(lista.item(0, 1)->text(), QStringLiteral("100001"));
    QCOMPARE(lista.item(2, 1)->text(), QStringLiteral("α"));
    QCOMPARE(lista.item(2, 1)->toolTip(), QStringLiteral("α"));
    // The array's text is cut, and it has no tool tip.
    const QString pivakas = lista.item(1, 1)->text();
    QVERIFY(pivakas.startsWith(QStringLiteral("(1, 2, 3, ")));
    QVERIFY(pivakas.endsWith(QChar(0x2026)));
    QVERIFY(pivakas.size() <= MegistoKeimevoKelious + 1);
    QVERIFY(lista.item(1, 1)->toolTip().isEmpty());
}

void tst_fmKalmira::Epiloges()
{
    // Margin 80 moves the margin line and, at the next compile, the trailing comments.
    OtavEmfanistei<TfmEpiloges>([](TfmEpiloges& d) {
        d.findChild<QSpinBox*>(QStringLiteral("speDe3iPeri8wrio"))->setValue(80);
        d.accept();
    });
    p->miEpiloges->trigger();
    QCOMPARE(p->sxeKwdikas->RightMargin(), 80);
    Keimevo(Programma({QStringLiteral("Γράψε 1 !σχόλιο")}));
    Plnktro(Qt::Key_F9, Qt::ControlModifier);
    QCOMPARE(p->sxeKwdikas->Line(2).size(), 80);
    QVERIFY(p->sxeKwdikas->Line(2).endsWith(QStringLiteral("!σχόλιο")));

    // Full evaluation ticked then cancelled: evaluation stays short; the box shows ticked.
    OtavEmfanistei<TfmEpiloges>([](TfmEpiloges& d) {
        d.findChild<QCheckBox*>(QStringLiteral("chbPlnrnsApotimnsnSuv8nkwv"))->setChecked(true);
        d.reject();
    });
    p->miEpiloges->trigger();
    QVERIFY(!PlnrnsApotimnsn);
    bool tsekarismeno = false;
    OtavEmfanistei<TfmEpiloges>([&](TfmEpiloges& d) {
        tsekarismeno = d.findChild<QCheckBox*>(QStringLiteral("chbPlnrnsApotimnsnSuv8nkwv"))->isChecked();
        d.accept();
    });
    p->miEpiloges->trigger();
    QVERIFY(tsekarismeno);
    QVERIFY(PlnrnsApotimnsn);
}

QTEST_MAIN(tst_fmKalmira)
#include "tst_fmKalmira.moc"

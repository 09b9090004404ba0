// The main window driven as a pupil drives it: through its keys, menus and dialogs.
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>

#include "settings/uEpiloges.h"
#include "tests/workbench/Voithitika.h"
#include "workbench/uEisodosXrnstn.h"
#include "workbench/uRu8miseis.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

namespace {

const QString Telos = u"Η εκτέλεση του προγράμματος τελείωσε"_s;
const QString ApoTovXrnstn = u"Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"_s;
const QString Sfalma = u"Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε"_s;
const QString Epituxia = u"Επιτυχής μεταγλώττιση"_s;
const QStringList AkeraiaA{u"ακέραιες: α"_s};

}  // namespace

class tst_fmKalmira final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void Ekkinnsn();
    void EktelesnBnmatiknAllagn();
    void PausnMeEscKaiSuvexeiaMeF9();
    void SfalmaEktelesnsKaiMetakinnsnDromea();
    void MnvumaEkatommuriou();
    void EisodosDedomevwv();
    void Metaglwttisn();
    void EntolesKataTnvEktelesn();
    void ListaMetablntwv();
    void Epiloges();

private:
    QString Katastasn() const { return p->sbPanel[3]->text(); }
    QStringList O8ovn() const { return p->seO8ovnXrnstn->Lines(); }
    // A new program in the editor, as if typed: any compiled one is discarded.
    void Keimevo(const QStringList& swma, const QStringList& metablntes = {})
    {
        p->sxeKwdikas->SetText(Programma(swma, metablntes));
        p->ElegxosEktelesns().Aporripse();
    }
    void Plnktro(int plnktro, Qt::KeyboardModifiers m = Qt::NoModifier) { kalmira::Plnktro(*p, plnktro, m); }
    QString Timn(int grammn) const { return p->vleParakolou8nsnMetablntwv->item(grammn, 1)->text(); }

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
    QCOMPARE(p->windowTitle(), u"Ανώνυμο Πρόγραμμα - Διερμηνευτής της Καλμίρας"_s);
    QCOMPARE(p->sbPanel[0]->text(), u"1:1"_s);
    QCOMPARE((QList<int>{p->sbPanel[0]->width(), p->sbPanel[1]->width(), p->sbPanel[2]->width()}),
             (QList<int>{64, 128, 48}));
    QStringList koumpia;
    for (QAction* a : p->tbrGrammnErgaleiwv->actions())
        koumpia << (a->isSeparator() ? u"|"_s : p->tbrGrammnErgaleiwv->widgetForAction(a)->objectName());
    QCOMPARE(koumpia.join(u' '),
             u"tbDnmiourgia tbAvoigma tbApo8nkeusn | tbEktupwsn | tbAvairesn | tbApokopn tbAvtigrafn tbEpikollnsn | "
             "tbEpiloges | tbMetaglwttisn | tbEktelesn tbPausnEktelesns tbBnmatiknEktelesn tbTermatismosEktelesns | "
             "ToolButton1 tbSxetikaMeToProgramma"_s);
    QVERIFY(p->miEktelesn->isVisible());
    QVERIFY(!p->miPausnEktelesns->isVisible());
    for (QAction* a : {p->miTermatismosEktelesns, p->miApo8nkeusn, p->miEktupwsn, p->miProepiskopnsnEktupwsns,
                       p->miEktelesnWsTnGrammn, p->miEisagwgnSnmeiouDiakopns, p->miEisagwgnEkfrasns, p->miEuresnEpomevou})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    // The status bar follows the editor: Ins toggles the mode, the caret its place.
    QCOMPARE(p->sbPanel[2]->text(), u"ΕΙΣ"_s);
    Plnktro(Qt::Key_Insert);
    QCOMPARE(p->sbPanel[2]->text(), u"ΑΝΤ"_s);
    Plnktro(Qt::Key_Insert);
    QCOMPARE(p->sbPanel[2]->text(), u"ΕΙΣ"_s);
    p->sxeKwdikas->SetCaretXY({2, 4});
    QCOMPARE(p->sbPanel[0]->text(), u"3:5"_s);
}

// The default program run to its end, then stepped, then edited in the middle of a step.
void tst_fmKalmira::EktelesnBnmatiknAllagn()
{
    Plnktro(Qt::Key_F9);
    QCOMPARE(O8ovn(), QStringList{u"Γεια σου κόσμε"_s});
    QCOMPARE(Katastasn(), Telos);
    QCOMPARE(p->sbPanel[1]->text(), u"Αποθηκευμένο"_s);  // already in its canonical layout
    QCOMPARE(p->Katastasn(), keTelos);
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());
    QCOMPARE(p->sxeKwdikas->MarkLine(), -1);
    // The output handler outside a run: the line shows at once, the caret after it.
    p->GraceStnO8ovn(u"τέλος"_s);
    QCOMPARE(O8ovn(), (QStringList{u"Γεια σου κόσμε"_s, u"τέλος"_s}));
    QCOMPARE(p->seO8ovnXrnstn->CaretXY().Line, 1);

    Plnktro(Qt::Key_F8);
    QCOMPARE(Katastasn(), u"Το πρόγραμμα εκτελείται βηματικά"_s);
    QCOMPARE(p->sxeKwdikas->MarkLine(), 12);
    QVERIFY(p->miTermatismosEktelesns->isEnabled());
    Plnktro(Qt::Key_F8);
    QCOMPARE(Katastasn(), u"Η γραμμή 13 εκτελέστηκε βηματικά"_s);
    QCOMPARE(p->sxeKwdikas->MarkLine(), 13);
    QCOMPARE(O8ovn().size(), 3);
    Plnktro(Qt::Key_F8);
    QCOMPARE(Katastasn(), u"Η γραμμή 14 εκτελέστηκε βηματικά"_s);
    QCOMPARE(p->sxeKwdikas->MarkLine(), -1);
    QCOMPARE(p->Katastasn(), keBnmatikn);
    // The next step starts over; the old output stays.
    Plnktro(Qt::Key_F8);
    Plnktro(Qt::Key_F8);
    QCOMPARE(O8ovn().size(), 4);

    // An edit ends the stopped run and discards the program; F9 compiles again.
    Plnktro(Qt::Key_Space);
    QCOMPARE(Katastasn(), u"Η εκτέλεση του προγράμματος τερματίστηκε λόγω αλλαγής του κώδικα"_s);
    QCOMPARE(p->sbPanel[1]->text(), u"Τροποποιημένο"_s);
    QVERIFY(!p->ElegxosEktelesns().Programma());
    QCOMPARE(p->Katastasn(), keAdraveia);
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), Telos);
}

void tst_fmKalmira::PausnMeEscKaiSuvexeiaMeF9()
{
    Keimevo(AtermovosVroxos, {u"ακέραιες: i"_s});
    bool pausnOratn = false;
    QString kataTnvEktelesn;
    MetaToEkatommurio([&] {
        pausnOratn = p->miPausnEktelesns->isVisible() && !p->miEktelesn->isVisible();
        kataTnvEktelesn = Katastasn();
        Plnktro(Qt::Key_Escape);
    });
    Plnktro(Qt::Key_F9);
    QVERIFY(pausnOratn);
    QCOMPARE(kataTnvEktelesn, u"Το πρόγραμμα εκτελείται, πατείστε [Esc] για παύση"_s);
    QCOMPARE(p->Katastasn(), keBnmatikn);
    QVERIFY(Katastasn().endsWith(u" εκτελέστηκε βηματικά"_s));
    QVERIFY(p->sxeKwdikas->MarkLine() >= 5 && p->sxeKwdikas->MarkLine() <= 7);
    QVERIFY(p->miEktelesn->isVisible());
    const qlonglong prwta = Timn(0).toLongLong();
    QVERIFY(prwta > 0);
    // F9 goes on without resetting; Ctrl+F2 then terminates.
    MetaToEkatommurio([this] { Plnktro(Qt::Key_F2, Qt::ControlModifier); });
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), ApoTovXrnstn);
    QVERIFY(Timn(0).toLongLong() > prwta);
    QCOMPARE(p->sxeKwdikas->MarkLine(), -1);
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());
}

void tst_fmKalmira::SfalmaEktelesnsKaiMetakinnsnDromea()
{
    Keimevo({u"Γράψε 'πριν'"_s, u"α ← 1 div 0"_s}, AkeraiaA);
    p->pcXeiristnrioSelidwv->setCurrentWidget(p->tsParakolou8nsnMetablntwv);
    Plnktro(Qt::Key_F9);
    QCOMPARE(O8ovn().value(0), u"πριν"_s);
    QCOMPARE(O8ovn().value(1), u"Σφάλμα εκτέλεσης!"_s);
    QCOMPARE(O8ovn().size(), 3);
    QCOMPARE(Katastasn(), Sfalma);
    QCOMPARE(p->sxeKwdikas->MarkLine(), 5);
    QCOMPARE(p->pcXeiristnrioSelidwv->currentWidget(), p->tsO8ovnXrnstn);
    Plnktro(Qt::Key_Down);
    QCOMPARE(p->sxeKwdikas->MarkLine(), -1);
    // The next run starts from the beginning.
    Plnktro(Qt::Key_F9);
    QCOMPARE(O8ovn().value(3), u"πριν"_s);
}

void tst_fmKalmira::MnvumaEkatommuriou()
{
    Keimevo({u"i ← 0"_s, u"Όσο i < 1000000 επανάλαβε"_s, u"  i ← i + 1"_s, u"Τέλος_επανάληψης"_s}, {u"ακέραιες: i"_s});
    int fores = 0;
    OtavEmfanistei<QMessageBox>([&](QMessageBox& m) {
        ++fores;
        QCOMPARE(m.windowTitle(), u"Διερμηνευτής της Καλμίρας"_s);
        QCOMPARE(m.text(), u"Αυτό το πρόγραμμα έχει ήδη εκτελέσει 1.000.000 εντολές. \r\n"
                           "Αν νομίζετε ότι βρίσκεται σε ατέρμονα βρόγχο, μετά το\r\n"
                           "κλείσιμο του διαλόγου πατήστε [Esc] ή \"Παύση εκτέλεσης\"\r\n"
                           "για να διακόψετε την εκτέλεσή του"_s);
        m.button(QMessageBox::Ok)->click();
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(fores, 1);
    QCOMPARE(Katastasn(), Telos);
}

void tst_fmKalmira::EisodosDedomevwv()
{
    // Accepted, with the key filter making "3.5" into "3,5"; the value is echoed on the screen.
    Keimevo({u"Διάβασε x"_s, u"Γράψε x * 2"_s}, {u"πραγματικές: x"_s});
    OtavEmfanistei<TfmEisodosXrnstn>([](TfmEisodosXrnstn& d) {
        QCOMPARE(d.windowTitle(), u"Καλμίρα - Είσοδος δεδομένων"_s);
        QCOMPARE(d.lblEisagwgnDedomevwv->text(), u"Διάβασμα της πραγματικής μεταβλητής «x»: "_s);
        QTest::keyClicks(d.leEisagwgnDedomevwv, u"3.5"_s);
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"3,5"_s);
        QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_Return);
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(O8ovn(), (QStringList{u"3,5"_s, u"7"_s}));
    QCOMPARE(Katastasn(), Telos);

    // Escape terminates the run.
    Keimevo({u"Διάβασε α"_s, u"Γράψε α"_s}, AkeraiaA);
    OtavEmfanistei<TfmEisodosXrnstn>([](TfmEisodosXrnstn& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), ApoTovXrnstn);
    QVERIFY(O8ovn().isEmpty());
    QCOMPARE(p->Katastasn(), keTelos);

    // The pause box stops the run after the read.
    OtavEmfanistei<TfmEisodosXrnstn>([](TfmEisodosXrnstn& d) {
        QTest::keyClicks(d.leEisagwgnDedomevwv, u"12"_s);
        d.chbPausnEktelesns->setChecked(true);
        d.btEisagwgn->click();
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(p->Katastasn(), keBnmatikn);
    QCOMPARE(Katastasn(), u"Η γραμμή 5 εκτελέστηκε βηματικά"_s);
    QCOMPARE(O8ovn(), QStringList{u"12"_s});
    Plnktro(Qt::Key_F9);
    QCOMPARE(O8ovn(), (QStringList{u"12"_s, u"12"_s}));
}

// A compile error, then a compile that rewrites the operators into their canonical form.
void tst_fmKalmira::Metaglwttisn()
{
    Keimevo({u"Γράψε 1"_s, u"x ← 1"_s});
    p->pcXeiristnrioSelidwv->setCurrentWidget(p->tsParakolou8nsnMetablntwv);
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), u"Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος"_s);
    QCOMPARE(O8ovn(), QStringList{u"Άγνωστο αναγνωριστικό: «x»"_s});
    QCOMPARE(p->sxeKwdikas->MarkLine(), 3);
    QCOMPARE(p->sxeKwdikas->CaretXY().Line, 3);
    QCOMPARE(p->pcXeiristnrioSelidwv->currentWidget(), p->tsO8ovnXrnstn);
    QVERIFY(!p->ElegxosEktelesns().Programma());
    QCOMPARE(p->Katastasn(), keAdraveia);

    Keimevo({u"α <-- 1"_s, u"Αν α <= 2 τότε"_s, u"Γράψε α"_s, u"Τέλος_αν"_s}, AkeraiaA);
    Plnktro(Qt::Key_F9, Qt::ControlModifier);
    QCOMPARE(Katastasn(), Epituxia);
    QCOMPARE(p->sxeKwdikas->Lines().mid(4, 3), (QStringList{u"  α ← 1"_s, u"  Αν α ≤ 2 τότε"_s, u"    Γράψε α"_s}));
    QCOMPARE(p->sbPanel[1]->text(), u"Τροποποιημένο"_s);
    QVERIFY(p->ElegxosEktelesns().Programma());  // a compile is not an edit
}

// Compile, New and closing the window while a program runs, and closing while it reads.
void tst_fmKalmira::EntolesKataTnvEktelesn()
{
    Keimevo(AtermovosVroxos, {u"ακέραιες: i"_s});
    MetaToEkatommurio([this] { Plnktro(Qt::Key_F9, Qt::ControlModifier); });
    Plnktro(Qt::Key_F9);
    QCOMPARE(p->Katastasn(), keAdraveia);
    QCOMPARE(Katastasn(), Epituxia);
    QVERIFY(p->miEktelesn->isVisible());
    QVERIFY(!p->miPausnEktelesns->isVisible());
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());
    QVERIFY(p->ElegxosEktelesns().Programma());

    // New, answering No to the question about the changes.
    p->sxeKwdikas->SetModified(true);
    MetaToEkatommurio([this] {
        OtavEmfanistei<QMessageBox>([](QMessageBox& m) { m.button(QMessageBox::No)->click(); });
        Plnktro(Qt::Key_N, Qt::ControlModifier);
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(p->Katastasn(), keAdraveia);
    QVERIFY(!p->ElegxosEktelesns().Programma());
    QCOMPARE(p->sxeKwdikas->LineCount(), 0);
    QCOMPARE(p->windowTitle(), u"Ανώνυμο πρόγραμμα - Διερμηνευτής της Καλμίρας"_s);
    QVERIFY(!p->miTermatismosEktelesns->isEnabled());

    // Closing the window. (The compile rewrote the text; the question about it has its own tests.)
    Keimevo(AtermovosVroxos, {u"ακέραιες: i"_s});
    MetaToEkatommurio([this] {
        p->sxeKwdikas->SetModified(false);
        p->close();
    });
    Plnktro(Qt::Key_F9);
    QTRY_VERIFY(!p->isVisible());
    QCOMPARE(p->Katastasn(), keTelos);

    // Closing while the input dialog waits: the dialog goes, the run ends, the window closes.
    p = NeoPara8uro(apo8nkn);
    Keimevo({u"Διάβασε α"_s}, AkeraiaA);
    OtavEmfanistei<TfmEisodosXrnstn>([this](TfmEisodosXrnstn&) {
        p->sxeKwdikas->SetModified(false);
        p->close();
    });
    Plnktro(Qt::Key_F9);
    QVERIFY(!p->fmEisodosXrnstn().isVisible());
    QTRY_VERIFY(!p->isVisible());
    QCOMPARE(Katastasn(), ApoTovXrnstn);
}

void tst_fmKalmira::ListaMetablntwv()
{
    Keimevo({u"Για i από 1 μέχρι 100000"_s, u"  π[i] ← i"_s, u"Τέλος_επανάληψης"_s, u"σ ← 'α'"_s},
            {u"ακέραιες: i, π[100000]"_s, u"χαρακτήρες: σ"_s});
    QTableWidget& lista = *p->vleParakolou8nsnMetablntwv;
    Plnktro(Qt::Key_F9, Qt::ControlModifier);
    QCOMPARE(lista.rowCount(), 3);
    QCOMPARE(lista.item(0, 0)->text(), u"i"_s);
    QCOMPARE(Timn(0), u"-"_s);
    QVERIFY(Timn(1).startsWith(u"(-, -, "_s));
    Plnktro(Qt::Key_F9);
    QCOMPARE(Timn(0), u"100001"_s);
    QCOMPARE(Timn(2), u"α"_s);
    QCOMPARE(lista.item(2, 1)->toolTip(), u"α"_s);
    // The array's text is cut, and it has no tool tip.
    QVERIFY(Timn(1).startsWith(u"(1, 2, 3, "_s));
    QVERIFY(Timn(1).endsWith(QChar(0x2026)));
    QVERIFY(Timn(1).size() <= MegistoKeimevoKelious + 1);
    QVERIFY(lista.item(1, 1)->toolTip().isEmpty());
}

void tst_fmKalmira::Epiloges()
{
    // Margin 80 moves the margin line and, at the next compile, the trailing comments.
    OtavEmfanistei<TfmEpiloges>([](TfmEpiloges& d) {
        d.findChild<QSpinBox*>(u"speDe3iPeri8wrio"_s)->setValue(80);
        d.accept();
    });
    p->miEpiloges->trigger();
    QCOMPARE(p->sxeKwdikas->RightMargin(), 80);
    Keimevo({u"Γράψε 1 !σχόλιο"_s});
    Plnktro(Qt::Key_F9, Qt::ControlModifier);
    QCOMPARE(p->sxeKwdikas->Line(2).size(), 80);
    QVERIFY(p->sxeKwdikas->Line(2).endsWith(u"!σχόλιο"_s));

    // Full evaluation ticked then cancelled: evaluation stays short; the box shows ticked.
    OtavEmfanistei<TfmEpiloges>([](TfmEpiloges& d) {
        d.findChild<QCheckBox*>(u"chbPlnrnsApotimnsnSuv8nkwv"_s)->setChecked(true);
        d.reject();
    });
    p->miEpiloges->trigger();
    QVERIFY(!PlnrnsApotimnsn);
    bool tsekarismeno = false;
    OtavEmfanistei<TfmEpiloges>([&](TfmEpiloges& d) {
        tsekarismeno = d.findChild<QCheckBox*>(u"chbPlnrnsApotimnsnSuv8nkwv"_s)->isChecked();
        d.findChild<QCheckBox*>(u"chbElegxosEisodou"_s)->setChecked(false);
        d.accept();
    });
    p->miEpiloges->trigger();
    QVERIFY(tsekarismeno);
    QVERIFY(PlnrnsApotimnsn);

    // Key checking off: a letter gets into an integer read, and the read fails.
    Keimevo({u"Διάβασε α"_s}, AkeraiaA);
    OtavEmfanistei<TfmEisodosXrnstn>([](TfmEisodosXrnstn& d) {
        d.leEisagwgnDedomevwv->clear();
        QTest::keyClicks(d.leEisagwgnDedomevwv, u"1a"_s);
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"1a"_s);
        d.btEisagwgn->click();
    });
    Plnktro(Qt::Key_F9);
    QCOMPARE(Katastasn(), Sfalma);
    QCOMPARE(O8ovn().value(1), u"Σφάλμα εκτέλεσης!"_s);
}

QTEST_MAIN(tst_fmKalmira)
#include "tst_fmKalmira.moc"

// The run control without a window: what the window tests cannot reach or time, namely the text
// after the program's end, the exact millionth statement, commands arriving inside the engine's
// event pass, and a read of several values with the pause box ticked.
#include <QtTest>

#include <functional>

#include "tests/workbench/Voithitika.h"
#include "workbench/uElegxosEktelesns.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

namespace {

// Everything the run control tells the window, as the window would show it.
struct TPara8uro {
    explicit TPara8uro(TElegxosEktelesns& elegxos)
    {
        QObject::connect(&elegxos, &TElegxosEktelesns::KeimevoKatastasns, [this](const QString& k) { katastasn = k; });
        QObject::connect(&elegxos, &TElegxosEktelesns::SnmadiGrammns, [this](int g) { snmadi = g; });
        QObject::connect(&elegxos, &TElegxosEktelesns::GrammesO8ovns, [this](const QStringList& g, bool ka8arismos) {
            if (ka8arismos)
                o8ovn.clear();
            o8ovn += g;
        });
        QObject::connect(&elegxos, &TElegxosEktelesns::EkatommurioEvtolwv, [this] {
            ++ekatommuria;
            if (otavEkatommurio)
                otavEkatommurio();
        });
    }
    QString katastasn;
    int snmadi = -1;
    QStringList o8ovn;
    int ekatommuria = 0;
    std::function<void()> otavEkatommurio;
};

const QString TermatismosXrnstn = u"Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"_s;

// The value text of a variable of the compiled program.
QString Timn(const TElegxosEktelesns& elegxos, const QString& ovoma)
{
    for (const TTimnAvagvwristikou& m : elegxos.Programma()->Avagvwristika())
        if (QString::fromStdU16String(m.Ovoma) == ovoma)
            return QString::fromStdU16String(KeimevoTimns(m.Timn));
    return u"?"_s;
}

bool Metaglwttise(TElegxosEktelesns& elegxos, const QStringList& swma, const QStringList& metablntes = {})
{
    return elegxos.Metaglwttise(Programma(swma, metablntes), 64).Epituxia;
}

// The endless loop of the tests; its counter is i.
bool MetaglwttiseAtermovo(TElegxosEktelesns& elegxos)
{
    return Metaglwttise(elegxos, AtermovosVroxos, {u"ακέραιες: i"_s});
}

}  // namespace

class tst_ElegxosEktelesns final : public QObject {
    Q_OBJECT
private slots:
    void Metaglwttisn();
    void TermatismosKaiEpanekkinnsn();
    void EkatommurioEvtolwv();
    void EisodosPollwvTimwvMePausn();
    void EntolesMesaStnvEpe3ergasia();
};

void tst_ElegxosEktelesns::Metaglwttisn()
{
    // A failed compile leaves nothing to run or step.
    TElegxosEktelesns elegxos;
    QVERIFY(!Metaglwttise(elegxos, {u"x ← 1"_s}));
    elegxos.Ektelesn();
    elegxos.Bnmatikn();
    QCOMPARE(elegxos.Katastasn(), keAdraveia);
    QVERIFY(!elegxos.Evergeies().TermatismosEvergos);

    // What follows the end of the program stays in the text, and a second compile keeps it.
    const QString keimevo = u"Πρόγραμμα Π\r\nΑρχή\r\n    Γράψε 1\r\nΤέλος_προγράμματος  !σχόλιο\r\nσημειώσεις\r\n"_s;
    const TApotelesmaMetaglwttisns a = elegxos.Metaglwttise(keimevo, 64);
    QVERIFY(a.Epituxia);
    QCOMPARE(a.Keimevo, u"Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε 1\r\nΤέλος_προγράμματος  !σχόλιο\r\nσημειώσεις\r\n"_s);
    QCOMPARE(elegxos.Metaglwttise(a.Keimevo, 64).Keimevo, a.Keimevo);
}

void tst_ElegxosEktelesns::TermatismosKaiEpanekkinnsn()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    QVERIFY(MetaglwttiseAtermovo(elegxos));
    Argotera(20, [&] { elegxos.Termatismos(); });
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keTelos);
    QCOMPARE(p.katastasn, TermatismosXrnstn);
    QCOMPARE(elegxos.Evergeies(), (TEvergeiesEktelesns{true, false}));
    // The next run starts from the beginning, with the variables reset.
    elegxos.Bnmatikn();
    QCOMPARE(p.katastasn, u"Το πρόγραμμα εκτελείται βηματικά"_s);
    QCOMPARE(Timn(elegxos, u"i"_s), u"-"_s);
    // Terminating a stopped run reports it at once.
    elegxos.Termatismos();
    QCOMPARE(p.katastasn, TermatismosXrnstn);
    QCOMPARE(elegxos.Katastasn(), keTelos);

    // A compile while a run is stopped keeps the state; the next step begins the new program's
    // run and says so, whatever the old mark.
    elegxos.Bnmatikn();
    elegxos.Bnmatikn();
    QCOMPARE(p.katastasn, u"Η γραμμή 5 εκτελέστηκε βηματικά"_s);
    QVERIFY(MetaglwttiseAtermovo(elegxos));
    QCOMPARE(elegxos.Katastasn(), keBnmatikn);
    elegxos.Bnmatikn();
    QCOMPARE(p.katastasn, u"Το πρόγραμμα εκτελείται βηματικά"_s);
    QCOMPARE(p.snmadi, 4);
    QCOMPARE(Timn(elegxos, u"i"_s), u"-"_s);
}

void tst_ElegxosEktelesns::EkatommurioEvtolwv()
{
    const QStringList swma{u"i ← 0"_s, u"Όσο i < 1000000 επανάλαβε"_s, u"  i ← i + 1"_s, u"Τέλος_επανάληψης"_s};
    // Where the program stands after exactly a million statements, stepped one at a time.
    TElegxosEktelesns anafora;
    QVERIFY(Metaglwttise(anafora, swma, {u"ακέραιες: i"_s}));
    auto* programma = const_cast<TProgramma*>(anafora.Programma());
    for (int i = 0; i < 1'000'000; ++i)
        programma->EpomevoBnma();

    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    QVERIFY(Metaglwttise(elegxos, swma, {u"ακέραιες: i"_s}));
    QString stoEkatommurio;
    p.otavEkatommurio = [&] { stoEkatommurio = Timn(elegxos, u"i"_s); };
    elegxos.Ektelesn();
    QCOMPARE(p.ekatommuria, 1);
    QCOMPARE(stoEkatommurio, Timn(anafora, u"i"_s));
    QCOMPARE(Timn(elegxos, u"i"_s), u"1000000"_s);
}

void tst_ElegxosEktelesns::EisodosPollwvTimwvMePausn()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    QStringList erwtnseis;
    QList<TTuposDedomevwv> tupoi;
    elegxos.OriseEisodo([&](const QString& metablntn, TTuposDedomevwv tupos, QString& keimevo, bool& pausn) {
        erwtnseis << metablntn;
        tupoi << tupos;
        keimevo = QString::number(erwtnseis.size() * 10);
        pausn = erwtnseis.size() == 1;
        return true;
    });
    QVERIFY(Metaglwttise(elegxos, {u"Γράψε 'Δώσε'"_s, u"Διάβασε α, β"_s, u"Γράψε α + β"_s},
                         {u"ακέραιες: α, β"_s}));
    elegxos.Ektelesn();
    // Both values of the statement are read; the pause takes effect after it.
    QCOMPARE(erwtnseis, (QStringList{u"α"_s, u"β"_s}));
    QCOMPARE(tupoi, (QList<TTuposDedomevwv>{tdAkeraios, tdAkeraios}));
    QCOMPARE(elegxos.Katastasn(), keBnmatikn);
    QCOMPARE(p.katastasn, u"Η γραμμή 6 εκτελέστηκε βηματικά"_s);
    QCOMPARE(p.snmadi, 6);
    QCOMPARE(p.o8ovn, (QStringList{u"Δώσε"_s, u"10"_s, u"20"_s}));
    elegxos.Ektelesn();
    QCOMPARE(p.o8ovn.constLast(), u"30"_s);
    QCOMPARE(elegxos.Katastasn(), keTelos);
}

// Commands arriving inside the engine's event pass, each on a fresh run of the endless loop.
void tst_ElegxosEktelesns::EntolesMesaStnvEpe3ergasia()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    QVERIFY(MetaglwttiseAtermovo(elegxos));
    // An edit ends the run and discards the program.
    Argotera(20, [&] { elegxos.AllagnKwdika(); });
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keAdraveia);
    QCOMPARE(p.katastasn, u"Η εκτέλεση του προγράμματος τερματίστηκε λόγω αλλαγής του κώδικα"_s);
    QVERIFY(!elegxos.Programma());
    QCOMPARE(elegxos.Evergeies(), (TEvergeiesEktelesns{true, false}));
    // A compiled program that has not run yet stays compiled through an edit.
    QVERIFY(Metaglwttise(elegxos, {u"Γράψε 1"_s}));
    elegxos.AllagnKwdika();
    QVERIFY(elegxos.Programma());

    // F8: one more statement, then the run stops with the step's report.
    QVERIFY(MetaglwttiseAtermovo(elegxos));
    int grammnPrin = -2;
    Argotera(20, [&] {
        grammnPrin = elegxos.Programma()->TrexousaGrammn();
        elegxos.Bnmatikn();
    });
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keBnmatikn);
    QCOMPARE(p.katastasn, u"Η γραμμή %1 εκτελέστηκε βηματικά"_s.arg(grammnPrin + 1));
    QCOMPARE(p.snmadi, elegxos.Programma()->TrexousaGrammn());
    QVERIFY(p.snmadi != grammnPrin);
    elegxos.Termatismos();

    // Esc then F9 in one pass: the run goes on in the same engine, and ends only when terminated.
    int perasmata = 0;
    Argotera(20, [&] {
        elegxos.Pausn();
        elegxos.Ektelesn();
        QCOMPARE(elegxos.Katastasn(), keSuvexns);
        ++perasmata;
        Argotera(20, [&] { elegxos.Termatismos(); });
    });
    QSignalSpy stamatnmata(&elegxos, &TElegxosEktelesns::MnxanhStamatnse);
    elegxos.Ektelesn();
    QCOMPARE(perasmata, 1);
    QCOMPARE(stamatnmata.count(), 1);
    QCOMPARE(elegxos.Katastasn(), keTelos);
    QCOMPARE(p.katastasn, TermatismosXrnstn);
}

QTEST_MAIN(tst_ElegxosEktelesns)
#include "tst_ElegxosEktelesns.moc"

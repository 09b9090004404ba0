// The run control without a window: the state machine, the engine, the status texts, the marked
// line, the output, the input bridge and what happens when commands arrive while the engine runs.
#include <QTimer>
#include <QtTest>

#include <functional>

#include "tests/workbench/Voithitika.h"
#include "workbench/uElegxosEktelesns.h"

using namespace kalmira;

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
            ++avavewseis;
        });
        QObject::connect(&elegxos, &TElegxosEktelesns::EkatommurioEvtolwv, [this] {
            ++ekatommuria;
            if (otavEkatommurio)
                otavEkatommurio();
        });
        QObject::connect(&elegxos, &TElegxosEktelesns::ProvolnO8ovnsXrnstn, [this] { ++provoles; });
    }
    QString katastasn;
    int snmadi = -1;
    QStringList o8ovn;
    int avavewseis = 0;
    int ekatommuria = 0;
    int provoles = 0;
    std::function<void()> otavEkatommurio;
};

// The value text of a variable of the compiled program.
QString Timn(const TElegxosEktelesns& elegxos, const QString& ovoma)
{
    for (const TTimnAvagvwristikou& m : elegxos.Programma()->Avagvwristika())
        if (QString::fromStdU16String(m.Ovoma) == ovoma)
            return QString::fromStdU16String(KeimevoTimns(m.Timn));
    return QStringLiteral("?");
}


// Compiles the endless loop of the tests; its counter is i.
void MetaglwttiseAtermovo(TElegxosEktelesns& elegxos)
{
    QVERIFY(elegxos.Metaglwttise(Programma(AtermovosVroxos, {QStringLiteral("ακέραιες: i")}), 64).Epituxia);
}

}  // namespace

class tst_ElegxosEktelesns final : public QObject {
    Q_OBJECT
private slots:
    void MetaglwttisnLa8ous();
    void KeimevoMetaToTelos();
    void EktelesnMexriToTelos();
    void BnmatiknEktelesn();
    void PausnKaiSuvexeia();
    void TermatismosKataTnvEktelesn();
    void SfalmaEktelesns();
    void EkatommurioEvtolwv();
    void EisodosKaiPausnMetaTnvEisodo();
    void TermatismosStnvEisodo();
    void AllagnKwdikaKataTnvEktelesn();
    void MetaglwttisnKataTnvEktelesn();
    void BnmaKataTnvSuvexnEktelesn();
    void DeuteroF9MesaStnvEpe3ergasia();
};

void tst_ElegxosEktelesns::MetaglwttisnLa8ous()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    const TApotelesmaMetaglwttisns a = elegxos.Metaglwttise(Programma({QStringLiteral("x <-- 1")}), 64);
    QVERIFY(!a.Epituxia);
    QVERIFY(!elegxos.Programma());
    QCOMPARE(p.katastasn, QStringLiteral("Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος"));
    QCOMPARE(p.o8ovn, QStringList{QStringLiteral("Άγνωστο αναγνωριστικό: «x»")});
    // The text comes back normalised, and the error is placed in it.
    QVERIFY(a.Keimevo.contains(QStringLiteral("x ← 1")));
    QCOMPARE(a.SnmeioDromea, a.Keimevo.indexOf(QStringLiteral("x ←")));
    elegxos.SnmadepseLa8osMetaglwttisns();
    QCOMPARE(p.snmadi, 2);
    QCOMPARE(p.provoles, 1);
    // Run and step need a compiled program: nothing happens.
    elegxos.Ektelesn();
    elegxos.Bnmatikn();
    QCOMPARE(elegxos.Katastasn(), keAdraveia);
    QVERIFY(!elegxos.Evergeies().TermatismosEvergos);
}

void tst_ElegxosEktelesns::KeimevoMetaToTelos()
{
    // What follows the end of the program stays in the text the window shows, and a second
    // compile leaves that text as it is.
    TElegxosEktelesns elegxos;
    const QString keimevo = QStringLiteral("Πρόγραμμα Π\r\nΑρχή\r\n    Γράψε 1\r\nΤέλος_προγράμματος  !σχόλιο\r\nσημειώσεις\r\n");
    const TApotelesmaMetaglwttisns a = elegxos.Metaglwttise(keimevo, 64);
    QVERIFY(a.Epituxia);
    QCOMPARE(a.Keimevo, QStringLiteral("Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε 1\r\nΤέλος_προγράμματος  !σχόλιο\r\nσημειώσεις\r\n"));
    QCOMPARE(elegxos.Metaglwttise(a.Keimevo, 64).Keimevo, a.Keimevo);
}

void tst_ElegxosEktelesns::EktelesnMexriToTelos()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    QVERIFY(elegxos.Metaglwttise(Programma({QStringLiteral("Γράψε 'Γεια σου κόσμε'")}), 64).Epituxia);
    QCOMPARE(p.katastasn, QStringLiteral("Επιτυχής μεταγλώττιση"));
    QVERIFY(p.o8ovn.isEmpty());
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keTelos);
    QCOMPARE(p.katastasn, QStringLiteral("Η εκτέλεση του προγράμματος τελείωσε"));
    QCOMPARE(p.o8ovn, QStringList{QStringLiteral("Γεια σου κόσμε")});
    QCOMPARE(p.snmadi, -1);
    QCOMPARE(elegxos.Evergeies(), (TEvergeiesEktelesns{true, false}));
    // The output of a second run accumulates under the first.
    elegxos.Ektelesn();
    QCOMPARE(p.o8ovn, (QStringList{QStringLiteral("Γεια σου κόσμε"), QStringLiteral("Γεια σου κόσμε")}));
}

void tst_ElegxosEktelesns::BnmatiknEktelesn()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    QVERIFY(elegxos.Metaglwttise(Programma({QStringLiteral("α ← 1"), QStringLiteral("Γράψε α")},
                                           {QStringLiteral("ακέραιες: α")}),
                                 64)
                .Epituxia);
    elegxos.Bnmatikn();
    QCOMPARE(p.katastasn, QStringLiteral("Το πρόγραμμα εκτελείται βηματικά"));
    QCOMPARE(p.snmadi, 4);  // α ← 1 runs next
    QCOMPARE(elegxos.Evergeies(), (TEvergeiesEktelesns{true, true}));
    elegxos.Bnmatikn();
    QCOMPARE(p.katastasn, QStringLiteral("Η γραμμή 5 εκτελέστηκε βηματικά"));
    QCOMPARE(p.snmadi, 5);
    QCOMPARE(Timn(elegxos, QStringLiteral("α")), QStringLiteral("1"));
    elegxos.Bnmatikn();
    elegxos.Bnmatikn();  // executes Τέλος_προγράμματος: the program has ended
    QCOMPARE(p.katastasn, QStringLiteral("Η γραμμή 7 εκτελέστηκε βηματικά"));
    QCOMPARE(p.snmadi, -1);
    QCOMPARE(elegxos.Katastasn(), keBnmatikn);
    QCOMPARE(p.o8ovn, QStringList{QStringLiteral("1")});
    // The next step starts over with the variables reset and the old output kept.
    elegxos.Bnmatikn();
    QCOMPARE(p.katastasn, QStringLiteral("Το πρόγραμμα εκτελείται βηματικά"));
    QCOMPARE(Timn(elegxos, QStringLiteral("α")), QStringLiteral("-"));
    QCOMPARE(p.snmadi, 4);
}

void tst_ElegxosEktelesns::PausnKaiSuvexeia()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    MetaglwttiseAtermovo(elegxos);
    Argotera(30, [&] { elegxos.Pausn(); });
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keBnmatikn);
    QVERIFY(p.katastasn.startsWith(QStringLiteral("Η γραμμή ")));
    QVERIFY(p.katastasn.endsWith(QStringLiteral(" εκτελέστηκε βηματικά")));
    QVERIFY(p.snmadi >= 5 && p.snmadi <= 7);
    QCOMPARE(elegxos.Evergeies(), (TEvergeiesEktelesns{true, true}));
    const qlonglong prwta = Timn(elegxos, QStringLiteral("i")).toLongLong();
    QVERIFY(prwta > 0);
    // F9 continues from the marked line without resetting the variables.
    Argotera(30, [&] { elegxos.Pausn(); });
    elegxos.Ektelesn();
    QVERIFY(Timn(elegxos, QStringLiteral("i")).toLongLong() > prwta);
}

void tst_ElegxosEktelesns::TermatismosKataTnvEktelesn()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    MetaglwttiseAtermovo(elegxos);
    Argotera(20, [&] { elegxos.Termatismos(); });
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keTelos);
    QCOMPARE(p.katastasn, QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"));
    QCOMPARE(p.snmadi, -1);
    QCOMPARE(elegxos.Evergeies(), (TEvergeiesEktelesns{true, false}));
    // The next run starts from the beginning.
    elegxos.Bnmatikn();
    QCOMPARE(p.katastasn, QStringLiteral("Το πρόγραμμα εκτελείται βηματικά"));
    QCOMPARE(Timn(elegxos, QStringLiteral("i")), QStringLiteral("-"));
    // Terminating a stopped run reports it at once.
    elegxos.Termatismos();
    QCOMPARE(p.katastasn, QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"));
    QCOMPARE(elegxos.Katastasn(), keTelos);
}

void tst_ElegxosEktelesns::SfalmaEktelesns()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    QVERIFY(elegxos.Metaglwttise(Programma({QStringLiteral("Γράψε 'πριν'"), QStringLiteral("α ← 1 div 0")},
                                           {QStringLiteral("ακέραιες: α")}),
                                 64)
                .Epituxia);
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keTelos);
    QCOMPARE(p.o8ovn.value(0), QStringLiteral("πριν"));
    QCOMPARE(p.o8ovn.value(1), QStringLiteral("Σφάλμα εκτέλεσης!"));
    QCOMPARE(p.o8ovn.size(), 3);
    QCOMPARE(p.katastasn, QStringLiteral("Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε"));
    QCOMPARE(p.snmadi, 5);  // the failing line
    QCOMPARE(p.provoles, 1);
    // An error mark lasts until the caret moves.
    elegxos.MetakinnsnDromea();
    QCOMPARE(p.snmadi, -1);
    // The next run starts from the beginning.
    elegxos.Ektelesn();
    QCOMPARE(p.o8ovn.value(3), QStringLiteral("πριν"));
}

void tst_ElegxosEktelesns::EkatommurioEvtolwv()
{
    const QString keimevo = Programma(QStringList{QStringLiteral("i ← 0")} +
                                          QStringList{QStringLiteral("Όσο i < 1000000 επανάλαβε"),
                                                      QStringLiteral("  i ← i + 1"),
                                                      QStringLiteral("Τέλος_επανάληψης")},
                                      {QStringLiteral("ακέραιες: i")});
    // Where the program stands after exactly a million statements, stepped one at a time.
    TElegxosEktelesns anafora;
    QVERIFY(anafora.Metaglwttise(keimevo, 64).Epituxia);
    auto* programma = const_cast<TProgramma*>(anafora.Programma());
    for (int i = 0; i < 1'000'000; ++i)
        programma->EpomevoBnma();
    const QString anamevomevo = Timn(anafora, QStringLiteral("i"));

    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    QVERIFY(elegxos.Metaglwttise(keimevo, 64).Epituxia);
    QString stoEkatommurio;
    p.otavEkatommurio = [&] { stoEkatommurio = Timn(elegxos, QStringLiteral("i")); };
    elegxos.Ektelesn();
    QCOMPARE(p.ekatommuria, 1);
    QCOMPARE(stoEkatommurio, anamevomevo);
    QCOMPARE(p.katastasn, QStringLiteral("Η εκτέλεση του προγράμματος τελείωσε"));
    QCOMPARE(Timn(elegxos, QStringLiteral("i")), QStringLiteral("1000000"));
}

void tst_ElegxosEktelesns::EisodosKaiPausnMetaTnvEisodo()
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
    QVERIFY(elegxos.Metaglwttise(Programma({QStringLiteral("Γράψε 'Δώσε'"), QStringLiteral("Διάβασε α, β"),
                                            QStringLiteral("Γράψε α + β")},
                                           {QStringLiteral("ακέραιες: α, β")}),
                                 64)
                .Epituxia);
    elegxos.Ektelesn();
    // Both values of the statement are read; the pause takes effect after it.
    QCOMPARE(erwtnseis, (QStringList{QStringLiteral("α"), QStringLiteral("β")}));
    QCOMPARE(tupoi, (QList<TTuposDedomevwv>{tdAkeraios, tdAkeraios}));
    QCOMPARE(elegxos.Katastasn(), keBnmatikn);
    QCOMPARE(p.katastasn, QStringLiteral("Η γραμμή 6 εκτελέστηκε βηματικά"));
    QCOMPARE(p.snmadi, 6);
    QCOMPARE(p.o8ovn, (QStringList{QStringLiteral("Δώσε"), QStringLiteral("10"), QStringLiteral("20")}));
    elegxos.Ektelesn();
    QCOMPARE(p.o8ovn.constLast(), QStringLiteral("30"));
    QCOMPARE(elegxos.Katastasn(), keTelos);
}

void tst_ElegxosEktelesns::TermatismosStnvEisodo()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    elegxos.OriseEisodo([](const QString&, TTuposDedomevwv, QString&, bool&) { return false; });
    QVERIFY(elegxos.Metaglwttise(Programma({QStringLiteral("Διάβασε α")}, {QStringLiteral("ακέραιες: α")}), 64)
                .Epituxia);
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keTelos);
    QCOMPARE(p.katastasn, QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"));
    QVERIFY(p.o8ovn.isEmpty());
    QCOMPARE(p.snmadi, -1);
}

void tst_ElegxosEktelesns::AllagnKwdikaKataTnvEktelesn()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    MetaglwttiseAtermovo(elegxos);
    Argotera(20, [&] { elegxos.AllagnKwdika(); });
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keAdraveia);
    QCOMPARE(p.katastasn, QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε λόγω αλλαγής του κώδικα"));
    QVERIFY(!elegxos.Programma());
    QCOMPARE(elegxos.Evergeies(), (TEvergeiesEktelesns{true, false}));
    // A compiled program that has not run yet stays compiled through an edit.
    QVERIFY(elegxos.Metaglwttise(Programma({QStringLiteral("Γράψε 1")}), 64).Epituxia);
    elegxos.AllagnKwdika();
    QVERIFY(elegxos.Programma());
}

void tst_ElegxosEktelesns::MetaglwttisnKataTnvEktelesn()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    MetaglwttiseAtermovo(elegxos);
    // A compile, then New, from inside the engine's event pass: the run ends, and the engine
    // never touches the programs it no longer owns.
    Argotera(20, [&] { QVERIFY(elegxos.Metaglwttise(Programma({QStringLiteral("Γράψε 2")}), 64).Epituxia); });
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keAdraveia);
    QCOMPARE(p.katastasn, QStringLiteral("Επιτυχής μεταγλώττιση"));
    QVERIFY(elegxos.Programma());
    QCOMPARE(elegxos.Evergeies(), (TEvergeiesEktelesns{true, false}));
    elegxos.Ektelesn();
    QCOMPARE(p.o8ovn, QStringList{QStringLiteral("2")});

    MetaglwttiseAtermovo(elegxos);
    Argotera(20, [&] { elegxos.Aporripse(); });
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keAdraveia);
    QVERIFY(!elegxos.Programma());
    QCOMPARE(p.katastasn, QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε λόγω αλλαγής του κώδικα"));
}

void tst_ElegxosEktelesns::BnmaKataTnvSuvexnEktelesn()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    MetaglwttiseAtermovo(elegxos);
    // F8 during a run: one more statement, then the run stops with the step's report.
    int grammnPrin = -2;
    Argotera(20, [&] {
        grammnPrin = elegxos.Programma()->TrexousaGrammn();
        elegxos.Bnmatikn();
    });
    elegxos.Ektelesn();
    QCOMPARE(elegxos.Katastasn(), keBnmatikn);
    QCOMPARE(p.katastasn, QStringLiteral("Η γραμμή %1 εκτελέστηκε βηματικά").arg(grammnPrin + 1));
    QCOMPARE(p.snmadi, elegxos.Programma()->TrexousaGrammn());
    QVERIFY(p.snmadi != grammnPrin);
}

void tst_ElegxosEktelesns::DeuteroF9MesaStnvEpe3ergasia()
{
    TElegxosEktelesns elegxos;
    TPara8uro p(elegxos);
    MetaglwttiseAtermovo(elegxos);
    // Esc then F9 in one pass of event processing: the run goes on in the same engine, and ends
    // only when terminated.
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
    QCOMPARE(p.katastasn, QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"));
}

QTEST_MAIN(tst_ElegxosEktelesns)
#include "tst_ElegxosEktelesns.moc"

// Benchmark of the workbench's run engine (not a test): a continuous run in the main window
// against the same program run in-process by the language library alone, a program that writes
// 100,000 lines, and how long Esc takes to pause an endless loop. Run it offscreen or under Xvfb:
//
//   QT_QPA_PLATFORM=offscreen kalmira-workbench-bench [PROGRAMS_DIR]
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include "core/uProgramma.h"
#include "editor/SyntaxEditor.h"
#include "workbench/uArxeiaProgrammatos.h"
#include "workbench/uMain.h"

using namespace kalmira;

namespace {

// Answers the million-statement question as soon as it shows.
void KleiseEkatommurio()
{
    auto* xronometro = new QTimer;
    QObject::connect(xronometro, &QTimer::timeout, [xronometro] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            m->accept();
            xronometro->deleteLater();
        }
    });
    xronometro->start(1);
}

double Biblio8nkn(const QString& keimevo)
{
    QElapsedTimer xronos;
    xronos.start();
    TProgramma programma({}, [](const std::u16string&) {});
    std::u16string pnyh = keimevo.toStdU16String();
    programma.Metaglwttisn(pnyh, 64);
    while (programma.Ektelese(1 << 20).EpomevnGrammn >= 0) {
    }
    return xronos.nsecsElapsed() / 1e9;
}

double Para8uro(TfmKalmira& para8uro, const QString& keimevo, int* avavewseis = nullptr)
{
    para8uro.sxeKwdikas->SetText(keimevo);
    para8uro.miMetaglwttisnClick();
    int metrntns = 0;
    auto suvdesn = QObject::connect(&para8uro.ElegxosEktelesns(), &TElegxosEktelesns::GrammesO8ovns,
                                    [&metrntns] { ++metrntns; });
    KleiseEkatommurio();
    QElapsedTimer xronos;
    xronos.start();
    para8uro.miEktelesnClick();
    const double deuterolepta = xronos.nsecsElapsed() / 1e9;
    QObject::disconnect(suvdesn);
    if (avavewseis)
        *avavewseis = metrntns;
    return deuterolepta;
}

QString Programma(const QString& fakelos, const QString& ovoma)
{
    QString keimevo, la8os;
    DiabaseArxeioProgrammatos(fakelos + u'/' + ovoma, keimevo, la8os);
    return keimevo;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString fakelos = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(KALMIRA_BENCH_PROGRAMS);
    TfmKalmira para8uro;
    para8uro.show();

    for (const char* ovoma : {"loop_sum", "primes", "bubble_sort"}) {
        const QString keimevo = Programma(fakelos, QString::fromLatin1(ovoma) + QStringLiteral(".txt"));
        double biblio8nkn = 1e9, para8urou = 1e9;
        for (int i = 0; i < 3; ++i) {
            biblio8nkn = std::min(biblio8nkn, Biblio8nkn(keimevo));
            para8urou = std::min(para8urou, Para8uro(para8uro, keimevo));
        }
        std::printf("%-12s library %.3f s   window %.3f s   window speed %.0f %% of the library's\n", ovoma,
                    biblio8nkn, para8urou, 100.0 * biblio8nkn / para8urou);
    }

    const QString grammes = QStringLiteral(
        "Πρόγραμμα Γραμμές\r\nΜεταβλητές\r\n  ακέραιες: i\r\nΑρχή\r\n  Για i από 1 μέχρι 100000\r\n"
        "    Γράψε 'Γραμμή ', i\r\n  Τέλος_επανάληψης\r\nΤέλος_προγράμματος\r\n");
    int avavewseis = 0;
    const double xronosGrammwv = Para8uro(para8uro, grammes, &avavewseis);
    std::printf("100,000 lines: %.3f s in the window, %d refreshes of the user screen during the run, %d lines shown\n",
                xronosGrammwv, avavewseis, para8uro.seO8ovnXrnstn->LineCount());

    // Esc during an endless loop: from the key press to the engine's return.
    const QString atermovo = QStringLiteral(
        "Πρόγραμμα Ατέρμονο\r\nΜεταβλητές\r\n  ακέραιες: i\r\nΑρχή\r\n  i ← 0\r\n  Όσο Αληθής επανάλαβε\r\n"
        "    i ← i + 1\r\n  Τέλος_επανάληψης\r\nΤέλος_προγράμματος\r\n");
    double xeirotern = 0;
    for (int i = 0; i < 10; ++i) {
        para8uro.sxeKwdikas->SetText(atermovo);
        para8uro.miMetaglwttisnClick();
        KleiseEkatommurio();
        // The key is due at `stigmn`; what counts is how late the engine lets it in, plus the stop.
        const int stigmn = 100 + 7 * i;
        QElapsedTimer xronos;
        xronos.start();
        QTimer::singleShot(stigmn, Qt::PreciseTimer, [&] {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(para8uro.miPausnEktelesns, &esc);
            para8uro.miPausnEktelesns->trigger();
        });
        para8uro.miEktelesnClick();
        xeirotern = std::max(xeirotern, xronos.nsecsElapsed() / 1e6 - stigmn);
    }
    std::printf("Esc: the run stopped at most %.3f ms after the key was due (10 tries)\n", xeirotern);
    return 0;
}

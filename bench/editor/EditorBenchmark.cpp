// Times the colouring of a 10,000-line program: the highlighter's scan alone, the source editor
// taking the text and colouring it, recolouring after a colour change, and the user screen
// taking 10,000 output lines one at a time. Prints the median of several rounds.
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/editor/DemoSetup.h"

using namespace kalmira;

namespace {

constexpr int Grammes = 10000;
constexpr int Gyroi = 5;

// A program of every token class, repeated to the wanted length.
QStringList MegaloProgramma()
{
    const QStringList komati{
        QStringLiteral("Πρόγραμμα Δοκιμή !μια δοκιμή ταχύτητας"),
        QStringLiteral("Σταθερές"),
        QStringLiteral("  π = 3,14159"),
        QStringLiteral("Μεταβλητές"),
        QStringLiteral("  ακέραιες: α, β, γ[100], x1"),
        QStringLiteral("  πραγματικές: ρ, σ"),
        QStringLiteral("  χαρακτήρες: όνομα"),
        QStringLiteral("Αρχή"),
        QStringLiteral("  Για α από 1 μέχρι 100 με_βήμα 2"),
        QStringLiteral("    γ[α] ← α * α div 3 mod 7"),
        QStringLiteral("    Αν γ[α] ≥ 10 και όχι (α ≠ 5) τότε"),
        QStringLiteral("      Γράψε 'Η τιμή είναι ', γ[α], \" μονάδες\""),
        QStringLiteral("    αλλιώς_αν α <= 3 τότε"),
        QStringLiteral("      ρ <-- Τ_Ρ(α) + ΗΜ(π / 2) # λάθος χαρακτήρας"),
        QStringLiteral("    Τέλος_αν"),
        QStringLiteral("  Τέλος_επανάληψης"),
        QStringLiteral("  Διάβασε όνομα"),
        QStringLiteral("  Γράψε 'Γεια σου, ', όνομα   ! χαιρετισμός"),
        QStringLiteral("Τέλος_προγράμματος"),
        QString(),
    };
    QStringList grammes;
    while (grammes.size() < Grammes)
        grammes += komati;
    return grammes.mid(0, Grammes);
}

// The median of several rounds, in milliseconds.
double Diameso(const std::function<void()>& proetoimasia, const std::function<void()>& metrnsn)
{
    std::vector<double> xronoi;
    for (int i = 0; i < Gyroi; ++i) {
        proetoimasia();
        QElapsedTimer xronos;
        xronos.start();
        metrnsn();
        xronoi.push_back(static_cast<double>(xronos.nsecsElapsed()) / 1e6);
    }
    std::sort(xronoi.begin(), xronoi.end());
    return xronoi[xronoi.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList programma = MegaloProgramma();
    const QString keimevo = programma.join(QStringLiteral("\r\n"));

    TKalmiraHighlighter highlighter;
    long long lekseis = 0;
    const double sarwsn = Diameso([] {}, [&] {
        lekseis = 0;
        for (int i = 0; i < programma.size(); ++i) {
            for (highlighter.SetLine(programma[i], i); !highlighter.GetEol(); highlighter.Next())
                ++lekseis;
        }
    });

    TSyntaxEdit kwdikas;
    RuymiseKwdika(kwdikas, highlighter);
    kwdikas.resize(800, 600);
    const double fortwsn = Diameso([&] { kwdikas.SetText(QString()); }, [&] { kwdikas.SetText(keimevo); });

    bool plagia = false;
    const double epavaxrwmatismos = Diameso([] {}, [&] {
        plagia = !plagia;
        highlighter.MorfnSxoliwv()->SetStyle(plagia ? TFontStyles() : TFontStyles(fsItalic));
    });

    TSyntaxEdit o8ovn;
    Ruymise8ovnXrnstn(o8ovn);
    o8ovn.resize(400, 600);
    const double prosartnsn = Diameso([&] { o8ovn.SetText(QString()); }, [&] {
        for (const QString& grammn : programma)
            o8ovn.AppendLine(grammn);
    });

    std::printf("Colouring a %d-line program (%lld tokens), median of %d rounds:\n", Grammes, lekseis, Gyroi);
    std::printf("  highlighter scan alone          %8.2f ms  (%.0f ns per line)\n", sarwsn, sarwsn * 1e6 / Grammes);
    std::printf("  source editor SetText, coloured %8.2f ms\n", fortwsn);
    std::printf("  recolour after a colour change  %8.2f ms\n", epavaxrwmatismos);
    std::printf("  user screen, %d AppendLine   %8.2f ms  (%.1f us per line)\n", Grammes, prosartnsn,
                prosartnsn * 1e3 / Grammes);
    return 0;
}

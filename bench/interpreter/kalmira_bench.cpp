// Benchmarks of the language: the six reference programs run in-process (statements per second),
// compiling a 20,000-line program, and a 100,000-term expression. Prints one line per figure.
//
//   kalmira-bench [PROGRAMS_DIR]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "core/uProgramma.h"
#include "front/uLa8os.h"

using namespace kalmira;
namespace fs = std::filesystem;

namespace {

using Roloi = std::chrono::steady_clock;

double Deuterolepta(Roloi::duration d) { return std::chrono::duration<double>(d).count(); }

// The best of several runs of f, in seconds.
double Kalutero(int fores, const std::function<void()>& f)
{
    double kalutero = 1e9;
    for (int i = 0; i < fores; ++i) {
        auto ar3n = Roloi::now();
        f();
        kalutero = std::min(kalutero, Deuterolepta(Roloi::now() - ar3n));
    }
    return kalutero;
}

std::u16string DiabaseUtf8(const fs::path& arxeio)
{
    std::ifstream in(arxeio, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::u16string keimevo;
    for (char16_t c : ApoUtf8(s.str())) {
        if (c == u'\n')
            keimevo += u'\r';
        keimevo += c;
    }
    return keimevo;
}

// Runs the six programs; false when one of them did not compile or printed other than expected.
bool Programmata(const fs::path& fakelos)
{
    bool ola = true;
    const char* ovomata[] = {"loop_sum", "primes", "bubble_sort", "real_math", "strings", "collatz"};
    for (const char* ovoma : ovomata) {
        const std::u16string pnyh = DiabaseUtf8(fakelos / (std::string(ovoma) + ".txt"));
        std::ifstream anamevomeno(fakelos / (std::string(ovoma) + ".expected"), std::ios::binary);
        std::stringstream s;
        s << anamevomeno.rdbuf();
        std::string e3odos;
        long long bnmata = 0;
        std::string la8os;  // the compile error, when there is one
        double xronos = Kalutero(5, [&] {
            e3odos.clear();
            TProgramma programma(nullptr, [&](const std::u16string& grammn) { e3odos += SeUtf8(grammn) + "\n"; });
            std::u16string keimevo = pnyh;
            if (!programma.Metaglwttisn(keimevo, 64)) {
                la8os = SeUtf8(programma.MnvumaLa8ous());
                return;
            }
            bnmata = programma.Ektelese(1LL << 62).Bnmata;
        });
        if (!la8os.empty()) {
            std::printf("%-12s not compiled: %s\n", ovoma, la8os.c_str());
            ola = false;
            continue;
        }
        const bool swstn = e3odos == s.str();
        ola = ola && swstn;
        std::printf("%-12s %7.3f s  %11lld statements  %6.1f M statements/s  %s\n", ovoma, xronos, bnmata, bnmata / xronos / 1e6,
                    swstn ? "output ok" : "OUTPUT DIFFERS");
    }
    return ola;
}

// A program of about 20,000 lines with every kind of statement, nested blocks and comments.
std::u16string MegaloProgramma(int omades)
{
    std::u16string s = u"Πρόγραμμα Μεγάλο\r\nΣταθερές\r\n  Ν = 100\r\nΜεταβλητές\r\n  ακέραιες: i, j, k, Π[Ν]\r\n"
                       u"  πραγματικές: x, y\r\n  χαρακτήρες: σ\r\n  λογικές: λ\r\nΑρχή\r\n";
    for (int i = 0; i < omades; ++i) {
        s += u"  ! ομάδα εντολών\r\n";
        s += u"  i <-- " + ApoUtf8(std::to_string(i)) + u" mod Ν + 1\r\n";
        s += u"  x <-- i / 3 + Τ_Ρ(i * 2,5)   ! σχόλιο στο τέλος\r\n";
        s += u"  Αν x > 10 και i <> 3 τότε\r\n    Π[i] <-- i * i - 1\r\n  αλλιώς_αν x < 2 τότε\r\n    Π[i] <-- 0\r\n";
        s += u"  αλλιώς\r\n    σ <-- 'κείμενο' + 'ακόμα'\r\n  Τέλος_αν\r\n";
        s += u"  Για j από 1 μέχρι 10 με_βήμα 2\r\n    Όσο k < j επανάλαβε\r\n      k <-- k + 1\r\n    Τέλος_επανάληψης\r\n";
        s += u"  Τέλος_επανάληψης\r\n  Επίλεξε i\r\n    Περίπτωση 1, 3..5:\r\n      λ <-- Αληθής\r\n";
        s += u"    Περίπτωση αλλιώς:\r\n      λ <-- Ψευδής\r\n  Τέλος_επιλογών\r\n";
    }
    s += u"  Γράψε 'τέλος'\r\nΤέλος_προγράμματος\r\n";
    return s;
}

void Metaglwttisn()
{
    const std::u16string pnyh = MegaloProgramma(952);
    const long long grammes = std::count(pnyh.begin(), pnyh.end(), u'\n');
    double xronos = Kalutero(5, [&] {
        TProgramma programma(nullptr, nullptr);
        std::u16string keimevo = pnyh;
        if (!programma.Metaglwttisn(keimevo, 64))
            std::printf("compile failed: %s\n", SeUtf8(programma.MnvumaLa8ous()).c_str());
    });
    std::printf("compile      %7.3f s  %lld source lines\n", xronos, grammes);

    std::u16string alusida = u"Πρόγραμμα Αλυσίδα\r\nΑρχή\r\n  Γράψε 1";
    for (int i = 1; i < 100000; ++i)
        alusida += u"+1";
    alusida += u"\r\nΤέλος_προγράμματος\r\n";
    xronos = Kalutero(3, [&] {
        TProgramma programma(nullptr, nullptr);
        std::u16string keimevo = alusida;
        if (!programma.Metaglwttisn(keimevo, 64))
            std::printf("compile failed: %s\n", SeUtf8(programma.MnvumaLa8ous()).c_str());
    });
    std::printf("chain        %7.3f s  compile of an expression of 100,000 terms\n", xronos);
}

}  // namespace

int main(int argc, char** argv)
{
    OriseDekadikoDiaxwristiko(u',');
    fs::path fakelos = argc > 1 ? fs::path(argv[1]) : fs::path(KALMIRA_BENCH_PROGRAMS);
    std::printf("array element: %zu bytes\n", sizeof(TTimn));
    const bool ola = Programmata(fakelos);
    Metaglwttisn();
    return ola ? 0 : 1;
}

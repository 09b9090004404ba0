// libFuzzer target: arbitrary bytes read as a program file. A program that compiles must give a
// regenerated text that compiles to itself, and the program and its regenerated text must run
// alike, for a bounded number of steps with canned input: the same output, the same error on the
// same line, and the same values at the end. Any difference, crash or sanitizer report is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <QByteArray>
#include <QString>

#include "core/uProgramma.h"
#include "front/uLa8os.h"
#include "front/uTimn.h"
#include "workbench/uArxeiaProgrammatos.h"

using namespace kalmira;

namespace {

// Bounds that keep one input to a fraction of a second: steps, values, output and input lines.
constexpr std::int64_t MegistaBnmata = 10000;
constexpr std::int64_t MnmnTimwvFuzz = 1024 * 1024;
constexpr std::size_t MegistnE3odos = 1 << 20;
constexpr int MegistesAnagvwseis = 64;

// What Διάβασε is given, in turn.
const char16_t* const Apantnseis[] = {u"1", u"0", u"-7", u"2,5", u"λέξη", u"", u"2147483647", u"1e400", u"x", u"-0,001", u"3"};

// A running 64-bit FNV-1a hash.
class TSuvopsn {
public:
    void Pros8ese(const void* dedomena, std::size_t mhkos)
    {
        const auto* b = static_cast<const unsigned char*>(dedomena);
        for (std::size_t i = 0; i < mhkos; ++i)
            h_ = (h_ ^ b[i]) * 1099511628211ULL;
    }
    void Pros8ese(std::u16string_view s)
    {
        Pros8ese(s.data(), s.size() * sizeof(char16_t));
        Pros8ese(std::uint64_t{s.size()});
    }
    template <class T>
    void Pros8ese(const T& timn)
    {
        Pros8ese(&timn, sizeof timn);
    }
    std::uint64_t Timn() const { return h_; }

private:
    std::uint64_t h_ = 14695981039346656037ULL;
};

void SuvopsnTimns(TSuvopsn& s, const TTimn& timn)
{
    s.Pros8ese(static_cast<int>(timn.Eidos()));
    switch (timn.Eidos()) {
    case TTimn::tmAkeraios: s.Pros8ese(timn.Akeraios()); break;
    case TTimn::tmPragmatikos: s.Pros8ese(timn.Pragmatikos()); break;
    case TTimn::tmLogikos: s.Pros8ese(timn.Logikos()); break;
    case TTimn::tmAlfari8mntiko: s.Pros8ese(std::u16string_view(timn.Alfari8mntiko())); break;
    case TTimn::tmPivakas:
        for (std::size_t i = 0; i < timn.Pivakas().Plnr8os(); ++i)
            SuvopsnTimns(s, timn.Pivakas()[i]);
        break;
    case TTimn::tmKevo: break;
    }
}

// What compiling and running one text did.
struct TIxnos {
    bool metaglwttistnke = false;
    std::u16string keimevo;  // the regenerated text, or the error
    std::uint64_t e3odos = 0, telos = 0;
    std::size_t grammes = 0;
    std::u16string la8os;
    int grammnLa8ous = -1;
    std::int64_t bnmata = 0;
    int epomevn = -1;
};

TIxnos Ektelese(std::u16string pnyh, int peri8wrio)
{
    TIxnos ixnos;
    TSuvopsn e3odos;
    std::size_t xaraktnres = 0;
    int anagvwseis = 0;
    TProgramma* trexon = nullptr;
    TProgramma programma(
        [&](const TEkfrasnMetablntns&, std::u16string& apantnsn) {
            if (anagvwseis == MegistesAnagvwseis)
                throw ELa8osEktelesns(std::u16string(MnvumaTermatismou));
            apantnsn = Apantnseis[anagvwseis++ % (sizeof Apantnseis / sizeof Apantnseis[0])];
        },
        [&](const std::u16string& grammn) {
            e3odos.Pros8ese(std::u16string_view(grammn));
            ++ixnos.grammes;
            xaraktnres += grammn.size();
            if (xaraktnres > MegistnE3odos)
                trexon->Termatismos();
        });
    trexon = &programma;
    ixnos.metaglwttistnke = programma.Metaglwttisn(pnyh, peri8wrio);
    if (!ixnos.metaglwttistnke) {
        ixnos.keimevo = programma.EidosLa8ous() + u"\n" + programma.MnvumaLa8ous();
        return ixnos;
    }
    ixnos.keimevo = std::move(pnyh);
    try {
        const TApotelesmaEktelesns apotelesma = programma.Ektelese(MegistaBnmata);
        ixnos.bnmata = apotelesma.Bnmata;
        ixnos.epomevn = apotelesma.EpomevnGrammn;
    } catch (const ELa8osKalmiras& la8os) {
        ixnos.la8os = la8os.Mnvuma();
        ixnos.grammnLa8ous = programma.TrexousaGrammn();
    }
    ixnos.e3odos = e3odos.Timn();
    TSuvopsn telos;
    for (const TTimnAvagvwristikou a : programma.Avagvwristika()) {
        telos.Pros8ese(std::u16string_view(a.Ovoma));
        telos.Pros8ese(a.Sta8era);
        SuvopsnTimns(telos, a.Timn);
    }
    ixnos.telos = telos.Timn();
    return ixnos;
}

[[noreturn]] void Eurnma(const char* ti, const std::u16string& a, const std::u16string& b)
{
    std::fprintf(stderr, "FINDING: %s\n--- program ---\n%s\n--- regenerated ---\n%s\n", ti, SeUtf8(a).c_str(), SeUtf8(b).c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    OriseOrioMnmns(MnmnTimwvFuzz);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dedomena, std::size_t mhkos)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(dedomena), static_cast<qsizetype>(mhkos));
    const std::u16string pnyh = AposkwdikopoinsnProgrammatos(bytes).toStdU16String();
    const int peri8wrio = 50 + static_cast<int>(mhkos % 151);
    const std::int64_t prin = MnmnTimwv();

    // The program and its regenerated text run one after the other, so that the budget of values
    // is the same for both.
    const TIxnos prwto = Ektelese(pnyh, peri8wrio);
    if (MnmnTimwv() != prin)
        Eurnma("the memory of values was not all given back", pnyh, prwto.keimevo);
    if (!prwto.metaglwttistnke)
        return 0;
    const TIxnos deutero = Ektelese(prwto.keimevo, peri8wrio);
    if (!deutero.metaglwttistnke)
        Eurnma("the regenerated text does not compile", prwto.keimevo, deutero.keimevo);
    if (deutero.keimevo != prwto.keimevo)
        Eurnma("the regenerated text regenerates differently", prwto.keimevo, deutero.keimevo);
    if (deutero.e3odos != prwto.e3odos || deutero.grammes != prwto.grammes)
        Eurnma("the output differs", pnyh, prwto.keimevo);
    if (deutero.la8os != prwto.la8os || deutero.grammnLa8ous != prwto.grammnLa8ous)
        Eurnma("the run-time error differs", prwto.la8os, deutero.la8os);
    if (deutero.bnmata != prwto.bnmata || deutero.epomevn != prwto.epomevn)
        Eurnma("the steps differ", pnyh, prwto.keimevo);
    if (deutero.telos != prwto.telos)
        Eurnma("the values at the end differ", pnyh, prwto.keimevo);
    if (MnmnTimwv() != prin)
        Eurnma("the memory of values was not all given back", pnyh, prwto.keimevo);
    return 0;
}

// Whole programs through the compile where the expression tests cannot reach: arrays too large to
// allocate, and flat chains long enough to overflow a recursion.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Desmeuseis.h"
#include "Voithitika.h"
#include "core/uProgramma.h"

using namespace voithitika;

namespace {

const std::string Suvtaktiko = "Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος";

}  // namespace

TEST(Metaglwttisn, ArraysTooLargeAreRefusedByNameOnTheirLine)
{
    // Products that overflow 32 or 64 bits must not slip through, nor be allocated.
    for (const char16_t* orio : {u"16777217", u"5000, 5000", u"4097, 4096", u"65536, 65536, 65536",
                                 u"2147483647, 2147483647, 2147483647, 2147483647", u"2147483648"}) {
        const TEkbasn e = Metaglwttise(Programma(u"Μεταβλητές\r\n  λογικές: Πίνακας[" + std::u16string(orio) + u"]\r\n", u""));
        EXPECT_EQ(e.eidos, Suvtaktiko) << U8(orio);
        EXPECT_EQ(e.mnvuma, "Ο πίνακας «Πίνακας» είναι πολύ μεγάλος") << U8(orio);
        EXPECT_EQ(e.grammn, 2) << U8(orio);
    }
}

TEST(Metaglwttisn, FlatChainsOfAHundredThousandTermsCompilePrintAndRun)
{
    const struct {
        std::u16string alusida;
        std::string timn;
    } periptwseis[] = {
        {u"1" + Epanalnpsn(u"+1", 99999), "100000"},
        {u"10" + Epanalnpsn(u"-1+1*1", 49999) + u"-x*2", "9"},
        {u"Ψευδής" + Epanalnpsn(u" ή Ψευδής", 99998) + u" ή Αληθής", "Αληθής"},
    };
    for (const auto& p : periptwseis) {
        const TEkbasn e = Metaglwttise(Programma(u"Μεταβλητές\r\n  πραγματικές: x\r\n", u"  x ← 0,5\r\n  Γράψε " + p.alusida + u"\r\n"));
        ASSERT_TRUE(e.metaglwttistnke) << e.mnvuma;
        EXPECT_EQ(e.e3odos, std::vector<std::string>{p.timn});
        EXPECT_NE(e.keimevo.find(u"  Γράψε " + p.alusida + u"\r\n"), std::u16string::npos);  // the listing keeps the chain
    }
}

TEST(Metaglwttisn, StringSumsAreBuiltOnceWhateverTheirLength)
{
    // Each chain is run once with its allocations counted: building it level by level would copy
    // its left part at every term, some ten thousand times its length.
    const std::u16string ab = Epanalnpsn(u" + 'ab'", 99999);
    const struct {
        std::u16string ekfrasn;
        std::string arxn;  // how the line written begins
        std::size_t mhkos;  // and its length in characters
    } periptwseis[] = {
        {u"'ab'" + ab, "ababab", 200000},
        // Computed operands in the chain, and the chain under a comparison that is itself longer
        // than the chains evaluated recursively.
        {u"s + ('x' + s)" + ab + u" + s", "abcxabcabab", 200008},
        {u"'ab'" + ab + u" = 'ab' + s", "Ψευδής", 6},
    };
    for (const auto& p : periptwseis) {
        std::vector<std::string> e3odos;
        TProgramma programma(nullptr, [&](const std::u16string& g) { e3odos.push_back(U8(g)); });
        std::u16string pnyh = Programma(u"Μεταβλητές\r\n  χαρακτήρες: s\r\n", u"  s ← 'abc'\r\n  Γράψε " + p.ekfrasn + u"\r\n");
        ASSERT_TRUE(programma.Metaglwttisn(pnyh, 80)) << U8(programma.MnvumaLa8ous());
        desmeuseis::TParakolou8nsn desmeuseis;
        programma.Ektelese(100);
        ASSERT_EQ(e3odos.size(), 1u);
        EXPECT_EQ(e3odos[0].substr(0, p.arxn.size()), p.arxn);
        EXPECT_EQ(U16(e3odos[0]).size(), p.mhkos);
        EXPECT_LT(desmeuseis.Bytes(), 16 * 2 * 200000u);
    }
}

TEST(Metaglwttisn, BlocksNestDeepAsTheLimitAndOneMoreIsRefusedWhereItOpens)
{
    // Αρχή is the first open block; each kind of block statement opens the others, and each is
    // entered once.
    const struct {
        std::u16string avoigma, kleisimo;
    } mplok[] = {
        {u"Αν α > 0 τότε", u"Τέλος_αν"},
        {u"Όσο ο = 1 επανάλαβε", u"Τέλος_επανάληψης"},
        {u"Για γ από 1 μέχρι 1", u"Τέλος_επανάληψης"},
        {u"Αρχή_επανάληψης", u"Μέχρις_ότου α > 0"},
        {u"Επίλεξε α περίπτωση 1:", u"Τέλος_επιλογών"},
    };
    for (int ba8os : {MegistoBa8osEvtolwv - 1, MegistoBa8osEvtolwv}) {
        std::u16string swma;
        for (int i = 0; i < ba8os; ++i)
            swma += mplok[i % 5].avoigma + u"\r\n";
        swma += u"Γράψε 'μέσα'\r\nο ← 0\r\n";
        for (int i = ba8os - 1; i >= 0; --i)
            swma += mplok[i % 5].kleisimo + u"\r\n";
        const TEkbasn e = Metaglwttise(Programma(u"Μεταβλητές\r\n  ακέραιες: α, ο, γ\r\n", u"α ← 1\r\nο ← 1\r\n" + swma));
        if (ba8os < MegistoBa8osEvtolwv) {
            ASSERT_TRUE(e.metaglwttistnke) << e.mnvuma;
            EXPECT_EQ(e.e3odos, std::vector<std::string>{"μέσα"});
            EXPECT_NE(e.keimevo.find(u"\r\n" + std::u16string(2 * MegistoBa8osEvtolwv, u' ') + u"Γράψε 'μέσα'\r\n"), std::u16string::npos);
        } else {
            EXPECT_EQ(e.eidos, Suvtaktiko);
            EXPECT_EQ(e.mnvuma, "Το πρόγραμμα έχει πάρα πολλά εμφωλευμένα επίπεδα εντολών");
            EXPECT_EQ(e.grammn, 6 + MegistoBa8osEvtolwv - 1);  // the line of the statement that goes too deep
        }
    }
}

TEST(Metaglwttisn, RunningOutOfMemoryAnywhereInTheCompileIsAMemoryError)
{
    // A string of 300,000 characters: the analyzer's copy of the text takes 600 KB, the string's
    // token grows to 1 MB. Allocations larger than the limit fail, first before the compile
    // proper, then inside it.
    const std::u16string pnyh = u"Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε '" + std::u16string(300000, u'x') + u"'\r\nΤέλος_προγράμματος\r\n";
    for (std::size_t orio : {256u << 10, 700u << 10}) {
        TProgramma programma(nullptr, nullptr);
        std::u16string keimevo = pnyh;
        bool metaglwttistnke = true;
        {
            desmeuseis::TParakolou8nsn desmeuseis(orio);
            try {
                metaglwttistnke = programma.Metaglwttisn(keimevo, 64);
            } catch (const std::exception& e) {
                ADD_FAILURE() << "an exception escaped the compile: " << e.what();
            }
            EXPECT_GT(desmeuseis.Apotuxies(), 0u) << orio;
        }
        EXPECT_FALSE(metaglwttistnke) << orio;
        EXPECT_EQ(U8(programma.EidosLa8ous()), "Έλλειψη μνήμης κατά την μεταγλώττιση του προγράμματος") << orio;
        EXPECT_EQ(U8(programma.MnvumaLa8ous()), "Δεν υπάρχει αρκετή μνήμη για να μεταγλωττιστεί το πρόγραμμα") << orio;
        EXPECT_EQ(keimevo, pnyh) << orio;  // the text is left as it was
        EXPECT_EQ(programma.EpomevoBnma(), -1);
    }
    // Below the size of the text's lines nothing fails but with that error, wherever the limit
    // falls; from some size on the compile succeeds.
    const std::u16string mikro = u"Πρόγραμμα Π\r\nΜεταβλητές\r\n  χαρακτήρες: s, Π[100]\r\nΑρχή\r\n  s ← '" + std::u16string(5000, u'y') +
                                 u"' + 'z'\r\n  Αν s = 'α' τότε\r\n    Γράψε s\r\n  Τέλος_αν\r\nΤέλος_προγράμματος\r\n";
    bool epituxia = false;
    for (std::size_t orio = 1024; orio <= (1u << 20); orio *= 2) {
        TProgramma programma(nullptr, nullptr);
        std::u16string keimevo = mikro;
        bool metaglwttistnke = false;
        {
            desmeuseis::TParakolou8nsn desmeuseis(orio);
            try {
                metaglwttistnke = programma.Metaglwttisn(keimevo, 64);
            } catch (const std::exception& e) {
                ADD_FAILURE() << "an exception escaped the compile: " << e.what();
            }
        }
        if (!metaglwttistnke) {
            EXPECT_EQ(U8(programma.EidosLa8ous()), "Έλλειψη μνήμης κατά την μεταγλώττιση του προγράμματος") << orio;
        }
        epituxia = epituxia || metaglwttistnke;
    }
    EXPECT_TRUE(epituxia);
}

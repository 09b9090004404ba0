// The program object as its callers see it: where a compile error lies in the caller's text, the
// view of the identifiers, what a program that did not compile does when stepped, and the guard on
// its lifetime against a handler that destroys, recompiles or steps it, or terminates its run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Voithitika.h"

using namespace voithitika;

namespace {

const std::string Suvtaktiko = "Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος";

// A program that reads κ and λ and writes them: lines 4 to 6 are the body.
const std::u16string DiabaseGrapse =
    Keimevo({"Πρόγραμμα Π", "Μεταβλητές", "  ακέραιες: κ, λ", "Αρχή", "  Διάβασε κ, λ", "  Γράψε κ", "  Γράψε λ", "Τέλος_προγράμματος"});

}  // namespace

TEST(Programma, TheErrorIsPlacedInTheTextTheCompileLeaves)
{
    const struct {
        std::u16string pnyh;
        std::string mnvuma;
        std::size_t ar3n;
        int grammn, stnln;
    } periptwseis[] = {
        {u"", "Περίμενα τη δεσμευμένη λέξη «πρόγραμμα» και βρήκα «-»", 0, 0, 0},
        {u"Αρχή", "Περίμενα τη δεσμευμένη λέξη «πρόγραμμα» και βρήκα «Αρχή»", 0, 0, 0},
        // "<--" has become "←" by the time the error is placed: the column counts one character.
        {u"Πρόγραμμα Π\r\nΜεταβλητές\r\n  ακέραιες: α\r\nΑρχή\r\n  α <-- β\r\nΤέλος_προγράμματος\r\n", "Άγνωστο αναγνωριστικό: «β»",
         52, 4, 6},
        // The end of the text: the caret goes after its last character.
        {u"Πρόγραμμα Π\r\nΑρχή\r\n  Γράψε 1", "Η λέξη «-» δεν είναι έγκυρη εντολή της Καλμίρας", 28, 2, 9},
        // A surrogate pair counts as two code units.
        {u"Πρόγραμμα Π\nΑρχή\n  Γράψε '😀', )\nΤέλος_προγράμματος\n", "Λάθος στοιχείο «)» κατά το διάβασμα έκφρασης", 31, 2, 14},
    };
    for (const auto& p : periptwseis) {
        TProgramma programma(nullptr, nullptr);
        std::u16string keimevo = p.pnyh;
        ASSERT_FALSE(programma.Metaglwttisn(keimevo, 64)) << U8(p.pnyh);
        EXPECT_EQ(U8(programma.EidosLa8ous()), Suvtaktiko);
        EXPECT_EQ(U8(programma.MnvumaLa8ous()), p.mnvuma);
        const TThesnLa8ous& thesn = programma.ThesnLa8ous();
        EXPECT_EQ(thesn.Ar3n, p.ar3n) << U8(p.pnyh);
        EXPECT_EQ(thesn.Grammn, p.grammn) << U8(p.pnyh);
        EXPECT_EQ(thesn.Stnln, p.stnln) << U8(p.pnyh);
        // The analyzer's own position, whose frame starts with a CR LF, past the end of the text at most.
        EXPECT_EQ(thesn.Ar3n, std::min(programma.SnmeioLa8ous() - 3, keimevo.size())) << U8(p.pnyh);

        // A program that did not compile has nothing to run.
        EXPECT_EQ(programma.EpomevoBnma(), -1);
        const TApotelesmaEktelesns a = programma.Ektelese(10);
        EXPECT_EQ(a.Bnmata, 0);
        EXPECT_EQ(a.EpomevnGrammn, -1);
        EXPECT_EQ(programma.TrexousaGrammn(), -1);
    }
}

TEST(Programma, TheIdentifiersAreViewedInDeclarationOrderWithTheirOwnValues)
{
    TEktelesn e(Keimevo({"Πρόγραμμα Προβολή", "Σταθερές", "  Όριο = 3", "Μεταβλητές", "  ακέραιες: κ, Π[1000]", "  χαρακτήρες: σ", "Αρχή",
                         "  Για κ από 1 μέχρι Όριο", "    Π[κ] ← κ", "  τέλος_επανάληψης", "  σ ← 'τέλος'", "Τέλος_προγράμματος"}));
    auto timesKaiOvomata = [&e](std::vector<std::string>& ovomata) {
        std::vector<const TTimn*> times;
        for (const TTimnAvagvwristikou a : e->Avagvwristika()) {
            ovomata.push_back(U8(a.Ovoma) + (a.Sta8era ? " σταθερά" : ""));
            times.push_back(&a.Timn);
        }
        return times;
    };
    std::vector<std::string> ovomata;
    const std::vector<const TTimn*> times = timesKaiOvomata(ovomata);
    EXPECT_EQ(ovomata, (std::vector<std::string>{"Όριο σταθερά", "κ", "Π", "σ"}));
    ASSERT_EQ(times.size(), 4u);
    EXPECT_EQ(U8(KeimevoTimns(*times[0])), "3");
    EXPECT_TRUE(times[1]->EivaiKevo());

    EXPECT_EQ(e->Ektelese(100).EpomevnGrammn, -1);
    // The values seen before the run show its result: they are the variables' own, not copies.
    std::vector<std::string> ksana;
    EXPECT_EQ(timesKaiOvomata(ksana), times);
    EXPECT_EQ(U8(KeimevoTimns(*times[1])), "4");
    ASSERT_EQ(times[2]->Eidos(), TTimn::tmPivakas);
    EXPECT_EQ(times[2]->Pivakas().Plnr8os(), 1000u);
    EXPECT_EQ(times[2]->Pivakas()[2].Akeraios(), 3);
    EXPECT_TRUE(times[2]->Pivakas()[3].EivaiKevo());
    EXPECT_EQ(U8(KeimevoTimns(*times[3])), "τέλος");
}

TEST(Programma, TerminatingFromInsideAHandlerEndsTheRunWhenItReturns)
{
    for (bool seEktelese : {false, true}) {
        int erwtnseis = 0;
        std::unique_ptr<TProgramma> p;
        p = std::make_unique<TProgramma>(
            [&](const TEkfrasnMetablntns&, std::u16string& apantnsn) {
                ++erwtnseis;
                apantnsn = u"5";
                if (erwtnseis == 1)
                    p->Termatismos();
            },
            [](const std::u16string&) {});
        std::u16string keimevo = DiabaseGrapse;
        ASSERT_TRUE(p->Metaglwttisn(keimevo, 64));
        EXPECT_EQ(p->EpomevoBnma(), 4);
        const std::string la8os = La8os<ELa8osEktelesns>([&] {
            if (seEktelese)
                p->Ektelese(100);
            else
                p->EpomevoBnma();
        });
        EXPECT_EQ(la8os, "TERMATISMENO");
        // The answer given with the termination is not stored and λ is not asked for.
        EXPECT_EQ(erwtnseis, 1);
        EXPECT_EQ(p->TrexousaGrammn(), -1);
        EXPECT_TRUE((*p->Avagvwristika().begin()).Timn.EivaiKevo());
        // The next step begins a new run, and the handlers work as before.
        EXPECT_EQ(p->EpomevoBnma(), 4);
        EXPECT_EQ(p->Ektelese(100).EpomevnGrammn, -1);
        EXPECT_EQ(erwtnseis, 3);
    }
}

// Each misuse from inside a handler stops the process with the routine's name on standard error.
TEST(ProgrammaDeathTest, DestroyingCompilingOrSteppingFromInsideAHandlerStopsTheProcess)
{
    enum TKakiXrnsn { kxKatastrofn, kxMetaglwttisn, kxEpomevoBnma, kxEktelese };
    auto ektelesn = [](TKakiXrnsn kaki, bool apoDiabase, bool seEktelese) {
        std::unique_ptr<TProgramma> p;
        auto xrnsn = [&] {
            std::u16string allo = DiabaseGrapse;
            switch (kaki) {
            case kxKatastrofn: p.reset(); break;
            case kxMetaglwttisn: p->Metaglwttisn(allo, 64); break;
            case kxEpomevoBnma: p->EpomevoBnma(); break;
            case kxEktelese: p->Ektelese(1); break;
            }
        };
        p = std::make_unique<TProgramma>(
            [&](const TEkfrasnMetablntns&, std::u16string& apantnsn) {
                apantnsn = u"1";
                if (apoDiabase)
                    xrnsn();
            },
            [&](const std::u16string&) {
                if (!apoDiabase)
                    xrnsn();
            });
        std::u16string keimevo = DiabaseGrapse;
        if (p->Metaglwttisn(keimevo, 64)) {
            if (seEktelese)
                p->Ektelese(100);
            else
                while (p->EpomevoBnma() >= 0) {
                }
        }
        std::exit(0);  // reached only when the misuse went unnoticed
    };
    for (bool apoDiabase : {false, true}) {
        for (bool seEktelese : {false, true}) {
            EXPECT_DEATH(ektelesn(kxKatastrofn, apoDiabase, seEktelese), "~TProgramma");
            EXPECT_DEATH(ektelesn(kxMetaglwttisn, apoDiabase, seEktelese), "Metaglwttisn");
            EXPECT_DEATH(ektelesn(kxEpomevoBnma, apoDiabase, seEktelese), "EpomevoBnma");
            EXPECT_DEATH(ektelesn(kxEktelese, apoDiabase, seEktelese), "Ektelese");
        }
    }
    // A program object compiles once, inside a handler or not.
    EXPECT_DEATH(
        {
            TProgramma programma(nullptr, nullptr);
            std::u16string keimevo = u"λάθος";
            programma.Metaglwttisn(keimevo, 64);
            keimevo = DiabaseGrapse;
            programma.Metaglwttisn(keimevo, 64);
        },
        "Metaglwttisn");
}

TEST(Programma, TheTextAfterTheEndIsKeptAsWritten)
{
    const struct {
        std::u16string pnyh;
        std::u16string meta;
    } periptwseis[] = {
        {u"Πρόγραμμα Π\r\nΑρχή\r\nΤέλος_προγράμματος\r\n  \r\n", u""},
        {u"Πρόγραμμα Π\r\nΑρχή\r\nτέλος_ΠΡΟΓΡΑΜΜΑΤΟΣ !τέλος\r\nΣημειώσεις: α <-- 1\r\n",
         u" !τέλος\r\nΣημειώσεις: α ← 1\r\n"},
        {u"Πρόγραμμα Π Αρχή Τέλος_προγράμματος 42", u" 42"},
    };
    for (const auto& p : periptwseis) {
        TProgramma programma(nullptr, nullptr);
        std::u16string keimevo = p.pnyh;
        ASSERT_TRUE(programma.Metaglwttisn(keimevo, 64)) << U8(p.pnyh);
        EXPECT_EQ(U8(programma.KeimevoMetaToTelos()), U8(p.meta));
        // The regenerated text itself ends with the end of the program.
        EXPECT_TRUE(keimevo.ends_with(u"Τέλος_προγράμματος\r\n"));
    }
}

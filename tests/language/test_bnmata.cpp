// Running a program step by step: the lines that EpomevoBnma reports for every statement kind,
// the emptying of every variable when a run begins again, output across runs, run-time errors
// that leave the failing statement current, and batches of steps (Ektelese) that do exactly what
// the same number of single steps does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "Voithitika.h"

using namespace voithitika;

namespace {

// A program with the variables κ, λ and Α[2] and the given body: the body's first line is line 4.
std::u16string Programma(std::initializer_list<std::string_view> swma)
{
    std::u16string keimevo = Keimevo({"Πρόγραμμα Π", "Μεταβλητές", "  ακέραιες: κ, λ, Α[2]", "Αρχή"});
    keimevo += Keimevo(swma);
    return keimevo + Keimevo({"Τέλος_προγράμματος"});
}

// The identifiers as the variables view shows them: "name=value", "name==value" for a constant.
std::vector<std::string> Times(const TProgramma& programma)
{
    std::vector<std::string> times;
    for (const TTimnAvagvwristikou a : programma.Avagvwristika())
        times.push_back(U8(a.Ovoma) + (a.Sta8era ? "==" : "=") + U8(KeimevoTimns(a.Timn)));
    return times;
}

// The two ways of taking one step.
enum class TTropos { EpomevoBnma, Ektelese };

int Bnma(TProgramma& programma, TTropos tropos)
{
    return tropos == TTropos::EpomevoBnma ? programma.EpomevoBnma() : programma.Ektelese(1).EpomevnGrammn;
}

// What single steps do from a fresh compile until the program ends or fails, or `orio` steps.
struct TIxnos {
    std::vector<int> grammes;  // the line each step reported
    std::vector<std::string> e3odos;
    std::vector<std::string> times;  // the variables afterwards
    std::string la8os;               // the run-time error that stopped the run, if one did
    int grammnLa8ous = -1;           // and the line that TrexousaGrammn gave then
};

TIxnos MovaBnmata(const std::u16string& keimevo, const std::vector<std::string>& eisodos, TTropos tropos, int orio = 1000)
{
    TEktelesn e(keimevo, eisodos);
    TIxnos ixnos;
    try {
        for (int i = 0; i < orio; ++i) {
            ixnos.grammes.push_back(Bnma(*e, tropos));
            if (ixnos.grammes.back() < 0)
                break;
        }
    } catch (const ELa8osKalmiras& la8os) {
        ixnos.la8os = U8(la8os.Mnvuma());
        ixnos.grammnLa8ous = e->TrexousaGrammn();
    }
    ixnos.e3odos = e.e3odos;
    ixnos.times = Times(*e);
    return ixnos;
}

struct TPeriptwsn {
    const char* ti;
    std::u16string keimevo;
    std::vector<std::string> eisodos;
    std::vector<int> grammes;  // what EpomevoBnma reports, -1 at the end
};

// An Αν and an Επίλεξε of three branches each, after the assignment that chooses the branch.
std::u16string Av(std::string_view ana8esn)
{
    return Programma({ana8esn, "  Αν κ = 1 τότε", "    Γράψε 'α'", "  αλλιώς_αν κ = 2 τότε", "    Γράψε 'β'", "  αλλιώς", "    Γράψε 'γ'", "  τέλος_αν"});
}
std::u16string Epilese(std::string_view ana8esn)
{
    return Programma({ana8esn, "  Επίλεξε κ", "  περίπτωση 1:", "    Γράψε 'α'", "  περίπτωση 2 .. 4, 6:", "    Γράψε 'β'", "  περίπτωση αλλιώς:",
                      "    Γράψε 'γ'", "  τέλος_επιλογών"});
}

const std::vector<TPeriptwsn>& Periptwseis()
{
    static const std::vector<TPeriptwsn> periptwseis{
        {"the heading, sections and comment lines are passed; input, assignment, output",
         Keimevo({"!αρχή", "Πρόγραμμα Π", "Σταθερές", "  Ν = 2", "Μεταβλητές", "  ακέραιες: κ, Α[2]", "  χαρακτήρες: σ", "Αρχή",
                  "  κ ← Ν", "!ανάμεσα", "  Διάβασε σ", "  Α[κ-1] ← κ+1", "  Γράψε σ, Α[1]", "Τέλος_προγράμματος"}),
         {"λέξη"},
         {8, 10, 11, 12, 13, -1}},
        {"an empty body", Keimevo({"Πρόγραμμα Π", "Αρχή", "Τέλος_προγράμματος"}), {}, {2, -1}},
        {"Αν, first branch", Av("  κ ← 1"), {}, {4, 5, 6, 11, 12, -1}},
        {"Αν, αλλιώς_αν branch", Av("  κ ← 2"), {}, {4, 5, 7, 8, 11, 12, -1}},
        {"Αν, αλλιώς branch", Av("  κ ← 3"), {}, {4, 5, 7, 9, 10, 11, 12, -1}},
        {"Αν with an empty branch, and a false Αν without αλλιώς",
         Programma({"  κ ← 1", "  Αν κ = 1 τότε", "  αλλιώς", "    Γράψε 'γ'", "  τέλος_αν", "  Αν κ = 2 τότε", "    Γράψε 'β'", "  τέλος_αν"}),
         {},
         {4, 5, 8, 9, 11, 12, -1}},
        {"Επίλεξε, first case", Epilese("  κ ← 1"), {}, {4, 5, 6, 7, 12, 13, -1}},
        {"Επίλεξε, a range", Epilese("  κ ← 3"), {}, {4, 5, 6, 8, 9, 12, 13, -1}},
        {"Επίλεξε, περίπτωση αλλιώς", Epilese("  κ ← 7"), {}, {4, 5, 6, 8, 10, 11, 12, 13, -1}},
        {"Όσο: the test on its own line before every pass and once more at the end",
         Programma({"  κ ← 1", "  Όσο κ < 3 επανάλαβε", "    κ ← κ+1", "  τέλος_επανάληψης"}),
         {},
         {4, 5, 6, 5, 6, 5, 7, 8, -1}},
        {"Όσο without a pass", Programma({"  κ ← 5", "  Όσο κ < 3 επανάλαβε", "    κ ← κ+1", "  τέλος_επανάληψης"}), {}, {4, 5, 7, 8, -1}},
        {"Για upwards, downwards and without a pass",
         Programma({"  Για κ από 1 μέχρι 2", "    Γράψε κ", "  τέλος_επανάληψης", "  Για κ από 2 μέχρι 1 με_βήμα -1", "    Γράψε κ",
                    "  τέλος_επανάληψης", "  Για κ από 3 μέχρι 1", "    Γράψε κ", "  τέλος_επανάληψης"}),
         {},
         {4, 5, 4, 5, 4, 6, 7, 8, 7, 8, 7, 9, 10, 12, 13, -1}},
        {"Αρχή_επανάληψης: the body again from its first statement",
         Programma({"  κ ← 1", "  Αρχή_επανάληψης", "    κ ← κ+1", "  μέχρις_ότου κ > 2"}),
         {},
         {4, 5, 6, 7, 6, 7, 8, -1}},
    };
    return periptwseis;
}

// Programs whose run fails: the lines before the failing step, the message, the failing line.
struct TPeriptwsnLa8ous {
    std::u16string keimevo;
    std::vector<std::string> eisodos;
    std::vector<int> grammes;
    std::string la8os;
    int grammnLa8ous;
};

const std::vector<TPeriptwsnLa8ous>& PeriptwseisLa8ous()
{
    static const std::vector<TPeriptwsnLa8ous> periptwseis{
        {Programma({"  κ ← 0", "  Γράψε 'πριν'", "  κ ← 1 div κ", "  Γράψε 'μετά'"}), {}, {4, 5, 6}, "Division by zero", 6},
        {Programma({"  Για κ από 1 μέχρι 3", "    Αν κ = 2 τότε", "      Γράψε λ", "    τέλος_αν", "  τέλος_επανάληψης"}),
         {},
         {4, 5, 7, 4, 5, 6},
         "Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «λ» ενώ αυτή δεν έχει αρχικοποιηθεί",
         6},
        {Programma({"  Γράψε 'πριν'", "  Για κ από 1 μέχρι 3 με_βήμα 0", "    Γράψε κ", "  τέλος_επανάληψης"}),
         {},
         {4, 5},
         "Απαγορεύεται το βήμα της εντολής «Για» να είναι μηδέν",
         5},
        {Programma({"  Διάβασε κ", "  Διάβασε λ", "  Γράψε κ"}),
         {"4", "abc"},
         {4, 5},
         "Το πρόγραμμα ήθελε να διαβάσει την ακέραια μεταβλητή «λ» αλλά εσύ έδωσες «abc»",
         5},
        {Programma({"  κ ← 3", "  Α[κ] ← 1"}), {}, {4, 5}, "Ο 1ος δείκτης του πίνακα «Α» έχει τιμή «3», δηλαδή είναι εκτός διαστάσεων", 5},
        {Programma({"  Διάβασε κ", "  Διάβασε λ"}), {"1"}, {4, 5}, "TERMATISMENO", 5},
    };
    return periptwseis;
}

}  // namespace

TEST(Bnmata, EachStepReportsTheZeroBasedLineThatRunsNextThenMinusOneThenStartsOver)
{
    for (const TPeriptwsn& p : Periptwseis()) {
        for (TTropos tropos : {TTropos::EpomevoBnma, TTropos::Ektelese}) {
            TEktelesn e(p.keimevo, p.eisodos);
            EXPECT_EQ(e->TrexousaGrammn(), -1) << p.ti;
            std::vector<int> grammes;
            for (std::size_t i = 0; i < p.grammes.size() + 5 && (grammes.empty() || grammes.back() >= 0); ++i) {
                grammes.push_back(Bnma(*e, tropos));
                EXPECT_EQ(e->TrexousaGrammn(), grammes.back()) << p.ti;
            }
            EXPECT_EQ(grammes, p.grammes) << p.ti;
            // The step after the end begins a new run.
            e.eisodos = {p.eisodos.begin(), p.eisodos.end()};
            EXPECT_EQ(Bnma(*e, tropos), p.grammes.front()) << p.ti;
        }
    }
}

TEST(Bnmata, EveryVariableIsEmptiedWhenARunBeginsAgain)
{
    const std::u16string keimevo =
        Keimevo({"Πρόγραμμα Επαναφορά", "Σταθερές", "  Ν = 2", "Μεταβλητές", "  ακέραιες: κ, Α[2]", "  πραγματικές: χ", "  χαρακτήρες: σ",
                 "  λογικές: λ, Β[2, 2]", "Αρχή", "  Διάβασε κ", "  Α[1] ← 5", "  χ ← 2,5", "  σ ← 'κείμενο'", "  λ ← Αληθής",
                 "  Β[2, 1] ← Ψευδής", "  Αν κ = 2 τότε", "    Γράψε Α[Ν]", "  τέλος_αν", "Τέλος_προγράμματος"});
    const std::vector<std::string> adeies{"Ν==2", "κ=-", "Α=(-, -)", "χ=-", "σ=-", "λ=-", "Β=(-, -, -, -)"};
    // A boolean inside an array shows the platform's text for it.
    auto gemates = [](const char* k) {
        return std::vector<std::string>{"Ν==2", std::string("κ=") + k, "Α=(5, -)", "χ=2,5", "σ=κείμενο", "λ=Αληθής", "Β=(-, -, False, -)"};
    };
    for (TTropos tropos : {TTropos::EpomevoBnma, TTropos::Ektelese}) {
        // After the end: the values stay for the variables view until the next run begins.
        {
            TEktelesn e(keimevo, {"1", "1"});
            EXPECT_EQ(Times(*e), adeies);
            while (Bnma(*e, tropos) >= 0) {
            }
            EXPECT_EQ(Times(*e), gemates("1"));
            EXPECT_EQ(Bnma(*e, tropos), 9);
            EXPECT_EQ(Times(*e), adeies);
        }
        // After Termatismos in the middle of a run.
        {
            TEktelesn e(keimevo, {"1", "1"});
            while (Bnma(*e, tropos) != 15) {
            }
            e->Termatismos();
            EXPECT_EQ(e->TrexousaGrammn(), -1);
            EXPECT_EQ(Times(*e), gemates("1"));
            EXPECT_EQ(Bnma(*e, tropos), 9);
            EXPECT_EQ(Times(*e), adeies);
        }
        // After a run-time error and the Termatismos that follows it.
        {
            TEktelesn e(keimevo, {"2", "2"});
            EXPECT_THROW(
                {
                    while (Bnma(*e, tropos) >= 0) {
                    }
                },
                ELa8osEktelesns);
            EXPECT_EQ(e->TrexousaGrammn(), 16);
            EXPECT_EQ(Times(*e), gemates("2"));
            e->Termatismos();
            EXPECT_EQ(Bnma(*e, tropos), 9);
            EXPECT_EQ(Times(*e), adeies);
            EXPECT_EQ(Bnma(*e, tropos), 10);
            EXPECT_EQ(Times(*e)[1], "κ=2");
        }
    }
}

TEST(Bnmata, OutputAndInputCarryOnAcrossRuns)
{
    for (TTropos tropos : {TTropos::EpomevoBnma, TTropos::Ektelese}) {
        TEktelesn e(Programma({"  Διάβασε κ", "  Γράψε 'κ = ', κ"}), {"1", "2", "3"});
        for (int ektelesn = 0; ektelesn < 3; ++ektelesn) {
            while (Bnma(*e, tropos) >= 0) {
            }
        }
        EXPECT_EQ(e.e3odos, (std::vector<std::string>{"κ = 1", "κ = 2", "κ = 3"}));
    }
}

TEST(Bnmata, ARunTimeErrorLeavesTheFailingStatementCurrent)
{
    for (const TPeriptwsnLa8ous& p : PeriptwseisLa8ous()) {
        for (TTropos tropos : {TTropos::EpomevoBnma, TTropos::Ektelese}) {
            const TIxnos ixnos = MovaBnmata(p.keimevo, p.eisodos, tropos);
            EXPECT_EQ(ixnos.grammes, p.grammes) << p.la8os;
            EXPECT_EQ(ixnos.la8os, p.la8os);
            EXPECT_EQ(ixnos.grammnLa8ous, p.grammnLa8ous) << p.la8os;
        }
        // Stepping again repeats the failing statement (with the same input); Termatismos ends the run.
        TEktelesn e(p.keimevo, p.eisodos);
        for (std::size_t i = 0; i < p.grammes.size(); ++i)
            e->EpomevoBnma();
        const std::deque<std::string> ypoloipo = e.eisodos;
        for (int fora = 0; fora < 2; ++fora) {
            e.eisodos = ypoloipo;
            EXPECT_EQ(La8os<ELa8osKalmiras>([&] { e->EpomevoBnma(); }), p.la8os);
            EXPECT_EQ(e->TrexousaGrammn(), p.grammnLa8ous);
        }
        e->Termatismos();
        EXPECT_EQ(e->TrexousaGrammn(), -1);
    }
}

TEST(Bnmata, ABatchOfStepsDoesWhatAsManySingleStepsDo)
{
    struct TProgrammaEisodos {
        std::u16string keimevo;
        std::vector<std::string> eisodos;
    };
    std::vector<TProgrammaEisodos> programmata;
    for (const TPeriptwsn& p : Periptwseis())
        programmata.push_back({p.keimevo, p.eisodos});
    for (const TPeriptwsnLa8ous& p : PeriptwseisLa8ous())
        programmata.push_back({p.keimevo, p.eisodos});
    programmata.push_back({Programma({"  κ ← 0", "  Όσο Αληθής επανάλαβε", "    κ ← κ+1", "    Γράψε κ", "  τέλος_επανάληψης"}), {}});

    const int orio = 1000;  // the endless loop stops here
    for (const auto& [keimevo, eisodos] : programmata) {
        const TIxnos mova = MovaBnmata(keimevo, eisodos, TTropos::EpomevoBnma, orio);
        const std::string ti = mova.e3odos.empty() ? U8(keimevo) : mova.e3odos.front();
        // The steps that succeed, each reporting its line.
        const std::size_t n = mova.grammes.size();
        ASSERT_GT(n, 0u) << ti;

        for (std::int64_t megethos : {1, 2, 3, 7, orio}) {
            TEktelesn e(keimevo, eisodos);
            std::size_t egivav = 0;
            std::string la8os;
            try {
                while (egivav < n) {
                    const std::int64_t zntnsn = std::min<std::int64_t>(megethos, static_cast<std::int64_t>(n - egivav));
                    const TApotelesmaEktelesns a = e->Ektelese(zntnsn);
                    egivav += static_cast<std::size_t>(a.Bnmata);
                    ASSERT_GE(egivav, 1u) << ti;
                    EXPECT_EQ(a.EpomevnGrammn, mova.grammes[egivav - 1]) << ti << ", batches of " << megethos;
                    EXPECT_EQ(a.TeleutaiaGrammn, egivav >= 2 ? mova.grammes[egivav - 2] : -1) << ti << ", batches of " << megethos;
                    if (a.EpomevnGrammn < 0)
                        break;
                    EXPECT_EQ(a.Bnmata, zntnsn) << ti << ", batches of " << megethos;
                }
                EXPECT_EQ(egivav, n) << ti << ", batches of " << megethos;
                if (!mova.la8os.empty())
                    e->Ektelese(megethos);  // the step that fails comes right after the same number of steps
            } catch (const ELa8osKalmiras& la8n) {
                la8os = U8(la8n.Mnvuma());
            }
            EXPECT_EQ(la8os, mova.la8os) << ti << ", batches of " << megethos;
            EXPECT_EQ(e->TrexousaGrammn(), mova.la8os.empty() ? mova.grammes.back() : mova.grammnLa8ous) << ti;
            EXPECT_EQ(e.e3odos, mova.e3odos) << ti << ", batches of " << megethos;
            EXPECT_EQ(Times(*e), mova.times) << ti << ", batches of " << megethos;
        }

        // One batch as large as the whole run.
        TEktelesn e(keimevo, eisodos);
        std::string la8os;
        try {
            const TApotelesmaEktelesns a = e->Ektelese(orio);
            EXPECT_EQ(a.Bnmata, static_cast<std::int64_t>(n)) << ti;
            EXPECT_EQ(a.EpomevnGrammn, mova.grammes.back()) << ti;
        } catch (const ELa8osKalmiras& la8n) {
            la8os = U8(la8n.Mnvuma());
        }
        EXPECT_EQ(la8os, mova.la8os) << ti;
        EXPECT_EQ(e->TrexousaGrammn(), mova.la8os.empty() ? mova.grammes.back() : mova.grammnLa8ous) << ti;
        EXPECT_EQ(e.e3odos, mova.e3odos) << ti;
    }
}

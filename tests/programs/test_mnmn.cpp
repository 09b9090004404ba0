// Memory through the runner: allocation failures wherever they happen end in a Greek message and
// the documented exit code, never in an exception that escapes.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "Desmeuseis.h"
#include "Voithitika.h"
#include "front/uTimn.h"

using namespace voithitika;

TEST(MnmnEktelesn, EveryAllocationFailureEndsInAMessageAndItsExitCode)
{
    // A text of 150,000 characters, most of them in one string: the runner's copy of the text takes
    // 300 KB, the compile's copies and the string's token more, and the run doubles the string
    // four times. Every allocation larger than the limit fails, the limit doubling from 4 KB.
    const TProswrinosFakelos fakelos;
    const std::string arxeio = fakelos.Arxeio("mnmn.txt",
                                      "Πρόγραμμα Μνήμη\nΜεταβλητές\n  χαρακτήρες: s\n  ακέραιες: ι\nΑρχή\n  s <-- '" +
                                          std::string(150000, 'x') +
                                          "'\n  Για ι από 1 μέχρι 4\n    s <-- s + s\n  Τέλος_επανάληψης\n  Γράψε 'τέλος'\nΤέλος_προγράμματος\n");
    std::map<int, std::size_t> kwdikoi;  // each exit code seen, with the first limit that gave it
    for (std::size_t orio = 4096; orio <= (64u << 20); orio *= 2) {
        TApotelesma a;
        bool e3airesn = false;
        {
            desmeuseis::TParakolou8nsn desmeuseis(orio);
            try {
                a = Ektelese({"run", arxeio}, "");
            } catch (...) {
                e3airesn = true;
            }
        }
        ASSERT_FALSE(e3airesn) << "an exception escaped the runner with allocations limited to " << orio;
        kwdikoi.try_emplace(a.kwdikos, orio);
        switch (a.kwdikos) {
        case 0: EXPECT_EQ(a.e3odos, "τέλος\n") << orio; break;
        case 1:  // at the place the compile had reached
            EXPECT_TRUE(a.la8n.starts_with(arxeio + ":")) << orio << ": " << a.la8n;
            EXPECT_TRUE(a.la8n.ends_with(": Έλλειψη μνήμης κατά την μεταγλώττιση του προγράμματος\n"
                                         "Δεν υπάρχει αρκετή μνήμη για να μεταγλωττιστεί το πρόγραμμα\n"))
                << orio << ": " << a.la8n;
            break;
        case 2:
            EXPECT_EQ(a.e3odos, "Σφάλμα εκτέλεσης!\nΔεν υπάρχει αρκετή μνήμη για να συνεχιστεί η εκτέλεση του προγράμματος\n") << orio;
            EXPECT_EQ(a.la8n, arxeio + ":8: Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε\n") << orio;
            break;
        case 6:
            EXPECT_EQ(a.e3odos, "") << orio;
            EXPECT_EQ(a.la8n, "kalmira-cli: Δεν υπάρχει αρκετή μνήμη για να συνεχιστεί η εργασία\n") << orio;
            break;
        default: ADD_FAILURE() << "exit code " << a.kwdikos << " with allocations limited to " << orio << ": " << a.la8n;
        }
    }
    // Each stage ran out in turn: reading, compiling, running, then nothing.
    std::set<int> eidn;
    for (const auto& [kwdikos, orio] : kwdikoi)
        eidn.insert(kwdikos);
    EXPECT_EQ(eidn, (std::set<int>{0, 1, 2, 6}));
    EXPECT_LT(kwdikoi[6], kwdikoi[1]);
    EXPECT_LT(kwdikoi[1], kwdikoi[2]);
    EXPECT_LT(kwdikoi[2], kwdikoi[0]);
}

TEST(MnmnEktelesn, MaxMemorySetsTheBudgetOfEachRun)
{
    const TProswrinosFakelos fakelos;
    // Two million elements of 16 bytes: 32 MB.
    const std::string diadromn = fakelos.Arxeio("pivakas.txt",
                                      "Πρόγραμμα Πίνακας\nΜεταβλητές\n  ακέραιες: Μεγάλος[2000000]\nΑρχή\n  Μεγάλος[2000000] <-- 5\n"
                                      "  Γράψε Μεγάλος[2000000]\nΤέλος_προγράμματος\n");
    const std::string la8os = diadromn + ":3:28: Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος\n"
                                       "Ο πίνακας «Μεγάλος» χρειάζεται περισσότερη μνήμη από όση απομένει από τα 16 MB που "
                                       "επιτρέπονται για τις τιμές του προγράμματος\n";
    for (const char* entoln : {"check", "run"}) {
        const TApotelesma a = Ektelese({entoln, "--max-memory", "16", diadromn}, "");
        EXPECT_EQ(a.kwdikos, 1);
        EXPECT_EQ(a.la8n, la8os);
    }
    const TApotelesma megalo = Ektelese({"run", "--max-memory", "40", diadromn}, "");
    EXPECT_EQ(megalo.kwdikos, 0) << megalo.la8n;
    EXPECT_EQ(megalo.e3odos, "5\n");
    // Each run without the option has the default budget again.
    Ektelese({"run", "--max-memory", "16", diadromn}, "");
    const TApotelesma xwris = Ektelese({"run", diadromn}, "");
    EXPECT_EQ(xwris.kwdikos, 0) << xwris.la8n;
    EXPECT_EQ(kalmira::OrioMnmns(), kalmira::ArxikoOrioMnmns);
    // Sizes out of range, or no size at all.
    for (const std::string timn : {"0", "-5", "1048577", "πολύ", ""}) {
        std::vector<std::string> orismata{"run", "--max-memory"};
        if (!timn.empty())
            orismata.push_back(timn);
        orismata.push_back(diadromn);
        const TApotelesma a = Ektelese(orismata, "");
        EXPECT_EQ(a.kwdikos, 4) << timn;
        EXPECT_EQ(a.e3odos, "");
        EXPECT_TRUE(a.la8n.starts_with("kalmira-cli: ")) << a.la8n;
    }
}

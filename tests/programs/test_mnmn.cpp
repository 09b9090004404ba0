// Memory through the runner: allocation failures wherever they happen end in a Greek message and
// the documented exit code, never in an exception that escapes.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>

#include <QTemporaryDir>

#include "Desmeuseis.h"
#include "Voithitika.h"

using namespace voithitika;

namespace {

std::string Grapse(const QTemporaryDir& fakelos, const std::string& ovoma, const std::string& keimevo)
{
    const std::string diadromn = fakelos.filePath(QString::fromStdString(ovoma)).toStdString();
    std::ofstream(diadromn, std::ios::binary) << keimevo;
    return diadromn;
}

}  // namespace

TEST(MnmnEktelesn, EveryAllocationFailureEndsInAMessageAndItsExitCode)
{
    // A text of 150,000 characters, most of them in one string: the runner's copy of the text takes
    // 300 KB, the compile's copies and the string's token more, and the run doubles the string
    // four times. Every allocation larger than the limit fails, the limit doubling from 4 KB.
    QTemporaryDir fakelos;
    ASSERT_TRUE(fakelos.isValid());
    const std::string arxeio = Grapse(fakelos, "mnmn.txt",
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
                a = Ektelese({QStringLiteral("run"), QString::fromStdString(arxeio)}, "");
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

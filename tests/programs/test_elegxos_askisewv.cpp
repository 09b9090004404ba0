// `kalmira-cli test CASES PROGRAM...` through the runner's code path: the report line of every
// reason a case fails, the comparison and its lenient options, the csv and tsv rows, the exit
// codes, the bad folders and arguments, and the example exercise under examples/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "Voithitika.h"
#include "front/uTimn.h"

namespace fs = std::filesystem;
using namespace voithitika;

namespace {

using TArxeia = std::vector<std::pair<std::string, std::string>>;  // file name, bytes

// The sum of two integers; `agkistro` is put between reading and writing.
std::string A8roisma(const std::string& agkistro)
{
    return "Πρόγραμμα Άθροισμα\nΜεταβλητές\n  ακέραιες: α, β, γ\nΑρχή\n  Διάβασε α, β\n" + agkistro +
           "  Γράψε 'Άθροισμα: ', α + β\nΤέλος_προγράμματος\n";
}

// Three cases of the sum, named so that only an order by number puts 10 last; the other files
// and the subfolder are not cases.
const TArxeia PeriptwseisA8roismatos{
    {"1.in", "2\n3\n"},        {"1.out", "2\n3\nΆθροισμα: 5\n"},      {"2.in", "-4\n4\n"},
    {"2.out", "-4\n4\nΆθροισμα: 0\n"}, {"10.in", "10\r\n7\r\n"}, {"10.out", "10\r\n7\r\nΆθροισμα: 17\r\n"},
    {"Εκφώνηση.txt", "Γράψτε το άθροισμα δύο ακεραίων.\n"},
};

// The rows after the header.
std::string XwrisEpikefalida(const std::string& keimevo) { return keimevo.substr(keimevo.find('\n') + 1); }

class ElegxosAskisewv : public testing::Test {
protected:
    void SetUp() override { kalmira::OriseDekadikoDiaxwristiko(u','); }

    // Writes the files into a new folder of the test's folder and returns its path.
    std::string Fakelos(const std::string& ovoma, const TArxeia& arxeia)
    {
        fs::create_directories(fakelos_.Diadromn() / ovoma);
        for (const auto& [arxeio, bytes] : arxeia)
            fakelos_.Arxeio(ovoma + "/" + arxeio, bytes);
        return (fakelos_.Diadromn() / ovoma).string();
    }

    std::string Programma(const std::string& ovoma, const std::string& bytes) { return fakelos_.Arxeio(ovoma, bytes); }

    static TApotelesma Test(const std::vector<std::string>& orismata)
    {
        std::vector<std::string> ola{"test"};
        ola.insert(ola.end(), orismata.begin(), orismata.end());
        return Ektelese(ola, {});
    }

    TProswrinosFakelos fakelos_;
};

TEST_F(ElegxosAskisewv, EveryReasonOfAFailedCaseHasItsReportLine)
{
    const std::string periptwseis = Fakelos("periptwseis", PeriptwseisA8roismatos);
    fs::create_directory(periptwseis + "/άλλα");
    const std::string la8osEktelesns =
        "σφάλμα εκτέλεσης (γραμμή 7): Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «γ» ενώ αυτή δεν έχει "
        "αρχικοποιηθεί";
    const std::string atermovos = "  Όσο α < 0 επανάλαβε\n    γ <-- 1\n  Τέλος_επανάληψης\n";
    const struct {
        std::string agkistro;
        std::vector<std::string> epiloges;
        std::string apotuxies;  // the lines under the program's line
        int swstes;
    } periptwseis_[] = {
        {"", {}, "", 3},
        {"  Αν α = 10 τότε\n    Γράψε γ\n  Τέλος_αν\n", {}, "  10: " + la8osEktelesns + "\n", 2},
        // Failed cases are listed in the order of their names, numbers by their value.
        {"  Αν α <> 2 τότε\n    Γράψε γ\n  Τέλος_αν\n", {}, "  2: " + la8osEktelesns + "\n  10: " + la8osEktelesns + "\n", 1},
        {atermovos, {"--max-steps", "1000"}, "  2: όριο βημάτων: η εκτέλεση σταμάτησε μετά από 1000 βήματα\n", 2},
        {atermovos, {"--max-steps", "1000000000000", "--time-limit", "0,05"},
         "  2: όριο χρόνου: η εκτέλεση σταμάτησε μετά από 0,05 δευτερόλεπτα\n", 2},
        {"  Αν α = 10 τότε\n    Διάβασε γ\n  Τέλος_αν\n", {}, "  10: τέλος εισόδου (γραμμή 7): το πρόγραμμα ζήτησε κι άλλη τιμή\n", 2},
        {"  Αν α < 0 τότε\n    α <-- -α\n  Τέλος_αν\n", {},
         "  2: λάθος έξοδος (γραμμή 3 της οθόνης): αναμενόταν «Άθροισμα: 0», βγήκε «Άθροισμα: 8»\n", 2},
        // A compile error is told once, in the place of the cases.
        {"  δ <-- 1\n", {}, "  λάθος μεταγλώττισης (γραμμή 6, στήλη 3): Άγνωστο αναγνωριστικό: «δ»\n", 0},
    };
    int i = 0;
    for (const auto& p : periptwseis_) {
        const std::string programma = Programma("programma-" + std::to_string(++i) + ".txt", A8roisma(p.agkistro));
        std::vector<std::string> orismata = p.epiloges;
        orismata.insert(orismata.end(), {periptwseis, programma});
        const TApotelesma a = Test(orismata);
        EXPECT_EQ(a.kwdikos, p.swstes == 3 ? 0 : 1) << i;
        EXPECT_EQ(a.e3odos, programma + ": " + std::to_string(p.swstes) + "/3\n" + p.apotuxies + "Σύνολο: " + (p.swstes == 3 ? "1" : "0") +
                                "/1 προγράμματα πέρασαν όλες τις περιπτώσεις, " + std::to_string(p.swstes) + "/3 περιπτώσεις σωστές.\n")
            << i;
        EXPECT_EQ(a.la8n, "") << i;
    }
}

TEST_F(ElegxosAskisewv, ScreensAreComparedExactlyUnlessTheTeacherIsLenient)
{
    const std::string kena = "--ignore-trailing-blanks", peza = "--ignore-case";
    const struct {
        std::vector<std::string> grammes;  // what the program writes, one Γράψε each
        std::string anamenomevo;           // the .out file
        std::vector<std::string> epiloges;
        std::string apotuxia;  // empty when the case passes
    } periptwseis[] = {
        // Line ends do not count: a CR LF, or no line break after the last line, is the same screen.
        {{"α", "β"}, "α\r\nβ\r\n", {}, ""},
        {{"α", "β"}, "α\nβ", {}, ""},
        {{"α", "β"}, "α \nβ\n", {}, "(γραμμή 1 της οθόνης): αναμενόταν «α », βγήκε «α»"},
        {{"α", "β"}, "α \nβ\t\n", {kena}, ""},
        {{"α", "β"}, "α\nβ\n\n\n", {}, "(γραμμή 3 της οθόνης): αναμενόταν «», η οθόνη τελείωσε"},
        {{"α", "β"}, "α\nβ\n\n\n", {kena}, ""},
        {{"α", "β"}, "α\nβ\nγ\n", {kena}, "(γραμμή 3 της οθόνης): αναμενόταν «γ», η οθόνη τελείωσε"},
        {{"α", "", "  ", "γ"}, "α\n", {}, "(γραμμή 2 της οθόνης): αναμενόταν το τέλος της οθόνης, βγήκε «»"},
        // Past the blank lines, the line that is not blank is the one told.
        {{"α", "", "  ", "γ"}, "α\n", {kena}, "(γραμμή 4 της οθόνης): αναμενόταν το τέλος της οθόνης, βγήκε «γ»"},
        {{"α", "", "  ", "γ"}, "α\n\n\nγ\n", {kena}, ""},
        // Without case, Greek capitals are written without accents.
        {{"ΑΘΡΟΙΣΜΑ: 5", "Τέλος"}, "Άθροισμα: 5\nτέλος\n", {}, "(γραμμή 1 της οθόνης): αναμενόταν «Άθροισμα: 5», βγήκε «ΑΘΡΟΙΣΜΑ: 5»"},
        {{"ΑΘΡΟΙΣΜΑ: 5", "Τέλος"}, "Άθροισμα: 5\nτέλος\n", {peza}, ""},
        {{"ΑΘΡΟΙΣΜΑ: 5 "}, "Άθροισμα: 5\n", {peza}, "(γραμμή 1 της οθόνης): αναμενόταν «Άθροισμα: 5», βγήκε «ΑΘΡΟΙΣΜΑ: 5 »"},
        {{"ΑΘΡΟΙΣΜΑ: 5 "}, "Άθροισμα: 5\n", {peza, kena}, ""},
        {{"Άθροισμα: 6"}, "Άθροισμα: 5\n", {peza, kena}, "(γραμμή 1 της οθόνης): αναμενόταν «Άθροισμα: 5», βγήκε «Άθροισμα: 6»"},
    };
    int i = 0;
    for (const auto& p : periptwseis) {
        const std::string n = std::to_string(++i);
        // A case without its .in: the program reads nothing.
        const std::string fakelos = Fakelos("f" + n, {{"α.out", p.anamenomevo}});
        std::string pnyh = "Πρόγραμμα Γραμμές\nΑρχή\n";
        for (const std::string& grammn : p.grammes)
            pnyh += "  Γράψε '" + grammn + "'\n";
        const std::string programma = Programma("p" + n + ".txt", pnyh + "Τέλος_προγράμματος\n");
        std::vector<std::string> orismata = p.epiloges;
        orismata.insert(orismata.end(), {fakelos, programma});
        const TApotelesma a = Test(orismata);
        const std::string apotuxia = p.apotuxia.empty() ? "" : "  α: λάθος έξοδος " + p.apotuxia + "\n";
        EXPECT_EQ(a.e3odos.substr(0, a.e3odos.find("Σύνολο")), programma + (p.apotuxia.empty() ? ": 1/1\n" : ": 0/1\n") + apotuxia) << i;
        EXPECT_EQ(a.kwdikos, p.apotuxia.empty() ? 0 : 1) << i;
    }
}

TEST_F(ElegxosAskisewv, CsvAndTsvHaveOneRowPerProgramAndCase)
{
    const std::string periptwseis = Fakelos("periptwseis", PeriptwseisA8roismatos);
    const std::string swsto = Programma("σωστό.txt", A8roisma(""));
    const std::string la8os = Programma("λάθος.txt", A8roisma("  Αν α < 0 τότε\n    α <-- -α\n  Τέλος_αν\n"));
    const std::string metaglwttisn = Programma("μεταγλώττιση.txt", A8roisma("  δ <-- 1\n"));
    const std::string agvwsto = (fakelos_.Diadromn() / "άγνωστο.txt").string();
    const std::string anagvwsn = "Δεν μπόρεσα να ανοίξω το αρχείο «" + agvwsto + "»: το αρχείο δεν υπάρχει";
    std::string csv = "πρόγραμμα,περίπτωση,αποτέλεσμα,γραμμή,στήλη,λεπτομέρειες\n";
    for (const char* p : {"1", "2", "10"})
        csv += swsto + "," + p + ",σωστό,,,\n";
    csv += la8os + ",1,σωστό,,,\n" + la8os + ",2,λάθος έξοδος,3,,\"αναμενόταν «Άθροισμα: 0», βγήκε «Άθροισμα: 8»\"\n" + la8os + ",10,σωστό,,,\n";
    for (const char* p : {"1", "2", "10"})
        csv += agvwsto + "," + p + ",λάθος αρχείου,,," + anagvwsn + "\n";
    for (const char* p : {"1", "2", "10"})
        csv += metaglwttisn + "," + p + ",λάθος μεταγλώττισης,6,3,Άγνωστο αναγνωριστικό: «δ»\n";

    // An unreadable program has its rows, and the programs after it are still checked.
    const TApotelesma a = Test({"--format", "csv", periptwseis, swsto, la8os, agvwsto, metaglwttisn});
    EXPECT_EQ(a.kwdikos, 1);
    EXPECT_EQ(a.e3odos, csv);
    EXPECT_EQ(a.la8n, "");

    const TApotelesma tsv = Test({"--format", "tsv", periptwseis, la8os});
    EXPECT_EQ(tsv.e3odos, "πρόγραμμα\tπερίπτωση\tαποτέλεσμα\tγραμμή\tστήλη\tλεπτομέρειες\n" + la8os + "\t1\tσωστό\t\t\t\n" + la8os +
                              "\t2\tλάθος έξοδος\t3\t\tαναμενόταν «Άθροισμα: 0», βγήκε «Άθροισμα: 8»\n" + la8os + "\t10\tσωστό\t\t\t\n");
    // A quote and a tab written by the program: quoted in csv, a blank in tsv.
    const std::string e3odos = Fakelos("e3odos", {{"α.out", "x\n"}});
    const std::string eisagwgika = Programma("eisagwgika.txt", "Πρόγραμμα Εισαγωγικά\nΑρχή\n  Γράψε '\"κ\tλ\"'\nΤέλος_προγράμματος\n");
    EXPECT_EQ(XwrisEpikefalida(Test({"--format", "csv", e3odos, eisagwgika}).e3odos),
              eisagwgika + ",α,λάθος έξοδος,1,,\"αναμενόταν «x», βγήκε «\"\"κ\tλ\"\"»\"\n");
    EXPECT_EQ(XwrisEpikefalida(Test({"--format", "tsv", e3odos, eisagwgika}).e3odos),
              eisagwgika + "\tα\tλάθος έξοδος\t1\t\tαναμενόταν «x», βγήκε «\"κ λ\"»\n");
}

TEST_F(ElegxosAskisewv, BadFoldersAndArgumentsExitWithFourAndAGreekMessage)
{
    const std::string programma = Programma("programma.txt", A8roisma(""));
    const std::string kala = Fakelos("kala", PeriptwseisA8roismatos);
    const std::string agvwstos = (fakelos_.Diadromn() / "άγνωστος").string();
    const std::string adeios = Fakelos("adeios", {{"Εκφώνηση.txt", "κείμενο\n"}, {".in", "1\n"}});
    const std::string xwrisOut = Fakelos("xwris-out", {{"1.in", "1\n"}, {"1.out", "1\n"}, {"2.in", "2\n"}});
    const std::string duadiko = Fakelos("duadiko", {{"1.in", std::string("1\n\0\n", 4)}, {"1.out", "1\n"}});
    const std::string o8ovn = Fakelos("o8ovn", {{"1.out", std::string("\xFF\xFE" "1\0\0\0", 6)}});
    const std::string odnyies = "\nΔείτε «kalmira-cli --help» για τον τρόπο χρήσης.\n";
    const struct {
        std::vector<std::string> orismata;
        std::string la8n;
    } periptwseis[] = {
        {{agvwstos, programma}, "ο φάκελος «" + agvwstos + "» δεν υπάρχει\n"},
        {{programma, programma}, "το «" + programma + "» δεν είναι φάκελος\n"},
        {{adeios, programma},
         "ο φάκελος «" + adeios + "» δεν έχει περιπτώσεις: κάθε περίπτωση είναι ένα αρχείο ΟΝΟΜΑ.out με την αναμενόμενη οθόνη και ένα "
                                  "ΟΝΟΜΑ.in με τις τιμές εισόδου\n"},
        {{xwrisOut, programma}, "η περίπτωση «2» έχει το αρχείο «2.in» αλλά όχι το «2.out» με την αναμενόμενη οθόνη\n"},
        {{duadiko, programma}, "Δεν μπόρεσα να ανοίξω το αρχείο «" + duadiko + "/1.in»: δεν είναι αρχείο κειμένου\n"},
        {{o8ovn, programma}, "Δεν μπόρεσα να ανοίξω το αρχείο «" + o8ovn + "/1.out»: δεν είναι αρχείο κειμένου\n"},
        {{}, "λείπει ο φάκελος με τις περιπτώσεις" + odnyies},
        {{kala}, "λείπει το αρχείο του προγράμματος" + odnyies},
        {{"--fast", kala, programma}, "άγνωστη επιλογή «--fast»" + odnyies},
        {{kala, programma, "--max-steps"}, "η επιλογή «--max-steps» θέλει μια τιμή" + odnyies},
        {{"--max-steps", "0", kala, programma}, "ο μέγιστος αριθμός βημάτων πρέπει να είναι θετικός ακέραιος" + odnyies},
        // A time limit that is no number of seconds, or too long, is checked with the rest below.
        {{"--format", "xls", kala, programma}, "άγνωστη μορφή «xls»: γράψτε text, csv ή tsv" + odnyies},
    };
    for (const auto& p : periptwseis) {
        std::string ola;
        for (const std::string& o : p.orismata)
            ola += " " + o;
        const TApotelesma a = Test(p.orismata);
        EXPECT_EQ(a.kwdikos, 4) << ola;
        EXPECT_EQ(a.e3odos, "") << ola;
        EXPECT_EQ(a.la8n, "kalmira-cli test: " + p.la8n) << ola;
    }
    for (const char* xronos : {"-1", "πολύ", "0x10", "5e", "+-5", "inf", "86400,5"}) {
        const TApotelesma a = Test({"--time-limit", xronos, kala, programma});
        EXPECT_EQ(a.kwdikos, 4) << xronos;
        EXPECT_EQ(a.la8n, "kalmira-cli test: το όριο χρόνου πρέπει να είναι θετικός αριθμός δευτερολέπτων, έως 86400" + odnyies) << xronos;
    }
    // The same folder and program with every option right; a time limit takes a comma or a point, an
    // exponent, and blanks around it (a no-break space among them).
    for (const char* xronos : {"1.5", "1,5", " +2,5e0\t", "\xC2\xA0" "3", "86400"}) {
        const TApotelesma a = Test({"--max-steps", " 100 ", "--time-limit", xronos, "--format", "text", "--ignore-case",
                                    "--ignore-trailing-blanks", "--full-evaluation", kala, programma});
        EXPECT_EQ(a.kwdikos, 0) << xronos << ": " << a.la8n;
        EXPECT_EQ(a.e3odos, programma + ": 3/3\nΣύνολο: 1/1 προγράμματα πέρασαν όλες τις περιπτώσεις, 3/3 περιπτώσεις σωστές.\n") << xronos;
    }
}

TEST_F(ElegxosAskisewv, HelpTellsHowToMakeTheExpectedScreens)
{
    const TApotelesma a = Ektelese({"--help"}, {});
    EXPECT_EQ(a.kwdikos, 0);
    for (const char* le3n : {"kalmira-cli test [ΕΠΙΛΟΓΕΣ] ΠΕΡΙΠΤΩΣΕΙΣ ΠΡΟΓΡΑΜΜΑ...", "kalmira-cli run λύση.καλμίρα < ΟΝΟΜΑ.in > ΟΝΟΜΑ.out",
                             "--time-limit", "--ignore-trailing-blanks", "--ignore-case", "--format text|csv|tsv"})
        EXPECT_NE(a.e3odos.find(le3n), std::string::npos) << le3n;
    const TApotelesma xwrisEvtoln = Ektelese({}, {});
    EXPECT_NE(xwrisEvtoln.la8n.find("(check, run ή test)"), std::string::npos) << xwrisEvtoln.la8n;
}

// The exercise handed out with the examples: its expected screens are what `run` gives the model
// answer, which passes every case; of the two pupils' programs one fails a case and one does not
// compile.
TEST(AskisnParadeigma, ChecksTheModelAnswerAndThePupilsPrograms)
{
    kalmira::OriseDekadikoDiaxwristiko(u',');
    const fs::path askisn = fs::path(KALMIRA_EXAMPLES_DIR) / "Άσκηση_μέγιστος";
    const std::string lusn = (askisn / "Λύση.καλμίρα").string();
    int periptwseis = 0;
    for (const auto& e : fs::directory_iterator(askisn)) {
        if (e.path().extension() != ".in")
            continue;
        ++periptwseis;
        const TApotelesma a = Ektelese({"run", lusn}, DiabaseOlo(e.path()));
        EXPECT_EQ(a.kwdikos, 0) << e.path();
        EXPECT_EQ(a.e3odos, DiabaseOlo(fs::path(e.path()).replace_extension(".out"))) << e.path();
    }
    EXPECT_EQ(periptwseis, 4);

    const std::string a = (askisn / "εργασίες" / "Μαθητής_Α.καλμίρα").string(), b = (askisn / "εργασίες" / "Μαθητής_Β.καλμίρα").string();
    const TApotelesma r = Ektelese({"test", askisn.string(), lusn, a, b}, {});
    EXPECT_EQ(r.kwdikos, 1);
    EXPECT_EQ(r.e3odos, lusn + ": 4/4\n" + a +
                            ": 3/4\n"
                            "  3_αρνητικοί: λάθος έξοδος (γραμμή 8 της οθόνης): αναμενόταν «Μέγιστος: -2», βγήκε «Μέγιστος: 0»\n" +
                            b +
                            ": 0/4\n"
                            "  λάθος μεταγλώττισης (γραμμή 13, στήλη 7): Περίμενα την δεσμευμένη λέξη «τότε» αλλά βρήκα «μέγιστος»\n"
                            "Σύνολο: 1/3 προγράμματα πέρασαν όλες τις περιπτώσεις, 7/12 περιπτώσεις σωστές.\n");
    EXPECT_EQ(r.la8n, "");
}

}  // namespace

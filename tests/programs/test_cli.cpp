// End-to-end tests of the kalmira-cli program itself: arguments and exit codes, the exact lines
// on standard error, the echo of input, the prompts on a terminal, the encodings of program
// files and the decimal separator taken from the locale. Each test runs the built binary as a
// child process with its standard output and error redirected into files. What the runner does
// with each program is pinned by the programs under this folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringEncoder>

#include "Voithitika.h"

using namespace voithitika;

namespace {

const std::string Syntaktiko = "Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος";

std::string Avtikatastasn(const std::string& keimevo, const char* palio, const char* neo)
{
    return QString::fromStdString(keimevo).replace(QString::fromUtf8(palio), QString::fromUtf8(neo)).toStdString();
}

// The text of a program file in UTF-16 with its byte-order mark.
std::string SeUtf16(const std::string& utf8, bool megaloAkro)
{
    QStringEncoder kwdikopoinsn(megaloAkro ? QStringEncoder::Utf16BE : QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return QByteArray(kwdikopoinsn(QString::fromStdString(utf8))).toStdString();
}

bool ExeiEllnvika(const std::string& keimevo)
{
    return QString::fromStdString(keimevo).contains(QRegularExpression(QStringLiteral("[\\x{0370}-\\x{03FF}]")));
}

class KalmiraCli : public testing::Test {
protected:
    std::string Arxeio(const std::string& ovoma, const std::string& bytes) { return fakelos_.Arxeio(ovoma, bytes); }
    TApotelesma Ektelese(std::vector<std::string> orismata, const std::string& eisodos = {}, TEisodos tropos = TEisodos::Arxeio,
                         const TAllagesPeribalontos& allages = {})
    {
        return EkteleseCli(fakelos_, std::move(orismata), eisodos, tropos, allages);
    }

    TProswrinosFakelos fakelos_;
};

const std::string ProgrammaEisodou =
    "Πρόγραμμα Είσοδος\nΜεταβλητές\n  ακέραιες: α\n  χαρακτήρες: ο\nΑρχή\n  Γράψε 'Δώσε:'\n"
    "  Διάβασε α, ο\n  Γράψε α + 1, '|', ο, '|'\nΤέλος_προγράμματος\n";

TEST_F(KalmiraCli, ExitCodesOutputErrorLinesAndTheEchoOfInput)
{
    const std::string la8osMetaglwttisns = "Πρόγραμμα Λάθος\nΜεταβλητές\n  ακέραιες: α\nΑρχή\n  Γράψε 'πριν'\n  α <-- β\nΤέλος_προγράμματος\n";
    const struct {
        std::string bytes;
        std::vector<std::string> orismata;  // the file's path follows them
        std::string eisodos;
        int kwdikos;
        std::string e3odos, la8n;  // FILE stands for the file's path
        TEisodos tropos = TEisodos::Arxeio;
    } periptwseis[] = {
        // Input from a file or a pipe is echoed. A CR LF line end is removed whole; a last line
        // without a line end is still a line.
        {ProgrammaEisodou, {"run"}, "12\r\n  κείμενο  ", 0, "Δώσε:\n12\n  κείμενο  \n13|  κείμενο  |\n", ""},
        {ProgrammaEisodou, {"run"}, "-4\n\n", 0, "Δώσε:\n-4\n\n-3||\n", "", TEisodos::Swlnvas},
        // The column is counted in the text where "<--" has become one character.
        {la8osMetaglwttisns, {"check"}, "", 1, "", "FILE:6:7: " + Syntaktiko + "\nΆγνωστο αναγνωριστικό: «β»\n"},
        {la8osMetaglwttisns, {"run"}, "", 1, "", "FILE:6:7: " + Syntaktiko + "\nΆγνωστο αναγνωριστικό: «β»\n"},
        // An empty file, or one with nothing but a byte-order mark, is an empty program.
        {"", {"check"}, "", 1, "", "FILE:1:1: " + Syntaktiko + "\nΠερίμενα τη δεσμευμένη λέξη «πρόγραμμα» και βρήκα «-»\n"},
        {"\xFF\xFE", {"check"}, "", 1, "", "FILE:1:1: " + Syntaktiko + "\nΠερίμενα τη δεσμευμένη λέξη «πρόγραμμα» και βρήκα «-»\n"},
        {"\xFE\xFF", {"check"}, "", 1, "", "FILE:1:1: " + Syntaktiko + "\nΠερίμενα τη δεσμευμένη λέξη «πρόγραμμα» και βρήκα «-»\n"},
        // The line is that of the regenerated text (7), not of the file (9).
        {"Πρόγραμμα Εκτέλεση\nΜεταβλητές\n  ακέραιες: Α[2]\n\nΑρχή\n\n  Α[1] <-- 1  Γράψε 'πριν'\n\n  Γράψε Α[1] + Α[2]\n"
         "  Γράψε 'μετά'\nΤέλος_προγράμματος\n",
         {"run"}, "", 2, "πριν\nΣφάλμα εκτέλεσης!\nΈγινε προσπάθεια να διαβαστεί στοιχείο του πίνακα «Α» χωρίς πρώτα να αρχικοποιηθεί\n",
         "FILE:7: Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε\n"},
        {ProgrammaEisodou, {"run"}, "", 3, "Δώσε:\n", "Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη\n"},
        {ProgrammaEisodou, {"run", "--max-steps", "2"}, "4\n", 5, "Δώσε:\n", "Η εκτέλεση σταμάτησε μετά από 2 βήματα\n"},
        {ProgrammaEisodou, {"run", "--max-steps", "10"}, "4\nλέξη\n", 0, "Δώσε:\n4\nλέξη\n5|λέξη|\n", ""},
    };
    int i = 0;
    for (const auto& p : periptwseis) {
        const std::string arxeio = Arxeio("programma-" + std::to_string(++i) + ".txt", p.bytes);
        std::vector<std::string> orismata = p.orismata;
        orismata.push_back(arxeio);
        const TApotelesma a = Ektelese(orismata, p.eisodos, p.tropos);
        EXPECT_EQ(a.kwdikos, p.kwdikos) << "case " << i;
        EXPECT_EQ(a.e3odos, p.e3odos) << "case " << i;
        EXPECT_EQ(a.la8n, MeDiadromn(p.la8n, arxeio)) << "case " << i;
    }
}

TEST_F(KalmiraCli, ATerminalIsPromptedOnStandardErrorAndNotEchoed)
{
    if (const int fd = posix_openpt(O_RDWR | O_NOCTTY); fd >= 0) {
        close(fd);
    } else {
        GTEST_SKIP() << "no pseudo-terminals here";
    }
    const std::string p = Arxeio("termatiko.txt",
                                 "Πρόγραμμα Τερματικό\nΜεταβλητές\n  ακέραιες: Τ[2]\n  πραγματικές: χ\n"
                                 "  χαρακτήρες: ο\nΑρχή\n  Γράψε 'αρχή'\n  Διάβασε Τ[2], χ\n  Διάβασε ο\n"
                                 "  Γράψε Τ[2], ' ', χ, ' ', ο\nΤέλος_προγράμματος\n");
    const TApotelesma a = Ektelese({"run", p}, "5\n2,5\nλέξη\n", TEisodos::Termatiko);
    EXPECT_EQ(a.kwdikos, 0);
    EXPECT_EQ(a.e3odos, "αρχή\n5 2,5 λέξη\n");
    EXPECT_EQ(a.la8n, "Διάβασμα της ακέραιας μεταβλητής «Τ[2]»: Διάβασμα της πραγματικής μεταβλητής «χ»: "
                      "Διάβασμα της αλφαριθμητικής μεταβλητής «ο»: ");
}

TEST_F(KalmiraCli, HelpIsInGreek)
{
    const TApotelesma a = Ektelese({"--help"});
    EXPECT_EQ(a.kwdikos, 0);
    EXPECT_TRUE(ExeiEllnvika(a.e3odos)) << a.e3odos;
    for (const char* le3n : {"check", "run", "--full-evaluation", "--margin", "--max-steps"})
        EXPECT_NE(a.e3odos.find(le3n), std::string::npos) << le3n;
    EXPECT_EQ(a.la8n, "");
}

TEST_F(KalmiraCli, WrongArgumentsAndUnreadableFilesExitWithFour)
{
    const std::string p = Arxeio("geia.txt", "Πρόγραμμα Γεια\nΑρχή\n  Γράψε 'Γεια'\nΤέλος_προγράμματος\n");
    const std::string agvwsto = (fakelos_.Diadromn() / "δεν_υπάρχει.txt").string(), fakelos = fakelos_.Diadromn().string();
    const std::vector<std::vector<std::string>> periptwseis{
        {}, {"check"}, {"compile", p}, {p}, {"run", "--fast", p}, {"run", p, p}, {"run", "--margin", "49", p},
        {"run", "--margin", "201", p}, {"run", "--margin", "πολύ", p}, {"run", p, "--margin"}, {"run", "--max-steps", "-3", p},
        // A file that cannot be read is named in the message.
        {"check", agvwsto}, {"run", agvwsto}, {"check", fakelos}, {"run", fakelos},
    };
    for (const std::vector<std::string>& orismata : periptwseis) {
        std::string ola;
        for (const std::string& o : orismata)
            ola += " " + o;
        const TApotelesma a = Ektelese(orismata);
        EXPECT_EQ(a.kwdikos, 4) << ola;
        EXPECT_EQ(a.e3odos, "") << ola;
        EXPECT_TRUE(ExeiEllnvika(a.la8n)) << ola << ": " << a.la8n;
        if (orismata.size() == 2 && (orismata[1] == agvwsto || orismata[1] == fakelos)) {
            EXPECT_NE(a.la8n.find(orismata[1]), std::string::npos) << ola << ": " << a.la8n;
        }
    }
    // The limits of the margin themselves are accepted.
    for (const char* peri8wrio : {"50", "200"}) {
        const TApotelesma a = Ektelese({"run", "--margin", peri8wrio, "--max-steps", "10", "--full-evaluation", p});
        EXPECT_EQ(a.kwdikos, 0) << peri8wrio;
        EXPECT_EQ(a.e3odos, "Γεια\n") << peri8wrio;
    }
}

TEST(KalmiraCliOrismata, NumbersOfTheCommandLine)
{
    // Blanks around the digits and one sign are taken, within 64 bits; nothing else.
    const std::pair<const char*, long long> kala[] = {{"42", 42}, {" 42", 42}, {"42 ", 42}, {"\t42\n", 42}, {"\v\f\r42", 42}, {"+42", 42},
                                                      {"-3", -3}, {"010", 10}, {"9223372036854775807", 9223372036854775807LL},
                                                      {"-9223372036854775808", -9223372036854775807LL - 1}};
    for (const auto& [le3n, timn] : kala) {
        long long a = 0;
        EXPECT_TRUE(kalmira::Ari8mosOrismatos(le3n, a)) << le3n;
        EXPECT_EQ(a, timn) << le3n;
    }
    for (const char* le3n : {"", " ", "+", "-", "0x10", "1e3", "4 2", "42abc", "1_000", "1,000", "1.0", "--3", "+-3", "++3", "- 3",
                             "9223372036854775808", "-9223372036854775809", "\xC2\xA0" "42", "\xD9\xA4\xD9\xA2"}) {
        long long a = 0;
        EXPECT_FALSE(kalmira::Ari8mosOrismatos(le3n, a)) << le3n;
    }
}

TEST_F(KalmiraCli, EveryEncodingAndLineBreakGivesTheSameResult)
{
    const std::string programma = "! Σχόλιο στην πρώτη γραμμή\nΠρόγραμμα Κωδικοποίηση ! σχόλιο\nΜεταβλητές\n  ακέραιες: α\nΑρχή\n"
                                  "  Διάβασε α\n  Γράψε 'Ωμέγα ', α <> 7, ' 😀 ', α/2 ! σχόλιο\n  Γράψε 'τέλος'\nΤέλος_προγράμματος\n";
    // The trailing comments are aligned by UTF-16 code units: the emoji counts as two.
    const std::string kavoviko = "! Σχόλιο στην πρώτη γραμμή\nΠρόγραμμα Κωδικοποίηση" + std::string(34, ' ') +
                                 "! σχόλιο\nΜεταβλητές\n  ακέραιες: α\nΑρχή\n  Διάβασε α\n  Γράψε 'Ωμέγα ', α ≠ 7, ' 😀 ', α/2" +
                                 std::string(20, ' ') + "! σχόλιο\n  Γράψε 'τέλος'\nΤέλος_προγράμματος\n";
    // The same program with an error on line 8, column 15: the emoji is two UTF-16 code units.
    const std::string la8os = Avtikatastasn(programma, "  Γράψε 'τέλος'\n", "  Γράψε '😀', )\n");
    // LF, CR LF and CR in turn.
    auto anamikta = [](const std::string& keimevo) {
        static const char* const allages[] = {"\n", "\r\n", "\r"};
        std::string apotelesma;
        int i = 0;
        for (char c : keimevo)
            apotelesma += c == '\n' ? allages[i++ % 3] : std::string(1, c);
        return apotelesma;
    };
    auto kwdikopoinseis = [&](const std::string& utf8) {
        const std::string crlf = Avtikatastasn(utf8, "\n", "\r\n");
        return std::vector<std::pair<std::string, std::string>>{
            {"utf8-lf", utf8},
            {"utf8-crlf", crlf},
            {"utf8-cr", Avtikatastasn(utf8, "\n", "\r")},
            {"utf16le-crlf", SeUtf16(crlf, false)},
            {"utf16le-lf", SeUtf16(utf8, false)},
            {"utf16be-crlf", SeUtf16(crlf, true)},
            {"utf16be-lf", SeUtf16(utf8, true)},
            {"utf8-anamikta", anamikta(utf8)},
            {"utf16be-anamikta", SeUtf16(anamikta(utf8), true)},
        };
    };
    for (const auto& [ovoma, bytes] : kwdikopoinseis(programma)) {
        const std::string p = Arxeio(ovoma + ".txt", bytes);
        const TApotelesma elegxos = Ektelese({"check", p});
        EXPECT_EQ(elegxos.kwdikos, 0) << ovoma << ": " << elegxos.la8n;
        EXPECT_EQ(elegxos.e3odos, kavoviko) << ovoma;
        EXPECT_EQ(elegxos.la8n, "") << ovoma;
        const TApotelesma ektelesn = Ektelese({"run", p}, "7\n");
        EXPECT_EQ(ektelesn.kwdikos, 0) << ovoma << ": " << ektelesn.la8n;
        EXPECT_EQ(ektelesn.e3odos, "7\nΩμέγα Ψευδής 😀 3,5\nτέλος\n") << ovoma;
    }
    for (const auto& [ovoma, bytes] : kwdikopoinseis(la8os)) {
        const std::string p = Arxeio(ovoma + "-la8os.txt", bytes);
        const TApotelesma a = Ektelese({"check", p});
        EXPECT_EQ(a.kwdikos, 1) << ovoma;
        EXPECT_EQ(a.la8n, p + ":8:15: " + Syntaktiko + "\nΛάθος στοιχείο «)» κατά το διάβασμα έκφρασης\n") << ovoma;
    }
}

TEST_F(KalmiraCli, DecimalSeparatorComesFromTheLocale)
{
    // Stored as UTF-16 so that reading the file does not depend on the locale's encoding. Input
    // takes a comma or a point whatever the locale.
    const std::string p = Arxeio("diaxwristiko.txt",
                                 SeUtf16("Πρόγραμμα Διαχωριστικό\r\nΜεταβλητές\r\n  πραγματικές: χ, ψ\r\nΑρχή\r\n"
                                         "  Διάβασε χ, ψ\r\n  Γράψε 1/2, ' ', 1234,25, ' ', χ, ' ', ψ\r\nΤέλος_προγράμματος\r\n",
                                         false));
    const std::string eisodos = "0,25\n-1.75\n", koma = "0,5 1234,25 0,25 -1,75\n", teleia = "0.5 1234.25 0.25 -1.75\n";
    const std::vector<std::pair<TAllagesPeribalontos, std::string>> periptwseis{
        {{{"LC_ALL", "el_GR.UTF-8"}}, koma},
        {{{"LC_ALL", "C"}}, teleia},
        {{{"LC_ALL", "C"}, {"LC_NUMERIC", "el_GR.UTF-8"}, {"LANG", "el_GR.UTF-8"}}, teleia},
        {{{"LC_ALL", std::nullopt}, {"LC_NUMERIC", "el_GR.UTF-8"}, {"LANG", "C"}}, koma},
        {{{"LC_ALL", std::nullopt}, {"LC_NUMERIC", std::nullopt}, {"LANG", "el_GR.UTF-8"}}, koma},
    };
    for (const auto& [allages, grammn] : periptwseis) {
        std::string perigrafn;
        for (const auto& [ovoma, timn] : allages)
            perigrafn += " " + ovoma + "=" + timn.value_or("(unset)");
        const TApotelesma a = Ektelese({"run", p}, eisodos, TEisodos::Arxeio, allages);
        EXPECT_EQ(a.kwdikos, 0) << perigrafn;
        EXPECT_EQ(a.e3odos, eisodos + grammn) << perigrafn;
    }
}

}  // namespace

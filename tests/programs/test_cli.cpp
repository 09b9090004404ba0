// End-to-end tests of the kalmira-cli program itself: arguments and exit codes, the exact lines
// on standard error, the echo of input, the prompts on a terminal, the encodings of program
// files and the decimal separator taken from the locale. Each test runs the built binary as a
// child process with its standard output and error redirected into files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <QString>

extern char** environ;

namespace fs = std::filesystem;

namespace {

const std::string Syntaktiko = "Συντακτικό λάθος κατά την μεταγλώττιση του προγράμματος";
const std::string SfalmaEktelesns = "Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε";

struct TApotelesma {
    int kwdikos = -1;
    std::string e3odos, la8n;
};

// How the child's standard input is connected.
enum class TEisodos { Arxeio, Swlnvas, Termatiko };

// Changes to the child's environment: a value sets the variable, no value removes it.
using TAllagesPeribalontos = std::vector<std::pair<std::string, std::optional<std::string>>>;

std::string DiabaseOlo(const fs::path& arxeio)
{
    std::ifstream in(arxeio, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The environment of the child: ours, with LC_ALL=el_GR.UTF-8 (reals print with the comma, as
// in the program tests) unless the test changes it.
std::vector<std::string> Peribalon(const TAllagesPeribalontos& allages)
{
    TAllagesPeribalontos oles{{"LC_ALL", "el_GR.UTF-8"}};
    oles.insert(oles.end(), allages.begin(), allages.end());
    std::vector<std::string> peribalon;
    for (char** e = environ; *e; ++e)
        peribalon.emplace_back(*e);
    for (const auto& [ovoma, timn] : oles) {
        std::erase_if(peribalon, [&ovoma](const std::string& m) { return m.rfind(ovoma + "=", 0) == 0; });
        if (timn)
            peribalon.push_back(ovoma + "=" + *timn);
    }
    return peribalon;
}

std::vector<char*> Deiktes(std::vector<std::string>& keimena)
{
    std::vector<char*> deiktes;
    for (std::string& k : keimena)
        deiktes.push_back(k.data());
    deiktes.push_back(nullptr);
    return deiktes;
}

void GrapseOla(int fd, const std::string& keimevo)
{
    std::size_t grammeva = 0;
    while (grammeva < keimevo.size()) {
        const ssize_t n = write(fd, keimevo.data() + grammeva, keimevo.size() - grammeva);
        if (n <= 0)
            return;
        grammeva += static_cast<std::size_t>(n);
    }
}

// The text of a program file in UTF-16 with its byte-order mark.
std::string SeUtf16(const std::string& utf8, bool megaloAkro)
{
    std::string bytes = megaloAkro ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : QString::fromUtf8(utf8).toStdU16String()) {
        const char psnlo = static_cast<char>(c >> 8), xamnlo = static_cast<char>(c & 0xFF);
        bytes += megaloAkro ? psnlo : xamnlo;
        bytes += megaloAkro ? xamnlo : psnlo;
    }
    return bytes;
}

std::string AvtikatastasnOlwv(std::string keimevo, const std::string& palio, const std::string& neo)
{
    for (std::size_t i = keimevo.find(palio); i != std::string::npos; i = keimevo.find(palio, i + neo.size()))
        keimevo.replace(i, palio.size(), neo);
    return keimevo;
}

// Whether this machine can give the child a pseudo-terminal as its standard input.
bool YparxeiPseudoTermatiko()
{
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

bool ExeiEllnvika(const std::string& keimevo)
{
    for (char16_t c : QString::fromUtf8(keimevo).toStdU16String())
        if (c >= u'\u0370' && c <= u'\u03FF')
            return true;
    return false;
}

class KalmiraCli : public testing::Test {
protected:
    void SetUp() override
    {
        signal(SIGPIPE, SIG_IGN);
        std::string protypo = (fs::temp_directory_path() / "kalmira-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(protypo.data()), nullptr);
        fakelos_ = protypo;
    }

    void TearDown() override
    {
        std::error_code e;
        fs::remove_all(fakelos_, e);
    }

    // Writes a file into the test's folder and returns its path.
    std::string Arxeio(const std::string& ovoma, const std::string& bytes)
    {
        const fs::path diadromn = fakelos_ / ovoma;
        std::ofstream(diadromn, std::ios::binary) << bytes;
        return diadromn.string();
    }

    TApotelesma Ektelese(std::vector<std::string> orismata, const std::string& eisodos = {},
                         TEisodos tropos = TEisodos::Arxeio, const TAllagesPeribalontos& allages = {})
    {
        const std::string n = std::to_string(++metrntns_);
        const fs::path e3odos = fakelos_ / ("stdout-" + n), la8n = fakelos_ / ("stderr-" + n);
        int anagvwsn = -1, trofodosia = -1;  // the child's standard input, and the end that feeds it
        switch (tropos) {
        case TEisodos::Arxeio:
            anagvwsn = open(Arxeio("stdin-" + n, eisodos).c_str(), O_RDONLY);
            break;
        case TEisodos::Swlnvas: {
            int akra[2];
            if (pipe(akra) == 0) {
                anagvwsn = akra[0];
                trofodosia = akra[1];
            }
            break;
        }
        case TEisodos::Termatiko:
            trofodosia = posix_openpt(O_RDWR | O_NOCTTY);
            if (trofodosia >= 0 && grantpt(trofodosia) == 0 && unlockpt(trofodosia) == 0)
                anagvwsn = open(ptsname(trofodosia), O_RDWR | O_NOCTTY);
            break;
        }
        const int fdE3odou = open(e3odos.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int fdLa8n = open(la8n.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (anagvwsn < 0 || fdE3odou < 0 || fdLa8n < 0) {
            ADD_FAILURE() << "cannot set up the child's standard streams";
            return {};
        }

        orismata.insert(orismata.begin(), KALMIRA_CLI);
        std::vector<char*> argv = Deiktes(orismata);
        std::vector<std::string> peribalon = Peribalon(allages);
        std::vector<char*> envp = Deiktes(peribalon);

        const pid_t pid = fork();
        if (pid == 0) {
            dup2(anagvwsn, 0);
            dup2(fdE3odou, 1);
            dup2(fdLa8n, 2);
            if (trofodosia >= 0)
                close(trofodosia);
            execve(KALMIRA_CLI, argv.data(), envp.data());
            _exit(127);
        }
        close(anagvwsn);
        close(fdE3odou);
        close(fdLa8n);
        if (trofodosia >= 0) {
            GrapseOla(trofodosia, eisodos);
            if (tropos == TEisodos::Swlnvas)
                close(trofodosia);
        }

        TApotelesma apotelesma;
        int katastasn = 0;
        const auto pros8esmia = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (waitpid(pid, &katastasn, WNOHANG) != pid) {
            if (std::chrono::steady_clock::now() > pros8esmia) {
                kill(pid, SIGKILL);
                waitpid(pid, &katastasn, 0);
                ADD_FAILURE() << "kalmira-cli did not finish within 30 seconds";
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (tropos == TEisodos::Termatiko)
            close(trofodosia);
        apotelesma.kwdikos = WIFEXITED(katastasn) ? WEXITSTATUS(katastasn) : -1;
        apotelesma.e3odos = DiabaseOlo(e3odos);
        apotelesma.la8n = DiabaseOlo(la8n);
        return apotelesma;
    }

    fs::path fakelos_;
    int metrntns_ = 0;
};

TEST_F(KalmiraCli, CheckGrafeiToKavovikoKeimevoMeLF)
{
    const std::string p = Arxeio("έλεγχος.txt",
                                 "πρόγραμμα Έλεγχος\r\nμεταβλητές ακέραιες:α\r\nαρχή α<--1 γράψε α\r\n"
                                 "τέλος_προγράμματος\r\n");
    const TApotelesma a = Ektelese({"check", p});
    EXPECT_EQ(a.kwdikos, 0);
    EXPECT_EQ(a.e3odos,
              "Πρόγραμμα Έλεγχος\nΜεταβλητές\n  ακέραιες: α\nΑρχή\n  α ← 1\n  Γράψε α\nΤέλος_προγράμματος\n");
    EXPECT_EQ(a.la8n, "");
}

TEST_F(KalmiraCli, LathosMetaglwttisnsStoCheckKaiStoRun)
{
    const std::string p = Arxeio("la8os.txt",
                                 "Πρόγραμμα Λάθος\nΜεταβλητές\n  ακέραιες: α\nΑρχή\n  Γράψε 'πριν'\n"
                                 "  α <-- β\nΤέλος_προγράμματος\n");
    // The column is counted in the text where "<--" has become one character.
    const std::string la8n = p + ":6:7: " + Syntaktiko + "\nΆγνωστο αναγνωριστικό: «β»\n";
    for (const char* entoln : {"check", "run"}) {
        const TApotelesma a = Ektelese({entoln, p});
        EXPECT_EQ(a.kwdikos, 1) << entoln;
        EXPECT_EQ(a.e3odos, "") << entoln;
        EXPECT_EQ(a.la8n, la8n) << entoln;
    }
}

TEST_F(KalmiraCli, EsoterikoLathosGrafeiTnGrammnEpikoinwniasSeDikiTnsGrammn)
{
    const std::string p = Arxeio("orio.txt",
                                 "Πρόγραμμα Όριο\nΜεταβλητές\n  ακέραιες: κ, Α[κ]\nΑρχή\nΤέλος_προγράμματος\n");
    const TApotelesma a = Ektelese({"check", p});
    EXPECT_EQ(a.kwdikos, 1);
    EXPECT_EQ(a.e3odos, "");
    EXPECT_EQ(a.la8n, p + ":3:19: Άγνωστο εσωτερικό λάθος του διερμηνευτή της Καλμίρας κατά τη μεταγλώττιση\n"
                          "Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «κ» ενώ αυτή δεν έχει "
                          "αρχικοποιηθεί\n"
                          "Παρακαλώ επικοινωνήστε με τον προγραμματιστή στο kalmira-dev@lists.kalmira.gr\n");
}

TEST_F(KalmiraCli, SfalmaEktelesnsStnvE3odoKaiTnGrammnStaLathn)
{
    // Blank lines and two statements on a line: the line reported is that of the regenerated
    // text (7), not of the file (9).
    const std::string p = Arxeio("ektelesn.txt",
                                 "Πρόγραμμα Εκτέλεση\nΜεταβλητές\n  ακέραιες: Α[2]\n\nΑρχή\n\n"
                                 "  Α[1] <-- 1  Γράψε 'πριν'\n\n  Γράψε Α[1] + Α[2]\n  Γράψε 'μετά'\nΤέλος_προγράμματος\n");
    const TApotelesma a = Ektelese({"run", p});
    EXPECT_EQ(a.kwdikos, 2);
    EXPECT_EQ(a.e3odos, "πριν\nΣφάλμα εκτέλεσης!\n"
                        "Έγινε προσπάθεια να διαβαστεί στοιχείο του πίνακα «Α» χωρίς πρώτα να αρχικοποιηθεί\n");
    EXPECT_EQ(a.la8n, p + ":7: " + SfalmaEktelesns + "\n");
}

const std::string ProgrammaEisodou =
    "Πρόγραμμα Είσοδος\nΜεταβλητές\n  ακέραιες: α\n  χαρακτήρες: ο\nΑρχή\n  Γράψε 'Δώσε:'\n"
    "  Διάβασε α, ο\n  Γράψε α + 1, '|', ο, '|'\nΤέλος_προγράμματος\n";

TEST_F(KalmiraCli, EisodosApoArxeioEmfanizetaiStnvE3odo)
{
    const std::string p = Arxeio("eisodos.txt", ProgrammaEisodou);
    // A CR LF line end is removed whole; a last line without a line end is still a line.
    const TApotelesma a = Ektelese({"run", p}, "12\r\n  κείμενο  ");
    EXPECT_EQ(a.kwdikos, 0);
    EXPECT_EQ(a.e3odos, "Δώσε:\n12\n  κείμενο  \n13|  κείμενο  |\n");
    EXPECT_EQ(a.la8n, "");
}

TEST_F(KalmiraCli, EisodosApoSwlnvaEmfanizetaiStnvE3odo)
{
    const std::string p = Arxeio("eisodos.txt", ProgrammaEisodou);
    const TApotelesma a = Ektelese({"run", p}, "-4\n\n", TEisodos::Swlnvas);
    EXPECT_EQ(a.kwdikos, 0);
    EXPECT_EQ(a.e3odos, "Δώσε:\n-4\n\n-3||\n");
    EXPECT_EQ(a.la8n, "");
}

TEST_F(KalmiraCli, ApoTermatikoErwtaStaLathnKaiDevEmfanizeiTnvEisodo)
{
    if (!YparxeiPseudoTermatiko())
        GTEST_SKIP() << "no pseudo-terminals here";
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

TEST_F(KalmiraCli, TelosEisodouStoTermatiko)
{
    if (!YparxeiPseudoTermatiko())
        GTEST_SKIP() << "no pseudo-terminals here";
    // Ctrl-D on an empty line ends the input of a terminal: the prompt was shown, then the run
    // ends as a user termination.
    const std::string p = Arxeio("eisodos.txt", ProgrammaEisodou);
    const TApotelesma a = Ektelese({"run", p}, "\x04", TEisodos::Termatiko);
    EXPECT_EQ(a.kwdikos, 3);
    EXPECT_EQ(a.e3odos, "Δώσε:\n");
    const std::string erwtnsn = "Διάβασμα της ακέραιας μεταβλητής «α»: ";
    const std::string mnvuma = "Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη\n";
    EXPECT_EQ(a.la8n.rfind(erwtnsn, 0), 0u) << a.la8n;
    EXPECT_TRUE(a.la8n.ends_with(mnvuma)) << a.la8n;
    EXPECT_LE(a.la8n.size(), erwtnsn.size() + 1 + mnvuma.size()) << a.la8n;
}

TEST_F(KalmiraCli, TelosEisodouEinaiTermatismosApoToXrnstn)
{
    const std::string p = Arxeio("eisodos.txt", ProgrammaEisodou);
    for (const std::string& eisodos : {std::string(), std::string("7\n")}) {
        const TApotelesma a = Ektelese({"run", p}, eisodos);
        EXPECT_EQ(a.kwdikos, 3) << eisodos;
        EXPECT_EQ(a.e3odos, "Δώσε:\n" + eisodos) << eisodos;
        EXPECT_EQ(a.la8n, "Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη\n") << eisodos;
    }
}

TEST_F(KalmiraCli, MegistaBnmata)
{
    const std::string p = Arxeio("broxos.txt",
                                 "Πρόγραμμα Βρόχος\nΜεταβλητές\n  ακέραιες: κ\nΑρχή\n  κ <-- 0\n"
                                 "  Όσο κ < 5 επανάλαβε\n    κ <-- κ + 1\n  Τέλος_επανάληψης\n  Γράψε κ\n"
                                 "Τέλος_προγράμματος\n");
    const TApotelesma xwrisOrio = Ektelese({"run", p});
    EXPECT_EQ(xwrisOrio.kwdikos, 0);
    EXPECT_EQ(xwrisOrio.e3odos, "5\n");

    const TApotelesma meOrio = Ektelese({"run", "--max-steps", "7", p});
    EXPECT_EQ(meOrio.kwdikos, 5);
    EXPECT_EQ(meOrio.e3odos, "");
    EXPECT_EQ(meOrio.la8n, "Η εκτέλεση σταμάτησε μετά από 7 βήματα\n");

    const TApotelesma megaloOrio = Ektelese({"run", "--max-steps", "1000", p});
    EXPECT_EQ(megaloOrio.kwdikos, 0);
    EXPECT_EQ(megaloOrio.e3odos, "5\n");
}

TEST_F(KalmiraCli, PlnrnsApotimnsn)
{
    const std::string p = Arxeio("apotimnsn.txt",
                                 "Πρόγραμμα Αποτίμηση\nΑρχή\n  Γράψε Ψευδής και (1 div 0 = 0)\nΤέλος_προγράμματος\n");
    const TApotelesma sunto = Ektelese({"run", p});
    EXPECT_EQ(sunto.kwdikos, 0);
    EXPECT_EQ(sunto.e3odos, "Ψευδής\n");

    const TApotelesma plnrns = Ektelese({"run", "--full-evaluation", p});
    EXPECT_EQ(plnrns.kwdikos, 2);
    EXPECT_EQ(plnrns.e3odos, "Σφάλμα εκτέλεσης!\nDivision by zero\n");
    EXPECT_EQ(plnrns.la8n, p + ":3: " + SfalmaEktelesns + "\n");
}

TEST_F(KalmiraCli, Peri8wrioSxoliwn)
{
    // "  α ← 1" has 7 characters and its comment 45: together 52, which fit within 64 and 200
    // but not within 50, where the comment moves to a line of its own and pushes the error down.
    const std::string p = Arxeio("peri8wrio.txt",
                                 "Πρόγραμμα Περιθώριο\nΜεταβλητές\n  ακέραιες: α, β\nΑρχή\n"
                                 "  α <-- 1 ! σαράντα πέντε χαρακτήρες, όχι περισσότεροι.\n  Γράψε β\n"
                                 "Τέλος_προγράμματος\n");
    const std::vector<std::pair<std::vector<std::string>, std::string>> periptwseis{
        {{"run", p}, "6"},
        {{"run", "--margin", "200", p}, "6"},
        {{"run", "--margin", "50", p}, "7"},
    };
    for (const auto& [orismata, grammn] : periptwseis) {
        const TApotelesma a = Ektelese(orismata);
        EXPECT_EQ(a.kwdikos, 2) << orismata[1];
        EXPECT_EQ(a.la8n, p + ":" + grammn + ": " + SfalmaEktelesns + "\n") << orismata[1];
    }
}

TEST_F(KalmiraCli, VoitheiaStaEllnvika)
{
    const TApotelesma a = Ektelese({"--help"});
    EXPECT_EQ(a.kwdikos, 0);
    EXPECT_TRUE(ExeiEllnvika(a.e3odos)) << a.e3odos;
    for (const char* le3n : {"check", "run", "--full-evaluation", "--margin", "--max-steps"})
        EXPECT_NE(a.e3odos.find(le3n), std::string::npos) << le3n;
    EXPECT_EQ(a.la8n, "");
}

TEST_F(KalmiraCli, LathosParametroi)
{
    const std::string p = Arxeio("geia.txt", "Πρόγραμμα Γεια\nΑρχή\n  Γράψε 'Γεια'\nΤέλος_προγράμματος\n");
    const std::vector<std::vector<std::string>> periptwseis{
        {},
        {"check"},
        {"run"},
        {"compile", p},
        {p},
        {"run", "--fast", p},
        {"run", p, p},
        {"run", "--margin", "49", p},
        {"run", "--margin", "201", p},
        {"run", "--margin", "πολύ", p},
        {"run", p, "--margin"},
        {"run", "--max-steps", "-3", p},
        {"run", "--max-steps", p},
    };
    for (const std::vector<std::string>& orismata : periptwseis) {
        std::string ola;
        for (const std::string& o : orismata)
            ola += " " + o;
        const TApotelesma a = Ektelese(orismata);
        EXPECT_EQ(a.kwdikos, 4) << ola;
        EXPECT_EQ(a.e3odos, "") << ola;
        EXPECT_TRUE(ExeiEllnvika(a.la8n)) << ola << ": " << a.la8n;
    }
    // The limits of the margin themselves are accepted.
    for (const char* peri8wrio : {"50", "200"}) {
        const TApotelesma a = Ektelese({"run", "--margin", peri8wrio, "--max-steps", "10", "--full-evaluation", p});
        EXPECT_EQ(a.kwdikos, 0) << peri8wrio;
        EXPECT_EQ(a.e3odos, "Γεια\n") << peri8wrio;
    }
}

TEST_F(KalmiraCli, ArxeioPouDevDiabazetai)
{
    const std::string agvwsto = (fakelos_ / "δεν_υπάρχει.txt").string();
    const std::string fakelos = fakelos_.string();
    for (const std::string& arxeio : {agvwsto, fakelos}) {
        for (const char* entoln : {"check", "run"}) {
            const TApotelesma a = Ektelese({entoln, arxeio});
            EXPECT_EQ(a.kwdikos, 4) << entoln << " " << arxeio;
            EXPECT_EQ(a.e3odos, "") << entoln << " " << arxeio;
            EXPECT_TRUE(ExeiEllnvika(a.la8n)) << a.la8n;
            EXPECT_NE(a.la8n.find(arxeio), std::string::npos) << "the message names the file: " << a.la8n;
        }
    }
}

TEST_F(KalmiraCli, KevoArxeioEinaiKevoProgramma)
{
    // An empty file, or one with nothing but a byte-order mark, is read; the compile then finds
    // no heading at the start of the text.
    for (const auto& [ovoma, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"kevo.txt", ""}, {"mono-bom-le.txt", "\xFF\xFE"}, {"mono-bom-be.txt", "\xFE\xFF"}}) {
        const std::string p = Arxeio(ovoma, bytes);
        const TApotelesma a = Ektelese({"check", p});
        EXPECT_EQ(a.kwdikos, 1) << ovoma;
        EXPECT_EQ(a.e3odos, "") << ovoma;
        EXPECT_EQ(a.la8n, p + ":1:1: " + Syntaktiko + "\nΠερίμενα τη δεσμευμένη λέξη «πρόγραμμα» και βρήκα «-»\n")
            << ovoma;
    }
}

// The same program in the encodings and line breaks a program file may have.
const std::string ProgrammaKwdikopoinsns =
    "! Σχόλιο στην πρώτη γραμμή\n"
    "Πρόγραμμα Κωδικοποίηση ! σχόλιο\n"
    "Μεταβλητές\n"
    "  ακέραιες: α\n"
    "Αρχή\n"
    "  Διάβασε α\n"
    "  Γράψε 'Ωμέγα ', α <> 7, ' 😀 ', α/2 ! σχόλιο\n"
    "  Γράψε 'τέλος'\n"
    "Τέλος_προγράμματος\n";

// LF, CR LF and CR in turn.
std::string AnamiktesAllagesGrammns(const std::string& keimevo)
{
    static const char* const allages[] = {"\n", "\r\n", "\r"};
    std::string apotelesma;
    int i = 0;
    for (char c : keimevo) {
        if (c == '\n')
            apotelesma += allages[i++ % 3];
        else
            apotelesma += c;
    }
    return apotelesma;
}

std::vector<std::pair<std::string, std::string>> Kwdikopoinseis(const std::string& utf8)
{
    return {
        {"utf8-lf.txt", utf8},
        {"utf8-crlf.txt", AvtikatastasnOlwv(utf8, "\n", "\r\n")},
        {"utf8-cr.txt", AvtikatastasnOlwv(utf8, "\n", "\r")},
        {"utf16le-crlf.txt", SeUtf16(AvtikatastasnOlwv(utf8, "\n", "\r\n"), false)},
        {"utf16le-lf.txt", SeUtf16(utf8, false)},
        {"utf16be-crlf.txt", SeUtf16(AvtikatastasnOlwv(utf8, "\n", "\r\n"), true)},
        {"utf16be-lf.txt", SeUtf16(utf8, true)},
        {"utf8-anamikta.txt", AnamiktesAllagesGrammns(utf8)},
        {"utf16be-anamikta.txt", SeUtf16(AnamiktesAllagesGrammns(utf8), true)},
    };
}

TEST_F(KalmiraCli, KwdikopoinseisKaiAllagesGrammns)
{
    // The trailing comments are aligned by UTF-16 code units: the emoji counts as two.
    const std::string kavoviko = "! Σχόλιο στην πρώτη γραμμή\n"
                                 "Πρόγραμμα Κωδικοποίηση" + std::string(34, ' ') + "! σχόλιο\n"
                                 "Μεταβλητές\n"
                                 "  ακέραιες: α\n"
                                 "Αρχή\n"
                                 "  Διάβασε α\n"
                                 "  Γράψε 'Ωμέγα ', α ≠ 7, ' 😀 ', α/2" + std::string(20, ' ') + "! σχόλιο\n"
                                 "  Γράψε 'τέλος'\n"
                                 "Τέλος_προγράμματος\n";
    for (const auto& [ovoma, bytes] : Kwdikopoinseis(ProgrammaKwdikopoinsns)) {
        const std::string p = Arxeio(ovoma, bytes);
        const TApotelesma elegxos = Ektelese({"check", p});
        EXPECT_EQ(elegxos.kwdikos, 0) << ovoma << ": " << elegxos.la8n;
        EXPECT_EQ(elegxos.e3odos, kavoviko) << ovoma;
        const TApotelesma ektelesn = Ektelese({"run", p}, "7\n");
        EXPECT_EQ(ektelesn.kwdikos, 0) << ovoma << ": " << ektelesn.la8n;
        EXPECT_EQ(ektelesn.e3odos, "7\nΩμέγα Ψευδής 😀 3,5\nτέλος\n") << ovoma;
    }
}

TEST_F(KalmiraCli, ThesnLathousIdiaSeKa8eKwdikopoinsn)
{
    // Line 8 column 15: the emoji is two UTF-16 code units.
    const std::string programma = AvtikatastasnOlwv(ProgrammaKwdikopoinsns, "  Γράψε 'τέλος'\n", "  Γράψε '😀', )\n");
    for (const auto& [ovoma, bytes] : Kwdikopoinseis(programma)) {
        const std::string p = Arxeio(ovoma, bytes);
        const TApotelesma a = Ektelese({"check", p});
        EXPECT_EQ(a.kwdikos, 1) << ovoma;
        EXPECT_EQ(a.la8n, p + ":8:15: " + Syntaktiko + "\nΛάθος στοιχείο «)» κατά το διάβασμα έκφρασης\n") << ovoma;
    }
}

TEST_F(KalmiraCli, DekadikoDiaxwristikoApoToPerivallon)
{
    // Stored as UTF-16 so that reading the file does not depend on the locale's encoding. Input
    // takes a comma or a point whatever the locale.
    const std::string p = Arxeio("diaxwristiko.txt",
                                 SeUtf16("Πρόγραμμα Διαχωριστικό\r\nΜεταβλητές\r\n  πραγματικές: χ, ψ\r\nΑρχή\r\n"
                                         "  Διάβασε χ, ψ\r\n  Γράψε 1/2, ' ', 1234,25, ' ', χ, ' ', ψ\r\n"
                                         "Τέλος_προγράμματος\r\n",
                                         false));
    const std::string eisodos = "0,25\n-1.75\n";
    const std::vector<std::pair<TAllagesPeribalontos, std::string>> periptwseis{
        {{{"LC_ALL", "el_GR.UTF-8"}}, "0,5 1234,25 0,25 -1,75"},
        {{{"LC_ALL", "C"}}, "0.5 1234.25 0.25 -1.75"},
        {{{"LC_ALL", "C"}, {"LC_NUMERIC", "el_GR.UTF-8"}, {"LANG", "el_GR.UTF-8"}}, "0.5 1234.25 0.25 -1.75"},
        {{{"LC_ALL", std::nullopt}, {"LC_NUMERIC", "el_GR.UTF-8"}, {"LANG", "C"}}, "0,5 1234,25 0,25 -1,75"},
        {{{"LC_ALL", std::nullopt}, {"LC_NUMERIC", std::nullopt}, {"LANG", "el_GR.UTF-8"}}, "0,5 1234,25 0,25 -1,75"},
    };
    for (const auto& [allages, grammn] : periptwseis) {
        std::string perigrafn;
        for (const auto& [ovoma, timn] : allages)
            perigrafn += " " + ovoma + "=" + timn.value_or("(unset)");
        const TApotelesma a = Ektelese({"run", p}, eisodos, TEisodos::Arxeio, allages);
        EXPECT_EQ(a.kwdikos, 0) << perigrafn;
        EXPECT_EQ(a.e3odos, eisodos + grammn + "\n") << perigrafn;
    }
}

TEST_F(KalmiraCli, PolyMegaloiPivakesApokleiontaiStnMetaglwttisn)
{
    // Refused while compiling, by name, without trying to allocate them. Products that overflow
    // 32 or 64 bits must not slip through.
    for (const std::string orio : {"16777217", "5000, 5000", "4097, 4096", "65536, 65536, 65536",
                                   "2147483647, 2147483647, 2147483647, 2147483647", "2147483648"}) {
        const std::string p = Arxeio("megalos.txt", "Πρόγραμμα Μεγάλος\nΜεταβλητές\n  λογικές: Πίνακας[" + orio +
                                                        "]\nΑρχή\nΤέλος_προγράμματος\n");
        const TApotelesma a = Ektelese({"check", p});
        EXPECT_EQ(a.kwdikos, 1) << orio;
        const std::size_t telos = a.la8n.find('\n');
        ASSERT_NE(telos, std::string::npos) << orio;
        const std::string kefalida = a.la8n.substr(0, telos);
        EXPECT_EQ(kefalida.rfind(p + ":3:", 0), 0u) << orio << ": " << kefalida;
        EXPECT_TRUE(kefalida.ends_with(": " + Syntaktiko)) << orio << ": " << kefalida;
        EXPECT_EQ(a.la8n.substr(telos + 1), "Ο πίνακας «Πίνακας» είναι πολύ μεγάλος\n") << orio;
    }
}

}  // namespace

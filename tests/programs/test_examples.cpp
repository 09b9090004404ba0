// The example programs handed out with the workbench (examples/*.καλμίρα). Each one must be stored
// exactly as the workbench saves a program (UTF-16 little-endian with a byte-order mark, CR LF after
// every line), already in canonical layout, so that compiling it leaves the pupil's file untouched,
// and must run with its input to give its expected screen.
//
// The input and the expected screen live beside the tests, not in the examples, which pupils read:
// tests/examples/NAME.stdin holds the lines typed for Διάβασε (absent when the program reads
// nothing) and tests/examples/NAME.expected the lines on the user screen, the echoed input included,
// both in UTF-8. An example without its .expected file fails.
//
// Since each file is its own regenerated text, compiling the regenerated text again gives the same
// text and the same run: the canonical check below covers that.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "cli/uGrammnEvtolwv.h"
#include "core/uTupoiDedomevwv.h"
#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"

namespace fs = std::filesystem;

namespace {

const std::string Kataln3n = ".καλμίρα";

fs::path FakelosParadeigmatwv() { return fs::path(KALMIRA_EXAMPLES_DIR); }
fs::path FakelosAnamenomevwv() { return fs::path(KALMIRA_PROGRAMS_DIR).parent_path() / "examples"; }

std::vector<fs::path> Paradeigmata()
{
    std::vector<fs::path> paradeigmata;
    if (fs::is_directory(FakelosParadeigmatwv()))
        for (const auto& e : fs::directory_iterator(FakelosParadeigmatwv()))
            if (e.is_regular_file() && e.path().extension().string() == Kataln3n)
                paradeigmata.push_back(e.path());
    std::sort(paradeigmata.begin(), paradeigmata.end());
    return paradeigmata;
}

std::string DiabaseOlo(const fs::path& arxeio)
{
    std::ifstream in(arxeio, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string XwrisCR(std::string keimevo)
{
    keimevo.erase(std::remove(keimevo.begin(), keimevo.end(), '\r'), keimevo.end());
    return keimevo;
}

// The little-endian code units after the byte-order mark; false when the bytes are not an
// FF FE byte-order mark followed by whole, well-formed UTF-16 code units.
bool ApokwdikopoinsnUtf16LE(const std::string& bytes, std::u16string& keimevo, std::string& la8os)
{
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF || static_cast<unsigned char>(bytes[1]) != 0xFE) {
        la8os = "the file does not start with the byte-order mark FF FE";
        return false;
    }
    if (bytes.size() % 2 != 0) {
        la8os = "odd number of bytes";
        return false;
    }
    keimevo.clear();
    for (std::size_t i = 2; i < bytes.size(); i += 2)
        keimevo += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    for (std::size_t i = 0; i < keimevo.size(); ++i) {
        const char16_t c = keimevo[i];
        if (c == 0xFEFF || c == 0xFFFE) {
            la8os = "a second byte-order mark at code unit " + std::to_string(i);
            return false;
        }
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= keimevo.size() || keimevo[i + 1] < 0xDC00 || keimevo[i + 1] > 0xDFFF) {
                la8os = "unpaired surrogate at code unit " + std::to_string(i);
                return false;
            }
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            la8os = "unpaired surrogate at code unit " + std::to_string(i);
            return false;
        }
    }
    return true;
}

struct TApotelesma {
    std::string e3odos, la8n;
    int kwdikos;
};

TApotelesma Ektelese(const QStringList& orismata, const std::string& eisodos)
{
    std::istringstream in(eisodos);
    std::ostringstream out, err;
    const int kwdikos = kalmira::GrammnEvtolwv(orismata, in, out, err, false);
    return {out.str(), err.str(), kwdikos};
}

QString Diadromn(const fs::path& arxeio) { return QString::fromStdString(arxeio.string()); }

// Latin letters for a Greek file name, so that each example gets a readable test name:
// Αναζήτηση_δυαδική becomes Avazntnsn_duadikn.
std::string OvomaDokimns(const testing::TestParamInfo<fs::path>& info)
{
    static const char* const Latinika = "ABGDEZN8IKLMV3OPR?STUFXCW";  // Α to Ω, with ς's gap at Ρ+1
    std::string ovoma;
    for (char16_t c : kalmira::ApoUtf8(info.param.stem().string())) {
        if (c < 0x80 && std::isalnum(static_cast<unsigned char>(c))) {
            ovoma += static_cast<char>(c);
        } else if (kalmira::EivaiEllnvikoGramma(c)) {
            const char16_t kefalaio = kalmira::KefalaioXwrisTovo(c);
            char gramma = kefalaio >= u'Α' && kefalaio <= u'Ω' ? Latinika[kefalaio - u'Α'] : '_';
            if (gramma == '?')
                gramma = '_';
            const bool mikro = c >= 0x03AC;
            ovoma += mikro ? static_cast<char>(std::tolower(static_cast<unsigned char>(gramma))) : gramma;
        } else {
            ovoma += '_';
        }
    }
    return ovoma;
}

class Paradeigma : public testing::TestWithParam<fs::path> {
protected:
    void SetUp() override { kalmira::OriseDekadikoDiaxwristiko(u','); }
};

TEST_P(Paradeigma, Apo8nkeumenoSeUtf16LEMeCRLF)
{
    const std::string bytes = DiabaseOlo(GetParam());
    std::u16string keimevo;
    std::string la8os;
    ASSERT_TRUE(ApokwdikopoinsnUtf16LE(bytes, keimevo, la8os)) << la8os;
    ASSERT_GE(keimevo.size(), 2u) << "empty program";
    EXPECT_TRUE(keimevo.ends_with(u"\r\n")) << "the last line must end in CR LF";
    int grammn = 1;
    for (std::size_t i = 0; i < keimevo.size(); ++i) {
        if (keimevo[i] == u'\r' && (i + 1 == keimevo.size() || keimevo[i + 1] != u'\n'))
            FAIL() << "CR without LF on line " << grammn;
        if (keimevo[i] == u'\n') {
            if (i == 0 || keimevo[i - 1] != u'\r')
                FAIL() << "LF without CR on line " << grammn;
            ++grammn;
        }
    }
}

TEST_P(Paradeigma, EivaiNdnKavoviko)
{
    std::u16string keimevo;
    std::string la8os;
    ASSERT_TRUE(ApokwdikopoinsnUtf16LE(DiabaseOlo(GetParam()), keimevo, la8os)) << la8os;
    const TApotelesma elegxos = Ektelese({QStringLiteral("check"), Diadromn(GetParam())}, {});
    ASSERT_EQ(elegxos.kwdikos, kalmira::ke3Epituxia) << elegxos.la8n;
    EXPECT_EQ(elegxos.la8n, "");
    EXPECT_EQ(elegxos.e3odos, XwrisCR(kalmira::SeUtf8(keimevo)));
}

TEST_P(Paradeigma, DiveiTnvAvamevomevnO8ovn)
{
    const std::string ovoma = GetParam().stem().string();
    const fs::path anamenomevo = FakelosAnamenomevwv() / (ovoma + ".expected");
    const fs::path eisodos = FakelosAnamenomevwv() / (ovoma + ".stdin");
    ASSERT_TRUE(fs::exists(anamenomevo)) << "missing " << anamenomevo.string();
    const std::string grammesEisodou = fs::exists(eisodos) ? XwrisCR(DiabaseOlo(eisodos)) : std::string();

    const TApotelesma a = Ektelese({QStringLiteral("run"), Diadromn(GetParam())}, grammesEisodou);
    EXPECT_EQ(a.kwdikos, kalmira::ke3Epituxia);
    EXPECT_EQ(a.la8n, "");
    EXPECT_EQ(a.e3odos, XwrisCR(DiabaseOlo(anamenomevo)));
}

INSTANTIATE_TEST_SUITE_P(Ola, Paradeigma, testing::ValuesIn(Paradeigmata()), OvomaDokimns);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Paradeigma);

// The welcome program tells pupils there are examples for every statement, and the set-up script
// runs the welcome program itself.
TEST(Paradeigmata, YparxouvGiaKa8eEvtolnKaiToKalwsorisma)
{
    const std::vector<fs::path> paradeigmata = Paradeigmata();
    ASSERT_FALSE(paradeigmata.empty()) << "no examples in " << FakelosParadeigmatwv().string();
    EXPECT_TRUE(fs::exists(FakelosParadeigmatwv() / ("Καλωσόρισμα" + Kataln3n)));

    // The start of a canonical line (after its indentation) for each statement and section.
    const std::vector<std::string> tupoi = {"ακέραιες: ", "πραγματικές: ", "χαρακτήρες: ", "λογικές: "};
    std::vector<std::string> arxes = {"Σταθερές", "Μεταβλητές", "Διάβασε ", "Γράψε ", "Αν ", "αλλιώς_αν ", "αλλιώς",
                                      "Επίλεξε ", "περίπτωση αλλιώς:", "Όσο ", "Για ", "Αρχή_επανάληψης",
                                      "μέχρις_ότου "};
    arxes.insert(arxes.end(), tupoi.begin(), tupoi.end());
    std::set<std::string> vre8nkav;
    bool pivakas = false, deuternDiastasn = false, arvntikoBnma = false, pragmatikoBnma = false, diastnma = false,
         ana8esn = false;
    for (const fs::path& p : paradeigmata) {
        std::u16string keimevo;
        std::string la8os;
        if (!ApokwdikopoinsnUtf16LE(DiabaseOlo(p), keimevo, la8os))
            continue;  // reported by the example's own tests
        std::istringstream grammes(XwrisCR(kalmira::SeUtf8(keimevo)));
        for (std::string grammn; std::getline(grammes, grammn);) {
            const std::string g = grammn.substr(std::min(grammn.find_first_not_of(' '), grammn.size()));
            auto arxizeiMe = [&g](const std::string& arxn) { return g.rfind(arxn, 0) == 0; };
            auto periexei = [&g](const std::string& kati) { return g.find(kati) != std::string::npos; };
            for (const std::string& arxn : arxes)
                if (arxizeiMe(arxn))
                    vre8nkav.insert(arxn);
            if (std::any_of(tupoi.begin(), tupoi.end(), arxizeiMe) && periexei("[")) {
                pivakas = true;
                const std::size_t agkuln = g.find('[');
                deuternDiastasn = deuternDiastasn || g.find(", ", agkuln) < g.find(']', agkuln);
            }
            if (arxizeiMe("Για ") && periexei(" με_βήμα ")) {
                const std::string bnma = g.substr(g.find(" με_βήμα ") + std::string(" με_βήμα ").size());
                arvntikoBnma = arvntikoBnma || bnma.rfind('-', 0) == 0;
                pragmatikoBnma = pragmatikoBnma || bnma.find(',') != std::string::npos;
            }
            diastnma = diastnma || (arxizeiMe("περίπτωση ") && periexei(" .. "));
            ana8esn = ana8esn || periexei(" ← ");
        }
    }
    for (const std::string& arxn : arxes)
        EXPECT_TRUE(vre8nkav.count(arxn)) << "no example has a line starting with «" << arxn << "»";
    EXPECT_TRUE(pivakas) << "no example declares an array";
    EXPECT_TRUE(deuternDiastasn) << "no example declares a two-dimensional array";
    EXPECT_TRUE(arvntikoBnma) << "no example has a Για with a negative step";
    EXPECT_TRUE(pragmatikoBnma) << "no example has a Για with a real step";
    EXPECT_TRUE(diastnma) << "no example has a range of values in a case";
    EXPECT_TRUE(ana8esn) << "no example has an assignment";
}

// Every input and expected screen belongs to an example: a misspelt name would leave an example
// without its input.
TEST(Paradeigmata, Ka8eEisodosKaiO8ovnAvnkeiSeParadeigma)
{
    ASSERT_TRUE(fs::is_directory(FakelosAnamenomevwv()));
    for (const auto& e : fs::directory_iterator(FakelosAnamenomevwv())) {
        const fs::path& p = e.path();
        EXPECT_TRUE(p.extension() == ".stdin" || p.extension() == ".expected") << "unexpected file " << p.string();
        EXPECT_TRUE(fs::exists(FakelosParadeigmatwv() / (p.stem().string() + Kataln3n))) << p.string() << " has no example";
    }
}

}  // namespace

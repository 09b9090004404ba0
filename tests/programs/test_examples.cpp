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
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>
#include <QStringView>

#include "Voithitika.h"
#include "front/uTimn.h"
#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"

namespace fs = std::filesystem;
using namespace voithitika;

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

std::string XwrisCR(std::string keimevo)
{
    keimevo.erase(std::remove(keimevo.begin(), keimevo.end(), '\r'), keimevo.end());
    return keimevo;
}

// The little-endian code units after the byte-order mark; false when the bytes are not an
// FF FE byte-order mark followed by whole, well-formed UTF-16 code units.
bool ApokwdikopoinsnUtf16LE(const std::string& bytes, std::u16string& keimevo, std::string& la8os)
{
    if (!bytes.starts_with("\xFF\xFE") || bytes.size() % 2 != 0) {
        la8os = "the file is not a byte-order mark FF FE followed by whole UTF-16 code units";
        return false;
    }
    keimevo.clear();
    for (std::size_t i = 2; i < bytes.size(); i += 2)
        keimevo += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (keimevo.find_first_of(u"\uFEFF\uFFFE") != std::u16string::npos)
        la8os = "a second byte-order mark";
    else if (!QStringView(keimevo).isValidUtf16())
        la8os = "an unpaired surrogate";
    return la8os.empty();
}

// Latin letters for a Greek file name, so that each example gets a readable test name:
// Αναζήτηση_δυαδική becomes Avazntnsn_duadikn.
std::string OvomaDokimns(const testing::TestParamInfo<fs::path>& info)
{
    static const char* const Latinika = "ABGDEZN8IKLMV3OPR_STUFXCW";  // Α to Ω, with ς's gap at Ρ+1
    std::string ovoma;
    for (char16_t c : kalmira::ApoUtf8(info.param.stem().string())) {
        const char16_t k = kalmira::KefalaioXwrisTovo(c);
        const char gramma = c < 0x80 && std::isalnum(c) ? static_cast<char>(c) : k >= u'Α' && k <= u'Ω' ? Latinika[k - u'Α'] : '_';
        ovoma += c >= 0x03AC && kalmira::EivaiEllnvikoGramma(c) ? static_cast<char>(std::tolower(gramma)) : gramma;
    }
    return ovoma;
}

class Paradeigma : public testing::TestWithParam<fs::path> {
protected:
    void SetUp() override { kalmira::OriseDekadikoDiaxwristiko(u','); }
};

TEST_P(Paradeigma, Apo8nkeumenoSeUtf16LEMeCRLFKaiNdnKavoviko)
{
    std::u16string keimevo;
    std::string la8os;
    ASSERT_TRUE(ApokwdikopoinsnUtf16LE(DiabaseOlo(GetParam()), keimevo, la8os)) << la8os;
    EXPECT_TRUE(keimevo.ends_with(u"\r\n")) << "the last line must end in CR LF";
    const QString xwrisCRLF = QString::fromStdU16String(keimevo).remove(QStringLiteral("\r\n"));
    EXPECT_FALSE(xwrisCRLF.contains(u'\r') || xwrisCRLF.contains(u'\n')) << "a line break other than CR LF";

    const TApotelesma elegxos = Ektelese({"check", GetParam().string()}, {});
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

    const TApotelesma a = Ektelese({"run", GetParam().string()}, grammesEisodou);
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

    // What at least one canonical line of the examples, its indentation removed, must match.
    std::vector<std::pair<std::string, std::regex>> anagkes;
    for (std::string arxn : {"Σταθερές", "Μεταβλητές", "Διάβασε ", "Γράψε ", "Αν ", "αλλιώς_αν ", "αλλιώς", "Επίλεξε ",
                             "περίπτωση αλλιώς:", "Όσο ", "Για ", "Αρχή_επανάληψης", "μέχρις_ότου ", "ακέραιες: ",
                             "πραγματικές: ", "χαρακτήρες: ", "λογικές: "})
        anagkes.emplace_back("a line starting with «" + arxn + "»", std::regex("^" + arxn));
    const std::string dnlwsn = "^(ακέραιες|πραγματικές|χαρακτήρες|λογικές): ";
    anagkes.emplace_back("an array", std::regex(dnlwsn + ".*\\["));
    anagkes.emplace_back("a two-dimensional array", std::regex(dnlwsn + "[^[]*\\[[^\\]]*, "));
    anagkes.emplace_back("a Για with a negative step", std::regex("^Για .* με_βήμα -"));
    anagkes.emplace_back("a Για with a real step", std::regex("^Για .* με_βήμα .*,"));
    anagkes.emplace_back("a range of values in a case", std::regex("^περίπτωση .* \\.\\. "));
    anagkes.emplace_back("an assignment", std::regex(" ← "));
    std::vector<bool> vre8nke(anagkes.size());
    for (const fs::path& p : paradeigmata) {
        std::u16string keimevo;
        std::string la8os;
        if (!ApokwdikopoinsnUtf16LE(DiabaseOlo(p), keimevo, la8os))
            continue;  // reported by the example's own tests
        std::istringstream grammes(XwrisCR(kalmira::SeUtf8(keimevo)));
        for (std::string grammn; std::getline(grammes, grammn);) {
            grammn.erase(0, grammn.find_first_not_of(' '));
            for (std::size_t i = 0; i < anagkes.size(); ++i)
                vre8nke[i] = vre8nke[i] || std::regex_search(grammn, anagkes[i].second);
        }
    }
    for (std::size_t i = 0; i < anagkes.size(); ++i)
        EXPECT_TRUE(vre8nke[i]) << "no example has " << anagkes[i].first;
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

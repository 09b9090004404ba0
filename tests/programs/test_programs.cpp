// Runs every program under tests/programs through the command-line runner and checks the
// expectations written in its comments (see README.md).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Voithitika.h"
#include "front/uTimn.h"

namespace fs = std::filesystem;
using namespace voithitika;

namespace {

struct TPerilnpsn {
    std::vector<std::string> e3odos, la8n;
    std::string eisodos;
    std::vector<std::string> parametroi;
    int kwdikos = 0;
    bool elegxos = false;
};

// The lines of a text, each without its line end.
std::vector<std::string> Grammes(const std::string& keimevo)
{
    std::vector<std::string> grammes;
    std::stringstream s(keimevo);
    for (std::string grammn; std::getline(s, grammn);)
        grammes.push_back(grammn.ends_with('\r') ? grammn.substr(0, grammn.size() - 1) : grammn);
    return grammes;
}

// The words of a text, split at blanks.
std::vector<std::string> Le3eis(const std::string& keimevo)
{
    std::vector<std::string> le3eis;
    std::istringstream s(keimevo);
    for (std::string le3n; s >> le3n;)
        le3eis.push_back(le3n);
    return le3eis;
}

TPerilnpsn DiabasePerilnpsn(const fs::path& arxeio)
{
    // A comment line "! name: value"; one blank after the colon is not part of the value.
    static const std::regex odngia(R"(^ *! (expect|expect stderr|expect exit|stdin|args|mode): ?(.*)$)");
    TPerilnpsn p;
    for (const std::string& grammn : Grammes(DiabaseOlo(arxeio))) {
        std::smatch m;
        if (!std::regex_match(grammn, m, odngia))
            continue;
        const std::string ovoma = m[1], timn = m[2];
        if (ovoma == "expect")
            p.e3odos.push_back(timn);
        else if (ovoma == "expect stderr")
            p.la8n.push_back(timn);
        else if (ovoma == "expect exit")
            p.kwdikos = std::stoi(timn);
        else if (ovoma == "stdin")
            p.eisodos += timn + "\n";
        else if (ovoma == "args")
            p.parametroi = Le3eis(timn);
        else
            p.elegxos = timn == "check";
    }
    return p;
}

// Replaces the program's path by "FILE" so that expectations do not depend on where tests run.
std::string XwrisDiadromn(std::string keimevo, const std::string& diadromn)
{
    for (std::size_t i = keimevo.find(diadromn); i != std::string::npos; i = keimevo.find(diadromn, i + 4))
        keimevo.replace(i, diadromn.size(), "FILE");
    return keimevo;
}

std::vector<fs::path> Programmata()
{
    std::vector<fs::path> programmata;
    for (const auto& e : fs::recursive_directory_iterator(KALMIRA_PROGRAMS_DIR))
        if (e.is_regular_file() && e.path().extension() == ".txt" && e.path().filename() != "CMakeLists.txt")
            programmata.push_back(e.path());
    std::sort(programmata.begin(), programmata.end());
    return programmata;
}

class Programma : public testing::TestWithParam<fs::path> {
protected:
    void SetUp() override { kalmira::OriseDekadikoDiaxwristiko(u','); }
};

TEST_P(Programma, TnreiTisProsdokies)
{
    const fs::path arxeio = GetParam();
    const TPerilnpsn p = DiabasePerilnpsn(arxeio);
    const std::string diadromn = arxeio.string();
    std::vector<std::string> orismata{p.elegxos ? "check" : "run"};
    orismata.insert(orismata.end(), p.parametroi.begin(), p.parametroi.end());
    orismata.push_back(diadromn);

    const TApotelesma a = Ektelese(orismata, p.eisodos);
    EXPECT_EQ(Grammes(a.e3odos), p.e3odos) << "standard output of " << diadromn;
    EXPECT_EQ(Grammes(XwrisDiadromn(a.la8n, diadromn)), p.la8n) << "standard error of " << diadromn;
    EXPECT_EQ(a.kwdikos, p.kwdikos) << "exit code of " << diadromn;

    fs::path listing = arxeio;
    listing.replace_extension(".listing");
    const TApotelesma kanoviko = Ektelese({"check", diadromn}, {});
    if (fs::exists(listing)) {
        EXPECT_EQ(kanoviko.e3odos, DiabaseOlo(listing)) << "regenerated text of " << diadromn;
    }
    if (kanoviko.kwdikos != 0)
        return;

    // The regenerated text compiles to itself and runs the same.
    const fs::path proswrino = fs::temp_directory_path() / ("kalmira-" + arxeio.stem().string() + ".txt");
    std::ofstream(proswrino, std::ios::binary) << kanoviko.e3odos;
    const std::string diadromn2 = proswrino.string();
    const TApotelesma ksanaKanoviko = Ektelese({"check", diadromn2}, {});
    EXPECT_EQ(ksanaKanoviko.e3odos, kanoviko.e3odos) << "regenerated text of the regenerated text of " << diadromn;
    orismata.back() = diadromn2;
    const TApotelesma ksana = Ektelese(orismata, p.eisodos);
    EXPECT_EQ(ksana.e3odos, a.e3odos) << "run of the regenerated text of " << diadromn;
    EXPECT_EQ(XwrisDiadromn(ksana.la8n, diadromn2), XwrisDiadromn(a.la8n, diadromn)) << "errors of the regenerated text of " << diadromn;
    EXPECT_EQ(ksana.kwdikos, a.kwdikos);
    fs::remove(proswrino);
}

std::string OvomaDokimns(const testing::TestParamInfo<fs::path>& info)
{
    std::string ovoma = fs::relative(info.param, KALMIRA_PROGRAMS_DIR).replace_extension().string();
    for (char& c : ovoma)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return ovoma;
}

INSTANTIATE_TEST_SUITE_P(Ola, Programma, testing::ValuesIn(Programmata()), OvomaDokimns);

}  // namespace

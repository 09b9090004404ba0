// Runs every program under tests/programs through the command-line runner and checks the
// expectations written in its comments (see README.md).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QStringList>

#include "cli/uGrammnEvtolwv.h"
#include "core/uTupoiDedomevwv.h"

namespace fs = std::filesystem;

namespace {

struct TPerilnpsn {
    std::vector<std::string> e3odos, la8n, eisodos;
    QStringList parametroi;
    int kwdikos = 0;
    bool elegxos = false;
};

struct TApotelesma {
    std::string e3odos, la8n;
    int kwdikos;
};

std::string DiabaseOlo(const fs::path& arxeio)
{
    std::ifstream in(arxeio, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Grammes(const std::string& keimevo)
{
    std::vector<std::string> grammes;
    std::stringstream s(keimevo);
    std::string grammn;
    while (std::getline(s, grammn)) {
        if (!grammn.empty() && grammn.back() == '\r')
            grammn.pop_back();
        grammes.push_back(grammn);
    }
    return grammes;
}

// The directive of a comment line "! name: value"; false for other lines.
bool Odngia(const std::string& grammn, const std::string& ovoma, std::string& timn)
{
    std::size_t i = grammn.find_first_not_of(' ');
    if (i == std::string::npos || grammn.compare(i, 2, "! ") != 0)
        return false;
    i += 2;
    const std::string prefix = ovoma + ":";
    if (grammn.compare(i, prefix.size(), prefix) != 0)
        return false;
    timn = grammn.substr(i + prefix.size());
    if (!timn.empty() && timn[0] == ' ')
        timn.erase(0, 1);
    return true;
}

TPerilnpsn DiabasePerilnpsn(const fs::path& arxeio)
{
    TPerilnpsn p;
    for (const std::string& grammn : Grammes(DiabaseOlo(arxeio))) {
        std::string timn;
        if (Odngia(grammn, "expect", timn))
            p.e3odos.push_back(timn);
        else if (Odngia(grammn, "expect stderr", timn))
            p.la8n.push_back(timn);
        else if (Odngia(grammn, "expect exit", timn))
            p.kwdikos = std::stoi(timn);
        else if (Odngia(grammn, "stdin", timn))
            p.eisodos.push_back(timn);
        else if (Odngia(grammn, "args", timn))
            p.parametroi += QString::fromStdString(timn).split(u' ', Qt::SkipEmptyParts);
        else if (Odngia(grammn, "mode", timn))
            p.elegxos = timn == "check";
    }
    return p;
}

TApotelesma Ektelese(const QStringList& orismata, const std::vector<std::string>& eisodos)
{
    std::string keimevo;
    for (const std::string& grammn : eisodos)
        keimevo += grammn + "\n";
    std::istringstream in(keimevo);
    std::ostringstream out, err;
    int kwdikos = kalmira::GrammnEvtolwv(orismata, in, out, err, false);
    return {out.str(), err.str(), kwdikos};
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
    QStringList orismata{p.elegxos ? QStringLiteral("check") : QStringLiteral("run")};
    orismata += p.parametroi;
    orismata += QString::fromStdString(diadromn);

    const TApotelesma a = Ektelese(orismata, p.eisodos);
    EXPECT_EQ(Grammes(a.e3odos), p.e3odos) << "standard output of " << diadromn;
    EXPECT_EQ(Grammes(XwrisDiadromn(a.la8n, diadromn)), p.la8n) << "standard error of " << diadromn;
    EXPECT_EQ(a.kwdikos, p.kwdikos) << "exit code of " << diadromn;

    fs::path listing = arxeio;
    listing.replace_extension(".listing");
    const TApotelesma kanoviko = Ektelese({QStringLiteral("check"), QString::fromStdString(diadromn)}, {});
    if (fs::exists(listing)) {
        EXPECT_EQ(kanoviko.e3odos, DiabaseOlo(listing)) << "regenerated text of " << diadromn;
    }
    if (kanoviko.kwdikos != 0)
        return;

    // The regenerated text compiles to itself and runs the same.
    const fs::path proswrino = fs::temp_directory_path() / ("kalmira-" + arxeio.stem().string() + ".txt");
    std::ofstream(proswrino, std::ios::binary) << kanoviko.e3odos;
    const std::string diadromn2 = proswrino.string();
    const TApotelesma ksanaKanoviko = Ektelese({QStringLiteral("check"), QString::fromStdString(diadromn2)}, {});
    EXPECT_EQ(ksanaKanoviko.e3odos, kanoviko.e3odos) << "regenerated text of the regenerated text of " << diadromn;
    orismata.back() = QString::fromStdString(diadromn2);
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

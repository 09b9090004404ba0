// Build tool: writes, from Qt's locale data, the tables by which the command-line runner finds the
// decimal separator of a locale name as QLocale would, without loading Qt (uDekadikoDiaxwristiko).
// The tables come from the Qt the project is built with, so the runner and the workbench agree.
//
//   diaxwristika OUTPUT
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <QLocale>
#include <QString>

namespace {

char16_t Diaxwristiko(const QString& ovoma)
{
    const QString d = QLocale(ovoma).decimalPoint();
    return d.isEmpty() ? u'.' : d[0].unicode();
}

std::string Xaraktnras(char16_t c)
{
    char s[16];
    std::snprintf(s, sizeof s, "u'\\u%04X'", static_cast<unsigned>(c));
    return s;
}

// Every code of `mhkos` characters over `alfabnto`.
std::vector<std::string> Kwdikoi(const std::string& alfabnto, int mhkos)
{
    std::vector<std::string> kwdikoi{""};
    for (int i = 0; i < mhkos; ++i) {
        std::vector<std::string> epomevoi;
        for (const std::string& k : kwdikoi)
            for (char c : alfabnto)
                epomevoi.push_back(k + c);
        kwdikoi = std::move(epomevoi);
    }
    return kwdikoi;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: diaxwristika OUTPUT\n");
        return 2;
    }
    const std::string mikra = "abcdefghijklmnopqrstuvwxyz", kefalaia = "ABCDEFGHIJKLMNOPQRSTUVWXYZ", psnfia = "0123456789";

    std::set<std::string> grafes;
    for (int s = 1; s <= QLocale::LastScript; ++s)
        grafes.insert(QLocale::scriptToCode(QLocale::Script(s)).toStdString());

    std::vector<std::string> perioxes;
    for (const auto& [alfabnto, mhkos] : {std::pair{kefalaia, 2}, std::pair{kefalaia, 3}, std::pair{psnfia, 3}})
        for (const std::string& k : Kwdikoi(alfabnto, mhkos))
            if (QLocale::codeToTerritory(QString::fromStdString(k)) != QLocale::AnyTerritory)
                perioxes.push_back(k);

    std::vector<std::string> glwsses, grafesGlwsswv, e3airesis;
    auto e3airesn = [&](const std::string& glwssa, const std::string& grafn, char16_t vasn) {
        const std::string arxn = grafn.empty() ? glwssa : glwssa + "_" + grafn;
        for (const std::string& p : perioxes)
            if (const char16_t d = Diaxwristiko(QString::fromStdString(arxn + "_" + p)); d != vasn)
                e3airesis.push_back("{\"" + glwssa + "\", \"" + grafn + "\", \"" + p + "\", " + Xaraktnras(d) + "}");
    };
    for (int mhkos : {2, 3}) {
        for (const std::string& k : Kwdikoi(mikra, mhkos)) {
            const QLocale topiko(QString::fromStdString(k));
            if (topiko.language() == QLocale::C)
                continue;  // no language of Qt's, or one without data: the "C" locale
            const char16_t vasn = Diaxwristiko(QString::fromStdString(k));
            glwsses.push_back("{\"" + k + "\", " + Xaraktnras(vasn) + "}");
            e3airesn(k, "", vasn);
            std::set<std::string> xrnsimes;
            for (const QLocale& l : QLocale::matchingLocales(topiko.language(), QLocale::AnyScript, QLocale::AnyTerritory))
                xrnsimes.insert(QLocale::scriptToCode(l.script()).toStdString());
            for (const std::string& grafn : xrnsimes) {
                const char16_t vasnGrafns = Diaxwristiko(QString::fromStdString(k + "_" + grafn));
                grafesGlwsswv.push_back("{\"" + k + "\", \"" + grafn + "\", " + Xaraktnras(vasnGrafns) + "}");
                e3airesn(k, grafn, vasnGrafns);
            }
        }
    }
    std::sort(glwsses.begin(), glwsses.end());
    std::sort(grafesGlwsswv.begin(), grafesGlwsswv.end());
    std::sort(e3airesis.begin(), e3airesis.end());

    std::ofstream e3odos(argv[1]);
    e3odos << "// Written by cli/diaxwristika.cpp from Qt " << qVersion() << "'s locale data; not to be edited.\n\n";
    e3odos << "// Every script code Qt knows.\ninline constexpr std::string_view GrafesQt[] = {\n";
    for (const std::string& g : grafes)
        e3odos << "    \"" << g << "\",\n";
    e3odos << "};\n\n// Every language code with locale data, and its decimal separator.\ninline constexpr TGlwssa Glwsses[] = {\n";
    for (const std::string& g : glwsses)
        e3odos << "    " << g << ",\n";
    e3odos << "};\n\n// The scripts each of them is written in, with the separator of language and script.\n"
              "inline constexpr TGrafnGlwssas GrafesGlwsswv[] = {\n";
    for (const std::string& g : grafesGlwsswv)
        e3odos << "    " << g << ",\n";
    e3odos << "};\n\n// The territories whose separator differs from the one of the language (and script).\n"
              "inline constexpr TE3airesn E3airesis[] = {\n";
    for (const std::string& e : e3airesis)
        e3odos << "    " << e << ",\n";
    e3odos << "};\n";
    return e3odos ? 0 : 1;
}

// The runner finds the decimal separator of a locale name without Qt: it must be the separator
// that QLocale gives the same name, as the workbench uses it, for every name Qt knows and for
// names it does not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QLocale>
#include <QString>

#include "cli/uDekadikoDiaxwristiko.h"

namespace {

char16_t DiaxwristikoQt(const std::string& ovoma)
{
    const QString d = QLocale(QString::fromLatin1(ovoma.c_str())).decimalPoint();
    return d.isEmpty() ? u'.' : d[0].unicode();
}

void IdioMeQt(const std::string& ovoma)
{
    EXPECT_EQ(static_cast<int>(kalmira::DekadikoDiaxwristiko(ovoma)), static_cast<int>(DiaxwristikoQt(ovoma))) << ovoma;
}

TEST(DekadikoDiaxwristiko, TaOvomataTwvTopikwvTouQt)
{
    // Every locale Qt has, by its name, its name with a script, in the forms of the environment.
    for (const QLocale& topiko : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const std::string ovoma = topiko.name().toStdString();
        for (const std::string& morfn : {ovoma, ovoma + ".UTF-8", ovoma + "@euro", ovoma + ".ISO-8859-7@euro"})
            IdioMeQt(morfn);
        const std::string glwssa = QLocale::languageToCode(topiko.language()).toStdString();
        const std::string grafn = QLocale::scriptToCode(topiko.script()).toStdString();
        const std::string perioxn = QLocale::territoryToCode(topiko.territory()).toStdString();
        IdioMeQt(glwssa);
        IdioMeQt(glwssa + "_" + grafn);
        IdioMeQt(glwssa + "-" + grafn + "-" + perioxn);
        // Codes in the other case, a script the language is not written in, a territory it has no
        // locale for.
        std::string kefalaia = glwssa, mikra = perioxn;
        for (char& c : kefalaia)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (char& c : mikra)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        IdioMeQt(kefalaia + "_" + mikra);
        IdioMeQt(glwssa + "_" + grafn + "_" + mikra);
        IdioMeQt(glwssa + "_Hebr_" + perioxn);
        IdioMeQt(glwssa + "_Cyrl");
        IdioMeQt(glwssa + "_AQ");
        IdioMeQt(glwssa + "_latn_" + perioxn);
    }
}

TEST(DekadikoDiaxwristiko, KathePerioxnKaiOviGlwsses)
{
    // The Greek, German, Spanish and Arabic of every territory, through every code of the language.
    for (const QLocale::Language glwssa : {QLocale::Greek, QLocale::German, QLocale::Spanish, QLocale::Arabic, QLocale::Serbian}) {
        for (int p = 1; p <= QLocale::LastTerritory; ++p) {
            const std::string perioxn = QLocale::territoryToCode(QLocale::Territory(p)).toStdString();
            for (const auto eidos : {QLocale::ISO639Part1, QLocale::ISO639Part2B, QLocale::ISO639Part2T, QLocale::ISO639Part3})
                if (const QString kwdikos = QLocale::languageToCode(glwssa, eidos); !kwdikos.isEmpty())
                    IdioMeQt(kwdikos.toStdString() + "_" + perioxn);
        }
    }
    // Legacy codes, numeric territories, and names that are no locale or only look like one.
    for (const char* ovoma : {"no", "no_NO", "iw_IL", "in", "mo", "sh", "tl", "ji", "es_419", "es_484", "el_300", "el_999", "C", "C.UTF-8",
                              "POSIX", "en_POSIX", "", "_el", "el_", "el__GR", "el_GR_extra", "e1_GR", "zz", "zz_GR", "xyz_DE", "und_GR",
                              "ελ_GR", "el_GR\xB7", "el GR", "english", "de_CHE", "de-ch.utf8", "pt-br", "sr@latin", "sr_RS@latin"})
        IdioMeQt(ovoma);
}

}  // namespace

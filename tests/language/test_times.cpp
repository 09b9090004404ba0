// Run-time values: their texts, conversions, value semantics and the Greek names of the types.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

#include "Voithitika.h"

using namespace voithitika;

namespace {

std::string Keimevo(const TTimn& t) { return U8(KeimevoTimns(t)); }
std::string Pragmatikos(double d) { return Keimevo(TTimn::ApoPragmatiko(d)); }

// Sets the output separator for one test and puts the previous one back.
class TDiaxwristiko {
public:
    explicit TDiaxwristiko(char16_t c) : palio_(DekadikoDiaxwristiko()) { OriseDekadikoDiaxwristiko(c); }
    ~TDiaxwristiko() { OriseDekadikoDiaxwristiko(palio_); }

private:
    char16_t palio_;
};

}  // namespace

TEST(KeimevoTimns, ScalarsEmptyAndBooleans)
{
    EXPECT_EQ(Keimevo(TTimn()), "-");
    EXPECT_EQ(Keimevo(TTimn::ApoLogiko(true)), "Αληθής");
    EXPECT_EQ(Keimevo(TTimn::ApoLogiko(false)), "Ψευδής");
    EXPECT_EQ(Keimevo(TTimn::ApoAkeraio(0)), "0");
    EXPECT_EQ(Keimevo(TTimn::ApoAkeraio(-42)), "-42");
    EXPECT_EQ(Keimevo(TTimn::ApoAkeraio(std::numeric_limits<std::int64_t>::min())), "-9223372036854775808");
    EXPECT_EQ(Keimevo(TTimn::ApoAlfari8mntiko(u"it's \"x\"")), "it's \"x\"");
    EXPECT_EQ(Keimevo(TTimn::ApoAlfari8mntiko(u"")), "");
}

TEST(KeimevoTimns, RealsFollowPrintfG15WithTheSeparator)
{
    TDiaxwristiko koma(u',');
    // Fifteen significant digits, an exponent from 1E+15 and below 1E-04, the comma; a sum that
    // rounds. Zero is "0".
    EXPECT_EQ(Pragmatikos(0.0), "0");
    const double mantisses[] = {1.0, 1.5, 3.14159265358979323, 9.99999999999999, 9.999999999999999, 2.0 / 3, 1.2345678901234567,
                                1.23425, 0.1 + 0.2};
    for (int e = -25; e <= 25; ++e)
        for (double m : mantisses)
            for (double s : {1.0, -1.0}) {
                double d = s * m * std::pow(10.0, e);
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.15G", d);
                std::string anamenomeno = buf;
                for (char& c : anamenomeno)
                    if (c == '.')
                        c = ',';
                ASSERT_EQ(Pragmatikos(d), anamenomeno) << buf;
            }
}

TEST(KeimevoTimns, OutputSeparatorIsASettingButLiteralsKeepTheComma)
{
    TDiaxwristiko teleia(u'.');
    EXPECT_EQ(Pragmatikos(0.5), "0.5");
    EXPECT_EQ(Pragmatikos(1.5e-7), "1.5E-07");
    // Literals are written with the comma and the shortest digits that read back; see also test_kanoviko_keimevo.cpp.
    EXPECT_EQ(U8(KeimevoPragmatiknsSta8eras(0.5)), "0,5");
    EXPECT_EQ(U8(KeimevoPragmatiknsSta8eras(3.14159265358979323)), "3,141592653589793");
    EXPECT_EQ(U8(KeimevoPragmatiknsSta8eras(123456789012345678.0)), "123456789012345680,0");
}

TEST(KeimevoTimns, ArraysInRowMajorOrder)
{
    TDiaxwristiko koma(u',');
    TMetablntnPivakas a(u"Α", tdAkeraios, TOria{{1, 2}, {1, 3}});
    GraceStoixeio(a, {1, 2}, TTimn::ApoAkeraio(7));
    EXPECT_EQ(Keimevo(a.Timn()), "(-, 7, -, -, -, -)");
    TMetablntnPivakas k(u"Κ", tdAkeraios, TOria{{1, 2}, {1, 2}, {1, 2}});
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j)
            for (int l = 1; l <= 2; ++l)
                GraceStoixeio(k, {i, j, l}, TTimn::ApoAkeraio(100 * i + 10 * j + l));
    EXPECT_EQ(Keimevo(k.Timn()), "(111, 112, 121, 122, 211, 212, 221, 222)");

    TMetablntnPivakas l(u"Λ", tdLogikos, TOria{{1, 3}});
    GraceStoixeio(l, {1}, TTimn::ApoLogiko(true));
    GraceStoixeio(l, {3}, TTimn::ApoLogiko(false));
    EXPECT_EQ(Keimevo(l.Timn()), "(True, -, False)");
    TMetablntnPivakas p(u"Π", tdPragmatikos, TOria{{1, 3}});
    GraceStoixeio(p, {1}, TTimn::ApoPragmatiko(0.5));
    GraceStoixeio(p, {3}, TTimn::ApoPragmatiko(1e15));
    EXPECT_EQ(Keimevo(p.Timn()), "(0,5, -, 1E+15)");
    TMetablntnPivakas s(u"Σ", tdAlfari8mntikos, TOria{{1, 2}});
    GraceStoixeio(s, {2}, TTimn::ApoAlfari8mntiko(u"α'β"));
    EXPECT_EQ(Keimevo(s.Timn()), "(-, α'β)");
}

TEST(Metatropes, RealToIntegerRoundsHalvesToEven)
{
    const std::pair<double, std::int64_t> periptwseis[] = {{2.5, 2},  {3.5, 4},   {-2.5, -2}, {-3.5, -4}, {0.5, 0},
                                                           {1.5, 2},  {-0.5, 0},  {2.4, 2},   {2.6, 3},   {-2.6, -3},
                                                           {1e18, 1000000000000000000}};
    for (auto [d, n] : periptwseis) {
        EXPECT_EQ(TTimn::ApoPragmatiko(d).SeAkeraio(), n) << d;
        TTimn t = TTimn::ApoPragmatiko(d).Metatropn(tdAkeraios);
        EXPECT_EQ(t.Eidos(), TTimn::tmAkeraios) << d;
        EXPECT_EQ(t.Akeraios(), n) << d;
    }
    EXPECT_EQ(TTimn::ApoAkeraio(-7).SeAkeraio(), -7);
}

TEST(Metatropes, IndexTakesTheLow32Bits)
{
    EXPECT_EQ(TTimn::ApoAkeraio(4294967297).SeDeikti(), 1);
    EXPECT_EQ(TTimn::ApoAkeraio(2147483648).SeDeikti(), -2147483647 - 1);
    EXPECT_EQ(TTimn::ApoAkeraio(-1).SeDeikti(), -1);
    EXPECT_EQ(TTimn::ApoAkeraio(-4294967295).SeDeikti(), 1);
    EXPECT_EQ(TTimn::ApoPragmatiko(4294967298.5).SeDeikti(), 2);
    EXPECT_EQ(TTimn::ApoPragmatiko(2.5).SeDeikti(), 2);
}

TEST(Metatropes, ToRealToStringAndCasts)
{
    TDiaxwristiko koma(u',');
    EXPECT_EQ(TTimn::ApoAkeraio(9007199254740991).SePragmatiko(), 9007199254740991.0);
    EXPECT_EQ(TTimn::ApoAkeraio(9007199254740993).SePragmatiko(), 9007199254740992.0);
    EXPECT_EQ(TTimn::ApoAkeraio(std::numeric_limits<std::int64_t>::max()).SePragmatiko(), 9223372036854775808.0);

    TTimn r = TTimn::ApoAkeraio(3).Metatropn(tdPragmatikos);
    ASSERT_EQ(r.Eidos(), TTimn::tmPragmatikos);
    EXPECT_EQ(r.Pragmatikos(), 3.0);
    EXPECT_EQ(U8(TTimn::ApoAkeraio(-7).SeAlfari8mntiko()), "-7");
    EXPECT_EQ(U8(TTimn::ApoPragmatiko(0.5).SeAlfari8mntiko()), "0,5");
    TTimn s = TTimn::ApoPragmatiko(2.25).Metatropn(tdAlfari8mntikos);
    ASSERT_EQ(s.Eidos(), TTimn::tmAlfari8mntiko);
    EXPECT_EQ(U8(s.Alfari8mntiko()), "2,25");
    // A value already of the target type is unchanged.
    EXPECT_EQ(TTimn::ApoPragmatiko(2.5).Metatropn(tdPragmatikos).Pragmatikos(), 2.5);
    EXPECT_EQ(U8(TTimn::ApoAlfari8mntiko(u"12").Metatropn(tdAlfari8mntikos).Alfari8mntiko()), "12");
    EXPECT_TRUE(TTimn::ApoLogiko(true).Metatropn(tdLogikos).Logikos());
}

TEST(TimesAntigrafo, CopiesNeverShareStringsOrArrays)
{
    TTimn a = TTimn::ApoAlfari8mntiko(u"αβ");
    TTimn b = a;
    b.Pros8eseAlfari8mntiko(u"γ");
    EXPECT_EQ(U8(a.Alfari8mntiko()), "αβ");
    EXPECT_EQ(U8(b.Alfari8mntiko()), "αβγ");
    TTimn c;
    c = a;
    a.OriseAkeraio(5);
    EXPECT_EQ(U8(c.Alfari8mntiko()), "αβ");

    TMetablntnPivakas p(u"Π", tdAkeraios, TOria{{1, 2}});
    GraceStoixeio(p, {1}, TTimn::ApoAkeraio(1));
    TTimn antigrafo = p.Timn();
    GraceStoixeio(p, {1}, TTimn::ApoAkeraio(2));
    GraceStoixeio(p, {2}, TTimn::ApoAkeraio(3));
    EXPECT_EQ(Keimevo(antigrafo), "(1, -)");
    EXPECT_EQ(Keimevo(p.Timn()), "(2, 3)");
}

TEST(OvomataTupwv, AllSixtyFourForms)
{
    const char* const arsenika[8][4] = {
        {"ακέραιος", "πραγματικός", "αλφαριθμητικός", "λογικός"},
        {"ακέραιου", "πραγματικού", "αλφαριθμητικού", "λογικού"},
        {"ακέραιο", "πραγματικό", "αλφαριθμητικό", "λογικό"},
        {"ακέραιε", "πραγματικέ", "αλφαριθμητικέ", "λογικέ"},
        {"ακέραιοι", "πραγματικοί", "αλφαριθμητικοί", "λογικοί"},
        {"ακεραίων", "πραγματικών", "αλφαριθμητικών", "λογικών"},
        {"ακέραιους", "πραγματικούς", "αλφαριθμητικούς", "λογικούς"},
        {"ακέραιοι", "πραγματικοί", "αλφαριθμητικοί", "λογικοί"},
    };
    const char* const gv8nluka[8][4] = {
        {"ακέραια", "πραγματική", "αλφαριθμητική", "λογική"},
        {"ακέραιας", "πραγματικής", "αλφαριθμητικής", "λογικής"},
        {"ακέραια", "πραγματική", "αλφαριθμητική", "λογική"},
        {"ακέραια", "πραγματική", "αλφαριθμητική", "λογική"},
        {"ακέραιες", "πραγματικές", "αλφαριθμητικές", "λογικές"},
        {"ακεραίων", "πραγματικών", "αλφαριθμητικών", "λογικών"},
        {"ακέραιες", "πραγματικές", "αλφαριθμητικές", "λογικές"},
        {"ακέραιες", "πραγματικές", "αλφαριθμητικές", "λογικές"},
    };
    const TTuposDedomevwv tupoi[4] = {tdAkeraios, tdPragmatikos, tdAlfari8mntikos, tdLogikos};
    for (int ptwsn = 0; ptwsn < 8; ++ptwsn)
        for (int t = 0; t < 4; ++t) {
            EXPECT_EQ(U8(PngaiosKwdikasTupou(tupoi[t], TPtwsn(ptwsn), gvArseviko)), arsenika[ptwsn][t]) << ptwsn << ' ' << t;
            EXPECT_EQ(U8(PngaiosKwdikasTupou(tupoi[t], TPtwsn(ptwsn), gv8nluko)), gv8nluka[ptwsn][t]) << ptwsn << ' ' << t;
        }
}

TEST(OvomataTupwv, NoNameForTheEmptyType)
{
    EXPECT_EQ(La8os<ELa8osMou>([] { PngaiosKwdikasTupou(tdKavevas, ptGeviknEvikou, gvArseviko); }),
              "Λάθος τύπος variant στην PngaiosKwdikasTupou");
}

// The lexical analyzer: character classes, the fold, keyword and symbol lookup, tokens, comments,
// lexical errors with their positions, and the operator normalisation.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"

using namespace kalmira;

namespace {

std::string U8(std::u16string_view s) { return SeUtf8(s); }
std::u16string U16(std::string_view s) { return ApoUtf8(s); }

// The symbols, in the order of their kinds.
const std::u16string_view Sumbola[19] = {u"(", u")", u"*", u"+", u",", u"-", u".", u"/", u":", u"<",
                                         u"=", u">", u"[", u"]", u"^", u"←", u"≠", u"≤", u"≥"};

// The keywords in their written form, in ascending order of their folded form.
const char* const Le3eis[43] = {
    "div", "mod", "Α_Μ", "Α_Τ", "ακέραιες", "Αληθής", "αλλιώς", "αλλιώς_αν", "Αν", "από", "Αρχή",
    "Αρχή_επανάληψης", "Για", "Γράψε", "Διάβασε", "Ε", "επανάλαβε", "Επίλεξε", "ΕΦ", "ή", "ΗΜ", "και",
    "ΛΟΓ", "λογικές", "με_βήμα", "Μεταβλητές", "μέχρι", "Μέχρις_ότου", "Όσο", "όχι", "Περίπτωση",
    "πραγματικές", "Πρόγραμμα", "Σταθερές", "ΣΥΝ", "Τ_Ρ", "Τέλος_αν", "Τέλος_επανάληψης",
    "Τέλος_επιλογών", "Τέλος_προγράμματος", "τότε", "χαρακτήρες", "Ψευδής"};

// The fold as a pupil would state it: capitals without accents; final sigma to sigma; Latin to
// capitals; everything else unchanged.
char16_t AnaforikoKefalaio(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 32);
    if (c >= 0x03B1 && c <= 0x03C9)
        return c == 0x03C2 ? char16_t(0x03A3) : static_cast<char16_t>(c - 0x20);
    switch (c) {
    case 0x0386: case 0x03AC: return 0x0391;
    case 0x0388: case 0x03AD: return 0x0395;
    case 0x0389: case 0x03AE: return 0x0397;
    case 0x038A: case 0x03AF: case 0x0390: case 0x03AA: case 0x03CA: return 0x0399;
    case 0x038C: case 0x03CC: return 0x039F;
    case 0x038E: case 0x03CD: case 0x03B0: case 0x03AB: case 0x03CB: return 0x03A5;
    case 0x038F: case 0x03CE: return 0x03A9;
    default: return c;
    }
}

std::u16string AnaforikaKefalaia(std::u16string_view s)
{
    std::u16string r;
    for (char16_t c : s)
        r += AnaforikoKefalaio(c);
    return r;
}

// Small letters without touching accents: Greek capitals and Latin capitals lowered.
std::u16string Mikra(std::u16string_view s)
{
    std::u16string r;
    for (char16_t c : s) {
        if (c >= 0x0391 && c <= 0x03A9 && c != 0x03A2)
            c = static_cast<char16_t>(c + 0x20);
        else if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + 32);
        r += c;
    }
    return r;
}

int ThesnLe3ns(std::u16string_view le3n)
{
    for (int i = 0; i < 43; ++i)
        if (U16(Le3eis[i]) == le3n)
            return i;
    return -1;
}

// One token as a short readable text: "int 3", "real 3.14", "str abc", "bool 1", "id x",
// "sym ,", "kw Αν". Symbols and keywords are also checked against their kind.
std::string Perigrafn(const TLe3n& l)
{
    char buf[64];
    switch (l.Eidos) {
    case lxAkeraiaSta8era:
        return l.Timn.Eidos() == TTimn::tmAkeraios ? "int " + std::to_string(l.Timn.Akeraios()) : "int with a wrong tag";
    case lxPragmatiknSta8era:
        if (l.Timn.Eidos() != TTimn::tmPragmatikos)
            return "real with a wrong tag";
        std::snprintf(buf, sizeof buf, "real %.17g", l.Timn.Pragmatikos());
        return buf;
    case lxAlfari8mntiko:
        return l.Timn.Eidos() == TTimn::tmAlfari8mntiko ? "str " + U8(l.Timn.Alfari8mntiko()) : "str with a wrong tag";
    case lxLogiknSta8era:
        return l.Timn.Eidos() == TTimn::tmLogikos ? std::string("bool ") + (l.Timn.Logikos() ? "1" : "0") : "bool with a wrong tag";
    case lxAvagvwristiko:
        return "id " + U8(l.Timn.Alfari8mntiko());
    case lxTelos: return "end";
    default: break;
    }
    int i = l.Eidos - ProtoSumbolo;
    if (i >= 0 && i < 19) {
        if (l.Timn.Eidos() != TTimn::tmAlfari8mntiko || l.Timn.Alfari8mntiko() != Sumbola[i])
            return "sym whose value is not its kind's";
        return "sym " + U8(Sumbola[i]);
    }
    int k = l.Eidos - ProtnDesmevmevnLe3n;
    if (l.Timn.Eidos() != TTimn::tmAlfari8mntiko || ThesnLe3ns(l.Timn.Alfari8mntiko()) != k)
        return "kw whose value is not its kind's";
    return "kw " + std::string(Le3eis[k]);
}

struct TSxolio {
    std::string keimevo;
    TTroposGrammns tropos;
    bool operator==(const TSxolio&) const = default;
};

struct TApotelesma {
    std::vector<std::string> le3eis;
    std::vector<TSxolio> sxolia;
    std::string la8os;     // the message of a lexical error, if any
    std::size_t snmeio = 0;  // Ar3nLe3ns at the error
};

// Reads the whole text (operator-normalised, CR LF line breaks) into tokens and comments.
TApotelesma Diabase(std::u16string_view pnyh)
{
    TApotelesma a;
    TLektikosAvalutns l(MetatropnTelestwv(pnyh), [&](const std::u16string& s, TTroposGrammns t) {
        a.sxolia.push_back({U8(s), t});
    });
    try {
        while (l.EpomevnLe3n())
            a.le3eis.push_back(Perigrafn(l.Le3n()));
        if (l.Le3n().Eidos != lxTelos || !l.Le3n().Timn.EivaiKevo())
            a.le3eis.push_back("false without an empty end token");
    } catch (const ELektikoLa8os& e) {
        a.la8os = U8(e.Mnvuma());
        a.snmeio = l.Ar3nLe3ns();
    }
    return a;
}

std::vector<std::string> Le3eisTou(std::u16string_view pnyh)
{
    TApotelesma a = Diabase(pnyh);
    if (!a.la8os.empty())
        a.le3eis.push_back("error " + a.la8os);
    return a.le3eis;
}

using V = std::vector<std::string>;

}  // namespace

TEST(XarakthrasKlaseis, BlanksLettersDigitsSymbols)
{
    for (char16_t c = 0; c <= 32; ++c)
        EXPECT_TRUE(EivaiKevo(c)) << int(c);
    EXPECT_FALSE(EivaiKevo(33));
    EXPECT_TRUE(EivaiPsnfio(u'0'));
    EXPECT_TRUE(EivaiPsnfio(u'9'));
    EXPECT_FALSE(EivaiPsnfio(u'/'));
    EXPECT_FALSE(EivaiPsnfio(u':'));
    EXPECT_TRUE(EivaiEllnvikoGramma(0x0386));
    EXPECT_FALSE(EivaiEllnvikoGramma(0x0387));  // ano teleia
    EXPECT_TRUE(EivaiEllnvikoGramma(0x0388));
    EXPECT_TRUE(EivaiEllnvikoGramma(0x038B));  // unassigned, still counted
    EXPECT_TRUE(EivaiEllnvikoGramma(0x03CE));
    EXPECT_FALSE(EivaiEllnvikoGramma(0x0385));
    EXPECT_FALSE(EivaiEllnvikoGramma(0x03CF));
    EXPECT_TRUE(EivaiGramma(u'a'));
    EXPECT_TRUE(EivaiGramma(u'Z'));
    EXPECT_FALSE(EivaiGramma(u'_'));
    EXPECT_FALSE(EivaiGramma(0x00E9));  // é
    for (int i = 0; i < 19; ++i) {
        EXPECT_TRUE(EivaiSumbolo(Sumbola[i][0])) << U8(Sumbola[i]);
        EXPECT_EQ(BreSumbolo(Sumbola[i]), ProtoSumbolo + i) << U8(Sumbola[i]);
    }
    for (std::u16string_view s : {u"!", u"_", u"'", u"\"", u"#", u";", u"a", u"1", u"«"}) {
        EXPECT_FALSE(EivaiSumbolo(s[0])) << U8(s);
        EXPECT_EQ(BreSumbolo(s), lxOxiSumbolo) << U8(s);
    }
}

TEST(Anadiplwsn, EveryCodeUnitFoldsAsTheLetterRulesSay)
{
    for (unsigned c = 0; c <= 0xFFFF; ++c)
        ASSERT_EQ(int(KefalaioXwrisTovo(char16_t(c))), int(AnaforikoKefalaio(char16_t(c)))) << std::hex << "U+" << c;
    EXPECT_EQ(U8(KefalaiaXwrisTovous(u"Τέλος_προγράμματος")), "ΤΕΛΟΣ_ΠΡΟΓΡΑΜΜΑΤΟΣ");
    EXPECT_EQ(U8(KefalaiaXwrisTovous(u"σοφός ΐΰ ϊϋ Ab9")), "ΣΟΦΟΣ ΙΥ ΙΥ AB9");
    EXPECT_EQ(KefalaiaXwrisTovous(u"").size(), 0u);
}

TEST(DesmevmenesLe3eis, FoundInAnyCaseWithOrWithoutAccents)
{
    for (int i = 1; i < 43; ++i)
        ASSERT_LT(AnaforikaKefalaia(U16(Le3eis[i - 1])), AnaforikaKefalaia(U16(Le3eis[i]))) << Le3eis[i];
    for (int i = 0; i < 43; ++i) {
        std::u16string le3n = U16(Le3eis[i]);
        for (const std::u16string& morfh : {le3n, AnaforikaKefalaia(le3n), Mikra(le3n), Mikra(AnaforikaKefalaia(le3n))}) {
            TEidosLe3ns eidos = lxTelos;
            EXPECT_TRUE(BreDesmevmevnLe3n(morfh, eidos)) << U8(morfh);
            EXPECT_EQ(eidos, ProtnDesmevmevnLe3n + i) << U8(morfh);
        }
    }
    for (std::u16string_view oxi : {u"", u"Αρχ", u"Αρχήα", u"Τέλος", u"div2", u"Αν1", u"A\u03BD", u"E", u"DIVV", u"Ωμέγα"}) {
        TEidosLe3ns eidos = lxTelos;
        EXPECT_FALSE(BreDesmevmevnLe3n(oxi, eidos)) << U8(oxi);
    }
}

TEST(DesmevmenesLe3eis, TokensCarryTheCanonicalForm)
{
    EXPECT_EQ(Le3eisTou(u"ΑΝ αν άν Αν"), (V{"kw Αν", "kw Αν", "kw Αν", "kw Αν"}));
    EXPECT_EQ(Le3eisTou(u"η Η ή ε έ DIV Mod"), (V{"kw ή", "kw ή", "kw ή", "kw Ε", "kw Ε", "kw div", "kw mod"}));
    EXPECT_EQ(Le3eisTou(u"ΤΕΛΟΣ_ΠΡΟΓΡΑΜΜΑΤΟΣ τελος_αν"), (V{"kw Τέλος_προγράμματος", "kw Τέλος_αν"}));
    EXPECT_EQ(Le3eisTou(u"ΑΛΗΘΗΣ ψευδής Αληθής"), (V{"bool 1", "bool 0", "bool 1"}));
    // Latin look-alikes are other letters: a Latin A, a Latin E, a Latin H.
    EXPECT_EQ(Le3eisTou(u"A\u03BD E H"), (V{"id A\u03BD", "id E", "id H"}));
}

TEST(Le3eis, IdentifiersKeepTheirSpellingAndUnderscores)
{
    EXPECT_EQ(Le3eisTou(u"Άλφα_1 β__ x9 ΤέλοςΑν"), (V{"id Άλφα_1", "id β__", "id x9", "id ΤέλοςΑν"}));
    EXPECT_EQ(Le3eisTou(u"2x"), (V{"int 2", "id x"}));
}

TEST(Le3eis, NumbersUseTheCommaAndNothingElse)
{
    EXPECT_EQ(Le3eisTou(u"3,14"), (V{"real 3.1400000000000001"}));
    EXPECT_EQ(Le3eisTou(u"3, 14"), (V{"int 3", "sym ,", "int 14"}));
    EXPECT_EQ(Le3eisTou(u"3,a"), (V{"int 3", "sym ,", "id a"}));
    EXPECT_EQ(Le3eisTou(u",5"), (V{"sym ,", "int 5"}));
    EXPECT_EQ(Le3eisTou(u"3.5"), (V{"int 3", "sym .", "int 5"}));
    EXPECT_EQ(Le3eisTou(u"1..5"), (V{"int 1", "sym .", "sym .", "int 5"}));
    EXPECT_EQ(Le3eisTou(u"1,5,5"), (V{"real 1.5", "sym ,", "int 5"}));
    EXPECT_EQ(Le3eisTou(u"-5 007"), (V{"sym -", "int 5", "int 7"}));
    EXPECT_EQ(Le3eisTou(u"9223372036854775807"), (V{"int 9223372036854775807"}));
    EXPECT_EQ(Le3eisTou(u"0009223372036854775807"), (V{"int 9223372036854775807"}));
    char buf[64];
    std::snprintf(buf, sizeof buf, "real %.17g", std::strtod("3.14159265358979323", nullptr));
    EXPECT_EQ(Le3eisTou(u"3,14159265358979323"), (V{buf}));
    std::u16string megalos = u"1" + std::u16string(308, u'0') + u",5";
    std::snprintf(buf, sizeof buf, "real %.17g", 1e308);
    EXPECT_EQ(Le3eisTou(megalos), (V{buf}));
}

TEST(Le3eis, OperatorsAreNormalisedBeforeReading)
{
    EXPECT_EQ(Le3eisTou(u"x<--1"), (V{"id x", "sym ←", "int 1"}));
    EXPECT_EQ(Le3eisTou(u"a<>b<=c>=d"), (V{"id a", "sym ≠", "id b", "sym ≤", "id c", "sym ≥", "id d"}));
    // Without the normalisation the analyzer only sees one-character symbols.
    std::vector<std::string> le3eis;
    TLektikosAvalutns l(u"x<--1", nullptr);
    while (l.EpomevnLe3n())
        le3eis.push_back(Perigrafn(l.Le3n()));
    EXPECT_EQ(le3eis, (V{"id x", "sym <", "sym -", "sym -", "int 1"}));
}

TEST(Le3eis, StringConstants)
{
    EXPECT_EQ(Le3eisTou(u"'abc' \"δέκα\""), (V{"str abc", "str δέκα"}));
    EXPECT_EQ(Le3eisTou(u"'it''s' \"say \"\"hi\"\"\""), (V{"str it's", "str say \"hi\""}));
    EXPECT_EQ(Le3eisTou(u"'a\"b' \"a'b\""), (V{"str a\"b", "str a'b"}));
    EXPECT_EQ(Le3eisTou(u"'' '''' '!x'"), (V{"str ", "str '", "str !x"}));
    EXPECT_EQ(Le3eisTou(u"'<>'"), (V{"str ≠"}));
}

TEST(Le3eis, BlanksAndControlCharactersSeparateTokens)
{
    EXPECT_EQ(Le3eisTou(u"a\tb\u0001c\u001Fd\ne\r\nf"), (V{"id a", "id b", "id c", "id d", "id e", "id f"}));
}

TEST(Le3eis, EmptySourceEndsAtOnce)
{
    for (std::u16string_view pnyh : {u"", u"  \r\n\t"}) {
        TLektikosAvalutns l(pnyh, nullptr);
        EXPECT_EQ(l.Le3n().Eidos, lxTelos);
        EXPECT_TRUE(l.Le3n().Timn.EivaiKevo());
        EXPECT_FALSE(l.EpomevnLe3n());
        EXPECT_EQ(l.Le3n().Eidos, lxTelos);
        EXPECT_TRUE(l.Le3n().Timn.EivaiKevo());
        EXPECT_FALSE(l.EpomevnLe3n());
    }
}

TEST(Le3eis, PositionsIndexTheFramedText)
{
    TLektikosAvalutns l(u"ab cd\r\n  ef", nullptr);
    ASSERT_TRUE(l.EpomevnLe3n());
    EXPECT_EQ(l.Ar3nLe3ns(), 3u);
    ASSERT_TRUE(l.EpomevnLe3n());
    EXPECT_EQ(l.Ar3nLe3ns(), 6u);
    ASSERT_TRUE(l.EpomevnLe3n());
    EXPECT_EQ(l.Ar3nLe3ns(), 12u);
    EXPECT_EQ(U8(l.Keimevo()), "\r\nab cd\r\n  ef\r\n\x1A");
}

TEST(Sxolia, ReportedWithTheirLineMode)
{
    TApotelesma a = Diabase(u"! πρώτη\r\nx !μετά  \r\n   ! μόνο του\r\n!στήλη1\r\ny");
    EXPECT_EQ(a.le3eis, (V{"id x", "id y"}));
    EXPECT_EQ(a.sxolia, (std::vector<TSxolio>{{"! πρώτη", tgNea}, {"!μετά  ", tgSxolio}, {"! μόνο του", tgSxolio}, {"!στήλη1", tgNea}}));

    // An identifier directly followed by "!", and a comment on the last line.
    a = Diabase(u"x!σχόλιο 'a' <>");
    EXPECT_EQ(a.le3eis, (V{"id x"}));
    EXPECT_EQ(a.sxolia, (std::vector<TSxolio>{{"!σχόλιο 'a' ≠", tgSxolio}}));
    a = Diabase(u"x\r\n!τέλος");
    EXPECT_EQ(a.le3eis, (V{"id x"}));
    EXPECT_EQ(a.sxolia, (std::vector<TSxolio>{{"!τέλος", tgNea}}));
    a = Diabase(u"  !μόνο σχόλιο");
    EXPECT_EQ(a.le3eis, V{});
    EXPECT_EQ(a.sxolia, (std::vector<TSxolio>{{"!μόνο σχόλιο", tgSxolio}}));
    a = Diabase(u"'a!b'");
    EXPECT_EQ(a.le3eis, (V{"str a!b"}));
    EXPECT_TRUE(a.sxolia.empty());
}

TEST(Sxolia, ReportedWhileReadingTheTokenAfterThem)
{
    std::vector<std::string> sxolia;
    TLektikosAvalutns l(u"x !α\r\n!β\r\ny z", [&](const std::u16string& s, TTroposGrammns) { sxolia.push_back(U8(s)); });
    ASSERT_TRUE(l.EpomevnLe3n());
    EXPECT_TRUE(sxolia.empty());
    ASSERT_TRUE(l.EpomevnLe3n());
    EXPECT_EQ(U8(l.Le3n().Timn.Alfari8mntiko()), "y");
    EXPECT_EQ(sxolia, (V{"!α", "!β"}));
    ASSERT_TRUE(l.EpomevnLe3n());
    EXPECT_EQ(sxolia.size(), 2u);
}

TEST(LektikaLa8n, MessageAndPositionOfEachError)
{
    struct {
        std::u16string pnyh;
        std::string mnvuma;
        std::size_t snmeio;
    } const periptwseis[] = {
        {u"a _b", "Η κάτω παύλα «_» δεν επιτρέπεται στην αρχή των αναγνωριστικών", 5},
        {u"_", "Η κάτω παύλα «_» δεν επιτρέπεται στην αρχή των αναγνωριστικών", 3},
        {u"1 # 2", "Ο χαρακτήρας «#» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας", 5},
        {u"x\r\n;", "Ο χαρακτήρας «;» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας", 6},
        {u"α·β", "Ο χαρακτήρας «·» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας", 4},
        {u"x = 9223372036854775808", "Πολύ μεγάλος αριθμός για να χωρέσει σε ακέραια μεταβλητή: «9223372036854775808»", 7},
        {u"099999999999999999999", "Πολύ μεγάλος αριθμός για να χωρέσει σε ακέραια μεταβλητή: «099999999999999999999»", 3},
        {u"  1" + std::u16string(309, u'0') + u",25",
         "Πολύ μεγάλος αριθμός για να χωρέσει σε πραγματική μεταβλητή: «1" + std::string(309, '0') + ".25»", 5},
        {u"Γράψε 'abc\r\nx", "Στο αλφαριθμητικό «abc» δεν έχει κλείσει το δεξί εισαγωγικό", 9},
        {u"x\r\n\"ab\"\"c", "Στο αλφαριθμητικό «ab\"c» δεν έχει κλείσει το δεξί εισαγωγικό", 6},
        {u"'it''s ! <>", "Στο αλφαριθμητικό «it's ! ≠» δεν έχει κλείσει το δεξί εισαγωγικό", 3},
        {u"'", "Στο αλφαριθμητικό «» δεν έχει κλείσει το δεξί εισαγωγικό", 3},
    };
    for (const auto& p : periptwseis) {
        TApotelesma a = Diabase(p.pnyh);
        EXPECT_EQ(a.la8os, p.mnvuma) << U8(p.pnyh);
        EXPECT_EQ(a.snmeio, p.snmeio) << U8(p.pnyh);
    }
    for (std::u16string_view c : {u"$", u"%", u"&", u"?", u"{", u"}", u"~", u"«", u"»", u"@", u"é", u"\u0387"}) {
        TApotelesma a = Diabase(std::u16string(u"x ") + std::u16string(c));
        EXPECT_EQ(a.la8os, "Ο χαρακτήρας «" + U8(c) + "» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας");
        EXPECT_EQ(a.snmeio, 5u) << U8(c);
    }
}

TEST(Metatropn, ReplaceAllScansOnceWithoutOverlaps)
{
    EXPECT_EQ(U8(AvtikatastasnOlwv(u"aaa", u"aa", u"b")), "ba");
    EXPECT_EQ(U8(AvtikatastasnOlwv(u"abab", u"ab", u"")), "");
    EXPECT_EQ(U8(AvtikatastasnOlwv(u"a", u"a", u"aa")), "aa");
    EXPECT_EQ(U8(AvtikatastasnOlwv(u"Aa", u"a", u"x")), "Ax");
    EXPECT_EQ(U8(AvtikatastasnOlwv(u"abc", u"", u"x")), "abc");
    EXPECT_EQ(U8(AvtikatastasnOlwv(u"", u"a", u"x")), "");
    EXPECT_EQ(U8(AvtikatastasnOlwv(u"xyzxy", u"xy", u"xyxy")), "xyxyzxyxy");
}

TEST(Metatropn, OperatorsInTheirOrderEverywhere)
{
    EXPECT_EQ(U8(MetatropnTelestwv(u"a<>b<=c>=d<--e")), "a≠b≤c≥d←e");
    EXPECT_EQ(U8(MetatropnTelestwv(u"<>=")), "≠=");    // "<>" goes first
    EXPECT_EQ(U8(MetatropnTelestwv(u"<<=")), "<≤");
    EXPECT_EQ(U8(MetatropnTelestwv(u"x<<--1")), "x<←1");
    EXPECT_EQ(U8(MetatropnTelestwv(u"'<>' ! a<=b")), "'≠' ! a≤b");
    EXPECT_EQ(U8(MetatropnTelestwv(u"< > <- -")), "< > <- -");
}

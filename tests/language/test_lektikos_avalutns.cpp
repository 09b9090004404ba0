// The lexical analyzer: character classes, the fold, keyword and symbol lookup, tokens, comments,
// lexical errors with their positions, and the operator normalisation.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "Voithitika.h"

using namespace voithitika;

namespace {

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

// Small letters, accents untouched.
std::u16string Mikra(std::u16string s)
{
    for (char16_t& c : s)
        if ((c >= u'Α' && c <= u'Ω') || (c >= u'A' && c <= u'Z'))
            c = static_cast<char16_t>(c + 32);
    return s;
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

// Reads the whole text (operators normalised unless asked not to) into a list: each token as
// Perigrafn gives it, each comment as "new !..." or "comment !..." at the moment it is reported,
// and a lexical error as "error MESSAGE at POSITION".
std::vector<std::string> Le3eisTou(std::u16string_view pnyh, bool metatropn = true)
{
    std::vector<std::string> le3eis;
    TLektikosAvalutns l(metatropn ? MetatropnTelestwv(pnyh) : std::u16string(pnyh), [&](const std::u16string& s, TTroposGrammns t) {
        le3eis.push_back((t == tgNea ? "new " : t == tgSxolio ? "comment " : "other ") + U8(s));
    });
    try {
        while (l.EpomevnLe3n())
            le3eis.push_back(Perigrafn(l.Le3n()));
        if (l.Le3n().Eidos != lxTelos || !l.Le3n().Timn.EivaiKevo())
            le3eis.push_back("false without an empty end token");
    } catch (const ELektikoLa8os& e) {
        le3eis.push_back("error " + U8(e.Mnvuma()) + " at " + std::to_string(l.Ar3nLe3ns()));
    }
    return le3eis;
}

using V = std::vector<std::string>;

}  // namespace

TEST(XarakthrasKlaseis, BlanksLettersDigitsSymbols)
{
    for (char16_t c = 0; c <= 32; ++c)
        EXPECT_TRUE(EivaiKevo(c)) << int(c);
    EXPECT_FALSE(EivaiKevo(33));
    for (char16_t c : {u'0', u'9'})
        EXPECT_TRUE(EivaiPsnfio(c));
    for (char16_t c : {u'/', u':'})
        EXPECT_FALSE(EivaiPsnfio(c));
    for (char16_t c : {0x0386, 0x0388, 0x038B, 0x03CE})  // 0x038B is unassigned, still counted
        EXPECT_TRUE(EivaiEllnvikoGramma(c)) << std::hex << int(c);
    for (char16_t c : {0x0385, 0x0387, 0x03CF})  // 0x0387 is the ano teleia
        EXPECT_FALSE(EivaiEllnvikoGramma(c)) << std::hex << int(c);
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
    // U+0386 to U+03CE folded: capitals without accents or diaeresis, final sigma to sigma; the ano
    // teleia and the three unassigned code points stay. Latin small letters become capitals; every
    // other code unit stays.
    const std::u16string_view ellnvika = u"Α\u0387ΕΗΙ\u038BΟ\u038DΥΩΙΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡ\u03A2ΣΤΥΦΧΨΩ"
                                         u"ΙΥΑΕΗΙΥΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΣΤΥΦΧΨΩΙΥΟΥΩ";
    ASSERT_EQ(ellnvika.size(), 0x03CFu - 0x0386u);
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
        unsigned anamenomeno = c >= 'a' && c <= 'z' ? c - 32 : c >= 0x0386 && c <= 0x03CE ? ellnvika[c - 0x0386] : c;
        ASSERT_EQ(unsigned(KefalaioXwrisTovo(char16_t(c))), anamenomeno) << std::hex << "U+" << c;
    }
    EXPECT_EQ(U8(KefalaiaXwrisTovous(u"Τέλος_προγράμματος")), "ΤΕΛΟΣ_ΠΡΟΓΡΑΜΜΑΤΟΣ");
    EXPECT_EQ(U8(KefalaiaXwrisTovous(u"σοφός ΐΰ ϊϋ Ab9")), "ΣΟΦΟΣ ΙΥ ΙΥ AB9");
    EXPECT_EQ(KefalaiaXwrisTovous(u"").size(), 0u);
}

TEST(DesmevmenesLe3eis, FoundInAnyCaseWithOrWithoutAccents)
{
    for (int i = 0; i < 43; ++i) {
        const std::u16string le3n = U16(Le3eis[i]), kefalaia = KefalaiaXwrisTovous(le3n);
        for (const std::u16string& morfh : {le3n, kefalaia, Mikra(le3n), Mikra(kefalaia)}) {
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

TEST(Le3eis, EachKindOfToken)
{
    const std::pair<std::u16string, V> periptwseis[] = {
        // Keywords carry their canonical form; Latin look-alikes (A, E, H) are other letters.
        {u"ΑΝ αν άν Αν", {"kw Αν", "kw Αν", "kw Αν", "kw Αν"}},
        {u"η Η ή ε έ DIV Mod", {"kw ή", "kw ή", "kw ή", "kw Ε", "kw Ε", "kw div", "kw mod"}},
        {u"ΤΕΛΟΣ_ΠΡΟΓΡΑΜΜΑΤΟΣ τελος_αν", {"kw Τέλος_προγράμματος", "kw Τέλος_αν"}},
        {u"ΑΛΗΘΗΣ ψευδής Αληθής", {"bool 1", "bool 0", "bool 1"}},
        {u"A\u03BD E H", {"id A\u03BD", "id E", "id H"}},
        // Identifiers keep their spelling and underscores.
        {u"Άλφα_1 β__ x9 ΤέλοςΑν", {"id Άλφα_1", "id β__", "id x9", "id ΤέλοςΑν"}},
        {u"2x", {"int 2", "id x"}},
        // Numbers use the comma and nothing else.
        {u"3,14", {"real 3.1400000000000001"}},
        {u"3, 14", {"int 3", "sym ,", "int 14"}},
        {u"3,a", {"int 3", "sym ,", "id a"}},
        {u",5", {"sym ,", "int 5"}},
        {u"3.5", {"int 3", "sym .", "int 5"}},
        {u"1..5", {"int 1", "sym .", "sym .", "int 5"}},
        {u"1,5,5", {"real 1.5", "sym ,", "int 5"}},
        {u"-5 007", {"sym -", "int 5", "int 7"}},
        {u"9223372036854775807", {"int 9223372036854775807"}},
        {u"0009223372036854775807", {"int 9223372036854775807"}},
        {u"3,14159265358979323", {"real 3.1415926535897931"}},
        {u"1" + std::u16string(308, u'0') + u",5", {"real 1e+308"}},
        // Operators are normalised before reading.
        {u"x<--1", {"id x", "sym ←", "int 1"}},
        {u"a<>b<=c>=d", {"id a", "sym ≠", "id b", "sym ≤", "id c", "sym ≥", "id d"}},
        // Strings in either quotes, the quote doubled inside.
        {u"'abc' \"δέκα\"", {"str abc", "str δέκα"}},
        {u"'it''s' \"say \"\"hi\"\"\"", {"str it's", "str say \"hi\""}},
        {u"'a\"b' \"a'b\"", {"str a\"b", "str a'b"}},
        {u"'' '''' '!x'", {"str ", "str '", "str !x"}},
        {u"'<>'", {"str ≠"}},
        // Blanks and control characters separate tokens.
        {u"a\tb\u0001c\u001Fd\ne\r\nf", {"id a", "id b", "id c", "id d", "id e", "id f"}},
    };
    for (const auto& [pnyh, le3eis] : periptwseis)
        EXPECT_EQ(Le3eisTou(pnyh), le3eis) << U8(pnyh);
    // Without the normalisation the analyzer only sees one-character symbols.
    EXPECT_EQ(Le3eisTou(u"x<--1", false), (V{"id x", "sym <", "sym -", "sym -", "int 1"}));
}

TEST(Le3eis, EmptySourceEndsAtOnce)
{
    for (std::u16string_view pnyh : {u"", u"  \r\n\t"}) {
        TLektikosAvalutns l(pnyh, nullptr);
        for (int fora = 0; fora < 2; ++fora) {
            EXPECT_EQ(l.Le3n().Eidos, lxTelos);
            EXPECT_TRUE(l.Le3n().Timn.EivaiKevo());
            EXPECT_FALSE(l.EpomevnLe3n());
        }
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
    // At the end the position is one past the framed text: CR LF, the 11 characters, CR LF, U+001A.
    EXPECT_FALSE(l.EpomevnLe3n());
    EXPECT_EQ(l.Ar3nLe3ns(), 17u);
}

TEST(Sxolia, ReportedWithTheirLineModeWhileReadingTheTokenAfterThem)
{
    EXPECT_EQ(Le3eisTou(u"! πρώτη\r\nx !μετά  \r\n   ! μόνο του\r\n!στήλη1\r\ny z"),
              (V{"new ! πρώτη", "id x", "comment !μετά  ", "comment ! μόνο του", "new !στήλη1", "id y", "id z"}));
    // An identifier directly followed by "!", and a comment on the last line.
    EXPECT_EQ(Le3eisTou(u"x!σχόλιο 'a' <>"), (V{"id x", "comment !σχόλιο 'a' ≠"}));
    EXPECT_EQ(Le3eisTou(u"x\r\n!τέλος"), (V{"id x", "new !τέλος"}));
    EXPECT_EQ(Le3eisTou(u"  !μόνο σχόλιο"), (V{"comment !μόνο σχόλιο"}));
    EXPECT_EQ(Le3eisTou(u"'a!b'"), (V{"str a!b"}));
}

TEST(LektikaLa8n, MessageAndPositionOfEachError)
{
    const std::pair<std::u16string, std::string> periptwseis[] = {
        {u"a _b", "Η κάτω παύλα «_» δεν επιτρέπεται στην αρχή των αναγνωριστικών at 5"},
        {u"_", "Η κάτω παύλα «_» δεν επιτρέπεται στην αρχή των αναγνωριστικών at 3"},
        {u"1 # 2", "Ο χαρακτήρας «#» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας at 5"},
        {u"x\r\n;", "Ο χαρακτήρας «;» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας at 6"},
        {u"α·β", "Ο χαρακτήρας «·» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας at 4"},
        {u"x = 9223372036854775808", "Πολύ μεγάλος αριθμός για να χωρέσει σε ακέραια μεταβλητή: «9223372036854775808» at 7"},
        {u"099999999999999999999", "Πολύ μεγάλος αριθμός για να χωρέσει σε ακέραια μεταβλητή: «099999999999999999999» at 3"},
        {u"  1" + std::u16string(309, u'0') + u",25",
         "Πολύ μεγάλος αριθμός για να χωρέσει σε πραγματική μεταβλητή: «1" + std::string(309, '0') + ".25» at 5"},
        {u"Γράψε 'abc\r\nx", "Στο αλφαριθμητικό «abc» δεν έχει κλείσει το δεξί εισαγωγικό at 9"},
        {u"x\r\n\"ab\"\"c", "Στο αλφαριθμητικό «ab\"c» δεν έχει κλείσει το δεξί εισαγωγικό at 6"},
        {u"'it''s ! <>", "Στο αλφαριθμητικό «it's ! ≠» δεν έχει κλείσει το δεξί εισαγωγικό at 3"},
        {u"'", "Στο αλφαριθμητικό «» δεν έχει κλείσει το δεξί εισαγωγικό at 3"},
    };
    for (const auto& [pnyh, la8os] : periptwseis)
        EXPECT_EQ(Le3eisTou(pnyh).back(), "error " + la8os) << U8(pnyh);
    for (std::u16string_view c : {u"$", u"%", u"&", u"?", u"{", u"}", u"~", u"«", u"»", u"@", u"é", u"\u0387"})
        EXPECT_EQ(Le3eisTou(u"x " + std::u16string(c)), (V{"id x", "error Ο χαρακτήρας «" + U8(c) + "» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας at 5"}));
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
    // One pass gives what the four replacements one after another give, on every text of these
    // characters up to six long.
    const std::u16string xarakthres = u"<>=-a";
    for (int mhkos = 0; mhkos <= 6; ++mhkos) {
        int plnr8os = 1;
        for (int i = 0; i < mhkos; ++i)
            plnr8os *= 5;
        for (int k = 0; k < plnr8os; ++k) {
            std::u16string keimevo;
            for (int i = 0, r = k; i < mhkos; ++i, r /= 5)
                keimevo += xarakthres[r % 5];
            std::u16string tesseris = AvtikatastasnOlwv(keimevo, u"<>", u"≠");
            tesseris = AvtikatastasnOlwv(tesseris, u"<=", u"≤");
            tesseris = AvtikatastasnOlwv(tesseris, u">=", u"≥");
            tesseris = AvtikatastasnOlwv(tesseris, u"<--", u"←");
            ASSERT_EQ(U8(MetatropnTelestwv(keimevo)), U8(tesseris)) << U8(keimevo);
        }
    }
}

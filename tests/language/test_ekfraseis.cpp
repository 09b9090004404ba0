// Expression trees: the type rules with their messages, and evaluation with every operator's
// semantics and arithmetic faults. Each operation is evaluated with its operands as literals,
// variables, named constants and inner operations, since each of these is read its own way.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/uSarwtnsEkfrasewv.h"
#include "core/uTupoiDedomevwv.h"
#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"

using namespace kalmira;

namespace {

std::string U8(std::u16string_view s) { return SeUtf8(s); }
std::u16string U16(std::string_view s) { return ApoUtf8(s); }

std::string Pragmatikos(double d)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "real %.17g", d);
    return buf;
}

// A value as a short text that shows its tag: "int 3", "real 3.5", "str ab", "bool 1".
std::string Perigrafn(const TTimn& t)
{
    switch (t.Eidos()) {
    case TTimn::tmAkeraios: return "int " + std::to_string(t.Akeraios());
    case TTimn::tmPragmatikos: return Pragmatikos(t.Pragmatikos());
    case TTimn::tmAlfari8mntiko: return "str " + U8(t.Alfari8mntiko());
    case TTimn::tmLogikos: return t.Logikos() ? "bool 1" : "bool 0";
    default: return "not a scalar";
    }
}

const std::string DiairesnMeMndev = "error Division by zero";
const std::string PragmatiknDiairesn = "error Floating point division by zero";
const std::string Akurn = "error Invalid floating point operation";
const std::string Uperxeilisn = "error Floating point overflow";

// Parses a whole text as one expression over the table; the text must be used up.
std::unique_ptr<TEkfrasn> Diabase(TPivakasAvagvwristikwv& pivakas, std::u16string_view keimevo)
{
    TLektikosAvalutns lektikos(MetatropnTelestwv(keimevo), nullptr);
    lektikos.EpomevnLe3n();
    std::unique_ptr<TEkfrasn> e = TSarwtnsEkfrasewv(lektikos, pivakas).DiabaseEkfrasn();
    EXPECT_EQ(lektikos.Le3n().Eidos, lxTelos) << U8(keimevo) << " was not read to its end";
    return e;
}

// Parses and evaluates; errors come back as "error <message>" or "syntax <message>".
std::string Apotimnsn(TPivakasAvagvwristikwv& pivakas, std::u16string_view keimevo)
{
    try {
        return Perigrafn(Diabase(pivakas, keimevo)->Timn());
    } catch (const ELa8osEktelesns& e) {
        return "error " + U8(e.Mnvuma());
    } catch (const ESuvtaktikoLa8os& e) {
        return "syntax " + U8(e.Mnvuma());
    } catch (const std::exception& e) {
        return std::string("other error ") + e.what();
    }
}

std::string Apotimnsn(std::u16string_view keimevo)
{
    TPivakasAvagvwristikwv pivakas;
    return Apotimnsn(pivakas, keimevo);
}

// The node of a standalone operand text and its value; the value stays empty when it fails.
std::unique_ptr<TEkfrasn> Telesteos(TPivakasAvagvwristikwv& pivakas, const std::u16string& keimevo, TTimn& timn)
{
    std::unique_ptr<TEkfrasn> e = Diabase(pivakas, keimevo);
    try {
        timn = e->Timn();
    } catch (const ELa8osEktelesns&) {
        timn = TTimn();
    }
    return e;
}

// A wrapper that turns an operand into an operation node of the same value.
std::u16string Komvos(const std::u16string& keimevo, TTuposDedomevwv tupos)
{
    switch (tupos) {
    case tdAlfari8mntikos: return u"(''+(" + keimevo + u"))";
    case tdLogikos: return u"(όχι (όχι (" + keimevo + u")))";
    default: return u"(0+(" + keimevo + u"))";
    }
}

// Evaluates `L op R` with the operands written out, held in variables, held in named constants,
// and computed by inner operations. Each form's result is prefixed by its name so that a
// failure shows which reading went wrong.
std::vector<std::string> Morfes(const char* aristero, const char* telestns, const char* de3io)
{
    const std::u16string l = U16(aristero), op = U16(telestns), r = U16(de3io);
    std::vector<std::string> apotelesmata;
    apotelesmata.push_back("literals: " + Apotimnsn(l + u" " + op + u" " + r));
    {
        TPivakasAvagvwristikwv pivakas;
        TTimn tl, tr;
        auto el = Telesteos(pivakas, l, tl);
        auto er = Telesteos(pivakas, r, tr);
        // Only where a stored value keeps the operand's type: "2^3" has integer type and a real value.
        if (tl.Tupos() == el->Tupos && tr.Tupos() == er->Tupos) {
            pivakas.Add(std::make_unique<TOvomasmevnSta8era>(u"ΚΑ", tl));
            pivakas.Add(std::make_unique<TOvomasmevnSta8era>(u"ΚΔ", tr));
            apotelesmata.push_back("constants: " + Apotimnsn(pivakas, u"ΚΑ " + op + u" ΚΔ"));
            auto& ma = static_cast<TMetablntn&>(pivakas.Add(std::make_unique<TMetablntn>(u"ΜΑ", el->Tupos)));
            auto& md = static_cast<TMetablntn&>(pivakas.Add(std::make_unique<TMetablntn>(u"ΜΔ", er->Tupos)));
            ma.GraceTimn(tl);
            md.GraceTimn(tr);
            apotelesmata.push_back("variables: " + Apotimnsn(pivakas, u"ΜΑ " + op + u" ΜΔ"));
            apotelesmata.push_back("variable and literal: " + Apotimnsn(pivakas, u"ΜΑ " + op + u" " + r));
            apotelesmata.push_back("literal and variable: " + Apotimnsn(pivakas, l + u" " + op + u" ΜΔ"));
        }
        apotelesmata.push_back("operations: " + Apotimnsn(pivakas, Komvos(l, el->Tupos) + u" " + op + u" " + Komvos(r, er->Tupos)));
    }
    return apotelesmata;
}

// The same for a function or prefix operator: `op(X)`.
std::vector<std::string> MorfesMovadiaias(const char* telestns, const char* telesteos)
{
    const std::u16string op = U16(telestns), x = U16(telesteos);
    std::vector<std::string> apotelesmata;
    apotelesmata.push_back("literal: " + Apotimnsn(op + u"(" + x + u")"));
    TPivakasAvagvwristikwv pivakas;
    TTimn t;
    auto e = Telesteos(pivakas, x, t);
    if (t.Tupos() == e->Tupos) {
        pivakas.Add(std::make_unique<TOvomasmevnSta8era>(u"ΚΑ", t));
        apotelesmata.push_back("constant: " + Apotimnsn(pivakas, op + u"(ΚΑ)"));
        static_cast<TMetablntn&>(pivakas.Add(std::make_unique<TMetablntn>(u"ΜΑ", e->Tupos))).GraceTimn(t);
        apotelesmata.push_back("variable: " + Apotimnsn(pivakas, op + u"(ΜΑ)"));
    }
    apotelesmata.push_back("operation: " + Apotimnsn(pivakas, op + Komvos(x, e->Tupos)));
    return apotelesmata;
}

::testing::AssertionResult OlesIses(const std::vector<std::string>& morfes, const std::string& anamenomeno)
{
    bool ok = true;
    std::string lista;
    for (const std::string& m : morfes) {
        lista += "\n  " + m;
        if (m.substr(m.find(": ") + 2) != anamenomeno)
            ok = false;
    }
    if (ok)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << anamenomeno << ", got:" << lista;
}

struct TDuadiknPeriptwsn {
    const char* l;
    const char* op;
    const char* r;
    std::string anamenomeno;
};

void ElegxeDuadikes(const std::vector<TDuadiknPeriptwsn>& periptwseis)
{
    for (const auto& p : periptwseis)
        EXPECT_TRUE(OlesIses(Morfes(p.l, p.op, p.r), p.anamenomeno)) << p.l << ' ' << p.op << ' ' << p.r;
}

// Full evaluation of "ή" and "και" for one test; the setting goes back afterwards.
class TPlnrnsApotimnsn {
public:
    explicit TPlnrnsApotimnsn(bool timn) : palia_(PlnrnsApotimnsn) { PlnrnsApotimnsn = timn; }
    ~TPlnrnsApotimnsn() { PlnrnsApotimnsn = palia_; }

private:
    bool palia_;
};

// A numeric literal of the language as a double.
double Ari8mos(std::string s)
{
    if (auto k = s.find(','); k != std::string::npos)
        s[k] = '.';
    return std::strtod(s.c_str(), nullptr);
}

constexpr std::int64_t Megistos = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Elaxistos = std::numeric_limits<std::int64_t>::min();

}  // namespace

TEST(Apotimnsn, IntegerDivisionTruncatesAndRemainderTakesTheDividendsSign)
{
    ElegxeDuadikes({
        {"7", "div", "2", "int 3"},
        {"-7", "div", "2", "int -3"},
        {"7", "div", "-2", "int -3"},
        {"-7", "div", "-2", "int 3"},
        {"7", "mod", "2", "int 1"},
        {"-7", "mod", "2", "int -1"},
        {"7", "mod", "-2", "int 1"},
        {"-7", "mod", "-2", "int -1"},
        {"0", "mod", "5", "int 0"},
        {"1", "div", "0", DiairesnMeMndev},
        {"0", "mod", "0", DiairesnMeMndev},
        // Real values below "^" and "Α_Τ" are rounded halves to even first.
        {"2^3", "div", "3", "int 2"},
        {"Α_Τ(-7)", "mod", "4", "int 3"},
        {"2^-1", "div", "1", "int 0"},
        {"7", "div", "Α_Τ(-2)", "int 3"},
    });
}

TEST(Apotimnsn, DivisionIsAlwaysReal)
{
    ElegxeDuadikes({
        {"7", "/", "2", Pragmatikos(3.5)},
        {"6", "/", "3", Pragmatikos(2.0)},
        {"1", "/", "0", PragmatiknDiairesn},
        {"-1,5", "/", "0", PragmatiknDiairesn},
        {"1", "/", "0,0", PragmatiknDiairesn},
        {"0", "/", "0", Akurn},
        {"0,0", "/", "0,0", Akurn},
    });
}

TEST(Apotimnsn, IntegerArithmeticWrapsAndRealArithmeticOverflows)
{
    ElegxeDuadikes({
        {"9223372036854775807", "+", "1", "int " + std::to_string(Elaxistos)},
        {"(-9223372036854775807-1)", "-", "1", "int " + std::to_string(Megistos)},
        {"9223372036854775807", "*", "2", "int -2"},
        {"4294967296", "*", "4294967296", "int 0"},
        {"-3", "*", "4", "int -12"},
        {"1", "+", "0,5", Pragmatikos(1.5)},
        {"0,5", "-", "1", Pragmatikos(-0.5)},
        {"2", "*", "1,5", Pragmatikos(3.0)},
        {"10,0^308", "*", "10", Uperxeilisn},
        {"10,0^308", "+", "10,0^308", Uperxeilisn},
        {"-(10,0^308)", "-", "10,0^308", Uperxeilisn},
        {"'ab'", "+", "'cd'", "str abcd"},
        {"''", "+", "'x'", "str x"},
        {"2^-1", "*", "2", Pragmatikos(1.0)},  // an integer-typed operand with a real value
    });
    EXPECT_EQ(Apotimnsn(u"-(-9223372036854775807-1)"), "int " + std::to_string(Elaxistos));
    EXPECT_EQ(Apotimnsn(u"-(2,5)"), Pragmatikos(-2.5));
}

TEST(Apotimnsn, PowerByRepeatedSquaringGivesReals)
{
    ElegxeDuadikes({
        {"2", "^", "10", Pragmatikos(1024)},
        {"2", "^", "-1", Pragmatikos(0.5)},
        {"2", "^", "0", Pragmatikos(1)},
        {"0", "^", "0", Pragmatikos(1)},
        {"(-2)", "^", "3", Pragmatikos(-8)},
        {"(-2)", "^", "-2", Pragmatikos(0.25)},
        {"3", "^", "5", Pragmatikos(243)},
        {"0", "^", "-1", PragmatiknDiairesn},
        {"2", "^", "1024", Uperxeilisn},
        {"0,0", "^", "0,0", Pragmatikos(1)},
        {"0,0", "^", "3", Pragmatikos(0)},
        {"0,0", "^", "2,5", Pragmatikos(0)},
        {"0,0", "^", "-1,5", PragmatiknDiairesn},
        {"0,0", "^", "-2", PragmatiknDiairesn},
        {"(-8,0)", "^", "2,0", Pragmatikos(64)},
        {"(-2,0)", "^", "-3", Pragmatikos(-0.125)},
        {"1,5", "^", "2", Pragmatikos(2.25)},
        {"(-8)", "^", "(1/3)", Akurn},
        {"10,0", "^", "400", Uperxeilisn},
        {"(-1)", "^", "2147483647", Pragmatikos(-1)},
        // Integral real exponents beyond the 32-bit range go through e^(exponent × ln base).
        {"0,5", "^", "4294967296,0", Pragmatikos(0)},
        {"2,0", "^", "4294967296,0", Uperxeilisn},
        {"(-2,0)", "^", "4294967296,0", Akurn},
    });
    TPivakasAvagvwristikwv pivakas;
    std::unique_ptr<TEkfrasn> e = Diabase(pivakas, u"2^10");
    EXPECT_EQ(e->Tupos, tdAkeraios);
    EXPECT_EQ(U8(KeimevoTimns(e->Timn())), "1024");
    // A fractional exponent goes through e^(exponent × ln base).
    e = Diabase(pivakas, u"2,0^0,5");
    EXPECT_NEAR(e->Timn().Pragmatikos(), std::sqrt(2.0), 1e-15);
}

TEST(Apotimnsn, BuiltInFunctions)
{
    const double dyo63 = 9223372036854775808.0, dyo62 = 4611686018427387904.0;
    const struct {
        const char* f;
        const char* x;
        std::string anamenomeno;
    } periptwseis[] = {
        {"Α_Μ", "-2,7", "int -2"},
        {"Α_Μ", "2,7", "int 2"},
        {"Α_Μ", "10,0^18", "int 1000000000000000000"},
        {"Α_Μ", "-(2,0^63)", "int " + std::to_string(Elaxistos)},
        {"Α_Μ", "2,0^63", Akurn},
        {"Α_Μ", "-(2,0^64)", Akurn},
        {"Α_Τ", "-3", Pragmatikos(3)},
        {"Α_Τ", "-2,5", Pragmatikos(2.5)},
        {"Α_Τ", "-9223372036854775807-1", Pragmatikos(dyo63)},
        {"Τ_Ρ", "16", Pragmatikos(4)},
        {"Τ_Ρ", "0", Pragmatikos(0)},
        {"Τ_Ρ", "-1", Akurn},
        {"ΛΟΓ", "100", Pragmatikos(2)},
        {"ΛΟΓ", "0,001", Pragmatikos(std::log10(0.001))},
        {"ΛΟΓ", "0", PragmatiknDiairesn},
        {"ΛΟΓ", "-1", Akurn},
        {"Ε", "0", Pragmatikos(1)},
        {"Ε", "1", Pragmatikos(std::exp(1.0))},
        {"Ε", "1000", Uperxeilisn},
        {"ΗΜ", "0", Pragmatikos(0)},
        {"ΗΜ", "2,0^62", Pragmatikos(std::sin(dyo62))},
        {"ΗΜ", "2,0^63", Pragmatikos(0)},
        {"ΗΜ", "-(2,0^63)", Pragmatikos(0)},
        {"ΗΜ", "9223372036854775807", Pragmatikos(0)},  // 2^63 once it is a real
        {"ΣΥΝ", "0", Pragmatikos(1)},
        {"ΣΥΝ", "-(2,0^62)", Pragmatikos(std::cos(-dyo62))},
        {"ΣΥΝ", "2,0^63", Pragmatikos(0)},
        {"ΣΥΝ", "2,0^70", Pragmatikos(0)},
        {"ΕΦ", "0", Pragmatikos(0)},
        {"ΕΦ", "1", Pragmatikos(std::tan(1.0))},
    };
    for (const auto& p : periptwseis)
        EXPECT_TRUE(OlesIses(MorfesMovadiaias(p.f, p.x), p.anamenomeno)) << p.f << '(' << p.x << ')';
}

TEST(Apotimnsn, NumbersCompareNumericallyAndIntegersExactly)
{
    const char* oi[] = {"<", "=", ">", "≠", "≤", "≥"};
    const std::pair<const char*, const char*> zeugn[] = {{"1", "2"}, {"2", "2"}, {"2", "1"}, {"1", "2,0"}, {"2", "2,0"},
                                                         {"2,5", "2"}, {"-0,5", "0"}, {"0,1", "0,1"}};
    for (auto [a, b] : zeugn) {
        const double x = Ari8mos(a), y = Ari8mos(b);
        const bool times[] = {x < y, x == y, x > y, x != y, x <= y, x >= y};
        for (int i = 0; i < 6; ++i)
            EXPECT_TRUE(OlesIses(Morfes(a, oi[i], b), times[i] ? "bool 1" : "bool 0")) << a << ' ' << oi[i] << ' ' << b;
    }
    // Two integers compare as integers, not as the reals they round to.
    ElegxeDuadikes({
        {"9007199254740993", ">", "9007199254740992", "bool 1"},
        {"9223372036854775807", "≠", "9223372036854775806", "bool 1"},
        // An integer against a real compares as reals.
        {"9007199254740993", "=", "9007199254740992,0", "bool 1"},
    });
}

TEST(Apotimnsn, StringsCompareByTheCodePageAndBooleansOnlyForEquality)
{
    ElegxeDuadikes({
        {"'Β'", "<", "'α'", "bool 1"},
        {"'a'", "=", "'A'", "bool 0"},
        {"'a'", ">", "'A'", "bool 1"},
        {"'z'", "<", "'α'", "bool 1"},
        {"'ά'", "<", "'α'", "bool 1"},
        {"'ab'", "<", "'abc'", "bool 1"},
        {"'abc'", "≥", "'ab'", "bool 1"},
        {"''", "<", "'a'", "bool 1"},
        {"'Κώστας'", "=", "'Κώστας'", "bool 1"},
        {"'ж'", "=", "'☺'", "bool 1"},
        {"'ж'", "≤", "'?'", "bool 1"},
        {"Αληθής", "=", "Ψευδής", "bool 0"},
        {"Αληθής", "≠", "Ψευδής", "bool 1"},
        {"Ψευδής", "=", "Ψευδής", "bool 1"},
    });
}

TEST(Apotimnsn, AndOrShortCircuitUnlessFullEvaluationIsOn)
{
    TPlnrnsApotimnsn off(false);
    ElegxeDuadikes({
        {"Ψευδής", "και", "(1 div 0 = 0)", "bool 0"},
        {"Αληθής", "ή", "(1 div 0 = 0)", "bool 1"},
        {"Αληθής", "και", "Ψευδής", "bool 0"},
        {"Αληθής", "και", "Αληθής", "bool 1"},
        {"Ψευδής", "ή", "Αληθής", "bool 1"},
        {"Ψευδής", "ή", "Ψευδής", "bool 0"},
        {"Αληθής", "και", "(1 div 0 = 0)", DiairesnMeMndev},
    });
    // The classic guard: x ≠ 0 και 10 div x > 1 never divides by zero.
    TPivakasAvagvwristikwv pivakas;
    auto& x = static_cast<TMetablntn&>(pivakas.Add(std::make_unique<TMetablntn>(u"x", tdAkeraios)));
    pivakas.Add(std::make_unique<TMetablntn>(u"κενή", tdAkeraios));
    x.GraceTimn(TTimn::ApoAkeraio(0));
    EXPECT_EQ(Apotimnsn(pivakas, u"x ≠ 0 και 10 div x > 1"), "bool 0");
    EXPECT_EQ(Apotimnsn(pivakas, u"x = 0 ή κενή > 1"), "bool 1");
    // "ή" and "και" share one level, left to right.
    EXPECT_EQ(Apotimnsn(pivakas, u"Αληθής ή Ψευδής και Ψευδής"), "bool 0");
}

TEST(Apotimnsn, FullEvaluationEvaluatesBothSidesLeftFirst)
{
    TPlnrnsApotimnsn on(true);
    ElegxeDuadikes({
        {"Ψευδής", "και", "(1 div 0 = 0)", DiairesnMeMndev},
        {"Αληθής", "ή", "(1 div 0 = 0)", DiairesnMeMndev},
        {"(1/0 > 0)", "και", "(1 div 0 = 0)", PragmatiknDiairesn},
        {"Αληθής", "και", "Ψευδής", "bool 0"},
        {"Ψευδής", "ή", "Αληθής", "bool 1"},
        {"Αληθής", "ή", "Ψευδής", "bool 1"},
    });
}

TEST(TupoiEkfrasewv, TypeOfEachKindOfNode)
{
    TPivakasAvagvwristikwv pivakas;
    pivakas.Add(std::make_unique<TMetablntn>(u"x", tdPragmatikos));
    pivakas.Add(std::make_unique<TMetablntn>(u"a", tdAkeraios));
    pivakas.Add(std::make_unique<TMetablntn>(u"p", tdLogikos));
    const std::pair<const char16_t*, TTuposDedomevwv> periptwseis[] = {
        {u"1/2", tdPragmatikos},        {u"2^2", tdAkeraios},         {u"2^2,0", tdPragmatikos},   {u"2,0^2", tdPragmatikos},
        {u"Α_Τ(-3)", tdAkeraios},       {u"Α_Τ(-3,0)", tdPragmatikos}, {u"Α_Μ(2,5)", tdAkeraios},   {u"-x", tdPragmatikos},
        {u"-a", tdAkeraios},            {u"1 < 2", tdLogikos},         {u"'a'+'b'", tdAlfari8mntikos}, {u"ΗΜ(1)", tdPragmatikos},
        {u"1 div 2", tdAkeraios},       {u"1 + 0,5", tdPragmatikos},   {u"όχι p", tdLogikos},       {u"Τ_Ρ(4)", tdPragmatikos},
        {u"Ε(a)", tdPragmatikos},       {u"a*a-a", tdAkeraios},        {u"2^3 mod 2", tdAkeraios},  {u"'a' < 'b'", tdLogikos},
    };
    for (auto [keimevo, tupos] : periptwseis)
        EXPECT_EQ(Diabase(pivakas, keimevo)->Tupos, tupos) << U8(keimevo);
}

TEST(TupoiEkfrasewv, RefusedOperationsQuoteOperatorAndOperandTexts)
{
    TPivakasAvagvwristikwv pivakas;
    pivakas.Add(std::make_unique<TMetablntn>(u"x", tdPragmatikos));
    pivakas.Add(std::make_unique<TMetablntn>(u"Άλφα", tdAkeraios));
    pivakas.Add(std::make_unique<TMetablntn>(u"p", tdLogikos));
    const std::string duadikn = "syntax Δεν είναι δυνατή η πράξη ";
    const std::pair<const char16_t*, std::string> periptwseis[] = {
        {u"'ab' - 'cd'", duadikn + "«-» μεταξύ των τελεστέων «'ab'» και «'cd'»"},
        {u"Αληθής < Ψευδής", duadikn + "«<» μεταξύ των τελεστέων «Αληθής» και «Ψευδής»"},
        {u"Αληθής <= Ψευδής", duadikn + "«≤» μεταξύ των τελεστέων «Αληθής» και «Ψευδής»"},
        {u"1,5 div 2", duadikn + "«div» μεταξύ των τελεστέων «1,5» και «2»"},
        {u"7 MOD 2,0", duadikn + "«mod» μεταξύ των τελεστέων «7» και «2,0»"},
        {u"1 + Αληθής", duadikn + "«+» μεταξύ των τελεστέων «1» και «Αληθής»"},
        {u"'a' < 1", duadikn + "«<» μεταξύ των τελεστέων «'a'» και «1»"},
        {u"1 <> 'a'", duadikn + "«≠» μεταξύ των τελεστέων «1» και «'a'»"},
        {u"1 και 2", duadikn + "«και» μεταξύ των τελεστέων «1» και «2»"},
        {u"p Ή 1", duadikn + "«ή» μεταξύ των τελεστέων «p» και «1»"},
        {u"'a' * 2", duadikn + "«*» μεταξύ των τελεστέων «'a'» και «2»"},
        {u"2 / 'a'", duadikn + "«/» μεταξύ των τελεστέων «2» και «'a'»"},
        {u"'a' ^ 2", duadikn + "«^» μεταξύ των τελεστέων «'a'» και «2»"},
        {u"Αληθής + Ψευδής", duadikn + "«+» μεταξύ των τελεστέων «Αληθής» και «Ψευδής»"},
        {u"(1 + 2) * 'it''s'", duadikn + "«*» μεταξύ των τελεστέων «1+2» και «'it''s'»"},
        {u"άλφα >= \"x\"", duadikn + "«≥» μεταξύ των τελεστέων «Άλφα» και «'x'»"},
        {u"x div 2", duadikn + "«div» μεταξύ των τελεστέων «x» και «2»"},
        {u"Α_Μ(5)", duadikn + "«Α_Μ» στην έκφραση «5»"},
        {u"α_μ(Άλφα - 1)", duadikn + "«Α_Μ» στην έκφραση «Άλφα-1»"},
        {u"όχι 1", duadikn + "«όχι» στην έκφραση «1»"},
        {u"όχι x", duadikn + "«όχι» στην έκφραση «x»"},
        {u"-'a'", duadikn + "«-» στην έκφραση «'a'»"},
        {u"-Αληθής", duadikn + "«-» στην έκφραση «Αληθής»"},
        {u"Τ_Ρ('a')", duadikn + "«Τ_Ρ» στην έκφραση «'a'»"},
        {u"ΗΜ(p)", duadikn + "«ΗΜ» στην έκφραση «p»"},
        {u"Α_Τ('x')", duadikn + "«Α_Τ» στην έκφραση «'x'»"},
        {u"ΛΟΓ(1 < 2)", duadikn + "«ΛΟΓ» στην έκφραση «1 < 2»"},
    };
    for (const auto& [keimevo, mnvuma] : periptwseis)
        EXPECT_EQ(Apotimnsn(pivakas, keimevo), mnvuma) << U8(keimevo);
}

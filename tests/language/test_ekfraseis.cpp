// Expression trees: the type rules with their messages, and evaluation with every operator's
// semantics and arithmetic faults. Each operation is evaluated with its operands as literals,
// variables, named constants and inner operations, since each of these is read its own way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Voithitika.h"

using namespace voithitika;

namespace {

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

// Parses and evaluates; errors come back as "error <message>" or "syntax <message>".
std::string Apotimnsn(TPivakasAvagvwristikwv& pivakas, std::u16string_view keimevo)
{
    try {
        return Perigrafn(Diabase(pivakas, keimevo)->Timn());
    } catch (const ELa8osEktelesns& e) {
        return "error " + U8(e.Mnvuma());
    } catch (const ESuvtaktikoLa8os& e) {
        return "syntax " + U8(e.Mnvuma());
    }
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

// One operation: `L op R`, or `op(R)` when there is no L.
struct TPeriptwsn {
    const char* l;
    const char* op;
    const char* r;
    std::string anamenomeno;
};

// Evaluates the operation with its operands written out, held in named constants, held in
// variables, mixed, and computed by inner operations: each form's name with its result.
std::vector<std::pair<std::string, std::string>> Morfes(const TPeriptwsn& p)
{
    const std::u16string op = U16(p.op);
    auto ekfrasn = [&](const std::vector<std::u16string>& t) { return t.size() == 1 ? op + u"(" + t[0] + u")" : t[0] + u" " + op + u" " + t[1]; };
    std::vector<std::u16string> grammata;
    if (p.l)
        grammata.push_back(U16(p.l));
    grammata.push_back(U16(p.r));

    TPivakasAvagvwristikwv pivakas;
    std::vector<std::u16string> sta8eres, metablntes, komvoi;
    std::vector<TTimn> times;
    std::vector<TTuposDedomevwv> tupoi;
    bool apo8nkeuovtai = true;  // only where a stored value keeps the operand's type: 2^3 has integer type, a real value
    for (const std::u16string& g : grammata) {
        std::unique_ptr<TEkfrasn> e = Diabase(pivakas, g);
        TTimn t;
        La8os<ELa8osEktelesns>([&] { t = e->Timn(); });
        apo8nkeuovtai = apo8nkeuovtai && t.Tupos() == e->Tupos;
        times.push_back(t);
        tupoi.push_back(e->Tupos);
        komvoi.push_back(Komvos(g, e->Tupos));
    }
    std::vector<std::pair<std::string, std::string>> apotelesmata{{"literals", Apotimnsn(pivakas, ekfrasn(grammata))}};
    if (apo8nkeuovtai) {
        for (std::size_t i = 0; i < grammata.size(); ++i) {
            sta8eres.push_back(Sta8era(pivakas, u"Κ" + std::u16string(1, static_cast<char16_t>(u'0' + i)), times[i]).Ovoma);
            metablntes.push_back(u"Μ" + std::u16string(1, static_cast<char16_t>(u'0' + i)));
            GraceTimn(Metablntn(pivakas, metablntes.back(), tupoi[i]), times[i]);
        }
        apotelesmata.emplace_back("constants", Apotimnsn(pivakas, ekfrasn(sta8eres)));
        apotelesmata.emplace_back("variables", Apotimnsn(pivakas, ekfrasn(metablntes)));
        if (grammata.size() == 2) {
            apotelesmata.emplace_back("variable and literal", Apotimnsn(pivakas, ekfrasn({metablntes[0], grammata[1]})));
            apotelesmata.emplace_back("literal and variable", Apotimnsn(pivakas, ekfrasn({grammata[0], metablntes[1]})));
        }
    }
    apotelesmata.emplace_back("operations", Apotimnsn(pivakas, ekfrasn(komvoi)));
    return apotelesmata;
}

void Elegxe(const std::vector<TPeriptwsn>& periptwseis)
{
    for (const TPeriptwsn& p : periptwseis)
        for (const auto& [morfh, apotelesma] : Morfes(p))
            EXPECT_EQ(apotelesma, p.anamenomeno) << (p.l ? p.l : "") << ' ' << p.op << ' ' << p.r << " with " << morfh;
}

// Full evaluation of "ή" and "και" for one test; the setting goes back afterwards.
class TPlnrnsApotimnsn {
public:
    explicit TPlnrnsApotimnsn(bool timn) : palia_(PlnrnsApotimnsn) { PlnrnsApotimnsn = timn; }
    ~TPlnrnsApotimnsn() { PlnrnsApotimnsn = palia_; }

private:
    bool palia_;
};

const std::string Megistos = std::to_string(std::numeric_limits<std::int64_t>::max());
const std::string Elaxistos = std::to_string(std::numeric_limits<std::int64_t>::min());

}  // namespace

TEST(Apotimnsn, IntegerDivisionTruncatesAndRemainderTakesTheDividendsSign)
{
    Elegxe({
        {"7", "div", "2", "int 3"},
        {"-7", "div", "2", "int -3"},
        {"7", "div", "-2", "int -3"},
        {"-7", "div", "-2", "int 3"},
        {"7", "mod", "2", "int 1"},
        {"-7", "mod", "2", "int -1"},
        {"7", "mod", "-2", "int 1"},
        {"-7", "mod", "-2", "int -1"},
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
    Elegxe({
        {"7", "/", "2", Pragmatikos(3.5)},
        {"6", "/", "3", Pragmatikos(2.0)},
        {"1", "/", "0", PragmatiknDiairesn},
        {"-1,5", "/", "0", PragmatiknDiairesn},
        {"0", "/", "0", Akurn},
        {"0,0", "/", "0,0", Akurn},
    });
}

TEST(Apotimnsn, IntegerArithmeticWrapsAndRealArithmeticOverflows)
{
    Elegxe({
        {"9223372036854775807", "+", "1", "int " + Elaxistos},
        {"(-9223372036854775807-1)", "-", "1", "int " + Megistos},
        {"9223372036854775807", "*", "2", "int -2"},
        {"4294967296", "*", "4294967296", "int 0"},
        {"1", "+", "0,5", Pragmatikos(1.5)},
        {"0,5", "-", "1", Pragmatikos(-0.5)},
        {"2", "*", "1,5", Pragmatikos(3.0)},
        {"10,0^308", "*", "10", Uperxeilisn},
        {"10,0^308", "+", "10,0^308", Uperxeilisn},
        {"-(10,0^308)", "-", "10,0^308", Uperxeilisn},
        {"'ab'", "+", "'cd'", "str abcd"},
        {"''", "+", "'x'", "str x"},
        {"2^-1", "*", "2", Pragmatikos(1.0)},  // an integer-typed operand with a real value
        {nullptr, "-", "-9223372036854775807-1", "int " + Elaxistos},
        {nullptr, "-", "2,5", Pragmatikos(-2.5)},
    });
}

TEST(Apotimnsn, PowerByRepeatedSquaringGivesReals)
{
    Elegxe({
        {"2", "^", "10", Pragmatikos(1024)},
        {"2", "^", "-1", Pragmatikos(0.5)},
        {"0", "^", "0", Pragmatikos(1)},
        {"(-2)", "^", "3", Pragmatikos(-8)},
        {"(-2)", "^", "-2", Pragmatikos(0.25)},
        {"0", "^", "-1", PragmatiknDiairesn},
        {"2", "^", "1024", Uperxeilisn},
        {"0,0", "^", "0,0", Pragmatikos(1)},
        {"0,0", "^", "2,5", Pragmatikos(0)},
        {"0,0", "^", "-1,5", PragmatiknDiairesn},
        {"(-8,0)", "^", "2,0", Pragmatikos(64)},
        {"(-2,0)", "^", "-3", Pragmatikos(-0.125)},
        {"(-8)", "^", "(1/3)", Akurn},
        {"(-1)", "^", "2147483647", Pragmatikos(-1)},
        // Integral real exponents beyond the 32-bit range go through e^(exponent × ln base).
        {"0,5", "^", "4294967296,0", Pragmatikos(0)},
        {"2,0", "^", "4294967296,0", Uperxeilisn},
        {"(-2,0)", "^", "4294967296,0", Akurn},
    });
    // So does a fractional exponent.
    TPivakasAvagvwristikwv pivakas;
    EXPECT_NEAR(Diabase(pivakas, u"2,0^0,5")->Timn().Pragmatikos(), std::sqrt(2.0), 1e-15);
}

TEST(Apotimnsn, BuiltInFunctions)
{
    const double dyo63 = 9223372036854775808.0, dyo62 = 4611686018427387904.0;
    Elegxe({
        {nullptr, "Α_Μ", "-2,7", "int -2"},
        {nullptr, "Α_Μ", "2,7", "int 2"},
        {nullptr, "Α_Μ", "10,0^18", "int 1000000000000000000"},
        {nullptr, "Α_Μ", "-(2,0^63)", "int " + Elaxistos},
        {nullptr, "Α_Μ", "2,0^63", Akurn},
        {nullptr, "Α_Μ", "-(2,0^64)", Akurn},
        {nullptr, "Α_Τ", "-3", Pragmatikos(3)},
        {nullptr, "Α_Τ", "-2,5", Pragmatikos(2.5)},
        {nullptr, "Α_Τ", "-9223372036854775807-1", Pragmatikos(dyo63)},
        {nullptr, "Τ_Ρ", "16", Pragmatikos(4)},
        {nullptr, "Τ_Ρ", "0", Pragmatikos(0)},
        {nullptr, "Τ_Ρ", "-1", Akurn},
        {nullptr, "ΛΟΓ", "100", Pragmatikos(2)},
        {nullptr, "ΛΟΓ", "0", PragmatiknDiairesn},
        {nullptr, "ΛΟΓ", "-1", Akurn},
        {nullptr, "Ε", "1", Pragmatikos(std::exp(1.0))},
        {nullptr, "Ε", "1000", Uperxeilisn},
        {nullptr, "ΗΜ", "2,0^62", Pragmatikos(std::sin(dyo62))},
        {nullptr, "ΗΜ", "2,0^63", Pragmatikos(0)},
        {nullptr, "ΗΜ", "-(2,0^63)", Pragmatikos(0)},
        {nullptr, "ΗΜ", "2,0^70", Pragmatikos(0)},
        {nullptr, "ΗΜ", "9223372036854775807", Pragmatikos(0)},  // 2^63 once it is a real
        {nullptr, "ΣΥΝ", "-(2,0^62)", Pragmatikos(std::cos(-dyo62))},
        {nullptr, "ΣΥΝ", "2,0^63", Pragmatikos(0)},
        {nullptr, "ΣΥΝ", "2,0^70", Pragmatikos(0)},
        {nullptr, "ΕΦ", "1", Pragmatikos(std::tan(1.0))},
    });
}

TEST(Apotimnsn, NumbersCompareNumericallyAndIntegersExactly)
{
    // For each pair, the comparisons that hold; the others must not.
    const struct {
        const char* a;
        const char* b;
        std::vector<std::string> alnbeis;
    } zeugn[] = {
        {"1", "2", {"<", "≠", "≤"}},       {"2", "2", {"=", "≤", "≥"}},    {"2", "1", {">", "≠", "≥"}},
        {"1", "2,0", {"<", "≠", "≤"}},     {"2", "2,0", {"=", "≤", "≥"}},  {"2,5", "2", {">", "≠", "≥"}},
        {"0,1", "0,1", {"=", "≤", "≥"}},
        // Two integers compare as integers, not as the reals they round to; an integer against a real as reals.
        {"9007199254740993", "9007199254740992", {">", "≠", "≥"}},
        {"9223372036854775807", "9223372036854775806", {">", "≠", "≥"}},
        {"9007199254740993", "9007199254740992,0", {"=", "≤", "≥"}},
    };
    for (const auto& z : zeugn)
        for (const std::string op : {"<", "=", ">", "≠", "≤", "≥"})
            Elegxe({{z.a, op.c_str(), z.b, std::count(z.alnbeis.begin(), z.alnbeis.end(), op) ? "bool 1" : "bool 0"}});
}

TEST(Apotimnsn, StringsCompareByTheCodePageAndBooleansOnlyForEquality)
{
    // The code page order itself is checked in test_kwdikoselida.cpp.
    Elegxe({
        {"'Β'", "<", "'α'", "bool 1"},
        {"'a'", "=", "'A'", "bool 0"},
        {"'a'", ">", "'A'", "bool 1"},
        {"'abc'", "≥", "'ab'", "bool 1"},
        {"'ж'", "=", "'☺'", "bool 1"},
        {"'ж'", "≤", "'?'", "bool 1"},
        {"Αληθής", "=", "Ψευδής", "bool 0"},
        {"Αληθής", "≠", "Ψευδής", "bool 1"},
        {"Ψευδής", "=", "Ψευδής", "bool 1"},
    });
}

TEST(Apotimnsn, AndOrShortCircuitUnlessFullEvaluationIsOn)
{
    {
        TPlnrnsApotimnsn off(false);
        Elegxe({
            {"Ψευδής", "και", "(1 div 0 = 0)", "bool 0"},
            {"Αληθής", "ή", "(1 div 0 = 0)", "bool 1"},
            {"Αληθής", "και", "Ψευδής", "bool 0"},
            {"Ψευδής", "ή", "Αληθής", "bool 1"},
            {"Αληθής", "και", "(1 div 0 = 0)", DiairesnMeMndev},
        });
    }
    TPlnrnsApotimnsn on(true);
    Elegxe({
        {"Ψευδής", "και", "(1 div 0 = 0)", DiairesnMeMndev},
        {"Αληθής", "ή", "(1 div 0 = 0)", DiairesnMeMndev},
        {"(1/0 > 0)", "και", "(1 div 0 = 0)", PragmatiknDiairesn},  // the left side first
        {"Αληθής", "και", "Αληθής", "bool 1"},
        {"Ψευδής", "ή", "Ψευδής", "bool 0"},
    });
}

TEST(TupoiEkfrasewv, TypeOfEachKindOfNode)
{
    TPivakasAvagvwristikwv pivakas;
    Metablntn(pivakas, u"x", tdPragmatikos);
    Metablntn(pivakas, u"a", tdAkeraios);
    Metablntn(pivakas, u"p", tdLogikos);
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
    Metablntn(pivakas, u"x", tdPragmatikos);
    Metablntn(pivakas, u"Άλφα", tdAkeraios);
    Metablntn(pivakas, u"p", tdLogikos);
    const std::string duadikn = "syntax Δεν είναι δυνατή η πράξη ";
    const std::pair<const char16_t*, std::string> periptwseis[] = {
        {u"'ab' - 'cd'", duadikn + "«-» μεταξύ των τελεστέων «'ab'» και «'cd'»"},
        {u"Αληθής <= Ψευδής", duadikn + "«≤» μεταξύ των τελεστέων «Αληθής» και «Ψευδής»"},
        {u"1,5 div 2", duadikn + "«div» μεταξύ των τελεστέων «1,5» και «2»"},
        {u"7 MOD 2,0", duadikn + "«mod» μεταξύ των τελεστέων «7» και «2,0»"},
        {u"1 + Αληθής", duadikn + "«+» μεταξύ των τελεστέων «1» και «Αληθής»"},
        {u"1 <> 'a'", duadikn + "«≠» μεταξύ των τελεστέων «1» και «'a'»"},
        {u"1 και 2", duadikn + "«και» μεταξύ των τελεστέων «1» και «2»"},
        {u"p Ή 1", duadikn + "«ή» μεταξύ των τελεστέων «p» και «1»"},
        {u"'a' * 2", duadikn + "«*» μεταξύ των τελεστέων «'a'» και «2»"},
        {u"2 / 'a'", duadikn + "«/» μεταξύ των τελεστέων «2» και «'a'»"},
        {u"'a' ^ 2", duadikn + "«^» μεταξύ των τελεστέων «'a'» και «2»"},
        {u"(1 + 2) * 'it''s'", duadikn + "«*» μεταξύ των τελεστέων «1+2» και «'it''s'»"},
        {u"άλφα >= \"x\"", duadikn + "«≥» μεταξύ των τελεστέων «Άλφα» και «'x'»"},
        {u"x div 2", duadikn + "«div» μεταξύ των τελεστέων «x» και «2»"},
        {u"Α_Μ(5)", duadikn + "«Α_Μ» στην έκφραση «5»"},
        {u"α_μ(Άλφα - 1)", duadikn + "«Α_Μ» στην έκφραση «Άλφα-1»"},
        {u"όχι 1", duadikn + "«όχι» στην έκφραση «1»"},
        {u"-'a'", duadikn + "«-» στην έκφραση «'a'»"},
        {u"Τ_Ρ('a')", duadikn + "«Τ_Ρ» στην έκφραση «'a'»"},
        {u"Α_Τ('x')", duadikn + "«Α_Τ» στην έκφραση «'x'»"},
        {u"ΛΟΓ(1 < 2)", duadikn + "«ΛΟΓ» στην έκφραση «1 < 2»"},
    };
    for (const auto& [keimevo, mnvuma] : periptwseis)
        EXPECT_EQ(Apotimnsn(pivakas, keimevo), mnvuma) << U8(keimevo);
}

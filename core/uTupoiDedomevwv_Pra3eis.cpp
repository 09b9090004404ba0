// Operation nodes: type rules, canonical text and evaluation of unary and binary operations.
//
// Every node knows at compile time the tag of the values it yields, so the factories below build a
// node class specialised for its operator and operand tags; evaluating it does no type dispatch.
// Nodes that the specialisations do not cover, and the upper part of long chains, use the generic
// evaluation on whole values.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/uTupoiDedomevwv.h"
#include "core/uTupoiDedomevwv_Pra3eis.h"
#include "front/uLa8os.h"

namespace kalmira {

bool PlnrnsApotimnsn = false;

using namespace pra3eis;

namespace pra3eis {

void AkurnPra3n() { throw ELa8osEktelesns(u"Invalid floating point operation"); }
void Uperxeilisn() { throw ELa8osEktelesns(u"Floating point overflow"); }
void DiairesnMeMndev() { throw ELa8osEktelesns(u"Division by zero"); }
void PragmatiknDiairesnMeMndev() { throw ELa8osEktelesns(u"Floating point division by zero"); }

}  // namespace pra3eis

namespace {

struct TPlnroforiesTelestn {
    std::u16string_view emfanisn;
    std::u16string_view mnvuma;
    int proteraiotnta;
    bool movadiaios;
    bool duadikos;
};

const TPlnroforiesTelestn Telestes[Plnr8osTelestwv] = {
    {u"+", u"+", 2, false, true},
    {u"-", u"-", 2, true, true},
    {u"*", u"*", 3, false, true},
    {u"/", u"/", 3, false, true},
    {u" < ", u"<", 1, false, true},
    {u" = ", u"=", 1, false, true},
    {u" > ", u">", 1, false, true},
    {u"^", u"^", 4, false, true},
    {u" \u2260 ", u"\u2260", 1, false, true},
    {u" \u2264 ", u"\u2264", 1, false, true},
    {u" \u2265 ", u"\u2265", 1, false, true},
    {u" div ", u"div", 3, false, true},
    {u" mod ", u"mod", 3, false, true},
    {u"Α_Μ", u"Α_Μ", 5, true, false},
    {u"Α_Τ", u"Α_Τ", 5, true, false},
    {u"Ε", u"Ε", 5, true, false},
    {u"ΕΦ", u"ΕΦ", 5, true, false},
    {u" ή ", u"ή", 0, false, true},
    {u"ΗΜ", u"ΗΜ", 5, true, false},
    {u" και ", u"και", 0, false, true},
    {u"ΛΟΓ", u"ΛΟΓ", 5, true, false},
    {u"όχι ", u"όχι", 0, true, false},
    {u"ΣΥΝ", u"ΣΥΝ", 5, true, false},
    {u"Τ_Ρ", u"Τ_Ρ", 5, true, false},
};

// A real raised to a 32-bit integer power by repeated squaring, in extended precision; a negative
// exponent gives the reciprocal.
double DuvamnAkeraiou(double basn, std::int32_t ek8etns)
{
    if (ek8etns == 0)
        return 1.0;
    std::uint64_t n = ek8etns < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(ek8etns)) : static_cast<std::uint64_t>(ek8etns);
    long double x = basn;
    long double apotelesma = 1.0L;
    for (;;) {
        if (n & 1)
            apotelesma *= x;
        n >>= 1;
        if (n == 0)
            break;
        x *= x;
    }
    if (ek8etns < 0) {
        if (apotelesma == 0.0L)
            PragmatiknDiairesnMeMndev();
        apotelesma = 1.0L / apotelesma;
    }
    return Elegxos(static_cast<double>(apotelesma));
}

double DuvamnPragmatikou(double basn, double ek8etns)
{
    if (ek8etns == 0.0)
        return 1.0;
    if (basn == 0.0 && ek8etns > 0.0)
        return 0.0;
    if (std::trunc(ek8etns) == ek8etns && std::fabs(ek8etns) <= 2147483647.0)
        return DuvamnAkeraiou(basn, static_cast<std::int32_t>(ek8etns));
    if (basn == 0.0)
        PragmatiknDiairesnMeMndev();  // the logarithm of zero
    if (basn < 0.0)
        AkurnPra3n();
    return Elegxos(std::exp(ek8etns * std::log(basn)));
}

std::int32_t Ek8etnsAkeraiou(const TTimn& timn) { return timn.SeDeikti(); }

// The built-in functions on reals.
struct THM {
    static double f(double x) { return std::fabs(x) >= 9223372036854775808.0 ? 0.0 : std::sin(x); }
};
struct TSYN {
    static double f(double x) { return std::fabs(x) >= 9223372036854775808.0 ? 0.0 : std::cos(x); }
};
struct TEF {
    static double f(double x) { return Elegxos(std::tan(x)); }
};
struct TE {
    static double f(double x) { return Elegxos(std::exp(x)); }
};
struct TLOG {
    static double f(double x)
    {
        if (x == 0.0)
            PragmatiknDiairesnMeMndev();
        if (x < 0.0)
            AkurnPra3n();
        return std::log10(x);
    }
};
struct TT_R {
    static double f(double x)
    {
        if (x < 0.0)
            AkurnPra3n();
        return std::sqrt(x);
    }
};
struct TA_T {
    static double f(double x) { return std::fabs(x); }
};

std::int64_t AkeraioMeros(double x)
{
    double t = std::trunc(x);
    if (!(t >= -9223372036854775808.0 && t < 9223372036854775808.0))
        AkurnPra3n();
    return static_cast<std::int64_t>(t);
}

bool SugkrineKata(TTelestns telestns, auto a, auto b)
{
    switch (telestns) {
    case tlMikrotero: return a < b;
    case tlIso: return a == b;
    case tlMegalutero: return a > b;
    case tlDiafora: return a != b;
    case tlMikroteroIso: return a <= b;
    case tlMegaluteroIso: return a >= b;
    default: throw ELa8osMou(u"Λάθος πράξη στην TDuadiknPra3n.Timn");
    }
}

bool EivaiSugkrisn(TTelestns telestns) { return Telestes[telestns].proteraiotnta == 1; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Generic evaluation on whole values

static TTimn EfarmognMovadiaias(TTelestns telestns, const TTimn& timn)
{
    switch (telestns) {
    case tlAfairesn:
        if (timn.Eidos() == TTimn::tmAkeraios)
            return TTimn::ApoAkeraio(TAfairesn::Akeraia(0, timn.Akeraios()));
        return TTimn::ApoPragmatiko(-timn.Pragmatikos());
    case tlArvnsn: return TTimn::ApoLogiko(!timn.Logikos());
    case tlAkeraioMeros: return TTimn::ApoAkeraio(AkeraioMeros(timn.SePragmatiko()));
    case tlApolutnTimn: return TTimn::ApoPragmatiko(TA_T::f(timn.SePragmatiko()));
    case tlEk8etiko: return TTimn::ApoPragmatiko(TE::f(timn.SePragmatiko()));
    case tlEfaptomevn: return TTimn::ApoPragmatiko(TEF::f(timn.SePragmatiko()));
    case tlNmitovo: return TTimn::ApoPragmatiko(THM::f(timn.SePragmatiko()));
    case tlLogari8mos: return TTimn::ApoPragmatiko(TLOG::f(timn.SePragmatiko()));
    case tlSuvnmitovo: return TTimn::ApoPragmatiko(TSYN::f(timn.SePragmatiko()));
    case tlTetragwviknRiza: return TTimn::ApoPragmatiko(TT_R::f(timn.SePragmatiko()));
    default: throw ELa8osMou(u"Λάθος πράξη στην TMovadiaiaPra3n.Timn");
    }
}

bool SugkrisnTimwv(TTelestns telestns, const TTimn& a, const TTimn& b)
{
    if (a.Eidos() == TTimn::tmAkeraios && b.Eidos() == TTimn::tmAkeraios)
        return SugkrineKata(telestns, a.Akeraios(), b.Akeraios());
    if (a.Eidos() == TTimn::tmAlfari8mntiko)
        return SugkrineKata(telestns, SugkrisnAlfari8mntikwv(a.Alfari8mntiko(), b.Alfari8mntiko()), 0);
    if (a.Eidos() == TTimn::tmLogikos)
        return SugkrineKata(telestns, a.Logikos(), b.Logikos());
    return SugkrineKata(telestns, a.SePragmatiko(), b.SePragmatiko());
}

TTimn EfarmognDuadiknsPra3ns(TTelestns telestns, TTuposDedomevwv tupos, const TTimn& a, const TTimn& b)
{
    const bool akeraioi = a.Eidos() == TTimn::tmAkeraios && b.Eidos() == TTimn::tmAkeraios;
    switch (telestns) {
    case tlPros8esn:
        if (a.Eidos() == TTimn::tmAlfari8mntiko) {
            ElegxosMnmnsAlfari8mntikou(a.Alfari8mntiko().size() + b.Alfari8mntiko().size());
            return TTimn::ApoAlfari8mntiko(a.Alfari8mntiko() + b.Alfari8mntiko());
        }
        if (akeraioi)
            return TTimn::ApoAkeraio(TPros8esn::Akeraia(a.Akeraios(), b.Akeraios()));
        return TTimn::ApoPragmatiko(TPros8esn::Pragmatika(a.SePragmatiko(), b.SePragmatiko()));
    case tlAfairesn:
        if (akeraioi)
            return TTimn::ApoAkeraio(TAfairesn::Akeraia(a.Akeraios(), b.Akeraios()));
        return TTimn::ApoPragmatiko(TAfairesn::Pragmatika(a.SePragmatiko(), b.SePragmatiko()));
    case tlPollaplasiasmos:
        if (akeraioi)
            return TTimn::ApoAkeraio(TPollaplasiasmos::Akeraia(a.Akeraios(), b.Akeraios()));
        return TTimn::ApoPragmatiko(TPollaplasiasmos::Pragmatika(a.SePragmatiko(), b.SePragmatiko()));
    case tlDiairesn: return TTimn::ApoPragmatiko(TDiairesn::Pragmatika(a.SePragmatiko(), b.SePragmatiko()));
    case tlDiv: return TTimn::ApoAkeraio(TDiv::Akeraia(a.SeAkeraio(), b.SeAkeraio()));
    case tlMod: return TTimn::ApoAkeraio(TMod::Akeraia(a.SeAkeraio(), b.SeAkeraio()));
    case tlDuvamn:
        if (tupos == tdAkeraios)
            return TTimn::ApoPragmatiko(DuvamnAkeraiou(a.SePragmatiko(), Ek8etnsAkeraiou(b)));
        return TTimn::ApoPragmatiko(DuvamnPragmatikou(a.SePragmatiko(), b.SePragmatiko()));
    case tlDiazeu3n: return TTimn::ApoLogiko(a.Logikos() || b.Logikos());
    case tlSuzeu3n: return TTimn::ApoLogiko(a.Logikos() && b.Logikos());
    default:
        if (EivaiSugkrisn(telestns))
            return TTimn::ApoLogiko(SugkrisnTimwv(telestns, a, b));
        throw ELa8osMou(u"Λάθος πράξη στην TDuadiknPra3n.Timn");
    }
}

// ---------------------------------------------------------------------------------------------
// Base nodes

TTimn TEkfrasn::Timn() const
{
    switch (TuposTimns) {
    case tdAkeraios: return TTimn::ApoAkeraio(Akeraios());
    case tdPragmatikos: return TTimn::ApoPragmatiko(Pragmatikos());
    case tdLogikos: return TTimn::ApoLogiko(Logikos());
    case tdAlfari8mntikos: {
        std::u16string proswrino;
        const std::u16string& s = Alfari8mntiko(proswrino);
        if (&s == &proswrino)
            return TTimn::ApoAlfari8mntiko(std::move(proswrino));
        ElegxosMnmnsAlfari8mntikou(s.size());
        return TTimn::ApoAlfari8mntiko(s);
    }
    default: throw ELa8osMou(u"Άδειος τύπος δεδομένων στην TDuadiknPra3n.Timn. Γιατί δεν το έπιασε ο συντακτικός έλεγχος?");
    }
}

std::int64_t TEkfrasn::Akeraios() const { return Timn().Akeraios(); }
double TEkfrasn::Pragmatikos() const { return Timn().Pragmatikos(); }
bool TEkfrasn::Logikos() const { return Timn().Logikos(); }

const std::u16string& TEkfrasn::Alfari8mntiko(std::u16string& proswrino) const
{
    proswrino = Timn().Alfari8mntiko();
    return proswrino;
}

std::u16string TEkfrasn::Keimevo() const
{
    std::u16string keimevo;
    GrapseKeimevo(keimevo);
    return keimevo;
}

// ---------------------------------------------------------------------------------------------
// Unary operations

TMovadiaiaPra3n::TMovadiaiaPra3n(TTelestns telestns, std::unique_ptr<TEkfrasn> telesteos, TTuposDedomevwv tupos,
                                 TTuposDedomevwv tuposTimns)
    : TEkfrasn(ekMovadiaia, tupos, tuposTimns, Telestes[telestns].proteraiotnta), Telesteos(std::move(telesteos)), Telestns(telestns)
{
}

static bool EivaiArvnsn(const TEkfrasn& ekfrasn)
{
    return ekfrasn.EidosKomvou == TEkfrasn::ekMovadiaia && ekfrasn.Proteraiotnta == 2;
}

void TMovadiaiaPra3n::GrapseKeimevo(std::u16string& e3odos) const
{
    e3odos += Telestes[Telestns].emfanisn;
    bool gumvo = Proteraiotnta < Telesteos->Proteraiotnta || (Proteraiotnta < 5 && EivaiArvnsn(*Telesteos));
    if (!gumvo)
        e3odos += u'(';
    Telesteos->GrapseKeimevo(e3odos);
    if (!gumvo)
        e3odos += u')';
}

TTimn TMovadiaiaPra3n::Timn() const
{
    if (Tupos == tdKavevas)
        throw ELa8osMou(u"Άδειος τύπος δεδομένων στην TMovadiaiaPra3n.Timn. Γιατί δεν το έπιασε ο συντακτικός έλεγχος?");
    return EfarmognMovadiaias(Telestns, Telesteos->Timn());
}

namespace {

// The class every specialised node derives from: its generic evaluation goes through the typed
// entry point it implements.
template <class Vasn>
class TTupikos : public Vasn {
public:
    using Vasn::Vasn;
    TTimn Timn() const override { return TEkfrasn::Timn(); }
};

class TArvnsnAkeraiou final : public TTupikos<TMovadiaiaPra3n> {
public:
    using TTupikos::TTupikos;
    std::int64_t Akeraios() const override { return TAfairesn::Akeraia(0, Telesteos->Akeraios()); }
};

class TArvnsnPragmatikou final : public TTupikos<TMovadiaiaPra3n> {
public:
    using TTupikos::TTupikos;
    double Pragmatikos() const override { return -Telesteos->Pragmatikos(); }
};

class TOxi final : public TTupikos<TMovadiaiaPra3n> {
public:
    using TTupikos::TTupikos;
    bool Logikos() const override { return !Telesteos->Logikos(); }
};

class TAkeraioMerous final : public TTupikos<TMovadiaiaPra3n> {
public:
    using TTupikos::TTupikos;
    std::int64_t Akeraios() const override { return AkeraioMeros(Telesteos->Pragmatikos()); }
};

template <class F>
class TSuvartnsn final : public TTupikos<TMovadiaiaPra3n> {
public:
    using TTupikos<TMovadiaiaPra3n>::TTupikos;
    double Pragmatikos() const override { return F::f(this->Telesteos->Ari8mos()); }
};

}  // namespace

std::unique_ptr<TEkfrasn> DnmiourgiaMovadiaias(TTelestns telestns, std::unique_ptr<TEkfrasn> telesteos)
{
    const TTuposDedomevwv t = telesteos->Tupos;
    const bool ari8mos = t == tdAkeraios || t == tdPragmatikos;
    const bool suvartnsn = telestns == tlApolutnTimn || telestns == tlEk8etiko || telestns == tlEfaptomevn || telestns == tlNmitovo ||
                           telestns == tlLogari8mos || telestns == tlSuvnmitovo || telestns == tlTetragwviknRiza;
    TTuposDedomevwv tupos;
    if ((t == tdAkeraios && (telestns == tlAfairesn || telestns == tlApolutnTimn)) || (t == tdPragmatikos && telestns == tlAkeraioMeros))
        tupos = tdAkeraios;
    else if (ari8mos && (telestns == tlAfairesn || suvartnsn))
        tupos = tdPragmatikos;
    else if (t == tdLogikos && telestns == tlArvnsn)
        tupos = tdLogikos;
    else
        throw ESuvtaktikoLa8os(Morfh(u"Δεν είναι δυνατή η πράξη «%s» στην έκφραση «%s»", {Telestes[telestns].mnvuma, telesteos->Keimevo()}));
    if (!Telestes[telestns].movadiaios)
        throw ELa8osMou(u"Λάθος στον καθορισμό προτεραιοτήτων της μοναδιαίας πράξης");

    switch (telestns) {
    case tlAfairesn:
        if (telesteos->TuposTimns == tdAkeraios)
            return std::make_unique<TArvnsnAkeraiou>(telestns, std::move(telesteos), tupos, tdAkeraios);
        return std::make_unique<TArvnsnPragmatikou>(telestns, std::move(telesteos), tupos, tdPragmatikos);
    case tlArvnsn: return std::make_unique<TOxi>(telestns, std::move(telesteos), tupos, tdLogikos);
    case tlAkeraioMeros: return std::make_unique<TAkeraioMerous>(telestns, std::move(telesteos), tupos, tdAkeraios);
    case tlApolutnTimn: return std::make_unique<TSuvartnsn<TA_T>>(telestns, std::move(telesteos), tupos, tdPragmatikos);
    case tlEk8etiko: return std::make_unique<TSuvartnsn<TE>>(telestns, std::move(telesteos), tupos, tdPragmatikos);
    case tlEfaptomevn: return std::make_unique<TSuvartnsn<TEF>>(telestns, std::move(telesteos), tupos, tdPragmatikos);
    case tlNmitovo: return std::make_unique<TSuvartnsn<THM>>(telestns, std::move(telesteos), tupos, tdPragmatikos);
    case tlLogari8mos: return std::make_unique<TSuvartnsn<TLOG>>(telestns, std::move(telesteos), tupos, tdPragmatikos);
    case tlSuvnmitovo: return std::make_unique<TSuvartnsn<TSYN>>(telestns, std::move(telesteos), tupos, tdPragmatikos);
    default: return std::make_unique<TSuvartnsn<TT_R>>(telestns, std::move(telesteos), tupos, tdPragmatikos);
    }
}

// ---------------------------------------------------------------------------------------------
// Binary operations

static std::uint32_t MhkosAlusidasMe(const TEkfrasn& aristeros)
{
    if (aristeros.EidosKomvou != TEkfrasn::ekDuadikn)
        return 1;
    return static_cast<const TDuadiknPra3n&>(aristeros).MhkosAlusidas + 1;
}

TDuadiknPra3n::TDuadiknPra3n(std::unique_ptr<TEkfrasn> aristeros, std::unique_ptr<TEkfrasn> de3ios, TTelestns telestns,
                             TTuposDedomevwv tupos, TTuposDedomevwv tuposTimns)
    : TEkfrasn(ekDuadikn, tupos, tuposTimns, Telestes[telestns].proteraiotnta),
      Aristeros(std::move(aristeros)),
      De3ios(std::move(de3ios)),
      Telestns(telestns),
      MhkosAlusidas(MhkosAlusidasMe(*Aristeros))
{
}

TDuadiknPra3n::~TDuadiknPra3n()
{
    // Detach the left spine one node at a time, so that a long chain is freed in a loop.
    std::unique_ptr<TEkfrasn> aristeros = std::move(Aristeros);
    while (aristeros && aristeros->EidosKomvou == ekDuadikn) {
        std::unique_ptr<TEkfrasn> epomevos = std::move(static_cast<TDuadiknPra3n&>(*aristeros).Aristeros);
        aristeros = std::move(epomevos);
    }
}

// A left operand goes in parentheses when it binds less tightly; a comparison never takes a
// comparison bare, and "^" never takes a "^" bare on its left (a^b^c reads as a^(b^c)).
static bool ParevStnAristeri(const TDuadiknPra3n& komvos, const TEkfrasn& aristeros)
{
    if (aristeros.Proteraiotnta < komvos.Proteraiotnta)
        return true;
    if (aristeros.EidosKomvou != TEkfrasn::ekDuadikn || aristeros.Proteraiotnta != komvos.Proteraiotnta)
        return false;
    return komvos.Proteraiotnta == 1 || komvos.Telestns == tlDuvamn;
}

// A chain of prefix minuses that ends in an operand: it reads back whole after any operator.
static bool EivaiAplnArvnsn(const TEkfrasn& ekfrasn)
{
    const TEkfrasn* e = &ekfrasn;
    while (EivaiArvnsn(*e))
        e = static_cast<const TMovadiaiaPra3n*>(e)->Telesteos.get();
    return e->Proteraiotnta == 5;
}

// A right operand goes in parentheses when it binds less tightly, or when it is a binary operation
// of the same priority (except under "^", which groups to the right). A prefix minus on the right
// needs them only after * / div mod ^ and only when it negates more than an operand: there the
// minus binds to the first operand alone.
static bool ParevStnDe3ia(const TDuadiknPra3n& komvos, const TEkfrasn& de3ios)
{
    if (EivaiArvnsn(de3ios))
        return komvos.Proteraiotnta >= 3 && !EivaiAplnArvnsn(de3ios);
    if (de3ios.Proteraiotnta < komvos.Proteraiotnta)
        return true;
    return de3ios.Proteraiotnta == komvos.Proteraiotnta && de3ios.EidosKomvou == TEkfrasn::ekDuadikn && komvos.Telestns != tlDuvamn;
}

void TDuadiknPra3n::GrapseKeimevo(std::u16string& e3odos) const
{
    // Walk the left spine: the opening parentheses of every level come first, then the leftmost
    // operand, then each level's closing parenthesis, operator and right operand from the bottom up.
    std::vector<const TDuadiknPra3n*> spovdulos;
    const TEkfrasn* e = this;
    while (e->EidosKomvou == ekDuadikn) {
        spovdulos.push_back(static_cast<const TDuadiknPra3n*>(e));
        e = spovdulos.back()->Aristeros.get();
    }
    for (const TDuadiknPra3n* komvos : spovdulos)
        if (ParevStnAristeri(*komvos, *komvos->Aristeros))
            e3odos += u'(';
    e->GrapseKeimevo(e3odos);
    for (auto it = spovdulos.rbegin(); it != spovdulos.rend(); ++it) {
        const TDuadiknPra3n& komvos = **it;
        if (ParevStnAristeri(komvos, *komvos.Aristeros))
            e3odos += u')';
        e3odos += Telestes[komvos.Telestns].emfanisn;
        bool parev = ParevStnDe3ia(komvos, *komvos.De3ios);
        if (parev)
            e3odos += u'(';
        komvos.De3ios->GrapseKeimevo(e3odos);
        if (parev)
            e3odos += u')';
    }
}

namespace {

// Combines the value of a binary node's left operand with its right operand.
TTimn Sunduasmos(const TDuadiknPra3n& komvos, TTimn a)
{
    if (komvos.Tupos == tdKavevas)
        throw ELa8osMou(u"Άδειος τύπος δεδομένων στην TDuadiknPra3n.Timn. Γιατί δεν το έπιασε ο συντακτικός έλεγχος?");
    if ((komvos.Telestns == tlDiazeu3n || komvos.Telestns == tlSuzeu3n) && !PlnrnsApotimnsn) {
        if (a.Logikos() == (komvos.Telestns == tlDiazeu3n))
            return a;
        return komvos.De3ios->Timn();
    }
    TTimn b = komvos.De3ios->Timn();
    return EfarmognDuadiknsPra3ns(komvos.Telestns, komvos.Tupos, a, b);
}

// Chains up to this length evaluate recursively; the part of a longer chain above it walks the
// spine in a loop.
constexpr std::uint32_t MegistoAvadromikoMhkos = 64;

}  // namespace

TTimn TDuadiknPra3n::Timn() const
{
    if (MhkosAlusidas <= MegistoAvadromikoMhkos)
        return Sunduasmos(*this, Aristeros->Timn());
    if (spovdulos_.empty()) {
        // A concatenation of strings on the spine evaluates its own chain.
        for (const TEkfrasn* e = this; e->EidosKomvou == ekDuadikn && e->Tupos != tdAlfari8mntikos;
             e = spovdulos_.back()->Aristeros.get())
            spovdulos_.push_back(static_cast<const TDuadiknPra3n*>(e));
    }
    TTimn timn = spovdulos_.back()->Aristeros->Timn();
    for (auto it = spovdulos_.rbegin(); it != spovdulos_.rend(); ++it)
        timn = Sunduasmos(**it, std::move(timn));
    return timn;
}

namespace {

template <template <class, class> class Komvos, class... A>
std::unique_ptr<TEkfrasn> MeAkeraiousTelesteous(std::unique_ptr<TEkfrasn>& a, std::unique_ptr<TEkfrasn>& b, A... orismata)
{
    return MeAkeraiousAnagvwstes<eaStenos, eaStenos>(*a, *b, [&]<class L, class R>() -> std::unique_ptr<TEkfrasn> {
        return std::make_unique<Komvos<L, R>>(std::move(a), std::move(b), orismata...);
    });
}

template <template <class, class> class Komvos, class... A>
std::unique_ptr<TEkfrasn> MeAri8mousTelesteous(std::unique_ptr<TEkfrasn>& a, std::unique_ptr<TEkfrasn>& b, A... orismata)
{
    return MeAri8mntikousAnagvwstes(*a, *b, [&]<class L, class R>() -> std::unique_ptr<TEkfrasn> {
        return std::make_unique<Komvos<L, R>>(std::move(a), std::move(b), orismata...);
    });
}

// An integer operation on two integers.
template <class Pra3n>
struct TAkeraia {
    template <class L, class R>
    class Komvos final : public TTupikos<TDuadiknPra3n> {
    public:
        Komvos(std::unique_ptr<TEkfrasn> a, std::unique_ptr<TEkfrasn> b, TTelestns t, TTuposDedomevwv tupos, TTuposDedomevwv tuposTimns)
            : TTupikos<TDuadiknPra3n>(std::move(a), std::move(b), t, tupos, tuposTimns), l_(*Aristeros), r_(*De3ios) {}
        std::int64_t Akeraios() const override { return Pra3n::Akeraia(l_.Akeraios(), r_.Akeraios()); }

    private:
        const L l_;
        const R r_;
    };
};

// A real operation on two numbers.
template <class Pra3n>
struct TPragmatikn {
    template <class L, class R>
    class Komvos final : public TTupikos<TDuadiknPra3n> {
    public:
        Komvos(std::unique_ptr<TEkfrasn> a, std::unique_ptr<TEkfrasn> b, TTelestns t, TTuposDedomevwv tupos, TTuposDedomevwv tuposTimns)
            : TTupikos<TDuadiknPra3n>(std::move(a), std::move(b), t, tupos, tuposTimns), l_(*Aristeros), r_(*De3ios) {}
        double Pragmatikos() const override { return Pra3n::Pragmatika(l_.Ari8mos(), r_.Ari8mos()); }

    private:
        const L l_;
        const R r_;
    };
};

// A comparison of two numbers, or "και" / "ή", through the condition C that fits its operands.
template <class C>
class TSuv8nkn final : public TTupikos<TDuadiknPra3n> {
public:
    TSuv8nkn(std::unique_ptr<TEkfrasn> a, std::unique_ptr<TEkfrasn> b, TTelestns t)
        : TTupikos<TDuadiknPra3n>(std::move(a), std::move(b), t, tdLogikos, tdLogikos), suv8nkn_(t, *Aristeros, *De3ios) {}
    bool Logikos() const override { return suv8nkn_.Logikos(); }

private:
    const C suv8nkn_;
};

template <class Sugkrisn>
class TSugkrisnAlfari8mntikwv final : public TTupikos<TDuadiknPra3n> {
public:
    using TTupikos<TDuadiknPra3n>::TTupikos;
    bool Logikos() const override
    {
        std::u16string p1, p2;
        const std::u16string& a = Aristeros->Alfari8mntiko(p1);
        const std::u16string& b = De3ios->Alfari8mntiko(p2);
        return Sugkrisn::f(SugkrisnAlfari8mntikwv(a, b), 0);
    }
};

template <class Sugkrisn>
class TLogiknSugkrisn final : public TTupikos<TDuadiknPra3n> {
public:
    using TTupikos<TDuadiknPra3n>::TTupikos;
    bool Logikos() const override { return Sugkrisn::f(Aristeros->Logikos(), De3ios->Logikos()); }
};

// A concatenation of strings. A chain of them (a + b + c + ..., which groups from the left) is
// evaluated whole by its top node: every operand in order, then one buffer of the total length,
// so that a long sum costs its length and not its length times its number of terms.
class TSuvevwsn final : public TTupikos<TDuadiknPra3n> {
public:
    using TTupikos::TTupikos;
    const std::u16string& Alfari8mntiko(std::u16string& proswrino) const override;

private:
    void Sullogn() const;
    void Suvdese(std::u16string* proswrina, const std::u16string** times, std::u16string& apotelesma) const;

    // The chain's operands, leftmost first, gathered on the first evaluation, and how many of them
    // are computed (parts in parentheses, conversions) rather than read from a stored string.
    mutable std::vector<const TEkfrasn*> telesteoi_;
    mutable std::size_t upologizomevoi_ = 0;
};

void TSuvevwsn::Sullogn() const
{
    std::size_t plnr8os = 1;
    for (const TEkfrasn* e = this; const auto* s = dynamic_cast<const TSuvevwsn*>(e); e = s->Aristeros.get())
        ++plnr8os;
    telesteoi_.reserve(plnr8os);
    const TEkfrasn* e = this;
    for (; const auto* s = dynamic_cast<const TSuvevwsn*>(e); e = s->Aristeros.get())
        telesteoi_.push_back(s->De3ios.get());
    telesteoi_.push_back(e);
    std::reverse(telesteoi_.begin(), telesteoi_.end());
    for (const TEkfrasn* t : telesteoi_)
        if (t->EidosKomvou != ekSta8era && t->EidosKomvou != ekOvomasmevnSta8era && t->EidosKomvou != ekAplnMetablntn &&
            t->EidosKomvou != ekStoixeioPivaka)
            ++upologizomevoi_;
}

// Stored strings are read in place; computed operands take the next of the buffers `proswrina`.
void TSuvevwsn::Suvdese(std::u16string* proswrina, const std::u16string** times, std::u16string& apotelesma) const
{
    std::size_t mhkos = 0;
    for (std::size_t i = 0; i < telesteoi_.size(); ++i) {
        const TEkfrasn& t = *telesteoi_[i];
        std::u16string& proswrino = *proswrina;
        times[i] = &t.Alfari8mntiko(proswrino);
        if (times[i] == &proswrino)
            ++proswrina;
        mhkos += times[i]->size();
    }
    ElegxosMnmnsAlfari8mntikou(mhkos);
    std::u16string olo;
    olo.reserve(mhkos);
    for (std::size_t i = 0; i < telesteoi_.size(); ++i)
        olo += *times[i];
    apotelesma = std::move(olo);
}

const std::u16string& TSuvevwsn::Alfari8mntiko(std::u16string& proswrino) const
{
    if (telesteoi_.empty())
        Sullogn();
    constexpr std::size_t Liga = 8;  // chains this short keep their operands on the stack
    if (telesteoi_.size() <= Liga) {
        std::u16string proswrina[Liga + 1];
        const std::u16string* times[Liga];
        Suvdese(proswrina, times, proswrino);
    } else {
        // One spare buffer, for an operand that ignores the one it is given.
        std::vector<std::u16string> proswrina(upologizomevoi_ + 1);
        std::vector<const std::u16string*> times(telesteoi_.size());
        Suvdese(proswrina.data(), times.data(), proswrino);
    }
    return proswrino;
}

template <template <class> class Komvos>
std::unique_ptr<TEkfrasn> AvaSugkrisn(std::unique_ptr<TEkfrasn>& a, std::unique_ptr<TEkfrasn>& b, TTelestns t)
{
    switch (t) {
    case tlMikrotero: return std::make_unique<Komvos<TMikrotero>>(std::move(a), std::move(b), t, tdLogikos, tdLogikos);
    case tlIso: return std::make_unique<Komvos<TIso>>(std::move(a), std::move(b), t, tdLogikos, tdLogikos);
    case tlMegalutero: return std::make_unique<Komvos<TMegalutero>>(std::move(a), std::move(b), t, tdLogikos, tdLogikos);
    case tlDiafora: return std::make_unique<Komvos<TDiafora>>(std::move(a), std::move(b), t, tdLogikos, tdLogikos);
    case tlMikroteroIso: return std::make_unique<Komvos<TMikroteroIso>>(std::move(a), std::move(b), t, tdLogikos, tdLogikos);
    default: return std::make_unique<Komvos<TMegaluteroIso>>(std::move(a), std::move(b), t, tdLogikos, tdLogikos);
    }
}

// The type of a binary operation by the type rules, or tdKavevas when they refuse it.
TTuposDedomevwv TuposDuadiknsPra3ns(TTelestns t, TTuposDedomevwv ta, TTuposDedomevwv tb)
{
    const bool ari8moi = (ta == tdAkeraios || ta == tdPragmatikos) && (tb == tdAkeraios || tb == tdPragmatikos);
    if (ta == tdAkeraios && tb == tdAkeraios &&
        (t == tlPros8esn || t == tlAfairesn || t == tlPollaplasiasmos || t == tlDuvamn || t == tlDiv || t == tlMod))
        return tdAkeraios;
    if (ari8moi && (t == tlPros8esn || t == tlAfairesn || t == tlPollaplasiasmos || t == tlDiairesn || t == tlDuvamn))
        return tdPragmatikos;
    if (ta == tdAlfari8mntikos && tb == tdAlfari8mntikos && t == tlPros8esn)
        return tdAlfari8mntikos;
    if (ta == tdLogikos && tb == tdLogikos && (t == tlIso || t == tlDiafora || t == tlDiazeu3n || t == tlSuzeu3n))
        return tdLogikos;
    if (EivaiSugkrisn(t) && (ari8moi || (ta == tdAlfari8mntikos && tb == tdAlfari8mntikos)))
        return tdLogikos;
    return tdKavevas;
}

}  // namespace

std::unique_ptr<TEkfrasn> DnmiourgiaDuadiknsPra3ns(std::unique_ptr<TEkfrasn> aristeros, std::unique_ptr<TEkfrasn> de3ios, TTelestns t)
{
    const TTuposDedomevwv tupos = TuposDuadiknsPra3ns(t, aristeros->Tupos, de3ios->Tupos);
    if (tupos == tdKavevas)
        throw ESuvtaktikoLa8os(Morfh(u"Δεν είναι δυνατή η πράξη «%s» μεταξύ των τελεστέων «%s» και «%s»",
                                    {Telestes[t].mnvuma, aristeros->Keimevo(), de3ios->Keimevo()}));
    if (!Telestes[t].duadikos)
        throw ELa8osMou(u"Λάθος στον καθορισμό προτεραιοτήτων της δυαδικής πράξης");

    const bool la = aristeros->TuposTimns == tdAkeraios;
    const bool ra = de3ios->TuposTimns == tdAkeraios;
    TTuposDedomevwv tuposTimns = tupos;
    if (t == tlDuvamn)
        tuposTimns = tdPragmatikos;
    else if (tupos == tdAkeraios && (t == tlPros8esn || t == tlAfairesn || t == tlPollaplasiasmos) && !(la && ra))
        tuposTimns = tdPragmatikos;

    // The one operation on strings that yields a string, "+", evaluates its whole chain itself.
    if (tupos == tdAlfari8mntikos)
        return std::make_unique<TSuvevwsn>(std::move(aristeros), std::move(de3ios), t, tupos, tuposTimns);
    // The upper part of a long chain keeps the generic node, whose evaluation walks the spine.
    if (MhkosAlusidasMe(*aristeros) > MegistoAvadromikoMhkos)
        return std::make_unique<TDuadiknPra3n>(std::move(aristeros), std::move(de3ios), t, tupos, tuposTimns);

    if (EivaiSuv8nknSeThesn(t, *aristeros, *de3ios)) {
        return MeSuv8nknSeThesn(t, *aristeros, *de3ios, [&]<class C>() -> std::unique_ptr<TEkfrasn> {
            return std::make_unique<TSuv8nkn<C>>(std::move(aristeros), std::move(de3ios), t);
        });
    }
    const TTuposDedomevwv ta = aristeros->Tupos;
    switch (t) {
    case tlPros8esn:
    case tlAfairesn:
    case tlPollaplasiasmos:
        if (la && ra) {
            if (t == tlPros8esn)
                return MeAkeraiousTelesteous<TAkeraia<TPros8esn>::Komvos>(aristeros, de3ios, t, tupos, tuposTimns);
            if (t == tlAfairesn)
                return MeAkeraiousTelesteous<TAkeraia<TAfairesn>::Komvos>(aristeros, de3ios, t, tupos, tuposTimns);
            return MeAkeraiousTelesteous<TAkeraia<TPollaplasiasmos>::Komvos>(aristeros, de3ios, t, tupos, tuposTimns);
        }
        if (t == tlPros8esn)
            return MeAri8mousTelesteous<TPragmatikn<TPros8esn>::Komvos>(aristeros, de3ios, t, tupos, tuposTimns);
        if (t == tlAfairesn)
            return MeAri8mousTelesteous<TPragmatikn<TAfairesn>::Komvos>(aristeros, de3ios, t, tupos, tuposTimns);
        return MeAri8mousTelesteous<TPragmatikn<TPollaplasiasmos>::Komvos>(aristeros, de3ios, t, tupos, tuposTimns);
    case tlDiairesn: return MeAri8mousTelesteous<TPragmatikn<TDiairesn>::Komvos>(aristeros, de3ios, t, tupos, tuposTimns);
    case tlDiv:
        if (la && ra)
            return MeAkeraiousTelesteous<TAkeraia<TDiv>::Komvos>(aristeros, de3ios, t, tupos, tuposTimns);
        break;
    case tlMod:
        if (la && ra)
            return MeAkeraiousTelesteous<TAkeraia<TMod>::Komvos>(aristeros, de3ios, t, tupos, tuposTimns);
        break;
    default:
        if (!EivaiSugkrisn(t))
            break;
        if (ta == tdAlfari8mntikos)
            return AvaSugkrisn<TSugkrisnAlfari8mntikwv>(aristeros, de3ios, t);
        return AvaSugkrisn<TLogiknSugkrisn>(aristeros, de3ios, t);
    }
    return std::make_unique<TDuadiknPra3n>(std::move(aristeros), std::move(de3ios), t, tupos, tuposTimns);
}

// ---------------------------------------------------------------------------------------------
// Array elements

namespace {

// An element of a one-dimensional array whose index yields an integer, read through the index
// reader D without a call per index.
template <class D>
class TStoixeioMonodiastatou final : public TEkfrasnMetablntnsPivaka {
public:
    TStoixeioMonodiastatou(TMetablntnPivakas& pivakas, TListaEkfrasewv deiktes)
        : TEkfrasnMetablntnsPivaka(pivakas, std::move(deiktes)), deiktns_(*Deiktes.Stoixeia[0]) {}

    const TTimn& Anagvwsn() const override { return Pivakas.AnagvwsnSe(Topos()); }
    TTimn& Stoxos() const override { return Pivakas.StoixeioSe(Topos()); }
    std::int64_t Akeraios() const override { return Pivakas.AnagvwsnSe(Topos()).Akeraios(); }
    double Pragmatikos() const override { return Pivakas.AnagvwsnSe(Topos()).Pragmatikos(); }
    bool Logikos() const override { return Pivakas.AnagvwsnSe(Topos()).Logikos(); }
    const std::u16string& Alfari8mntiko(std::u16string&) const override { return Pivakas.AnagvwsnSe(Topos()).Alfari8mntiko(); }

private:
    std::size_t Topos() const { return Pivakas.Topo8esia1(static_cast<std::int32_t>(static_cast<std::uint32_t>(deiktns_.Akeraios()))); }

    const D deiktns_;
};

}  // namespace

std::unique_ptr<TEkfrasnMetablntnsPivaka> DnmiourgiaStoixeiouPivaka(TMetablntnPivakas& pivakas, TListaEkfrasewv deiktes)
{
    if (deiktes.Stoixeia.size() == 1 && deiktes.Stoixeia[0]->TuposTimns == tdAkeraios) {
        if (TMetablntnSuvSta8era::Tairiazei(*deiktes.Stoixeia[0]))
            return std::make_unique<TStoixeioMonodiastatou<TMetablntnSuvSta8era>>(pivakas, std::move(deiktes));
        switch (MorfnTelesteou(*deiktes.Stoixeia[0])) {
        case mfMetablntn: return std::make_unique<TStoixeioMonodiastatou<TAkeraiaMetablntn>>(pivakas, std::move(deiktes));
        case mfSta8era: return std::make_unique<TStoixeioMonodiastatou<TAkeraiaSta8era>>(pivakas, std::move(deiktes));
        default: return std::make_unique<TStoixeioMonodiastatou<TAkeraiosKomvos>>(pivakas, std::move(deiktes));
        }
    }
    return std::make_unique<TEkfrasnMetablntnsPivaka>(pivakas, std::move(deiktes));
}

}  // namespace kalmira

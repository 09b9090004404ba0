// The arithmetic of the operations and the readers of operands, shared by the specialised
// expression nodes and by the statements that fuse an operation into themselves.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>

#include "core/uTupoiDedomevwv.h"

namespace kalmira::pra3eis {

// ---------------------------------------------------------------------------------------------
// Arithmetic with the language's faults

// The arithmetic faults, with their standard texts.
[[noreturn]] void AkurnPra3n();                 // "Invalid floating point operation"
[[noreturn]] void Uperxeilisn();                // "Floating point overflow"
[[noreturn]] void DiairesnMeMndev();            // "Division by zero"
[[noreturn]] void PragmatiknDiairesnMeMndev();  // "Floating point division by zero"

// Operands are always finite, so a result that is not finite overflowed or was invalid.
inline double Elegxos(double r)
{
    if (!std::isfinite(r)) [[unlikely]] {
        if (std::isnan(r))
            AkurnPra3n();
        Uperxeilisn();
    }
    return r;
}

// Integer + - * wrap around on overflow, without error.
struct TPros8esn {
    static std::int64_t Akeraia(std::int64_t a, std::int64_t b) { return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b)); }
    static double Pragmatika(double a, double b) { return Elegxos(a + b); }
};
struct TAfairesn {
    static std::int64_t Akeraia(std::int64_t a, std::int64_t b) { return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b)); }
    static double Pragmatika(double a, double b) { return Elegxos(a - b); }
};
struct TPollaplasiasmos {
    static std::int64_t Akeraia(std::int64_t a, std::int64_t b) { return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b)); }
    static double Pragmatika(double a, double b) { return Elegxos(a * b); }
};
struct TDiairesn {
    static double Pragmatika(double a, double b)
    {
        if (b == 0.0) [[unlikely]] {
            if (a == 0.0)
                AkurnPra3n();
            PragmatiknDiairesnMeMndev();
        }
        return Elegxos(a / b);
    }
};
// div truncates toward zero; mod takes the dividend's sign. The one quotient that overflows
// (the smallest integer divided by -1) wraps like the other integer operations.
struct TDiv {
    static std::int64_t Akeraia(std::int64_t a, std::int64_t b)
    {
        if (b == 0) [[unlikely]]
            DiairesnMeMndev();
        if (b == -1) [[unlikely]]
            return static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(a));
        return a / b;
    }
};
struct TMod {
    static std::int64_t Akeraia(std::int64_t a, std::int64_t b)
    {
        if (b == 0) [[unlikely]]
            DiairesnMeMndev();
        if (b == -1) [[unlikely]]
            return 0;
        return a % b;
    }
};

// ---------------------------------------------------------------------------------------------
// Readers of operands

// How a specialised node or statement reads an operand: a simple variable or a constant is read
// in place, anything else through its node (K). The integer readers serve operands that yield
// integers; the numeric readers give any number as a real.
struct TAkeraiosKomvos {
    explicit TAkeraiosKomvos(const TEkfrasn& e) : e_(e) {}
    std::int64_t Akeraios() const { return e_.Akeraios(); }
    const TEkfrasn& e_;
};
struct TAkeraiaMetablntn {
    explicit TAkeraiaMetablntn(const TEkfrasn& e) : m_(static_cast<const TEkfrasnAplnsMetablntns&>(e).Metablntn) {}
    std::int64_t Akeraios() const { return m_.Anagvwsn().Akeraios(); }
    const TMetablntn& m_;
};
struct TAkeraiaSta8era {
    explicit TAkeraiaSta8era(const TEkfrasn& e) : v_(e.Akeraios()) {}
    std::int64_t Akeraios() const { return v_; }
    const std::int64_t v_;
};
struct TAri8mosKomvos {
    explicit TAri8mosKomvos(const TEkfrasn& e) : e_(e), akeraios_(e.TuposTimns == tdAkeraios) {}
    double Ari8mos() const { return akeraios_ ? static_cast<double>(e_.Akeraios()) : e_.Pragmatikos(); }
    const TEkfrasn& e_;
    const bool akeraios_;
};
struct TAri8mnMetablntn {
    explicit TAri8mnMetablntn(const TEkfrasn& e) : m_(static_cast<const TEkfrasnAplnsMetablntns&>(e).Metablntn) {}
    double Ari8mos() const
    {
        const TTimn& t = m_.Anagvwsn();
        return t.Eidos() == TTimn::tmAkeraios ? static_cast<double>(t.Akeraios()) : t.Pragmatikos();
    }
    const TMetablntn& m_;
};
struct TAri8mnSta8era {
    explicit TAri8mnSta8era(const TEkfrasn& e) : v_(e.Ari8mos()) {}
    double Ari8mos() const { return v_; }
    const double v_;
};
struct TLogikosKomvos {
    explicit TLogikosKomvos(const TEkfrasn& e) : e_(e) {}
    bool Logikos() const { return e_.Logikos(); }
    const TEkfrasn& e_;
};
struct TLogiknMetablntn {
    explicit TLogiknMetablntn(const TEkfrasn& e) : m_(static_cast<const TEkfrasnAplnsMetablntns&>(e).Metablntn) {}
    bool Logikos() const { return m_.Anagvwsn().Logikos(); }
    const TMetablntn& m_;
};
struct TLogiknSta8era {
    explicit TLogiknSta8era(const TEkfrasn& e) : v_(e.Logikos()) {}
    bool Logikos() const { return v_; }
    const bool v_;
};

enum TMorfnTelesteou { mfKomvos, mfMetablntn, mfSta8era };

inline TMorfnTelesteou MorfnTelesteou(const TEkfrasn& e)
{
    switch (e.EidosKomvou) {
    case TEkfrasn::ekAplnMetablntn: return mfMetablntn;
    case TEkfrasn::ekSta8era:
    case TEkfrasn::ekOvomasmevnSta8era: return mfSta8era;
    default: return mfKomvos;
    }
}

// Two more integer readers do in place what would otherwise take a call to the operand's node.

// An integer operation on two simple integer operands (x mod 2, δ * δ, 3 * x). Its operands are
// read through their values: a variable, which fails while empty, or a constant, which never is.
struct TAkeraioFullo {
    explicit TAkeraioFullo(const TEkfrasn& e)
        : timn_(Timn(e)),
          metablntn_(e.EidosKomvou == TEkfrasn::ekAplnMetablntn ? &static_cast<const TEkfrasnAplnsMetablntns&>(e).Metablntn : nullptr) {}
    std::int64_t Akeraios() const
    {
        if (timn_.EivaiKevo()) [[unlikely]]
            metablntn_->AdeiaMetablntn();
        return timn_.Akeraios();
    }
    static const TTimn& Timn(const TEkfrasn& e)
    {
        switch (e.EidosKomvou) {
        case TEkfrasn::ekAplnMetablntn: return static_cast<const TEkfrasnAplnsMetablntns&>(e).Metablntn.Periexomevo;
        case TEkfrasn::ekSta8era: return static_cast<const TEkfrasnSta8eras&>(e).Periexomevo;
        default: return static_cast<const TEkfrasnOvomasmevnsSta8eras&>(e).Sta8era.Periexomevo;
        }
    }
    const TTimn& timn_;
    const TMetablntn* const metablntn_;
};
template <class Pra3n>
struct TAkeraiaPra3nFullwv {
    explicit TAkeraiaPra3nFullwv(const TEkfrasn& e)
        : a_(*static_cast<const TDuadiknPra3n&>(e).Aristeros), b_(*static_cast<const TDuadiknPra3n&>(e).De3ios) {}
    // Inlined, as the point of these readers is to spare a call.
    [[gnu::always_inline]] std::int64_t Akeraios() const { return Pra3n::Akeraia(a_.Akeraios(), b_.Akeraios()); }
    const TAkeraioFullo a_, b_;
};

inline bool EivaiPra3nFullwv(const TEkfrasn& e)
{
    if (e.EidosKomvou != TEkfrasn::ekDuadikn || e.TuposTimns != tdAkeraios)
        return false;
    const auto& d = static_cast<const TDuadiknPra3n&>(e);
    const bool akeraia = d.Telestns == tlPros8esn || d.Telestns == tlAfairesn || d.Telestns == tlPollaplasiasmos ||
                         d.Telestns == tlDiv || d.Telestns == tlMod;
    return akeraia && MorfnTelesteou(*d.Aristeros) != mfKomvos && MorfnTelesteou(*d.De3ios) != mfKomvos &&
           d.Aristeros->TuposTimns == tdAkeraios && d.De3ios->TuposTimns == tdAkeraios;
}

// An element of a one-dimensional array whose index is a simple integer variable (Π[j]), or such
// a variable plus or minus a constant (Π[j + 1]), read through the index reader D.
struct TMetablntnSuvSta8era {
    explicit TMetablntnSuvSta8era(const TEkfrasn& e)
        : m_(MetablntnApo(static_cast<const TDuadiknPra3n&>(e))), c_(Metatopisn(static_cast<const TDuadiknPra3n&>(e))) {}
    std::int64_t Akeraios() const { return TPros8esn::Akeraia(m_.Anagvwsn().Akeraios(), c_); }

    // Whether an index has this form: i + c, c + i or i - c.
    static bool Tairiazei(const TEkfrasn& e)
    {
        if (e.EidosKomvou != TEkfrasn::ekDuadikn || e.TuposTimns != tdAkeraios)
            return false;
        const auto& d = static_cast<const TDuadiknPra3n&>(e);
        const TMorfnTelesteou a = MorfnTelesteou(*d.Aristeros), b = MorfnTelesteou(*d.De3ios);
        if (d.Telestns == tlPros8esn)
            return (a == mfMetablntn && b == mfSta8era) || (a == mfSta8era && b == mfMetablntn);
        return d.Telestns == tlAfairesn && a == mfMetablntn && b == mfSta8era;
    }

private:
    static const TMetablntn& MetablntnApo(const TDuadiknPra3n& d)
    {
        const TEkfrasn& m = MorfnTelesteou(*d.Aristeros) == mfMetablntn ? *d.Aristeros : *d.De3ios;
        return static_cast<const TEkfrasnAplnsMetablntns&>(m).Metablntn;
    }
    static std::int64_t Metatopisn(const TDuadiknPra3n& d)
    {
        const TEkfrasn& c = MorfnTelesteou(*d.Aristeros) == mfSta8era ? *d.Aristeros : *d.De3ios;
        return d.Telestns == tlAfairesn ? TAfairesn::Akeraia(0, c.Akeraios()) : c.Akeraios();
    }

    const TMetablntn& m_;
    const std::int64_t c_;
};
template <class D>
struct TAkeraioStoixeio {
    explicit TAkeraioStoixeio(const TEkfrasn& e)
        : pivakas_(static_cast<const TEkfrasnMetablntnsPivaka&>(e).Pivakas),
          deiktns_(*static_cast<const TEkfrasnMetablntnsPivaka&>(e).Deiktes.Stoixeia[0]) {}
    [[gnu::always_inline]] std::int64_t Akeraios() const
    {
        const auto i = static_cast<std::int32_t>(static_cast<std::uint32_t>(deiktns_.Akeraios()));
        return pivakas_.AnagvwsnSe(pivakas_.Topo8esia1(i)).Akeraios();
    }
    const TMetablntnPivakas& pivakas_;
    const D deiktns_;
};

// The form of the index of an element of that kind: a variable, a variable and a constant, or
// none when e is no such element.
enum TMorfnStoixeiou { msKavevas, msMetablntn, msMetablntnSuvSta8era };

inline TMorfnStoixeiou MorfnStoixeiou(const TEkfrasn& e)
{
    if (e.EidosKomvou != TEkfrasn::ekStoixeioPivaka || e.TuposTimns != tdAkeraios)
        return msKavevas;
    const TListaEkfrasewv& deiktes = static_cast<const TEkfrasnMetablntnsPivaka&>(e).Deiktes;
    if (deiktes.Stoixeia.size() != 1 || deiktes.Stoixeia[0]->TuposTimns != tdAkeraios)
        return msKavevas;
    if (MorfnTelesteou(*deiktes.Stoixeia[0]) == mfMetablntn)
        return msMetablntn;
    return TMetablntnSuvSta8era::Tairiazei(*deiktes.Stoixeia[0]) ? msMetablntnSuvSta8era : msKavevas;
}

// Choosing the readers. Each reader is a template argument, so that the node or statement built
// with it reads its operands without a call; the choices below are what keeps their number small.

// Calls ftiakse.template operator()<L, R>() with the readers that fit the operands a and b: K for
// a node, M for a simple variable, S for a constant.
template <class K, class M, class S, class F>
auto MeAnagvwstes(const TEkfrasn& a, const TEkfrasn& b, F&& ftiakse)
{
    auto de3ios = [&]<class L>() {
        switch (MorfnTelesteou(b)) {
        case mfMetablntn: return ftiakse.template operator()<L, M>();
        case mfSta8era: return ftiakse.template operator()<L, S>();
        default: return ftiakse.template operator()<L, K>();
        }
    };
    switch (MorfnTelesteou(a)) {
    case mfMetablntn: return de3ios.template operator()<M>();
    case mfSta8era: return de3ios.template operator()<S>();
    default: return de3ios.template operator()<K>();
    }
}

template <class F>
auto MeAri8mntikousAnagvwstes(const TEkfrasn& a, const TEkfrasn& b, F&& ftiakse)
{
    return MeAnagvwstes<TAri8mosKomvos, TAri8mnMetablntn, TAri8mnSta8era>(a, b, ftiakse);
}

template <class F>
auto MeLogikousAnagvwstes(const TEkfrasn& a, const TEkfrasn& b, F&& ftiakse)
{
    return MeAnagvwstes<TLogikosKomvos, TLogiknMetablntn, TLogiknSta8era>(a, b, ftiakse);
}

// Which of the two in-place integer readers an operand may get, besides K, M and S.
enum TEurosAnagvwstn : int { eaStenos = 0, eaPra3eis = 1, eaStoixeia = 2 };

// Calls ftiakse.template operator()<A>() with the integer reader A that fits the operand e.
template <int Euros, class F>
auto MeAkeraioAnagvwstn(const TEkfrasn& e, F&& ftiakse)
{
    if constexpr ((Euros & eaPra3eis) != 0) {
        if (EivaiPra3nFullwv(e)) {
            switch (static_cast<const TDuadiknPra3n&>(e).Telestns) {
            case tlPros8esn: return ftiakse.template operator()<TAkeraiaPra3nFullwv<TPros8esn>>();
            case tlAfairesn: return ftiakse.template operator()<TAkeraiaPra3nFullwv<TAfairesn>>();
            case tlPollaplasiasmos: return ftiakse.template operator()<TAkeraiaPra3nFullwv<TPollaplasiasmos>>();
            case tlDiv: return ftiakse.template operator()<TAkeraiaPra3nFullwv<TDiv>>();
            default: return ftiakse.template operator()<TAkeraiaPra3nFullwv<TMod>>();
            }
        }
    }
    if constexpr ((Euros & eaStoixeia) != 0) {
        switch (MorfnStoixeiou(e)) {
        case msMetablntn: return ftiakse.template operator()<TAkeraioStoixeio<TAkeraiaMetablntn>>();
        case msMetablntnSuvSta8era: return ftiakse.template operator()<TAkeraioStoixeio<TMetablntnSuvSta8era>>();
        case msKavevas: break;
        }
    }
    switch (MorfnTelesteou(e)) {
    case mfMetablntn: return ftiakse.template operator()<TAkeraiaMetablntn>();
    case mfSta8era: return ftiakse.template operator()<TAkeraiaSta8era>();
    default: return ftiakse.template operator()<TAkeraiosKomvos>();
    }
}

// Calls ftiakse.template operator()<L, R>() with the integer readers that fit a and b, the left
// one chosen among EurosL and the right among EurosR.
template <int EurosL, int EurosR, class F>
auto MeAkeraiousAnagvwstes(const TEkfrasn& a, const TEkfrasn& b, F&& ftiakse)
{
    return MeAkeraioAnagvwstn<EurosL>(a, [&]<class L>() {
        return MeAkeraioAnagvwstn<EurosR>(b, [&]<class R>() { return ftiakse.template operator()<L, R>(); });
    });
}

// ---------------------------------------------------------------------------------------------
// Conditions evaluated in place

// Comparisons of two ordered values.
struct TMikrotero { template <class T> static bool f(T a, T b) { return a < b; } };
struct TIso { template <class T> static bool f(T a, T b) { return a == b; } };
struct TMegalutero { template <class T> static bool f(T a, T b) { return a > b; } };
struct TDiafora { template <class T> static bool f(T a, T b) { return a != b; } };
struct TMikroteroIso { template <class T> static bool f(T a, T b) { return a <= b; } };
struct TMegaluteroIso { template <class T> static bool f(T a, T b) { return a >= b; } };

// A comparison holds for some of the three orderings of its values: the operator is kept as the
// set of them (bit 0 less, bit 1 equal, bit 2 greater; ≤ is less or equal), and a comparison
// finds the ordering of its two values and tests its bit. So one class serves all six operators,
// which keeps the readers' combinations few.
inline std::uint8_t Diataxeis(TTelestns t)
{
    switch (t) {
    case tlMikrotero: return 0b001;
    case tlIso: return 0b010;
    case tlMegalutero: return 0b100;
    case tlDiafora: return 0b101;
    case tlMikroteroIso: return 0b011;
    default: return 0b110;
    }
}
template <class T>
bool IsxueiGia(std::uint8_t diataxeis, T a, T b)
{
    const int diataxn = (a > b) - (a < b) + 1;
    return (diataxeis >> diataxn) & 1;
}

// A comparison of two integers, a comparison of two numbers as reals, and "και" (Suzeu3n true) or
// "ή" (Suzeu3n false) of two booleans, each reading its operands a and b with the readers L and R.
// The nodes of these operations evaluate through them, and so do the branches that test them.
template <class L, class R>
struct TSugkrisnAkeraiwv {
    TSugkrisnAkeraiwv(TTelestns t, const TEkfrasn& a, const TEkfrasn& b) : l_(a), r_(b), diataxeis_(Diataxeis(t)) {}
    bool Logikos() const { return IsxueiGia(diataxeis_, l_.Akeraios(), r_.Akeraios()); }
    const L l_;
    const R r_;
    const std::uint8_t diataxeis_;
};
template <class L, class R>
struct TSugkrisnAri8mwv {
    TSugkrisnAri8mwv(TTelestns t, const TEkfrasn& a, const TEkfrasn& b) : l_(a), r_(b), diataxeis_(Diataxeis(t)) {}
    bool Logikos() const { return IsxueiGia(diataxeis_, l_.Ari8mos(), r_.Ari8mos()); }
    const L l_;
    const R r_;
    const std::uint8_t diataxeis_;
};
// Short-circuited unless full evaluation is on.
template <bool Suzeu3n, class L, class R>
struct TLogiknPra3n {
    TLogiknPra3n(TTelestns, const TEkfrasn& a, const TEkfrasn& b) : l_(a), r_(b) {}
    bool Logikos() const
    {
        const bool a = l_.Logikos();
        if (!PlnrnsApotimnsn) {
            if (a != Suzeu3n)
                return a;
            return r_.Logikos();
        }
        const bool b = r_.Logikos();
        return Suzeu3n ? (a && b) : (a || b);
    }
    const L l_;
    const R r_;
};

// Whether the operation t on a and b is one of the conditions above.
inline bool EivaiSuv8nknSeThesn(TTelestns t, const TEkfrasn& a, const TEkfrasn& b)
{
    if (t == tlSuzeu3n || t == tlDiazeu3n)
        return true;
    const bool sugkrisn = t == tlMikrotero || t == tlIso || t == tlMegalutero || t == tlDiafora || t == tlMikroteroIso || t == tlMegaluteroIso;
    auto ari8mos = [](const TEkfrasn& e) { return e.TuposTimns == tdAkeraios || e.TuposTimns == tdPragmatikos; };
    return sugkrisn && ari8mos(a) && ari8mos(b);
}

// Calls ftiakse.template operator()<C>() with the condition C that evaluates the operation t on a
// and b in place; EivaiSuv8nknSeThesn must hold. An integer comparison reads an operation in place
// on its left and an element in place on either side.
template <class F>
auto MeSuv8nknSeThesn(TTelestns t, const TEkfrasn& a, const TEkfrasn& b, F&& ftiakse)
{
    if (t == tlSuzeu3n || t == tlDiazeu3n) {
        return MeLogikousAnagvwstes(a, b, [&]<class L, class R>() {
            if (t == tlSuzeu3n)
                return ftiakse.template operator()<TLogiknPra3n<true, L, R>>();
            return ftiakse.template operator()<TLogiknPra3n<false, L, R>>();
        });
    }
    if (a.TuposTimns == tdAkeraios && b.TuposTimns == tdAkeraios) {
        return MeAkeraiousAnagvwstes<eaPra3eis | eaStoixeia, eaStoixeia>(
            a, b, [&]<class L, class R>() { return ftiakse.template operator()<TSugkrisnAkeraiwv<L, R>>(); });
    }
    return MeAri8mntikousAnagvwstes(a, b, [&]<class L, class R>() { return ftiakse.template operator()<TSugkrisnAri8mwv<L, R>>(); });
}

}  // namespace kalmira::pra3eis

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

// How a specialised node reads an operand: a simple variable or a constant is read in place,
// anything else through its node. The integer readers serve operands that yield integers; the
// numeric readers give any number as a real.
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
auto MeAkeraiousAnagvwstes(const TEkfrasn& a, const TEkfrasn& b, F&& ftiakse)
{
    return MeAnagvwstes<TAkeraiosKomvos, TAkeraiaMetablntn, TAkeraiaSta8era>(a, b, ftiakse);
}

template <class F>
auto MeAri8mntikousAnagvwstes(const TEkfrasn& a, const TEkfrasn& b, F&& ftiakse)
{
    return MeAnagvwstes<TAri8mosKomvos, TAri8mnMetablntn, TAri8mnSta8era>(a, b, ftiakse);
}

}  // namespace kalmira::pra3eis

// Identifiers and the identifier table, and the expression tree: its operation nodes and its
// leaves (literals, named constants, variables, array elements). The values they hold are in
// front/uTimn.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "front/uTimn.h"

namespace kalmira {

// Stores a value into a place that holds values of the given declared type, converted to that
// type (an integer stored where reals are kept becomes a real).
void Apo8nkeusnMeMetatropn(TTimn& stoxos, const TTimn& timn, TTuposDedomevwv tupos);

// Array size limits: a bound above the 32-bit range or more elements than this is refused while
// compiling, never left to fail an allocation.
inline constexpr std::int64_t MegistoPlnr8osStoixeiwv = 16777216;

// Text of a real for program text: the comma as separator, at least one digit after it, positional
// notation, and the shortest digits that read back to the same double.
std::u16string KeimevoPragmatiknsSta8eras(double timn);

// ---------------------------------------------------------------------------------------------
// Identifiers

class TAvagvwristiko {
public:
    enum TEidos : std::uint8_t { avSta8era, avMetablntn, avPivakas };

    TAvagvwristiko(std::u16string ovoma, TTuposDedomevwv tupos, TEidos eidos)
        : Ovoma(std::move(ovoma)), Tupos(tupos), Eidos(eidos) {}
    TAvagvwristiko(const TAvagvwristiko&) = delete;
    TAvagvwristiko& operator=(const TAvagvwristiko&) = delete;
    virtual ~TAvagvwristiko() = default;

    // The identifier's current value as a whole, unguarded and not copied (the variables list
    // shows it).
    virtual const TTimn& Timn() const = 0;

    const std::u16string Ovoma;  // as written in the declaration
    const TTuposDedomevwv Tupos;  // declared type; element type for arrays
    const TEidos Eidos;
};

// A named constant: its value is fixed at creation and its type is the value's tag.
class TOvomasmevnSta8era final : public TAvagvwristiko {
public:
    TOvomasmevnSta8era(std::u16string ovoma, TTimn timn);
    const TTimn& Timn() const override { return Periexomevo; }

    const TTimn Periexomevo;
};

// A simple variable, empty until its first store.
class TMetablntn final : public TAvagvwristiko {
public:
    TMetablntn(std::u16string ovoma, TTuposDedomevwv tupos) : TAvagvwristiko(std::move(ovoma), tupos, avMetablntn) {}
    const TTimn& Timn() const override { return Periexomevo; }

    // Guarded read: fails while the variable is empty.
    const TTimn& Anagvwsn() const
    {
        if (Periexomevo.EivaiKevo()) [[unlikely]]
            AdeiaMetablntn();
        return Periexomevo;
    }
    void Adeiasma() noexcept { Periexomevo.Adeiasma(); }
    [[noreturn]] void AdeiaMetablntn() const;

    TTimn Periexomevo;
};

// An array variable: one dimension per declared bound, lower bound 1, every element empty
// until stored.
class TMetablntnPivakas final : public TAvagvwristiko {
public:
    // One (lower, upper) pair per dimension.
    TMetablntnPivakas(std::u16string ovoma, TTuposDedomevwv tupos, const std::vector<std::pair<std::int32_t, std::int32_t>>& oria);
    const TTimn& Timn() const override { return Periexomevo; }

    std::size_t Ari8mosDiastasewv() const noexcept { return anwOria_.size(); }
    // Every element becomes empty; the bounds stay.
    void Adeiasma() noexcept { Periexomevo.Pivakas().Adeiasma(); }

    // The flat row-major position of an element; fails with the first index out of its bounds.
    std::size_t Topo8esia(const std::int32_t* deiktes) const
    {
        std::size_t topos = 0;
        for (std::size_t d = 0; d < anwOria_.size(); ++d) {
            std::int32_t i = deiktes[d];
            if (i < katwOria_[d] || i > anwOria_[d]) [[unlikely]]
                EktosOriwv(d, i);
            topos = topos * static_cast<std::size_t>(anwOria_[d] - katwOria_[d] + 1) + static_cast<std::size_t>(i - katwOria_[d]);
        }
        return topos;
    }
    // Fast paths for one dimension.
    std::size_t Topo8esia1(std::int32_t i) const
    {
        if (i < katw0_ || i > anw0_) [[unlikely]]
            EktosOriwv(0, i);
        return static_cast<std::size_t>(i - katw0_);
    }
    TTimn& StoixeioSe(std::size_t topos) noexcept { return stoixeia_[topos]; }
    const TTimn& StoixeioSe(std::size_t topos) const noexcept { return stoixeia_[topos]; }
    // Guarded read of an element by position: fails while the element is empty.
    const TTimn& AnagvwsnSe(std::size_t topos) const
    {
        const TTimn& t = stoixeia_[topos];
        if (t.EivaiKevo()) [[unlikely]]
            AdeioStoixeio();
        return t;
    }
    [[noreturn]] void EktosOriwv(std::size_t diastasn, std::int32_t timn) const;
    [[noreturn]] void AdeioStoixeio() const;

    // The whole array value; its element block never moves while the variable lives.
    TTimn Periexomevo;

private:
    TDeiktes katwOria_;
    TDeiktes anwOria_;
    TTimn* stoixeia_;
    std::int32_t katw0_, anw0_;
};

// The program's only scope: every constant, variable and array in declaration order. Names
// compare by their folded form.
class TPivakasAvagvwristikwv {
public:
    // Appends the identifier; a name already declared fails.
    TAvagvwristiko& Add(std::unique_ptr<TAvagvwristiko> avagvwristiko);
    // The identifier with that name; an unknown name fails.
    TAvagvwristiko& Find(const std::u16string& ovoma) const;
    // Every variable and every array element becomes empty again; constants keep their values.
    void AdeiasmaMetablntwv() noexcept;

    const std::vector<std::unique_ptr<TAvagvwristiko>>& Stoixeia() const noexcept { return stoixeia_; }

private:
    std::vector<std::unique_ptr<TAvagvwristiko>> stoixeia_;
    std::unordered_map<std::u16string, TAvagvwristiko*> euretirio_;
};


// ---------------------------------------------------------------------------------------------
// Expression trees

// Operators, in this order; the comments give the display text.
enum TTelestns : std::uint8_t {
    tlPros8esn,           // +
    tlAfairesn,           // - (binary and prefix)
    tlPollaplasiasmos,    // *
    tlDiairesn,           // /
    tlMikrotero,          // " < "
    tlIso,                // " = "
    tlMegalutero,         // " > "
    tlDuvamn,             // ^
    tlDiafora,            // " ≠ "
    tlMikroteroIso,       // " ≤ "
    tlMegaluteroIso,      // " ≥ "
    tlDiv,                // " div "
    tlMod,                // " mod "
    tlAkeraioMeros,       // Α_Μ
    tlApolutnTimn,        // Α_Τ
    tlEk8etiko,           // Ε
    tlEfaptomevn,         // ΕΦ
    tlDiazeu3n,           // " ή "
    tlNmitovo,            // ΗΜ
    tlSuzeu3n,            // " και "
    tlLogari8mos,         // ΛΟΓ
    tlArvnsn,             // "όχι "
    tlSuvnmitovo,         // ΣΥΝ
    tlTetragwviknRiza,    // Τ_Ρ
};
inline constexpr int Plnr8osTelestwv = 24;

// Full evaluation of "ή" and "και": when off (the default) the right operand is evaluated only
// when the left one does not decide the result.
extern bool PlnrnsApotimnsn;

// An expression node. Type, priority and kind are fixed at construction; evaluation only computes.
//
// Besides the generic Timn, each node answers the typed entry point that matches TuposTimns, the
// tag of every value it yields: Akeraios for integers, Pragmatikos for reals, Logikos for booleans,
// Alfari8mntiko for strings. The tag is known at compile time: it equals Tupos except below "^" and
// "Α_Τ" of integers, whose values are reals while their type is integer.
class TEkfrasn {
public:
    enum TEidosKomvou : std::uint8_t {
        ekSta8era,
        ekOvomasmevnSta8era,
        ekAplnMetablntn,
        ekStoixeioPivaka,
        ekMovadiaia,
        ekDuadikn,
        ekAvafora,
    };

    TEkfrasn(TEidosKomvou eidos, TTuposDedomevwv tupos, TTuposDedomevwv tuposTimns, int proteraiotnta)
        : EidosKomvou(eidos), Tupos(tupos), TuposTimns(tuposTimns), Proteraiotnta(proteraiotnta) {}
    TEkfrasn(const TEkfrasn&) = delete;
    TEkfrasn& operator=(const TEkfrasn&) = delete;
    virtual ~TEkfrasn() = default;

    // Generic evaluation. The default calls the typed entry point.
    virtual TTimn Timn() const;
    // Typed evaluation. The defaults go through Timn; every node overrides one side.
    virtual std::int64_t Akeraios() const;
    virtual double Pragmatikos() const;
    virtual bool Logikos() const;
    // Returns the string value: a reference to a stored string where one exists, otherwise the
    // result placed in `proswrino`.
    virtual const std::u16string& Alfari8mntiko(std::u16string& proswrino) const;

    // A numeric value as a real, whichever its tag.
    double Ari8mos() const { return TuposTimns == tdAkeraios ? static_cast<double>(Akeraios()) : Pragmatikos(); }

    // The canonical text of the subtree, computed on demand.
    std::u16string Keimevo() const;
    virtual void GrapseKeimevo(std::u16string& e3odos) const = 0;

    const TEidosKomvou EidosKomvou;
    const TTuposDedomevwv Tupos;
    const TTuposDedomevwv TuposTimns;
    const int Proteraiotnta;  // 0 ή και όχι; 1 comparisons; 2 + -; 3 * / div mod; 4 ^; 5 operands
};

// A unary operation or built-in function.
class TMovadiaiaPra3n : public TEkfrasn {
public:
    TMovadiaiaPra3n(TTelestns telestns, std::unique_ptr<TEkfrasn> telesteos, TTuposDedomevwv tupos, TTuposDedomevwv tuposTimns);
    void GrapseKeimevo(std::u16string& e3odos) const override;
    TTimn Timn() const override;

    const std::unique_ptr<TEkfrasn> Telesteos;
    const TTelestns Telestns;
};

// A binary operation. Long left-leaning chains (1+1+...+1) are printed, evaluated and destroyed
// by walking their left spine in a loop, so their length never deepens the stack.
class TDuadiknPra3n : public TEkfrasn {
public:
    TDuadiknPra3n(std::unique_ptr<TEkfrasn> aristeros, std::unique_ptr<TEkfrasn> de3ios, TTelestns telestns,
                  TTuposDedomevwv tupos, TTuposDedomevwv tuposTimns);
    ~TDuadiknPra3n() override;
    void GrapseKeimevo(std::u16string& e3odos) const override;
    TTimn Timn() const override;

    std::unique_ptr<TEkfrasn> Aristeros;
    std::unique_ptr<TEkfrasn> De3ios;
    const TTelestns Telestns;
    const std::uint32_t MhkosAlusidas;  // binary nodes on the left spine, this one included

private:
    // The left spine of a long chain, from this node down, kept from its first evaluation so that
    // later evaluations allocate nothing.
    mutable std::vector<const TDuadiknPra3n*> spovdulos_;
};

// Builds a unary or binary operation node, applying the type rules (a syntax error when they fail).
std::unique_ptr<TEkfrasn> DnmiourgiaMovadiaias(TTelestns telestns, std::unique_ptr<TEkfrasn> telesteos);
std::unique_ptr<TEkfrasn> DnmiourgiaDuadiknsPra3ns(std::unique_ptr<TEkfrasn> aristeros, std::unique_ptr<TEkfrasn> de3ios,
                                                   TTelestns telestns);

// Binary arithmetic and comparison on whole values, as the generic nodes perform them; the counted
// loop uses them for counters that are not plain integers.
TTimn EfarmognDuadiknsPra3ns(TTelestns telestns, TTuposDedomevwv tupos, const TTimn& a, const TTimn& b);
bool SugkrisnTimwv(TTelestns telestns, const TTimn& a, const TTimn& b);

// ---------------------------------------------------------------------------------------------
// The leaves of the expression tree (implemented with the parser, in uSarwtnsEkfrasewv.cpp)

// A literal.
class TEkfrasnSta8eras final : public TEkfrasn {
public:
    explicit TEkfrasnSta8eras(TTimn timn);
    TTimn Timn() const override { return Periexomevo; }
    std::int64_t Akeraios() const override { return Periexomevo.Akeraios(); }
    double Pragmatikos() const override { return Periexomevo.Pragmatikos(); }
    bool Logikos() const override { return Periexomevo.Logikos(); }
    const std::u16string& Alfari8mntiko(std::u16string&) const override { return Periexomevo.Alfari8mntiko(); }
    void GrapseKeimevo(std::u16string& e3odos) const override;

    const TTimn Periexomevo;
};

// A named constant, written by its declared name.
class TEkfrasnOvomasmevnsSta8eras final : public TEkfrasn {
public:
    explicit TEkfrasnOvomasmevnsSta8eras(const TOvomasmevnSta8era& sta8era);
    TTimn Timn() const override { return Sta8era.Periexomevo; }
    std::int64_t Akeraios() const override { return Sta8era.Periexomevo.Akeraios(); }
    double Pragmatikos() const override { return Sta8era.Periexomevo.Pragmatikos(); }
    bool Logikos() const override { return Sta8era.Periexomevo.Logikos(); }
    const std::u16string& Alfari8mntiko(std::u16string&) const override { return Sta8era.Periexomevo.Alfari8mntiko(); }
    void GrapseKeimevo(std::u16string& e3odos) const override { e3odos += Sta8era.Ovoma; }

    const TOvomasmevnSta8era& Sta8era;
};

// A reference to a variable: a simple variable or an array element. Besides being read it can be
// stored into.
class TEkfrasnMetablntns : public TEkfrasn {
public:
    using TEkfrasn::TEkfrasn;

    // The variable's value, failing while it is empty.
    virtual const TTimn& Anagvwsn() const = 0;
    // The place a store goes to; for an array element its indices are evaluated and checked.
    virtual TTimn& Stoxos() const = 0;
    // Store with conversion to the declared type.
    void GraceTimn(const TTimn& timn) const;

    TTimn Timn() const override { return Anagvwsn(); }
    std::int64_t Akeraios() const override { return Anagvwsn().Akeraios(); }
    double Pragmatikos() const override { return Anagvwsn().Pragmatikos(); }
    bool Logikos() const override { return Anagvwsn().Logikos(); }
    const std::u16string& Alfari8mntiko(std::u16string&) const override { return Anagvwsn().Alfari8mntiko(); }
};

// A simple variable.
class TEkfrasnAplnsMetablntns final : public TEkfrasnMetablntns {
public:
    explicit TEkfrasnAplnsMetablntns(TMetablntn& metablntn);
    const TTimn& Anagvwsn() const override { return Metablntn.Anagvwsn(); }
    TTimn& Stoxos() const override { return Metablntn.Periexomevo; }
    std::int64_t Akeraios() const override { return Metablntn.Anagvwsn().Akeraios(); }
    double Pragmatikos() const override { return Metablntn.Anagvwsn().Pragmatikos(); }
    bool Logikos() const override { return Metablntn.Anagvwsn().Logikos(); }
    const std::u16string& Alfari8mntiko(std::u16string&) const override { return Metablntn.Anagvwsn().Alfari8mntiko(); }
    void GrapseKeimevo(std::u16string& e3odos) const override { e3odos += Metablntn.Ovoma; }

    TMetablntn& Metablntn;
};

// An ordered list of expressions; its text is the items' texts joined by ", ".
class TListaEkfrasewv {
public:
    void Pros8nkn(std::unique_ptr<TEkfrasn> ekfrasn) { Stoixeia.push_back(std::move(ekfrasn)); }
    void GrapseKeimevo(std::u16string& e3odos) const;

    std::vector<std::unique_ptr<TEkfrasn>> Stoixeia;
};

// An array element. Elements of one-dimensional arrays get a subclass specialised for their index
// (see DnmiourgiaStoixeiouPivaka).
class TEkfrasnMetablntnsPivaka : public TEkfrasnMetablntns {
public:
    TEkfrasnMetablntnsPivaka(TMetablntnPivakas& pivakas, TListaEkfrasewv deiktes);
    const TTimn& Anagvwsn() const override { return Pivakas.AnagvwsnSe(Topo8esia()); }
    TTimn& Stoxos() const override { return Pivakas.StoixeioSe(Topo8esia()); }
    void GrapseKeimevo(std::u16string& e3odos) const override;

    // Evaluates the indices in order and returns the element's flat position.
    std::size_t Topo8esia() const;

    TMetablntnPivakas& Pivakas;
    const TListaEkfrasewv Deiktes;
};

// Builds the node of an array element; the parser has checked the indices' count and types.
std::unique_ptr<TEkfrasnMetablntnsPivaka> DnmiourgiaStoixeiouPivaka(TMetablntnPivakas& pivakas, TListaEkfrasewv deiktes);

// A second reference to a node owned elsewhere: the selector of Επίλεξε, compared by every case.
class TEkfrasnAvaforas final : public TEkfrasn {
public:
    explicit TEkfrasnAvaforas(const TEkfrasn& stoxos);
    TTimn Timn() const override { return Stoxos.Timn(); }
    std::int64_t Akeraios() const override { return Stoxos.Akeraios(); }
    double Pragmatikos() const override { return Stoxos.Pragmatikos(); }
    bool Logikos() const override { return Stoxos.Logikos(); }
    const std::u16string& Alfari8mntiko(std::u16string& proswrino) const override { return Stoxos.Alfari8mntiko(proswrino); }
    void GrapseKeimevo(std::u16string& e3odos) const override { Stoxos.GrapseKeimevo(e3odos); }

    const TEkfrasn& Stoxos;
};

}  // namespace kalmira

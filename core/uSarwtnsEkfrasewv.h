// The leaves of the expression tree (literals, named constants, variables, array elements) and
// the expression parser, which turns the tokens of one statement into a typed tree.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/uTupoiDedomevwv.h"
#include "front/uLektikosAvalutns.h"

namespace kalmira {

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

// How deeply parentheses, prefix operators and powers may nest in one expression.
inline constexpr int MegistoBa8osEkfrasns = 1000;

// The expression parser: recursive descent, one function per precedence level, one token of
// look-ahead. On entry the current token is the first of the construct; on return it is the first
// token after it.
class TSarwtnsEkfrasewv {
public:
    TSarwtnsEkfrasewv(TLektikosAvalutns& lektikosAvalutns, TPivakasAvagvwristikwv& pivakasAvagvwristikwv)
        : LektikosAvalutns(lektikosAvalutns), PivakasAvagvwristikwv(pivakasAvagvwristikwv) {}

    std::unique_ptr<TEkfrasn> DiabaseEkfrasn();
    std::unique_ptr<TEkfrasn> DiabaseStoixeio();

    TLektikosAvalutns& LektikosAvalutns;
    TPivakasAvagvwristikwv& PivakasAvagvwristikwv;

private:
    class TFrouros;

    std::unique_ptr<TEkfrasn> DiabaseSuv8nkn();
    std::unique_ptr<TEkfrasn> DiabaseA8roisma();
    std::unique_ptr<TEkfrasn> DiabaseGivomevo();
    std::unique_ptr<TEkfrasn> DiabaseDuvamn();
    std::unique_ptr<TEkfrasn> DiabaseMovadiaio();
    std::unique_ptr<TEkfrasn> DiabaseStoixeioPivaka(TMetablntnPivakas& pivakas);
    std::unique_ptr<TEkfrasn> DiabaseSuvartnsn(TTelestns telestns);
    TEidosLe3ns Eidos() const { return LektikosAvalutns.Le3n().Eidos; }
    void Epomevn() { LektikosAvalutns.EpomevnLe3n(); }

    int ba8os_ = 0;
};

}  // namespace kalmira

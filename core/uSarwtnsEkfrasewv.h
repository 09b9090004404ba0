// The expression parser, which turns the tokens of one statement into a typed tree. The nodes it
// builds are declared with the tree in uTupoiDedomevwv.h; the leaves are implemented here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/uTupoiDedomevwv.h"
#include "front/uLektikosAvalutns.h"

namespace kalmira {

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

// The lexical analyzer: turns the whole text of a program into tokens, one at a time, on demand.
// The same unit holds the character classes, the case- and accent-insensitive fold and the keyword
// and symbol tables that the identifier table and the highlighter share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "uTimn.h"

namespace kalmira {

// Token kinds. Symbols and keywords keep the order of their tables, so that a table index and a
// kind convert by a fixed offset.
enum TEidosLe3ns : std::uint8_t {
    lxTelos,
    lxOxiSumbolo,
    lxAkeraiaSta8era,
    lxPragmatiknSta8era,
    lxAlfari8mntiko,
    lxLogiknSta8era,
    lxAvagvwristiko,
    // The 19 symbols, in ascending code-unit order.
    lxAristernParev8esn,  // (
    lxDe3iaParev8esn,     // )
    lxAsteraki,           // *
    lxSuv,                // +
    lxKomma,              // ,
    lxPlnv,               // -
    lxTeleia,             // .
    lxKa8eto,             // /
    lxAvwKatwTeleia,      // :
    lxMikrotero,          // <
    lxIso,                // =
    lxMegalutero,         // >
    lxAristernAgkulh,     // [
    lxDe3iaAgkulh,        // ]
    lxDuvamn,             // ^
    lxAva8esn,            // ←
    lxDiafora,            // ≠
    lxMikroteroIso,       // ≤
    lxMegaluteroIso,      // ≥
    // The 43 keywords, in ascending order of their folded form.
    lxDiv,
    lxMod,
    lxA_M,
    lxA_T,
    lxAkeraies,
    lxAln8ns,
    lxAlliws,
    lxAlliws_av,
    lxAv,
    lxApo,
    lxArxn,
    lxArxn_epavalncns,
    lxGia,
    lxGrace,
    lxDiabase,
    lxE,
    lxEpavalabe,
    lxEpile3e,
    lxEF,
    lxH,
    lxHM,
    lxKai,
    lxLOG,
    lxLogikes,
    lxMe_bnma,
    lxMetablntes,
    lxMexri,
    lxMexris_otou,
    lxOso,
    lxOxi,
    lxPeriptwsn,
    lxPragmatikes,
    lxProgramma,
    lxSta8eres,
    lxSYN,
    lxT_R,
    lxTelos_av,
    lxTelos_epavalncns,
    lxTelos_epilogwv,
    lxTelos_programmatos,
    lxTote,
    lxXaraktnres,
    lxPseudns,
};

inline constexpr int Plnr8osSumbolwv = 19;
inline constexpr int Plnr8osDesmevmevwvLe3ewv = 43;
inline constexpr TEidosLe3ns ProtoSumbolo = lxAristernParev8esn;
inline constexpr TEidosLe3ns ProtnDesmevmevnLe3n = lxDiv;

// The symbols, in the order of their kinds.
extern const char16_t PivakasSumbolwv[Plnr8osSumbolwv];
// The keywords in their canonical written form, in the order of their kinds.
extern const std::u16string_view PivakasDesmevmevwvLe3ewv[Plnr8osDesmevmevwvLe3ewv];

// The line mode of emitted text and comments.
enum TTroposGrammns : std::uint8_t {
    tgNea,       // starts a new output line; for a comment: the "!" is the first character of its line
    tgSuvexeia,  // continues the current output line
    tgSxolio,    // a comment that follows other text or blanks on its line
};

// One token: its kind and its value.
struct TLe3n {
    TEidosLe3ns Eidos = lxTelos;
    TTimn Timn;
};

// Character classes; each looks at one UTF-16 code unit.
constexpr bool EivaiKevo(char16_t c) { return c <= 32; }
constexpr bool EivaiPsnfio(char16_t c) { return c >= u'0' && c <= u'9'; }
constexpr bool EivaiEllnvikoGramma(char16_t c) { return c == 0x0386 || (c >= 0x0388 && c <= 0x03CE); }
constexpr bool EivaiLatinikoGramma(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
constexpr bool EivaiGramma(char16_t c) { return EivaiEllnvikoGramma(c) || EivaiLatinikoGramma(c); }
bool EivaiSumbolo(char16_t c);

// The fold to capitals without accents, under which keywords and identifiers compare.
char16_t KefalaioXwrisTovo(char16_t c);
std::u16string KefalaiaXwrisTovous(std::u16string_view keimevo);

// Looks a word up among the keywords, in any case and with or without accents.
bool BreDesmevmevnLe3n(std::u16string_view le3n, TEidosLe3ns& eidos);
// The kind of a one-character symbol, or lxOxiSumbolo.
TEidosLe3ns BreSumbolo(std::u16string_view sumbolo);

// Replaces every occurrence of `palio` in `keimevo` by `veo`, left to right, without overlaps.
std::u16string AvtikatastasnOlwv(std::u16string_view keimevo, std::u16string_view palio, std::u16string_view veo);
// Turns "<>", "<=", ">=" and "<--" into "≠", "≤", "≥" and "←" throughout the text, as four
// replacements in this order would (no replacement makes or breaks another's match).
std::u16string MetatropnTelestwv(std::u16string_view keimevo);
// The same in the text itself, which only gets shorter: no allocation.
void MetatropnTelestwvSeThesn(std::u16string& keimevo) noexcept;

class TLektikosAvalutns {
public:
    using TOnSxolio = std::function<void(const std::u16string& sxolio, TTroposGrammns tropos)>;

    TLektikosAvalutns(std::u16string_view pnyh, TOnSxolio onSxolio);

    // Reads the next token into Le3n; false, with lxTelos, at the end of the text.
    bool EpomevnLe3n();

    const TLe3n& Le3n() const { return le3n_; }
    // 1-based index into the framed text where the current token starts.
    std::size_t Ar3nLe3ns() const { return ar3nLe3ns_; }

private:
    char16_t Xarakthras(std::size_t thesn) const { return keimevo_[thesn - 1]; }
    void PerasmaKevwv();
    void DiabaseAri8mo();
    void DiabaseLe3n();
    void DiabaseAlfari8mntiko(char16_t eisagwgiko);
    void DiabaseSxolio();
    void DiabaseSumbolo();
    void Telos();

    std::u16string keimevo_;
    std::size_t tre3ousa8esn_ = 1;
    std::size_t ar3nLe3ns_ = 1;
    TLe3n le3n_;
    TOnSxolio onSxolio_;
};

}  // namespace kalmira

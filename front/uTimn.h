// Data types and run-time values: the tagged value with its conversions and display texts, the
// Greek names of the types, and the Windows-1253 code page by which strings compare. The lexical
// analyzer keeps the value of each token in one, and everything above it builds on them.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalmira {

// The data type of a value, an identifier or an expression.
enum TTuposDedomevwv : std::uint8_t {
    tdKavevas,         // none: a value that holds nothing yet
    tdAkeraios,        // signed 64-bit integer
    tdPragmatikos,     // IEEE 754 double
    tdAlfari8mntikos,  // UTF-16 string
    tdLogikos,         // boolean
};

// Index values of one array access, or the upper bounds of an array, first dimension first.
using TDeiktes = std::vector<std::int32_t>;

class TPivakasTimwv;

// A tagged run-time value with value semantics. Copying an integer, real or boolean never
// allocates; a string or an array is copied deeply, so two variables never share a value. The
// strings and arrays that values hold count against the memory budget (OrioMnmns): whatever would
// pass it is refused with EEleipsnMnmns before it is allocated.
class TTimn {
public:
    enum TEidos : std::uint8_t {
        tmKevo = tdKavevas,
        tmAkeraios = tdAkeraios,
        tmPragmatikos = tdPragmatikos,
        tmAlfari8mntiko = tdAlfari8mntikos,
        tmLogikos = tdLogikos,
        tmPivakas,
    };

    TTimn() noexcept : eidos_(tmKevo), akeraios_(0) {}
    static TTimn ApoAkeraio(std::int64_t timn) noexcept { TTimn t; t.eidos_ = tmAkeraios; t.akeraios_ = timn; return t; }
    static TTimn ApoPragmatiko(double timn) noexcept { TTimn t; t.eidos_ = tmPragmatikos; t.pragmatikos_ = timn; return t; }
    static TTimn ApoLogiko(bool timn) noexcept { TTimn t; t.eidos_ = tmLogikos; t.logikos_ = timn; return t; }
    static TTimn ApoAlfari8mntiko(std::u16string timn);
    // An array with lower bound 1 and the given upper bounds (each at least 1), every element empty.
    static TTimn Pivakas(const TDeiktes& anwOria);

    TTimn(const TTimn& allo);
    TTimn(TTimn&& allo) noexcept : eidos_(allo.eidos_), akeraios_(allo.akeraios_) { allo.eidos_ = tmKevo; }
    TTimn& operator=(const TTimn& allo);
    TTimn& operator=(TTimn&& allo) noexcept;
    ~TTimn() { if (KatexeiMnmn()) Apeleu8erwsn(); }

    TEidos Eidos() const noexcept { return eidos_; }
    bool EivaiKevo() const noexcept { return eidos_ == tmKevo; }
    // The data type of a scalar value; tdKavevas for the empty value and for an array.
    TTuposDedomevwv Tupos() const noexcept { return eidos_ == tmPivakas ? tdKavevas : static_cast<TTuposDedomevwv>(eidos_); }

    // Payload access; the tag must match.
    std::int64_t Akeraios() const noexcept { return akeraios_; }
    double Pragmatikos() const noexcept { return pragmatikos_; }
    bool Logikos() const noexcept { return logikos_; }
    const std::u16string& Alfari8mntiko() const noexcept { return *alfari8mntiko_; }
    // The integer payload in place, for loops that count in a variable; the tag must be integer.
    std::int64_t& AkeraiosTopos() noexcept { return akeraios_; }
    const TPivakasTimwv& Pivakas() const noexcept { return *pivakas_; }
    TPivakasTimwv& Pivakas() noexcept { return *pivakas_; }

    // Stores without a conversion. The integer, real and boolean setters never allocate.
    void OriseAkeraio(std::int64_t timn) noexcept { Adeiasma(); eidos_ = tmAkeraios; akeraios_ = timn; }
    void OrisePragmatiko(double timn) noexcept { Adeiasma(); eidos_ = tmPragmatikos; pragmatikos_ = timn; }
    void OriseLogiko(bool timn) noexcept { Adeiasma(); eidos_ = tmLogikos; logikos_ = timn; }
    // The same stores into a place that never holds a string or an array (a variable or an
    // element of a numeric or boolean type), which has nothing to free.
    void OriseAkeraioAmesa(std::int64_t timn) noexcept { assert(!KatexeiMnmn()); eidos_ = tmAkeraios; akeraios_ = timn; }
    void OrisePragmatikoAmesa(double timn) noexcept { assert(!KatexeiMnmn()); eidos_ = tmPragmatikos; pragmatikos_ = timn; }
    void OriseLogikoAmesa(bool timn) noexcept { assert(!KatexeiMnmn()); eidos_ = tmLogikos; logikos_ = timn; }
    void OriseAlfari8mntiko(std::u16string_view timn);
    void OriseAlfari8mntiko(std::u16string&& timn);
    // Appends to the string in place; the tag must be string. `timn` may be part of it.
    void Pros8eseAlfari8mntiko(std::u16string_view timn);
    void Adeiasma() noexcept { if (KatexeiMnmn()) Apeleu8erwsn(); eidos_ = tmKevo; }

    // Conversions. To integer: a real is rounded to the nearest integer, halves to even.
    std::int64_t SeAkeraio() const;
    // To a 32-bit index value: the integer conversion, then its low 32 bits as a signed value.
    std::int32_t SeDeikti() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(SeAkeraio())); }
    double SePragmatiko() const;
    std::u16string SeAlfari8mntiko() const;
    // The conversion named by the target type; a value of that type is unchanged.
    TTimn Metatropn(TTuposDedomevwv tupos) const;

private:
    // Strings and arrays keep their payload on the heap; the other kinds hold it in place.
    bool KatexeiMnmn() const noexcept { return eidos_ == tmAlfari8mntiko || eidos_ == tmPivakas; }
    void Apeleu8erwsn() noexcept;

    TEidos eidos_;
    union {
        std::int64_t akeraios_;
        double pragmatikos_;
        bool logikos_;
        std::u16string* alfari8mntiko_;
        TPivakasTimwv* pivakas_;
    };
};

// The payload of an array value: its bounds and its elements in one flat row-major block.
class TPivakasTimwv {
public:
    explicit TPivakasTimwv(TDeiktes anwOria);

    const TDeiktes& AnwOria() const noexcept { return anwOria_; }
    std::size_t Plnr8os() const noexcept { return stoixeia_.size(); }
    TTimn& operator[](std::size_t i) noexcept { return stoixeia_[i]; }
    const TTimn& operator[](std::size_t i) const noexcept { return stoixeia_[i]; }
    void Adeiasma() noexcept;

private:
    TDeiktes anwOria_;
    std::vector<TTimn> stoixeia_;
};

// The memory budget of values. The strings and arrays held by values, wherever they are, count
// against one budget for the whole library, by the bytes they take as they are allocated and until
// they are freed. Past it a value is refused before it is allocated, with EEleipsnMnmns: a program
// that builds ever longer strings or declares ever more arrays meets a Greek error, never the
// machine's swap.
inline constexpr std::int64_t ArxikoOrioMnmns = std::int64_t{1024} * 1024 * 1024;
std::int64_t OrioMnmns() noexcept;
void OriseOrioMnmns(std::int64_t bytes) noexcept;
// The bytes that values hold now.
std::int64_t MnmnTimwv() noexcept;
// Refuses with EEleipsnMnmns a string of that many characters that is about to be built outside a
// value (a sum, a line of output) when it would not fit in what is left of the budget.
void ElegxosMnmnsAlfari8mntikou(std::size_t xaraktnres);

// The nearest integer, halves to even; fails beyond 64 bits (used by conversions and operations).
std::int64_t StrogguleusnMeArtio(double timn);

// The decimal separator that output of reals uses (a setting of the language library, ","
// unless the workbench or the runner sets it from the user's locale).
char16_t DekadikoDiaxwristiko();
void OriseDekadikoDiaxwristiko(char16_t diaxwristiko);

// Text of a real for output: at most 15 significant digits, no trailing zeros, exponent form where
// printf("%.15G") uses it, and the decimal separator of the setting above.
std::u16string KeimevoPragmatikou(double timn);

// The display text of a value: "-" when empty, "Αληθής"/"Ψευδής" for booleans, arrays in
// parentheses in row-major order.
std::u16string KeimevoTimns(const TTimn& timn);
// The same text cut to at most `megisto` characters; `kommevo` tells whether it was cut. A large
// array or string costs only the part that is kept.
std::u16string KeimevoTimns(const TTimn& timn, std::size_t megisto, bool& kommevo);

// Grammatical forms and genders of the type names.
enum TPtwsn : std::uint8_t {
    ptOvomastiknEvikou,
    ptGeviknEvikou,
    ptAitiatiknEvikou,
    ptKlntiknEvikou,
    ptOvomastiknPln8uvtikou,
    ptGeviknPln8uvtikou,
    ptAitiatiknPln8uvtikou,
    ptKlntiknPln8uvtikou,
};
enum TGevos : std::uint8_t { gvArseviko, gv8nluko };

// The Greek name of a type in the given form and gender, for messages.
std::u16string PngaiosKwdikasTupou(TTuposDedomevwv tupos, TPtwsn ptwsn, TGevos gevos);

// The byte that the Windows-1253 code page gives a UTF-16 code unit; "?" where it has none.
unsigned char Kwdikoselida1253(char16_t c) noexcept;
// Ordinal comparison of two strings by their Windows-1253 bytes: negative, zero or positive.
int SugkrisnAlfari8mntikwv(std::u16string_view a, std::u16string_view b) noexcept;
// The character of a Windows-1253 byte; U+FFFD for the bytes the code page leaves undefined.
char16_t ApoKwdikoselida1253(unsigned char b) noexcept;

}  // namespace kalmira

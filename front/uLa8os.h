// The interpreter's errors. Every error travels as an exception of one of four kinds and carries
// one Greek message; the compile turns the first three into a heading, a message and a position,
// the run engine reports run-time errors.
#pragma once

#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kalmira {

// The common base of the four kinds: an exception with a message text.
class ELa8osKalmiras : public std::exception {
public:
    explicit ELa8osKalmiras(std::u16string mnvuma);
    const std::u16string& Mnvuma() const noexcept { return mnvuma_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::u16string mnvuma_;
    std::string utf8_;
};

// Lexical errors, raised by the lexical analyzer.
class ELektikoLa8os final : public ELa8osKalmiras {
    using ELa8osKalmiras::ELa8osKalmiras;
};

// Syntax errors and every other error found while compiling.
class ESuvtaktikoLa8os final : public ELa8osKalmiras {
    using ELa8osKalmiras::ELa8osKalmiras;
};

// Run-time errors: uninitialised variables, indices out of bounds, bad input, arithmetic faults.
class ELa8osEktelesns : public ELa8osKalmiras {
    using ELa8osKalmiras::ELa8osKalmiras;
};

// The run-time error of a program whose values would pass the memory budget (see OrioMnmns).
class EEleipsnMnmns final : public ELa8osEktelesns {
    using ELa8osEktelesns::ELa8osEktelesns;
};

// Internal errors: states the compile checks should have made impossible.
class ELa8osMou final : public ELa8osKalmiras {
    using ELa8osKalmiras::ELa8osKalmiras;
};

// Fills a message template: each "%s", "%d" or "%1s" is replaced by the next argument, in order.
std::u16string Morfh(std::u16string_view protupo, std::initializer_list<std::u16string_view> orismata);

// UTF-8 and UTF-16 conversions for the edges of the library (messages, tests, the runner).
// Ill-formed input never fails: it becomes U+FFFD.
std::string SeUtf8(std::u16string_view keimevo);
std::u16string ApoUtf8(std::string_view keimevo);

// The well-formed UTF-8 sequence that starts at keimevo[i]: its length in bytes, with its code
// point in c; 0 when the bytes there are not one (an overlong form, a surrogate, a value past
// U+10FFFF, a sequence cut short or a stray continuation byte).
std::size_t SeiraUtf8(std::string_view keimevo, std::size_t i, char32_t& c);
// Appends a code point as one or two UTF-16 code units.
void Pros8eseUtf16(std::u16string& keimevo, char32_t c);

// Decimal digits of a signed integer.
std::u16string Ari8mos(long long timn);

}  // namespace kalmira

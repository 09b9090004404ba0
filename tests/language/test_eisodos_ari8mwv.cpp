// The readers of Διάβασε for numbers, on texts at the edges of their ranges: exponents beyond any
// integer type, hundreds of digits, and the 32-bit limits of integer input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "Voithitika.h"

using namespace voithitika;

namespace {

// What the real reader makes of a text: "too large", "not a number", or the value's digits.
std::string Pragmatikos(const std::string& keimevo)
{
    double timn = 12345;
    switch (DiabasePragmatiko(U16(keimevo), timn)) {
    case -1: return "too large";
    case 0: return "not a number";
    default: return std::signbit(timn) && timn == 0 ? "-0" : U8(KeimevoPragmatikou(timn));
    }
}

TEST(EisodosPragmatikou, HugeExponentsAndHundredsOfDigits)
{
    const std::string evvia(400, '9');
    const std::pair<std::string, std::string> periptwseis[] = {
        // A huge positive exponent is too large, a huge negative one is a tiny number that reads as 0,
        // whatever digits come before it; zero stays zero whatever its exponent.
        {"1e9223372036854775807", "too large"}, {"1e9223372036854775808", "too large"}, {"0.01e9223372036854775807", "too large"},
        {"1e+99999999999999999999999999999999", "too large"}, {"-1e9223372036854775807", "too large"},
        {"0.01e-9223372036854775808", "0"}, {"1e-9223372036854775809", "0"}, {"1e-99999999999999999999999999999999", "0"},
        {"-5e-9223372036854775808", "-0"}, {"0e9223372036854775807", "0"}, {"0.000e99999999999999999999", "0"},
        // Digits and exponent that cancel out, and the edges of the double range itself.
        {"1" + std::string(400, '0') + "e-400", "1"}, {"0." + std::string(399, '0') + "25e400", "2,5"},
        {"1.7976931348623157e308", "1,79769313486232E+308"}, {"1.8e308", "too large"}, {"4.9e-324", "4,94065645841247E-324"},
        {"1e-400", "0"},
        // An exponent needs digits, and nothing may follow them.
        {"1e", "not a number"}, {"1e+", "not a number"}, {"1e99999999999999999999x", "not a number"},
        // Four hundred digits.
        {evvia, "too large"}, {"-" + evvia, "too large"}, {"0." + evvia, "1"}, {"0." + std::string(399, '0') + "1", "0"},
        {std::string(300, '1') + "." + std::string(100, '1'), "1,11111111111111E+299"},
        {std::string(400, '0') + "7." + std::string(400, '0'), "7"},
    };
    for (const auto& [keimevo, timn] : periptwseis)
        EXPECT_EQ(Pragmatikos(keimevo), timn) << keimevo;
}

TEST(EisodosAkeraiou, ThirtyTwoBitLimitsAndFarBeyond)
{
    const auto akeraios = [](const std::string& keimevo) {
        std::int64_t timn = 12345;
        return DiabaseAkeraio(U16(keimevo), timn) ? std::to_string(timn) : std::string("refused");
    };
    EXPECT_EQ(akeraios("2147483647"), "2147483647");
    EXPECT_EQ(akeraios("-2147483648"), "-2147483648");
    EXPECT_EQ(akeraios("2147483648"), "refused");
    EXPECT_EQ(akeraios("-2147483649"), "refused");
    EXPECT_EQ(akeraios("9223372036854775807"), "refused");
    EXPECT_EQ(akeraios("18446744073709551616"), "refused");
    EXPECT_EQ(akeraios("-" + std::string(400, '9')), "refused");
    EXPECT_EQ(akeraios(std::string(400, '0') + "1"), "1");
    EXPECT_EQ(akeraios("$FFFFFFFF"), "-1");
    EXPECT_EQ(akeraios("$100000000"), "refused");
}

}  // namespace

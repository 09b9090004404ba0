// libFuzzer target: arbitrary text (as UTF-8) given to the number readers of Διάβασε. Besides
// crashes and undefined behaviour, each accepted number is checked against the C library's reading
// of the same characters: an integer must be what strtoll or strtoul reads, a real what strtod
// reads, bit for bit, and "too large" exactly when strtod overflows.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/uProgramma.h"
#include "front/uLa8os.h"

using namespace kalmira;

namespace {

[[noreturn]] void Eurnma(const char* ti, const std::u16string& keimevo)
{
    std::fprintf(stderr, "FINDING: %s: «%s»\n", ti, SeUtf8(keimevo).c_str());
    std::abort();
}

bool Ascii(std::u16string_view keimevo, std::string& ascii)
{
    ascii.clear();
    for (char16_t c : keimevo) {
        if (c == 0 || c > 127)
            return false;
        ascii += static_cast<char>(c);
    }
    return true;
}

void Akeraios(const std::u16string& keimevo)
{
    std::int64_t timn = 0;
    const bool dektos = DiabaseAkeraio(keimevo, timn);
    std::string ascii;
    if (!Ascii(keimevo, ascii)) {
        if (dektos)
            Eurnma("an integer with a character beyond ASCII", keimevo);
        return;
    }
    const std::size_t ar3n = ascii.find_first_not_of(' ');
    const std::string ari8mos = ar3n == std::string::npos ? std::string() : ascii.substr(ar3n);
    // Decimal: [sign] digits, nothing else, in the 32-bit range.
    const bool prosimo = !ari8mos.empty() && (ari8mos[0] == '+' || ari8mos[0] == '-');
    const std::string psnfia = prosimo ? ari8mos.substr(1) : ari8mos;
    if (!psnfia.empty() && psnfia.find_first_not_of("0123456789") == std::string::npos) {
        errno = 0;
        char* telos = nullptr;
        const long long anafora = std::strtoll(ari8mos.c_str(), &telos, 10);
        const bool sto32 = errno == 0 && *telos == '\0' && anafora >= INT32_MIN && anafora <= INT32_MAX;
        if (dektos != sto32 || (dektos && timn != anafora))
            Eurnma("a decimal integer read otherwise than strtoll reads it", keimevo);
        return;
    }
    // Hexadecimal after "$", "x", "X", "0x" or "0X": at most 8 digits, a 32-bit pattern.
    std::size_t prothema = 0;
    if (ari8mos.size() >= 2 && ari8mos[0] == '0' && (ari8mos[1] == 'x' || ari8mos[1] == 'X'))
        prothema = 2;
    else if (!ari8mos.empty() && (ari8mos[0] == '$' || ari8mos[0] == 'x' || ari8mos[0] == 'X'))
        prothema = 1;
    const std::string dekae3adika = ari8mos.substr(prothema);
    if (prothema > 0 && !dekae3adika.empty() && dekae3adika.size() <= 8 &&
        dekae3adika.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
        const unsigned long anafora = std::strtoul(dekae3adika.c_str(), nullptr, 16);
        if (!dektos || timn != static_cast<std::int32_t>(static_cast<std::uint32_t>(anafora)))
            Eurnma("a hexadecimal integer read otherwise than strtoul reads it", keimevo);
        return;
    }
    if (dektos)
        Eurnma("an integer accepted against the rule", keimevo);
}

void Pragmatikos(std::u16string keimevo)
{
    keimevo = Ka8aroPragmatiko(std::move(keimevo));  // as Διάβασε prepares it

    double timn = 12345;
    const int apotelesma = DiabasePragmatiko(keimevo, timn);
    if (apotelesma == 0)
        return;
    std::string ascii;
    if (!Ascii(keimevo, ascii) || ascii.find_first_not_of("0123456789.eE+-") != std::string::npos)
        Eurnma("a real accepted with other characters than digits, point, sign and exponent", keimevo);
    errno = 0;
    char* teliko = nullptr;
    const double anafora = std::strtod(ascii.c_str(), &teliko);
    if (*teliko != '\0')
        Eurnma("a real accepted that strtod does not read whole", keimevo);
    const bool uperxeilisn = std::isinf(anafora);
    if ((apotelesma < 0) != uperxeilisn)
        Eurnma("a real too large for one reader and not for the other", keimevo);
    if (apotelesma > 0 && std::memcmp(&timn, &anafora, sizeof timn) != 0)
        Eurnma("a real read otherwise than strtod reads it", keimevo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dedomena, std::size_t mhkos)
{
    const std::u16string keimevo = ApoUtf8(std::string_view(reinterpret_cast<const char*>(dedomena), mhkos));
    Akeraios(keimevo);
    Pragmatikos(keimevo);
    return 0;
}

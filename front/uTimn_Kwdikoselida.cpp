// String order: strings compare by the bytes that the Windows-1253 (Greek) code page gives their
// characters, so that every capital Greek letter sorts before every small one, and digits and
// Latin letters before Greek letters. A character the code page lacks compares as "?".
#include <array>

#include "uTimn.h"

namespace kalmira {

namespace {

// The characters of bytes 0x80 to 0xFF; 0 where the code page defines no character.
constexpr char16_t AvwMisoKwdikoselidas[128] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0,      0x2030, 0,      0x2039, 0,      0,      0,      0,       // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0,      0x2122, 0,      0x203A, 0,      0,      0,      0,       // 98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0,      0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,  // B8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,  // C0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,  // C8
    0x03A0, 0x03A1, 0,      0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,  // D0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,  // D8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,  // E0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,  // E8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,  // F0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,       // F8
};

// The byte of every UTF-16 code unit, built once at compile time.
struct TPivakas1253 {
    std::array<unsigned char, 65536> byte{};
    constexpr TPivakas1253()
    {
        for (unsigned c = 0; c < 65536; ++c)
            byte[c] = c < 0x80 ? static_cast<unsigned char>(c) : static_cast<unsigned char>('?');
        for (unsigned b = 0; b < 128; ++b)
            if (AvwMisoKwdikoselidas[b] != 0)
                byte[AvwMisoKwdikoselidas[b]] = static_cast<unsigned char>(0x80 + b);
    }
};

constexpr TPivakas1253 Pivakas1253;

}  // namespace

unsigned char Kwdikoselida1253(char16_t c) noexcept { return Pivakas1253.byte[c]; }

char16_t ApoKwdikoselida1253(unsigned char b) noexcept
{
    if (b < 0x80)
        return b;
    char16_t c = AvwMisoKwdikoselidas[b - 0x80];
    return c != 0 ? c : u'\uFFFD';
}

int SugkrisnAlfari8mntikwv(std::u16string_view a, std::u16string_view b) noexcept
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        int da = Pivakas1253.byte[a[i]], db = Pivakas1253.byte[b[i]];
        if (da != db)
            return da - db;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace kalmira

// String order goes by the Windows-1253 code page. The table is checked against the system's own
// converter, code unit by code unit.
#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

#include "Voithitika.h"

using namespace voithitika;

namespace {

// Converts the bytes with the system's converter; false when it refuses them or leaves them incomplete.
bool Iconv(iconv_t cd, const unsigned char* eisodos, std::size_t mhkos, std::string& e3odos)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char buf[16];
    char* in = const_cast<char*>(reinterpret_cast<const char*>(eisodos));
    char* out = buf;
    std::size_t inLeft = mhkos, outLeft = sizeof buf;
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0 ||
        iconv(cd, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
        return false;
    e3odos.assign(buf, out);
    return true;
}

int Sugkrisn(std::u16string_view a, std::u16string_view b)
{
    int r = SugkrisnAlfari8mntikwv(a, b);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

}  // namespace

TEST(Kwdikoselida1253, EveryCodeUnitAndEveryByteAgreeWithIconv)
{
    const iconv_t pros = iconv_open("CP1253", "UTF-16LE"), apo = iconv_open("UTF-16LE", "CP1253");
    ASSERT_NE(pros, reinterpret_cast<iconv_t>(-1)) << "the system has no CP1253 converter";
    ASSERT_NE(apo, reinterpret_cast<iconv_t>(-1));
    int diafores = 0, xarakthres = 0;
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
        const unsigned char bytes[2] = {static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>(c >> 8)};
        std::string e3odos;
        unsigned anamenomeno = '?';
        if ((c < 0xD800 || c > 0xDFFF) && Iconv(pros, bytes, 2, e3odos)) {  // a lone surrogate is no character at all
            ASSERT_EQ(e3odos.size(), 1u) << std::hex << "U+" << c;
            anamenomeno = static_cast<unsigned char>(e3odos[0]);
            ++xarakthres;
        }
        unsigned pragmatiko = Kwdikoselida1253(static_cast<char16_t>(c));
        if (pragmatiko != anamenomeno && ++diafores <= 20)
            ADD_FAILURE() << std::hex << "U+" << c << ": expected 0x" << anamenomeno << ", got 0x" << pragmatiko;
    }
    EXPECT_EQ(diafores, 0);
    EXPECT_GT(xarakthres, 200) << "the converter maps too few characters to be a fair check";

    for (unsigned b = 0; b <= 0xFF; ++b) {
        const unsigned char byte = static_cast<unsigned char>(b);
        std::string e3odos;
        char16_t anamenomeno = 0xFFFD;
        if (Iconv(apo, &byte, 1, e3odos)) {
            ASSERT_EQ(e3odos.size(), 2u);
            anamenomeno = static_cast<char16_t>(static_cast<unsigned char>(e3odos[0]) | static_cast<unsigned char>(e3odos[1]) << 8);
        }
        EXPECT_EQ(int(ApoKwdikoselida1253(byte)), int(anamenomeno)) << std::hex << "0x" << b;
    }
    iconv_close(pros);
    iconv_close(apo);
}

TEST(Kwdikoselida1253, StringsCompareByTheirCodePageBytes)
{
    const struct {
        std::u16string_view a, b;
        int sugkrisn;
    } periptwseis[] = {
        {u"Β", u"α", -1},  // every capital before every small letter
        {u"a", u"A", 1},
        {u"a", u"α", -1},  // bytes compare unsigned: 0x61 before 0xE1
        {u"z", u"€", -1},  // 0x7A before 0x80
        {u"Z", u"Α", -1},  // Latin before Greek
        {u"Ά", u"Α", -1},  // 0xA2 before 0xC1
        {u"ά", u"α", -1},  // 0xDC before 0xE1
        {u"ab", u"abc", -1},
        {u"abc", u"ab", 1},
        {u"", u"", 0},
        {u"", u"\u0001", -1},
        {u"αβγ", u"αβγ", 0},
        // Characters the code page lacks compare as "?".
        {u"☺", u"?", 0},
        {u"жx", u"☺x", 0},
        {u"ж", u"@", -1},  // "?" is 0x3F, "@" is 0x40
        {u"\xD800", u"?", 0},
        // A NUL inside a string is a character like any other.
        {std::u16string_view(u"a\0b", 3), u"a", 1},
        {std::u16string_view(u"a\0", 2), std::u16string_view(u"a\0", 2), 0},
    };
    for (const auto& p : periptwseis)
        EXPECT_EQ(Sugkrisn(p.a, p.b), p.sugkrisn) << U8(p.a) << " / " << U8(p.b);
}

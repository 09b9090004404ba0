// String order goes by the Windows-1253 code page. The table is checked against the system's own
// converter, code unit by code unit.
#include <gtest/gtest.h>

#include <iconv.h>

#include <cerrno>
#include <string>

#include "core/uTupoiDedomevwv.h"
#include "front/uLa8os.h"

using namespace kalmira;

namespace {

// Opens an iconv conversion and closes it at the end of the test.
class TIconv {
public:
    TIconv(const char* pros, const char* apo) : cd_(iconv_open(pros, apo)) {}
    ~TIconv()
    {
        if (ok())
            iconv_close(cd_);
    }
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the bytes; false when the converter refuses them (or leaves them incomplete).
    bool Metatrepse(const unsigned char* eisodos, std::size_t mhkos, std::string& e3odos)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buf[16];
        char* in = const_cast<char*>(reinterpret_cast<const char*>(eisodos));
        char* out = buf;
        std::size_t inLeft = mhkos, outLeft = sizeof buf;
        std::size_t r = iconv(cd_, &in, &inLeft, &out, &outLeft);
        if (r == static_cast<std::size_t>(-1) || inLeft != 0)
            return false;
        // Flush any state the converter still holds.
        if (iconv(cd_, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
            return false;
        e3odos.assign(buf, out);
        return true;
    }

private:
    iconv_t cd_;
};

int Sugkrisn(std::u16string_view a, std::u16string_view b)
{
    int r = SugkrisnAlfari8mntikwv(a, b);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

}  // namespace

TEST(Kwdikoselida1253, EveryCodeUnitAgreesWithIconv)
{
    TIconv cd("CP1253", "UTF-16LE");
    ASSERT_TRUE(cd.ok()) << "the system has no CP1253 converter";
    int diafores = 0, xarakthres = 0;
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
        const unsigned char bytes[2] = {static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>(c >> 8)};
        std::string e3odos;
        unsigned anamenomeno = '?';
        if (c < 0xD800 || c > 0xDFFF) {  // a lone surrogate is no character at all
            if (cd.Metatrepse(bytes, 2, e3odos)) {
                ASSERT_EQ(e3odos.size(), 1u) << std::hex << "U+" << c;
                anamenomeno = static_cast<unsigned char>(e3odos[0]);
                ++xarakthres;
            }
        }
        unsigned pragmatiko = Kwdikoselida1253(static_cast<char16_t>(c));
        if (pragmatiko != anamenomeno && ++diafores <= 20)
            ADD_FAILURE() << std::hex << "U+" << c << ": expected 0x" << anamenomeno << ", got 0x" << pragmatiko;
    }
    EXPECT_EQ(diafores, 0);
    EXPECT_GT(xarakthres, 200) << "the converter maps too few characters to be a fair check";
}

TEST(Kwdikoselida1253, BytesBackToCharactersAgreeWithIconv)
{
    TIconv cd("UTF-16LE", "CP1253");
    ASSERT_TRUE(cd.ok());
    for (unsigned b = 0; b <= 0xFF; ++b) {
        const unsigned char byte = static_cast<unsigned char>(b);
        std::string e3odos;
        char16_t anamenomeno = 0xFFFD;
        if (cd.Metatrepse(&byte, 1, e3odos)) {
            ASSERT_EQ(e3odos.size(), 2u);
            anamenomeno = static_cast<char16_t>(static_cast<unsigned char>(e3odos[0]) | static_cast<unsigned char>(e3odos[1]) << 8);
        }
        EXPECT_EQ(int(ApoKwdikoselida1253(byte)), int(anamenomeno)) << std::hex << "0x" << b;
    }
}

TEST(Kwdikoselida1253, StringsCompareByTheirCodePageBytes)
{
    EXPECT_EQ(Sugkrisn(u"Β", u"α"), -1);   // every capital before every small letter
    EXPECT_EQ(Sugkrisn(u"Ω", u"α"), -1);
    EXPECT_EQ(Sugkrisn(u"a", u"A"), 1);
    EXPECT_EQ(Sugkrisn(u"a", u"α"), -1);   // bytes compare unsigned: 0x61 before 0xE1
    EXPECT_EQ(Sugkrisn(u"z", u"€"), -1);   // 0x7A before 0x80
    EXPECT_EQ(Sugkrisn(u"Z", u"Α"), -1);   // Latin before Greek
    EXPECT_EQ(Sugkrisn(u"9", u"A"), -1);
    EXPECT_EQ(Sugkrisn(u"Ά", u"Α"), -1);   // 0xA2 before 0xC1
    EXPECT_EQ(Sugkrisn(u"ά", u"α"), -1);   // 0xDC before 0xE1
    EXPECT_EQ(Sugkrisn(u"ab", u"abc"), -1);
    EXPECT_EQ(Sugkrisn(u"abc", u"ab"), 1);
    EXPECT_EQ(Sugkrisn(u"", u""), 0);
    EXPECT_EQ(Sugkrisn(u"", u"\u0001"), -1);
    EXPECT_EQ(Sugkrisn(u"αβγ", u"αβγ"), 0);
    // Characters the code page lacks compare as "?".
    EXPECT_EQ(Sugkrisn(u"☺", u"?"), 0);
    EXPECT_EQ(Sugkrisn(u"жx", u"☺x"), 0);
    EXPECT_EQ(Sugkrisn(u"ж", u"@"), -1);   // "?" is 0x3F, "@" is 0x40
    EXPECT_EQ(Sugkrisn(u"\xD800", u"?"), 0);
    // A NUL inside a string is a character like any other.
    EXPECT_EQ(Sugkrisn(std::u16string_view(u"a\0b", 3), u"a"), 1);
    EXPECT_EQ(Sugkrisn(std::u16string_view(u"a\0", 2), std::u16string_view(u"a\0", 2)), 0);
}

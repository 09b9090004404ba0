#include "uLa8os.h"

namespace kalmira {

ELa8osKalmiras::ELa8osKalmiras(std::u16string mnvuma) : mnvuma_(std::move(mnvuma)), utf8_(SeUtf8(mnvuma_)) {}

std::u16string Morfh(std::u16string_view protupo, std::initializer_list<std::u16string_view> orismata)
{
    std::u16string apotelesma;
    apotelesma.reserve(protupo.size() + 32);
    auto epomeno = orismata.begin();
    for (std::size_t i = 0; i < protupo.size(); ++i) {
        char16_t c = protupo[i];
        if (c == u'%' && i + 1 < protupo.size() && epomeno != orismata.end()) {
            std::size_t mhkos = 0;
            if (protupo[i + 1] == u's' || protupo[i + 1] == u'd')
                mhkos = 1;
            else if (protupo[i + 1] == u'1' && i + 2 < protupo.size() && protupo[i + 2] == u's')
                mhkos = 2;
            if (mhkos > 0) {
                apotelesma += *epomeno++;
                i += mhkos;
                continue;
            }
        }
        apotelesma += c;
    }
    return apotelesma;
}

std::string SeUtf8(std::u16string_view keimevo)
{
    std::string apotelesma;
    apotelesma.reserve(keimevo.size() * 2);
    for (std::size_t i = 0; i < keimevo.size(); ++i) {
        char32_t c = keimevo[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < keimevo.size() && keimevo[i + 1] >= 0xDC00 && keimevo[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (keimevo[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            apotelesma += static_cast<char>(c);
        } else if (c < 0x800) {
            apotelesma += static_cast<char>(0xC0 | (c >> 6));
            apotelesma += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            apotelesma += static_cast<char>(0xE0 | (c >> 12));
            apotelesma += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            apotelesma += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            apotelesma += static_cast<char>(0xF0 | (c >> 18));
            apotelesma += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            apotelesma += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            apotelesma += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return apotelesma;
}

std::size_t SeiraUtf8(std::string_view keimevo, std::size_t i, char32_t& c)
{
    const auto b = static_cast<unsigned char>(keimevo[i]);
    std::size_t mhkos;
    char32_t elaxisto;
    if (b < 0x80) {
        c = b;
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF)
        mhkos = 2, c = b & 0x1F, elaxisto = 0x80;
    else if (b >= 0xE0 && b <= 0xEF)
        mhkos = 3, c = b & 0x0F, elaxisto = 0x800;
    else if (b >= 0xF0 && b <= 0xF4)
        mhkos = 4, c = b & 0x07, elaxisto = 0x10000;
    else
        return 0;
    if (i + mhkos > keimevo.size())
        return 0;
    for (std::size_t k = 1; k < mhkos; ++k) {
        const auto s = static_cast<unsigned char>(keimevo[i + k]);
        if ((s & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (s & 0x3F);
    }
    if (c < elaxisto || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return mhkos;
}

void Pros8eseUtf16(std::u16string& keimevo, char32_t c)
{
    if (c >= 0x10000) {
        c -= 0x10000;
        keimevo += static_cast<char16_t>(0xD800 + (c >> 10));
        keimevo += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
        keimevo += static_cast<char16_t>(c);
    }
}

std::u16string ApoUtf8(std::string_view keimevo)
{
    std::u16string apotelesma;
    apotelesma.reserve(keimevo.size());
    for (std::size_t i = 0; i < keimevo.size();) {
        char32_t c;
        const std::size_t mhkos = SeiraUtf8(keimevo, i, c);
        if (mhkos == 0) {
            apotelesma += u'\uFFFD';  // one replacement for each byte that begins no sequence
            ++i;
            continue;
        }
        Pros8eseUtf16(apotelesma, c);
        i += mhkos;
    }
    return apotelesma;
}

std::u16string Ari8mos(long long timn)
{
    std::string s = std::to_string(timn);
    return std::u16string(s.begin(), s.end());
}

}  // namespace kalmira

#include "cli/uDekadikoDiaxwristiko.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>

namespace kalmira {

namespace {

struct TGlwssa {
    std::string_view kwdikos;
    char16_t diaxwristiko;
};
struct TGrafnGlwssas {
    std::string_view glwssa, grafn;
    char16_t diaxwristiko;
};
struct TE3airesn {
    std::string_view glwssa, grafn, perioxn;
    char16_t diaxwristiko;
};

#include "DekadikaDiaxwristika.inc"

bool EivaiAsciiGrammaNPsnfio(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// The parts of a locale name, read as Qt reads them: tags of ASCII letters and digits between the
// separators "_", "-", "." and "@"; the first is the language (two or three characters), the next
// a script if it is the code of one, and then a territory; reading stops at the first tag that is
// empty or not of letters and digits. False when there is no language.
bool Tmnmata(std::string_view ovoma, std::string_view& glwssa, std::string_view& grafn, std::string_view& perioxn)
{
    enum { kaGlwssa, kaGrafn, kaPerioxn, kaTelos } katastasn = kaGlwssa;
    while (!ovoma.empty() && katastasn != kaTelos) {
        const std::size_t telos = std::min(ovoma.find_first_of("_-.@"), ovoma.size());
        const std::string_view tmnma = ovoma.substr(0, telos);
        if (tmnma.empty() || !std::all_of(tmnma.begin(), tmnma.end(), EivaiAsciiGrammaNPsnfio))
            break;
        ovoma.remove_prefix(tmnma.size());
        const bool diaxwristis = !ovoma.empty();
        if (diaxwristis)
            ovoma.remove_prefix(1);
        switch (katastasn) {
        case kaGlwssa:
            if (tmnma.size() != 2 && tmnma.size() != 3)
                return false;
            glwssa = tmnma;
            katastasn = diaxwristis ? kaGrafn : kaTelos;
            break;
        case kaGrafn:
            if (std::binary_search(std::begin(GrafesQt), std::end(GrafesQt), tmnma)) {
                grafn = tmnma;
                katastasn = diaxwristis ? kaPerioxn : kaTelos;
                break;
            }
            [[fallthrough]];  // not a script: a territory
        case kaPerioxn:
            perioxn = tmnma;
            katastasn = kaTelos;
            break;
        case kaTelos: break;
        }
    }
    return katastasn != kaGlwssa;
}

std::string Me(std::string_view s, int (*allagn)(int))
{
    std::string apotelesma(s);
    std::transform(apotelesma.begin(), apotelesma.end(), apotelesma.begin(), [allagn](char c) { return static_cast<char>(allagn(c)); });
    return apotelesma;
}

}  // namespace

char16_t DekadikoDiaxwristiko(std::string_view ovomaTopikou)
{
    std::string_view glwssaOvomatos, grafn, perioxnOvomatos;
    if (!Tmnmata(ovomaTopikou, glwssaOvomatos, grafn, perioxnOvomatos))
        return u'.';
    // Language codes compare in lower case, territory codes in upper case, script codes as written.
    const std::string glwssa = Me(glwssaOvomatos, [](int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    const std::string perioxn = Me(perioxnOvomatos, [](int c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
    const auto g = std::lower_bound(std::begin(Glwsses), std::end(Glwsses), glwssa,
                                    [](const TGlwssa& a, std::string_view k) { return a.kwdikos < k; });
    if (g == std::end(Glwsses) || g->kwdikos != glwssa)
        return u'.';
    char16_t diaxwristiko = g->diaxwristiko;
    // A script the language is written in has its own default; any other script changes nothing.
    const auto gr = std::find_if(std::begin(GrafesGlwsswv), std::end(GrafesGlwsswv),
                                 [&](const TGrafnGlwssas& a) { return a.glwssa == glwssa && a.grafn == grafn; });
    if (grafn.empty() || gr == std::end(GrafesGlwsswv))
        grafn = {};
    else
        diaxwristiko = gr->diaxwristiko;
    if (perioxn.empty())
        return diaxwristiko;
    const auto e = std::lower_bound(std::begin(E3airesis), std::end(E3airesis), std::tuple(std::string_view(glwssa), grafn, std::string_view(perioxn)),
                                    [](const TE3airesn& a, const auto& k) { return std::tuple(a.glwssa, a.grafn, a.perioxn) < k; });
    if (e != std::end(E3airesis) && e->glwssa == glwssa && e->grafn == grafn && e->perioxn == perioxn)
        return e->diaxwristiko;
    return diaxwristiko;
}

char16_t DekadikoDiaxwristikoPeribalontos()
{
    for (const char* metablntn : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const char* timn = std::getenv(metablntn); timn && *timn)
            return DekadikoDiaxwristiko(timn);
    return u'.';
}

}  // namespace kalmira

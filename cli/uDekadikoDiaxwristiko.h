// The decimal separator of the user's locale, for the command-line runner: what Qt's system locale
// gives (as the workbench uses it), found without loading Qt. The runner writes reals with it.
#pragma once

#include <string_view>

namespace kalmira {

// The separator of the locale named by the environment: LC_ALL, else LC_NUMERIC, else LANG, else
// the "C" locale, each taken when set and not empty.
char16_t DekadikoDiaxwristikoPeribalontos();

// The separator that QLocale gives a locale name such as "el_GR.UTF-8": the language code, an
// optional script and territory, then anything from "." or "@" on ignored; names it does not
// know give the "C" locale's ".".
char16_t DekadikoDiaxwristiko(std::string_view ovomaTopikou);

}  // namespace kalmira

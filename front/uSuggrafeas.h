// Who makes the program and where newer versions are found: the about box shows them, and the
// contact line of internal-error messages gives the e-mail address. The only place they are kept.
#pragma once

#include <string_view>

namespace kalmira {

inline constexpr std::u16string_view OvomaSuggrafea = u"Ομάδα ανάπτυξης της Καλμίρας";
inline constexpr std::u16string_view EmailSuggrafea = u"kalmira@merovan.gr";
inline constexpr std::u16string_view IstoselidaSuggrafea = u"https://merovan.gr/kalmira";

}  // namespace kalmira

// Who wrote the program and where newer versions are found: shown in the about box, and the
// only place these addresses are kept.
#pragma once

#include <QStringView>

namespace kalmira {

inline constexpr QStringView OvomaSuggrafea = u"Ομάδα ανάπτυξης της Καλμίρας";
inline constexpr QStringView EmailSuggrafea = u"kalmira@merovan.gr";
inline constexpr QStringView IstoselidaSuggrafea = u"https://merovan.gr/kalmira";

}  // namespace kalmira

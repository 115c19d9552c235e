// The user's regional formats: short date, long time, thousands separator and the collation order.
#pragma once

#include <string>
#include <string_view>

#include "platform/Time.h"

namespace vorlex::platform {

/// Adopts the user's locale from the environment (setlocale(LC_ALL, "")). Call once at start-up.
void InitLocale();

/// The user's regional formats, read once from the current locale.
struct RegionalFormats {
    std::string shortDate;  ///< strftime pattern of the short date (nl_langinfo(D_FMT))
    std::string longTime;   ///< strftime pattern of the long time (nl_langinfo(T_FMT))
    std::string thousands;  ///< thousands separator; may be empty
};

/// The formats of the current locale (read again on each call; cache the result for hot paths).
RegionalFormats CurrentFormats();

/// The date-time text of the program: short date, one blank, long time; the time is left out when the value
/// is exactly midnight (milliseconds do not count).
std::string FormatDateTime(const CivilTime& t, const RegionalFormats& f);

/// The time of day of `t` in the user's long time format (always, midnight included).
std::string FormatTime(const CivilTime& t, const RegionalFormats& f);

/// Groups the decimal digits of `value` in threes with the separator `sep`.
std::string GroupThousands(std::uint64_t value, std::string_view sep);

/// A sort key for `text` in the user's collation order (strxfrm of LC_COLLATE; byte order in C).
std::string CollationKey(std::string_view text);

/// Compares `a` and `b` in the order CollationKey gives (strcoll of LC_COLLATE): negative, zero or positive.
/// Cheaper than two keys when only one comparison is needed, above all for long paths.
int Collate(const std::string& a, const std::string& b);

}  // namespace vorlex::platform

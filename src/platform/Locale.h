// The user's regional formats: short date, long time, thousands separator and the collation order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

/// FormatDateTime for many moments at once, as fast as the patterns allow: the date text is made once per
/// calendar day when the short date pattern reads nothing but the date, and the time text once per second of
/// the day when the long time pattern reads nothing but the time of day; other patterns (a time zone, the
/// seconds since the epoch, a combined date and time) are formatted for each moment. The texts are exactly
/// those of FormatDateTime as long as the locale (LC_TIME) stays the one in force at construction, as it
/// does after InitLocale. Holds about 1.5 MiB of texts at most for the usual patterns. Not thread-safe:
/// one per writer.
class DateTimeFormatter {
  public:
    explicit DateTimeFormatter(RegionalFormats formats);

    /// Appends FormatDateTime(t, formats) to `out`.
    void Append(std::string& out, const CivilTime& t);
    /// FormatDateTime(t, formats).
    std::string Text(const CivilTime& t);

  private:
    struct DaySlot {
        std::int64_t key;
        std::string text;
    };
    /// The time text of one second of the day, kept in place (one memory access for a random second) when
    /// it is short, as the usual ones are; a longer one lives in longTimes_.
    struct SecondSlot {
        std::uint8_t length;  ///< kNotMade, kLong (text holds the index in longTimes_) or the text's length
        char text[15];
    };
    RegionalFormats formats_;
    bool dateByDay_ = false;
    bool timeBySecond_ = false;
    std::vector<DaySlot> days_;        ///< direct-mapped by day, made on first use
    std::vector<SecondSlot> seconds_;  ///< one per second of the day, made on first use
    std::vector<std::string> longTimes_;
};

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

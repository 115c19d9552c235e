#include "platform/Time.h"

#include <algorithm>
#include <ctime>
#include <limits>

namespace vorlex::platform {

CivilTime ToLocalCivil(TimeValue t) {
    time_t secs = static_cast<time_t>(t.sec);
    struct tm tmv {};
    if (localtime_r(&secs, &tmv) == nullptr) {
        return {};
    }
    CivilTime c;
    c.year = tmv.tm_year + 1900;
    c.month = tmv.tm_mon + 1;
    c.day = tmv.tm_mday;
    c.hour = tmv.tm_hour;
    c.minute = tmv.tm_min;
    c.second = tmv.tm_sec;
    c.millisecond = t.nsec / 1000000;
    return c;
}

namespace {

constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerCheck = 6 * kSecondsPerHour;
// Moments further than this from 1970 (about 13,700 years) are left to localtime.
constexpr std::int64_t kCachedDays = 5'000'000;
constexpr std::size_t kDaySlots = 16384;  // 44 years of days without two in one slot
constexpr std::int64_t kNoDay = std::numeric_limits<std::int64_t>::min();

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if (a % b != 0 && (a < 0) != (b < 0)) {
        --q;
    }
    return q;
}

// The calendar fields of `local`, seconds since 1970-01-01 00:00:00 of a clock without leap seconds, in the
// proleptic Gregorian calendar (the days-to-date algorithm of H. Hinnant's chrono date library).
CivilTime CivilFromSeconds(std::int64_t local) {
    const std::int64_t days = FloorDiv(local, kSecondsPerDay);
    const std::int64_t secs = local - days * kSecondsPerDay;
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    CivilTime c;
    c.year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    c.month = static_cast<int>(month);
    c.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    c.hour = static_cast<int>(secs / kSecondsPerHour);
    c.minute = static_cast<int>(secs / 60 % 60);
    c.second = static_cast<int>(secs % 60);
    return c;
}

// The offset from UTC at `sec`, if localtime's fields there are exactly what that offset gives (not so in a
// zone that counts leap seconds).
bool PlainOffsetAt(std::int64_t sec, long& offset) {
    const auto secs = static_cast<time_t>(sec);
    struct tm tmv {};
    if (localtime_r(&secs, &tmv) == nullptr) {
        return false;
    }
    offset = tmv.tm_gmtoff;
    const CivilTime c = CivilFromSeconds(sec + tmv.tm_gmtoff);
    return c.year == tmv.tm_year + 1900 && c.month == tmv.tm_mon + 1 && c.day == tmv.tm_mday &&
           c.hour == tmv.tm_hour && c.minute == tmv.tm_min && c.second == tmv.tm_sec;
}

}  // namespace

CivilTime LocalCivilCache::Convert(TimeValue t) {
    const std::int64_t day = FloorDiv(t.sec, kSecondsPerDay);
    if (day < -kCachedDays || day > kCachedDays) {
        return ToLocalCivil(t);
    }
    if (days_.empty()) {
        days_.assign(kDaySlots, DaySlot{kNoDay, 0, false});
    }
    DaySlot& slot = days_[static_cast<std::uint64_t>(day) % kDaySlots];
    if (slot.day != day) {
        // The offset every six hours and at the last second of the day: time zones change their offset a few
        // times a year, never twice within six hours.
        const std::int64_t first = day * kSecondsPerDay;
        long offset = 0;
        bool uniform = PlainOffsetAt(first, offset);
        for (std::int64_t at = first + kSecondsPerCheck; uniform && at <= first + kSecondsPerDay;
             at += kSecondsPerCheck) {
            long other = 0;
            uniform = PlainOffsetAt(std::min(at, first + kSecondsPerDay - 1), other) && other == offset;
        }
        slot = DaySlot{day, static_cast<std::int32_t>(offset), uniform};
    }
    if (!slot.uniform) {
        return ToLocalCivil(t);
    }
    CivilTime c = CivilFromSeconds(t.sec + slot.offset);
    c.millisecond = t.nsec / 1000000;
    return c;
}

TimeValue SystemClock::Now() const {
    struct timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    return {static_cast<std::int64_t>(ts.tv_sec), static_cast<std::int32_t>(ts.tv_nsec)};
}

}  // namespace vorlex::platform

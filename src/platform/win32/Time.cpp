#include "platform/Time.h"

#include "platform/win32/WinFs.h"

namespace vorlex::platform {

namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kEpochTicks = 116'444'736'000'000'000;  // 1970-01-01 in FILETIME ticks

}  // namespace

CivilTime ToLocalCivil(TimeValue t) {
    // FILETIME covers 1601 to 30828; SystemTimeToTzSpecificLocalTime applies the rule of daylight saving
    // in force in that year.
    constexpr std::int64_t kMinSec = -11'644'473'600;
    constexpr std::int64_t kMaxSec = 910'692'730'085;
    if (t.sec < kMinSec || t.sec > kMaxSec) {
        return {};
    }
    const std::int64_t ticks = (t.sec * kTicksPerSecond) + t.nsec / 100 + kEpochTicks;
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFF);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    SYSTEMTIME utc;
    SYSTEMTIME local;
    if (!FileTimeToSystemTime(&ft, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        return {};
    }
    CivilTime c;
    c.year = local.wYear;
    c.month = local.wMonth;
    c.day = local.wDay;
    c.hour = local.wHour;
    c.minute = local.wMinute;
    c.second = local.wSecond;
    c.millisecond = t.nsec / 1000000;
    return c;
}

// No day cache here: the conversion is a table look-up in the system already.
CivilTime LocalCivilCache::Convert(TimeValue t) {
    return ToLocalCivil(t);
}

TimeValue SystemClock::Now() const {
    FILETIME ft;
    GetSystemTimePreciseAsFileTime(&ft);
    const auto ticks =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    return win::FromFileTime(ticks);
}

}  // namespace vorlex::platform

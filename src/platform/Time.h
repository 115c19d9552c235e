// Points in time, their local calendar form, and the replaceable clock a run reads once.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace vorlex::platform {

/// Length of one day in the calendar and in the age arithmetic: exactly 24 hours.
inline constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

/// A moment as UTC seconds and nanoseconds since 1970-01-01 (nsec in 0..999,999,999).
struct TimeValue {
    std::int64_t sec = 0;
    std::int32_t nsec = 0;

    /// Whole milliseconds since the epoch, rounded toward minus infinity. A moment that 64-bit milliseconds
    /// cannot hold (some file systems store any 64-bit second count) gives the nearer end of their range, so
    /// a far-future time never passes for an old one.
    std::int64_t Millis() const {
        constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 1000;
        if (sec >= kLimit) {
            return std::numeric_limits<std::int64_t>::max();
        }
        if (sec < -kLimit) {
            return std::numeric_limits<std::int64_t>::min();
        }
        return sec * 1000 + nsec / 1000000;
    }
    static TimeValue FromMillis(std::int64_t ms);
    /// This moment moved back by `seconds` (>= 0), stopping at the earliest representable second.
    TimeValue EarlierBy(std::int64_t seconds) const {
        TimeValue t = *this;
        t.sec = sec < std::numeric_limits<std::int64_t>::min() + seconds
                    ? std::numeric_limits<std::int64_t>::min()
                    : sec - seconds;
        return t;
    }
    friend auto operator<=>(const TimeValue&, const TimeValue&) = default;
};

/// A moment broken into local calendar fields.
struct CivilTime {
    int year = 1970;
    int month = 1;  ///< 1..12
    int day = 1;    ///< 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    /// True when hours, minutes and seconds are all zero (milliseconds do not count).
    bool IsMidnight() const { return hour == 0 && minute == 0 && second == 0; }
};

/// Local calendar fields of `t` with the offset from UTC in force at that moment (daylight saving included).
CivilTime ToLocalCivil(TimeValue t);

/// ToLocalCivil for many moments. The offset from UTC is learnt once per UTC day, from the system's time zone
/// at five moments of that day; a day whose offset stays the same throughout is then converted by arithmetic
/// alone. Days where the offset changes (daylight saving starts or ends) and zones that count leap seconds
/// go to ToLocalCivil for every moment. The fields are exactly ToLocalCivil's as long as the time zone
/// stays the one in force when a day was first met. Not thread-safe: one per thread.
class LocalCivilCache {
  public:
    /// ToLocalCivil(t).
    CivilTime Convert(TimeValue t);

  private:
    struct DaySlot {
        std::int64_t day;     ///< days since 1970-01-01 (UTC), or none
        std::int32_t offset;  ///< seconds east of UTC all day long, when `uniform`
        bool uniform;
    };
    std::vector<DaySlot> days_;  ///< direct-mapped by day, made on first use
};

/// The clock a run reads. Production code uses SystemClock; tests put in a fixed one.
class Clock {
  public:
    virtual ~Clock() = default;
    /// The current moment.
    virtual TimeValue Now() const = 0;
};

/// The real-time clock of the system.
class SystemClock final : public Clock {
  public:
    TimeValue Now() const override;
};

/// A clock that always answers the same moment (tests).
class FixedClock final : public Clock {
  public:
    explicit FixedClock(TimeValue t) : t_(t) {}
    TimeValue Now() const override { return t_; }
    void Set(TimeValue t) { t_ = t; }

  private:
    TimeValue t_;
};

/// The clock of the process. The program links the system clock (posix/ProcessClock.cpp, outside the
/// platform library); only the end-to-end test build of the program links a clock that can be moved.
std::shared_ptr<const Clock> ProcessClock();

}  // namespace vorlex::platform

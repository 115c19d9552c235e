// Test helpers for moments: UTC calendar moments and a time zone set for the length of one test.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/Time.h"

namespace vorlex::test {

/// The moment of a UTC calendar date and time.
inline platform::TimeValue Utc(int year, int month, int day, int hour, int minute, int second) {
    struct tm t {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return {static_cast<std::int64_t>(timegm(&t)), 0};
}

/// Sets TZ (and re-reads it) while alive; restores the previous value afterwards.
class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ")) {
            old_ = old;
        }
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (old_) {
            setenv("TZ", old_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

  private:
    std::optional<std::string> old_;
};

}  // namespace vorlex::test

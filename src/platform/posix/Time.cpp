#include "platform/Time.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace vorlex::platform {

TimeValue TimeValue::FromMillis(std::int64_t ms) {
    std::int64_t sec = ms / 1000;
    std::int64_t rem = ms % 1000;
    if (rem < 0) {
        rem += 1000;
        --sec;
    }
    return {sec, static_cast<std::int32_t>(rem * 1000000)};
}

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

TimeValue SystemClock::Now() const {
    struct timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    return {static_cast<std::int64_t>(ts.tv_sec), static_cast<std::int32_t>(ts.tv_nsec)};
}

namespace {

class ShiftedClock final : public Clock {
  public:
    explicit ShiftedClock(std::int64_t shift) : shift_(shift) {}
    TimeValue Now() const override {
        TimeValue t = SystemClock().Now();
        t.sec += shift_;
        return t;
    }

  private:
    std::int64_t shift_;
};

}  // namespace

std::shared_ptr<const Clock> ProcessClock() {
    if (const char* s = std::getenv("VORLEX_CLOCK_SHIFT"); s != nullptr && *s != '\0') {
        char* end = nullptr;
        long long shift = std::strtoll(s, &end, 10);
        if (end != nullptr && *end == '\0') {
            return std::make_shared<ShiftedClock>(shift);
        }
    }
    return std::make_shared<SystemClock>();
}

}  // namespace vorlex::platform

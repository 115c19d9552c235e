// The clock of the end-to-end test build of the program (and of the timing tools): the system clock moved by
// the whole seconds in VORLEX_CLOCK_SHIFT, so that a run can come "later" than files a test made a moment
// ago. Linked in place of src/platform/posix/ProcessClock.cpp; never part of the program a user runs.
#include <cstdint>
#include <cstdlib>

#include "platform/Environment.h"
#include "platform/Time.h"

namespace vorlex::platform {

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
    if (const auto s = EnvironmentValue("VORLEX_CLOCK_SHIFT"); s && !s->empty()) {
        char* end = nullptr;
        long long shift = std::strtoll(s->c_str(), &end, 10);
        if (end != nullptr && *end == '\0') {
            return std::make_shared<ShiftedClock>(shift);
        }
    }
    return std::make_shared<SystemClock>();
}

}  // namespace vorlex::platform

// The clock of the program: the system's real-time clock, which nothing in the environment can move.
#include "platform/Time.h"

namespace vorlex::platform {

std::shared_ptr<const Clock> ProcessClock() {
    return std::make_shared<SystemClock>();
}

}  // namespace vorlex::platform

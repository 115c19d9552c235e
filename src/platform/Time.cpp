#include "platform/Time.h"

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

}  // namespace vorlex::platform

#include "scan/Criteria.h"

#include <cmath>

namespace vorlex::scan {

const char* RegExTargetCaption(RegExTarget target) {
    switch (target) {
        case RegExTarget::PathAndFile:
            return "Path + File";
        case RegExTarget::PathOnly:
            return "Path Only";
        case RegExTarget::FileOnly:
            return "File Only";
    }
    return "";
}

std::optional<RegExTarget> RegExTargetFromIndex(int index) {
    if (index < 0 || index > 2) {
        return std::nullopt;
    }
    return static_cast<RegExTarget>(index);
}

std::optional<int> DaysFromNumber(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double whole = std::trunc(value);
    if (whole < 0 || whole > kMaxDaysOld) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

platform::TimeValue AgeCutOff(platform::TimeValue scanStart, int days) {
    scanStart.sec -= static_cast<std::int64_t>(days) * platform::kSecondsPerDay;
    return scanStart;
}

void SearchCriteria::StartRun(const platform::Clock& clock) {
    ScanStartTime = platform::TimeValue::FromMillis(clock.Now().Millis());
    CutOffTime = AgeCutOff(ScanStartTime, days);
}

std::string SearchCriteria::Validate() const {
    if (days < 0 || days > kMaxDaysOld) {
        return "The number of days must be between 0 and " + std::to_string(kMaxDaysOld);
    }
    if (!RegExTargetFromIndex(static_cast<int>(target))) {
        return "The expression target must be 0, 1 or 2";
    }
    return {};
}

}  // namespace vorlex::scan

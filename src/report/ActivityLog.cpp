#include "report/ActivityLog.h"

namespace vorlex::report {

std::string LogTimestamp(platform::TimeValue now, const platform::RegionalFormats& formats) {
    return platform::FormatDateTime(platform::ToLocalCivil(now), formats);
}

}  // namespace vorlex::report

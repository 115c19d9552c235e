// The lines of the system-information dump in the exception report.
#pragma once

#include <string>
#include <vector>

#include "platform/Locale.h"
#include "platform/SystemInfo.h"

namespace vorlex::report {

/// The 27 lines "LogSystemInfo ..." (label directly followed by the value), in report order.
std::vector<std::string> SystemDumpLines(const platform::SystemInfo& info, const std::string& versionText,
                                         const platform::RegionalFormats& formats);

}  // namespace vorlex::report

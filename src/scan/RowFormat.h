// Cell texts of a result row, formatted on demand.
#pragma once

#include <string>

#include "platform/Locale.h"
#include "platform/Time.h"
#include "scan/ResultRow.h"

namespace vorlex::scan {

/// The text of `column` for `row`, with the scan's start time for the age and the user's formats.
std::string CellText(const ResultRow& row, Column column, platform::TimeValue scanStart,
                     const platform::RegionalFormats& formats);

}  // namespace vorlex::scan

#include "scan/RowFormat.h"

#include <cstdlib>

namespace vorlex::scan {

std::string CellText(const ResultRow& row, Column column, platform::TimeValue scanStart,
                     const platform::RegionalFormats& formats) {
    switch (column) {
        case Column::File:
            return row.path;
        case Column::Created:
            return platform::FormatDateTime(platform::ToLocalCivil(row.created), formats);
        case Column::Modified:
            return platform::FormatDateTime(platform::ToLocalCivil(row.modified), formats);
        case Column::Accessed:
            return platform::FormatDateTime(platform::ToLocalCivil(row.accessed), formats);
        case Column::AgeDays:
            return std::to_string(std::llabs(scanStart.Millis() - row.created.Millis()) / 86400000);
        case Column::SizeKB:
            return std::to_string(row.size);
        case Column::Status:
            return StatusText(row.status);
        case Column::Count:
            break;
    }
    return {};
}

}  // namespace vorlex::scan

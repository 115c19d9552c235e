// Cell texts of result rows, made on demand, and the on-screen form of raw names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Locale.h"
#include "platform/Time.h"
#include "scan/ResultRow.h"

namespace vorlex::scan {

/// `raw` (bytes of a path or name) as valid UTF-8 for display: every byte that is not part of a
/// well-formed UTF-8 sequence becomes U+FFFD. Valid text comes back unchanged.
std::string DisplayText(std::string_view raw);

/// Appends DisplayText(raw) to `out` (no allocation beyond the growth of `out`).
void AppendDisplayText(std::string& out, std::string_view raw);

/// The Size (KB) text of a byte count: 0 gives "0"; 1 to 1023 give "1"; from 1024 on the count divided by
/// 1024, rounded to a whole number with halves away from zero, its digits grouped in threes with
/// `thousands` (1536 gives "2"; 5,000,000,000 gives "4,882,813" with ","). Exact for every 64-bit count.
std::string FormatSizeKB(std::uint64_t bytes, std::string_view thousands);

/// Age (Days): whole days between `created` and `scanStart`, in either direction, truncated toward zero.
/// Both are taken in whole milliseconds, as the run's moments are.
std::int64_t AgeDays(platform::TimeValue created, platform::TimeValue scanStart);

/// Makes the cell texts of result rows with one set of regional formats and the run's start moment.
///
/// Date-time texts are the user's short date, one blank and the user's long time, with the blank and the
/// time left out at exactly midnight. The local calendar fields come from platform::ToLocalCivil, which on
/// Linux applies the offset from UTC in force at that moment (daylight saving of that date included), so
/// a file's time reads the same whatever the season of the run.
class RowFormatter {
  public:
    /// `formats` is read once by the caller (platform::CurrentFormats) and kept for all rows.
    RowFormatter(platform::RegionalFormats formats, platform::TimeValue scanStartTime);

    /// The date-time text of a moment.
    std::string DateTimeText(platform::TimeValue t) const;
    /// Appends DateTimeText(t) to `out`, made through `cache` (built on Formats()), for many moments in a
    /// row.
    void AppendDateTimeText(std::string& out, platform::TimeValue t,
                            platform::DateTimeFormatter& cache) const;
    /// The text of one cell. The File cell is the path in display form (DisplayText).
    std::string CellText(const ResultRow& row, Column column) const;
    /// The formats in use.
    const platform::RegionalFormats& Formats() const { return formats_; }
    /// The run's start moment that ages are counted from.
    platform::TimeValue ScanStartTime() const { return scanStart_; }

  private:
    platform::RegionalFormats formats_;
    platform::TimeValue scanStart_;
};

}  // namespace vorlex::scan

// Cell texts of result rows, made on demand, the on-screen form of raw names, and the final row order.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

/// The positions of `rows` in ascending order of their File text in the user's collation (the order of
/// platform::CollationKey), rows with equal keys in their present order. Reads `rows` only, so the list may
/// be shown meanwhile; large lists are sorted in two halves on two threads and merged. Returns nothing as
/// soon as `cancel` (checked every few thousand comparisons) is true.
std::optional<std::vector<std::size_t>> SortOrder(const std::vector<ResultRow>& rows,
                                                  platform::Collator& collator,
                                                  const std::atomic<bool>* cancel = nullptr);

/// Rearranges `rows` in place so that row i is the former row order[i]; `order` is a permutation of the
/// positions (as SortOrder gives). Rows are swapped, so every element is a whole row at any time;
/// `between`, when set, is called every few thousand swaps.
void ApplyOrder(std::vector<ResultRow>& rows, std::vector<std::size_t> order,
                const std::function<void()>& between = {});

/// Puts `rows` in ascending order of their File text in the user's collation, keeping rows with equal keys
/// in their present order (SortOrder, then ApplyOrder).
void SortRows(std::vector<ResultRow>& rows);

/// The order (for ApplyOrder) that merges `rows[0, tail)`, already in order, with the rows after them, which
/// need not be: those are sorted among themselves and each placed after the earlier rows of equal key.
/// Reads `rows` only.
std::vector<std::size_t> MergeOrder(const std::vector<ResultRow>& rows, std::size_t tail,
                                    platform::Collator& collator);

/// A merge (as MergeOrder) whose rows already in order are checked against the collator's table ahead of
/// time, for instance beside other work, so that the merge itself checks only the rows added after them.
class MergeBase {
  public:
    /// Nothing prepared yet. The collator of its own, for the LC_COLLATE of the time, is made by the first
    /// Prepare or Order.
    MergeBase();
    ~MergeBase();
    MergeBase(const MergeBase&) = delete;
    MergeBase& operator=(const MergeBase&) = delete;

    /// Checks the File texts of `rows`, which are in order. Reads nothing else of them, so it may run on
    /// another thread while their other fields (Status) change; nothing may add, remove or reorder rows
    /// until it returns. Returns false, leaving nothing prepared, as soon as `cancel` (looked at every few
    /// thousand rows) is true.
    bool Prepare(const std::vector<ResultRow>& rows, const std::atomic<bool>* cancel = nullptr);

    /// The order (for ApplyOrder) that merges the rows Prepare was given, the first ones of `rows` (their
    /// File texts unchanged), with the rows added after them: MergeOrder(rows, prepared count). Without a
    /// complete Prepare the earlier rows are checked now. Uses up the preparation.
    std::vector<std::size_t> Order(const std::vector<ResultRow>& rows);

  private:
    std::unique_ptr<platform::Collator> collator_;
    std::vector<std::uint8_t> checked_;  ///< per prepared row: compared from the table
    std::size_t admitted_ = 0;           ///< rows compared from the table so far
    bool ready_ = false;
};

}  // namespace vorlex::scan

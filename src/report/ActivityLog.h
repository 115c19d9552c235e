// The activity log model: timestamped, coloured lines kept apart from any widget.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/LogSink.h"
#include "platform/Locale.h"
#include "platform/Time.h"

namespace vorlex::report {

/// One line of the activity log.
struct LogEntry {
    std::string
        timestamp;        ///< date-time text, shown in black, regular, followed by one blank; empty for plain
    std::string message;  ///< UTF-8; may hold line feeds
    base::LogColour colour = base::kBlack;
    base::LogStyle style = base::LogStyle::Regular;
    bool plain = false;  ///< a line without timestamp (stack dumps)
};

/// The whole log of a run. Views show it; the RTF writer saves it.
class ActivityLog {
  public:
    /// Appends a line.
    void Append(LogEntry entry) { entries_.push_back(std::move(entry)); }
    /// Removes every line; views notice through Generation().
    void Clear() {
        entries_.clear();
        ++generation_;
    }
    /// The lines, oldest first.
    const std::vector<LogEntry>& Entries() const { return entries_; }
    /// Counts the clears, so a view that shows a prefix of the lines knows when to start over.
    std::uint64_t Generation() const { return generation_; }

  private:
    std::vector<LogEntry> entries_;
    std::uint64_t generation_ = 0;
};

/// The timestamp of a log line written at `now`: the user's date-time text, date alone at exact midnight.
std::string LogTimestamp(platform::TimeValue now, const platform::RegionalFormats& formats);

}  // namespace vorlex::report

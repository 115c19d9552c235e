// What the clean-up passes need from the program around them: log, stop flag, keep-alive, counters, rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/LogSink.h"
#include "scan/ResultRow.h"
#include "scan/ScanWalk.h"

namespace vorlex::cleanup {

/// The run counters of the program, unsigned 64-bit, zeroed by the scan run at its start.
struct RunCounters {
    std::uint64_t filesFound = 0;        ///< `FilesFound`
    std::uint64_t filesMatched = 0;      ///< `FilesMatched` (directory rows of the clean-up count too)
    std::uint64_t filesDeleted = 0;      ///< `FilesDeleted`
    std::uint64_t emptyDirsDeleted = 0;  ///< `EmptyDirsDeleted`
    std::uint64_t filesTrashed = 0;      ///< files moved to the trash
    std::uint64_t filesKeptNoTrash = 0;  ///< files kept because their file system has no usable trash
};

/// How a clean-up pass ended.
enum class PassOutcome : std::uint8_t {
    Completed,       ///< every row was handled
    Stopped,         ///< Stop was seen before a row: the host calls StopNow("Aborted by user.") and
                     ///< skips everything that would follow the pass (no count line was written)
    OutOfResources,  ///< the inventory ran out of memory ("RESOURCE ERROR: Too many directories." is
                     ///< logged): the host shows the box and abandons the run
    RootChanged,     ///< the start folder is no longer the folder the scan walked, is gone or cannot be
                     ///< opened: nothing was removed; the red line saying so is logged, and the host
                     ///< reports the run as not done (an unattended run ends with 1)
};

/// The identity of the start folder as the scan walked it: the passes work below that very directory.
struct TreeRootIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};

/// The host of the clean-up passes (the program's controller): besides the walk's needs (log sink, stop flag,
/// keep-alive) it owns the counters and the result list. It runs DeleteFiles, then (unless
/// `DoNotDeleteEmptyDirs`) DeleteEmptyDirs, then saves the log and rewrites the CSV file.
class CleanupHost : public scan::WalkHost {
  public:
    /// The program's run counters.
    virtual RunCounters& Counters() = 0;
    /// Row `index` of the rows handed to DeleteFiles got its final Status (redisplay it).
    virtual void RowChanged(std::size_t index) = 0;
    /// Adds a directory row (Status already set) to the result list; the host puts the list back in the
    /// order of the File text when the pass is over.
    virtual void AddResultRow(scan::ResultRow row) = 0;
    /// A pass could not do its work at all (`message` says why, possibly on two lines): it is logged in
    /// red bold; the program also shows it and reports the run as not done.
    virtual void PassFailed(const std::string& message) {
        Log().WriteLog(message, base::kRed, base::LogStyle::Bold);
    }
};

}  // namespace vorlex::cleanup

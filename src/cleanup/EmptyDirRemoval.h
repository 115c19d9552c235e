// The empty-directory pass: inventory of the tree, then removal of its empty old directories, deepest first.
#pragma once

#include <optional>
#include <string>

#include "cleanup/CleanupHost.h"
#include "platform/Time.h"
#include "scan/ScanWalk.h"

namespace vorlex::cleanup {

/// What the empty-directory pass works from.
struct EmptyDirRequest {
    std::string root;                   ///< the current text of DrivePathEdit
    platform::TimeValue scanStartTime;  ///< `ScanStartTime` of the last scan
    int days = 0;                       ///< the current value of DaysOldEdit, fraction cut off
    /// When `root` names the folder the last scan walked: that folder's identity, which the directory
    /// opened now must still have. Empty when the user chose another folder since the scan.
    std::optional<TreeRootIdentity> scannedRoot;
};

/// Seconds by which a directory's last-write time is moved back before the age test, so that a
/// directory written just after the scan started (by the deletion of its files) can still count as old.
inline constexpr std::int64_t kDirectoryModifiedSlackSeconds = 61;

/// `DeleteEmptyDirs`: logs "Deleting empty directories..." (black, bold), opens `request.root` once (links
/// in the path itself followed, as typed) and, when `scannedRoot` is given, checks it is still that folder:
/// otherwise, or when it cannot be opened, it logs why in red bold and ends with RootChanged, removing
/// nothing. It fills `dirList` by scan::ListDirectoriesAt below that open directory (the root itself is
/// never a candidate) and works through it
/// from the last row to the first (deepest first). For each directory: debug "Checking directory " + path;
/// the emptiness test (every entry counts; one that cannot be read is not empty); its own times; the
/// last-write time moved back by 61 seconds; the debug lines "Created:  ", "Modified: ", "Before:   ";
/// old when created and moved last-write time are both at or before the cut-off (`scanStartTime` less
/// `days` days). An old empty directory adds 1 to FilesMatched and gets a result row (path + '/', its
/// times, size 0) with "Dir Deleted" (EmptyDirsDeleted + 1, "Deleted empty directory: " + path) or
/// "Dir NOT Deleted" ("ERROR: Could not delete empty directory: " + path and "REASON: " + reason, red bold).
/// The removal itself reaches the directory from that same open root without links and checks that it is
/// still the listed directory, still old and (by rmdir) still empty; nothing is chmod-ed. No stop check. Ends
/// with EmptyDirsDeleted + " empty directories deleted.".
PassOutcome DeleteEmptyDirs(const EmptyDirRequest& request, scan::DirListBox& dirList, CleanupHost& host);

}  // namespace vorlex::cleanup

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

/// `DeleteEmptyDirs`: opens `request.root` once (RootChanged, nothing removed, when it cannot be opened or is
/// no longer `scannedRoot`), lists the directories below it (the root is never a candidate) and, deepest
/// first, removes each one that is empty and old (created and last-write time less the slack both at or
/// before `scanStartTime` less `days`), with a "Dir Deleted" / "Dir NOT Deleted" row for each. Each is
/// reached from the open root without following links and must still be the listed directory; no stop check.
PassOutcome DeleteEmptyDirs(const EmptyDirRequest& request, scan::DirListBox& dirList, CleanupHost& host);

}  // namespace vorlex::cleanup

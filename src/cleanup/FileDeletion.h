// The deletion pass over the listed files: one checked removal per result row, its Status and log lines.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "cleanup/CleanupHost.h"
#include "cleanup/OwnFiles.h"
#include "platform/Time.h"
#include "scan/ResultRow.h"

namespace vorlex::cleanup {

/// What the deletion pass works from, all taken from the last scan except the switch.
struct FileDeletionRequest {
    std::string scanRoot;               ///< the start path of the scan that listed the rows, as it was given
    platform::TimeValue cutOffTime;     ///< that scan's `CutOffTime`: a file changed since is kept
    bool doNotDeleteEmptyDirs = false;  ///< `DoNotDeleteEmptyDirs` (only for its notice line here)
    /// The identity of the folder that scan walked: the start folder opened now must still be it.
    std::optional<TreeRootIdentity> scannedRoot;
    /// The program's own files, kept whatever the rows say (none when null).
    const OwnFiles* ownFiles = nullptr;
};

/// `DeleteFiles`, the engine's part: logs "Deleting files..." (black, bold) and, when the switch is set,
/// "Empty directories will not be deleted." (blue); then for each row in order: if StopRequested, returns
/// Stopped at once; otherwise removes the row's file after looking it up again from the scan's root
/// without following links (it must still be the listed file, by the row's device, inode, type and, where
/// the file system has birth times, its created time, and still be old by `cutOffTime`; nothing is
/// chmod-ed, so read-only files go too). Success: debug "Deleted File: " +
/// path, FilesDeleted + 1, Status "Deleted". Otherwise: "Could not delete " + path and "Reason: " + the
/// reason (the errno of the failed removal, or why the file was kept), both red, Status "NOT Deleted".
/// After each row: RowChanged and KeepAlive. At the end: FilesDeleted + " files deleted." (black).
/// Directory rows and the program's own files are never removed here. The start folder is opened once;
/// when it is gone, cannot be opened or is no longer `scannedRoot`, the host is told why (PassFailed),
/// every row is kept ("NOT Deleted" with the reason) and the pass ends with RootChanged.
PassOutcome DeleteFiles(std::span<scan::ResultRow> rows, const FileDeletionRequest& request,
                        CleanupHost& host);

}  // namespace vorlex::cleanup

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
    bool moveToTrash = false;  ///< move each file into the trash of its file system instead of deleting it
    /// With `moveToTrash`: delete a file whose file system has no usable trash instead of keeping it.
    bool deleteWhereNoTrash = false;
};

/// `DeleteFiles`: removes the file of each row in order ("Deleted" / "NOT Deleted" with the reason), each
/// looked up again from the scan's root without following links; it must still be the listed file (device,
/// inode, type, birth time where there is one) and still be old by `cutOffTime`. Stopped as soon as Stop is
/// seen; directory rows and the program's own files are never removed. When the start folder is gone or is
/// no longer `scannedRoot`, the host is told (PassFailed), every row is kept and the pass ends RootChanged.
/// With `moveToTrash` each file is moved into the trash after the same checks ("Trashed"); one on a file
/// system without a usable trash is kept ("NOT Trashed ...") unless `deleteWhereNoTrash`.
PassOutcome DeleteFiles(std::span<scan::ResultRow> rows, const FileDeletionRequest& request,
                        CleanupHost& host);

}  // namespace vorlex::cleanup

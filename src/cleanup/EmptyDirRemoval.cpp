#include "cleanup/EmptyDirRemoval.h"

#include <string>

#include "cleanup/ListedRemoval.h"
#include "platform/DirWalk.h"
#include "platform/Errors.h"
#include "platform/Locale.h"
#include "platform/SafeRemove.h"
#include "scan/Criteria.h"

namespace vorlex::cleanup {

using base::kBlack;
using base::kRed;
using base::LogStyle;

namespace {}  // namespace

PassOutcome DeleteEmptyDirs(const EmptyDirRequest& request, scan::DirListBox& dirList, CleanupHost& host) {
    base::LogSink& log = host.Log();
    log.WriteLog("Deleting empty directories...", kBlack, LogStyle::Bold);
    dirList.clear();
    // The one open of the start folder: the inventory and every removal work below this descriptor, so a
    // folder swapped for a link or a mount after this point is never reached.
    const std::string rootPrefix = platform::NormalizeDirectoryPath(request.root);
    platform::DirHandle root;
    if (OpenCheckedRoot(rootPrefix, request.scannedRoot, root, host) != 0) {
        return PassOutcome::RootChanged;
    }
    const scan::InventoryOutcome inventory = scan::ListDirectoriesAt(root.Fd(), rootPrefix, host, dirList);
    if (inventory == scan::InventoryOutcome::OutOfResources) {
        return PassOutcome::OutOfResources;
    }
    if (inventory == scan::InventoryOutcome::RootRemoved) {
        host.PassFailed(RootGoneText(rootPrefix));
        return PassOutcome::RootChanged;
    }

    const platform::TimeValue cutOff = scan::AgeCutOff(request.scanStartTime, request.days);
    const platform::AgeRule age{cutOff, kDirectoryModifiedSlackSeconds};
    const bool debug = log.DebugMode();
    const platform::RegionalFormats formats =
        debug ? platform::CurrentFormats() : platform::RegionalFormats{};
    auto timeText = [&formats](platform::TimeValue t) {
        return platform::FormatDateTime(platform::ToLocalCivil(t), formats);
    };
    RunCounters& counters = host.Counters();
    // Descriptors that hold no lock, or whose directory is gone, are closed beside the next checks.
    platform::DescriptorCloser closer;

    for (auto it = dirList.rbegin(); it != dirList.rend(); ++it) {
        const std::string& path = it->directory;
        if (debug) {
            log.WriteDebugLog("Checking directory " + path);
        }
        std::string_view relativeDir;
        std::string_view name;
        platform::DirHandle parent;
        // The directory is opened once: its entries are counted, its facts read and its lock taken through
        // that one descriptor.
        platform::DirHandle dir;
        struct CloseBeside {  // however the checks end; a directory still locked is closed by its owner first
            platform::DescriptorCloser& closer;
            platform::DirHandle& parent;
            platform::DirHandle& dir;
            ~CloseBeside() {
                closer.Close(std::move(dir));
                closer.Close(std::move(parent));
            }
        } closeBeside{closer, parent, dir};
        std::size_t count = 0;
        const bool empty = SplitBelowRoot(rootPrefix, path, relativeDir, name) &&
                           platform::OpenBeneath(root, relativeDir, parent) == 0 &&
                           platform::OpenDirectoryAt(parent, name, dir) == 0 &&
                           platform::CountEntries(dir, 1, count) == 0 && count == 0;
        if (!empty) {
            if (debug) {
                log.WriteDebugLog("Directory is NOT empty.");
            }
            continue;
        }
        if (debug) {
            log.WriteDebugLog("Directory is empty.");
        }
        platform::EntryFacts facts;
        if (int err = platform::StatHandle(dir, facts); err != 0) {
            if (debug) {
                log.WriteDebugLog("Directory cannot be read: " + platform::ErrorText(err));
            }
            continue;
        }
        platform::TimeValue modified = facts.modified.EarlierBy(kDirectoryModifiedSlackSeconds);
        if (debug) {
            log.WriteDebugLog("Created:  " + timeText(facts.created));
            log.WriteDebugLog("Modified: " + timeText(modified));
            log.WriteDebugLog("Before:   " + timeText(cutOff));
        }
        if (!platform::IsOldEnough(facts, age)) {
            if (debug) {
                log.WriteDebugLog("Directory is NOT old.");
            }
            continue;
        }
        if (debug) {
            log.WriteDebugLog("Directory is old.");
        }
        ++counters.filesMatched;

        scan::ResultRow row;
        row.path = path + "/";
        row.created = facts.created;
        row.modified = modified;
        row.accessed = facts.accessed;
        row.size = 0;
        row.device = it->device;
        row.inode = it->inode;
        // The facts of a descriptor opened as a directory: its type is a directory's.
        row.fileType = facts.fileType;
        row.kind = facts.kind;
        // Still the directory the inventory listed, still old, and (rmdir) still empty.
        const platform::RemoveResult result = platform::RemoveOpenedDirIfUnchanged(
            parent, name, dir, facts, {it->device, it->inode, facts.fileType, it->created, true}, age);
        if (result.status == platform::RemoveStatus::Removed) {
            ++counters.emptyDirsDeleted;
            log.WriteLog("Deleted empty directory: " + path, kBlack, LogStyle::Regular);
            row.status = scan::RowStatus::DirDeleted;
        } else {
            dir = platform::DirHandle();  // a directory that stays is unlocked at once
            const Removal removal = RemovalOf(result);
            log.WriteLog("ERROR: Could not delete empty directory: " + path, kRed, LogStyle::Bold);
            log.WriteLog("REASON: " + RemovalReasonText(removal, true), kRed, LogStyle::Bold);
            row.status = scan::RowStatus::DirNotDeleted;
        }
        host.AddResultRow(std::move(row));
    }
    log.WriteLog(std::to_string(counters.emptyDirsDeleted) + " empty directories deleted.", kBlack,
                 LogStyle::Regular);
    return PassOutcome::Completed;
}

}  // namespace vorlex::cleanup

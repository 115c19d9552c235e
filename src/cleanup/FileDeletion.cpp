#include "cleanup/FileDeletion.h"

#include <cerrno>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "cleanup/ListedRemoval.h"
#include "platform/DirWalk.h"
#include "platform/Errors.h"
#include "platform/SafeRemove.h"
#include "platform/Trash.h"

namespace vorlex::cleanup {

using base::kBlack;
using base::kBlue;
using base::kRed;
using base::LogStyle;

PassOutcome DeleteFiles(std::span<scan::ResultRow> rows, const FileDeletionRequest& request,
                        CleanupHost& host) {
    base::LogSink& log = host.Log();
    log.WriteLog("Deleting files...", kBlack, LogStyle::Bold);
    if (request.doNotDeleteEmptyDirs) {
        log.WriteLog("Empty directories will not be deleted.", kBlue, LogStyle::Regular);
    }
    const std::string rootPrefix = platform::NormalizeDirectoryPath(request.scanRoot);
    platform::DirHandle root;
    // A start folder that is gone or another one now keeps every row, each with the reason.
    const int rootError = OpenCheckedRoot(rootPrefix, request.scannedRoot, root, host);
    const Removal rootRefusal = rootError == ESTALE ? Removal{RemovalVerdict::PathChanged, 0}
                                                    : Removal{RemovalVerdict::Failed, rootError};
    const platform::AgeRule age{request.cutOffTime, 0};
    RunCounters& counters = host.Counters();
    // The descriptors of the parents and of the removed files are closed beside the next removals: the
    // freeing of a removed file's pages and inode is the costliest part of its removal.
    platform::DescriptorCloser closer;
    // Files of which this pass removed one hard link: that removal moved their status-change time.
    std::set<std::pair<std::uint64_t, std::uint64_t>> linksRemoved;
    std::optional<platform::TrashCans> trash;
    if (request.moveToTrash) {
        trash.emplace();
        log.WriteLog(request.deleteWhereNoTrash
                         ? "Files are moved to the trash; where there is none, they are deleted."
                         : "Files are moved to the trash; where there is none, they are kept.",
                     kBlue, LogStyle::Regular);
    }

    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (host.StopRequested()) {
            return PassOutcome::Stopped;
        }
        scan::ResultRow& row = rows[i];
        Removal removal;
        bool trashed = false;
        bool noTrash = false;
        bool deleting = !request.moveToTrash;
        if (row.kind == platform::EntryKind::Directory) {
            removal = {RemovalVerdict::Failed, EISDIR};
        } else if (rootError != 0) {
            removal = rootRefusal;
        } else if (request.ownFiles != nullptr && request.ownFiles->Holds(row)) {
            removal = {RemovalVerdict::OwnFile, 0};
        } else {
            platform::EntryIdentity expected{row.device, row.inode, row.fileType,    row.created,
                                             true,       row.size,  row.changeStamp, true};
            if (!linksRemoved.empty() && linksRemoved.count({row.device, row.inode}) != 0) {
                expected.changeStamp = platform::kAnyChangeStamp;
            }
            platform::EntryFacts seen;
            if (trash) {
                removal = TrashListed(root, rootPrefix, row.path, expected, age, *trash, &seen, &closer);
                trashed = removal.verdict == RemovalVerdict::Removed;
                noTrash =
                    removal.verdict == RemovalVerdict::Failed && removal.error == platform::kErrorNoTrash;
            }
            if (!trash || (noTrash && request.deleteWhereNoTrash)) {
                // Deleted instead: a failure is then the deletion's, not the missing trash.
                noTrash = false;
                deleting = true;
                removal = RemoveListed(root, rootPrefix, row.path, expected, age, &seen, &closer);
            }
            // A move changes the status-change time of the other names as a removal does.
            if (removal.verdict == RemovalVerdict::Removed && seen.links > 1) {
                linksRemoved.insert({row.device, row.inode});
            }
        }
        if (trashed) {
            log.WriteLog("Moved to trash: " + row.path, kBlack, LogStyle::Regular);
            ++counters.filesTrashed;
            row.status = scan::RowStatus::Trashed;
        } else if (removal.verdict == RemovalVerdict::Removed) {
            if (log.DebugMode()) {
                log.WriteDebugLog("Deleted File: " + row.path);
            }
            ++counters.filesDeleted;
            row.status = scan::RowStatus::Deleted;
        } else {
            log.WriteLog((deleting ? "Could not delete " : "Could not move to trash ") + row.path, kRed,
                         LogStyle::Regular);
            log.WriteLog("Reason: " + RemovalReasonText(removal, false), kRed, LogStyle::Regular);
            row.status = noTrash ? scan::RowStatus::NoTrash : scan::RowStatus::NotDeleted;
            counters.filesKeptNoTrash += noTrash ? 1 : 0;
        }
        host.RowChanged(i);
        host.KeepAlive();
    }
    log.WriteLog(std::to_string(counters.filesDeleted) + " files deleted.", kBlack, LogStyle::Regular);
    if (trash) {
        log.WriteLog(std::to_string(counters.filesTrashed) + " files moved to trash.", kBlack,
                     LogStyle::Regular);
        if (counters.filesKeptNoTrash > 0) {
            log.WriteLog(std::to_string(counters.filesKeptNoTrash) +
                             " files kept: no trash on their file system (switch /TRASHORDELETE, or "
                             "TrashOrDelete=1 in Vorlex.ini, deletes them instead).",
                         kRed, LogStyle::Regular);
        }
    }
    return rootError != 0 ? PassOutcome::RootChanged : PassOutcome::Completed;
}

}  // namespace vorlex::cleanup

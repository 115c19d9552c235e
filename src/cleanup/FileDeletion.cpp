#include "cleanup/FileDeletion.h"

#include <cerrno>
#include <set>
#include <string>
#include <utility>

#include "cleanup/ListedRemoval.h"
#include "platform/DirWalk.h"
#include "platform/SafeRemove.h"

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

    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (host.StopRequested()) {
            return PassOutcome::Stopped;
        }
        scan::ResultRow& row = rows[i];
        Removal removal;
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
            removal = RemoveListed(root, rootPrefix, row.path, expected, age, &seen, &closer);
            if (removal.verdict == RemovalVerdict::Removed && seen.links > 1) {
                linksRemoved.insert({row.device, row.inode});
            }
        }
        if (removal.verdict == RemovalVerdict::Removed) {
            if (log.DebugMode()) {
                log.WriteDebugLog("Deleted File: " + row.path);
            }
            ++counters.filesDeleted;
            row.status = scan::RowStatus::Deleted;
        } else {
            log.WriteLog("Could not delete " + row.path, kRed, LogStyle::Regular);
            log.WriteLog("Reason: " + RemovalReasonText(removal, false), kRed, LogStyle::Regular);
            row.status = scan::RowStatus::NotDeleted;
        }
        host.RowChanged(i);
        host.KeepAlive();
    }
    log.WriteLog(std::to_string(counters.filesDeleted) + " files deleted.", kBlack, LogStyle::Regular);
    return rootError != 0 ? PassOutcome::RootChanged : PassOutcome::Completed;
}

}  // namespace vorlex::cleanup

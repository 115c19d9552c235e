#include "app/Controller.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <new>
#include <optional>
#include <stdexcept>
#include <thread>

#include "app/Version.h"
#include "cleanup/EmptyDirRemoval.h"
#include "cleanup/FileDeletion.h"
#include "cleanup/OwnFiles.h"
#include "config/Validation.h"
#include "platform/DirWalk.h"
#include "platform/Memory.h"
#include "platform/Paths.h"
#include "platform/Worker.h"
#include "report/CsvWriter.h"
#include "scan/Criteria.h"
#include "scan/Matcher.h"

namespace vorlex::app {

using base::LogStyle;

bool Controller::OutputFilesFree(bool showBox) {
    const std::string text = files_.HeldFileMessage();
    if (text.empty()) {
        return true;
    }
    WriteLog(text, base::kRed, LogStyle::Bold);
    if (showBox) {
        Message m;
        m.text = text;
        view_.ShowMessage(m);
    }
    return false;
}

void Controller::SetBusy(bool busy) {
    busy_ = busy;
    view_.BusyChanged(busy);
}

void Controller::ResourceError(const std::string& message) {
    WriteLog(message, base::kRed, LogStyle::Bold);
    Message m;
    m.text = message;
    view_.ShowMessage(m);
    SetBusy(false);
    view_.RowsChanged();
    if (!interactive_) {
        ExitProgram(1);
    }
    throw SilentAbort{};
}

void Controller::WriteCsv() {
    const std::string path = env_.programPath + kCsvFileName;
    // Written beside the window: the rows are only read, and the final flush to disk is one long call.
    const int code =
        Aside([&](const std::atomic<bool>&) { return report::WriteCsvFile(path, rows_, formatter_); });
    platform::ReleaseFreeMemory();
    report::ReportCsvWrite(path, code, *this);
}

void Controller::SaveLogAndWriteCsv() {
    struct Abandoned {};
    const std::string path = env_.programPath + kCsvFileName;
    // Both only read: the rows, the log. Should the log fail, leaving here cancels the write, which gives
    // up at its next step (the log's error is the one reported).
    platform::Worker csv;
    std::future<int> pending = csv.Submit([this, &path](const std::atomic<bool>& cancel) {
        return report::WriteCsvFile(path, rows_, formatter_, [&cancel] {
            if (cancel) {
                throw Abandoned{};
            }
        });
    });
    SaveLogFile();
    if (!pending.valid()) {
        WriteCsv();  // no thread could be started for it
        return;
    }
    const int code = platform::WaitCalling(pending, [this] { view_.KeepAlive(); });
    platform::ReleaseFreeMemory();
    report::ReportCsvWrite(path, code, *this);
}

void Controller::ScanNow() {
    if (debugMode_) {
        WriteLog("WARNING: The STOP button will not work when Debug is On", base::kRed, LogStyle::Bold);
        view_.FlushLog();
        std::this_thread::sleep_for(std::chrono::milliseconds(env_.debugPauseMs));
    }
    const std::string path = Settings().drivePath;
    if (!platform::DirectoryExists(path)) {
        WriteLog("ERROR: Path " + path + " does not exist.", base::kRed, LogStyle::Bold);
        return;
    }
    if (!OutputFilesFree(false)) {
        return;
    }
    files_.RemoveCsv();
    view_.AddRegExHistory(Settings().regExEdit);

    stopRequested_ = false;
    SetBusy(true);
    view_.SetDeleteEnabled(false);
    counters_ = {};
    if (interactive_) {
        ClearLog();
    }
    rows_.clear();
    view_.RowsChanged();
    WriteLog("Vorlex " + GetVersionText(), base::kBlue, LogStyle::Bold);

    scan::SearchCriteria criteria;
    criteria.startPath = path;
    criteria.days = config::ClampDaysOld(Settings().daysOld);
    criteria.UseIncludeFiles = Settings().useIncludeFiles;
    criteria.includeMasks = Settings().includeFiles;
    criteria.UseExcludeFiles = Settings().useExcludeFiles;
    criteria.excludeMasks = Settings().excludeFiles;
    criteria.UseRegEx = Settings().useRegEx;
    criteria.expression = Settings().regExEdit;
    // A settings file can leave no target chosen; the run then applies the expression to path and file.
    criteria.target =
        scan::RegExTargetFromIndex(Settings().regExPathFile).value_or(scan::RegExTarget::PathAndFile);
    criteria.NOTRegEx = Settings().notRegEx;
    criteria.DebugMode = debugMode_;
    criteria.StartRun(*env_.clock);
    formatter_ = scan::RowFormatter(formats_, criteria.ScanStartTime);

    WriteLog("Searching...", base::kBlack, LogStyle::Bold);
    WriteLog("Searching path " + path, base::kBlack, LogStyle::Regular);
    WriteLog("Looking for files older than " + std::to_string(criteria.days) + " days (Created before " +
                 formatter_.DateTimeText(criteria.CutOffTime) + ")",
             base::kBlack, LogStyle::Regular);
    if (criteria.UseExcludeFiles) {
        WriteLog("File types to exclude are: " + criteria.excludeMasks, base::kBlack, LogStyle::Regular);
    }
    if (criteria.UseIncludeFiles) {
        WriteLog("File types to include are: " + criteria.includeMasks, base::kBlack, LogStyle::Regular);
    }
    if (criteria.UseRegEx) {
        WriteLog(std::string("Using regular expression: ") + (criteria.NOTRegEx ? "NOT " : "") +
                     criteria.expression + " on " + scan::RegExTargetCaption(criteria.target),
                 base::kBlack, LogStyle::Regular);
    }

    // The rows are put in order on the spare core while the walk goes on.
    scan::SortAhead ahead(rows_);
    scan::Matcher matcher(criteria, sharedRegEx_, *this, rows_, &ahead);
    scan::ScanOutcome outcome = scan::ScanOutcome::Completed;
    platform::EntryFacts rootFacts;
    try {
        outcome = scan::ScanTree(
            path, *this,
            [&](const scan::FileVisit& v) {
                scan::FileFacts f;
                f.name = v.name;
                f.created = v.facts.created;
                f.modified = v.facts.modified;
                f.accessed = v.facts.accessed;
                f.size = v.facts.size;
                f.device = v.facts.device;
                f.inode = v.facts.inode;
                f.changeStamp = v.facts.changeStamp;
                f.fileType = v.facts.fileType;
                f.kind = v.facts.kind;
                matcher.MatchFile(v.directory, f);
            },
            &rootFacts);
    } catch (const std::bad_alloc&) {
        counters_.filesFound = matcher.FilesFound();
        counters_.filesMatched = matcher.FilesMatched();
        ResourceError("RESOURCE ERROR: Too many files.");
    }
    counters_.filesFound = matcher.FilesFound();
    counters_.filesMatched = matcher.FilesMatched();
    if (outcome == scan::ScanOutcome::Stopped) {
        StopNow("Aborted by user.");
        throw SilentAbort{};
    }
    if (outcome == scan::ScanOutcome::OutOfResources) {
        ResourceError("RESOURCE ERROR: Too many files.");
    }
    if (outcome == scan::ScanOutcome::RootRemoved) {
        ResourceError("ERROR: Path " + path + " does not exist.");
    }
    try {
        if (!PutRowsInOrder([&ahead](const std::atomic<bool>& cancel) { return ahead.Finish(&cancel); })) {
            StopNow("Aborted by user.");
            throw SilentAbort{};
        }
    } catch (const std::bad_alloc&) {
        ResourceError("RESOURCE ERROR: Too many files.");
    }
    lastScanRoot_ = path;
    lastScanRootId_.reset();
    if (rootFacts.kind == platform::EntryKind::Directory) {
        lastScanRootId_ = cleanup::TreeRootIdentity{rootFacts.device, rootFacts.inode};
    }
    lastCutOff_ = criteria.CutOffTime;

    WriteLog(std::to_string(counters_.filesFound) + " files found under " + path, base::kBlack,
             LogStyle::Regular);
    WriteLog(std::to_string(counters_.filesMatched) + " files matched search criteria.", base::kBlack,
             LogStyle::Regular);
    if (matcher.RegExErrors() > 0) {
        WriteLog(std::to_string(matcher.RegExErrors()) +
                     " files not listed: the regular expression could not finish testing them.",
                 base::kRed, LogStyle::Regular);
    }
    if (scanOnly_) {
        WriteLog("Scan Only option enabled. Files/Directories were not deleted.", base::kBlue,
                 LogStyle::Regular);
    }
    if (counters_.filesMatched > 0) {
        WriteCsv();
        view_.SetDeleteEnabled(true);
        if (!interactive_ && maxFiles_ && counters_.filesMatched > static_cast<std::uint64_t>(*maxFiles_)) {
            RunFailed("ERROR: " + std::to_string(counters_.filesMatched) +
                      " files were listed, more than the limit of /MAX " + std::to_string(*maxFiles_) +
                      ". Nothing was deleted.");
        } else if (!interactive_ && !scanOnly_) {
            DeleteFiles();
        }
    }
    WriteLog("Finished.", base::kBlack, LogStyle::Bold);
    SaveLogFile();
    SetBusy(false);
    view_.SetDeleteEnabled(counters_.filesMatched > 0);
}

void Controller::AddResultRow(scan::ResultRow row) {
    // Shown at the end of the list while the pass runs; MergeDirectoryRows puts them in place afterwards.
    rows_.push_back(std::move(row));
}

template <class Work>
auto Controller::Aside(Work work) -> decltype(work(std::declval<const std::atomic<bool>&>())) {
    platform::Worker worker;
    if (!worker.Started()) {
        const std::atomic<bool> cancel{false};
        return work(cancel);  // no thread could be started for it
    }
    auto pending = worker.Submit(std::move(work));
    // A keep-alive that throws leaves through the worker's end, which cancels the work and waits for it.
    return platform::WaitCalling(pending, [this, &worker] {
        view_.KeepAlive();
        if (stopRequested_) {
            worker.Cancel();
        }
    });
}

bool Controller::PutRowsInOrder(
    const std::function<std::optional<std::vector<std::size_t>>(const std::atomic<bool>&)>& work) {
    // The order is worked out beside the window, which keeps running and may show the rows meanwhile: the
    // work only reads them, and nothing changes them until it is done.
    std::optional<std::vector<std::size_t>> order = Aside(work);
    if (!order) {
        return false;
    }
    // Rows are swapped into place in steps, each a valid row all along, so the list may be painted between.
    scan::ApplyOrder(rows_, std::move(*order), [this] { view_.KeepAlive(); });
    platform::ReleaseFreeMemory();  // the keys and buffers of the sort
    view_.RowsChanged();
    return true;
}

void Controller::MergeDirectoryRows(std::size_t listed, scan::MergeBase* prepared) {
    if (rows_.size() <= listed) {
        return;
    }
    if (prepared != nullptr) {
        PutRowsInOrder(
            [this, prepared](const std::atomic<bool>&) { return std::optional(prepared->Order(rows_)); });
        return;
    }
    platform::Collator collator;
    PutRowsInOrder([this, listed, &collator](const std::atomic<bool>&) {
        return std::optional(scan::MergeOrder(rows_, listed, collator));
    });
}

void Controller::DeleteFiles() {
    if (!OutputFilesFree(true)) {
        runFailed_ = true;
        return;
    }
    // The log must be writable before anything is deleted: a deletion without its record is not done.
    try {
        SaveLogFile();
    } catch (const std::exception& e) {
        RunFailed(std::string("ERROR: ") + e.what() + "\nNothing was deleted.");
        return;
    }
    stopRequested_ = false;
    SetBusy(true);
    view_.SetDeleteEnabled(false);
    cleanup::FileDeletionRequest request;
    request.scanRoot = lastScanRoot_;
    request.cutOffTime = lastCutOff_;
    request.doNotDeleteEmptyDirs = Settings().doNotDeleteEmptyDirs;
    request.scannedRoot = lastScanRootId_;
    request.moveToTrash = Settings().moveToTrash;
    request.deleteWhereNoTrash = Settings().trashOrDelete;
    const cleanup::OwnFiles ownFiles =
        cleanup::OwnFiles::Collect(env_.programPath, OutputFiles::DataFileNames());
    request.ownFiles = &ownFiles;
    // The directory rows of the second pass are merged into the File order at its end. The listed rows are
    // made ready for that merge beside the removals, on another thread: it reads only their File texts,
    // which the removals leave alone, and it is over before the first directory row is added.
    scan::MergeBase mergeBase;
    std::optional<platform::Worker> preparer;  // declared after mergeBase: waited for before mergeBase goes
    std::future<bool> preparing;
    if (!Settings().doNotDeleteEmptyDirs) {
        preparing = preparer.emplace().Submit([this, &mergeBase](const std::atomic<bool>& cancel) {
            try {
                return mergeBase.Prepare(rows_, &cancel);
            } catch (const std::bad_alloc&) {
                return false;  // the merge checks the rows itself
            }
        });
    }
    // Only the file rows the scan listed: directory rows of an earlier pass are never files to delete.
    cleanup::PassOutcome outcome = cleanup::DeleteFiles(rows_, request, *this);
    if (outcome == cleanup::PassOutcome::Stopped) {
        StopNow("Aborted by user.");
        throw SilentAbort{};
    }
    if (outcome != cleanup::PassOutcome::RootChanged && !Settings().doNotDeleteEmptyDirs) {
        cleanup::EmptyDirRequest dirs;
        dirs.root = Settings().drivePath;
        // The same folder as the scan's must still be the directory the scan walked; another folder typed
        // since then is opened once and worked below as it is.
        if (platform::NormalizeDirectoryPath(dirs.root) == platform::NormalizeDirectoryPath(lastScanRoot_)) {
            dirs.scannedRoot = lastScanRootId_;
        }
        dirs.scanStartTime = formatter_.ScanStartTime();
        dirs.days = config::ClampDaysOld(Settings().daysOld);
        const std::size_t listed = rows_.size();
        scan::MergeBase* prepared =
            preparing.valid() && platform::WaitCalling(preparing, [this] { view_.KeepAlive(); }) ? &mergeBase
                                                                                                 : nullptr;
        cleanup::PassOutcome dirOutcome = cleanup::PassOutcome::Completed;
        try {
            dirOutcome = cleanup::DeleteEmptyDirs(dirs, dirList_, *this);
        } catch (...) {
            MergeDirectoryRows(listed, prepared);
            throw;
        }
        MergeDirectoryRows(listed, prepared);
        if (dirOutcome == cleanup::PassOutcome::OutOfResources) {
            ResourceError("RESOURCE ERROR: Too many directories.");
        }
    }
    SaveLogAndWriteCsv();
    SetBusy(false);
    view_.RowsChanged();
}

}  // namespace vorlex::app

#include "app/Controller.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <new>
#include <optional>
#include <stdexcept>
#include <thread>

#include "app/CommandLine.h"
#include "app/Version.h"
#include "cleanup/EmptyDirRemoval.h"
#include "cleanup/FileDeletion.h"
#include "cleanup/OwnFiles.h"
#include "config/ListFile.h"
#include "config/Validation.h"
#include "platform/DirWalk.h"
#include "platform/Errors.h"
#include "platform/FatalSignals.h"
#include "platform/FileAccess.h"
#include "platform/Memory.h"
#include "platform/Paths.h"
#include "platform/StackTrace.h"
#include "platform/SystemInfo.h"
#include "platform/Worker.h"
#include "report/Ansi.h"
#include "report/CsvWriter.h"
#include "report/RtfWriter.h"
#include "report/SystemDump.h"
#include "scan/Criteria.h"
#include "scan/Matcher.h"

namespace vorlex::app {

using report::LogStyle;

Controller::Controller(ControllerView& view, Environment env)
    : view_(view), env_(std::move(env)), formats_(platform::CurrentFormats()), formatter_(formats_, {}) {
    if (!env_.clock) {
        env_.clock = std::make_shared<platform::SystemClock>();
    }
    interactive_ = env_.args.empty();
}

void Controller::WriteLog(std::string_view message, report::LogColour colour, LogStyle style) {
    report::LogEntry e;
    e.timestamp = report::LogTimestamp(env_.clock->Now(), formats_);
    // The log holds text of the ANSI code page: what it lacks shows as '?'.
    e.message = report::ToAnsiText(message);
    e.colour = colour;
    e.style = style;
    log_.Append(std::move(e));
    view_.LogChanged();
}

void Controller::WriteDebugLog(std::string_view message) {
    if (debugMode_) {
        WriteLog(message, report::kGreen, LogStyle::Regular);
    }
}

void Controller::WritePlainLines(const std::vector<std::string>& lines, report::LogColour colour) {
    for (const auto& line : lines) {
        report::LogEntry e;
        e.message = report::ToAnsiText(line);
        e.colour = colour;
        e.plain = true;
        log_.Append(std::move(e));
    }
    view_.LogChanged();
}

void Controller::ClearLog() {
    log_.Clear();
    view_.LogChanged();
}

void Controller::SaveLogFile() {
    std::string path = env_.programPath + kLogFileName;
    int err = platform::ReplaceFileContent(path, report::RenderRtf(log_.Entries()));
    if (err != 0) {
        throw std::runtime_error("Unable to write to " + path + ": " + platform::ErrorText(err));
    }
}

bool Controller::Init() {
    WriteLog("Vorlex " + GetVersionText(), report::kBlue, LogStyle::Bold);
    ReadSettings();
    if (!interactive_ && !RunCommandLine()) {
        return false;
    }

    // Another process holding the log or the CSV file ends the program before anything is written.
    for (const char* name : {kLogFileName, kCsvFileName}) {
        std::string path = env_.programPath + name;
        int code = platform::CheckFileAccess(path);
        if (code == platform::kErrorInUse) {
            Message m;
            m.text = "ERROR: The file " + path + " cannot be accessed.\nREASON: " + platform::ErrorText(code);
            view_.ShowMessage(m);
            exitCode_ = 1;
            ending_ = true;
            view_.Terminate(1);
            return false;
        }
    }

    WriteDebugLog("Program Path = " + env_.programPath);
    WriteDebugLog("Current Path = " + env_.currentPath);

    // Temporary copies left by runs that were killed while writing: nothing else will ever remove them.
    platform::RemoveStaleTemporaryFiles(env_.programPath, DataFileNames());
    platform::DeleteFile(env_.programPath + kLogFileName);
    platform::DeleteFile(env_.programPath + kCsvFileName);

    if (!interactive_) {
        ScanNow();
        if (!ending_) {
            ExitProgram(runFailed_ ? 1 : 0);
        }
        return false;
    }
    return true;
}

void Controller::Refuse(const std::string& message) {
    WriteLog(message, report::kRed, LogStyle::Bold);
    Message m;
    m.text = message;
    view_.ShowMessage(m);
    ExitProgram(1);
}

void Controller::RunFailed(const std::string& message) {
    WriteLog(message, report::kRed, LogStyle::Bold);
    Message m;
    m.text = message;
    view_.ShowMessage(m);
    runFailed_ = true;
}

std::vector<std::string> Controller::DataFileNames() {
    return {config::kSettingsFileName,
            config::kIncludeListFileName,
            config::kExcludeListFileName,
            config::kRegExListFileName,
            kLogFileName,
            kCsvFileName};
}

bool Controller::RunCommandLine() {
    WriteLog("Search criteria obtained from command-line:", report::kBlack, LogStyle::Regular);
    std::string line;
    for (const auto& arg : env_.commandLine) {
        if (!line.empty()) {
            line.push_back(' ');
        }
        // An argument with a blank is shown quoted, as it was typed.
        line += arg.find_first_of(" \t") == std::string::npos && !arg.empty() ? arg : "\"" + arg + "\"";
    }
    WriteLog(line, report::kBlack, LogStyle::Regular);

    CommandLineChecks checks;
    checks.isValidFileType = [](const std::string& m) { return config::IsValidFileType(m); };
    checks.syntaxCheckRegEx = [this](const std::string& r) {
        config::RegExCheck c = config::SyntaxCheckRegEx(sharedRegEx_, r);
        return c.valid ? std::string() : (c.error.empty() ? std::string("empty") : c.error);
    };
    checks.directoryExists = [](const std::string& p) { return platform::DirectoryExists(p); };
    CommandLineRequest r = ParseCommandLine(env_.args, checks);

    if (r.kind == CommandLineRequest::Kind::Help) {
        Message m;
        m.title = "Vorlex USAGE:";
        m.text = kUsageText;
        m.icon = Message::Icon::Information;
        m.usage = true;
        view_.ShowMessage(m);
        ExitProgram(0);
        return false;
    }
    if (r.debug) {
        debugMode_ = true;
        WriteLog("DEBUG via Command-Line = True", report::kRed, LogStyle::Bold);
    }
    scanOnly_ = r.scanOnly;
    settings_.doNotDeleteEmptyDirs = r.noDir;
    if (r.kind == CommandLineRequest::Kind::Refused) {
        Refuse(r.refusal);
        return false;
    }
    settings_.drivePath = r.path;
    settings_.daysOld = r.days;
    settings_.useExcludeFiles = r.useExclude;
    if (r.useExclude) {
        settings_.excludeFiles = r.excludeText;
    }
    settings_.useIncludeFiles = r.useInclude;
    if (r.useInclude) {
        settings_.includeFiles = r.includeText;
    }
    settings_.notRegEx = r.notRegEx;
    settings_.useRegEx = r.useRegEx;
    if (r.useRegEx) {
        settings_.regExEdit = r.regex;
    }
    settings_.regExPathFile = r.regexTarget;
    view_.CriteriaChanged();
    if (scanOnly_) {
        WriteLog("Scan Only option enabled. Files/Directories will not be deleted.", report::kBlue,
                 LogStyle::Regular);
    }
    if (settings_.doNotDeleteEmptyDirs) {
        WriteLog("Empty directories will not be deleted.", report::kBlue, LogStyle::Regular);
    }
    return true;
}

std::string Controller::SettingsPath() const {
    return config::SettingsFilePath(env_.programPath);
}

void Controller::ReadSettings() {
    view_.ClearRegExHistory();
    const config::IniFile ini = config::IniFile::Read(SettingsPath());
    settings_ = config::ReadSettings(ini, env_.programPath);
    debugMode_ = settings_.debugMode;
    WriteLog("Settings Read.", report::kBlack, LogStyle::Regular);
    if (ini.Truncated()) {
        WriteLog("WARNING: Settings file is larger than 1 MiB; only its first 1 MiB was read.", report::kRed,
                 LogStyle::Bold);
    }
    ToggleUseIncludeFiles(true);
    ToggleUseExcludeFiles(true);
    ToggleUseRegEx(true);
    if (debugMode_) {
        WriteLog("DEBUG via INI = True", report::kRed, LogStyle::Bold);
    }
}

void Controller::SaveSettings() {
    settings_.debugMode = debugMode_;
    config::SaveSettingsFile(SettingsPath(), settings_);
    WriteLog("Settings Saved.", report::kBlack, LogStyle::Regular);
}

void Controller::ToggleUseRegEx(bool refreshOnly) {
    if (!refreshOnly) {
        settings_.useRegEx = !settings_.useRegEx;
    }
    if (settings_.useRegEx) {
        settings_.useIncludeFiles = false;
        settings_.useExcludeFiles = false;
    }
    view_.CriteriaChanged();
}

void Controller::ToggleUseIncludeFiles(bool refreshOnly) {
    if (!refreshOnly) {
        settings_.useIncludeFiles = !settings_.useIncludeFiles;
    }
    view_.CriteriaChanged();
}

void Controller::ToggleUseExcludeFiles(bool refreshOnly) {
    if (!refreshOnly) {
        settings_.useExcludeFiles = !settings_.useExcludeFiles;
    }
    view_.CriteriaChanged();
}

void Controller::ExitProgram(int code) {
    WriteDebugLog("Return Code = " + std::to_string(code));
    view_.FlushLog();
    try {
        SaveLogFile();
    } catch (const std::exception& e) {
        // Without its log an unattended run did not do what it was asked: never report that as success.
        Message m;
        m.text = std::string("ERROR: ") + e.what();
        view_.ShowMessage(m);
        if (code == 0) {
            code = 1;
        }
    }
    exitCode_ = code;
    ending_ = true;
    view_.Terminate(code);
}

void Controller::Guarded(const std::function<void()>& op) {
    try {
        op();
    } catch (const SilentAbort&) {
        // Already reported where it was raised.
    } catch (const std::exception& e) {
        GeneralExceptionHandler(e.what(), platform::CurrentExceptionClassName(),
                                platform::LastExceptionStack());
    } catch (...) {
        GeneralExceptionHandler("Unknown exception", platform::CurrentExceptionClassName(),
                                platform::LastExceptionStack());
    }
}

void Controller::GeneralExceptionHandler(const std::string& message, const std::string& className,
                                         const std::vector<std::string>& stack) {
    StopNow("Aborted due to Exception");
    WriteLog("Exception Message = " + message, report::kRed, LogStyle::Bold);
    WriteLog("Exception Class Name = " + className, report::kRed, LogStyle::Bold);
    WriteLog("Stack Dump:", report::kBlue, LogStyle::Bold);
    WritePlainLines(stack, report::kBlack);
    LogSystemInfo();
    WriteLog("Exception Message = " + message, report::kRed, LogStyle::Bold);
    WriteLog("Exception Class Name = " + className, report::kRed, LogStyle::Bold);
    view_.FlushLog();
    Message m;
    m.title = "Vorlex: GENERAL EXCEPTION ERROR:";
    m.text = message;
    view_.ShowMessage(m);
    if (!interactive_ && !ending_) {
        ExitProgram(1);
    }
}

void Controller::LogSystemInfo() {
    WriteLog("Dumping System Info:", report::kBlue, LogStyle::Bold);
    for (const auto& line : report::SystemDumpLines(platform::ReadSystemInfo(), GetVersionText(), formats_)) {
        WriteLog(line, report::kBlack, LogStyle::Regular);
    }
}

void Controller::StopNow(const std::string& message) {
    WriteLog(message, report::kBlack, LogStyle::Bold);
    busy_ = false;
    view_.BusyChanged(false);
    view_.KeepAlive();
    view_.RowsChanged();
}

namespace {
Controller* g_crashReporter = nullptr;
}  // namespace

void Controller::InstallCrashReport() {
    g_crashReporter = this;
    platform::InstallFatalSignalHook(&Controller::OnFatalSignal);
}

void Controller::OnFatalSignal(int signal) {
    // Best effort from inside a signal handler: the log in memory is written out with what can be learnt of
    // the crash. The hook's time limit guards against a lock the crashed code held.
    Controller* c = g_crashReporter;
    if (c == nullptr) {
        return;
    }
    std::string name = platform::SignalName(signal);
    // Straight into the log model: the window must not be touched from a signal handler.
    auto line = [c](std::string text, report::LogColour colour, LogStyle style) {
        report::LogEntry e;
        e.timestamp = report::LogTimestamp(c->env_.clock->Now(), c->formats_);
        e.message = std::move(text);
        e.colour = colour;
        e.style = style;
        c->log_.Append(std::move(e));
    };
    const std::vector<std::string> stack = platform::CurrentStack(2);
    // First a short report on standard error, where a scheduler's mail shows it, before anything that may
    // take long.
    std::string report = "Vorlex: Fatal signal " + name + ". See " + c->env_.programPath + kLogFileName +
                         " for the report.\nStack Dump:\n";
    for (const auto& frame : stack) {
        report.append(frame).push_back('\n');
    }
    platform::WriteToStandardError(report);
    line("Aborted due to Exception", report::kBlack, LogStyle::Bold);
    line("Exception Message = Fatal signal " + name, report::kRed, LogStyle::Bold);
    line("Exception Class Name = " + name, report::kRed, LogStyle::Bold);
    line("Stack Dump:", report::kBlue, LogStyle::Bold);
    for (const auto& frame : stack) {
        report::LogEntry e;
        e.message = frame;
        e.plain = true;
        c->log_.Append(std::move(e));
    }
    line("Dumping System Info:", report::kBlue, LogStyle::Bold);
    for (auto& dump : report::SystemDumpLines(platform::ReadSystemInfo(), GetVersionText(), c->formats_)) {
        line(std::move(dump), report::kBlack, LogStyle::Regular);
    }
    line("Exception Message = Fatal signal " + name, report::kRed, LogStyle::Bold);
    line("Exception Class Name = " + name, report::kRed, LogStyle::Bold);
    if (c->debugMode_) {
        line("Return Code = 1", report::kGreen, LogStyle::Regular);
    }
    try {
        c->SaveLogFile();
    } catch (...) {
    }
}

bool Controller::OutputFilesFree(bool showBox) {
    for (const char* name : {kLogFileName, kCsvFileName}) {
        std::string path = env_.programPath + name;
        int code = platform::CheckFileAccess(path);
        if (code == platform::kErrorInUse) {
            std::string text =
                "ERROR: The file " + path + " cannot be accessed.\nREASON: " + platform::ErrorText(code);
            WriteLog(text, report::kRed, LogStyle::Bold);
            if (showBox) {
                Message m;
                m.text = text;
                view_.ShowMessage(m);
            }
            return false;
        }
    }
    return true;
}

void Controller::SetBusy(bool busy) {
    busy_ = busy;
    view_.BusyChanged(busy);
}

void Controller::ResourceError(const std::string& message) {
    WriteLog(message, report::kRed, LogStyle::Bold);
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
        WriteLog("WARNING: The STOP button will not work when Debug is On", report::kRed, LogStyle::Bold);
        view_.FlushLog();
        std::this_thread::sleep_for(std::chrono::milliseconds(env_.debugPauseMs));
    }
    const std::string path = settings_.drivePath;
    if (!platform::DirectoryExists(path)) {
        WriteLog("ERROR: Path " + path + " does not exist.", report::kRed, LogStyle::Bold);
        return;
    }
    if (!OutputFilesFree(false)) {
        return;
    }
    platform::DeleteFile(env_.programPath + kCsvFileName);
    view_.AddRegExHistory(settings_.regExEdit);

    stopRequested_ = false;
    SetBusy(true);
    view_.SetDeleteEnabled(false);
    counters_ = {};
    if (interactive_) {
        ClearLog();
    }
    rows_.clear();
    view_.RowsChanged();
    WriteLog("Vorlex " + GetVersionText(), report::kBlue, LogStyle::Bold);

    scan::SearchCriteria criteria;
    criteria.startPath = path;
    criteria.days = config::ClampDaysOld(settings_.daysOld);
    criteria.UseIncludeFiles = settings_.useIncludeFiles;
    criteria.includeMasks = settings_.includeFiles;
    criteria.UseExcludeFiles = settings_.useExcludeFiles;
    criteria.excludeMasks = settings_.excludeFiles;
    criteria.UseRegEx = settings_.useRegEx;
    criteria.expression = settings_.regExEdit;
    // A settings file can leave no target chosen; the run then applies the expression to path and file.
    criteria.target =
        scan::RegExTargetFromIndex(settings_.regExPathFile).value_or(scan::RegExTarget::PathAndFile);
    criteria.NOTRegEx = settings_.notRegEx;
    criteria.DebugMode = debugMode_;
    criteria.StartRun(*env_.clock);
    formatter_ = scan::RowFormatter(formats_, criteria.ScanStartTime);

    WriteLog("Searching...", report::kBlack, LogStyle::Bold);
    WriteLog("Searching path " + path, report::kBlack, LogStyle::Regular);
    WriteLog("Looking for files older than " + std::to_string(criteria.days) + " days (Created before " +
                 formatter_.DateTimeText(criteria.CutOffTime) + ")",
             report::kBlack, LogStyle::Regular);
    if (criteria.UseExcludeFiles) {
        WriteLog("File types to exclude are: " + criteria.excludeMasks, report::kBlack, LogStyle::Regular);
    }
    if (criteria.UseIncludeFiles) {
        WriteLog("File types to include are: " + criteria.includeMasks, report::kBlack, LogStyle::Regular);
    }
    if (criteria.UseRegEx) {
        WriteLog(std::string("Using regular expression: ") + (criteria.NOTRegEx ? "NOT " : "") +
                     criteria.expression + " on " + scan::RegExTargetCaption(criteria.target),
                 report::kBlack, LogStyle::Regular);
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

    WriteLog(std::to_string(counters_.filesFound) + " files found under " + path, report::kBlack,
             LogStyle::Regular);
    WriteLog(std::to_string(counters_.filesMatched) + " files matched search criteria.", report::kBlack,
             LogStyle::Regular);
    if (matcher.RegExErrors() > 0) {
        WriteLog(std::to_string(matcher.RegExErrors()) +
                     " files not listed: the regular expression could not finish testing them.",
                 report::kRed, LogStyle::Regular);
    }
    if (scanOnly_) {
        WriteLog("Scan Only option enabled. Files/Directories were not deleted.", report::kBlue,
                 LogStyle::Regular);
    }
    if (counters_.filesMatched > 0) {
        WriteCsv();
        view_.SetDeleteEnabled(true);
        if (!interactive_ && !scanOnly_) {
            DeleteFiles();
        }
    }
    WriteLog("Finished.", report::kBlack, LogStyle::Bold);
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
    request.doNotDeleteEmptyDirs = settings_.doNotDeleteEmptyDirs;
    request.scannedRoot = lastScanRootId_;
    const cleanup::OwnFiles ownFiles = cleanup::OwnFiles::Collect(env_.programPath, DataFileNames());
    request.ownFiles = &ownFiles;
    // The directory rows of the second pass are merged into the File order at its end. The listed rows are
    // made ready for that merge beside the removals, on another thread: it reads only their File texts,
    // which the removals leave alone, and it is over before the first directory row is added.
    scan::MergeBase mergeBase;
    platform::Worker preparer;  // declared after mergeBase: waited for before mergeBase goes
    std::future<bool> preparing;
    if (!settings_.doNotDeleteEmptyDirs) {
        preparing = preparer.Submit([this, &mergeBase](const std::atomic<bool>& cancel) {
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
    if (outcome != cleanup::PassOutcome::RootChanged && !settings_.doNotDeleteEmptyDirs) {
        cleanup::EmptyDirRequest dirs;
        dirs.root = settings_.drivePath;
        // The same folder as the scan's must still be the directory the scan walked; another folder typed
        // since then is opened once and worked below as it is.
        if (platform::NormalizeDirectoryPath(dirs.root) == platform::NormalizeDirectoryPath(lastScanRoot_)) {
            dirs.scannedRoot = lastScanRootId_;
        }
        dirs.scanStartTime = formatter_.ScanStartTime();
        dirs.days = config::ClampDaysOld(settings_.daysOld);
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

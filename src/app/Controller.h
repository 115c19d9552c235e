// The program-wide state and operations, free of any user interface: the main window and the unattended run
// both drive this one controller.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/ControllerView.h"
#include "app/CriteriaStore.h"
#include "app/OutputFiles.h"
#include "base/LogSink.h"
#include "cleanup/CleanupHost.h"
#include "config/Settings.h"
#include "platform/Locale.h"
#include "platform/Time.h"
#include "report/ActivityLog.h"
#include "scan/RegEx.h"
#include "scan/ResultRow.h"
#include "scan/RowFormat.h"
#include "scan/RowOrder.h"
#include "scan/ScanWalk.h"

namespace vorlex::app {

/// Abandons the current operation without any report (Stop, a resource error already reported).
struct SilentAbort {};

/// Where the controller finds its files and its time.
struct Environment {
    std::string programPath;                       ///< folder of the program, trailing '/'
    std::string currentPath;                       ///< working folder at start-up, trailing '/'
    std::shared_ptr<const platform::Clock> clock;  ///< read for log timestamps and once per run
    std::vector<std::string> args;                 ///< command-line arguments after the program's name
    std::vector<std::string> commandLine;          ///< the whole command line, the program's path included
    int debugPauseMs = 3000;  ///< the pause after the warning that Stop does not work in debug mode
};

/// The state of the program and the operations the window's buttons and the command line start. Defined in
/// Controller.cpp (the scan and the clean-up), ControllerStart.cpp (start-up, command line, settings, exit)
/// and ControllerReport.cpp (the log, failure reports).
class Controller : public base::LogSink, private cleanup::CleanupHost {
  public:
    Controller(ControllerView& view, Environment env);

    // --- Logging ---------------------------------------------------------------------------------
    void WriteLog(std::string_view message, base::LogColour colour, base::LogStyle style) override;
    void WriteDebugLog(std::string_view message) override;
    bool DebugMode() const override { return debugMode_; }
    /// Switches the debug lines on or off.
    void SetDebugMode(bool on) { debugMode_ = on; }
    /// Appends lines without timestamp (stack dumps).
    void WritePlainLines(const std::vector<std::string>& lines, base::LogColour colour);
    /// The log shown in the window and saved as the activity log.
    const report::ActivityLog& LogModel() const { return log_; }
    /// Empties the log (start of an interactive scan).
    void ClearLog();
    /// Writes the whole log to the program folder's "VorlexActivity.rtf", replacing it. Throws
    /// std::runtime_error with the reason when the file cannot be written.
    void SaveLogFile();

    // --- Start and end ---------------------------------------------------------------------------
    /// The start-up sequence once the window exists: version line, settings, command line, the lock test of
    /// the output files, their deletion and, in an unattended run, the scan. Returns false when the program
    /// is ending (Terminate was called on the view).
    bool Init();
    /// The orderly way out: the debug line of the code, the log shown and saved, the exit code set, the
    /// event loop ended.
    void ExitProgram(int code);
    /// True when started without arguments.
    bool InteractiveMode() const { return interactive_; }
    /// The code the process ends with.
    int ExitCode() const { return exitCode_; }
    /// True once ExitProgram or a fatal start-up check ended the run.
    bool Ending() const { return ending_; }

    // --- Settings and criteria -------------------------------------------------------------------
    /// The criteria and switches of the program, as the window shows them; every operation reads them here.
    const config::Settings& Settings() const { return criteria_.Get(); }
    /// Reads "Vorlex.ini" into the criteria and shows them; logs "Settings Read.".
    void ReadSettings();
    /// Writes the criteria to "Vorlex.ini"; logs "Settings Saved.". Throws config::WriteError.
    void SaveSettings() { criteria_.Save(debugMode_); }
    /// Flips (or, with `refreshOnly`, only shows) a criterion switch; the expression switches the masks off.
    void ToggleUseRegEx(bool refreshOnly) { criteria_.ToggleUseRegEx(refreshOnly); }
    void ToggleUseIncludeFiles(bool refreshOnly) { criteria_.ToggleUseIncludeFiles(refreshOnly); }
    void ToggleUseExcludeFiles(bool refreshOnly) { criteria_.ToggleUseExcludeFiles(refreshOnly); }
    /// The user's changes on the criteria controls, which show them already.
    void SetDaysOld(int days) { criteria_.SetDaysOld(days); }
    void SetDrivePath(std::string path) { criteria_.SetDrivePath(std::move(path)); }
    void SetIncludeFiles(std::string masks) { criteria_.SetIncludeFiles(std::move(masks)); }
    void SetExcludeFiles(std::string masks) { criteria_.SetExcludeFiles(std::move(masks)); }
    void SetRegEx(std::string expression) { criteria_.SetRegEx(std::move(expression)); }
    void SetRegExTarget(int index) { criteria_.SetRegExTarget(index); }
    void SetNotRegEx(bool on) { criteria_.SetNotRegEx(on); }
    void SetAutoSaveOnExit(bool on) { criteria_.SetAutoSaveOnExit(on); }
    void SetDeleteEmptyDirs(bool on) { criteria_.SetDeleteEmptyDirs(on); }
    void SetMoveToTrash(bool on) { criteria_.SetMoveToTrash(on); }
    /// Writes only the auto-save switch to "Vorlex.ini". Throws config::WriteError.
    void SaveAutoSaveOnExit() const { criteria_.SaveAutoSaveOnExit(); }
    /// The entries of the expression list file in file order (the expression history); none when unreadable.
    std::vector<config::ListEntry> RegExListEntries() const { return criteria_.RegExListEntries(); }
    /// The window geometry saved in "Vorlex.ini"; `current` stands in for what it lacks.
    config::WindowGeometry SavedWindowGeometry(const config::WindowGeometry& current) const {
        return criteria_.SavedWindowGeometry(current);
    }
    /// Saves the window geometry; a failure is logged, never thrown.
    void SaveWindowGeometry(const config::WindowGeometry& geometry) {
        criteria_.SaveWindowGeometry(geometry);
    }
    /// The path of "Vorlex.ini".
    std::string SettingsPath() const { return criteria_.SettingsPath(); }
    /// The program's one expression object (syntax checks and matching).
    scan::RegEx& SharedRegEx() { return sharedRegEx_; }

    // --- Operations started by the window ---------------------------------------------------------
    /// The scan run of the "Scan Now" button.
    void ScanNow();
    /// The deletion of the listed files, then of the empty old directories.
    void DeleteFiles();
    /// Asks a running scan or deletion to stop.
    void StopBitBtnClick() { stopRequested_ = true; }
    /// True while a scan or deletion runs.
    bool Busy() const { return busy_; }

    // --- Failure handling ------------------------------------------------------------------------
    /// Runs `op` (a button's work, or the unattended run) and hands anything it throws to
    /// GeneralExceptionHandler; a SilentAbort ends it without a report.
    void Guarded(const std::function<void()>& op);
    /// The report of an unexpected error: stop, message and class, the stack where it was raised, the system
    /// dump, the box; then, in an unattended run, the exit with code 1.
    void GeneralExceptionHandler(const std::string& message, const std::string& className,
                                 const std::vector<std::string>& stack);
    /// The system-information lines of the report.
    void LogSystemInfo();
    /// Ends a running scan or deletion early with `message` (black, bold) and gives the controls back.
    void StopNow(const std::string& message);
    /// Makes this controller the one whose log a fatal signal saves (see platform/FatalSignals.h).
    void InstallCrashReport();

    // --- State read by the window ----------------------------------------------------------------
    const Environment& Env() const { return env_; }
    const std::vector<scan::ResultRow>& Rows() const { return rows_; }
    const cleanup::RunCounters& RunCounts() const { return counters_; }
    platform::TimeValue ScanStartTime() const { return formatter_.ScanStartTime(); }
    const platform::RegionalFormats& Formats() const { return formats_; }
    /// Formats the cells of the rows of the last scan.
    const scan::RowFormatter& Formatter() const { return formatter_; }

  private:
    // CleanupHost
    base::LogSink& Log() override { return *this; }
    bool StopRequested() const override { return stopRequested_; }
    void KeepAlive() override { view_.KeepAlive(); }
    cleanup::RunCounters& Counters() override { return counters_; }
    void RowChanged(std::size_t index) override { view_.RowUpdated(index); }
    void AddResultRow(scan::ResultRow row) override;
    void PassFailed(const std::string& message) override { RunFailed(message); }

    /// The command-line block of the start-up; false when it ended the program (help or a refusal).
    bool RunCommandLine();
    /// Logs `message` in red bold, shows it, and ends the program with code 1.
    void Refuse(const std::string& message);
    /// A step of the run could not be done: `message` is shown (an unattended run writes it to standard
    /// error) and logged in red bold, and an unattended run will end with code 1.
    void RunFailed(const std::string& message);
    /// "ERROR: The file ... cannot be accessed." when another process holds one of the output files.
    bool OutputFilesFree(bool showBox);
    /// Sets the busy state and tells the view.
    void SetBusy(bool busy);
    /// A resource error of a walk: logged, shown, and the run abandoned (an unattended run ends with 1).
    [[noreturn]] void ResourceError(const std::string& message);
    /// Runs `work(cancel)` on another thread while the view keeps running (cancel turns true on Stop) and
    /// returns its result, or throws what it threw.
    template <class Work>
    auto Aside(Work work) -> decltype(work(std::declval<const std::atomic<bool>&>()));
    /// Puts the rows in the order `work` gives (a permutation of their positions, or nothing when it was
    /// cancelled), working it out on another thread while the view keeps running; a Stop cancels it.
    /// Returns false when it was cancelled (the rows are left as they were).
    bool PutRowsInOrder(
        const std::function<std::optional<std::vector<std::size_t>>(const std::atomic<bool>&)>& work);
    /// Moves the directory rows added after the first `listed` rows to their places in the File order;
    /// `prepared`, when given, holds those first rows made ready for the merge (scan::MergeBase::Prepare).
    void MergeDirectoryRows(std::size_t listed, scan::MergeBase* prepared);
    /// Writes the result list to "VorlexFiles.csv".
    void WriteCsv();
    /// SaveLogFile, then WriteCsv, with the results file written beside the window while the log is saved.
    /// When the log cannot be saved, the write of the results file is given up (it may have been complete
    /// already) and the log's error is thrown.
    void SaveLogAndWriteCsv();
    static void OnFatalSignal(int signal);

    ControllerView& view_;
    Environment env_;
    platform::RegionalFormats formats_;
    report::ActivityLog log_;
    OutputFiles files_;
    CriteriaStore criteria_;
    scan::RegEx sharedRegEx_;
    bool debugMode_ = false;
    bool scanOnly_ = false;
    bool interactive_ = true;
    bool ending_ = false;
    bool busy_ = false;
    bool stopRequested_ = false;
    bool runFailed_ = false;  ///< a step of the unattended run could not be done: it ends with 1
    std::optional<std::int64_t> maxFiles_;  ///< /MAX: more listed files than this delete nothing
    int exitCode_ = 0;
    std::vector<scan::ResultRow> rows_;
    cleanup::RunCounters counters_;
    scan::DirListBox dirList_;
    scan::RowFormatter formatter_;
    std::string lastScanRoot_;                                 ///< start path of the last finished scan
    std::optional<cleanup::TreeRootIdentity> lastScanRootId_;  ///< the folder that scan walked
    platform::TimeValue lastCutOff_;                           ///< its cut-off moment
};

}  // namespace vorlex::app

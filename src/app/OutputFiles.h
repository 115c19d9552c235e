// The program's own files in its folder: the activity log, the results file and the temporary copies.
#pragma once

#include <string>
#include <vector>

#include "report/ActivityLog.h"
#include "report/CsvWriter.h"

namespace vorlex::app {

/// File names of the program's own files, all in the program folder.
inline constexpr const char* kLogFileName = "VorlexActivity.rtf";
using report::kCsvFileName;

/// Paths, checks and removal of the log and the results file.
class OutputFiles {
  public:
    /// `programPath`: the program folder, trailing '/'.
    explicit OutputFiles(std::string programPath) : programPath_(std::move(programPath)) {}

    /// Path of "VorlexActivity.rtf".
    std::string LogPath() const { return programPath_ + kLogFileName; }
    /// Path of "VorlexFiles.csv".
    std::string CsvPath() const { return programPath_ + kCsvFileName; }
    /// The names of the program's data files in its folder: settings, list files, log and results.
    static std::vector<std::string> DataFileNames();
    /// "ERROR: The file ... cannot be accessed." with the reason when another process holds the log or the
    /// results file; empty when both are free.
    std::string HeldFileMessage() const;
    /// Removes the temporary copies of killed runs, then the previous log and results file.
    void RemovePrevious() const;
    /// Removes the results file of an earlier scan.
    void RemoveCsv() const;
    /// Writes `log` to the log file, replacing it. Throws std::runtime_error with the reason on failure.
    void SaveLog(const report::ActivityLog& log) const;

  private:
    std::string programPath_;
};

}  // namespace vorlex::app

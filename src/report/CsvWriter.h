// The results CSV file: the result list in the user's ANSI code page with a header line, replaced atomically.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/LogSink.h"
#include "platform/CodePage.h"
#include "scan/ResultRow.h"
#include "scan/RowFormat.h"

namespace vorlex::report {

/// Name of the results file in the program folder.
inline constexpr const char* kCsvFileName = "VorlexFiles.csv";

/// Appends `text` (UTF-8, possibly invalid) in code page `page`: a character the code page lacks and every
/// undecodable byte become one '?' each. C1 control characters (U+0080..U+009F) count as lacking.
void AppendInCodePage(std::string& out, std::string_view text, const platform::CodePage& page);

/// `text` in Windows-1252 (see AppendInCodePage).
std::string ToWindows1252(std::string_view text);

/// The whole CSV text of `rows`, in their order, in the code page of the formatter's formats
/// (RegionalFormats::ansiCodePage), every line ending in CR LF:
/// the header File,Created,Modified,Accessed,Age (Days),Size (KB),Status, then one line per row.
/// The File field is the path in double quotes, with a double quote inside doubled and every control
/// character (bytes below 0x20, 0x7F and C1 controls) written as '?', so each row stays one CSV record.
/// The other fields are the cell texts unquoted; Size has every comma removed.
std::string BuildCsvText(const std::vector<scan::ResultRow>& rows, const scan::RowFormatter& formatter);

/// Writes the text BuildCsvText gives to `path`, byte for byte, without holding it whole in memory: the
/// lines go out in chunks of about 1 MiB to a temporary file that is renamed over `path` at the end
/// (platform::ReplacingFile), so a failed write leaves the previous file intact. `keepAlive`, when set, is
/// called every few thousand rows and before the final flush to disk, so that a caller with a window can
/// keep it responsive; an exception from it abandons the write and leaves the previous file. Returns 0 or
/// the platform error code.
[[nodiscard]] int WriteCsvFile(const std::string& path, const std::vector<scan::ResultRow>& rows,
                               const scan::RowFormatter& formatter,
                               const std::function<void()>& keepAlive = {});

/// A results file that could not be written. The message is "The file <path> cannot be written." + a
/// line feed + "REASON: " + the platform's text for the error.
class CsvWriteError : public std::runtime_error {
  public:
    CsvWriteError(const std::string& path, int code);
    /// The platform error code.
    int Code() const { return code_; }

  private:
    int code_;
};

/// `WriteToCSVFile`: writes the results file (WriteCsvFile, calling `keepAlive` as it goes) and then logs
/// "Results written to CSV file " + path in blue, regular. Throws CsvWriteError when the file cannot be
/// written; nothing is logged then.
void WriteToCSVFile(const std::string& path, const std::vector<scan::ResultRow>& rows,
                    const scan::RowFormatter& formatter, base::LogSink& log,
                    const std::function<void()>& keepAlive = {});

/// The end of WriteToCSVFile, for a caller that wrote the file itself (WriteCsvFile returned `code`):
/// logs the line on 0, throws CsvWriteError otherwise.
void ReportCsvWrite(const std::string& path, int code, base::LogSink& log);

}  // namespace vorlex::report

#include "app/OutputFiles.h"

#include <stdexcept>

#include "config/ListFile.h"
#include "config/Settings.h"
#include "platform/Errors.h"
#include "platform/FileAccess.h"
#include "platform/Paths.h"
#include "report/RtfWriter.h"

namespace vorlex::app {

std::vector<std::string> OutputFiles::DataFileNames() {
    return {config::kSettingsFileName,
            config::kIncludeListFileName,
            config::kExcludeListFileName,
            config::kRegExListFileName,
            kLogFileName,
            kCsvFileName};
}

std::string OutputFiles::HeldFileMessage() const {
    for (const std::string& path : {LogPath(), CsvPath()}) {
        const int code = platform::CheckFileAccess(path);
        if (code == platform::kErrorInUse) {
            return "ERROR: The file " + path + " cannot be accessed.\nREASON: " + platform::ErrorText(code);
        }
    }
    return {};
}

void OutputFiles::RemovePrevious() const {
    // Temporary copies left by runs that were killed while writing: nothing else will ever remove them.
    platform::RemoveStaleTemporaryFiles(programPath_, DataFileNames());
    platform::DeleteFile(LogPath());
    platform::DeleteFile(CsvPath());
}

void OutputFiles::RemoveCsv() const {
    platform::DeleteFile(CsvPath());
}

void OutputFiles::SaveLog(const report::ActivityLog& log) const {
    const std::string path = LogPath();
    const int err = platform::ReplaceFileContent(path, report::RenderRtf(log.Entries()));
    if (err != 0) {
        throw std::runtime_error("Unable to write to " + path + ": " + platform::ErrorText(err));
    }
}

}  // namespace vorlex::app

#include "app/Controller.h"

#include <stdexcept>

#include "app/Version.h"
#include "platform/Errors.h"
#include "platform/FileAccess.h"
#include "platform/Paths.h"
#include "report/Ansi.h"
#include "report/RtfWriter.h"

namespace vorlex::app {

using report::LogStyle;

Controller::Controller(ControllerView& view, Environment env)
    : view_(view), env_(std::move(env)), formats_(platform::CurrentFormats()) {
    if (!env_.clock) {
        env_.clock = platform::ProcessClock();
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

    // Settings and the command line come in here.

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

    platform::DeleteFile(env_.programPath + kLogFileName);
    platform::DeleteFile(env_.programPath + kCsvFileName);

    if (!interactive_) {
        ScanNow();
        if (!ending_) {
            ExitProgram(0);
        }
        return false;
    }
    return true;
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

void Controller::ScanNow() {}

void Controller::DeleteFiles() {}

}  // namespace vorlex::app

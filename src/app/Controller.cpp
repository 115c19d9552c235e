#include "app/Controller.h"

#include <stdexcept>

#include "app/Version.h"
#include "platform/Errors.h"
#include "platform/FatalSignals.h"
#include "platform/FileAccess.h"
#include "platform/Paths.h"
#include "platform/StackTrace.h"
#include "platform/SystemInfo.h"
#include "report/Ansi.h"
#include "report/RtfWriter.h"
#include "report/SystemDump.h"

namespace vorlex::app {

using report::LogStyle;

Controller::Controller(ControllerView& view, Environment env)
    : view_(view), env_(std::move(env)), formats_(platform::CurrentFormats()), formatter_(formats_, {}) {
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
    line("Aborted due to Exception", report::kBlack, LogStyle::Bold);
    line("Exception Message = Fatal signal " + name, report::kRed, LogStyle::Bold);
    line("Exception Class Name = " + name, report::kRed, LogStyle::Bold);
    line("Stack Dump:", report::kBlue, LogStyle::Bold);
    for (auto& frame : platform::CurrentStack(2)) {
        report::LogEntry e;
        e.message = std::move(frame);
        e.plain = true;
        c->log_.Append(std::move(e));
    }
    if (c->debugMode_) {
        line("Return Code = 1", report::kGreen, LogStyle::Regular);
    }
    try {
        c->SaveLogFile();
    } catch (...) {
    }
}

void Controller::ScanNow() {}

void Controller::DeleteFiles() {}

}  // namespace vorlex::app

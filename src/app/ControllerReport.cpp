// The controller's log and its reports of failures: exceptions, fatal signals.
#include "app/Controller.h"

#include "app/Version.h"
#include "platform/Errors.h"
#include "platform/FatalSignals.h"
#include "platform/StackTrace.h"
#include "platform/SystemInfo.h"
#include "report/Ansi.h"
#include "report/SystemDump.h"

namespace vorlex::app {

using base::LogStyle;

void Controller::WriteLog(std::string_view message, base::LogColour colour, LogStyle style) {
    report::LogEntry e;
    e.timestamp = report::LogTimestamp(env_.clock->Now(), formats_);
    // The log holds text of the user's ANSI code page: what it lacks shows as '?'.
    e.message = report::ToAnsiText(message, formats_.ansiCodePage);
    e.colour = colour;
    e.style = style;
    log_.Append(std::move(e));
    view_.LogChanged();
}

void Controller::WriteDebugLog(std::string_view message) {
    if (debugMode_) {
        WriteLog(message, base::kGreen, LogStyle::Regular);
    }
}

void Controller::WritePlainLines(const std::vector<std::string>& lines, base::LogColour colour) {
    for (const auto& line : lines) {
        report::LogEntry e;
        e.message = report::ToAnsiText(line, formats_.ansiCodePage);
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
    files_.SaveLog(log_);
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
    WriteLog("Exception Message = " + message, base::kRed, LogStyle::Bold);
    WriteLog("Exception Class Name = " + className, base::kRed, LogStyle::Bold);
    WriteLog("Stack Dump:", base::kBlue, LogStyle::Bold);
    WritePlainLines(stack, base::kBlack);
    LogSystemInfo();
    WriteLog("Exception Message = " + message, base::kRed, LogStyle::Bold);
    WriteLog("Exception Class Name = " + className, base::kRed, LogStyle::Bold);
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
    WriteLog("Dumping System Info:", base::kBlue, LogStyle::Bold);
    for (const auto& line : report::SystemDumpLines(platform::ReadSystemInfo(), GetVersionText(), formats_)) {
        WriteLog(line, base::kBlack, LogStyle::Regular);
    }
}

void Controller::StopNow(const std::string& message) {
    WriteLog(message, base::kBlack, LogStyle::Bold);
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
    auto line = [c](std::string text, base::LogColour colour, LogStyle style) {
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
    std::string report =
        "Vorlex: Fatal signal " + name + ". See " + c->files_.LogPath() + " for the report.\nStack Dump:\n";
    for (const auto& frame : stack) {
        report.append(frame).push_back('\n');
    }
    platform::WriteToStandardError(report);
    line("Aborted due to Exception", base::kBlack, LogStyle::Bold);
    line("Exception Message = Fatal signal " + name, base::kRed, LogStyle::Bold);
    line("Exception Class Name = " + name, base::kRed, LogStyle::Bold);
    line("Stack Dump:", base::kBlue, LogStyle::Bold);
    for (const auto& frame : stack) {
        report::LogEntry e;
        e.message = frame;
        e.plain = true;
        c->log_.Append(std::move(e));
    }
    line("Dumping System Info:", base::kBlue, LogStyle::Bold);
    for (auto& dump : report::SystemDumpLines(platform::ReadSystemInfo(), GetVersionText(), c->formats_)) {
        line(std::move(dump), base::kBlack, LogStyle::Regular);
    }
    line("Exception Message = Fatal signal " + name, base::kRed, LogStyle::Bold);
    line("Exception Class Name = " + name, base::kRed, LogStyle::Bold);
    if (c->debugMode_) {
        line("Return Code = 1", base::kGreen, LogStyle::Regular);
    }
    try {
        c->SaveLogFile();
    } catch (...) {
    }
}

}  // namespace vorlex::app

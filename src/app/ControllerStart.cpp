// The controller's start-up sequence, its command line, its settings file and its way out.
#include "app/Controller.h"

#include "app/CommandLine.h"
#include "app/Version.h"
#include "config/Validation.h"
#include "platform/Paths.h"

namespace vorlex::app {

using base::LogStyle;

Controller::Controller(ControllerView& view, Environment env)
    : view_(view),
      env_(std::move(env)),
      formats_(platform::CurrentFormats()),
      files_(env_.programPath),
      criteria_(view_, *this, env_.programPath),
      formatter_(formats_, {}) {
    if (!env_.clock) {
        env_.clock = std::make_shared<platform::SystemClock>();
    }
    interactive_ = env_.args.empty();
}

bool Controller::Init() {
    WriteLog("Vorlex " + GetVersionText(), base::kBlue, LogStyle::Bold);
    ReadSettings();
    if (!interactive_ && !RunCommandLine()) {
        return false;
    }

    // Another process holding the log or the CSV file ends the program before anything is written.
    if (std::string held = files_.HeldFileMessage(); !held.empty()) {
        Message m;
        m.text = std::move(held);
        view_.ShowMessage(m);
        exitCode_ = 1;
        ending_ = true;
        view_.Terminate(1);
        return false;
    }

    WriteDebugLog("Program Path = " + env_.programPath);
    WriteDebugLog("Current Path = " + env_.currentPath);

    files_.RemovePrevious();

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
    WriteLog(message, base::kRed, LogStyle::Bold);
    Message m;
    m.text = message;
    view_.ShowMessage(m);
    ExitProgram(1);
}

void Controller::RunFailed(const std::string& message) {
    WriteLog(message, base::kRed, LogStyle::Bold);
    Message m;
    m.text = message;
    view_.ShowMessage(m);
    runFailed_ = true;
}

bool Controller::RunCommandLine() {
    WriteLog("Search criteria obtained from command-line:", base::kBlack, LogStyle::Regular);
    std::string line;
    for (const auto& arg : env_.commandLine) {
        if (!line.empty()) {
            line.push_back(' ');
        }
        // An argument with a blank is shown quoted, as it was typed.
        line += arg.find_first_of(" \t") == std::string::npos && !arg.empty() ? arg : "\"" + arg + "\"";
    }
    WriteLog(line, base::kBlack, LogStyle::Regular);

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
        WriteLog("DEBUG via Command-Line = True", base::kRed, LogStyle::Bold);
    }
    scanOnly_ = r.scanOnly;
    criteria_.SetDeleteEmptyDirs(!r.noDir);
    if (r.kind == CommandLineRequest::Kind::Refused) {
        Refuse(r.refusal);
        return false;
    }
    criteria_.ApplyCommandLine(r);
    // As for /NODIR, the command line alone decides: the window's "Move to Trash" does not apply here.
    criteria_.SetMoveToTrash(r.trash);
    criteria_.SetTrashOrDelete(r.trashOrDelete);
    if (r.hasMax) {
        maxFiles_ = r.maxFiles;
    }
    if (scanOnly_) {
        WriteLog("Scan Only option enabled. Files/Directories will not be deleted.", base::kBlue,
                 LogStyle::Regular);
    }
    if (Settings().doNotDeleteEmptyDirs) {
        WriteLog("Empty directories will not be deleted.", base::kBlue, LogStyle::Regular);
    }
    return true;
}

void Controller::ReadSettings() {
    criteria_.Read();
    debugMode_ = Settings().debugMode;
    if (debugMode_) {
        WriteLog("DEBUG via INI = True", base::kRed, LogStyle::Bold);
    }
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

}  // namespace vorlex::app

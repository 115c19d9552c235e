// Test helpers for the conveniences: a log that records its lines, a launcher that starts nothing, an
// environment guard and a message-box hook that fails the test when a box would appear.
#pragma once

#include <stdlib.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Launch.h"
#include "report/LogSink.h"
#include "ui/MessageBoxes.h"

namespace vorlex::test {

/// One line written to a RecordingLog.
struct LoggedLine {
    std::string message;
    report::LogColour colour;
    report::LogStyle style;
};

/// A log that keeps every line; debug lines appear only while `debug` is on, as in the program.
class RecordingLog : public report::LogSink {
  public:
    void WriteLog(std::string_view message, report::LogColour colour, report::LogStyle style) override {
        lines.push_back({std::string(message), colour, style});
    }
    void WriteDebugLog(std::string_view message) override {
        if (debug) {
            WriteLog(message, report::kGreen, report::LogStyle::Regular);
        }
    }
    bool DebugMode() const override { return debug; }

    bool debug = false;
    std::vector<LoggedLine> lines;
};

/// Replaces the program launcher for one test: records each request and answers `answer`.
class RecordingLauncher {
  public:
    struct Call {
        std::vector<std::string> argv;
        std::string workingDir;
    };

    RecordingLauncher() {
        platform::SetLaunchFunction(
            [this](const std::vector<std::string>& argv, const std::string& workingDir) {
                calls.push_back({argv, workingDir});
                return answer;
            });
    }
    ~RecordingLauncher() { platform::SetLaunchFunction({}); }
    RecordingLauncher(const RecordingLauncher&) = delete;
    RecordingLauncher& operator=(const RecordingLauncher&) = delete;

    std::vector<Call> calls;
    int answer = 0;
};

/// Sets (or, with nullopt, removes) an environment variable for one test and restores it afterwards.
class EnvGuard {
  public:
    EnvGuard(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = getenv(name)) {
            old_ = old;
        }
        Apply(value);
    }
    ~EnvGuard() { Apply(old_); }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            setenv(name_, value->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

/// While alive, any message box fails the test (and is answered at once, so nothing blocks).
class NoMessageBoxes {
  public:
    NoMessageBoxes() {
        ui::SetMessageBoxHook([](const ui::BoxRequest& request) {
            ADD_FAILURE() << "unexpected message box: " << request.text.toStdString();
            return ui::BoxResult::Ok;
        });
    }
    ~NoMessageBoxes() { ui::SetMessageBoxHook({}); }
    NoMessageBoxes(const NoMessageBoxes&) = delete;
    NoMessageBoxes& operator=(const NoMessageBoxes&) = delete;
};

}  // namespace vorlex::test

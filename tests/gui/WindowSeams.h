// Helpers for tests that drive the whole main window: its environment over a temporary program folder, a
// message-box recorder, a help-request recorder and a look into the log.
#pragma once

#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "base/LogSink.h"
#include "gui/MainWindow.h"
#include "ui/HelpWindow.h"
#include "ui/MessageBoxes.h"

namespace vorlex::test {

/// The environment of a window whose program folder is `programDir`, with its clock `daysAhead` days and an
/// hour after the real time: files the test makes are `daysAhead` whole days old for its scans.
inline app::Environment WindowEnv(const TempDir& programDir, int daysAhead = 40) {
    app::Environment env;
    env.programPath = programDir.path + "/";
    env.currentPath = programDir.path + "/";
    env.clock = std::make_shared<platform::FixedClock>(
        platform::TimeValue{static_cast<std::int64_t>(std::time(nullptr)) + daysAhead * 86400LL + 3600, 0});
    env.debugPauseMs = 0;
    return env;
}

/// Records every message box instead of showing it, answering OK.
class BoxRecorder {
  public:
    BoxRecorder() {
        ui::SetMessageBoxHook([this](const ui::BoxRequest& r) {
            boxes.push_back(r);
            return ui::BoxResult::Ok;
        });
    }
    ~BoxRecorder() { ui::SetMessageBoxHook({}); }
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    std::vector<ui::BoxRequest> boxes;
};

/// Records the help contexts asked for instead of showing the help window.
class HelpRecorder {
  public:
    HelpRecorder() {
        ui::SetHelpHook([this](int context) { contexts.push_back(context); });
    }
    ~HelpRecorder() { ui::SetHelpHook({}); }
    HelpRecorder(const HelpRecorder&) = delete;
    HelpRecorder& operator=(const HelpRecorder&) = delete;

    std::vector<int> contexts;
};

/// Replaces the directory dialog for as long as it lives: answers with `answer` (nothing: cancel) and
/// remembers where the dialog was asked to start.
class ChooserStub {
  public:
    explicit ChooserStub(std::optional<QString> answer = std::nullopt) : answer_(std::move(answer)) {
        app::TForm1::SetDirectoryChooser([this](QWidget*, const QString& start) {
            starts.push_back(start);
            return answer_;
        });
    }
    ~ChooserStub() { app::TForm1::SetDirectoryChooser({}); }
    ChooserStub(const ChooserStub&) = delete;
    ChooserStub& operator=(const ChooserStub&) = delete;

    void Answer(std::optional<QString> answer) { answer_ = std::move(answer); }

    std::vector<QString> starts;

  private:
    std::optional<QString> answer_;
};

/// How many log lines say exactly `message`.
inline int CountLines(app::TForm1& w, const std::string& message) {
    int n = 0;
    for (const auto& e : w.Ctl().LogModel().Entries()) {
        n += e.message == message ? 1 : 0;
    }
    return n;
}

/// The last log line that says exactly `message`, or null.
inline const report::LogEntry* FindLine(app::TForm1& w, const std::string& message) {
    const report::LogEntry* found = nullptr;
    for (const auto& e : w.Ctl().LogModel().Entries()) {
        if (e.message == message) {
            found = &e;
        }
    }
    return found;
}

}  // namespace vorlex::test

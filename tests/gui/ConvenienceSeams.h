// Test helpers for the conveniences: a log that records its lines and a message-box hook that fails the
// test when a box would appear (the launcher and environment helpers are in ../core/LaunchSeams.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "../core/LaunchSeams.h"
#include "base/LogSink.h"
#include "ui/MessageBoxes.h"

namespace vorlex::test {

/// One line written to a RecordingLog.
struct LoggedLine {
    std::string message;
    base::LogColour colour;
    base::LogStyle style;
};

/// A log that keeps every line; debug lines appear only while `debug` is on, as in the program.
class RecordingLog : public base::LogSink {
  public:
    void WriteLog(std::string_view message, base::LogColour colour, base::LogStyle style) override {
        lines.push_back({std::string(message), colour, style});
    }
    void WriteDebugLog(std::string_view message) override {
        if (debug) {
            WriteLog(message, base::kGreen, base::LogStyle::Regular);
        }
    }
    bool DebugMode() const override { return debug; }

    bool debug = false;
    std::vector<LoggedLine> lines;
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

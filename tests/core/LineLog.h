// A log sink for tests that keeps every line it is given.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/LogSink.h"

namespace vorlex::test {

/// Records WriteLog lines and, while `debug` is on, WriteDebugLog lines (as green regular lines).
class LineLog final : public base::LogSink {
  public:
    struct Line {
        std::string text;
        base::LogColour colour;
        base::LogStyle style;
    };
    bool debug = false;
    std::vector<Line> lines;

    void WriteLog(std::string_view message, base::LogColour colour, base::LogStyle style) override {
        lines.push_back({std::string(message), colour, style});
    }
    void WriteDebugLog(std::string_view message) override {
        if (debug) {
            WriteLog(message, base::kGreen, base::LogStyle::Regular);
        }
    }
    bool DebugMode() const override { return debug; }

    /// The texts of all lines, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const Line& l : lines) {
            t.push_back(l.text);
        }
        return t;
    }
};

}  // namespace vorlex::test

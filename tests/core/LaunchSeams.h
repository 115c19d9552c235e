// Test helpers around program starts: a launcher that records instead of starting, and an environment guard.
#pragma once

#include <stdlib.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Launch.h"

namespace vorlex::test {

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

}  // namespace vorlex::test

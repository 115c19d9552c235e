// Runs a private copy of the built program as a child process, without a shell and without a display, and
// reads back what it left: exit code, standard output and error, its activity log through unrtf, its CSV
// file through Python's csv module (CsvReader.h).
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "CsvReader.h"
#include "Files.h"
#include "LogHtml.h"
#include "RunTool.h"
#include "TempDir.h"

extern char** environ;

namespace vorlex::test {

/// The child's environment: this process's, without DISPLAY and WAYLAND_DISPLAY (as `env -u DISPLAY` run by
/// a scheduler), then `extra` set on top (an empty value removes the variable).
inline std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& extra) {
    std::map<std::string, std::string> vars;
    for (char** e = environ; *e != nullptr; ++e) {
        std::string entry(*e);
        size_t eq = entry.find('=');
        if (eq != std::string::npos) {
            vars[entry.substr(0, eq)] = entry.substr(eq + 1);
        }
    }
    vars.erase("DISPLAY");
    vars.erase("WAYLAND_DISPLAY");
    for (const auto& [name, value] : extra) {
        if (value.empty()) {
            vars.erase(name);
        } else {
            vars[name] = value;
        }
    }
    std::vector<std::string> env;
    for (const auto& [name, value] : vars) {
        env.push_back(name + "=" + value);
    }
    return env;
}

/// Start options of a child in this process's environment changed by `extra` (see ChildEnvironment), in the
/// working directory `workDir` (empty: the test's own).
inline ChildOptions Inherited(const std::map<std::string, std::string>& extra = {},
                              const std::string& workDir = {}) {
    ChildOptions options;
    options.environment = ChildEnvironment(extra);
    options.workDir = workDir;
    return options;
}

/// Spawn attributes under which a child starts with default signal handling (SIGPIPE included) and no
/// blocked signal, whatever the test runner changed.
class DefaultSignals {
  public:
    DefaultSignals() {
        posix_spawnattr_init(&attr_);
        sigset_t all;
        sigfillset(&all);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attr_, &all);
        posix_spawnattr_setsigmask(&attr_, &none);
        posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    }
    ~DefaultSignals() { posix_spawnattr_destroy(&attr_); }
    DefaultSignals(const DefaultSignals&) = delete;
    DefaultSignals& operator=(const DefaultSignals&) = delete;

    const posix_spawnattr_t* Get() const { return &attr_; }

  private:
    posix_spawnattr_t attr_;
};

/// An X display of the test's own (Xvfb), numbered from `base` and the test's process id. Tests that may
/// run at once use bases 500 apart, so their displays never share a number.
class TestDisplay {
  public:
    explicit TestDisplay(int base)
        : name_(":" + std::to_string(base + getpid() % 500)),
          server_("/usr/bin/Xvfb", {name_, "-nolisten", "tcp"}, vorlex::test::Inherited()) {}
    ~TestDisplay() {
        server_.Signal(SIGTERM);
        server_.Wait();
    }
    TestDisplay(const TestDisplay&) = delete;
    TestDisplay& operator=(const TestDisplay&) = delete;

    /// True once the server answers. A socket file alone may be left from an earlier server of that number.
    bool Ready() {
        const std::string probe = "xwininfo -display " + name_ + " -root 2>/dev/null";
        return WaitUntil([&] {
                   return !server_.Running() ||
                          vorlex::test::RunTool(probe).find("Window id") != std::string::npos;
               }) &&
               server_.Running();
    }
    const std::string& Name() const { return name_; }

  private:
    std::string name_;
    Child server_;
};

/// A private copy of a built program in a temporary folder: its settings, log and CSV files, and its
/// single-instance key (the program file's full path), are its own.
class ProgramCopy {
  public:
    /// A copy of the test build (VORLEX_EXE), whose clock DaysLater moves.
    ProgramCopy() : ProgramCopy(std::string(VORLEX_EXE)) {}
    /// A copy of the program file `source` as "vorlex"; VORLEX_SHIPPED_EXE is the program as a user runs it.
    explicit ProgramCopy(const std::string& source) {
        exe = dir.path + "/vorlex";
        std::error_code ec;
        std::filesystem::copy_file(source, exe, ec);
        EXPECT_FALSE(ec) << "cannot copy " << source << ": " << ec.message();
        chmod(exe.c_str(), 0755);
    }

    /// The folder of the copy, with its trailing '/', as the program names it.
    std::string Folder() const { return dir.path + "/"; }
    /// Full path of the program's file `name` ("VorlexActivity.rtf", ...).
    std::string PathOf(const std::string& name) const { return dir.path + "/" + name; }

    /// Starts the copy with `args`, in the working directory `workDir` (empty: the test's own).
    std::unique_ptr<Child> Start(const std::vector<std::string>& args,
                                 const std::map<std::string, std::string>& extraEnv = {},
                                 const std::string& workDir = {}) const {
        return std::make_unique<Child>(exe, args, Inherited(extraEnv, workDir));
    }

    /// Runs the copy with `args` to its end.
    RunResult Run(const std::vector<std::string>& args,
                  const std::map<std::string, std::string>& extraEnv = {}) const {
        return Start(args, extraEnv)->Wait();
    }

    /// The activity log as unrtf renders it in HTML (the body only); empty when there is no log.
    std::string LogHtml() const {
        std::string path = PathOf("VorlexActivity.rtf");
        if (!std::filesystem::exists(path)) {
            return {};
        }
        return test::LogHtml(path);
    }

    TempDir dir;
    std::string exe;
};

/// `text` as unrtf writes it in HTML (it also shows a run of blanks as one).
inline std::string HtmlText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') {
            continue;
        }
        switch (c) {
            case '"':
                out += "&quot;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

/// The HTML of one whole log line in `colour` ("#ff0000"), bold or not, as unrtf renders the log: the
/// message in its colour and weight, up to the line break.
inline std::string LogLineHtml(const std::string& text, const std::string& colour, bool bold) {
    return "<font color=\"" + colour + "\">" + (bold ? "<b>" : "") + HtmlText(text) + "<br>";
}

/// True when `html` holds the lines of `lines` in this order (each as LogLineHtml renders it).
inline ::testing::AssertionResult HasLinesInOrder(const std::string& html,
                                                  const std::vector<std::string>& lines) {
    size_t pos = 0;
    for (const auto& line : lines) {
        size_t at = html.find(line, pos);
        if (at == std::string::npos) {
            return ::testing::AssertionFailure() << "missing in order: " << line << "\nlog:\n" << html;
        }
        pos = at + line.size();
    }
    return ::testing::AssertionSuccess();
}

/// Sets the last-write time of `path` (not following a link) `days` days after now: such an entry is young
/// for any run, whatever its status-change time.
inline void MakeYoung(const std::string& path, int days = 400) {
    struct timeval now {};
    gettimeofday(&now, nullptr);
    struct timespec times[2];
    times[0].tv_sec = now.tv_sec;
    times[0].tv_nsec = 0;
    times[1].tv_sec = now.tv_sec + static_cast<time_t>(days) * 86400;
    times[1].tv_nsec = 0;
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

/// The environment that moves the clock of the test build (VORLEX_EXE) `days` days ahead: birth time cannot
/// be set through the file system's interface, so a file made now is old for a run "later". The program a
/// user runs has no such variable.
inline std::map<std::string, std::string> DaysLater(int days) {
    return {{"VORLEX_CLOCK_SHIFT", std::to_string(static_cast<long long>(days) * 86400)}};
}

}  // namespace vorlex::test

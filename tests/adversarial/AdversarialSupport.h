// Support of the adversarial suite: a copy of the program run under limits and a timeout, snapshots of what
// a run must not change, mounts, readers of the program's own files and a view for driving the controller.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "CsvReader.h"
#include "Files.h"
#include "RunTool.h"
#include "TempDir.h"
#include "app/Controller.h"
#include "app/ControllerView.h"
#include "platform/Time.h"

namespace vorlex::adv {

using test::CsvRecords;
using test::Exists;
using test::Names;
using test::ReadWholeFile;
using test::RunResult;
using test::SetTimes;
using test::WriteFile;

/// Seconds the clock of the test build (VORLEX_EXE) is moved ahead in a run, so that files made by the test
/// count as older than one day.
inline constexpr std::int64_t kTwoDays = 2 * 86400;

/// True when the suite runs as root (mount, mknod, chown, chattr, ramfs).
inline bool IsRoot() {
    return geteuid() == 0;
}

/// Ends the test as skipped, with the reason, unless it runs as root.
#define ADV_REQUIRE_ROOT(what)                          \
    do {                                                \
        if (!::vorlex::adv::IsRoot()) {                 \
            GTEST_SKIP() << "needs root to " << (what); \
        }                                               \
    } while (false)

/// Limits and environment of one run of the program.
struct RunOptions {
    int timeoutSeconds = 120;                   ///< the run is killed (and reported as hung) after this
    std::int64_t clockShiftSeconds = kTwoDays;  ///< VORLEX_CLOCK_SHIFT; 0 leaves the clock alone
    rlim_t stackBytes = 0;                      ///< RLIMIT_STACK before exec; 0 keeps the test's own
    rlim_t openFiles = 0;                       ///< RLIMIT_NOFILE before exec; 0 keeps the test's own
    /// Variables ("NAME=value") set on top of the fixed environment, replacing a kept one of that name.
    std::vector<std::string> environment;
};

/// A copy of the test build of the program (VORLEX_EXE, whose clock RunOptions::clockShiftSeconds moves) in
/// a folder of its own (its data files live beside it), run like a scheduler would run it: arguments, no
/// display, no boxes.
class ProgramCopy {
  public:
    /// Copies the program into `folder` (made when missing) as "vorlex".
    explicit ProgramCopy(std::string folder) : folder_(std::move(folder)) {
        std::filesystem::create_directories(folder_);
        std::filesystem::copy_file(VORLEX_EXE, Exe(), std::filesystem::copy_options::overwrite_existing);
        chmod(Exe().c_str(), 0755);
    }

    /// The program's folder (no trailing '/').
    const std::string& Folder() const { return folder_; }
    /// The program file.
    std::string Exe() const { return folder_ + "/vorlex"; }
    /// A file beside the program.
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    std::string LogPath() const { return Path("VorlexActivity.rtf"); }
    std::string CsvPath() const { return Path("VorlexFiles.csv"); }
    std::string IniPath() const { return Path("Vorlex.ini"); }

    /// Starts the program with `args`, under `options` and in a fixed environment.
    std::unique_ptr<test::Child> Start(const std::vector<std::string>& args,
                                       const RunOptions& options = {}) const {
        test::ChildOptions child;
        child.environment = {"LC_ALL=en_US.UTF-8", "VORLEX_NO_BOXES=1"};
        child.environment.insert(child.environment.end(), options.environment.begin(),
                                 options.environment.end());
        for (const char* keep : {"PATH", "HOME", "TZ", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
            const std::string prefix = std::string(keep) + "=";
            const bool replaced = std::any_of(options.environment.begin(), options.environment.end(),
                                              [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
            if (const char* v = std::getenv(keep); v != nullptr && !replaced) {
                child.environment.push_back(std::string(keep) + "=" + v);
            }
        }
        if (options.clockShiftSeconds != 0) {
            child.environment.push_back("VORLEX_CLOCK_SHIFT=" + std::to_string(options.clockShiftSeconds));
        }
        child.stackBytes = options.stackBytes;
        child.openFiles = options.openFiles;
        return std::make_unique<test::Child>(Exe(), args, child);
    }

    /// Runs the program with `args` to its end (or its timeout).
    RunResult Run(const std::vector<std::string>& args, const RunOptions& options = {}) const {
        return Start(args, options)->Wait(options.timeoutSeconds);
    }

  private:
    std::string folder_;
};

/// The three places of an end-to-end case: the tree the program cleans, a folder beside it that nothing
/// may change, and the program's own folder with its copy of the program.
struct Scene {
    test::TempDir base;
    std::string tree = base.path + "/tree";
    std::string outside = base.path + "/outside";
    ProgramCopy prog{base.path + "/prog"};

    Scene() {
        std::filesystem::create_directories(tree);
        std::filesystem::create_directories(outside);
    }
};

/// Expects a run that ended by itself, in time, with `code`.
#define ADV_EXPECT_FINISHED(result, code)                                           \
    do {                                                                            \
        EXPECT_FALSE((result).timedOut) << "the run hung: " << (result).Describe(); \
        EXPECT_EQ((result).signal, 0) << (result).Describe();                       \
        EXPECT_EQ((result).exitCode, (code)) << (result).Describe();                \
    } while (false)

/// What a run must leave alone, path by path: type and permission bits, owner, size, modified time, link
/// target and content. Not the link count or the status-change time, which removing a hard link in the
/// tree changes without touching the file.
using Snapshot = std::map<std::string, std::string>;

/// The snapshot of `root` and everything below it. FIFOs, sockets and devices are described, never opened.
inline Snapshot TakeSnapshot(const std::string& root) {
    Snapshot out;
    std::vector<std::string> pending{root};
    while (!pending.empty()) {
        const std::string p = pending.back();
        pending.pop_back();
        struct stat st {};
        if (lstat(p.c_str(), &st) != 0) {
            out[p] = "lstat failed: " + std::string(std::strerror(errno));
            continue;
        }
        std::ostringstream d;
        d << std::oct << st.st_mode << std::dec << " uid " << st.st_uid << " gid " << st.st_gid << " size "
          << st.st_size << " mtime " << st.st_mtim.tv_sec << '.' << st.st_mtim.tv_nsec;
        if (S_ISLNK(st.st_mode)) {
            std::vector<char> buf(static_cast<std::size_t>(st.st_size) + 1);
            ssize_t n = readlink(p.c_str(), buf.data(), buf.size());
            d << " -> " << std::string(buf.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
        } else if (S_ISREG(st.st_mode)) {
            d << " [" << ReadWholeFile(p) << ']';
        } else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
            d << " rdev " << st.st_rdev;
        } else if (S_ISDIR(st.st_mode)) {
            if (DIR* dir = opendir(p.c_str())) {
                while (dirent* e = readdir(dir)) {
                    const std::string n = e->d_name;
                    if (n != "." && n != "..") {
                        pending.push_back(p + "/" + n);
                    }
                }
                closedir(dir);
            }
        }
        out[p] = d.str();
    }
    return out;
}

/// The paths in which two snapshots differ, one per line ("" when they are equal).
inline std::string SnapshotDifferences(const Snapshot& before, const Snapshot& after) {
    std::string diff;
    for (const auto& [path, desc] : before) {
        auto it = after.find(path);
        if (it == after.end()) {
            diff += "gone: " + path + "\n";
        } else if (it->second != desc) {
            diff += "changed: " + path + "\n  was " + desc + "\n  now " + it->second + "\n";
        }
    }
    for (const auto& [path, desc] : after) {
        if (before.find(path) == before.end()) {
            diff += "new: " + path + "\n";
        }
    }
    return diff;
}

/// The lines of the program's activity log as unrtf reads them (timestamps included); `status` gets
/// unrtf's exit status.
inline std::vector<std::string> LogLines(const std::string& rtfPath, int* status = nullptr) {
    int rc = -1;
    const std::string text = test::RunTool("unrtf --text " + test::ShellQuote(rtfPath) + " 2>/dev/null", &rc);
    if (status != nullptr) {
        *status = rc;
    }
    std::vector<std::string> lines;
    std::istringstream in(text);
    bool body = false;
    for (std::string line; std::getline(in, line);) {
        if (!body) {
            body = line.rfind("-----------------", 0) == 0;  // unrtf's header ends here
            continue;
        }
        lines.push_back(line);
    }
    return lines;
}

/// True when a log line is `message` after its timestamp.
inline bool HasLine(const std::vector<std::string>& lines, const std::string& message) {
    for (const auto& l : lines) {
        if (l.size() > message.size() && l.compare(l.size() - message.size(), message.size(), message) == 0 &&
            l[l.size() - message.size() - 1] == ' ') {
            return true;
        }
    }
    return false;
}

/// The lines that hold `text`, as one text (for failure messages and counts).
inline std::vector<std::string> LinesWith(const std::vector<std::string>& lines, const std::string& text) {
    std::vector<std::string> out;
    for (const auto& l : lines) {
        if (l.find(text) != std::string::npos) {
            out.push_back(l);
        }
    }
    return out;
}

/// All of `lines` as one text.
inline std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l + "\n";
    }
    return out;
}

/// The Status of every row of a CSV file by its File text (the header left out). A File text that
/// appears twice is recorded as "DUPLICATE".
inline std::map<std::string, std::string> CsvStatus(const std::string& csvPath) {
    std::map<std::string, std::string> status;
    auto records = CsvRecords(csvPath);
    for (std::size_t i = 1; i < records.size(); ++i) {
        EXPECT_EQ(records[i].size(), 7u) << "record " << i << " of " << csvPath;
        if (records[i].size() == 7) {
            auto [it, fresh] = status.emplace(records[i][0], records[i][6]);
            if (!fresh) {
                it->second = "DUPLICATE";
            }
        }
    }
    return status;
}

/// The base name of a path (a trailing '/' of a directory row ignored).
inline std::string BaseName(std::string path) {
    if (!path.empty() && path.back() == '/') {
        path.pop_back();
    }
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

/// A file system mounted for one test and detached again at its end.
class ScopedMount {
  public:
    /// Mounts a `type` file system (tmpfs, ramfs) with `options` on the existing folder `target`.
    ScopedMount(const std::string& type, std::string target, const std::string& options)
        : target_(std::move(target)) {
        if (mount(type.c_str(), target_.c_str(), type.c_str(), MS_NOSUID | MS_NODEV, options.c_str()) == 0) {
            mounted_ = true;
        } else {
            error_ = errno;
        }
    }
    ~ScopedMount() {
        if (mounted_) {
            umount2(target_.c_str(), MNT_DETACH);
        }
    }
    ScopedMount(const ScopedMount&) = delete;
    ScopedMount& operator=(const ScopedMount&) = delete;

    bool Mounted() const { return mounted_; }
    /// Why the mount failed.
    std::string Error() const { return std::strerror(error_); }

  private:
    std::string target_;
    bool mounted_ = false;
    int error_ = 0;
};

/// Runs `step` over and over on a thread of its own until destroyed (or Stop), counting the rounds.
class Repeater {
  public:
    explicit Repeater(std::function<void()> step)
        : step_(std::move(step)), thread_([this] {
              while (!stop_.load()) {
                  step_();
                  rounds_.fetch_add(1);
              }
          }) {}
    ~Repeater() { Stop(); }
    Repeater(const Repeater&) = delete;
    Repeater& operator=(const Repeater&) = delete;

    /// Stops the thread after its current round and waits for it.
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    /// Rounds completed so far.
    std::uint64_t Rounds() const { return rounds_.load(); }

  private:
    std::function<void()> step_;
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> rounds_{0};
    std::thread thread_;
};

/// A view of the controller for tests: it records boxes and lets a test act while the work runs.
class TestView final : public app::ControllerView {
  public:
    void LogChanged() override {
        if (onLogChanged) {
            onLogChanged();
        }
    }
    void FlushLog() override {}
    void ShowMessage(const app::Message& message) override { messages.push_back(message); }
    void KeepAlive() override {
        if (onKeepAlive) {
            onKeepAlive();
        }
    }
    void BusyChanged(bool) override {}
    void RowsChanged() override {}
    void RowUpdated(std::size_t) override {}
    void SetDeleteEnabled(bool) override {}
    void CriteriaChanged() override {}
    void ClearRegExHistory() override {}
    void AddRegExHistory(const std::string&) override {}
    void Terminate(int code) override { terminatedWith = code; }

    std::vector<app::Message> messages;  ///< every box shown, in order
    std::function<void()> onKeepAlive;   ///< called whenever the controller lets window events run
    std::function<void()> onLogChanged;  ///< called after each change of the log
    int terminatedWith = -1;
};

/// A controller working in the program folder `programFolder` (no trailing '/') with its clock fixed at
/// now + `shiftSeconds`, started interactively (no arguments), so a test drives ScanNow and DeleteFiles.
inline std::unique_ptr<app::Controller> MakeController(TestView& view, const std::string& programFolder,
                                                       std::int64_t shiftSeconds = kTwoDays) {
    app::Environment env;
    env.programPath = programFolder + "/";
    env.currentPath = programFolder + "/";
    platform::TimeValue now = platform::SystemClock().Now();
    now.sec += shiftSeconds;
    env.clock = std::make_shared<platform::FixedClock>(now);
    env.debugPauseMs = 0;
    auto c = std::make_unique<app::Controller>(view, std::move(env));
    c->Guarded([&] { c->Init(); });
    return c;
}

/// The messages of the controller's log, without timestamps.
inline std::vector<std::string> ControllerLog(const app::Controller& c) {
    std::vector<std::string> out;
    for (const auto& e : c.LogModel().Entries()) {
        out.push_back(e.message);
    }
    return out;
}

/// Index of the first message equal to `message`, or -1.
inline long IndexOf(const std::vector<std::string>& messages, const std::string& message) {
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (messages[i] == message) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

}  // namespace vorlex::adv

// Helpers for the walk and clean-up tests: a recording host, child processes, deep trees and snapshots.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <linux/filter.h>
#include <linux/openat2.h>
#include <linux/seccomp.h>
#include <pthread.h>
#include <stddef.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Files.h"
#include "base/LogSink.h"
#include "cleanup/CleanupHost.h"
#include "platform/Time.h"
#include "scan/ResultRow.h"
#include "scan/ScanWalk.h"

namespace vorlex::test {

/// One line written to the log.
struct LoggedLine {
    std::string message;
    base::LogColour colour;
    base::LogStyle style = base::LogStyle::Regular;
    bool debug = false;
};

/// A log sink that keeps every line.
class RecordingLog final : public base::LogSink {
  public:
    void WriteLog(std::string_view message, base::LogColour colour, base::LogStyle style) override {
        lines.push_back({std::string(message), colour, style, false});
    }
    void WriteDebugLog(std::string_view message) override {
        if (debug) {
            lines.push_back({std::string(message), base::kGreen, base::LogStyle::Regular, true});
        }
    }
    bool DebugMode() const override { return debug; }

    /// How many lines have exactly the text `message`.
    std::size_t Count(std::string_view message) const {
        return static_cast<std::size_t>(std::count_if(
            lines.begin(), lines.end(), [&](const LoggedLine& l) { return l.message == message; }));
    }
    /// Index of the first line with the text `message`, or -1.
    long IndexOf(std::string_view message) const {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].message == message) {
                return static_cast<long>(i);
            }
        }
        return -1;
    }
    /// All lines as text, one per line (for failure messages and child processes).
    std::string Text() const {
        std::string out;
        for (const LoggedLine& l : lines) {
            out += l.message + "\n";
        }
        return out;
    }

    std::vector<LoggedLine> lines;
    bool debug = false;
};

/// The controller's side of the walks and clean-up passes, recorded.
class TestHost final : public cleanup::CleanupHost {
  public:
    base::LogSink& Log() override { return log; }
    bool StopRequested() const override { return stop; }
    void KeepAlive() override {
        ++keepAlives;
        if (stopAfterKeepAlives > 0 && keepAlives >= stopAfterKeepAlives) {
            stop = true;  // as if Stop was clicked while messages ran
        }
    }
    cleanup::RunCounters& Counters() override { return counters; }
    void RowChanged(std::size_t index) override { changedRows.push_back(index); }
    void AddResultRow(scan::ResultRow row) override { addedRows.push_back(std::move(row)); }

    RecordingLog log;
    bool stop = false;
    std::size_t keepAlives = 0;
    std::size_t stopAfterKeepAlives = 0;
    cleanup::RunCounters counters;
    std::vector<std::size_t> changedRows;
    std::vector<scan::ResultRow> addedRows;
};

/// A moment `days` days from now: scans that start then find files made now "old".
inline platform::TimeValue DaysFromNow(int days) {
    platform::TimeValue now = platform::SystemClock().Now();
    return platform::FixedClock({now.sec + std::int64_t{days} * 86400, now.nsec}).Now();
}

/// Scans `root` like a scan run does, listing every file whose created and modified times are both at or
/// before `cutOff`, sorted by path.
inline std::vector<scan::ResultRow> ScanRows(const std::string& root, platform::TimeValue cutOff,
                                             scan::WalkHost& host) {
    std::vector<scan::ResultRow> rows;
    scan::ScanTree(root, host, [&](const scan::FileVisit& f) {
        if (f.facts.created.Millis() <= cutOff.Millis() && f.facts.modified.Millis() <= cutOff.Millis()) {
            scan::ResultRow row;
            row.path = std::string(f.directory) + std::string(f.name);
            row.created = f.facts.created;
            row.modified = f.facts.modified;
            row.accessed = f.facts.accessed;
            row.size = f.facts.size;
            row.device = f.facts.device;
            row.inode = f.facts.inode;
            row.changeStamp = f.facts.changeStamp;
            row.fileType = f.facts.fileType;
            row.kind = f.facts.kind;
            rows.push_back(std::move(row));
        }
    });
    std::sort(rows.begin(), rows.end(),
              [](const scan::ResultRow& a, const scan::ResultRow& b) { return a.path < b.path; });
    return rows;
}

/// Everything about the tree `dir` that a deletion could change: per entry its type, mode, size, modified
/// time, inode, link target and content (not the link count, which a hard link in the tree shares). Two equal
/// snapshots mean the tree was not touched.
inline std::map<std::string, std::string> Snapshot(const std::string& dir) {
    std::map<std::string, std::string> out;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(dir, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        const std::string p = it->path().string();
        struct stat st {};
        lstat(p.c_str(), &st);
        std::ostringstream desc;
        desc << st.st_mode << ' ' << st.st_size << ' ' << st.st_ino << ' ' << st.st_mtim.tv_sec << '.'
             << st.st_mtim.tv_nsec;
        if (S_ISLNK(st.st_mode)) {
            desc << " -> " << std::filesystem::read_symlink(p, ec).string();
        } else if (S_ISREG(st.st_mode)) {
            std::ifstream in(p, std::ios::binary);
            desc << " [" << std::string(std::istreambuf_iterator<char>(in), {}) << ']';
        }
        out[p] = desc.str();
    }
    return out;
}

/// What a child process reported: its output and how it ended.
struct ChildResult {
    std::string output;
    int status = -1;  ///< wait status
    bool ExitedCleanly() const { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }
};

/// Runs `body` in a forked child and returns what it wrote. With `unprivileged`, a child of root first
/// becomes the user nobody (65534), so permission bits apply to it as to any user.
inline ChildResult RunInChild(const std::function<std::string()>& body, bool unprivileged = false) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        if (unprivileged && geteuid() == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) {
                _exit(3);
            }
        }
        std::string out = body();
        for (std::size_t done = 0; done < out.size();) {
            ssize_t n = write(fds[1], out.data() + done, out.size() - done);
            if (n <= 0) {
                _exit(4);
            }
            done += static_cast<std::size_t>(n);
        }
        close(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    ChildResult result;
    char buf[65536];
    for (;;) {
        ssize_t n = read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        result.output.append(buf, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    while (waitpid(pid, &result.status, 0) < 0 && errno == EINTR) {
    }
    return result;
}

/// Runs `body` on a thread with a stack of `stackBytes`, so deep recursion would crash it.
inline void RunOnSmallStack(std::size_t stackBytes, const std::function<void()>& body) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, stackBytes);
    pthread_t thread;
    auto trampoline = [](void* arg) -> void* {
        (*static_cast<const std::function<void()>*>(arg))();
        return nullptr;
    };
    if (pthread_create(&thread, &attr, trampoline, const_cast<std::function<void()>*>(&body)) == 0) {
        pthread_join(thread, nullptr);
    }
    pthread_attr_destroy(&attr);
}

/// Makes openat2 fail with ENOSYS for the rest of the calling process, as on kernels older than 5.6
/// (a seccomp filter; call it in a child). Returns true when openat2 is then really refused.
inline bool BlockOpenat2() {
    struct sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_openat2, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (ENOSYS & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    struct sock_fprog program = {static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
        prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0) {
        return false;
    }
    struct open_how how {};
    how.flags = O_PATH | O_CLOEXEC;
    return syscall(SYS_openat2, AT_FDCWD, "/", &how, sizeof how) < 0 && errno == ENOSYS;
}

/// Creates, below the directory `parent`, a chain of `depth` directories all named `name`, and calls
/// `atLevel(fd, level)` with the descriptor of each (level 1 is the top of the chain). Paths of any
/// length: everything goes through descriptors.
inline bool MakeChain(const std::string& parent, const std::string& name, int depth,
                      const std::function<void(int, int)>& atLevel = {}) {
    int fd = open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 1; level <= depth && fd >= 0; ++level) {
        if (mkdirat(fd, name.c_str(), 0755) != 0) {
            close(fd);
            return false;
        }
        int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        close(fd);
        fd = next;
        if (fd >= 0 && atLevel) {
            atLevel(fd, level);
        }
    }
    if (fd < 0) {
        return false;
    }
    close(fd);
    return true;
}

/// Creates the empty file `name` in the directory `dirfd`.
inline void MakeFileAt(int dirfd, const std::string& name) {
    int fd = openat(dirfd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        close(fd);
    }
}

/// Removes the tree `name` below the directory `parent` through descriptors, without recursion, whatever
/// its depth (std::filesystem::remove_all fails beyond PATH_MAX).
inline void RemoveDeepTree(const std::string& parent, const std::string& name) {
    // `fd` is always the directory that holds names.back().
    int fd = open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::vector<std::string> names{name};
    auto climb = [&fd, &names] {
        if (!names.empty()) {
            int up = openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            close(fd);
            fd = up;
        }
    };
    while (fd >= 0 && !names.empty()) {
        int dir = openat(fd, names.back().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (dir < 0) {
            unlinkat(fd, names.back().c_str(), 0);
            names.pop_back();
            climb();
            continue;
        }
        fchmod(dir, 0700);
        std::string sub;
        if (DIR* d = fdopendir(dup(dir))) {
            while (dirent* e = readdir(d)) {
                std::string n = e->d_name;
                struct stat st {};
                if (n == "." || n == ".." || fstatat(dir, n.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                    continue;
                }
                if (S_ISDIR(st.st_mode)) {
                    sub = n;
                } else {
                    unlinkat(dir, n.c_str(), 0);
                }
            }
            closedir(d);
        }
        if (!sub.empty()) {
            close(fd);
            fd = dir;
            names.push_back(sub);
            continue;
        }
        close(dir);
        unlinkat(fd, names.back().c_str(), AT_REMOVEDIR);
        names.pop_back();
        climb();
    }
    if (fd >= 0) {
        close(fd);
    }
}

}  // namespace vorlex::test

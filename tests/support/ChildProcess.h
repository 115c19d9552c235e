// A program run as a child process without a shell: limits, environment and working directory set before
// exec, standard output and error kept in files, the end awaited under a hang guard.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Files.h"
#include "TempDir.h"

namespace vorlex::test {

/// Seconds after which a child that has not ended counts as hung and is killed.
inline constexpr int kHangGuardSeconds = 60;

/// How a child starts.
struct ChildOptions {
    std::vector<std::string> environment;  ///< its whole environment, "NAME=value" each
    std::string workDir;                   ///< its working directory; empty: the test's own
    rlim_t stackBytes = 0;                 ///< RLIMIT_STACK before exec; 0 keeps the test's own
    rlim_t openFiles = 0;                  ///< RLIMIT_NOFILE before exec; 0 keeps the test's own
};

/// How a child ended and what it wrote.
struct RunResult {
    bool timedOut = false;  ///< the hang guard had to kill it
    int exitCode = -1;      ///< the exit status, -1 when the child did not exit by itself
    int signal = 0;         ///< the signal that ended it, 0 when it exited
    std::string out;        ///< standard output
    std::string err;        ///< standard error
    long maxRssKiB = 0;     ///< its peak resident set (getrusage of the child)

    /// A one-line description for failure messages.
    std::string Describe() const {
        std::ostringstream s;
        s << "exit " << exitCode << ", signal " << signal << (timedOut ? ", TIMED OUT" : "")
          << "; stderr: " << err;
        return s.str();
    }
};

/// One started child. It starts with default signal handling, no blocked signal and only the three standard
/// descriptors, whatever the test runner changed; its output goes to files, so it never blocks on a pipe.
class Child {
  public:
    /// Starts `exe` with `args`; a child that cannot start fails the test.
    Child(const std::string& exe, const std::vector<std::string>& args, const ChildOptions& options) {
        // Everything the child needs is made before fork: the test may run other threads.
        std::vector<std::string> argText{exe};
        argText.insert(argText.end(), args.begin(), args.end());
        std::vector<std::string> envText = options.environment;
        std::vector<char*> argv;
        for (auto& a : argText) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& e : envText) {
            envp.push_back(e.data());
        }
        envp.push_back(nullptr);
        const int out =
            open((streams_.path + "/stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int err =
            open((streams_.path + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
        int report[2] = {-1, -1};  // the child's errno when it cannot exec
        if (out < 0 || err < 0 || null < 0 || pipe2(report, O_CLOEXEC) != 0) {
            ADD_FAILURE() << "cannot prepare the start of " << exe << ": " << std::strerror(errno);
        } else {
            std::fflush(nullptr);
            pid_ = fork();
            if (pid_ == 0) {
                ExecChild(exe, argv, envp, options, out, err, null, report[1]);
            }
            if (pid_ < 0) {
                ADD_FAILURE() << "cannot fork for " << exe << ": " << std::strerror(errno);
            }
        }
        for (int fd : {out, err, null, report[1]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        int childErrno = 0;
        ssize_t n = -1;
        while (report[0] >= 0 && (n = read(report[0], &childErrno, sizeof childErrno)) < 0 &&
               errno == EINTR) {
        }
        if (report[0] >= 0) {
            close(report[0]);
        }
        if (pid_ > 0 && n > 0) {
            ADD_FAILURE() << "cannot start " << exe << ": " << std::strerror(childErrno);
            while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
            }
            pid_ = -1;
        }
    }
    ~Child() {
        if (pid_ > 0 && !reaped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    /// The child's process id (-1 when it did not start).
    pid_t Pid() const { return pid_; }

    /// Sends `sig` to the child.
    void Signal(int sig) const {
        if (pid_ > 0 && !reaped_) {
            kill(pid_, sig);
        }
    }

    /// True while the child has not ended.
    bool Running() {
        if (pid_ <= 0 || reaped_) {
            return false;
        }
        int status = 0;
        const pid_t got = wait4(pid_, &status, WNOHANG, &usage_);
        if (got == pid_) {
            Reaped(status);
        } else if (got < 0 && errno != EINTR) {
            reaped_ = true;
        }
        return !reaped_;
    }

    /// Waits for the end of the child; after `guardSeconds` it is killed and reported as hung.
    RunResult Wait(int guardSeconds = kHangGuardSeconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(guardSeconds);
        while (Running()) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                int status = 0;
                while (wait4(pid_, &status, 0, &usage_) < 0 && errno == EINTR) {
                }
                Reaped(status);
                result_.timedOut = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        result_.maxRssKiB = usage_.ru_maxrss;
        result_.out = ReadWholeFile(streams_.path + "/stdout");
        result_.err = ReadWholeFile(streams_.path + "/stderr");
        return result_;
    }

  private:
    /// The forked side: only async-signal-safe calls until exec.
    [[noreturn]] static void ExecChild(const std::string& exe, const std::vector<char*>& argv,
                                       const std::vector<char*>& envp, const ChildOptions& options, int out,
                                       int err, int null, int report) {
        struct sigaction dfl {};
        dfl.sa_handler = SIG_DFL;
        for (int sig = 1; sig < NSIG; ++sig) {
            sigaction(sig, &dfl, nullptr);
        }
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        bool ok = dup2(null, 0) == 0 && dup2(out, 1) == 1 && dup2(err, 2) == 2;
        for (auto [resource, value] :
             {std::pair{RLIMIT_STACK, options.stackBytes}, std::pair{RLIMIT_NOFILE, options.openFiles}}) {
            struct rlimit rl {
                value, value
            };
            ok = ok && (value == 0 || setrlimit(resource, &rl) == 0);
        }
        ok = ok && (options.workDir.empty() || chdir(options.workDir.c_str()) == 0);
        // The program starts with the three standard descriptors only.
        ok = ok && close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) == 0;
        if (ok) {
            execve(exe.c_str(), argv.data(), envp.data());
        }
        const int e = errno;
        (void)!write(report, &e, sizeof e);
        _exit(127);
    }

    void Reaped(int status) {
        reaped_ = true;
        if (WIFEXITED(status)) {
            result_.exitCode = WEXITSTATUS(status);
        } else if (WIFSIGNALED(status)) {
            result_.signal = WTERMSIG(status);
        }
    }

    TempDir streams_;
    pid_t pid_ = -1;
    bool reaped_ = false;
    struct rusage usage_ {};
    RunResult result_;
};

/// Polls `condition` until it holds or the hang guard runs out; returns whether it held.
template <typename Condition>
bool WaitUntil(Condition condition, int guardSeconds = kHangGuardSeconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(guardSeconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace vorlex::test

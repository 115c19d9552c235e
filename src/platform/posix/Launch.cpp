#include "platform/Launch.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/posix/PosixFs.h"

namespace vorlex::platform {

namespace {

LaunchFunction& CurrentLaunchFunction() {
    static LaunchFunction launch;
    return launch;
}

/// The files an exec of `program` tries, in order, as execvp would, but without empty PATH entries: a
/// file manager or terminal must never be picked up from whatever folder happens to be current.
std::vector<std::string> ExecutableCandidates(const std::string& program) {
    if (program.find('/') != std::string::npos) {
        return {program};
    }
    const char* env = std::getenv("PATH");
    std::string_view path = env != nullptr ? env : "/usr/local/bin:/usr/bin:/bin";
    std::vector<std::string> candidates;
    while (!path.empty()) {
        const size_t colon = path.find(':');
        const std::string_view dir = path.substr(0, colon);
        if (!dir.empty()) {
            std::string file(dir);
            if (file.back() != '/') {
                file.push_back('/');
            }
            candidates.push_back(file + program);
        }
        if (colon == std::string_view::npos) {
            break;
        }
        path.remove_prefix(colon + 1);
    }
    return candidates;
}

/// Sends `code` to the parent through the status pipe. Async-signal-safe.
void ReportToParent(int fd, int code) {
    const char* p = reinterpret_cast<const char*>(&code);
    size_t left = sizeof code;
    while (left > 0) {
        const ssize_t n = posix::RetryOnEintr([&] { return write(fd, p, left); });
        if (n <= 0) {
            return;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
}

/// Everything the forked processes use, prepared before the fork: between fork and exec only
/// async-signal-safe calls are allowed (the GUI has other threads, whose locks may be held at fork time).
struct ChildPlan {
    std::vector<char*> args;           ///< argv with a terminating null
    std::vector<const char*> files;    ///< exec candidates
    const char* workingDir = nullptr;  ///< null: stay in the current folder
    int maxFd = 1024;                  ///< upper bound for the descriptor sweep when close_range is missing
    int statusFd = -1;                 ///< write end of the status pipe (close-on-exec)
};

/// The grandchild: prepares the process state and execs. Never returns.
[[noreturn]] void ExecProgram(const ChildPlan& plan) {
    // Signals ignored or blocked by Vorlex would stay so in the program started; give it a clean state.
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    for (int sig = 1; sig < NSIG; ++sig) {
        if (sig != SIGKILL && sig != SIGSTOP) {
            sigaction(sig, &dfl, nullptr);
        }
    }
    // No input from Vorlex's terminal; output and errors may still go where Vorlex's go.
    const int null = open("/dev/null", O_RDONLY);
    if (null >= 0 && null != STDIN_FILENO) {
        dup2(null, STDIN_FILENO);
        close(null);
    }
    // No descriptor of Vorlex may live on in a long-running file manager or terminal (a lock on the log
    // file, for one, would then outlast Vorlex). The status pipe is already close-on-exec.
    if (close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
        for (int fd = 3; fd < plan.maxFd; ++fd) {
            fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    if (plan.workingDir != nullptr && chdir(plan.workingDir) != 0) {
        ReportToParent(plan.statusFd, errno);
        _exit(127);
    }
    int error = ENOENT;
    bool denied = false;
    for (const char* file : plan.files) {
        execve(file, plan.args.data(), environ);
        error = errno;
        if (error == EACCES) {
            denied = true;
        } else if (error != ENOENT && error != ENOTDIR) {
            break;  // the file exists but cannot be run: looking further would hide the reason
        }
    }
    ReportToParent(plan.statusFd, denied && (error == ENOENT || error == ENOTDIR) ? EACCES : error);
    _exit(127);
}

/// The intermediate child: leaves Vorlex's session, forks the grandchild and ends at once, so the program
/// started is adopted by init and never becomes a zombie of Vorlex. Never returns.
[[noreturn]] void DetachAndExec(const ChildPlan& plan) {
    setsid();
    const pid_t pid = fork();
    if (pid < 0) {
        ReportToParent(plan.statusFd, errno);
        _exit(1);
    }
    if (pid == 0) {
        ExecProgram(plan);
    }
    _exit(0);
}

}  // namespace

int StartDetached(const std::vector<std::string>& argv, const std::string& workingDir) {
    if (argv.empty() || argv[0].empty()) {
        return EINVAL;
    }
    const std::vector<std::string> candidates = ExecutableCandidates(argv[0]);
    if (candidates.empty()) {
        return ENOENT;
    }
    ChildPlan plan;
    for (const std::string& arg : argv) {
        plan.args.push_back(const_cast<char*>(arg.c_str()));
    }
    plan.args.push_back(nullptr);
    for (const std::string& file : candidates) {
        plan.files.push_back(file.c_str());
    }
    plan.workingDir = workingDir.empty() ? nullptr : workingDir.c_str();
    struct rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        plan.maxFd = static_cast<int>(limit.rlim_cur < 65536 ? limit.rlim_cur : 65536);
    }

    // The write end is close-on-exec: it closes by itself when the exec succeeds, and carries the error
    // code when it fails. End of file without a code therefore means the program is running.
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        return errno;
    }
    plan.statusFd = pipeFds[1];
    const pid_t pid = fork();
    if (pid < 0) {
        const int error = errno;
        close(pipeFds[0]);
        close(pipeFds[1]);
        return error;
    }
    if (pid == 0) {
        close(pipeFds[0]);
        DetachAndExec(plan);
    }
    close(pipeFds[1]);

    int code = 0;
    size_t got = 0;
    char* p = reinterpret_cast<char*>(&code);
    while (got < sizeof code) {
        const ssize_t n = posix::RetryOnEintr([&] { return read(pipeFds[0], p + got, sizeof code - got); });
        if (n <= 0) {
            break;
        }
        got += static_cast<size_t>(n);
    }
    close(pipeFds[0]);

    int status = 0;
    posix::RetryOnEintr([&] { return waitpid(pid, &status, 0); });
    if (got == sizeof code) {
        return code != 0 ? code : EIO;
    }
    // No code came back: the exec succeeded, unless the intermediate child died before it could fork.
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return ECHILD;
    }
    return 0;
}

void SetLaunchFunction(LaunchFunction launch) {
    CurrentLaunchFunction() = std::move(launch);
}

int Launch(const std::vector<std::string>& argv, const std::string& workingDir) {
    if (const LaunchFunction& launch = CurrentLaunchFunction()) {
        return launch(argv, workingDir);
    }
    return StartDetached(argv, workingDir);
}

int OpenFolder(const std::string& folder) {
    // A relative name starting with '-' would be read as an option; "./" keeps it a path.
    return Launch({"xdg-open", !folder.empty() && folder[0] == '-' ? "./" + folder : folder}, "");
}

std::string TerminalProgram() {
    const char* terminal = std::getenv("TERMINAL");
    return terminal != nullptr && *terminal != '\0' ? terminal : "x-terminal-emulator";
}

int OpenTerminal(const std::string& folder) {
    return Launch({TerminalProgram()}, folder);
}

int OpenUrl(const std::string& url) {
    return Launch({"xdg-open", url}, "");
}

}  // namespace vorlex::platform

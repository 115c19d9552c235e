#include "platform/FatalSignals.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/posix/PosixFs.h"

namespace vorlex::platform {

namespace {

FatalSignalHook g_hook = nullptr;
std::atomic<int> g_entered{0};
constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void OnAlarm(int) {
    _exit(1);
}

void OnFatal(int sig) {
    if (g_entered.fetch_add(1) != 0) {
        _exit(1);
    }
    // The report may block on a lock the crashed code held; never hang for it.
    signal(SIGALRM, OnAlarm);
    alarm(5);
    if (g_hook != nullptr) {
        g_hook(sig);
    }
    _exit(1);
}

}  // namespace

void InstallFatalSignalHook(FatalSignalHook hook) {
    g_hook = hook;
    static char* altStack = nullptr;
    if (altStack == nullptr) {
        const size_t size = 256 * 1024;
        altStack = static_cast<char*>(std::malloc(size));
        stack_t ss{};
        ss.ss_sp = altStack;
        ss.ss_size = size;
        sigaltstack(&ss, nullptr);
    }
    struct sigaction sa {};
    sa.sa_handler = OnFatal;
    sa.sa_flags = SA_ONSTACK | SA_NODEFER;
    sigemptyset(&sa.sa_mask);
    for (int s : kSignals) {
        sigaction(s, &sa, nullptr);
    }
}

const char* SignalName(int sig) {
    switch (sig) {
        case SIGSEGV:
            return "SIGSEGV";
        case SIGBUS:
            return "SIGBUS";
        case SIGFPE:
            return "SIGFPE";
        case SIGILL:
            return "SIGILL";
        case SIGABRT:
            return "SIGABRT";
        default:
            return "signal";
    }
}

void WriteToStandardError(std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = posix::RetryOnEintr([&] { return write(STDERR_FILENO, text.data(), text.size()); });
        if (n <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace vorlex::platform

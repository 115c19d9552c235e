#include "platform/Termination.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace vorlex::platform {

namespace {

int g_pipe[2] = {-1, -1};
std::atomic<bool> g_requested{false};

void OnTerminate(int) {
    int saved = errno;
    g_requested = true;
    if (g_pipe[1] >= 0) {
        char c = 1;
        [[maybe_unused]] ssize_t n = write(g_pipe[1], &c, 1);
    }
    errno = saved;
}

}  // namespace

int WatchTerminationSignals() {
    if (g_pipe[0] < 0 && pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return -1;
    }
    struct sigaction sa {};
    sa.sa_handler = OnTerminate;
    sa.sa_flags = SA_RESTART;
    sigemptyset(&sa.sa_mask);
    for (int s : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(s, &sa, nullptr);
    }
    return g_pipe[0];
}

int TerminationFd() {
    return g_pipe[0];
}

bool TerminationRequested() {
    return g_requested;
}

void DrainTerminationFd() {
    char buf[64];
    while (g_pipe[0] >= 0 && read(g_pipe[0], buf, sizeof buf) > 0) {
    }
}

void EndProcessNow(int code) {
    std::fflush(nullptr);
    _exit(code);
}

}  // namespace vorlex::platform

#include "platform/Termination.h"

#include <atomic>
#include <cstdio>

#include "platform/win32/WinFs.h"

namespace vorlex::platform {

namespace {

std::atomic<bool> g_requested{false};
bool g_installed = false;

// Ctrl+C, Ctrl+Break, a closed console window, logoff and shutdown: the run stops as on SIGTERM.
BOOL WINAPI OnConsoleEvent(DWORD) {
    g_requested.store(true);
    return TRUE;
}

}  // namespace

// A console control handler instead of a descriptor: there is nothing to watch, TerminationRequested tells.
int WatchTerminationSignals() {
    if (!g_installed) {
        g_installed = SetConsoleCtrlHandler(OnConsoleEvent, TRUE) != 0;
    }
    return -1;
}

int TerminationFd() {
    return -1;
}

bool TerminationRequested() {
    return g_requested.load();
}

void DrainTerminationFd() {}

void EndProcessNow(int code) {
    std::fflush(stdout);
    std::fflush(stderr);
    ExitProcess(static_cast<UINT>(code));
}

}  // namespace vorlex::platform

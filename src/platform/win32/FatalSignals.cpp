#include "platform/FatalSignals.h"

#include <csignal>

#include "platform/win32/WinFs.h"

namespace vorlex::platform {

namespace {

FatalSignalHook g_hook = nullptr;
volatile LONG g_entered = 0;

void RunHook(int sig) {
    if (InterlockedExchange(&g_entered, 1) != 0) {
        TerminateProcess(GetCurrentProcess(), 1);
    }
    if (g_hook != nullptr) {
        g_hook(sig);
    }
    TerminateProcess(GetCurrentProcess(), 1);
}

LONG WINAPI OnException(EXCEPTION_POINTERS* info) {
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    int sig = SIGSEGV;
    if (code == EXCEPTION_ILLEGAL_INSTRUCTION || code == EXCEPTION_PRIV_INSTRUCTION) {
        sig = SIGILL;
    } else if (code == EXCEPTION_INT_DIVIDE_BY_ZERO || code == EXCEPTION_FLT_DIVIDE_BY_ZERO) {
        sig = SIGFPE;
    }
    RunHook(sig);
    return EXCEPTION_EXECUTE_HANDLER;
}

void OnSignal(int sig) {
    RunHook(sig);
}

}  // namespace

void InstallFatalSignalHook(FatalSignalHook hook) {
    g_hook = hook;
    SetUnhandledExceptionFilter(OnException);
    std::signal(SIGABRT, OnSignal);
    std::signal(SIGSEGV, OnSignal);
    std::signal(SIGFPE, OnSignal);
    std::signal(SIGILL, OnSignal);
}

const char* SignalName(int sig) {
    switch (sig) {
        case SIGSEGV:
            return "SIGSEGV";
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
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    while (!text.empty() && err != nullptr && err != INVALID_HANDLE_VALUE &&
           WriteFile(err, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written > 0) {
        text.remove_prefix(written);
    }
}

}  // namespace vorlex::platform

// Last words on a fatal signal: a hook that may write a report before the process ends with code 1.
#pragma once

#include <string_view>

namespace vorlex::platform {

/// Called once, on an alternate stack, when the process receives SIGSEGV, SIGBUS, SIGFPE, SIGILL or SIGABRT.
/// It runs in a signal handler: it should do as little as it can. The process then ends with code 1.
using FatalSignalHook = void (*)(int signal);

/// Installs the hook for the fatal signals. A second fatal signal during the hook ends the process at once,
/// and so does a hook that takes longer than five seconds.
void InstallFatalSignalHook(FatalSignalHook hook);

/// The name of a signal ("SIGSEGV").
const char* SignalName(int signal);

/// Writes `text` to standard error with write(2) alone, unbuffered: usable from a fatal-signal hook.
void WriteToStandardError(std::string_view text);

}  // namespace vorlex::platform

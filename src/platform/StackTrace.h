// Stack traces of raised exceptions and of fatal signals, as text lines (procedure and source line).
#pragma once

#include <string>
#include <vector>

namespace vorlex::platform {

/// Switches on the capture of the stack at every C++ throw (kept per thread, for the last exception).
void EnableExceptionStackCapture();

/// The stack of the most recent exception raised on this thread, one line per frame, innermost first:
/// "procedure + 0xOFFSET (file.cpp:LINE)" where symbol and line information exist; no module names and no
/// raw addresses. Empty when capture is off or nothing was thrown.
std::vector<std::string> LastExceptionStack();

/// The stack of the calling code, formatted the same way, skipping `skip` innermost frames.
std::vector<std::string> CurrentStack(int skip = 0);

/// The readable class name of the exception being handled in the current catch block ("std::runtime_error").
std::string CurrentExceptionClassName();

}  // namespace vorlex::platform

// Starting other programs (file manager, terminal, web browser) detached from Vorlex, with a test seam.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vorlex::platform {

/// Starts the program argv[0] with the arguments argv[1..] as a process of its own session that Vorlex
/// does not wait for. No shell is involved: every argument reaches the program byte for byte. A name
/// without '/' is looked up in the directories of PATH (empty entries, meaning the current folder, are
/// skipped). The program starts in `workingDir`, or in the current folder when that is empty; its standard
/// input is /dev/null and it inherits no descriptor of Vorlex but standard output and standard error.
/// Returns 0 once the program is running, otherwise the error code of the step that failed: the change
/// into `workingDir` (2 when it does not exist), the look-up or the exec (2 for a program not found, 13 for
/// one that may not be run), or the process creation.
int StartDetached(const std::vector<std::string>& argv, const std::string& workingDir);

/// Replaces how programs are started (tests record the request and start nothing). It receives what
/// StartDetached would receive and returns what it would return. An empty function restores StartDetached.
using LaunchFunction =
    std::function<int(const std::vector<std::string>& argv, const std::string& workingDir)>;
void SetLaunchFunction(LaunchFunction launch);

/// Starts a program through the current launch function (StartDetached unless a test replaced it).
int Launch(const std::vector<std::string>& argv, const std::string& workingDir);

/// Opens `folder` in the user's file manager: starts "xdg-open" with the folder as its only argument.
/// Returns what Launch returns.
int OpenFolder(const std::string& folder);

/// The terminal emulator the user chose: $TERMINAL when it is set and not empty, else
/// "x-terminal-emulator". The value is one program name or path, never a command line.
std::string TerminalProgram();

/// Opens a terminal emulator (TerminalProgram) whose shell starts in `folder`: the terminal is started
/// without arguments, with `folder` as its working folder. Returns what Launch returns; a folder that no
/// longer exists gives 2 and starts nothing.
int OpenTerminal(const std::string& folder);

/// Opens `url` with the user's default handler (the web browser for http and https): starts "xdg-open"
/// with the address as its only argument. Returns what Launch returns.
int OpenUrl(const std::string& url);

}  // namespace vorlex::platform

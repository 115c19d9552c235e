// The folders the program works from: its own folder and the working folder at start-up.
#pragma once

#include <string>

namespace vorlex::platform {

/// Folder of the running executable (from /proc/self/exe), with a trailing '/'.
std::string ProgramFolder();

/// The current working folder, with a trailing '/'.
std::string CurrentFolder();

/// `path` with one trailing '/' added when it has none.
std::string WithTrailingSlash(std::string path);

/// True when `path` names an existing directory (links followed, as a user typing a path expects).
bool DirectoryExists(const std::string& path);

/// Removes the file `path` (never a directory); returns 0 or the error code. A missing file gives 2.
int DeleteFile(const std::string& path);

}  // namespace vorlex::platform

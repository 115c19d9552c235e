// The folders the program works from: its own folder and the working folder at start-up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlex::platform {

/// Path of the running executable (from /proc/self/exe), or "" when it cannot be read.
std::string ProgramFile();

/// Folder of the running executable (from /proc/self/exe), with a trailing '/'.
std::string ProgramFolder();

/// The identity (device and inode) of the running program's file, wherever it was started from. Returns 0
/// or the errno.
int ProgramFileIdentity(std::uint64_t& device, std::uint64_t& inode);

/// The current working folder, with a trailing '/'.
std::string CurrentFolder();

/// `path` with one trailing '/' added when it has none.
std::string WithTrailingSlash(std::string path);

/// True when `path` names an existing directory (links followed, as a user typing a path expects).
bool DirectoryExists(const std::string& path);

/// Removes the file `path` (never a directory); returns 0 or the error code. A missing file gives 2.
int DeleteFile(const std::string& path);

/// Removes from `folder` (a trailing '/' included) the temporary copies that ReplacingFile left for any of
/// `names` when its process died before it could rename or remove them: regular files named NAME + ".tmp"
/// + PID + "-" + digits whose process no longer exists. Copies of living processes are left alone.
/// Returns how many were removed.
int RemoveStaleTemporaryFiles(const std::string& folder, const std::vector<std::string>& names);

}  // namespace vorlex::platform

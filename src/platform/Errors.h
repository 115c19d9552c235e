// Error codes of the platform layer and their message texts.
#pragma once

#include <string>

namespace vorlex::platform {

/// Error codes are errno values, plus the codes below that have no errno of their own.
inline constexpr int kErrorNone = 0;
/// No such file or directory (ENOENT).
inline constexpr int kErrorFileNotFound = 2;
/// The file is locked by another process (flock, or a POSIX or open file description record lock).
inline constexpr int kErrorInUse = 0x10020;
/// The file's file system has no trash this user may use ("No trash on this file system").
inline constexpr int kErrorNoTrash = 0x10021;

/// The last error of the calling thread (errno).
int LastError();

/// The system's message text for an error code: at most 256 characters, with trailing blanks, control
/// characters and full stops removed ("No such file or directory").
std::string ErrorText(int code);

}  // namespace vorlex::platform

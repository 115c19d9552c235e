// The exclusive-open test for the program's output files, and atomic replacement of files.
#pragma once

#include <string>
#include <string_view>

namespace vorlex::platform {

/// Opens the existing file read-write without following a link and tries an exclusive, non-blocking
/// flock. Returns 0 when both worked, kErrorInUse when another process holds a lock, otherwise the errno
/// of the failed open (2 for a missing file). FIFOs and devices are never opened (EINVAL).
int CheckFileAccess(const std::string& path);

/// Replaces `path` with `content`: writes a temporary file in the same folder, flushes it to disk and
/// renames it into place, so a failure leaves the previous file intact. The temporary file is locked
/// (flock) while it is written. A link at `path` is replaced, never followed. Returns 0 or the error code.
int ReplaceFileContent(const std::string& path, std::string_view content);

/// Tests whether ReplaceFileContent may replace `path` the way a user of a settings or list file expects:
/// returns 0 when nothing is there or a regular file is there whose owner-write bit is set and which the
/// process may write; EACCES for a read-only file (also for root, who would otherwise replace it
/// regardless); EISDIR for a directory. Other entries give 0, since ReplaceFileContent replaces them.
int CheckReplaceable(const std::string& path);

/// Reads the whole of the file `path` into `out`. Returns 0 or the error code.
int ReadFileContent(const std::string& path, std::string& out);

}  // namespace vorlex::platform

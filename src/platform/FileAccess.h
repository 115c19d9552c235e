// The exclusive-open test for the program's output files, and atomic replacement of files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlex::platform {

/// Opens the existing file read-write without following a link, tries an exclusive, non-blocking flock and
/// asks whether another process holds a POSIX or open file description record lock on it. Returns 0 when
/// the file is free, kErrorInUse when another process holds a lock of any of these kinds, otherwise the errno
/// of the failed open (2 for a missing file). FIFOs and devices are never opened (EINVAL).
int CheckFileAccess(const std::string& path);

/// A replacement of a file written piece by piece: a temporary file beside the target, created anew
/// (never through a link) with the mode of the file it replaces and locked (flock) from creation until it
/// has been renamed into place. Until Commit succeeds the target is untouched; a ReplacingFile destroyed
/// without a successful Commit removes its temporary file, so a failure (or an exception) in the middle
/// leaves the previous file intact. Not copyable; one writer at a time.
class ReplacingFile {
  public:
    ReplacingFile() = default;
    /// Removes the temporary file unless Commit succeeded.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    /// Creates the temporary file that is to replace `path`. Returns 0 or the error code.
    [[nodiscard]] int Open(const std::string& path);
    /// Appends `data` to the temporary file. Returns 0 or the error code; after a failure every later
    /// Write and the Commit return that same error (the first one).
    [[nodiscard]] int Write(std::string_view data);
    /// Flushes the temporary file to disk and renames it over the target while still locked, then closes it.
    /// Returns 0, or the first error of Open, Write or this step; on an error the temporary file is removed
    /// and the target is left as it was.
    [[nodiscard]] int Commit();
    /// Gives up the replacement: closes and removes the temporary file (also done by the destructor).
    void Abandon();

  private:
    std::string target_;
    std::string temp_;
    int fd_ = -1;
    int error_ = 0;
    std::uint64_t written_ = 0;  ///< bytes written so far
    std::uint64_t flushed_ =
        0;  ///< bytes handed to the disk early, so that Commit has little left to wait for
};

/// Replaces `path` with `content` through a ReplacingFile: writes a temporary file in the same folder,
/// flushes it to disk and renames it into place, so a failure leaves the previous file intact. A link at
/// `path` is replaced, never followed. Returns 0 or the error code.
int ReplaceFileContent(const std::string& path, std::string_view content);

/// Tests whether ReplaceFileContent may replace `path` the way a user of a settings or list file expects:
/// returns 0 when nothing is there or a regular file is there whose owner-write bit is set and which the
/// process may write; EACCES for a read-only file (also for root, who would otherwise replace it
/// regardless); EISDIR for a directory. Other entries give 0, since ReplaceFileContent replaces them.
int CheckReplaceable(const std::string& path);

/// Reads the whole of the file `path` into `out`. Returns 0 or the error code.
int ReadFileContent(const std::string& path, std::string& out);

/// Reads at most `maxBytes` of the file `path` into `out`; `truncated` tells whether the file holds more.
/// Nothing beyond the first `maxBytes` + 1 bytes is read. Returns 0 or the error code.
int ReadFileContent(const std::string& path, std::string& out, std::size_t maxBytes, bool& truncated);

}  // namespace vorlex::platform

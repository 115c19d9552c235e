// Private helpers of the POSIX file-system code: descriptors, statx, getdents64 and link-free opens.
#pragma once

#include <sys/types.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/DirWalk.h"

namespace vorlex::platform::posix {

/// Calls `call` again while it fails (a negative result) with EINTR, a signal that arrived first. Returns
/// the last result; errno is the last call's. Async-signal-safe when `call` is.
template <typename Call>
auto RetryOnEintr(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

/// Closes `fd` when it is open, keeping errno as it was.
void CloseFd(int fd);

/// statx of `name` in `dirfd` without following a link (AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT), asking for
/// the birth time. Returns 0 or the errno.
int StatxAt(int dirfd, const char* name, EntryFacts& out);

/// statx of the open descriptor `fd` itself.
int StatxFd(int fd, EntryFacts& out);

/// Reads directory entries into `buf` (raw getdents64). Returns the byte count, 0 at the end, or -errno.
ssize_t ReadDirEntries(int fd, char* buf, std::size_t size);

/// Walks the linux_dirent64 records of one ReadDirEntries buffer, skipping "." and "..".
class DirentCursor {
  public:
    DirentCursor(const char* buf, std::size_t len) : p_(buf), end_(buf + len) {}
    /// The next name (NUL-terminated, in the buffer), or nullptr at the end of the buffer.
    const char* Next(std::size_t& nameLen);

  private:
    const char* p_;
    const char* end_;
};

/// Opens the single name `name` below `dirfd` as a directory without following a link and without
/// crossing a mount: openat2(RESOLVE_NO_SYMLINKS | RESOLVE_BENEATH | RESOLVE_NO_XDEV) where the kernel has
/// it, else openat(O_NOFOLLOW) followed by a device check against `expectedDevice` (kDeviceOfParent: the
/// device of `dirfd`). `access` is O_RDONLY or O_PATH. Returns the descriptor or -errno (-EXDEV for a mount).
int OpenChildDir(int dirfd, const char* name, int access, std::uint64_t expectedDevice);

/// For OpenChildDir: the child must be on the file system of its parent.
inline constexpr std::uint64_t kDeviceOfParent = ~std::uint64_t{0};

/// The resolve flags of every open below a tree root: no links, no escape, no other file system.
std::uint64_t SafeResolveFlags();

/// Counts the entries of the open directory `fd` ("." and ".." left out), stopping at `limit`.
/// Returns 0 or the errno of a failed read.
int CountEntriesFd(int fd, std::size_t limit, std::size_t& count);

/// Opens the '/'-separated `relative` path below `dirfd` with openat2 and `resolve` flags in pieces that
/// fit PATH_MAX. Returns the descriptor or -errno; -ENOSYS when the kernel lacks openat2.
int OpenRelativeInPieces(int dirfd, std::string_view relative, int flags, std::uint64_t resolve);

/// Opens the absolute or relative `path` (links followed) with `flags`, in pieces when it is longer than
/// PATH_MAX. Returns the descriptor or -errno.
int OpenLongPath(std::string_view path, int flags);

/// True when another process (or another open file description) holds a POSIX or an open file description
/// record lock on any part of the file open at `fd`: one F_OFD_GETLK query for a write lock over the whole
/// file reports both kinds. flock locks are not seen here. False when the query fails.
bool RecordLockedByOther(int fd);

/// True while openat2 is believed to be available (cleared after the first ENOSYS).
bool HaveOpenat2();

}  // namespace vorlex::platform::posix

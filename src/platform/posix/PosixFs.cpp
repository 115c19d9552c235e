#include "platform/posix/PosixFs.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstring>
#include <string>

namespace vorlex::platform::posix {

namespace {

// Birth time costs nothing extra; the walk needs every other field for the per-file test.
constexpr unsigned kStatxMask = STATX_TYPE | STATX_MODE | STATX_NLINK | STATX_INO | STATX_SIZE | STATX_ATIME |
                                STATX_MTIME | STATX_CTIME | STATX_BTIME;
constexpr int kStatxFlags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT;
constexpr std::uint64_t kResolveSafe =
    RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS | RESOLVE_BENEATH | RESOLVE_NO_XDEV;
// Longest text handed to one open call; leaves room below PATH_MAX for the terminating NUL.
constexpr std::size_t kPieceMax = PATH_MAX - 96;

std::atomic<bool> gHaveOpenat2{true};

TimeValue FromStatx(const struct statx_timestamp& ts) {
    return {static_cast<std::int64_t>(ts.tv_sec), static_cast<std::int32_t>(ts.tv_nsec)};
}

void FillFacts(const struct statx& sx, EntryFacts& out) {
    const std::uint32_t mode = sx.stx_mode;
    if (S_ISREG(mode)) {
        out.kind = EntryKind::File;
    } else if (S_ISDIR(mode)) {
        out.kind = EntryKind::Directory;
    } else if (S_ISLNK(mode)) {
        out.kind = EntryKind::Symlink;
    } else {
        out.kind = EntryKind::Special;
    }
    out.fileType = static_cast<std::uint8_t>((mode & S_IFMT) >> 12);
    out.mode = mode;
    out.device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    out.inode = sx.stx_ino;
    out.size = sx.stx_size;
    out.links = sx.stx_nlink;
    out.changeStamp = static_cast<std::uint64_t>(sx.stx_ctime.tv_sec) * 1000000000u + sx.stx_ctime.tv_nsec;
    out.modified = FromStatx(sx.stx_mtime);
    out.accessed = FromStatx(sx.stx_atime);
    // The status-change time is never earlier than the birth time, so the age test stays on the safe side.
    const bool haveBirth =
        (sx.stx_mask & STATX_BTIME) != 0 && (sx.stx_btime.tv_sec != 0 || sx.stx_btime.tv_nsec != 0);
    out.created = FromStatx(haveBirth ? sx.stx_btime : sx.stx_ctime);
    out.hasBirthTime = haveBirth;
    out.mountRoot = (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0 &&
                    (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
}

long RawOpenat2(int dirfd, const char* path, int flags, std::uint64_t resolve) {
    struct open_how how {};
    how.flags = static_cast<std::uint64_t>(flags);
    how.resolve = resolve;
    long fd;
    do {
        fd = RetryOnEintr([&] { return syscall(SYS_openat2, dirfd, path, &how, sizeof how); });
    } while (fd < 0 && errno == EAGAIN);
    return fd;
}

// Length of the next piece of `rest` that fits one open call, ending at a '/' boundary.
std::size_t PieceLength(std::string_view rest) {
    if (rest.size() <= kPieceMax) {
        return rest.size();
    }
    std::size_t cut = rest.rfind('/', kPieceMax);
    if (cut == std::string_view::npos || cut == 0) {
        // One name longer than a piece: let the kernel refuse it.
        cut = rest.find('/');
        return cut == std::string_view::npos ? rest.size() : cut;
    }
    return cut;
}

}  // namespace

void CloseFd(int fd) {
    if (fd >= 0) {
        int saved = errno;
        close(fd);
        errno = saved;
    }
}

bool RecordLockedByOther(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;  // l_start 0 and l_len 0: the whole file; l_pid must be 0 for the query
    const int rc = RetryOnEintr([&] { return fcntl(fd, F_OFD_GETLK, &lock); });
    return rc == 0 && lock.l_type != F_UNLCK;
}

int StatxAt(int dirfd, const char* name, EntryFacts& out) {
    struct statx sx {};
    if (statx(dirfd, name, kStatxFlags, kStatxMask, &sx) != 0) {
        return errno;
    }
    FillFacts(sx, out);
    return 0;
}

int StatxFd(int fd, EntryFacts& out) {
    struct statx sx {};
    if (statx(fd, "", AT_EMPTY_PATH | kStatxFlags, kStatxMask, &sx) != 0) {
        return errno;
    }
    FillFacts(sx, out);
    return 0;
}

ssize_t ReadDirEntries(int fd, char* buf, std::size_t size) {
    const ssize_t n = RetryOnEintr([&] { return getdents64(fd, buf, size); });
    return n < 0 ? -errno : n;
}

const char* DirentCursor::Next(std::size_t& nameLen) {
    constexpr std::size_t kNameOffset = offsetof(struct dirent64, d_name);
    constexpr std::size_t kReclenOffset = offsetof(struct dirent64, d_reclen);
    while (p_ < end_) {
        unsigned short reclen = 0;
        std::memcpy(&reclen, p_ + kReclenOffset, sizeof reclen);
        const char* name = p_ + kNameOffset;
        p_ += reclen;
        if (reclen == 0) {
            p_ = end_;
            break;
        }
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) {
            continue;
        }
        nameLen = std::strlen(name);
        return name;
    }
    return nullptr;
}

std::uint64_t SafeResolveFlags() {
    return kResolveSafe;
}

int CountEntriesFd(int fd, std::size_t limit, std::size_t& count) {
    count = 0;
    alignas(8) char buffer[8192];
    while (count < limit) {
        ssize_t n = ReadDirEntries(fd, buffer, sizeof buffer);
        if (n <= 0) {
            return n < 0 ? static_cast<int>(-n) : 0;
        }
        DirentCursor cursor(buffer, static_cast<std::size_t>(n));
        std::size_t nameLength = 0;
        while (count < limit && cursor.Next(nameLength) != nullptr) {
            ++count;
        }
    }
    return 0;
}

bool HaveOpenat2() {
    return gHaveOpenat2.load(std::memory_order_relaxed);
}

int OpenChildDir(int dirfd, const char* name, int access, std::uint64_t expectedDevice) {
    const int flags = access | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    if (HaveOpenat2()) {
        long fd = RawOpenat2(dirfd, name, flags, kResolveSafe);
        if (fd >= 0) {
            return static_cast<int>(fd);
        }
        if (errno != ENOSYS) {
            return -errno;
        }
        gHaveOpenat2.store(false, std::memory_order_relaxed);
    }
    const int fd = RetryOnEintr([&] { return openat(dirfd, name, flags); });
    if (fd < 0) {
        return -errno;
    }
    EntryFacts facts;
    if (int err = StatxFd(fd, facts); err != 0) {
        CloseFd(fd);
        return -err;
    }
    if (expectedDevice == kDeviceOfParent) {
        EntryFacts parent;
        if (int err = StatxFd(dirfd, parent); err != 0) {
            CloseFd(fd);
            return -err;
        }
        expectedDevice = parent.device;
    }
    if (facts.device != expectedDevice || facts.mountRoot) {
        CloseFd(fd);
        return -EXDEV;
    }
    return fd;
}

int OpenRelativeInPieces(int dirfd, std::string_view relative, int flags, std::uint64_t resolve) {
    if (!HaveOpenat2()) {
        return -ENOSYS;
    }
    int cur = -1;  // owned, except while it is still dirfd
    int base = dirfd;
    std::string piece;
    while (!relative.empty()) {
        const std::size_t len = PieceLength(relative);
        const bool last = len == relative.size();
        piece.assign(relative.substr(0, len));
        const int pieceFlags = last ? flags : (O_PATH | O_DIRECTORY | O_CLOEXEC);
        long fd = RawOpenat2(base, piece.c_str(), pieceFlags, resolve);
        if (fd < 0) {
            int err = errno;
            if (err == ENOSYS) {
                gHaveOpenat2.store(false, std::memory_order_relaxed);
            }
            CloseFd(cur);
            return -err;
        }
        CloseFd(cur);
        cur = static_cast<int>(fd);
        base = cur;
        relative.remove_prefix(last ? len : len + 1);
    }
    return cur;
}

int OpenLongPath(std::string_view path, int flags) {
    if (path.empty()) {
        return -ENOENT;
    }
    if (path.size() <= kPieceMax) {
        std::string p(path);
        const int fd = RetryOnEintr([&] { return open(p.c_str(), flags); });
        return fd < 0 ? -errno : fd;
    }
    int cur = -1;
    int base = AT_FDCWD;
    if (path.front() == '/') {
        cur = open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (cur < 0) {
            return -errno;
        }
        base = cur;
        while (!path.empty() && path.front() == '/') {
            path.remove_prefix(1);
        }
    }
    std::string piece;
    while (!path.empty()) {
        std::size_t len = PieceLength(path);
        const bool last = len == path.size() || path.find_first_not_of('/', len) == std::string_view::npos;
        piece.assign(path.substr(0, len));
        int fd = openat(base, piece.c_str(), last ? flags : (O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (fd < 0) {
            int err = errno;
            CloseFd(cur);
            return -err;
        }
        CloseFd(cur);
        cur = fd;
        base = cur;
        if (last) {
            break;
        }
        path.remove_prefix(len);
        while (!path.empty() && path.front() == '/') {
            path.remove_prefix(1);
        }
    }
    return cur;
}

}  // namespace vorlex::platform::posix

#include "platform/FileAccess.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <random>

#include "platform/Errors.h"
#include "platform/posix/PosixFs.h"

namespace vorlex::platform {

int CheckFileAccess(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        return errno;
    }
    if (!S_ISREG(st.st_mode)) {
        // Never open FIFOs, devices or sockets; a link is not followed either.
        return S_ISLNK(st.st_mode) ? ELOOP : EINVAL;
    }
    int fd = open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    int result = 0;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        result = errno == EWOULDBLOCK ? kErrorInUse : errno;
    } else {
        flock(fd, LOCK_UN);
        if (posix::RecordLockedByOther(fd)) {
            result = kErrorInUse;
        }
    }
    close(fd);
    return result;
}

namespace {

int WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = posix::RetryOnEintr([&] { return write(fd, data.data(), data.size()); });
        if (n < 0) {
            return errno;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    Abandon();
}

int ReplacingFile::Open(const std::string& path) {
    Abandon();
    target_ = path;
    error_ = 0;
    written_ = 0;
    flushed_ = 0;
    std::random_device rd;
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        temp_ = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(rd() % 1000000);
        fd_ = open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd_ < 0 && errno != EEXIST) {
            error_ = errno;
            break;
        }
    }
    if (fd_ < 0) {
        temp_.clear();
        if (error_ == 0) {
            error_ = EEXIST;
        }
        return error_;
    }
    // Keep the mode of the file being replaced.
    struct stat old {};
    if (lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        fchmod(fd_, old.st_mode & 07777);
    }
    // The file is new and private to this process, so the lock cannot be held elsewhere yet; readers that
    // test for it see the file as busy until it is complete and in place.
    flock(fd_, LOCK_EX | LOCK_NB);
    return 0;
}

int ReplacingFile::Write(std::string_view data) {
    if (error_ == 0 && fd_ < 0) {
        error_ = EBADF;
    }
    if (error_ == 0) {
        error_ = WriteAll(fd_, data);
    }
    written_ += data.size();
    // A large file goes to the disk while it is still being written (asynchronously: errors show at the
    // fsync of Commit), so the final flush does not wait for all of it at once.
    constexpr std::uint64_t kFlushEvery = std::uint64_t{16} << 20;
    if (error_ == 0 && written_ - flushed_ >= kFlushEvery) {
        sync_file_range(fd_, static_cast<off_t>(flushed_), static_cast<off_t>(written_ - flushed_),
                        SYNC_FILE_RANGE_WRITE);
        flushed_ = written_;
    }
    return error_;
}

int ReplacingFile::Commit() {
    if (error_ == 0 && fd_ < 0) {
        error_ = EBADF;
    }
    if (error_ == 0 && fsync(fd_) != 0) {
        error_ = errno;
    }
    // Rename while the lock is still held, so no reader sees the new file unlocked before it is complete.
    if (error_ == 0 && rename(temp_.c_str(), target_.c_str()) != 0) {
        error_ = errno;
    }
    if (error_ != 0) {
        Abandon();
        return error_;
    }
    // In place: the temporary name is gone, so there is nothing left to remove.
    temp_.clear();
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) {
        error_ = errno;
    }
    return error_;
}

void ReplacingFile::Abandon() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        unlink(temp_.c_str());
        temp_.clear();
    }
}

int CheckReplaceable(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    if (S_ISDIR(st.st_mode)) {
        return EISDIR;
    }
    if (!S_ISREG(st.st_mode)) {
        return 0;
    }
    // The owner-write bit is the file's read-only flag; root's access() ignores it, so test it apart.
    if ((st.st_mode & S_IWUSR) == 0 || access(path.c_str(), W_OK) != 0) {
        return EACCES;
    }
    return 0;
}

int ReadFileContent(const std::string& path, std::string& out) {
    bool truncated = false;
    return ReadFileContent(path, out, std::numeric_limits<std::size_t>::max(), truncated);
}

int ReadFileContent(const std::string& path, std::string& out, std::size_t maxBytes, bool& truncated) {
    out.clear();
    truncated = false;
    int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        int err = errno != 0 ? errno : EINVAL;
        close(fd);
        return S_ISREG(st.st_mode) ? err : EINVAL;
    }
    char buf[65536];
    while (out.size() <= maxBytes) {
        // One byte beyond the limit tells whether the file goes on.
        const std::size_t left = maxBytes - out.size();
        ssize_t n =
            posix::RetryOnEintr([&] { return read(fd, buf, left < sizeof buf ? left + 1 : sizeof buf); });
        if (n < 0) {
            int err = errno;
            close(fd);
            return err;
        }
        if (n == 0) {
            break;
        }
        out.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    if (out.size() > maxBytes) {
        truncated = true;
        out.resize(maxBytes);
    }
    return 0;
}

}  // namespace vorlex::platform

#include "platform/FileAccess.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/Errors.h"

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
    }
    close(fd);
    return result;
}

namespace {

int WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

}  // namespace

int ReplaceFileContent(const std::string& path, std::string_view content) {
    std::random_device rd;
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        tmp = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(rd() % 1000000);
        fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) {
            return errno;
        }
    }
    if (fd < 0) {
        return EEXIST;
    }
    // Keep the mode of the file being replaced.
    struct stat old {};
    if (lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        fchmod(fd, old.st_mode & 07777);
    }
    flock(fd, LOCK_EX | LOCK_NB);
    int err = WriteAll(fd, content);
    if (err == 0 && fsync(fd) != 0) {
        err = errno;
    }
    // Rename while the lock is still held, so no reader sees the new file unlocked before it is complete.
    if (err == 0 && rename(tmp.c_str(), path.c_str()) != 0) {
        err = errno;
    }
    if (close(fd) != 0 && err == 0) {
        err = errno;
    }
    if (err != 0) {
        unlink(tmp.c_str());
    }
    return err;
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
    out.clear();
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
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
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
    return 0;
}

}  // namespace vorlex::platform

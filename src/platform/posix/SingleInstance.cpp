#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/posix/PosixFs.h"

namespace vorlex::platform {

namespace {

constexpr char kRaise[] = "raise";

std::uint64_t Fnv1a(const std::string& text, std::uint64_t seed) {
    std::uint64_t h = seed;
    for (unsigned char c : text) {
        h ^= c;
        h *= 0x100000001b3ULL;
    }
    return h;
}

// The folder `path` opened without following a link, when it is this user's own and nobody else may write
// in it (mode 0700). Returns the descriptor or -1.
int OpenPrivateFolder(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || st.st_uid != geteuid() || (st.st_mode & 07777) != 0700) {
        close(fd);
        return -1;
    }
    return fd;
}

// The folder of the lock and the socket, which no other user can write: $XDG_RUNTIME_DIR when it is the
// user's own with mode 0700, else "vorlex-<uid>" in $TMPDIR or /tmp, made with mode 0700. A folder of that
// name that another user made first is never trusted: `path` is then empty and -1 is returned.
int OpenInstanceFolder(std::string& path) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        path = runtime;
        if (const int fd = OpenPrivateFolder(path); fd >= 0) {
            return fd;
        }
    }
    const char* tmp = std::getenv("TMPDIR");
    path = tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp";
    path += "/vorlex-" + std::to_string(geteuid());
    if (mkdir(path.c_str(), 0700) == 0) {
        chmod(path.c_str(), 0700);  // the umask may have taken bits away
    }
    const int fd = OpenPrivateFolder(path);
    if (fd < 0) {
        path.clear();
    }
    return fd;
}

// The address of the socket file `path`; false when the path is too long for one.
bool Address(const std::string& path, sockaddr_un& addr, socklen_t& len) {
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) {
        return false;
    }
    std::memcpy(addr.sun_path, path.data(), path.size());
    len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    return true;
}

// Asks the holder listening at `addr` to come to the front. The connect must not wait: an unattended run
// never accepts, so once its backlog is full a blocking connect would hang every later start.
void AskToRaise(const sockaddr_un& addr, socklen_t len) {
    const int c = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (c < 0) {
        return;
    }
    if (connect(c, reinterpret_cast<const sockaddr*>(&addr), len) == 0) {
        send(c, kRaise, sizeof kRaise - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    close(c);
}

}  // namespace

std::string InstanceName(const std::string& programPath) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "vorlex-%u-%016llx%016llx", static_cast<unsigned>(geteuid()),
                  static_cast<unsigned long long>(Fnv1a(programPath, 0xcbf29ce484222325ULL)),
                  static_cast<unsigned long long>(Fnv1a(programPath, 0x84222325cbf29ce4ULL)));
    return buf;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        close(fd_);
    }
    if (lockFd_ >= 0) {
        close(lockFd_);
    }
}

std::unique_ptr<InstanceLock> InstanceLock::Acquire(const std::string& programPath, int* error) {
    if (error != nullptr) {
        *error = 0;
    }
    auto unchecked = [error](int err) {
        // Neither taken nor found held: run without the check rather than refuse to start, and never stay
        // silent because of a place another user controls.
        if (error != nullptr) {
            *error = err;
        }
        return std::unique_ptr<InstanceLock>(new InstanceLock(-1, -1));
    };
    std::string folder;
    const int dirfd = OpenInstanceFolder(folder);
    if (dirfd < 0) {
        return unchecked(EPERM);
    }
    const std::string name = InstanceName(programPath);
    const std::string lockName = name + ".lock";
    const int lockFd = posix::RetryOnEintr([&] {
        return openat(dirfd, lockName.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    });
    if (lockFd < 0) {
        const int err = errno;
        close(dirfd);
        return unchecked(err);
    }
    const int locked = posix::RetryOnEintr([&] { return flock(lockFd, LOCK_EX | LOCK_NB); });
    const int lockErr = errno;
    sockaddr_un addr{};
    socklen_t len = 0;
    const bool haveAddress = Address(folder + "/" + name + ".sock", addr, len);
    if (locked != 0) {
        close(lockFd);
        close(dirfd);
        if (lockErr != EWOULDBLOCK) {
            return unchecked(lockErr);
        }
        // Held: the kernel frees the lock when its holder ends, so it is alive. Ask it to come to the front.
        if (haveAddress) {
            AskToRaise(addr, len);
        }
        return nullptr;
    }
    // The lock is this process's: a socket file left by an earlier holder is stale.
    unlinkat(dirfd, (name + ".sock").c_str(), 0);
    close(dirfd);
    int fd = haveAddress ? socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0) : -1;
    if (fd >= 0 && (bind(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0 || listen(fd, 8) != 0)) {
        // The lock alone still keeps a second start out; it just cannot bring this one to the front.
        if (error != nullptr) {
            *error = errno;
        }
        close(fd);
        fd = -1;
    }
    return std::unique_ptr<InstanceLock>(new InstanceLock(lockFd, fd));
}

bool InstanceLock::TakeRequest() {
    if (fd_ < 0) {
        return false;
    }
    int c = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (c < 0) {
        return false;
    }
    // Only a start of the same user may ask (the folder already keeps others out).
    struct ucred peer {};
    socklen_t peerLen = sizeof peer;
    if (getsockopt(c, SOL_SOCKET, SO_PEERCRED, &peer, &peerLen) != 0 || peer.uid != geteuid()) {
        close(c);
        return false;
    }
    // The sender writes its few bytes before closing; wait briefly for them.
    struct timeval tv {
        0, 200000
    };
    setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    char buf[16] = {};
    ssize_t n = recv(c, buf, sizeof buf - 1, 0);
    close(c);
    return n == static_cast<ssize_t>(sizeof kRaise - 1) && std::memcmp(buf, kRaise, n) == 0;
}

}  // namespace vorlex::platform

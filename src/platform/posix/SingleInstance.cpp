#include "platform/SingleInstance.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

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

socklen_t Address(const std::string& name, sockaddr_un& addr) {
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    // Abstract namespace: a leading NUL, no file on disk, gone with the last holder.
    std::memcpy(addr.sun_path + 1, name.data(), name.size());
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
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
}

std::unique_ptr<InstanceLock> InstanceLock::Acquire(const std::string& programPath, int* error) {
    if (error != nullptr) {
        *error = 0;
    }
    sockaddr_un addr{};
    socklen_t len = Address(InstanceName(programPath), addr);
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) {
            break;
        }
        if (bind(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0 && listen(fd, 8) == 0) {
            return std::unique_ptr<InstanceLock>(new InstanceLock(fd));
        }
        int bindErr = errno;
        close(fd);
        if (bindErr != EADDRINUSE) {
            if (error != nullptr) {
                *error = bindErr;
            }
            break;
        }
        // Held: ask the holder to come to the front. A holder that is just ending refuses the connection;
        // then try to take the lock again. The connect must not wait: an unattended run never accepts, so
        // once its backlog is full a blocking connect would hang every later start until the run ends.
        int c = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (c < 0) {
            return nullptr;
        }
        bool held = false;
        if (connect(c, reinterpret_cast<sockaddr*>(&addr), len) == 0) {
            held = true;
            send(c, kRaise, sizeof kRaise - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        } else {
            // A full backlog: the holder is alive but not listening to requests now.
            held = errno == EAGAIN || errno == EWOULDBLOCK;
        }
        close(c);
        if (held) {
            return nullptr;
        }
    }
    // Neither taken nor found held: run without the check rather than refuse to start.
    return std::unique_ptr<InstanceLock>(new InstanceLock(-1));
}

bool InstanceLock::TakeRequest() {
    if (fd_ < 0) {
        return false;
    }
    int c = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (c < 0) {
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

// One running instance per program file: a kernel-released lock that also carries "come to the front".
#pragma once

#include <memory>
#include <string>

namespace vorlex::platform {

/// Held by the running instance of a program file, keyed by the user and the program's full path: an
/// exclusive flock on a lock file, which the kernel frees when the process ends (crash or kill -9
/// included), and a listening Unix socket beside it. Both lie in a folder only the user can write
/// ($XDG_RUNTIME_DIR when it is the user's own with mode 0700, else "vorlex-<uid>" with mode 0700 in $TMPDIR
/// or /tmp), so no other user can claim the instance. A copy of the program in another folder has a name of
/// its own.
class InstanceLock {
  public:
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    /// Takes the lock for `programPath`. Returns null when another instance holds it; that instance has then
    /// been asked to come to the front. When the lock can be neither taken nor found held (no folder of the
    /// user's own can be had, e.g. another user made it first) the start goes on without the check: the
    /// result holds nothing and `error` gets an errno. `error` also gets one when only the socket failed.
    static std::unique_ptr<InstanceLock> Acquire(const std::string& programPath, int* error = nullptr);

    /// The listening socket (-1 when there is none): readable when a later start asks this instance to come
    /// to the front.
    int Fd() const { return fd_; }

    /// Accepts and reads one pending request; true when it asked to come to the front and came from a
    /// process of the same user.
    bool TakeRequest();

  private:
    InstanceLock(int lockFd, int fd) : lockFd_(lockFd), fd_(fd) {}
    int lockFd_;
    int fd_;
};

/// The name of the lock and socket files for `programPath` (the user id and two hashes of the path).
std::string InstanceName(const std::string& programPath);

}  // namespace vorlex::platform

// One running instance per program file: a kernel-released lock that also carries "come to the front".
#pragma once

#include <memory>
#include <string>

namespace vorlex::platform {

/// Held by the running instance of a program file. It is an abstract Unix socket named after the user and a
/// hash of the program's full path, so the kernel frees it when the process ends, crash or kill -9 included,
/// and a copy of the program in another folder has a name of its own.
class InstanceLock {
  public:
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    /// Takes the lock for `programPath`. Returns null when another instance holds it; that instance has then
    /// been asked to come to the front. `error` gets an errno when the lock could be neither taken nor
    /// found held (the start then goes on without it).
    static std::unique_ptr<InstanceLock> Acquire(const std::string& programPath, int* error = nullptr);

    /// The listening socket: readable when a later start asks this instance to come to the front.
    int Fd() const { return fd_; }

    /// Accepts and reads one pending request; true when it asked to come to the front.
    bool TakeRequest();

  private:
    explicit InstanceLock(int fd) : fd_(fd) {}
    int fd_;
};

/// The socket name used for `programPath` (without the leading NUL of the abstract namespace).
std::string InstanceName(const std::string& programPath);

}  // namespace vorlex::platform

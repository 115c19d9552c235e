#include "platform/SafeRemove.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <utility>

#include "platform/Errors.h"
#include "platform/Trash.h"
#include "platform/posix/PosixFs.h"

namespace vorlex::platform {

namespace {

using posix::CloseFd;

// A name that stays inside its directory: not empty, no '/', not "." or "..".
bool IsPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

// A single name copied with its terminating NUL, without touching the heap (one per removal adds up over a
// hundred thousand rows). A name longer than NAME_MAX cannot exist in a directory.
class NameZ {
  public:
    explicit NameZ(std::string_view name) : ok_(name.size() <= NAME_MAX) {
        if (ok_) {
            std::memcpy(buf_, name.data(), name.size());
            buf_[name.size()] = '\0';
        }
    }
    bool Ok() const { return ok_; }
    const char* CStr() const { return buf_; }

  private:
    char buf_[NAME_MAX + 1];
    bool ok_;
};

// An exclusive flock could not be taken, or another process holds a record lock (fcntl or open file
// description, as databases take them). Returns kErrorInUse, 0 when free, or the errno of a failed flock.
int TestLocks(int fd) {
    const int locked = posix::RetryOnEintr([&] { return flock(fd, LOCK_EX | LOCK_NB); });
    if (locked != 0 && errno == EWOULDBLOCK) {
        return kErrorInUse;
    }
    return posix::RecordLockedByOther(fd) ? kErrorInUse : 0;
}

// A file or directory that another process holds a lock on (flock or a record lock) is in use, as a file
// opened without sharing is elsewhere: it is kept. Opens `name` in `dirfd` without following a link,
// without blocking and never when it is anything but a file or a directory (no FIFO or device is ever
// opened), checks that it is still the entry of `facts` (size and status-change time included) and tests
// the locks. Returns 0 with the flock-ed descriptor in `held` (or -1 when the entry cannot be opened, e.g.
// without read permission: removal needs none), kErrorInUse, ESTALE when another entry has taken the name,
// or EAGAIN when the entry was written meanwhile.
int ProbeInUse(int dirfd, const char* name, const EntryFacts& facts, int& held) {
    held = -1;
    if (facts.kind != EntryKind::File && facts.kind != EntryKind::Directory) {
        return 0;
    }
    const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                      (facts.kind == EntryKind::Directory ? O_DIRECTORY : 0);
    const int fd = posix::RetryOnEintr([&] { return openat(dirfd, name, flags); });
    if (fd < 0) {
        // A lease of another process refuses a non-blocking open.
        return errno == EWOULDBLOCK ? kErrorInUse : 0;
    }
    EntryFacts opened;
    if (posix::StatxFd(fd, opened) != 0 || opened.device != facts.device || opened.inode != facts.inode) {
        CloseFd(fd);
        return ESTALE;
    }
    if (facts.kind == EntryKind::File &&
        (opened.size != facts.size || opened.changeStamp != facts.changeStamp)) {
        CloseFd(fd);
        return EAGAIN;
    }
    if (TestLocks(fd) == kErrorInUse) {
        CloseFd(fd);
        return kErrorInUse;
    }
    held = fd;
    return 0;
}

}  // namespace

DirHandle::~DirHandle() {
    CloseFd(fd_);
}

int DirHandle::Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

DirHandle& DirHandle::operator=(DirHandle&& other) noexcept {
    if (this != &other) {
        CloseFd(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

DescriptorCloser::~DescriptorCloser() {
    Finish();
}

void DescriptorCloser::Close(int fd) {
    if (fd < 0) {
        return;
    }
    if (!worker_ && !failed_) {
        // The descriptors that wait count against the process's limit: an eighth of it at most.
        struct rlimit limit {};
        const rlim_t open = getrlimit(RLIMIT_NOFILE, &limit) == 0 ? limit.rlim_cur : 0;
        waitingMax_ = open == RLIM_INFINITY ? kWaiting : std::min<std::size_t>(kWaiting, open / 8);
        batch_ = std::max<std::size_t>(1, waitingMax_ / 4);
        failed_ = waitingMax_ < 2;
        if (!failed_) {
            worker_.emplace();
            if (!worker_->Started()) {
                worker_.reset();
                failed_ = true;
            }
        }
    }
    // A batch on the worker counts whole until it is done.
    if (!worker_ || gathered_.size() + worker_->Unfinished() * batch_ >= waitingMax_) {
        CloseFd(fd);  // no thread, or it lags behind: no more descriptors wait
        return;
    }
    gathered_.push_back(fd);
    if (gathered_.size() == batch_) {
        worker_->Post([fds = std::exchange(gathered_, {})] {
            for (const int f : fds) {
                CloseFd(f);
            }
        });
    }
}

void DescriptorCloser::Close(DirHandle&& handle) {
    Close(handle.Release());
}

void DescriptorCloser::Finish() {
    if (!worker_) {
        return;
    }
    for (const int fd : std::exchange(gathered_, {})) {
        CloseFd(fd);
    }
    worker_->Drain();
    worker_.reset();
}

bool IsOldEnough(const EntryFacts& facts, const AgeRule& rule) {
    const std::int64_t cut = rule.cutOff.Millis();
    TimeValue modified = facts.modified.EarlierBy(rule.modifiedSlackSeconds);
    return facts.created.Millis() <= cut && modified.Millis() <= cut;
}

int OpenTreeRoot(const std::string& root, DirHandle& out) {
    int fd = posix::OpenLongPath(root, O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        out = DirHandle();
        return -fd;
    }
    out = DirHandle(fd);
    return 0;
}

int OpenBeneath(const DirHandle& root, std::string_view relative, DirHandle& out) {
    out = DirHandle();
    if (!root.Valid()) {
        return EBADF;
    }
    if (relative.empty()) {
        int fd = fcntl(root.Fd(), F_DUPFD_CLOEXEC, 0);
        if (fd < 0) {
            return errno;
        }
        out = DirHandle(fd);
        return 0;
    }
    for (std::string_view rest = relative; !rest.empty();) {
        const std::size_t slash = rest.find('/');
        if (!IsPlainName(rest.substr(0, slash))) {
            return EINVAL;
        }
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (slash != std::string_view::npos && rest.empty()) {
            return EINVAL;  // trailing '/'
        }
    }
    int fd = posix::OpenRelativeInPieces(root.Fd(), relative, O_PATH | O_DIRECTORY | O_CLOEXEC,
                                         posix::SafeResolveFlags());
    if (fd != -ENOSYS) {
        if (fd < 0) {
            return -fd;
        }
        out = DirHandle(fd);
        return 0;
    }
    // No openat2: one name at a time, never through a link, never onto another file system.
    EntryFacts rootFacts;
    if (int err = posix::StatxFd(root.Fd(), rootFacts); err != 0) {
        return err;
    }
    int cur = -1;
    int at = root.Fd();
    std::string name;
    for (std::string_view rest = relative; !rest.empty();) {
        const std::size_t slash = rest.find('/');
        name.assign(rest.substr(0, slash));
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        int next = posix::OpenChildDir(at, name.c_str(), O_PATH, rootFacts.device);
        CloseFd(cur);
        if (next < 0) {
            // O_PATH | O_NOFOLLOW | O_DIRECTORY on a link fails with ENOTDIR: call it what it is.
            return next == -ENOTDIR ? ELOOP : -next;
        }
        cur = next;
        at = next;
    }
    out = DirHandle(cur);
    return 0;
}

namespace {

// The checks of a removal, then `last(fd, name, facts)` (0 or an errno) while the entry is held locked.
// `release(held, facts, done)` disposes of the locked descriptor once `last` ran.
template <typename Last, typename Release>
RemoveResult CheckedAt(const DirHandle& dir, std::string_view name, const EntryIdentity& expected,
                       const AgeRule& age, EntryFacts* seen, Last last, Release release) {
    if (!IsPlainName(name)) {
        return {RemoveStatus::Failed, EINVAL};
    }
    const NameZ n(name);
    if (!n.Ok()) {
        return {RemoveStatus::Failed, ENAMETOOLONG};
    }
    EntryFacts facts;
    if (int err = posix::StatxAt(dir.Fd(), n.CStr(), facts); err != 0) {
        return {RemoveStatus::Failed, err};
    }
    if (seen != nullptr) {
        *seen = facts;
    }
    if (!IsExpected(facts, expected)) {
        return {RemoveStatus::Replaced, 0};
    }
    if (!IsOldEnough(facts, age)) {
        return {RemoveStatus::NoLongerOld, 0};
    }
    if (!IsUnchanged(facts, expected)) {
        return {RemoveStatus::Changed, 0};
    }
    int held = -1;
    const int probe = ProbeInUse(dir.Fd(), n.CStr(), facts, held);
    if (probe == kErrorInUse) {
        return {RemoveStatus::Failed, kErrorInUse};
    }
    if (probe == EAGAIN) {
        return {RemoveStatus::Changed, 0};
    }
    if (probe != 0) {
        return {RemoveStatus::Replaced, 0};
    }
    // The look-up, the lock test (which checks the identity again) and the last step are adjacent calls on
    // the same directory descriptor; nothing is chmod-ed first (removal needs only the parent's permission).
    const int err = last(dir.Fd(), n.CStr(), facts);
    if (err != 0) {
        CloseFd(held);  // the entry stays: its lock goes at once
        return {RemoveStatus::Failed, err};
    }
    release(held, facts);
    return {RemoveStatus::Removed, 0};
}

// Closes the locked descriptor of an entry that was removed or moved, on the closing thread where there is
// one: the pass goes on meanwhile (and the last close of a removed file frees its pages and inode). A file
// with other names keeps their lock, which must go at once, before the next removal tests another name.
void ReleaseHeld(int held, const EntryFacts& facts, DescriptorCloser* closer) {
    if (closer != nullptr && facts.links <= 1) {
        closer->Close(held);
    } else {
        CloseFd(held);
    }
}

}  // namespace

RemoveResult RemoveIfUnchanged(const DirHandle& dir, std::string_view name, const EntryIdentity& expected,
                               const AgeRule& age, EntryFacts* seen, DescriptorCloser* closer) {
    return CheckedAt(
        dir, name, expected, age, seen,
        [](int dirfd, const char* n, const EntryFacts& facts) {
            return unlinkat(dirfd, n, facts.kind == EntryKind::Directory ? AT_REMOVEDIR : 0) == 0 ? 0 : errno;
        },
        [closer](int held, const EntryFacts& facts) { ReleaseHeld(held, facts, closer); });
}

RemoveResult TrashIfUnchanged(const DirHandle& dir, std::string_view name, std::string_view path,
                              const EntryIdentity& expected, const AgeRule& age, TrashCans& trash,
                              EntryFacts* seen, DescriptorCloser* closer) {
    return CheckedAt(
        dir, name, expected, age, seen,
        [&](int, const char* n, const EntryFacts& facts) {
            return facts.kind == EntryKind::Directory ? EISDIR : trash.MoveChecked(dir, n, facts, path);
        },
        [closer](int held, const EntryFacts& facts) { ReleaseHeld(held, facts, closer); });
}

int OpenDirectoryAt(const DirHandle& dir, std::string_view name, DirHandle& out) {
    out = DirHandle();
    if (!IsPlainName(name)) {
        return EINVAL;
    }
    const NameZ n(name);
    if (!n.Ok()) {
        return ENAMETOOLONG;
    }
    const int fd = posix::OpenChildDir(dir.Fd(), n.CStr(), O_RDONLY, posix::kDeviceOfParent);
    if (fd < 0) {
        return -fd;
    }
    out = DirHandle(fd);
    return 0;
}

int CountEntries(const DirHandle& dir, std::size_t limit, std::size_t& count) {
    return posix::CountEntriesFd(dir.Fd(), limit, count);
}

int StatHandle(const DirHandle& handle, EntryFacts& out) {
    return posix::StatxFd(handle.Fd(), out);
}

RemoveResult RemoveOpenedDirIfUnchanged(const DirHandle& parent, std::string_view name,
                                        const DirHandle& opened, const EntryFacts& openedFacts,
                                        const EntryIdentity& expected, const AgeRule& age) {
    if (!IsPlainName(name)) {
        return {RemoveStatus::Failed, EINVAL};
    }
    const NameZ n(name);
    if (!n.Ok()) {
        return {RemoveStatus::Failed, ENAMETOOLONG};
    }
    if (!IsExpected(openedFacts, expected)) {
        return {RemoveStatus::Replaced, 0};
    }
    if (!IsOldEnough(openedFacts, age)) {
        return {RemoveStatus::NoLongerOld, 0};
    }
    if (TestLocks(opened.Fd()) == kErrorInUse) {
        return {RemoveStatus::Failed, kErrorInUse};
    }
    // The name is looked up once more right before the removal: still the directory checked and locked.
    EntryFacts now;
    if (int err = posix::StatxAt(parent.Fd(), n.CStr(), now); err != 0) {
        return {RemoveStatus::Failed, err};
    }
    if (!SameEntry(now, openedFacts) || !IsExpected(now, expected)) {
        return {RemoveStatus::Replaced, 0};
    }
    if (!IsOldEnough(now, age)) {
        return {RemoveStatus::NoLongerOld, 0};
    }
    if (unlinkat(parent.Fd(), n.CStr(), AT_REMOVEDIR) != 0) {
        return {RemoveStatus::Failed, errno};
    }
    return {RemoveStatus::Removed, 0};
}

}  // namespace vorlex::platform

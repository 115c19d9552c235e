#include "platform/SafeRemove.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/posix/PosixFs.h"

namespace vorlex::platform {

namespace {

using posix::CloseFd;

// A name that stays inside its directory: not empty, no '/', not "." or "..".
bool IsPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

}  // namespace

DirHandle::~DirHandle() {
    CloseFd(fd_);
}

DirHandle& DirHandle::operator=(DirHandle&& other) noexcept {
    if (this != &other) {
        CloseFd(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
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

int StatAt(const DirHandle& dir, std::string_view name, EntryFacts& out) {
    if (!IsPlainName(name)) {
        return EINVAL;
    }
    const std::string n(name);
    return posix::StatxAt(dir.Fd(), n.c_str(), out);
}

int CountEntriesAt(const DirHandle& dir, std::string_view name, std::size_t limit, std::size_t& count) {
    count = 0;
    if (!IsPlainName(name)) {
        return EINVAL;
    }
    const std::string n(name);
    int fd = posix::OpenChildDir(dir.Fd(), n.c_str(), O_RDONLY, posix::kDeviceOfParent);
    if (fd < 0) {
        return -fd;
    }
    int result = posix::CountEntriesFd(fd, limit, count);
    CloseFd(fd);
    return result;
}

RemoveResult RemoveIfUnchanged(const DirHandle& dir, std::string_view name, const EntryIdentity& expected,
                               const AgeRule& age, EntryFacts* seen) {
    if (!IsPlainName(name)) {
        return {RemoveStatus::Failed, EINVAL};
    }
    const std::string n(name);
    EntryFacts facts;
    if (int err = posix::StatxAt(dir.Fd(), n.c_str(), facts); err != 0) {
        return {RemoveStatus::Failed, err};
    }
    if (seen != nullptr) {
        *seen = facts;
    }
    if (facts.device != expected.device || facts.inode != expected.inode ||
        facts.fileType != expected.fileType ||
        (expected.compareCreated && facts.hasBirthTime && facts.created != expected.created)) {
        return {RemoveStatus::Replaced, 0};
    }
    if (!IsOldEnough(facts, age)) {
        return {RemoveStatus::NoLongerOld, 0};
    }
    // The look-up and the removal are adjacent calls on the same directory descriptor; nothing is chmod-ed
    // first (removal needs only the parent directory's permission).
    if (unlinkat(dir.Fd(), n.c_str(), facts.kind == EntryKind::Directory ? AT_REMOVEDIR : 0) != 0) {
        return {RemoveStatus::Failed, errno};
    }
    return {RemoveStatus::Removed, 0};
}

}  // namespace vorlex::platform

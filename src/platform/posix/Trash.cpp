#include "platform/Trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <random>
#include <unordered_map>

#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/posix/PosixFs.h"

namespace vorlex::platform {

namespace {

using posix::CloseFd;
using posix::RetryOnEintr;

constexpr std::string_view kInfoSuffix = ".trashinfo";
constexpr unsigned kLastNumbered = 8;  ///< tries after "name.8" use a random suffix

// The facts of the open `fd`, with its mount identity where the kernel gives one.
struct DirFacts {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t mountId = 0;
    bool hasMountId = false;
    bool mountRoot = false;
    bool hasMountRoot = false;
    unsigned uid = 0;
    unsigned mode = 0;
};

int StatDir(int fd, const char* name, int flags, DirFacts& out) {
    struct statx sx {};
    if (statx(fd, name, flags | AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_BASIC_STATS | STATX_MNT_ID,
              &sx) != 0) {
        return errno;
    }
    out.device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    out.inode = sx.stx_ino;
    out.hasMountId = (sx.stx_mask & STATX_MNT_ID) != 0;
    out.mountId = sx.stx_mnt_id;
    out.hasMountRoot = (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0;
    out.mountRoot = (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
    out.uid = sx.stx_uid;
    out.mode = sx.stx_mode;
    return 0;
}

// Opens the directory `name` in `dirfd` without following a link, creating it with mode 0700 when it is
// missing and `create` is set. It must belong to `uid`. Returns the descriptor or -errno (-EPERM for a
// directory of another user, -ELOOP or -ENOTDIR for a link or a file).
int OpenOwnDir(int dirfd, const char* name, unsigned uid, bool create) {
    if (create && mkdirat(dirfd, name, 0700) != 0 && errno != EEXIST) {
        return -errno;
    }
    const int fd =
        RetryOnEintr([&] { return openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC); });
    if (fd < 0) {
        return -errno;
    }
    DirFacts f;
    if (int err = StatDir(fd, "", AT_EMPTY_PATH, f); err != 0) {
        CloseFd(fd);
        return -err;
    }
    if (f.uid != uid) {
        CloseFd(fd);
        return -EPERM;
    }
    return fd;
}

// The root of the mount that holds the directory `dirfd`: ".." is followed up while it stays on the same
// mount (mount identity where known, else the device). Returns the O_PATH descriptor or -errno.
int OpenMountTop(int dirfd) {
    int cur = RetryOnEintr([&] { return openat(dirfd, ".", O_PATH | O_DIRECTORY | O_CLOEXEC); });
    if (cur < 0) {
        return -errno;
    }
    DirFacts here;
    if (int err = StatDir(cur, "", AT_EMPTY_PATH, here); err != 0) {
        CloseFd(cur);
        return -err;
    }
    for (;;) {
        if (here.hasMountRoot && here.mountRoot) {
            return cur;
        }
        const int up = RetryOnEintr([&] { return openat(cur, "..", O_PATH | O_DIRECTORY | O_CLOEXEC); });
        if (up < 0) {
            const int err = errno;
            CloseFd(cur);
            return -err;
        }
        DirFacts above;
        const int err = StatDir(up, "", AT_EMPTY_PATH, above);
        const bool sameMount =
            here.hasMountId && above.hasMountId ? above.mountId == here.mountId : above.device == here.device;
        if (err != 0 || !sameMount || (above.device == here.device && above.inode == here.inode)) {
            CloseFd(up);
            if (err != 0) {
                CloseFd(cur);
                return -err;
            }
            return cur;
        }
        CloseFd(cur);
        cur = up;
        here = above;
    }
}

// Creates the missing folders of the absolute `path` with mode 0700, as mkdir -p (links followed: the
// user's own home as configured). Returns 0 or the errno.
int MakePath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return EINVAL;
    }
    for (std::size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos == path.size() || path[pos] == '/') {
            const std::string part = path.substr(0, pos);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
                return errno;
            }
        }
    }
    return 0;
}

// The device of `path`, or of its nearest existing ancestor.
bool DeviceOfNearest(std::string path, std::uint64_t& device) {
    for (;;) {
        struct stat st {};
        if (stat(path.c_str(), &st) == 0) {
            device = st.st_dev;
            return true;
        }
        const std::size_t slash = path.rfind('/');
        if (slash == std::string::npos || path == "/") {
            return false;
        }
        path = slash == 0 ? "/" : path.substr(0, slash);
    }
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The name of try `attempt` (1 first) for `name` in the trash: the name itself, then "name.2", "name.3",
// ..., then a random suffix; cut at a character boundary so that NAME.trashinfo fits NAME_MAX.
std::string CandidateName(std::string_view name, unsigned attempt, std::mt19937_64& random) {
    std::string suffix;
    if (attempt > 1 && attempt <= kLastNumbered) {
        suffix = "." + std::to_string(attempt);
    } else if (attempt > kLastNumbered) {
        char buf[24];
        std::snprintf(buf, sizeof buf, ".%016llx", static_cast<unsigned long long>(random()));
        suffix = buf;
    }
    const std::size_t room = NAME_MAX - kInfoSuffix.size() - suffix.size();
    std::size_t keep = std::min(name.size(), room);
    while (keep < name.size() && keep > 0 && IsUtf8Continuation(name[keep])) {
        --keep;
    }
    return std::string(name.substr(0, keep)) + suffix;
}

int WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = RetryOnEintr([&] { return write(fd, text.data() + done, text.size() - done); });
        if (n < 0) {
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

struct TrashCans::Can {
    std::uint64_t device = 0;
    int files = -1;  ///< files/, or -1 when the file system has no usable trash
    int info = -1;   ///< info/
    std::mt19937_64 random{std::random_device{}()};
    /// The first try worth making for a name that was found taken before: trees repeat names ("file.log"
    /// in every folder), and probing ".2", ".3", ... again for each would cost one failed open per step.
    /// Keyed by the name's hash: a clash only makes a name start at a higher try.
    std::unordered_map<std::size_t, unsigned> nextAttempt;
    ~Can() {
        CloseFd(files);
        CloseFd(info);
    }
};

std::string TrashInfoPathEscape(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
            c == '_' || c == '.' || c == '~' || c == '/') {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        }
    }
    return out;
}

TrashCans::TrashCans() {
    const std::optional<std::string> xdg = EnvironmentValue("XDG_DATA_HOME");
    if (xdg && !xdg->empty() && (*xdg)[0] == '/') {
        dataHome_ = *xdg;
    } else if (const std::optional<std::string> home = EnvironmentValue("HOME"); home && !home->empty()) {
        dataHome_ = *home + "/.local/share";
    }
    while (dataHome_.size() > 1 && dataHome_.back() == '/') {
        dataHome_.pop_back();
    }
    homeKnown_ = !dataHome_.empty() && DeviceOfNearest(dataHome_ + "/Trash", homeDevice_);
}

TrashCans::~TrashCans() = default;

TrashCans::Can* TrashCans::CanFor(const DirHandle& dir, const EntryFacts& facts) {
    for (const auto& can : cans_) {
        if (can->device == facts.device) {
            return can->files >= 0 ? can.get() : nullptr;
        }
    }
    auto can = std::make_unique<Can>();
    can->device = facts.device;
    const unsigned uid = geteuid();
    int trash = -1;
    if (homeKnown_ && facts.device == homeDevice_) {
        if (MakePath(dataHome_) == 0) {
            const int home = posix::OpenLongPath(dataHome_, O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (home >= 0) {
                trash = OpenOwnDir(home, "Trash", uid, true);
                CloseFd(home);
            }
        }
    } else if (const int top = OpenMountTop(dir.Fd()); top >= 0) {
        // $topdir/.Trash/$uid only under a real directory with the sticky bit; else $topdir/.Trash-$uid.
        DirFacts shared;
        const std::string uidText = std::to_string(uid);
        if (StatDir(top, ".Trash", 0, shared) == 0 && S_ISDIR(shared.mode) && (shared.mode & S_ISVTX) != 0) {
            const int sharedFd = RetryOnEintr(
                [&] { return openat(top, ".Trash", O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC); });
            DirFacts opened;
            if (sharedFd >= 0 && StatDir(sharedFd, "", AT_EMPTY_PATH, opened) == 0 &&
                opened.inode == shared.inode && (opened.mode & S_ISVTX) != 0) {
                trash = OpenOwnDir(sharedFd, uidText.c_str(), uid, true);
            }
            CloseFd(sharedFd);
        }
        if (trash < 0) {
            trash = OpenOwnDir(top, (".Trash-" + uidText).c_str(), uid, true);
        }
        CloseFd(top);
    }
    if (trash >= 0) {
        const int files = OpenOwnDir(trash, "files", uid, true);
        const int info = OpenOwnDir(trash, "info", uid, true);
        DirFacts filesFacts;
        if (files >= 0 && info >= 0 && StatDir(files, "", AT_EMPTY_PATH, filesFacts) == 0 &&
            filesFacts.device == facts.device) {
            can->files = files;
            can->info = info;
        } else {
            CloseFd(files);
            CloseFd(info);
        }
        CloseFd(trash);
    }
    cans_.push_back(std::move(can));
    return cans_.back()->files >= 0 ? cans_.back().get() : nullptr;
}

int TrashCans::MoveChecked(const DirHandle& dir, const char* name, const EntryFacts& facts,
                           std::string_view path) {
    Can* can = CanFor(dir, facts);
    if (can == nullptr) {
        return kErrorNoTrash;
    }
    const std::time_t now = std::time(nullptr);
    if (now != stampSecond_) {
        struct tm local {};
        char buf[32];
        localtime_r(&now, &local);
        std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &local);
        stamp_ = buf;
        stampSecond_ = now;
    }
    const std::string text =
        "[Trash Info]\nPath=" + TrashInfoPathEscape(path) + "\nDeletionDate=" + stamp_ + "\n";
    const std::size_t key = std::hash<std::string_view>{}(name);
    const auto known = can->nextAttempt.find(key);
    const unsigned first = known == can->nextAttempt.end() ? 1 : known->second;
    for (unsigned attempt = first; attempt < first + 63; ++attempt) {
        const auto moved = [&] {
            if (attempt > 1) {
                // Past the numbered names every try is random, so the count stops there.
                can->nextAttempt[key] = std::min(attempt + 1, kLastNumbered + 1);
            }
            return 0;
        };
        const std::string target = CandidateName(name, attempt, can->random);
        const std::string infoName = target + std::string(kInfoSuffix);
        const int fd = RetryOnEintr([&] {
            return openat(can->info, infoName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0600);
        });
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return errno;
        }
        int err = WriteAll(fd, text);
        if (close(fd) != 0 && err == 0 && errno != EINTR) {
            err = errno;
        }
        if (err == 0) {
            // Never over an entry already in files/ (one without its info file).
            if (renameat2(dir.Fd(), name, can->files, target.c_str(), RENAME_NOREPLACE) == 0) {
                return moved();
            }
            err = errno;
            if (err == EINVAL) {
                // A file system without RENAME_NOREPLACE: the private trash folder is checked first.
                struct stat st {};
                if (fstatat(can->files, target.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
                    err = EEXIST;
                } else if (renameat(dir.Fd(), name, can->files, target.c_str()) == 0) {
                    return moved();
                } else {
                    err = errno;
                }
            }
        }
        unlinkat(can->info, infoName.c_str(), 0);
        if (err != EEXIST) {
            return err == EXDEV ? kErrorNoTrash : err;
        }
    }
    return EEXIST;
}

}  // namespace vorlex::platform

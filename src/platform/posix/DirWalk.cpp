#include "platform/DirWalk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/posix/PosixFs.h"

namespace vorlex::platform {

namespace {

using posix::CloseFd;

// Enough for about a thousand short names per read; fewer getdents64 calls than readdir's 32 KiB.
constexpr std::size_t kDirBufferSize = 64 * 1024;
// How many ".." fit in one open call ("../" is three bytes).
constexpr std::size_t kDotDotPerOpen = 1200;

// The walk as an explicit stack of frames, one per directory from the root down to the current one.
// Only the frames near the top hold a descriptor; a frame whose descriptor was closed is reopened through
// ".." (checked by device and inode) when the walk comes back to it and still has subdirectories to enter.
class Walker {
  public:
    Walker(WalkVisitor& visitor, const WalkOptions& options)
        : visitor_(visitor), maxOpen_(options.maxOpenDirectories < 2 ? 2 : options.maxOpenDirectories) {}
    ~Walker() { CloseAll(); }
    Walker(const Walker&) = delete;
    Walker& operator=(const Walker&) = delete;

    WalkResult Run(const std::string& root, int rootFd, WalkSummary* summary);

  private:
    WalkResult Walk(int fd, const EntryFacts& facts);

  private:
    struct SubDir {
        std::size_t nameOffset;  // into Frame::names, NUL-terminated there
        std::size_t nameLength;
        std::uint64_t device;
        std::uint64_t inode;
        bool hidden;
        bool mountPoint;
    };
    struct Frame {
        int fd = -1;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::size_t pathLength = 0;  // path_ length while in this directory (with its trailing '/')
        std::string names;
        std::vector<SubDir> subdirs;
        std::size_t next = 0;  // next subdirectory of the directory pass
    };

    WalkControl ReadEntries();
    bool EnsureOpen(std::size_t index);
    int ReopenFromCarry(std::size_t index);
    int ReopenFromAncestor(std::size_t index);
    void Pop();
    void TrackOpen(std::size_t index);
    void Evict(std::size_t keep);
    void DropCarry();
    void CloseAll();
    std::string_view PathOf(std::size_t index) const {
        return WithoutTrailingSlash(std::string_view(path_).substr(0, stack_[index].pathLength));
    }

    WalkVisitor& visitor_;
    std::size_t maxOpen_;
    std::string path_;
    std::vector<Frame> stack_;
    std::deque<std::size_t> open_;  // indices of non-root frames holding a descriptor, shallow to deep
    std::vector<char> buffer_;
    std::uint64_t rootDevice_ = 0;
    int carry_ = -1;  // descriptor of the directory the walk last came up from
    std::size_t carryIndex_ = 0;
    int resourceError_ = 0;  // errno that ended the walk for want of descriptors or memory
    std::string resourcePath_;
};

bool IsResourceError(int err) {
    return err == EMFILE || err == ENFILE || err == ENOMEM;
}

// A directory that was removed keeps no link: its descriptor still reads, but it lists nothing more.
bool RootRemoved(int fd) {
    struct stat st {};
    return fd >= 0 && fstat(fd, &st) == 0 && st.st_nlink == 0;
}

WalkResult Walker::Run(const std::string& root, int rootFd, WalkSummary* summary) {
    if (root.empty()) {
        return WalkResult::Completed;
    }
    path_ = WithTrailingSlash(root);
    // A start directory given open is read through a new open file description of its own: the caller's
    // may be an O_PATH descriptor, or one whose reading position was moved.
    int fd = rootFd >= 0 ? openat(rootFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                         : posix::OpenLongPath(path_, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (rootFd >= 0 && fd < 0) {
        fd = -errno;
    }
    EntryFacts facts;
    if (fd < 0 || posix::StatxFd(fd, facts) != 0) {
        const int err = fd < 0 ? -fd : 0;
        CloseFd(fd);
        if (IsResourceError(err)) {
            resourceError_ = err;
            resourcePath_ = WithoutTrailingSlash(path_);
            if (summary != nullptr) {
                summary->error = err;
                summary->errorPath = resourcePath_;
            }
            return WalkResult::OutOfResources;
        }
        visitor_.OnAccessDenied(WithoutTrailingSlash(path_));
        return WalkResult::Completed;
    }
    if (summary != nullptr) {
        summary->root = facts;
        summary->rootOpened = true;
    }
    const WalkResult result = Walk(fd, facts);
    if (result == WalkResult::OutOfResources && summary != nullptr) {
        summary->error = resourceError_;
        summary->errorPath = resourcePath_;
    }
    return result;
}

WalkResult Walker::Walk(int fd, const EntryFacts& facts) {
    rootDevice_ = facts.device;
    buffer_.resize(kDirBufferSize);
    Frame& rootFrame = stack_.emplace_back();
    rootFrame.fd = fd;
    rootFrame.device = facts.device;
    rootFrame.inode = facts.inode;
    rootFrame.pathLength = path_.size();
    if (ReadEntries() == WalkControl::Stop) {
        return resourceError_ != 0 ? WalkResult::OutOfResources : WalkResult::Stopped;
    }

    while (!stack_.empty()) {
        const std::size_t top = stack_.size() - 1;
        Frame& frame = stack_[top];
        if (frame.next >= frame.subdirs.size()) {
            if (top == 0 && RootRemoved(frame.fd)) {
                // Whatever the walk missed below it went with it: the listing is not the tree's.
                Pop();
                return WalkResult::RootRemoved;
            }
            Pop();
            continue;
        }
        const SubDir sub = frame.subdirs[frame.next++];
        const char* name = frame.names.data() + sub.nameOffset;
        std::string_view nameView(name, sub.nameLength);
        std::string_view dirView = std::string_view(path_).substr(0, frame.pathLength);
        if (!visitor_.ShouldEnter(dirView, nameView, sub.hidden)) {
            continue;
        }
        if (sub.mountPoint) {
            visitor_.OnMountPointSkipped(std::string(dirView) + std::string(nameView));
            continue;
        }
        if (!EnsureOpen(top)) {
            continue;
        }
        DropCarry();
        int child = posix::OpenChildDir(stack_[top].fd, name, O_RDONLY, rootDevice_);
        if (child == -EMFILE || child == -ENFILE) {
            Evict(1);
            child = posix::OpenChildDir(stack_[top].fd, name, O_RDONLY, rootDevice_);
        }
        if (child < 0) {
            std::string path = std::string(dirView) + std::string(nameView);
            if (IsResourceError(-child)) {
                resourceError_ = -child;
                resourcePath_ = std::move(path);
                return WalkResult::OutOfResources;
            }
            if (child == -EXDEV) {
                visitor_.OnMountPointSkipped(path);
            } else {
                visitor_.OnAccessDenied(path);
            }
            continue;
        }
        path_.append(nameView);
        path_.push_back('/');
        Frame& pushed = stack_.emplace_back();
        pushed.fd = child;
        pushed.device = sub.device;
        pushed.inode = sub.inode;
        pushed.pathLength = path_.size();
        TrackOpen(stack_.size() - 1);
        if (ReadEntries() == WalkControl::Stop) {
            return resourceError_ != 0 ? WalkResult::OutOfResources : WalkResult::Stopped;
        }
    }
    return WalkResult::Completed;
}

// The entry pass of the top frame: every entry is looked up once with statx, handed to the visitor, and
// the subdirectories are kept (names and identities only) for the directory pass.
WalkControl Walker::ReadEntries() {
    const std::size_t index = stack_.size() - 1;
    const int fd = stack_[index].fd;
    const std::string_view dirView(path_);
    EntryFacts facts;
    for (;;) {
        ssize_t n = posix::ReadDirEntries(fd, buffer_.data(), buffer_.size());
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (IsResourceError(static_cast<int>(-n))) {
                resourceError_ = static_cast<int>(-n);
                resourcePath_ = WithoutTrailingSlash(dirView);
                return WalkControl::Stop;
            }
            visitor_.OnAccessDenied(WithoutTrailingSlash(dirView));
            break;
        }
        posix::DirentCursor cursor(buffer_.data(), static_cast<std::size_t>(n));
        std::size_t nameLength = 0;
        while (const char* name = cursor.Next(nameLength)) {
            int err = posix::StatxAt(fd, name, facts);
            if (err == EACCES) {
                // Names can be read but not looked up: the directory lacks search permission.
                visitor_.OnAccessDenied(WithoutTrailingSlash(dirView));
                stack_[index].subdirs.clear();
                return WalkControl::Continue;
            }
            if (IsResourceError(err)) {
                resourceError_ = err;
                resourcePath_ = WithoutTrailingSlash(dirView);
                return WalkControl::Stop;
            }
            if (err != 0) {
                continue;  // vanished since it was listed
            }
            const std::string_view nameView(name, nameLength);
            const bool hidden = IsHiddenName(nameView);
            const bool mountPoint =
                facts.kind == EntryKind::Directory && (facts.device != rootDevice_ || facts.mountRoot);
            if (visitor_.OnEntry(WalkEntry{dirView, nameView, facts, hidden, mountPoint}) ==
                WalkControl::Stop) {
                return WalkControl::Stop;
            }
            if (facts.kind == EntryKind::Directory) {
                Frame& frame = stack_[index];
                frame.subdirs.push_back(
                    SubDir{frame.names.size(), nameLength, facts.device, facts.inode, hidden, mountPoint});
                frame.names.append(nameView);
                frame.names.push_back('\0');
            }
        }
    }
    return visitor_.AfterEntries(dirView);
}

bool Walker::EnsureOpen(std::size_t index) {
    Frame& frame = stack_[index];
    if (frame.fd >= 0) {
        return true;
    }
    int fd = ReopenFromCarry(index);
    if (fd < 0) {
        fd = ReopenFromAncestor(index);
    }
    if (fd < 0) {
        // The directory moved away while its subtree was walked: its remaining subdirectories are lost.
        visitor_.OnAccessDenied(PathOf(index));
        frame.next = frame.subdirs.size();
        return false;
    }
    frame.fd = fd;
    TrackOpen(index);
    return true;
}

// Climbs from the directory the walk just left up to the frame `index` through "..", and checks that it
// arrived at the same directory.
int Walker::ReopenFromCarry(std::size_t index) {
    if (carry_ < 0 || carryIndex_ <= index) {
        return -1;
    }
    std::size_t levels = carryIndex_ - index;
    int base = carry_;
    int cur = -1;
    std::string dots;
    while (levels > 0) {
        const std::size_t step = levels < kDotDotPerOpen ? levels : kDotDotPerOpen;
        levels -= step;
        dots.clear();
        for (std::size_t i = 0; i < step; ++i) {
            dots.append(i == 0 ? ".." : "/..");
        }
        int fd = openat(base, dots.c_str(), (levels == 0 ? O_RDONLY : O_PATH) | O_DIRECTORY | O_CLOEXEC);
        CloseFd(cur);
        if (fd < 0) {
            return -1;
        }
        cur = fd;
        base = fd;
    }
    EntryFacts facts;
    if (posix::StatxFd(cur, facts) != 0 || facts.device != stack_[index].device ||
        facts.inode != stack_[index].inode) {
        CloseFd(cur);
        return -1;
    }
    return cur;
}

// Goes down from the nearest ancestor that holds a descriptor, one name at a time, checking every
// directory on the way against the identity recorded when the walk entered it.
int Walker::ReopenFromAncestor(std::size_t index) {
    std::size_t base = index;
    while (base > 0 && stack_[base].fd < 0) {
        --base;
    }
    if (stack_[base].fd < 0) {
        return -1;
    }
    int cur = -1;
    int at = stack_[base].fd;
    std::string name;
    for (std::size_t i = base + 1; i <= index; ++i) {
        const std::size_t begin = stack_[i - 1].pathLength;
        name.assign(path_, begin, stack_[i].pathLength - 1 - begin);
        int fd = posix::OpenChildDir(at, name.c_str(), i == index ? O_RDONLY : O_PATH, rootDevice_);
        CloseFd(cur);
        cur = -1;
        EntryFacts facts;
        if (fd < 0 || posix::StatxFd(fd, facts) != 0 || facts.device != stack_[i].device ||
            facts.inode != stack_[i].inode) {
            CloseFd(fd);
            return -1;
        }
        cur = fd;
        at = fd;
    }
    return cur;
}

void Walker::Pop() {
    const std::size_t index = stack_.size() - 1;
    Frame& frame = stack_[index];
    if (index == 0) {
        CloseFd(frame.fd);
        stack_.pop_back();
        return;
    }
    if (frame.fd >= 0) {
        // Keep the descriptor: the way back up to a closed ancestor starts here.
        DropCarry();
        carry_ = frame.fd;
        carryIndex_ = index;
        frame.fd = -1;
        if (!open_.empty() && open_.back() == index) {
            open_.pop_back();
        }
    }
    stack_.pop_back();
    path_.resize(stack_.back().pathLength);
}

void Walker::TrackOpen(std::size_t index) {
    open_.push_back(index);
    Evict(maxOpen_);
}

// Closes the shallowest descriptors until at most `keep` frames below the root hold one.
void Walker::Evict(std::size_t keep) {
    while (open_.size() > keep) {
        Frame& frame = stack_[open_.front()];
        CloseFd(frame.fd);
        frame.fd = -1;
        open_.pop_front();
    }
}

void Walker::DropCarry() {
    CloseFd(carry_);
    carry_ = -1;
}

void Walker::CloseAll() {
    DropCarry();
    for (Frame& frame : stack_) {
        CloseFd(frame.fd);
        frame.fd = -1;
    }
    open_.clear();
}

}  // namespace

WalkResult WalkTree(const std::string& root, WalkVisitor& visitor, const WalkOptions& options,
                    WalkSummary* summary) {
    Walker walker(visitor, options);
    return walker.Run(root, -1, summary);
}

WalkResult WalkTreeAt(int rootFd, const std::string& root, WalkVisitor& visitor, const WalkOptions& options,
                      WalkSummary* summary) {
    if (rootFd < 0) {
        visitor.OnAccessDenied(WithoutTrailingSlash(root));
        return WalkResult::Completed;
    }
    Walker walker(visitor, options);
    return walker.Run(root, rootFd, summary);
}

std::string NormalizeDirectoryPath(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::string full = text.front() == '/' ? std::string(text) : CurrentFolder() + std::string(text);
    return ResolveDotSegments("/", full);
}

std::string_view WithoutTrailingSlash(std::string_view directory) {
    if (directory.size() > 1 && directory.back() == '/') {
        directory.remove_suffix(1);
    }
    return directory;
}

int StatPath(const std::string& path, EntryFacts& out) {
    return posix::StatxAt(AT_FDCWD, path.c_str(), out);
}

int CountDirectoryEntries(const std::string& path, std::size_t limit, std::size_t& count) {
    count = 0;
    int fd = posix::OpenLongPath(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return -fd;
    }
    int result = posix::CountEntriesFd(fd, limit, count);
    CloseFd(fd);
    return result;
}

}  // namespace vorlex::platform

#include "platform/DirWalk.h"

#include <cerrno>
#include <new>
#include <vector>

#include "platform/Errors.h"
#include "platform/Paths.h"
#include "platform/win32/WinFs.h"

namespace vorlex::platform {

namespace {

// Running out of handles or memory ends the walk; any other failure is "access denied" for that directory.
bool IsResourceError(int err) {
    return err == ENOMEM || err == EMFILE || err == win::kWin32ErrorBase + ERROR_NO_SYSTEM_RESOURCES;
}

struct Subdirectory {
    std::string name;
    bool hidden = false;
};

// One directory on the walk's stack: its handle, its path and the subdirectories its entry pass found.
struct Frame {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::size_t pathLength = 0;  ///< length of its path, trailing '/' included
    std::vector<Subdirectory> subdirectories;
    std::size_t next = 0;
};

class Walker {
  public:
    explicit Walker(WalkVisitor& visitor) : visitor_(visitor) {}
    ~Walker() {
        for (Frame& f : stack_) {
            win::CloseIf(f.handle);
        }
    }
    Walker(const Walker&) = delete;
    Walker& operator=(const Walker&) = delete;

    WalkResult Run(const std::string& root, HANDLE given, WalkSummary* summary);

  private:
    // The entry pass of the top frame: every entry to the visitor, the subdirectories kept for later.
    WalkResult ListTop();
    WalkResult Fail(int err, WalkSummary* summary);

    WalkVisitor& visitor_;
    std::vector<Frame> stack_;
    std::string path_;
    std::uint64_t volume_ = 0;
    int error_ = 0;
    std::string errorPath_;
};

WalkResult Walker::Fail(int err, WalkSummary* summary) {
    if (summary != nullptr) {
        summary->error = err;
        summary->errorPath = std::string(WithoutTrailingSlash(path_));
    }
    return WalkResult::OutOfResources;
}

WalkResult Walker::ListTop() {
    Frame& frame = stack_.back();
    bool stopped = false;
    const auto visit = [&](std::string_view name, const EntryFacts& facts, DWORD attributes) {
        const bool hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        // A system directory is neither entered nor listed as a directory: it is handed over as a directory
        // on another volume would be.
        const bool system = facts.kind == EntryKind::Directory && (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        const WalkEntry entry{path_, name, facts, hidden || system, system};
        if (visitor_.OnEntry(entry) == WalkControl::Stop) {
            stopped = true;
            return false;
        }
        if (facts.kind == EntryKind::Directory && !system) {
            frame.subdirectories.push_back({std::string(name), hidden});
        }
        return true;
    };
    const int err = win::ListDirectory(frame.handle, volume_, visit);
    if (stopped) {
        return WalkResult::Stopped;
    }
    if (err != 0) {
        if (IsResourceError(err)) {
            return WalkResult::OutOfResources;
        }
        visitor_.OnAccessDenied(WithoutTrailingSlash(path_));
    }
    return visitor_.AfterEntries(path_) == WalkControl::Stop ? WalkResult::Stopped : WalkResult::Completed;
}

WalkResult Walker::Run(const std::string& root, HANDLE given, WalkSummary* summary) {
    if (root.empty()) {
        return WalkResult::Completed;
    }
    path_ = WithTrailingSlash(root);
    HANDLE h = INVALID_HANDLE_VALUE;
    int err = 0;
    if (given != INVALID_HANDLE_VALUE) {
        // A handle of its own: the listing position belongs to the handle.
        err = win::OpenRelative(given, L"", win::kListAccess, win::kShareAll, FILE_DIRECTORY_FILE, h);
    } else {
        h = CreateFileW(win::LongPath(path_).c_str(), win::kListAccess, win::kShareAll, nullptr,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        err = h == INVALID_HANDLE_VALUE ? win::LastWin32() : 0;
    }
    EntryFacts facts;
    if (err == 0) {
        err = win::HandleFacts(h, facts);
    }
    if (err == 0 && facts.kind != EntryKind::Directory) {
        err = ENOTDIR;
    }
    if (err != 0) {
        win::CloseIf(h);
        if (IsResourceError(err)) {
            return Fail(err, summary);
        }
        visitor_.OnAccessDenied(WithoutTrailingSlash(path_));
        return WalkResult::Completed;
    }
    if (summary != nullptr) {
        summary->root = facts;
        summary->rootOpened = true;
    }
    volume_ = facts.device;
    try {
        stack_.push_back({h, path_.size(), {}, 0});
        WalkResult result = ListTop();
        while (result == WalkResult::Completed && !stack_.empty()) {
            Frame& top = stack_.back();
            path_.resize(top.pathLength);
            if (top.next == top.subdirectories.size()) {
                win::CloseIf(top.handle);
                stack_.pop_back();
                continue;
            }
            const Subdirectory& sub = top.subdirectories[top.next++];
            if (!visitor_.ShouldEnter(path_, sub.name, sub.hidden)) {
                continue;
            }
            HANDLE child = INVALID_HANDLE_VALUE;
            const int openErr = win::OpenRelative(top.handle, win::Wide(sub.name), win::kListAccess,
                                                  win::kShareAll, FILE_DIRECTORY_FILE, child);
            path_.append(sub.name).push_back('/');
            EntryFacts childFacts;
            const int statErr = openErr != 0 ? openErr : win::HandleFacts(child, childFacts);
            if (statErr != 0 || childFacts.kind != EntryKind::Directory) {
                // Replaced by a file or a reparse point since the entry pass: not entered. Gone: nothing to
                // say.
                win::CloseIf(child);
                if (IsResourceError(statErr)) {
                    return Fail(statErr, summary);
                }
                if (statErr != 0 && statErr != kErrorFileNotFound) {
                    visitor_.OnAccessDenied(WithoutTrailingSlash(path_));
                }
                continue;
            }
            if (childFacts.device != volume_) {
                win::CloseIf(child);
                visitor_.OnMountPointSkipped(WithoutTrailingSlash(path_));
                continue;
            }
            stack_.push_back({child, path_.size(), {}, 0});
            result = ListTop();
        }
        if (result == WalkResult::OutOfResources) {
            return Fail(ENOMEM, summary);
        }
        return result;
    } catch (const std::bad_alloc&) {
        return Fail(ENOMEM, summary);
    }
}

}  // namespace

WalkResult WalkTree(const std::string& root, WalkVisitor& visitor, const WalkOptions&, WalkSummary* summary) {
    Walker walker(visitor);
    return walker.Run(root, INVALID_HANDLE_VALUE, summary);
}

WalkResult WalkTreeAt(int rootFd, const std::string& root, WalkVisitor& visitor, const WalkOptions&,
                      WalkSummary* summary) {
    if (rootFd < 0) {
        visitor.OnAccessDenied(WithoutTrailingSlash(root));
        return WalkResult::Completed;
    }
    Walker walker(visitor);
    return walker.Run(root, win::ToHandle(rootFd), summary);
}

std::string NormalizeDirectoryPath(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::string full = win::ForwardSlashes(std::string(text));
    // The part ".." never climbs above: "X:/" or "//server/share/".
    std::string prefix;
    if (full.size() >= 2 && full[1] == ':') {
        prefix = full.substr(0, 2) + "/";
        full =
            full.size() > 2 && full[2] == '/' ? full.substr(3) : full.substr(2);  // "C:x" taken from the root
    } else if (full.starts_with("//")) {
        const std::size_t server = full.find('/', 2);
        const std::size_t share = server == std::string::npos ? server : full.find('/', server + 1);
        prefix = full.substr(0, share) + "/";
        full = share == std::string::npos ? std::string() : full.substr(share + 1);
    } else {
        const std::string current = CurrentFolder();
        const std::string base = full.starts_with("/") ? current.substr(0, 2) + full : current + full;
        return NormalizeDirectoryPath(base);
    }
    return ResolveDotSegments(prefix, full);
}

std::string_view WithoutTrailingSlash(std::string_view directory) {
    // A drive root keeps its slash ("C:/"), as "/" does on other systems.
    if (directory.size() > 1 && directory.back() == '/' && !(directory.size() == 3 && directory[1] == ':')) {
        directory.remove_suffix(1);
    }
    return directory;
}

int StatPath(const std::string& path, EntryFacts& out) {
    HANDLE h = CreateFileW(win::LongPath(path).c_str(), FILE_READ_ATTRIBUTES, win::kShareAll, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return win::LastWin32();
    }
    const int err = win::HandleFacts(h, out);
    CloseHandle(h);
    return err;
}

int CountDirectoryEntries(const std::string& path, std::size_t limit, std::size_t& count) {
    count = 0;
    HANDLE h = CreateFileW(win::LongPath(path).c_str(), win::kListAccess, win::kShareAll, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return win::LastWin32();
    }
    const int err =
        win::ListDirectory(h, 0, [&](std::string_view, const EntryFacts&, DWORD) { return ++count < limit; });
    CloseHandle(h);
    return err;
}

}  // namespace vorlex::platform

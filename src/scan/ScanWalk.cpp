#include "scan/ScanWalk.h"

#include <algorithm>
#include <new>

#include "platform/Errors.h"

namespace vorlex::scan {

namespace {

using platform::EntryKind;
using platform::WalkControl;
using platform::WalkEntry;

// Lines both walks write about directories they do not enter.
class ReportingVisitor : public platform::WalkVisitor {
  public:
    explicit ReportingVisitor(WalkHost& host) : host_(host) {}

    void OnAccessDenied(std::string_view path) override {
        host_.Log().WriteLog(AccessDeniedText(path), base::kBlack, base::LogStyle::Regular);
    }
    void OnMountPointSkipped(std::string_view path) override {
        host_.Log().WriteLog(MountPointText(path), base::kBlack, base::LogStyle::Regular);
    }
    // Neither walk enters a hidden directory; there are no "system" directories on this platform.
    bool ShouldEnter(std::string_view, std::string_view, bool hidden) override { return !hidden; }

  protected:
    WalkHost& host_;
};

// ScanDirectory: the file pass of each directory, then its subdirectories.
class ScanVisitor final : public ReportingVisitor {
  public:
    ScanVisitor(WalkHost& host, const FileCallback& matchFile)
        : ReportingVisitor(host), matchFile_(matchFile) {}

    WalkControl OnEntry(const WalkEntry& entry) override {
        if (entry.facts.kind == EntryKind::Directory) {
            return WalkControl::Continue;  // met again in the directory pass
        }
        if (host_.StopRequested()) {
            return WalkControl::Stop;
        }
        matchFile_(FileVisit{entry.directory, entry.name, entry.facts});
        host_.KeepAlive();
        return WalkControl::Continue;
    }
    WalkControl AfterEntries(std::string_view) override {
        return host_.StopRequested() ? WalkControl::Stop : WalkControl::Continue;
    }

  private:
    const FileCallback& matchFile_;
};

// The listing pass records every subdirectory that is not a mount point, hidden ones included.
class InventoryVisitor final : public ReportingVisitor {
  public:
    InventoryVisitor(WalkHost& host, DirListBox& rows) : ReportingVisitor(host), rows_(rows) {}

    WalkControl OnEntry(const WalkEntry& entry) override {
        if (entry.facts.kind == EntryKind::Directory && !entry.mountPoint) {
            DirListRow& row = rows_.emplace_back();
            row.directory.reserve(entry.directory.size() + entry.name.size());
            row.directory.append(entry.directory).append(entry.name);
            row.level = static_cast<unsigned>(CountOccurrences(row.directory, "/"));
            row.device = entry.facts.device;
            row.inode = entry.facts.inode;
            row.created = entry.facts.created;
        }
        host_.KeepAlive();
        return WalkControl::Continue;
    }
    WalkControl AfterEntries(std::string_view) override { return WalkControl::Continue; }

  private:
    DirListBox& rows_;
};

}  // namespace

namespace {

void LogWalkFailure(WalkHost& host, const platform::WalkSummary& summary) {
    host.Log().WriteLog(
        "Cannot read directory " + summary.errorPath + ": " + platform::ErrorText(summary.error), base::kRed,
        base::LogStyle::Bold);
}

InventoryOutcome Inventory(int rootFd, std::string_view rootPath, WalkHost& host, DirListBox& dirList) {
    dirList.clear();
    platform::WalkSummary summary;
    platform::WalkResult result = platform::WalkResult::Completed;
    try {
        InventoryVisitor visitor(host, dirList);
        const std::string root = platform::NormalizeDirectoryPath(rootPath);
        result = rootFd >= 0 ? platform::WalkTreeAt(rootFd, root, visitor, {}, &summary)
                             : platform::WalkTree(root, visitor, {}, &summary);
        if (result == platform::WalkResult::Completed) {
            std::stable_sort(dirList.begin(), dirList.end(),
                             [](const DirListRow& a, const DirListRow& b) { return a.level < b.level; });
        }
    } catch (const std::bad_alloc&) {
        result = platform::WalkResult::OutOfResources;
    }
    if (result == platform::WalkResult::Completed) {
        return InventoryOutcome::Completed;
    }
    dirList.clear();
    dirList.shrink_to_fit();
    if (result == platform::WalkResult::RootRemoved) {
        return InventoryOutcome::RootRemoved;
    }
    if (summary.error != 0) {
        LogWalkFailure(host, summary);
    }
    host.Log().WriteLog("RESOURCE ERROR: Too many directories.", base::kRed, base::LogStyle::Bold);
    return InventoryOutcome::OutOfResources;
}

}  // namespace

ScanOutcome ScanTree(std::string_view startPath, WalkHost& host, const FileCallback& matchFile,
                     platform::EntryFacts* root) {
    ScanVisitor visitor(host, matchFile);
    platform::WalkSummary summary;
    const platform::WalkResult result =
        platform::WalkTree(platform::NormalizeDirectoryPath(startPath), visitor, {}, &summary);
    if (root != nullptr && summary.rootOpened) {
        *root = summary.root;
    }
    switch (result) {
        case platform::WalkResult::Stopped:
            return ScanOutcome::Stopped;
        case platform::WalkResult::OutOfResources:
            LogWalkFailure(host, summary);
            return ScanOutcome::OutOfResources;
        case platform::WalkResult::RootRemoved:
            return ScanOutcome::RootRemoved;
        case platform::WalkResult::Completed:
            break;
    }
    return ScanOutcome::Completed;
}

InventoryOutcome ListDirectories(std::string_view rootPath, WalkHost& host, DirListBox& dirList) {
    return Inventory(-1, rootPath, host, dirList);
}

InventoryOutcome ListDirectoriesAt(int rootFd, std::string_view rootPath, WalkHost& host,
                                   DirListBox& dirList) {
    if (rootFd < 0) {
        dirList.clear();
        host.Log().WriteLog(AccessDeniedText(platform::WithoutTrailingSlash(rootPath)), base::kBlack,
                            base::LogStyle::Regular);
        return InventoryOutcome::Completed;
    }
    return Inventory(rootFd, rootPath, host, dirList);
}

bool IsDirectoryEmpty(const std::string& path) {
    std::size_t count = 0;
    std::string_view trimmed = platform::WithoutTrailingSlash(path);
    return platform::CountDirectoryEntries(std::string(trimmed), 1, count) == 0 && count == 0;
}

std::size_t CountOccurrences(std::string_view text, std::string_view sub) {
    if (sub.empty()) {
        return 0;
    }
    std::size_t count = 0;
    for (std::size_t pos = text.find(sub); pos != std::string_view::npos;
         pos = text.find(sub, pos + sub.size())) {
        ++count;
    }
    return count;
}

std::string AccessDeniedText(std::string_view path) {
    return std::string("Access denied to directory ").append(path);
}

std::string MountPointText(std::string_view path) {
    return std::string("Skipped mount point ").append(path);
}

}  // namespace vorlex::scan

// The scan walk that feeds every file to the per-file test, and the directory inventory for the clean-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/LogSink.h"
#include "platform/DirWalk.h"

namespace vorlex::scan {

/// What the walks need from the program around them (implemented by the controller).
class WalkHost {
  public:
    virtual ~WalkHost() = default;
    /// Where progress and "Access denied to directory " lines go.
    virtual base::LogSink& Log() = 0;
    /// True once the Stop button was pressed (`StopRequested`).
    virtual bool StopRequested() const = 0;
    /// Lets pending window messages run: after each file of the scan walk and each inventory entry.
    virtual void KeepAlive() = 0;
};

/// One file met by the scan walk: what `MatchFile` receives. Valid during the call only.
struct FileVisit {
    std::string_view directory;         ///< full path of the directory, with one trailing '/'
    std::string_view name;              ///< the file's name (raw bytes); full path = directory + name
    const platform::EntryFacts& facts;  ///< its own times, size, identity and kind (a link is not followed)
};

/// The per-file test the scan walk calls for each file, in walk order.
using FileCallback = std::function<void(const FileVisit&)>;

/// How a scan walk ended.
enum class ScanOutcome : std::uint8_t {
    Completed,       ///< the whole tree was walked
    Stopped,         ///< Stop was seen: the caller logs StopNow("Aborted by user.") and abandons the run
    OutOfResources,  ///< a directory could not be opened or read for want of descriptors or memory: the
                     ///< directory and the error are logged (red); the caller reports the resource error
    RootRemoved,     ///< the start directory was removed during the walk: the caller abandons the run
};

/// `ScanTree`: walks the tree below `startPath` (normalised). In each directory every entry that is not a
/// directory goes to `matchFile` (Stop checked before each), then each subdirectory that is not hidden is
/// entered in enumeration order. Links are never followed and mount points never entered; a subdirectory
/// that cannot be entered is logged and skipped. `root`, when given, receives the start directory's facts.
ScanOutcome ScanTree(std::string_view startPath, WalkHost& host, const FileCallback& matchFile,
                     platform::EntryFacts* root = nullptr);

/// One row of the hidden directory list `DirListBox`.
struct DirListRow {
    unsigned level = 0;        ///< "Level": the number of '/' in `directory`
    std::string directory;     ///< "Directory": full path without a trailing '/'
    std::uint64_t device = 0;  ///< identity when listed, checked again before the directory is removed
    std::uint64_t inode = 0;
    platform::TimeValue
        created;  ///< its created time when listed (part of its identity where it is a birth time)
};

/// The directory inventory, shallow to deep: every row comes after its parent's row.
using DirListBox = std::vector<DirListRow>;

/// How an inventory ended.
enum class InventoryOutcome : std::uint8_t {
    Completed,       ///< the inventory is complete
    OutOfResources,  ///< "RESOURCE ERROR: Too many directories." was logged; the caller shows it and
                     ///< abandons the run
    RootRemoved,     ///< the start directory was removed meanwhile; the list is empty
};

/// `ListDirectories`: fills `dirList` with every subdirectory below `rootPath` (hidden ones listed but not
/// entered; mount points and the root itself not listed), in ascending Level, walk order within a level.
InventoryOutcome ListDirectories(std::string_view rootPath, WalkHost& host, DirListBox& dirList);

/// ListDirectories below the start directory already open as `rootFd`, whose path is `rootPath`: the
/// directory itself is read through that descriptor, never looked up again by its path.
InventoryOutcome ListDirectoriesAt(int rootFd, std::string_view rootPath, WalkHost& host,
                                   DirListBox& dirList);

/// `IsDirectoryEmpty`: true when the directory `path` (no trailing '/' needed; a link is not followed)
/// holds no entry at all, hidden ones counted. A directory that cannot be read is not empty.
bool IsDirectoryEmpty(const std::string& path);

/// `CountOccurrences`: the number of non-overlapping occurrences of `sub` in `text`, scanning left to
/// right; an empty `sub` gives 0.
std::size_t CountOccurrences(std::string_view text, std::string_view sub);

/// The text "Access denied to directory " + path.
std::string AccessDeniedText(std::string_view path);

/// The text "Skipped mount point " + path.
std::string MountPointText(std::string_view path);

}  // namespace vorlex::scan

// Walking a directory tree by descriptors: entry facts, the visitor interface and the depth-first walker.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Time.h"

namespace vorlex::platform {

/// What an entry is. `Special` (FIFO, socket, device) is what the program calls a "system" entry.
enum class EntryKind : std::uint8_t { File, Directory, Symlink, Special };

/// The facts of one entry, read with statx without following a link (a link has its own facts).
struct EntryFacts {
    EntryKind kind = EntryKind::File;  ///< regular file, directory, symbolic link or special
    std::uint8_t fileType = 0;         ///< the system's file type code (finer than `kind`), as rows store it
    std::uint32_t mode = 0;            ///< the full st_mode
    std::uint64_t device = 0;          ///< device of the file system that holds the entry
    std::uint64_t inode = 0;           ///< inode number
    std::uint64_t size = 0;            ///< size in bytes
    /// The status-change time (ctime) as nanoseconds since 1970, wrapping: compared for equality only. Any
    /// write, and any putting back of the modified time, moves it.
    std::uint64_t changeStamp = 0;
    std::uint32_t links = 0;    ///< number of hard links
    TimeValue created;          ///< birth time; the status-change time where there is none (or it is 0)
    TimeValue modified;         ///< last-write time (mtime)
    TimeValue accessed;         ///< last-access time (atime)
    bool hasBirthTime = false;  ///< `created` is a real birth time (not the status-change time)
    bool mountRoot = false;     ///< the entry is the root of a mount

    /// True when the owner-write bit is clear (the read-only attribute on Windows).
    bool ReadOnly() const { return (mode & 0200u) == 0; }
};

/// True when `name` is hidden, that is when it starts with '.'.
inline bool IsHiddenName(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

/// One entry met by the walk. The views point into the walker's buffers and are valid during the call only.
struct WalkEntry {
    std::string_view directory;  ///< full path of the directory being listed, with a trailing '/'
    std::string_view name;       ///< the entry's name, raw bytes
    const EntryFacts& facts;     ///< the entry's own facts
    bool hidden = false;         ///< the name starts with '.'
    bool mountPoint = false;     ///< a directory on another file system (or a mount root): never entered
};

/// What a visitor tells the walker after an entry or a directory's entry pass.
enum class WalkControl : std::uint8_t {
    Continue,  ///< go on
    Stop,      ///< end the whole walk at once
};

/// Receives the visits of WalkTree. Each directory is visited in two passes: the entry pass hands over
/// every entry in enumeration order, then the directory pass enters the subdirectories, one subtree at a
/// time, in the same order.
class WalkVisitor {
  public:
    virtual ~WalkVisitor() = default;
    /// The entry pass: called for every entry of the directory except "." and "..", directories
    /// included. Stop ends the walk at once.
    virtual WalkControl OnEntry(const WalkEntry& entry) = 0;
    /// Called when a directory's entry pass is complete, before its subdirectories are entered.
    /// Stop ends the walk at once.
    virtual WalkControl AfterEntries(std::string_view directory) = 0;
    /// The directory pass: asked for each subdirectory (never for a link) whether to enter it.
    virtual bool ShouldEnter(std::string_view directory, std::string_view name, bool hidden) = 0;
    /// A directory that cannot be entered or listed; `path` has no trailing '/'.
    virtual void OnAccessDenied(std::string_view path) = 0;
    /// A directory that is not entered because another file system is mounted there; no trailing '/'.
    virtual void OnMountPointSkipped(std::string_view path) = 0;
};

/// Tuning of the walker.
struct WalkOptions {
    /// Directory descriptors kept open below the start directory. Deeper trees are walked by closing the
    /// shallowest descriptors and reopening a directory through ".." when the walk comes back to it.
    std::size_t maxOpenDirectories = 16;
};

/// How a walk ended.
enum class WalkResult : std::uint8_t {
    Completed,       ///< every reachable directory was visited (or the start directory could not be opened)
    Stopped,         ///< the visitor answered Stop
    OutOfResources,  ///< a directory could not be opened or read for want of descriptors or memory: the walk
                     ///< ended there (WalkSummary names the directory and the error)
    RootRemoved,     ///< the start directory was removed while it was walked: the tree is gone, not walked
};

/// What a walk learnt of its start directory and of the failure that ended it early.
struct WalkSummary {
    EntryFacts root;          ///< facts of the start directory, as it was opened
    bool rootOpened = false;  ///< `root` is valid
    int error = 0;            ///< errno of the failure of OutOfResources
    std::string errorPath;    ///< the directory it happened at, without a trailing '/'
};

/// Walks the tree below `root`, a path as NormalizeDirectoryPath gives it, depth first: each directory's
/// entry pass, then each subdirectory that the visitor admits with its whole subtree. Links are never
/// followed and no other file system is entered. The walk uses its own stack, so the depth of the tree
/// (far beyond PATH_MAX) costs heap only, and it keeps at most options.maxOpenDirectories + 3
/// descriptors open. Links in `root` itself are followed, as the user typed them. When `root` cannot be
/// opened, OnAccessDenied is called for it and the walk completes without visits (an empty `root` is
/// not reported). Running out of descriptors or memory is no "access denied": the walk ends with
/// OutOfResources. `summary`, when given, receives the start directory's facts and the failure.
WalkResult WalkTree(const std::string& root, WalkVisitor& visitor, const WalkOptions& options = {},
                    WalkSummary* summary = nullptr);

/// WalkTree below the start directory already open as `rootFd` (any descriptor of it, O_PATH included);
/// `root` is its path as NormalizeDirectoryPath gives it, used for the paths handed to the visitor only.
/// The directory is read through a new open of `rootFd` itself, never looked up again by its path.
WalkResult WalkTreeAt(int rootFd, const std::string& root, WalkVisitor& visitor,
                      const WalkOptions& options = {}, WalkSummary* summary = nullptr);

/// `text` as an absolute directory path with exactly one trailing '/': a relative path is taken from the
/// current working folder, repeated '/' and "." components are dropped and ".." is resolved on the text
/// (as a shell's logical working folder). Empty text gives "".
std::string NormalizeDirectoryPath(std::string_view text);

/// `prefix` followed by each name of the '/'-separated `path`, each with a trailing '/', after dropping empty
/// names and "." and letting ".." remove the name before it (never `prefix`).
std::string ResolveDotSegments(std::string_view prefix, std::string_view path);

/// Counts the entries of the directory `path` (its last name is not followed if it is a link), "." and ".."
/// left out, stopping once `limit` are found. Returns 0 or the errno of the failed open or read.
int CountDirectoryEntries(const std::string& path, std::size_t limit, std::size_t& count);

/// The facts of the entry `path` itself (a link is not followed). Returns 0 or the errno.
int StatPath(const std::string& path, EntryFacts& out);

/// `directory` without its trailing '/' ("/" stays "/").
std::string_view WithoutTrailingSlash(std::string_view directory);

}  // namespace vorlex::platform

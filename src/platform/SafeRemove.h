// Reaching and removing a listed entry below a tree root by descriptors, re-checked against what the scan
// saw.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DirWalk.h"
#include "platform/Time.h"
#include "platform/Worker.h"

namespace vorlex::platform {

/// An open directory descriptor, closed when the handle goes.
class DirHandle {
  public:
    DirHandle() = default;
    /// Takes ownership of the descriptor `fd` (-1 for none).
    explicit DirHandle(int fd) : fd_(fd) {}
    ~DirHandle();
    DirHandle(DirHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    DirHandle& operator=(DirHandle&& other) noexcept;
    DirHandle(const DirHandle&) = delete;
    DirHandle& operator=(const DirHandle&) = delete;

    /// The descriptor, or -1.
    int Fd() const { return fd_; }
    /// True when a directory is open.
    bool Valid() const { return fd_ >= 0; }
    /// Gives up the descriptor without closing it and returns it (-1 when there was none).
    int Release();

  private:
    int fd_ = -1;
};

/// Closes descriptors on a thread of its own. When the last descriptor of a removed file goes, the kernel
/// frees its pages and its inode; handed over here, that work runs on another processor beside the next
/// removals instead of between them. Only descriptors whose entry is already removed (or that hold no lock)
/// belong here: a descriptor that still holds a lock on a file in place is closed at once by its owner.
/// Everything handed over is closed by Finish or the destructor at the latest. No more than a small number
/// of descriptors wait at any time, an eighth of the process's descriptor limit at most (beyond that, or
/// without the thread, Close closes at once).
/// One thread hands descriptors over.
class DescriptorCloser {
  public:
    DescriptorCloser() = default;
    /// Finish.
    ~DescriptorCloser();
    DescriptorCloser(const DescriptorCloser&) = delete;
    DescriptorCloser& operator=(const DescriptorCloser&) = delete;

    /// Closes `fd` (-1 is ignored), now or soon on the closing worker, which starts with the first call.
    void Close(int fd);
    /// Closes the directory `handle` holds, as Close, and leaves it empty.
    void Close(DirHandle&& handle);
    /// Closes everything handed over and ends the thread (a later Close starts it again).
    void Finish();

  private:
    static constexpr std::size_t kWaiting = 128;  ///< descriptors waiting at most
    std::size_t waitingMax_ = 0;  ///< descriptors waiting at most under the process's descriptor limit
    std::size_t batch_ = 0;       ///< descriptors handed to the worker in one task
    std::vector<int> gathered_;   ///< the batch being gathered
    bool failed_ = false;         ///< no thread could be started: Close closes at once
    std::optional<Worker> worker_;
};

/// The identity of an entry as the scan listed it.
struct EntryIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint8_t fileType = 0;  ///< EntryFacts::fileType
    /// The created time listed. Compared only where the file system has birth times (which never change),
    /// so that a new entry that happens to get the inode number of the listed one is not taken for it.
    TimeValue created;
    bool compareCreated = false;  ///< compare `created`
    /// The size and status-change time listed. A file written after the scan, even one whose modified time
    /// was then put back, differs in one of them. Not compared for a directory, whose status-change time
    /// moves whenever an entry inside it goes.
    std::uint64_t size = 0;
    std::uint64_t changeStamp = 0;  ///< or kAnyChangeStamp
    bool compareContent = false;    ///< compare `size` and `changeStamp`
};

/// An EntryIdentity::changeStamp that matches any: for a file of which the run itself removed another hard
/// link, which moved the status-change time of the file without changing it.
inline constexpr std::uint64_t kAnyChangeStamp = ~std::uint64_t{0};

/// True when `a` and `b` are the same entry (device, inode, type).
bool SameEntry(const EntryFacts& a, const EntryFacts& b);
/// True when `facts` are those of the entry `expected` names (birth time compared where asked and known).
bool IsExpected(const EntryFacts& facts, const EntryIdentity& expected);
/// True when the size and status-change time of `facts` are still those `expected` lists, where asked.
bool IsUnchanged(const EntryFacts& facts, const EntryIdentity& expected);

/// The identity recorded in `facts`, birth time included (size and status-change time left out).
inline EntryIdentity IdentityOf(const EntryFacts& facts) {
    return {facts.device, facts.inode, facts.fileType, facts.created, true};
}

/// The age an entry must still have to be removed. Times are compared in whole milliseconds, as the scan
/// compares them: the created time at or before `cutOff`, and the modified time, moved back by
/// `modifiedSlackSeconds`, at or before `cutOff` too.
struct AgeRule {
    TimeValue cutOff;
    std::int64_t modifiedSlackSeconds = 0;
};

/// True when `facts` is old by `rule`.
bool IsOldEnough(const EntryFacts& facts, const AgeRule& rule);

/// What RemoveIfUnchanged did.
enum class RemoveStatus : std::uint8_t {
    Removed,      ///< the entry is gone
    Failed,       ///< a system call failed; `error` holds its errno (ENOENT when the entry vanished), or
                  ///< kErrorInUse when another process holds a lock on the entry
    Replaced,     ///< another entry (device, inode or type differ) now has the name: kept
    NoLongerOld,  ///< the entry changed since the scan and is not old any more: kept
    Changed,      ///< still old, but its size or status-change time differ from the expected ones: kept
};

/// The outcome of RemoveIfUnchanged.
struct RemoveResult {
    RemoveStatus status = RemoveStatus::Failed;
    int error = 0;  ///< errno of the failed call when status is Failed
};

/// Opens the start directory `root` (an absolute path, as NormalizeDirectoryPath gives it; links in it are
/// followed as the user typed them). Paths beyond PATH_MAX are opened in pieces. Returns 0 or the errno.
int OpenTreeRoot(const std::string& root, DirHandle& out);

/// Opens the directory `relative` below `root` ('/'-separated names, no "." or ".." and no leading or
/// trailing '/'; empty for the root itself) without following any link, without leaving `root` and without
/// entering another file system: openat2 with RESOLVE_NO_SYMLINKS | RESOLVE_BENEATH | RESOLVE_NO_XDEV,
/// or, on kernels without it, one O_NOFOLLOW open per name with a device check. Returns 0 or the errno:
/// ELOOP, ENOTDIR or EXDEV when a directory on the path has been replaced by a link, a file or a mount.
int OpenBeneath(const DirHandle& root, std::string_view relative, DirHandle& out);

/// Looks `name` up again in `dir` without following a link and removes it only when it is still the
/// entry `expected` (device, inode, type and, where asked and known, birth time), still old by `age` and,
/// where asked, unchanged in size and status-change time (else Changed): unlinkat(dir, name, 0), or with
/// AT_REMOVEDIR for a directory. Nothing is ever chmod-ed. A failure reports the errno of the failed call
/// itself. A file or directory on which another process holds a lock (flock, or a POSIX or open file
/// description record lock) is in use and kept (kErrorInUse); to learn that, it is opened read-only without
/// following a link and without blocking, and it stays flock-ed by this process until it is removed. FIFOs,
/// sockets and devices are never opened. `seen`, when given, receives the facts of the entry found (valid
/// unless the lookup failed). `closer`, when given, closes the locked descriptor of a removed entry.
RemoveResult RemoveIfUnchanged(const DirHandle& dir, std::string_view name, const EntryIdentity& expected,
                               const AgeRule& age, EntryFacts* seen = nullptr,
                               DescriptorCloser* closer = nullptr);

/// Opens the subdirectory `name` of `dir` for reading, without following a link and without entering
/// another file system (a mount root is refused with EXDEV). Returns 0 or the errno.
int OpenDirectoryAt(const DirHandle& dir, std::string_view name, DirHandle& out);

/// Counts the entries of the open directory `dir` ("." and ".." left out), stopping once `limit` are
/// found. Returns 0 or the errno of the failed read.
int CountEntries(const DirHandle& dir, std::size_t limit, std::size_t& count);

/// The facts of the open `handle` itself. Returns 0 or the errno.
int StatHandle(const DirHandle& handle, EntryFacts& out);

/// The removal of an empty directory that was opened, counted and looked at through one descriptor:
/// `opened` was opened on `name` in `parent` by OpenDirectoryAt and `openedFacts` are its facts. Keeps it
/// when `openedFacts` are not `expected` (Replaced) or not old by `age` (NoLongerOld); locks `opened`
/// (kErrorInUse when another process holds a lock: flock, or a POSIX or open file description record lock);
/// looks `name` up once more without following a link, which must still be that directory, unchanged and old;
/// then unlinkat(parent, name, AT_REMOVEDIR), which refuses a directory that is no longer empty. Nothing is
/// chmod-ed. A failure reports the errno of the failed call itself.
RemoveResult RemoveOpenedDirIfUnchanged(const DirHandle& parent, std::string_view name,
                                        const DirHandle& opened, const EntryFacts& openedFacts,
                                        const EntryIdentity& expected, const AgeRule& age);

}  // namespace vorlex::platform

// Removal of one listed file or directory, reached from the tree root without links, with its reason text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cleanup/CleanupHost.h"
#include "platform/SafeRemove.h"
#include "platform/Trash.h"

namespace vorlex::cleanup {

/// What became of one removal.
enum class RemovalVerdict : std::uint8_t {
    Removed,      ///< the entry is gone
    Failed,       ///< the system refused; `error` is the errno of the failed call (ENOENT: vanished)
    Replaced,     ///< another entry has the name now: kept
    NoLongerOld,  ///< the entry changed since the scan and is not old any more: kept
    Changed,      ///< the entry was written since the scan (size or status-change time differ): kept
    PathChanged,  ///< a directory on the way was replaced by a link, a file or a mount point: nothing done
    OutsideTree,  ///< the path does not lie below the tree root: nothing done
    OwnFile,      ///< one of the program's own files: never removed
};

/// The outcome of RemoveListed.
struct Removal {
    RemovalVerdict verdict = RemovalVerdict::Failed;
    int error = 0;  ///< errno when verdict is Failed
};

/// The verdict on what platform::RemoveIfUnchanged or platform::RemoveOpenedDirIfUnchanged reported.
Removal RemovalOf(const platform::RemoveResult& result);

/// Splits `path` (a full path as the scan built it; a trailing '/' is ignored) into the directory below
/// `rootPrefix` (the normalised root, with its trailing '/') and the entry's name. False when `path` does
/// not lie strictly below the root or holds an empty, "." or ".." component.
bool SplitBelowRoot(std::string_view rootPrefix, std::string_view path, std::string_view& relativeDir,
                    std::string_view& name);

/// Reaches the parent directory of `path` from `root` (opened on `rootPrefix`) without following links or
/// leaving the file system, then removes the entry only if it is still `expected` and still old by `age`.
/// `seen` receives the facts found, when the entry could be looked up. `closer`, when given, closes the
/// descriptors of the parent and of a removed entry.
Removal RemoveListed(const platform::DirHandle& root, std::string_view rootPrefix, std::string_view path,
                     const platform::EntryIdentity& expected, const platform::AgeRule& age,
                     platform::EntryFacts* seen = nullptr, platform::DescriptorCloser* closer = nullptr);

/// RemoveListed, but the entry is moved into the trash of its file system (platform::TrashIfUnchanged)
/// instead of being removed; Removed then means moved. Failed with platform::kErrorNoTrash when that file
/// system has no usable trash.
Removal TrashListed(const platform::DirHandle& root, std::string_view rootPrefix, std::string_view path,
                    const platform::EntryIdentity& expected, const platform::AgeRule& age,
                    platform::TrashCans& trash, platform::EntryFacts* seen = nullptr,
                    platform::DescriptorCloser* closer = nullptr);

/// Opens the start folder `rootPrefix` (as NormalizeDirectoryPath gives it) for a pass, once, and, when
/// `scanned` is given, checks that it is still the folder the scan walked (device and inode). On failure
/// tells `host` why (PassFailed: the folder is gone, cannot be opened, or is another one now) and returns
/// the errno (ESTALE for another folder); `out` is then empty.
int OpenCheckedRoot(const std::string& rootPrefix, const std::optional<TreeRootIdentity>& scanned,
                    platform::DirHandle& out, CleanupHost& host);

/// The red line of a start folder removed while a pass worked below it.
std::string RootGoneText(std::string_view rootPrefix);

/// The text for the "Reason: " / "REASON: " line of a removal that did not happen.
std::string RemovalReasonText(const Removal& removal, bool directory);

}  // namespace vorlex::cleanup

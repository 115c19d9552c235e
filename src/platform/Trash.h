// Moving a listed file into the trash of its file system, laid out as the freedesktop.org trash (1.0).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DirWalk.h"
#include "platform/SafeRemove.h"

namespace vorlex::platform {

/// The trash directories of one clean-up pass, each opened once, without following a link, on first use.
/// A file on the file system of `$XDG_DATA_HOME/Trash` (default `~/.local/share/Trash`) goes there; a file
/// on another file system goes to `$topdir/.Trash/$uid` when `$topdir/.Trash` is a directory (not a link)
/// with the sticky bit, else to `$topdir/.Trash-$uid`; `$topdir` is the root of the file's mount. Missing
/// trash directories are created with mode 0700; every one used must belong to the user. Only files are
/// moved, so `directorysizes` is never written.
class TrashCans {
  public:
    TrashCans();
    ~TrashCans();
    TrashCans(const TrashCans&) = delete;
    TrashCans& operator=(const TrashCans&) = delete;

    /// The last step of TrashIfUnchanged, once `name` in `dir` is checked to be the entry of `facts`:
    /// creates `info/NAME.trashinfo` with O_EXCL (NAME: a free name derived from `name`) holding the
    /// percent-encoded `path` and the local time, then renames the entry to `files/NAME` without replacing
    /// anything (the info file goes again when that fails). Returns 0, the errno of the failed call, or
    /// kErrorNoTrash when the entry's file system has no usable trash.
    int MoveChecked(const DirHandle& dir, const char* name, const EntryFacts& facts, std::string_view path);

  private:
    struct Can;
    /// The trash of the file system `facts` lie on, found and opened on first use (null: none usable).
    Can* CanFor(const DirHandle& dir, const EntryFacts& facts);

    std::vector<std::unique_ptr<Can>> cans_;
    std::string dataHome_;  ///< $XDG_DATA_HOME, or $HOME/.local/share; empty when neither is known
    bool homeKnown_ = false;
    std::uint64_t homeDevice_ = 0;  ///< device of the home trash, or of its nearest existing ancestor
    long long stampSecond_ = -1;    ///< the second `stamp_` shows
    std::string stamp_;             ///< DeletionDate of `stampSecond_`
};

/// `path` as the Path= key of a trash info file holds it: every byte but ASCII letters, digits and
/// "-_.~/" written as %XX (upper-case hex), so names with line feeds, '%' or invalid UTF-8 keep their bytes.
std::string TrashInfoPathEscape(std::string_view path);

/// Moves `name` in `dir` into the trash (TrashCans::MoveChecked) after the same checks RemoveIfUnchanged
/// makes, lock test included: still `expected`, still old by `age`, unchanged where asked. `path` is the
/// entry's absolute path, written to the info file. `seen` and `closer` as for RemoveIfUnchanged.
/// Failed with kErrorNoTrash when its file system has no usable trash (the entry stays).
RemoveResult TrashIfUnchanged(const DirHandle& dir, std::string_view name, std::string_view path,
                              const EntryIdentity& expected, const AgeRule& age, TrashCans& trash,
                              EntryFacts* seen = nullptr, DescriptorCloser* closer = nullptr);

}  // namespace vorlex::platform

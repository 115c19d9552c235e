#include "platform/SafeRemove.h"

#include <cerrno>
#include <utility>

#include "platform/Errors.h"
#include "platform/win32/WinFs.h"

namespace vorlex::platform {

namespace {

// FileDispositionInfoEx (Windows 10 1607 and later), which the headers name only for later API levels.
constexpr auto kFileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);

// A name that stays inside its directory: not empty, no separator, not "." or "..".
bool IsPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

// Opens a child directory for listing and for its own removal, never through a reparse point.
int OpenChildDirectory(HANDLE dir, std::string_view name, HANDLE& out) {
    const int err = win::OpenRelative(dir, win::Wide(name), win::kListAccess | DELETE, win::kShareAll,
                                      FILE_DIRECTORY_FILE, out);
    if (err != 0) {
        return err;
    }
    EntryFacts facts;
    const int statErr = win::HandleFacts(out, facts);
    if (statErr != 0 || facts.kind != EntryKind::Directory) {
        win::CloseIf(out);
        out = INVALID_HANDLE_VALUE;
        return statErr != 0 ? statErr : ELOOP;  // a reparse point in its place
    }
    return 0;
}

// Removes the entry open as `h` (with DELETE access) through that handle: POSIX semantics where the file
// system has them, the classic disposition otherwise. A read-only attribute is cleared on this handle only
// and put back when the removal fails. Returns 0 or the error code.
int DeleteThroughHandle(HANDLE h, const EntryFacts& facts) {
    FILE_BASIC_INFO basic{};
    const bool readOnly = facts.ReadOnly() && facts.kind == EntryKind::File;
    if (readOnly) {
        if (!GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic)) {
            return win::LastWin32();
        }
        FILE_BASIC_INFO cleared = basic;
        cleared.FileAttributes &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
        if (cleared.FileAttributes == 0) {
            cleared.FileAttributes = FILE_ATTRIBUTE_NORMAL;
        }
        // Times of 0 are left as they are.
        cleared.CreationTime.QuadPart = cleared.LastAccessTime.QuadPart = 0;
        cleared.LastWriteTime.QuadPart = cleared.ChangeTime.QuadPart = 0;
        if (!SetFileInformationByHandle(h, FileBasicInfo, &cleared, sizeof cleared)) {
            return win::LastWin32();
        }
    }
    FILE_DISPOSITION_INFO_EX ex{};
    ex.Flags = FILE_DISPOSITION_FLAG_DELETE | FILE_DISPOSITION_FLAG_POSIX_SEMANTICS;
    int err = 0;
    if (!SetFileInformationByHandle(h, kFileDispositionInfoEx, &ex, sizeof ex)) {
        const DWORD exErr = GetLastError();
        // Older systems and file systems without POSIX semantics refuse the extended class itself.
        if (exErr == ERROR_INVALID_PARAMETER || exErr == ERROR_NOT_SUPPORTED ||
            exErr == ERROR_INVALID_FUNCTION || exErr == ERROR_CALL_NOT_IMPLEMENTED) {
            FILE_DISPOSITION_INFO classic{};
            classic.DeleteFile = TRUE;
            if (!SetFileInformationByHandle(h, FileDispositionInfo, &classic, sizeof classic)) {
                err = win::LastWin32();
            }
        } else {
            err = win::FromWin32(exErr);
        }
    }
    if (err != 0 && readOnly) {
        FILE_BASIC_INFO restore = basic;
        restore.CreationTime.QuadPart = restore.LastAccessTime.QuadPart = 0;
        restore.LastWriteTime.QuadPart = restore.ChangeTime.QuadPart = 0;
        SetFileInformationByHandle(h, FileBasicInfo, &restore, sizeof restore);
    }
    return err;
}

}  // namespace

DirHandle::~DirHandle() {
    if (fd_ != -1) {
        win::CloseIf(win::ToHandle(fd_));
    }
}

int DirHandle::Release() {
    return std::exchange(fd_, -1);
}

DirHandle& DirHandle::operator=(DirHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ != -1) {
            win::CloseIf(win::ToHandle(fd_));
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

// Closing a handle is quick on Windows: nothing waits for a thread here.
DescriptorCloser::~DescriptorCloser() {
    Finish();
}

void DescriptorCloser::Close(int fd) {
    if (fd != -1) {
        win::CloseIf(win::ToHandle(fd));
    }
}

void DescriptorCloser::Close(DirHandle&& handle) {
    Close(handle.Release());
}

void DescriptorCloser::Finish() {}

bool IsOldEnough(const EntryFacts& facts, const AgeRule& rule) {
    const std::int64_t cut = rule.cutOff.Millis();
    TimeValue modified = facts.modified.EarlierBy(rule.modifiedSlackSeconds);
    return facts.created.Millis() <= cut && modified.Millis() <= cut;
}

int OpenTreeRoot(const std::string& root, DirHandle& out) {
    out = DirHandle();
    HANDLE h = CreateFileW(win::LongPath(root).c_str(), win::kListAccess, win::kShareAll, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return win::LastWin32();
    }
    EntryFacts facts;
    const int err = win::HandleFacts(h, facts);
    if (err != 0 || facts.kind != EntryKind::Directory) {
        CloseHandle(h);
        return err != 0 ? err : ENOTDIR;
    }
    out = DirHandle(win::FromHandle(h));
    return 0;
}

int OpenBeneath(const DirHandle& root, std::string_view relative, DirHandle& out) {
    out = DirHandle();
    if (!root.Valid()) {
        return EBADF;
    }
    HANDLE rootHandle = win::ToHandle(root.Fd());
    EntryFacts rootFacts;
    if (int err = win::HandleFacts(rootHandle, rootFacts); err != 0) {
        return err;
    }
    HANDLE cur = INVALID_HANDLE_VALUE;
    if (relative.empty()) {
        const int err =
            win::OpenRelative(rootHandle, L"", win::kListAccess, win::kShareAll, FILE_DIRECTORY_FILE, cur);
        if (err != 0) {
            return err;
        }
        out = DirHandle(win::FromHandle(cur));
        return 0;
    }
    for (std::string_view rest = relative; !rest.empty();) {
        const std::size_t slash = rest.find('/');
        const std::string_view name = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (!IsPlainName(name) || (slash != std::string_view::npos && rest.empty())) {
            win::CloseIf(cur);
            return EINVAL;
        }
        HANDLE next = INVALID_HANDLE_VALUE;
        const int err = OpenChildDirectory(cur == INVALID_HANDLE_VALUE ? rootHandle : cur, name, next);
        win::CloseIf(cur);
        if (err != 0) {
            return err;
        }
        EntryFacts facts;
        win::HandleFacts(next, facts);
        if (facts.device != rootFacts.device) {
            CloseHandle(next);
            return EXDEV;
        }
        cur = next;
    }
    out = DirHandle(win::FromHandle(cur));
    return 0;
}

RemoveResult RemoveIfUnchanged(const DirHandle& dir, std::string_view name, const EntryIdentity& expected,
                               const AgeRule& age, EntryFacts* seen, DescriptorCloser*) {
    if (!IsPlainName(name)) {
        return {RemoveStatus::Failed, EINVAL};
    }
    const std::wstring wide = win::Wide(name);
    const bool directory = expected.fileType == 2;
    const ULONG kindOption = directory ? FILE_DIRECTORY_FILE : 0;
    // The removal's own handle, opened without sharing: another program's open handle (a sharing
    // violation) means the file is in use.
    HANDLE h = INVALID_HANDLE_VALUE;
    int err = win::OpenRelative(win::ToHandle(dir.Fd()), wide,
                                DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, 0, kindOption, h);
    if (err == kErrorInUse) {
        // Only the listed entry is "in use"; another one in its place was replaced.
        HANDLE look = INVALID_HANDLE_VALUE;
        EntryFacts facts;
        if (win::OpenRelative(win::ToHandle(dir.Fd()), wide, FILE_READ_ATTRIBUTES, win::kShareAll, 0, look) ==
                0 &&
            win::HandleFacts(look, facts) == 0) {
            CloseHandle(look);
            if (seen != nullptr) {
                *seen = facts;
            }
            if (!IsExpected(facts, expected)) {
                return {RemoveStatus::Replaced, 0};
            }
        }
        win::CloseIf(look);
        return {RemoveStatus::Failed, kErrorInUse};
    }
    if (err != 0) {
        // A file opened as a directory or the other way round: another entry has the name now.
        if (err == ENOTDIR) {
            return {RemoveStatus::Replaced, 0};
        }
        return {RemoveStatus::Failed, err};
    }
    EntryFacts facts;
    if (err = win::HandleFacts(h, facts); err != 0) {
        CloseHandle(h);
        return {RemoveStatus::Failed, err};
    }
    if (seen != nullptr) {
        *seen = facts;
    }
    // Checked through the handle that removes it: nothing can swap the entry in between.
    RemoveResult result{RemoveStatus::Removed, 0};
    if (!IsExpected(facts, expected)) {
        result = {RemoveStatus::Replaced, 0};
    } else if (!IsOldEnough(facts, age)) {
        result = {RemoveStatus::NoLongerOld, 0};
    } else if (!IsUnchanged(facts, expected)) {
        result = {RemoveStatus::Changed, 0};
    } else if (err = DeleteThroughHandle(h, facts); err != 0) {
        result = {RemoveStatus::Failed, err};
    }
    CloseHandle(h);
    return result;
}

int OpenDirectoryAt(const DirHandle& dir, std::string_view name, DirHandle& out) {
    out = DirHandle();
    if (!IsPlainName(name)) {
        return EINVAL;
    }
    HANDLE h = INVALID_HANDLE_VALUE;
    if (int err = OpenChildDirectory(win::ToHandle(dir.Fd()), name, h); err != 0) {
        return err;
    }
    out = DirHandle(win::FromHandle(h));
    return 0;
}

int CountEntries(const DirHandle& dir, std::size_t limit, std::size_t& count) {
    count = 0;
    return win::ListDirectory(win::ToHandle(dir.Fd()), 0,
                              [&](std::string_view, const EntryFacts&, DWORD) { return ++count < limit; });
}

int StatHandle(const DirHandle& handle, EntryFacts& out) {
    return win::HandleFacts(win::ToHandle(handle.Fd()), out);
}

RemoveResult RemoveOpenedDirIfUnchanged(const DirHandle& parent, std::string_view name,
                                        const DirHandle& opened, const EntryFacts& openedFacts,
                                        const EntryIdentity& expected, const AgeRule& age) {
    if (!IsPlainName(name)) {
        return {RemoveStatus::Failed, EINVAL};
    }
    if (!IsExpected(openedFacts, expected)) {
        return {RemoveStatus::Replaced, 0};
    }
    if (!IsOldEnough(openedFacts, age)) {
        return {RemoveStatus::NoLongerOld, 0};
    }
    // The name is looked up once more right before the removal: still the directory checked.
    HANDLE look = INVALID_HANDLE_VALUE;
    EntryFacts now;
    int err = win::OpenRelative(win::ToHandle(parent.Fd()), win::Wide(name), FILE_READ_ATTRIBUTES,
                                win::kShareAll, 0, look);
    if (err == 0) {
        err = win::HandleFacts(look, now);
        CloseHandle(look);
    }
    if (err != 0) {
        return {RemoveStatus::Failed, err};
    }
    if (!SameEntry(now, openedFacts) || !IsExpected(now, expected)) {
        return {RemoveStatus::Replaced, 0};
    }
    if (!IsOldEnough(now, age)) {
        return {RemoveStatus::NoLongerOld, 0};
    }
    if (err = DeleteThroughHandle(win::ToHandle(opened.Fd()), now); err != 0) {
        return {RemoveStatus::Failed, err};
    }
    return {RemoveStatus::Removed, 0};
}

}  // namespace vorlex::platform

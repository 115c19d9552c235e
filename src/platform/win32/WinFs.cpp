#include "platform/win32/WinFs.h"

#include <cerrno>
#include <vector>

#include "platform/Errors.h"

namespace vorlex::platform::win {

std::wstring Wide(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

int FromWin32(DWORD error) {
    switch (error) {
        case ERROR_SUCCESS:
            return 0;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return kErrorFileNotFound;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return kErrorInUse;
        case ERROR_ACCESS_DENIED:
            return EACCES;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_TOO_MANY_OPEN_FILES:
            return EMFILE;
        case ERROR_DIR_NOT_EMPTY:
            return ENOTEMPTY;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_NOT_SAME_DEVICE:
            return EXDEV;
        default:
            return kWin32ErrorBase + static_cast<int>(error);
    }
}

int FromStatus(NTSTATUS status) {
    return FromWin32(RtlNtStatusToDosError(status));
}

int LastWin32() {
    return FromWin32(GetLastError());
}

std::string ForwardSlashes(std::string path) {
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

std::wstring LongPath(std::string_view path) {
    std::wstring wide = Wide(path);
    for (wchar_t& c : wide) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    if (wide.starts_with(L"\\\\?\\")) {
        return wide;
    }
    const DWORD need = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (need == 0) {
        return wide;
    }
    std::wstring full(need, L'\0');
    const DWORD got = GetFullPathNameW(wide.c_str(), need, full.data(), nullptr);
    full.resize(got);
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}

void CloseIf(HANDLE h) {
    if (h != nullptr && h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
    }
}

TimeValue FromFileTime(std::int64_t ticks) {
    constexpr std::int64_t kTicksPerSecond = 10'000'000;
    constexpr std::int64_t kEpochDifference = 11'644'473'600;  // seconds from 1601 to 1970
    std::int64_t sec = ticks / kTicksPerSecond;
    std::int64_t rem = ticks % kTicksPerSecond;
    if (rem < 0) {
        rem += kTicksPerSecond;
        --sec;
    }
    return {sec - kEpochDifference, static_cast<std::int32_t>(rem * 100)};
}

void FillFacts(DWORD attributes, std::int64_t created, std::int64_t written, std::int64_t accessed,
               std::int64_t changed, std::uint64_t size, std::uint64_t volume, std::uint64_t fileId,
               std::uint32_t links, EntryFacts& out) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        out.kind = EntryKind::Symlink;
        out.fileType = 3;
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        out.kind = EntryKind::Directory;
        out.fileType = 2;
    } else if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) {
        out.kind = EntryKind::Special;
        out.fileType = 4;
    } else {
        out.kind = EntryKind::File;
        out.fileType = 1;
    }
    const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    out.mode = (out.kind == EntryKind::Directory ? 0555u : 0444u) | (readOnly ? 0u : 0200u);
    out.device = volume;
    out.inode = fileId;
    out.size = size;
    out.changeStamp = static_cast<std::uint64_t>(changed);
    out.links = links;
    out.created = FromFileTime(created);
    out.modified = FromFileTime(written);
    out.accessed = FromFileTime(accessed);
    out.hasBirthTime = true;
    out.mountRoot = false;
}

int HandleFacts(HANDLE h, EntryFacts& out) {
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandle(h, &info) ||
        !GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic)) {
        return LastWin32();
    }
    const auto size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    const auto id = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    FillFacts(basic.FileAttributes, basic.CreationTime.QuadPart, basic.LastWriteTime.QuadPart,
              basic.LastAccessTime.QuadPart, basic.ChangeTime.QuadPart, size, info.dwVolumeSerialNumber, id,
              info.nNumberOfLinks, out);
    return 0;
}

int OpenRelative(HANDLE dir, std::wstring_view name, ACCESS_MASK access, ULONG share, ULONG options,
                 HANDLE& out) {
    out = INVALID_HANDLE_VALUE;
    if (name.size() * sizeof(WCHAR) > 0xFFFE) {
        return ENAMETOOLONG;
    }
    UNICODE_STRING object;
    object.Buffer = const_cast<PWSTR>(name.data());
    object.Length = static_cast<USHORT>(name.size() * sizeof(WCHAR));
    object.MaximumLength = object.Length;
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &object, OBJ_CASE_INSENSITIVE, dir, nullptr);
    IO_STATUS_BLOCK io{};
    HANDLE h = nullptr;
    const NTSTATUS status = NtCreateFile(
        &h, access | SYNCHRONIZE, &attributes, &io, nullptr, 0, share, FILE_OPEN,
        options | FILE_OPEN_REPARSE_POINT | FILE_OPEN_FOR_BACKUP_INTENT | FILE_SYNCHRONOUS_IO_NONALERT,
        nullptr, 0);
    if (!NT_SUCCESS(status)) {
        return FromStatus(status);
    }
    out = h;
    return 0;
}

}  // namespace vorlex::platform::win

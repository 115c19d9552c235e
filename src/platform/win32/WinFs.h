// Windows helpers the platform layer shares: UTF-8 and UTF-16, error codes, long paths, handles kept in the
// interfaces' int descriptors, entry facts, and opens relative to a directory handle.
#pragma once

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/DirWalk.h"
#include "platform/Time.h"

namespace vorlex::platform::win {

/// Error codes of Windows errors that have no code of their own in the platform layer: this base plus the
/// Windows error number (ErrorText reads the system's message for them).
inline constexpr int kWin32ErrorBase = 0x20000;

/// `text` as UTF-16; an invalid UTF-8 byte becomes U+FFFD.
std::wstring Wide(std::string_view text);
/// `text` as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view text);

/// The platform error code of the Windows error `error`: 0, 2 for a missing file or path, kErrorInUse for a
/// sharing or lock violation, the errno value of a few errors the core tells apart, else kWin32ErrorBase +
/// `error`.
int FromWin32(DWORD error);
/// FromWin32 of the Windows error an NTSTATUS stands for.
int FromStatus(NTSTATUS status);
/// FromWin32(GetLastError()).
int LastWin32();

/// `path` ('/' or '\' separated, absolute or relative to the current folder) as a \\?\ path, so that no
/// length limit applies: '/' becomes '\', "." and ".." are resolved on the text first.
std::wstring LongPath(std::string_view path);
/// `path` with '\' turned into '/': the separator the rest of the program uses.
std::string ForwardSlashes(std::string path);

/// The handle an int descriptor of the interfaces holds (Windows handles fit in 32 bits).
inline HANDLE ToHandle(int fd) {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd));
}
/// The int descriptor that holds `h` (-1 for INVALID_HANDLE_VALUE).
inline int FromHandle(HANDLE h) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(h));
}
/// Closes `h` unless it is null or invalid.
void CloseIf(HANDLE h);

/// A FILETIME count (100 ns since 1601) as a TimeValue.
TimeValue FromFileTime(std::int64_t ticks);

/// The facts made from attributes, times, size, volume serial and file ID: kind and fileType from the
/// attributes (a reparse point is a Symlink of its own), mode with the owner-write bit clear for read-only.
void FillFacts(DWORD attributes, std::int64_t created, std::int64_t written, std::int64_t accessed,
               std::int64_t changed, std::uint64_t size, std::uint64_t volume, std::uint64_t fileId,
               std::uint32_t links, EntryFacts& out);
/// The facts of the open handle `h`. Returns 0 or the error code.
int HandleFacts(HANDLE h, EntryFacts& out);

/// Opens `name` (a single name; empty reopens `dir` itself) relative to the directory handle `dir` with
/// NtCreateFile, never following a reparse point (FILE_OPEN_REPARSE_POINT). `options` are added to the
/// create options; `share` is the share mode. Returns 0 or the error code.
int OpenRelative(HANDLE dir, std::wstring_view name, ACCESS_MASK access, ULONG share, ULONG options,
                 HANDLE& out);

/// Access for reading a directory's entries and facts.
inline constexpr ACCESS_MASK kListAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
/// Every share mode: opening never disturbs another program.
inline constexpr ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

/// Calls `visit(name, facts, attributes)` for every entry of the open directory `dir` ("." and ".." left
/// out), restarting at its first entry; `volume` is the directory's volume serial. `visit` returns false to
/// stop. Returns 0 or the error code of the failed read.
template <class Visit>
int ListDirectory(HANDLE dir, std::uint64_t volume, Visit&& visit);

}  // namespace vorlex::platform::win

#include "platform/win32/WinFsList.h"

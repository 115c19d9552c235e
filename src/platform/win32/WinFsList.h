// The directory listing of WinFs.h: FILE_ID_BOTH_DIR_INFO records read through the directory handle.
#pragma once

#include <memory>

namespace vorlex::platform::win {

template <class Visit>
int ListDirectory(HANDLE dir, std::uint64_t volume, Visit&& visit) {
    constexpr DWORD kBufferSize = 64 * 1024;
    // DWORD-aligned, as the records must be.
    const auto buffer = std::make_unique<std::uint64_t[]>(kBufferSize / sizeof(std::uint64_t));
    auto* base = reinterpret_cast<unsigned char*>(buffer.get());
    FILE_INFO_BY_HANDLE_CLASS cls = FileIdBothDirectoryRestartInfo;
    EntryFacts facts;
    std::string name;
    for (;;) {
        if (!GetFileInformationByHandleEx(dir, cls, base, kBufferSize)) {
            const DWORD err = GetLastError();
            return err == ERROR_NO_MORE_FILES || err == ERROR_FILE_NOT_FOUND ? 0 : FromWin32(err);
        }
        cls = FileIdBothDirectoryInfo;
        for (DWORD offset = 0;;) {
            const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(base + offset);
            const std::wstring_view wide(info->FileName, info->FileNameLength / sizeof(WCHAR));
            if (wide != L"." && wide != L"..") {
                name = Narrow(wide);
                FillFacts(info->FileAttributes, info->CreationTime.QuadPart, info->LastWriteTime.QuadPart,
                          info->LastAccessTime.QuadPart, info->ChangeTime.QuadPart,
                          static_cast<std::uint64_t>(info->EndOfFile.QuadPart), volume,
                          static_cast<std::uint64_t>(info->FileId.QuadPart), 1, facts);
                if (!visit(std::string_view(name), facts, info->FileAttributes)) {
                    return 0;
                }
            }
            if (info->NextEntryOffset == 0) {
                break;
            }
            offset += info->NextEntryOffset;
        }
    }
}

}  // namespace vorlex::platform::win

#include "platform/FileAccess.h"

#include <atomic>
#include <cerrno>
#include <string>

#include "platform/Errors.h"
#include "platform/win32/WinFs.h"

namespace vorlex::platform {

int CheckFileAccess(const std::string& path) {
    // Exclusive: any other open of the file (reading included) is a sharing violation.
    HANDLE h = CreateFileW(win::LongPath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return win::LastWin32();
    }
    const DWORD type = GetFileType(h);
    CloseHandle(h);
    return type == FILE_TYPE_DISK ? 0 : EINVAL;
}

namespace {

std::atomic<unsigned> g_tempCounter{0};

int WriteAll(HANDLE h, std::string_view data) {
    while (!data.empty()) {
        const DWORD chunk = data.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(data.size());
        DWORD written = 0;
        if (!WriteFile(h, data.data(), chunk, &written, nullptr)) {
            return win::LastWin32();
        }
        data.remove_prefix(written);
    }
    return 0;
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    Abandon();
}

int ReplacingFile::Open(const std::string& path) {
    Abandon();
    target_ = path;
    error_ = 0;
    written_ = 0;
    // The name RemoveStaleTemporaryFiles knows: NAME.tmpPID-N.
    temp_ = path + ".tmp" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++g_tempCounter);
    // Created anew and kept to this process alone until it is renamed into place.
    HANDLE h = CreateFileW(win::LongPath(temp_).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error_ = win::LastWin32();
        temp_.clear();
        return error_;
    }
    fd_ = win::FromHandle(h);
    return 0;
}

int ReplacingFile::Write(std::string_view data) {
    if (error_ != 0) {
        return error_;
    }
    if (fd_ == -1) {
        return error_ = EBADF;
    }
    error_ = WriteAll(win::ToHandle(fd_), data);
    written_ += data.size();
    return error_;
}

int ReplacingFile::Commit() {
    if (error_ == 0 && fd_ == -1) {
        error_ = EBADF;
    }
    if (error_ == 0) {
        HANDLE h = win::ToHandle(fd_);
        if (!FlushFileBuffers(h)) {
            error_ = win::LastWin32();
        }
        if (error_ == 0) {
            // Renamed through the open handle, still unshared, over the target.
            const std::wstring target = win::LongPath(target_);
            std::string buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t), '\0');
            auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
            info->ReplaceIfExists = TRUE;
            info->RootDirectory = nullptr;
            info->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
            target.copy(info->FileName, target.size());
            if (!SetFileInformationByHandle(h, FileRenameInfo, info, static_cast<DWORD>(buffer.size()))) {
                error_ = win::LastWin32();
            }
        }
        if (error_ == 0) {
            CloseHandle(h);
            fd_ = -1;
            temp_.clear();
            return 0;
        }
    }
    const int err = error_;
    Abandon();
    return err;
}

void ReplacingFile::Abandon() {
    if (fd_ != -1) {
        HANDLE h = win::ToHandle(fd_);
        FILE_DISPOSITION_INFO dispose{};
        dispose.DeleteFile = TRUE;
        SetFileInformationByHandle(h, FileDispositionInfo, &dispose, sizeof dispose);
        CloseHandle(h);
        fd_ = -1;
    }
    temp_.clear();
}

int CheckReplaceable(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(win::LongPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD err = GetLastError();
        return err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND ? 0 : win::FromWin32(err);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return EISDIR;
    }
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? EACCES : 0;
}

int ReadFileContent(const std::string& path, std::string& out, std::size_t maxBytes, bool& truncated) {
    out.clear();
    truncated = false;
    HANDLE h = CreateFileW(win::LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return win::LastWin32();
    }
    int err = 0;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(h, buffer, sizeof buffer, &got, nullptr)) {
            err = win::LastWin32();
            break;
        }
        if (got == 0) {
            break;
        }
        out.append(buffer, got);
        if (out.size() > maxBytes) {
            out.resize(maxBytes);
            truncated = true;
            break;
        }
    }
    CloseHandle(h);
    return err;
}

int ReadFileContent(const std::string& path, std::string& out) {
    bool truncated = false;
    return ReadFileContent(path, out, std::string::npos - 1, truncated);
}

}  // namespace vorlex::platform

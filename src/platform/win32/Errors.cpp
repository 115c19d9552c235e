#include "platform/Errors.h"

#include <cerrno>
#include <cstring>

#include "platform/win32/WinFs.h"

namespace vorlex::platform {

namespace {

// The Windows error whose message stands for a code of the platform layer, or 0 when there is none.
DWORD WindowsErrorOf(int code) {
    if (code >= win::kWin32ErrorBase) {
        return static_cast<DWORD>(code - win::kWin32ErrorBase);
    }
    switch (code) {
        case kErrorFileNotFound:
            return ERROR_FILE_NOT_FOUND;
        case kErrorInUse:
            return ERROR_SHARING_VIOLATION;
        case EACCES:
            return ERROR_ACCESS_DENIED;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        case EMFILE:
            return ERROR_TOO_MANY_OPEN_FILES;
        case ENOTEMPTY:
            return ERROR_DIR_NOT_EMPTY;
        case ENOTDIR:
            return ERROR_DIRECTORY;
        case EXDEV:
            return ERROR_NOT_SAME_DEVICE;
        case EINVAL:
            return ERROR_INVALID_PARAMETER;
        case ENAMETOOLONG:
            return ERROR_FILENAME_EXCED_RANGE;
        case ENOSPC:
            return ERROR_DISK_FULL;
        case EEXIST:
            return ERROR_ALREADY_EXISTS;
        case ELOOP:
            return ERROR_CANT_ACCESS_FILE;
        case EISDIR:
            return ERROR_ACCESS_DENIED;  // a directory where a file was asked for
        default:
            return 0;
    }
}

}  // namespace

int LastError() {
    return win::LastWin32();
}

std::string ErrorText(int code) {
    std::string text;
    if (code == kErrorNoTrash) {
        text = "No trash on this file system";
    } else if (const DWORD error = WindowsErrorOf(code); error != 0) {
        wchar_t* buffer = nullptr;
        const DWORD n = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
        if (n != 0 && buffer != nullptr) {
            text = win::Narrow(std::wstring_view(buffer, n));
        }
        LocalFree(buffer);
        if (text.empty()) {
            text = "Error " + std::to_string(error);
        }
    } else {
        text = std::strerror(code);
    }
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
        text.pop_back();
    }
    if (text.size() > 256) {
        text.resize(256);
    }
    return text;
}

}  // namespace vorlex::platform

#include "platform/Paths.h"

#include <string_view>

#include "platform/win32/WinFs.h"

// windows.h names its own DeleteFile after the character set.
#undef DeleteFile

namespace vorlex::platform {

namespace {

// A \\?\ path as the rest of the program writes it: "C:/dir" or "//server/share".
std::string Plain(std::wstring_view path) {
    if (path.starts_with(L"\\\\?\\UNC\\")) {
        return win::ForwardSlashes("\\\\" + win::Narrow(path.substr(8)));
    }
    if (path.starts_with(L"\\\\?\\")) {
        path.remove_prefix(4);
    }
    return win::ForwardSlashes(win::Narrow(path));
}

}  // namespace

std::string WithTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path.push_back('/');
    }
    return path;
}

std::string ProgramFile() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            return Plain(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string ProgramFolder() {
    const std::string file = ProgramFile();
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

int ProgramFileIdentity(std::uint64_t& device, std::uint64_t& inode) {
    HANDLE h = CreateFileW(win::LongPath(ProgramFile()).c_str(), FILE_READ_ATTRIBUTES, win::kShareAll,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return win::LastWin32();
    }
    EntryFacts facts;
    const int err = win::HandleFacts(h, facts);
    CloseHandle(h);
    device = facts.device;
    inode = facts.inode;
    return err;
}

std::string CurrentFolder() {
    const DWORD need = GetCurrentDirectoryW(0, nullptr);
    std::wstring buffer(need, L'\0');
    const DWORD got = GetCurrentDirectoryW(need, buffer.data());
    buffer.resize(got);
    return WithTrailingSlash(Plain(buffer));
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(win::LongPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int DeleteFile(const std::string& path) {
    return DeleteFileW(win::LongPath(path).c_str()) ? 0 : win::LastWin32();
}

namespace {

// The process id in "PID-DIGITS", or 0 when `rest` has another form.
DWORD TemporaryCopyOwner(std::string_view rest) {
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size() || dash > 9) {
        return 0;
    }
    DWORD pid = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (i == dash) {
            continue;
        }
        if (c < '0' || c > '9') {
            return 0;
        }
        if (i < dash) {
            pid = pid * 10 + static_cast<DWORD>(c - '0');
        }
    }
    return pid;
}

// Only a process that is gone for certain leaves a copy nobody will finish.
bool ProcessGone(DWORD pid) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) {
        return GetLastError() == ERROR_INVALID_PARAMETER;
    }
    const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

}  // namespace

int RemoveStaleTemporaryFiles(const std::string& folder, const std::vector<std::string>& names) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((win::LongPath(folder) + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int removed = 0;
    do {
        const std::string name = win::Narrow(data.cFileName);
        for (const std::string& own : names) {
            const std::string prefix = own + ".tmp";
            if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
                continue;
            }
            const DWORD pid = TemporaryCopyOwner(std::string_view(name).substr(prefix.size()));
            const bool plainFile =
                (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
            if (pid > 0 && pid != GetCurrentProcessId() && plainFile && ProcessGone(pid) &&
                DeleteFileW((win::LongPath(WithTrailingSlash(folder) + name)).c_str())) {
                ++removed;
            }
            break;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return removed;
}

}  // namespace vorlex::platform

#include "platform/SingleInstance.h"

#include <cstdint>
#include <cstdio>

#include "platform/win32/WinFs.h"

namespace vorlex::platform {

InstanceLock::~InstanceLock() {
    if (lockFd_ != -1) {
        win::CloseIf(win::ToHandle(lockFd_));
    }
}

std::string InstanceName(const std::string& programPath) {
    // Windows paths ignore letter case: C:/Tools/VORLEX.EXE is the same program as c:/tools/vorlex.exe.
    std::wstring wide = win::Wide(programPath);
    CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    std::uint64_t fnv = 1469598103934665603ull;
    std::uint64_t djb = 5381;
    for (const wchar_t c : wide) {
        fnv = (fnv ^ static_cast<std::uint64_t>(c)) * 1099511628211ull;
        djb = djb * 33 + static_cast<std::uint64_t>(c);
    }
    char text[64];
    std::snprintf(text, sizeof text, "vorlex-%016llx-%016llx", static_cast<unsigned long long>(fnv),
                  static_cast<unsigned long long>(djb));
    return text;
}

// A named mutex in the session's own namespace ("Local\"): the system frees it with the last handle, so a
// crash leaves nothing behind, and another session (another user's included) has a namespace of its own.
std::unique_ptr<InstanceLock> InstanceLock::Acquire(const std::string& programPath, int* error) {
    const std::wstring name = L"Local\\" + win::Wide(InstanceName(programPath));
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) {
        if (error != nullptr) {
            *error = win::LastWin32();
        }
        return std::unique_ptr<InstanceLock>(new InstanceLock(-1, -1));
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return nullptr;
    }
    return std::unique_ptr<InstanceLock>(new InstanceLock(win::FromHandle(mutex), -1));
}

// No window of this build listens for a second start.
bool InstanceLock::TakeRequest() {
    return false;
}

}  // namespace vorlex::platform

// Test helper for the Windows end-to-end runs: what the tests need of the system that no shell under Wine
// has.
//   wintool times PATH CREATED MODIFIED   set the creation and last-write times (Unix seconds)
//   wintool attrib PATH +R|+H|-R          add or clear the read-only or hidden attribute
//   wintool hold PATH SECONDS             keep PATH open without sharing; prints "held" once it is
//   wintool created PATH                  print the creation time (Unix seconds)
//   wintool acp                           print the ANSI code page (GetACP)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

FILETIME FromUnix(long long seconds) {
    const unsigned long long ticks =
        static_cast<unsigned long long>(seconds) * 10000000ull + 116444736000000000ull;
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return ft;
}

int Fail(const char* what) {
    std::fprintf(stderr, "wintool: %s failed (error %lu)\n", what, GetLastError());
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"acp") {
        std::printf("%u\n", GetACP());
        return 0;
    }
    if (command == L"times" && argc == 5) {
        HANDLE h = CreateFileW(argv[2], FILE_WRITE_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            return Fail("open");
        }
        const FILETIME created = FromUnix(std::wcstoll(argv[3], nullptr, 10));
        const FILETIME modified = FromUnix(std::wcstoll(argv[4], nullptr, 10));
        const BOOL ok = SetFileTime(h, &created, nullptr, &modified);
        CloseHandle(h);
        return ok ? 0 : Fail("SetFileTime");
    }
    if (command == L"created" && argc == 3) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExW(argv[2], GetFileExInfoStandard, &data)) {
            return Fail("GetFileAttributesEx");
        }
        const unsigned long long ticks =
            (static_cast<unsigned long long>(data.ftCreationTime.dwHighDateTime) << 32) |
            data.ftCreationTime.dwLowDateTime;
        std::printf("%lld\n", static_cast<long long>((ticks - 116444736000000000ull) / 10000000ull));
        return 0;
    }
    if (command == L"attrib" && argc == 4) {
        DWORD attributes = GetFileAttributesW(argv[2]);
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return Fail("GetFileAttributes");
        }
        const std::wstring change = argv[3];
        const DWORD bit =
            change.size() == 2 && change[1] == L'H' ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_READONLY;
        attributes = change[0] == L'+' ? attributes | bit : attributes & ~bit;
        return SetFileAttributesW(argv[2], attributes) ? 0 : Fail("SetFileAttributes");
    }
    if (command == L"hold" && argc == 4) {
        HANDLE h = CreateFileW(argv[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            return Fail("open");
        }
        std::printf("held\n");
        std::fflush(stdout);
        Sleep(static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10) * 1000));
        CloseHandle(h);
        return 0;
    }
    std::fprintf(stderr, "usage: wintool times|created|attrib|hold|acp ...\n");
    return 2;
}

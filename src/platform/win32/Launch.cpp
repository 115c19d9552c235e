#include "platform/Launch.h"

#include "platform/Environment.h"
#include "platform/win32/WinFs.h"

namespace vorlex::platform {

namespace {

LaunchFunction& CurrentLaunchFunction() {
    static LaunchFunction function;
    return function;
}

// One argument quoted as CommandLineToArgvW reads it back.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        line += arg;
        return;
    }
    line += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
}

}  // namespace

int StartDetached(const std::vector<std::string>& argv, const std::string& workingDir) {
    if (argv.empty()) {
        return EINVAL;
    }
    std::wstring line;
    for (const std::string& arg : argv) {
        if (!line.empty()) {
            line += L' ';
        }
        AppendQuoted(line, win::Wide(arg));
    }
    const std::wstring dir = win::Wide(workingDir);
    if (!workingDir.empty() && GetFileAttributesW(dir.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return 2;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                        DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP, nullptr,
                        workingDir.empty() ? nullptr : dir.c_str(), &startup, &process)) {
        return win::LastWin32();
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

void SetLaunchFunction(LaunchFunction launch) {
    CurrentLaunchFunction() = std::move(launch);
}

int Launch(const std::vector<std::string>& argv, const std::string& workingDir) {
    const LaunchFunction& function = CurrentLaunchFunction();
    return function ? function(argv, workingDir) : StartDetached(argv, workingDir);
}

int OpenFolder(const std::string& folder) {
    std::string path = folder;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return Launch({"explorer.exe", path}, "");
}

std::string TerminalProgram() {
    const std::string comspec = EnvironmentValue("ComSpec").value_or("");
    return comspec.empty() ? "cmd.exe" : comspec;
}

int OpenTerminal(const std::string& folder) {
    if (GetFileAttributesW(win::LongPath(folder).c_str()) == INVALID_FILE_ATTRIBUTES) {
        return 2;
    }
    return Launch({TerminalProgram()}, folder);
}

int OpenUrl(const std::string& url) {
    return Launch({"rundll32.exe", "url.dll,FileProtocolHandler", url}, "");
}

}  // namespace vorlex::platform

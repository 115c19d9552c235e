#include "platform/Environment.h"

#include "platform/win32/WinFs.h"

namespace vorlex::platform {

std::optional<std::string> EnvironmentValue(const std::string& name) {
    const std::wstring wide = win::Wide(name);
    const DWORD need = GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
    if (need == 0) {
        // Set but empty also reads 0: the error tells the two apart.
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
            return std::nullopt;
        }
        return std::string();
    }
    std::wstring value(need, L'\0');
    const DWORD got = GetEnvironmentVariableW(wide.c_str(), value.data(), need);
    value.resize(got);
    return win::Narrow(value);
}

}  // namespace vorlex::platform

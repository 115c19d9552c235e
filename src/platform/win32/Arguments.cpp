#include "platform/Arguments.h"

#include "platform/win32/WinFs.h"

#include <shellapi.h>

namespace vorlex::platform {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) {
        args.push_back(win::Narrow(wide[i]));
    }
    LocalFree(wide);
    return args;
}

}  // namespace vorlex::platform

#include "platform/StackTrace.h"

#include <windows.h>

#include <cxxabi.h>
#include <dbghelp.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <typeinfo>

#include "platform/win32/WinFs.h"

namespace vorlex::platform {

// Captured at a throw on other systems; here the report gives the stack of the handler instead.
void EnableExceptionStackCapture() {}

std::vector<std::string> LastExceptionStack() {
    return {};
}

std::vector<std::string> CurrentStack(int skip) {
    void* frames[64];
    const USHORT count = CaptureStackBackTrace(static_cast<DWORD>(skip + 1), 64, frames, nullptr);
    HANDLE process = GetCurrentProcess();
    static const bool ready = SymInitialize(process, nullptr, TRUE) != 0;
    std::vector<std::string> lines;
    alignas(SYMBOL_INFO) char storage[sizeof(SYMBOL_INFO) + 256];
    auto* symbol = reinterpret_cast<SYMBOL_INFO*>(storage);
    for (USHORT i = 0; i < count; ++i) {
        symbol->SizeOfStruct = sizeof(SYMBOL_INFO);
        symbol->MaxNameLen = 255;
        DWORD64 offset = 0;
        if (!ready || !SymFromAddr(process, reinterpret_cast<DWORD64>(frames[i]), &offset, symbol)) {
            continue;  // no raw addresses in the report
        }
        int status = 0;
        char* demangled = abi::__cxa_demangle(symbol->Name, nullptr, nullptr, &status);
        char text[512];
        std::snprintf(text, sizeof text, "%s + 0x%llx",
                      status == 0 && demangled != nullptr ? demangled : symbol->Name,
                      static_cast<unsigned long long>(offset));
        std::free(demangled);
        lines.emplace_back(text);
    }
    return lines;
}

std::string CurrentExceptionClassName() {
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (type == nullptr) {
        return "unknown";
    }
    int status = 0;
    char* demangled = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
    std::string name = status == 0 && demangled != nullptr ? demangled : type->name();
    std::free(demangled);
    return name;
}

}  // namespace vorlex::platform

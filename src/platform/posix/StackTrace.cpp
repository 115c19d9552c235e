#include "platform/StackTrace.h"

#include <backtrace.h>
#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <typeinfo>

namespace vorlex::platform {

namespace {

constexpr int kMaxFrames = 64;

std::atomic<bool> g_capture{false};

struct CapturedStack {
    void* frames[kMaxFrames];
    int count = 0;
};

thread_local CapturedStack t_lastThrow;

backtrace_state* State() {
    static backtrace_state* state = backtrace_create_state(nullptr, 1, nullptr, nullptr);
    return state;
}

std::string Demangle(const char* name) {
    if (name == nullptr) {
        return {};
    }
    int status = 0;
    char* out = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    std::string result = status == 0 && out != nullptr ? out : name;
    std::free(out);
    return result;
}

struct FrameText {
    std::vector<std::string>* lines;
    uintptr_t pc;
};

int OnFrame(void* data, uintptr_t pc, const char* filename, int lineno, const char* function) {
    auto* ft = static_cast<FrameText*>(data);
    std::string text;
    if (function != nullptr) {
        text = Demangle(function);
        Dl_info info{};
        if (dladdr(reinterpret_cast<void*>(pc), &info) != 0 && info.dli_saddr != nullptr &&
            info.dli_sname != nullptr && std::strcmp(info.dli_sname, function) == 0) {
            char off[32];
            std::snprintf(off, sizeof off, " + 0x%lx",
                          static_cast<unsigned long>(pc - reinterpret_cast<uintptr_t>(info.dli_saddr)));
            text += off;
        }
    } else {
        Dl_info info{};
        if (dladdr(reinterpret_cast<void*>(pc), &info) != 0 && info.dli_sname != nullptr) {
            text = Demangle(info.dli_sname);
            char off[32];
            std::snprintf(off, sizeof off, " + 0x%lx",
                          static_cast<unsigned long>(pc - reinterpret_cast<uintptr_t>(info.dli_saddr)));
            text += off;
        } else {
            text = "??";
        }
    }
    if (filename != nullptr) {
        const char* base = std::strrchr(filename, '/');
        text += " (";
        text += base != nullptr ? base + 1 : filename;
        text += ":" + std::to_string(lineno) + ")";
    }
    // Inlined frames come first for one pc; each is a line of its own.
    ft->lines->push_back(std::move(text));
    return 0;
}

void OnError(void*, const char*, int) {}

std::vector<std::string> Symbolize(void* const* frames, int count) {
    std::vector<std::string> lines;
    backtrace_state* state = State();
    for (int i = 0; i < count; ++i) {
        // A return address points after the call; look up the call itself.
        uintptr_t pc = reinterpret_cast<uintptr_t>(frames[i]) - 1;
        FrameText ft{&lines, pc};
        if (state == nullptr || backtrace_pcinfo(state, pc, OnFrame, OnError, &ft) != 0) {
            OnFrame(&ft, pc, nullptr, 0, nullptr);
        }
    }
    return lines;
}

}  // namespace

void EnableExceptionStackCapture() {
    State();
    g_capture = true;
}

std::vector<std::string> LastExceptionStack() {
    if (!g_capture || t_lastThrow.count == 0) {
        return {};
    }
    // Drop the frames of the capture itself: everything up to and including the throw hook (a sanitizer
    // may add frames of its own in front of it).
    std::vector<std::string> lines = Symbolize(t_lastThrow.frames, t_lastThrow.count);
    for (size_t i = 0; i < lines.size() && i < 8; ++i) {
        if (lines[i].rfind("__cxa_throw", 0) == 0) {
            lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            break;
        }
    }
    return lines;
}

std::vector<std::string> CurrentStack(int skip) {
    void* frames[kMaxFrames];
    int n = ::backtrace(frames, kMaxFrames);
    int first = std::min(n, skip + 1);
    return Symbolize(frames + first, n - first);
}

std::string CurrentExceptionClassName() {
    const std::type_info* t = abi::__cxa_current_exception_type();
    return t != nullptr ? Demangle(t->name()) : std::string("unknown");
}

}  // namespace vorlex::platform

// Every C++ throw passes through here first: record the stack where the exception was raised, then hand over
// to the runtime's own __cxa_throw.
extern "C" [[noreturn]] void __cxa_throw(void* thrown, std::type_info* type, void (*destroy)(void*)) {
    using Throw = void (*)(void*, std::type_info*, void (*)(void*));
    static Throw real = reinterpret_cast<Throw>(dlsym(RTLD_NEXT, "__cxa_throw"));
    if (vorlex::platform::g_capture) {
        auto& c = vorlex::platform::t_lastThrow;
        c.count = ::backtrace(c.frames, vorlex::platform::kMaxFrames);
    }
    real(thrown, type, destroy);
    std::abort();
}

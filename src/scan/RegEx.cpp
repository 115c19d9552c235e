#include "scan/RegEx.h"

#include <pcre2.h>

#include <new>

namespace vorlex::scan {

namespace {

constexpr std::uint32_t kCompileOptions = PCRE2_CASELESS | PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 1024 * 1024;

}  // namespace

struct RegEx::Impl {
    pcre2_compile_context* compileContext = nullptr;
    pcre2_match_context* matchContext = nullptr;
    pcre2_match_data* matchData = nullptr;
    pcre2_jit_stack* jitStack = nullptr;
    pcre2_code* code = nullptr;

    Impl() {
        compileContext = pcre2_compile_context_create(nullptr);
        matchContext = pcre2_match_context_create(nullptr);
        // One pair is all a yes/no match needs; created once so matching never allocates.
        matchData = pcre2_match_data_create(1, nullptr);
        if (compileContext == nullptr || matchContext == nullptr || matchData == nullptr) {
            Free();
            throw std::bad_alloc();
        }
        // NEWLINE_ANY is not a compile option bit; it is set on the compile context.
        pcre2_set_newline(compileContext, PCRE2_NEWLINE_ANY);
        pcre2_set_match_limit(matchContext, kMatchLimit);
        pcre2_set_depth_limit(matchContext, kDepthLimit);
        jitStack = pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr);
        if (jitStack != nullptr) {
            pcre2_jit_stack_assign(matchContext, nullptr, jitStack);
        }
    }
    ~Impl() { Free(); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void Free() {
        DiscardCode();
        pcre2_jit_stack_free(jitStack);
        pcre2_match_data_free(matchData);
        pcre2_match_context_free(matchContext);
        pcre2_compile_context_free(compileContext);
        jitStack = nullptr;
        matchData = nullptr;
        matchContext = nullptr;
        compileContext = nullptr;
    }
    void DiscardCode() {
        pcre2_code_free(code);
        code = nullptr;
    }
};

RegEx::RegEx() : impl_(std::make_unique<Impl>()) {}

RegEx::~RegEx() = default;

void RegEx::SetPattern(std::string_view pattern) {
    if (pattern == pattern_) {
        return;
    }
    impl_->DiscardCode();
    pattern_.assign(pattern);
}

bool RegEx::Compiled() const {
    return impl_->code != nullptr;
}

void RegEx::Compile() {
    if (impl_->code != nullptr) {
        return;
    }
    if (pattern_.empty()) {
        throw RegExError("TPerlRegEx.Compile() - Please specify a regular expression in RegEx first");
    }
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern_.data()), pattern_.size(),
                                     kCompileOptions, &error, &offset, impl_->compileContext);
    if (code == nullptr) {
        if (error == PCRE2_ERROR_NOMEMORY) {
            throw std::bad_alloc();
        }
        PCRE2_UCHAR text[256];
        int got = pcre2_get_error_message(error, text, sizeof text);
        std::string message =
            "TPerlRegEx.Compile() - Error in regex at offset " + std::to_string(offset) + ": ";
        if (got > 0) {
            message.append(reinterpret_cast<const char*>(text), static_cast<std::size_t>(got));
        }
        throw RegExError(message);
    }
    // JIT is a speed-up only: when it is not available the interpreter runs the same pattern.
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    impl_->code = code;
}

MatchResult RegEx::Match(std::string_view subject) {
    Compile();
    auto run = [&](std::uint32_t options) {
        return pcre2_match(impl_->code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), 0,
                           PCRE2_NOTEMPTY | options, impl_->matchData, impl_->matchContext);
    };
    int rc = run(0);
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT) {
        // The machine stack of the JIT code is small; the interpreter keeps its frames on the heap.
        rc = run(PCRE2_NO_JIT);
    }
    if (rc >= 0) {
        return MatchResult::Match;
    }
    return rc == PCRE2_ERROR_NOMATCH ? MatchResult::NoMatch : MatchResult::Error;
}

}  // namespace vorlex::scan

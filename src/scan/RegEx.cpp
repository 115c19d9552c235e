#include "scan/RegEx.h"

#include <pcre2.h>

#include <cstring>
#include <new>

#include "base/Utf8.h"

namespace vorlex::scan {

namespace {

constexpr std::uint32_t kCompileOptions = PCRE2_CASELESS | PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
// The JIT code of PCRE2 10.42 compiled with PCRE2_MATCH_INVALID_UTF lets \D, \W and \S miss every
// character beyond ASCII; without that option its results equal the interpreter's, but it accepts only valid
// UTF-8.
constexpr std::uint32_t kValidUtf8CompileOptions = kCompileOptions & ~PCRE2_MATCH_INVALID_UTF;
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 1024 * 1024;

}  // namespace

struct RegEx::Impl {
    pcre2_compile_context* compileContext = nullptr;
    pcre2_match_context* matchContext = nullptr;
    pcre2_match_data* matchData = nullptr;
    pcre2_jit_stack* jitStack = nullptr;
    // With PCRE2_MATCH_INVALID_UTF, run by the interpreter only: subjects that are not valid UTF-8.
    pcre2_code* code = nullptr;
    // Without it, JIT-compiled: valid UTF-8 subjects. Null when it could not be compiled.
    pcre2_code* validUtf8Code = nullptr;

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
        pcre2_code_free(validUtf8Code);
        pcre2_code_free(code);
        validUtf8Code = nullptr;
        code = nullptr;
    }
    int Run(const pcre2_code* which, std::string_view subject, std::uint32_t options) {
        return pcre2_match(which, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), 0,
                           PCRE2_NOTEMPTY | options, matchData, matchContext);
    }
};

bool IsValidUtf8(std::string_view text) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080U;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        // Most names are ASCII: eight bytes at a time, and byte by byte only in a block that is not.
        std::size_t end = size;
        if (size - i >= sizeof(std::uint64_t)) {
            std::uint64_t block = 0;
            std::memcpy(&block, bytes + i, sizeof block);
            if ((block & kHighBits) == 0) {
                i += sizeof block;
                continue;
            }
            end = i + sizeof block;
        }
        while (i < end) {
            const unsigned lead = bytes[i];
            if (lead < 0x80) {
                ++i;
                continue;
            }
            char32_t cp = 0;
            const std::size_t length = base::DecodeUtf8(text, i, cp);
            if (base::IsUndecodable(cp)) {
                return false;
            }
            i += length;
        }
    }
    return true;
}

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
    // The same text compiles without PCRE2_MATCH_INVALID_UTF too; should it not, the interpreter of `code`
    // takes every subject.
    pcre2_code* validUtf8Code =
        pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern_.data()), pattern_.size(),
                      kValidUtf8CompileOptions, &error, &offset, impl_->compileContext);
    if (validUtf8Code == nullptr && error == PCRE2_ERROR_NOMEMORY) {
        pcre2_code_free(code);
        throw std::bad_alloc();
    }
    // JIT is a speed-up only: when it is not available the interpreter runs the same pattern.
    if (validUtf8Code != nullptr) {
        pcre2_jit_compile(validUtf8Code, PCRE2_JIT_COMPLETE);
    }
    impl_->code = code;
    impl_->validUtf8Code = validUtf8Code;
}

MatchResult RegEx::Match(std::string_view subject) {
    Compile();
    Impl& impl = *impl_;
    int rc = 0;
    if (impl.validUtf8Code != nullptr && IsValidUtf8(subject)) {
        // Checked above; PCRE2 would check the whole subject again.
        rc = impl.Run(impl.validUtf8Code, subject, PCRE2_NO_UTF_CHECK);
        if (rc == PCRE2_ERROR_JIT_STACKLIMIT) {
            // The machine stack of the JIT code is small; the interpreter keeps its frames on the heap.
            rc = impl.Run(impl.validUtf8Code, subject, PCRE2_NO_UTF_CHECK | PCRE2_NO_JIT);
        }
    } else {
        rc = impl.Run(impl.code, subject, PCRE2_NO_JIT);
    }
    if (rc >= 0) {
        return MatchResult::Match;
    }
    return rc == PCRE2_ERROR_NOMATCH ? MatchResult::NoMatch : MatchResult::Error;
}

}  // namespace vorlex::scan

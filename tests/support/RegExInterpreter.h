// The reference answer of a regular expression: the PCRE2 interpreter on a code compiled as RegEx compiles
// it for names that are not UTF-8, with PCRE2_MATCH_INVALID_UTF. Shared by the tests and the fuzz target.
#pragma once

#include <string_view>

#include <pcre2.h>

#include "scan/RegEx.h"

namespace vorlex::test {

/// The PCRE2 interpreter on a code compiled like RegEx's, with PCRE2_MATCH_INVALID_UTF: the reference
/// answer for any subject, valid UTF-8 or not.
class Interpreter {
  public:
    explicit Interpreter(std::string_view pattern) {
        pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
        pcre2_set_newline(context, PCRE2_NEWLINE_ANY);
        int error = 0;
        PCRE2_SIZE offset = 0;
        code_ = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                              PCRE2_CASELESS | PCRE2_UTF | PCRE2_MATCH_INVALID_UTF, &error, &offset, context);
        pcre2_compile_context_free(context);
        matchContext_ = pcre2_match_context_create(nullptr);
        pcre2_set_match_limit(matchContext_, scan::RegEx::kMatchLimit);
        pcre2_set_depth_limit(matchContext_, scan::RegEx::kDepthLimit);
        matchData_ = pcre2_match_data_create(1, nullptr);
    }
    ~Interpreter() {
        pcre2_match_data_free(matchData_);
        pcre2_match_context_free(matchContext_);
        pcre2_code_free(code_);
    }
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    bool Compiled() const { return code_ != nullptr; }
    scan::MatchResult Match(std::string_view subject) {
        const int rc = pcre2_match(code_, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), 0,
                                   PCRE2_NOTEMPTY | PCRE2_NO_JIT, matchData_, matchContext_);
        if (rc >= 0) {
            return scan::MatchResult::Match;
        }
        return rc == PCRE2_ERROR_NOMATCH ? scan::MatchResult::NoMatch : scan::MatchResult::Error;
    }

  private:
    pcre2_code* code_ = nullptr;
    pcre2_match_context* matchContext_ = nullptr;
    pcre2_match_data* matchData_ = nullptr;
};

}  // namespace vorlex::test

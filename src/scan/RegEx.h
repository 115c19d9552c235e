// The program's regular-expression object over PCRE2: caseless, UTF-8, any newline, bounded matching.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlex::scan {

/// A pattern that cannot be compiled. The message is one of
/// "TPerlRegEx.Compile() - Error in regex at offset %d: %s" (PCRE2's zero-based byte offset and text) or
/// "TPerlRegEx.Compile() - Please specify a regular expression in RegEx first" (empty pattern).
class RegExError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// True when `text` is well-formed UTF-8: shortest forms of the code points up to U+10FFFF, surrogates
/// excluded (the subjects RegEx gives to the JIT code).
bool IsValidUtf8(std::string_view text);

/// Outcome of one match. A match that hits the match, depth or heap limit, or fails in any other way, is
/// Error, which callers count as "no match".
enum class MatchResult : std::uint8_t { NoMatch, Match, Error };

/// The one regular-expression object of the process (`SharedRegEx`). Patterns are compiled with
/// PCRE2_CASELESS | PCRE2_UTF | PCRE2_MATCH_INVALID_UTF and newline ANY, and matched unanchored with
/// PCRE2_NOTEMPTY, so an empty match never counts. Every result is the one PCRE2's interpreter gives: a
/// subject that is valid UTF-8 is matched by the JIT code of the pattern compiled without
/// PCRE2_MATCH_INVALID_UTF (whose JIT code in PCRE2 10.42 misses characters beyond ASCII), any other subject
/// by the interpreter. Matching is bounded by match and depth limits, so no subject can make one match run
/// for long. Not thread-safe: one thread uses it at a time.
class RegEx {
  public:
    /// Work limits of one match (see pcre2_set_match_limit and pcre2_set_depth_limit).
    static constexpr std::uint32_t kMatchLimit = 1000000;
    static constexpr std::uint32_t kDepthLimit = 100000;

    RegEx();
    ~RegEx();
    RegEx(const RegEx&) = delete;
    RegEx& operator=(const RegEx&) = delete;

    /// Sets the pattern text (UTF-8). The compiled form is discarded only when the text differs from the
    /// current one, so a run that sets the same pattern for every file compiles it once.
    void SetPattern(std::string_view pattern);

    /// Compiles the current pattern unless it is compiled already. Throws RegExError.
    void Compile();
    /// True when the current pattern is compiled.
    bool Compiled() const;

    /// Matches `subject` (raw bytes; invalid UTF-8 is allowed and simply fails to match characters),
    /// compiling the pattern first when needed (which may throw RegExError). Once the pattern is compiled,
    /// allocates only the interpreter's backtracking memory, which is kept for later matches.
    MatchResult Match(std::string_view subject);

  private:
    struct Impl;
    std::string pattern_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vorlex::scan

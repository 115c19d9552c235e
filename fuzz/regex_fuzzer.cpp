// Fuzz target of the regular-expression object RegEx and its UTF-8 check.
//
// Input: a pattern, a NUL byte, then a name (raw bytes). Without a NUL the whole input is both the pattern
// and the name. Checks: no crash, undefined behaviour or hang; IsValidUtf8 agrees with an independent
// decoder; RegEx rejects exactly the patterns that PCRE2 does not compile; for the name, the name followed by
// a byte that is not UTF-8, and that byte followed by the name, RegEx gives the result of the PCRE2
// interpreter on the pattern compiled with PCRE2_MATCH_INVALID_UTF, unless either of them stops at a work
// limit (the JIT code and the interpreter count their work differently).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <pcre2.h>

#include "FuzzCheck.h"
#include "RegExInterpreter.h"
#include "scan/RegEx.h"

using vorlex::scan::IsValidUtf8;
using vorlex::scan::MatchResult;
using vorlex::scan::RegEx;
using vorlex::scan::RegExError;
using vorlex::test::Interpreter;

namespace {}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view pattern = input.substr(0, nul);
    const std::string_view name = nul == std::string_view::npos ? input : input.substr(nul + 1);

    FUZZ_CHECK(IsValidUtf8(input) == vorlex::fuzz::IsValidUtf8(input), "UTF-8 check of the input");
    FUZZ_CHECK(IsValidUtf8(name) == vorlex::fuzz::IsValidUtf8(name), "UTF-8 check of the name");

    RegEx re;
    re.SetPattern(pattern);
    Interpreter reference(pattern);
    try {
        re.Compile();
    } catch (const RegExError&) {
        FUZZ_CHECK(pattern.empty() || !reference.Compiled(), "only a pattern PCRE2 rejects is an error");
        return 0;
    }
    FUZZ_CHECK(reference.Compiled(), "a pattern PCRE2 rejects is an error");

    const std::string subjects[] = {std::string(name), std::string(name) + "\xFF",
                                    "\xFF" + std::string(name)};
    for (const std::string& subject : subjects) {
        const MatchResult got = re.Match(subject);
        const MatchResult want = reference.Match(subject);
        if (got != MatchResult::Error && want != MatchResult::Error) {
            FUZZ_CHECK(got == want, vorlex::fuzz::IsValidUtf8(subject) ? "valid UTF-8 name" : "invalid name");
        }
    }
    return 0;
}

// Fuzz target of the command-line parser of an unattended run (ParseCommandLine, SplitSwitchMasks,
// JoinMasks).
//
// Input: the arguments after the program's name, separated by NUL bytes (as the kernel hands them over).
// Checks: no crash or undefined behaviour; help exactly for fewer than two arguments or /H, /? after the
// path; a refusal always begins "ERROR: "; an accepted request holds days 0 to 10000, a target 0 to 2, /!
// only with /R, a valid expression, and mask texts whose masks are valid file types that both the switch
// splitter and the scan's mask-list splitter give back unchanged; for masks that are not empty and hold no
// '"', SplitSwitchMasks(JoinMasks(m)) == m and SplitMaskList(JoinMasks(m)) == m.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "app/CommandLine.h"
#include "config/Validation.h"
#include "scan/Mask.h"
#include "scan/RegEx.h"

using namespace vorlex;
using vorlex::fuzz::EqualsAsciiNoCase;

namespace {

/// True when one of `args` after the first is the switch `name` ("/" or "-", letter case ignored).
bool HasSwitch(const std::vector<std::string>& args, std::string_view name) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!a.empty() && (a[0] == '/' || a[0] == '-') &&
            EqualsAsciiNoCase(std::string_view(a).substr(1), name)) {
            return true;
        }
    }
    return false;
}

scan::RegEx& SharedRegEx() {
    static scan::RegEx regex;
    return regex;
}

void CheckMaskText(const std::vector<std::string>& args, const char* name, bool used,
                   const std::string& text) {
    FUZZ_CHECK(used == HasSwitch(args, name), "a mask switch is used exactly when given");
    if (!used) {
        FUZZ_CHECK(text.empty(), "no mask text without its switch");
        return;
    }
    const std::vector<std::string> masks = app::SplitSwitchMasks(app::GetParam(args, name));
    for (const std::string& m : masks) {
        FUZZ_CHECK(config::IsValidFileType(m), "only valid file types are accepted");
    }
    FUZZ_CHECK(app::SplitSwitchMasks(text) == masks, "the joined text splits into the given masks");
    FUZZ_CHECK(scan::SplitMaskList(text) == masks, "the scan reads the given masks from the joined text");
}

void CheckParse(const std::vector<std::string>& args) {
    app::CommandLineChecks checks;
    checks.isValidFileType = [](const std::string& m) { return config::IsValidFileType(m); };
    checks.syntaxCheckRegEx = [](const std::string& e) {
        const config::RegExCheck c = config::SyntaxCheckRegEx(SharedRegEx(), e);
        return c.valid ? std::string() : c.error.empty() ? std::string("empty") : c.error;
    };
    // No file-system access: a path "exists" when it is absolute.
    checks.directoryExists = [](const std::string& p) { return !p.empty() && p[0] == '/'; };

    const app::CommandLineRequest r = app::ParseCommandLine(args, checks);
    const bool help = args.size() < 2 || HasSwitch(args, "H") || HasSwitch(args, "?");
    FUZZ_CHECK((r.kind == app::CommandLineRequest::Kind::Help) == help,
               "help for /H, /? or too few arguments");
    FUZZ_CHECK(r.debug == HasSwitch(args, "D"), "/D sets debug");
    if (r.kind == app::CommandLineRequest::Kind::Refused) {
        FUZZ_CHECK(r.refusal.rfind("ERROR: ", 0) == 0, "a refusal begins with ERROR:");
        return;
    }
    if (r.kind != app::CommandLineRequest::Kind::Accepted) {
        return;
    }
    FUZZ_CHECK(checks.directoryExists(r.path), "the path was checked");
    FUZZ_CHECK(r.days >= 0 && r.days <= 10000, "days 0 to 10000");
    FUZZ_CHECK(r.regexTarget >= 0 && r.regexTarget <= 2, "target 0 to 2");
    FUZZ_CHECK(r.useRegEx == HasSwitch(args, "R"), "/R turns the expression on");
    FUZZ_CHECK(!r.notRegEx || r.useRegEx, "/! only with /R");
    if (r.useRegEx) {
        FUZZ_CHECK(!r.regex.empty() && config::SyntaxCheckRegEx(SharedRegEx(), r.regex).valid,
                   "an accepted expression compiles");
    }
    CheckMaskText(args, "E", r.useExclude, r.excludeText);
    CheckMaskText(args, "I", r.useInclude, r.includeText);
}

void CheckJoinRoundTrip(const std::vector<std::string>& args) {
    std::vector<std::string> masks;
    for (const std::string& a : args) {
        std::string m;
        for (char c : a) {
            if (c != '"') {
                m += c;
            }
        }
        if (!m.empty()) {
            masks.push_back(std::move(m));
        }
    }
    const std::string joined = app::JoinMasks(masks);
    FUZZ_CHECK(app::SplitSwitchMasks(joined) == masks, "SplitSwitchMasks(JoinMasks(m)) == m");
    FUZZ_CHECK(scan::SplitMaskList(joined) == masks, "SplitMaskList(JoinMasks(m)) == m");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A variable for %VORLEXFUZZ% references in the seeds; its value holds a blank, as many paths do.
    setenv("VORLEXFUZZ", "/tmp/vorlex fuzz", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    if (!input.empty()) {
        for (std::size_t pos = 0;;) {
            const std::size_t nul = input.find('\0', pos);
            args.emplace_back(input.substr(pos, nul - pos));
            if (nul == std::string_view::npos || args.size() >= 64) {
                break;
            }
            pos = nul + 1;
        }
    }
    CheckParse(args);
    CheckJoinRoundTrip(args);
    return 0;
}

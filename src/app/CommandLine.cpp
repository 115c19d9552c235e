#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

#include "platform/Environment.h"
#include "scan/Criteria.h"
#include "scan/Mask.h"

namespace vorlex::app {

const char* const kUsageText =
    "Vorlex [[drive:path] [days]] [[/E \"file mask(s)\"] [/I \"file mask(s)\"]] [[/R \"regex\"] [/!] [/P] "
    "[/F]] "
    "[/SCAN] [/NODIR] [/?]\n"
    "\n"
    "  [drive:path]\n"
    "     Specifies root of path to clean.\n"
    "     Enclose paths with spaces in quotes.\n"
    "\n"
    "  [days]\n"
    "     Number of days old files should be before being removed.\n"
    "     Range 0 to 10,000 days.\n"
    "\n"
    "  [/E \"file mask(s)\"]\n"
    "     Exclude file masks, separated with commas, enclosed in quotes.\n"
    "     Example /E \"*core*.dll,*.bat\"\n"
    "\n"
    "  [/I \"file mask(s)\"]\n"
    "     Include file masks, separated with commas, enclosed in quotes.\n"
    "     Example /I \"*.~*,*.tmp\"\n"
    "\n"
    "  [/R \"regex\"]\n"
    "     Regular expression. Example /R \"bee(hive|line)\"\n"
    "     Search is performed on Path and Filename by default unless /P or /F is specified.\n"
    "\n"
    "  [/!]\n"
    "     Logical NOT on Regular expression.\n"
    "\n"
    "  [/P]\n"
    "     Regular expression search on Path only.\n"
    "\n"
    "  [/F]\n"
    "     Regular expression search on Filename only.\n"
    "\n"
    "  [/SCAN]\n"
    "     Perform scan only. Do not delete. Scan results are written to log file.\n"
    "\n"
    "  [/NODIR]\n"
    "     Do not delete empty directories.\n"
    "\n"
    "  [/TRASH]\n"
    "     Move files to the trash instead of deleting them.\n"
    "     Files on a file system without a trash are kept.\n"
    "\n"
    "  [/TRASHORDELETE]\n"
    "     As /TRASH, but files on a file system without a trash are deleted.\n"
    "\n"
    "  [/MAX n]\n"
    "     Delete nothing and end with code 1 when more than n files are listed.\n"
    "\n"
    "  [/?]\n"
    "     Displays this help.\n"
    "\n"
    "  NOTE: Order of selection weighting from lowest to highest is\n"
    "        Path < File Age < Excluded < Included < RegEx";

std::string ExpandEnvVars(const std::string& text) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        size_t open = text.find('%', i);
        if (open == std::string::npos) {
            out.append(text, i, std::string::npos);
            break;
        }
        size_t close = text.find('%', open + 1);
        if (close == std::string::npos) {
            out.append(text, i, std::string::npos);
            break;
        }
        out.append(text, i, open - i);
        std::string name = text.substr(open + 1, close - open - 1);
        const std::optional<std::string> value =
            name.empty() ? std::nullopt : platform::EnvironmentValue(name);
        if (value) {
            out += *value;
            i = close + 1;
        } else {
            // Unknown: keep the first '%' and look for a reference from the second one on.
            out.append(text, open, close - open);
            i = close;
        }
    }
    return out;
}

bool IsSwitch(const std::string& arg, const std::string& name, bool caseSensitive) {
    if (arg.size() != name.size() + 1 || (arg[0] != '/' && arg[0] != '-')) {
        return false;
    }
    for (size_t i = 0; i < name.size(); ++i) {
        char a = arg[i + 1];
        char b = name[i];
        if (!caseSensitive) {
            a = static_cast<char>(std::tolower(static_cast<unsigned char>(a)));
            b = static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
        }
        if (a != b) {
            return false;
        }
    }
    return true;
}

namespace {

// Switches are looked for from the second argument on: the first is the path, and on Linux a folder such as
// /D or /E is a real path, never a switch.
bool Detect(const std::vector<std::string>& args, const std::string& name, bool caseSensitive = false) {
    for (size_t i = 1; i < args.size(); ++i) {
        if (IsSwitch(args[i], name, caseSensitive)) {
            return true;
        }
    }
    return false;
}

bool IsBlankOrControl(unsigned char c) {
    return c >= 1 && c <= 32;
}

std::string TrimBlanksAndControls(const std::string& s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && (IsBlankOrControl(static_cast<unsigned char>(s[b])) || s[b] == 127)) {
        ++b;
    }
    while (e > b && (IsBlankOrControl(static_cast<unsigned char>(s[e - 1])) || s[e - 1] == 127)) {
        --e;
    }
    return s.substr(b, e - b);
}

// A signed 32-bit decimal integer: leading blanks and a sign allowed, nothing after the digits.
bool ParseDays(const std::string& text, long long& value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return false;
    }
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) {
            return false;
        }
    }
    v = negative ? -v : v;
    if (v > INT_MAX || v < INT_MIN) {
        return false;
    }
    value = v;
    return true;
}

// The switches as written in messages; NODIR is the one recognised in capitals only.
struct KnownSwitch {
    const char* name;
    bool takesValue;
    bool caseSensitive;
};
// A longer name before its prefix: a near miss of both is taken for the longer one.
constexpr KnownSwitch kKnownSwitches[] = {
    {"E", true, false},      {"I", true, false},   {"R", true, false},     {"!", false, false},
    {"P", false, false},     {"F", false, false},  {"SCAN", false, false}, {"NODIR", false, true},
    {"D", false, false},     {"H", false, false},  {"?", false, false},    {"TRASHORDELETE", false, false},
    {"TRASH", false, false}, {"MAX", true, false},
};

std::string AsciiUpper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The switch `arg` was most likely meant to be, or nothing. Leading slashes, dashes and blanks and trailing
// blanks are dropped and letter case is ignored; a one-letter switch is suggested only on an exact match
// (any letter is one edit away from it), a longer one also within two edits of a word of three letters or
// more, or as a prefix either way.
std::string NearestSwitch(const std::string& arg) {
    size_t b = arg.find_first_not_of("/- \t");
    size_t e = arg.find_last_not_of(" \t");
    if (b == std::string::npos) {
        return {};
    }
    const std::string key = AsciiUpper(arg.substr(b, e + 1 - b));
    const char* best = nullptr;
    size_t bestDistance = 3;
    for (const KnownSwitch& s : kKnownSwitches) {
        const std::string name = s.name;
        size_t d = key == name ? 0 : 3;
        if (d > 0 && name.size() > 1) {
            // Two edits turn any one- or two-letter word into a three-letter switch: too short to tell.
            d = std::min(key.size() >= 3 ? EditDistance(key, name) : size_t{3},
                         (name.rfind(key, 0) == 0 || key.rfind(name, 0) == 0) ? size_t{1} : size_t{3});
        }
        if (d < bestDistance) {
            bestDistance = d;
            best = s.name;
        }
    }
    return best == nullptr ? std::string() : std::string("/") + best;
}

// The known switch `arg` is, or null.
const KnownSwitch* FindSwitch(const std::string& arg) {
    for (const KnownSwitch& s : kKnownSwitches) {
        if (!arg.empty() && IsSwitch(arg, s.name, s.caseSensitive)) {
            return &s;
        }
    }
    return nullptr;
}

// The refusal for the arguments after the days, or empty text. Every one of them must be a known switch or
// the value right after /E, /I or /R (which may itself start with '/' or '-', but is not a switch): a
// misspelt /SCAN must never turn a scan into a deletion. /E, /I and /R are refused when given twice or
// without a value.
std::string CheckArgumentsAfterDays(const std::vector<std::string>& args) {
    std::vector<const char*> valueSwitchesSeen;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const KnownSwitch* known = FindSwitch(arg);
        if (known != nullptr) {
            if (!known->takesValue) {
                continue;
            }
            const std::string name = std::string("/") + known->name;
            if (std::find(valueSwitchesSeen.begin(), valueSwitchesSeen.end(), known->name) !=
                valueSwitchesSeen.end()) {
                return "ERROR: Switch " + name + " given more than once.";
            }
            valueSwitchesSeen.push_back(known->name);
            // A switch in the value's place means the value was left out: "/R /!" would otherwise negate
            // the expression "/!", and every old file would be listed.
            if (i + 1 == args.size() || FindSwitch(args[i + 1]) != nullptr) {
                return "ERROR: Switch " + name + " given without a value.";
            }
            ++i;  // its value, whatever it starts with
            continue;
        }
        if (arg.empty()) {
            return "ERROR: Unexpected empty argument.";
        }
        // "/x" or "-x" reads as a switch; a second path ("/srv/b") or a bare word does not.
        const bool looksLikeSwitch =
            (arg[0] == '/' || arg[0] == '-') && arg.find('/', 1) == std::string::npos;
        std::string message =
            std::string("ERROR: ") + (looksLikeSwitch ? "Unknown switch " : "Unexpected argument ") + arg;
        std::string suggestion = NearestSwitch(arg);
        return suggestion.empty() ? message + "." : message + "; did you mean " + suggestion + "?";
    }
    return {};
}

}  // namespace

std::string GetParam(const std::vector<std::string>& args, const std::string& name) {
    for (size_t i = 1; i + 1 < args.size(); ++i) {
        if (IsSwitch(args[i], name)) {
            return args[i + 1];
        }
    }
    return {};
}

std::vector<std::string> SplitSwitchMasks(const std::string& value) {
    return scan::SplitMaskList(value);
}

std::string JoinMasks(const std::vector<std::string>& masks) {
    std::string out;
    for (size_t k = 0; k < masks.size(); ++k) {
        if (k > 0) {
            out.push_back(',');
        }
        const std::string& m = masks[k];
        bool quote = false;
        for (unsigned char c : m) {
            quote = quote || IsBlankOrControl(c) || c == ',';
        }
        if (quote) {
            out.push_back('"');
            for (char c : m) {
                out.push_back(c);
                if (c == '"') {
                    out.push_back('"');
                }
            }
            out.push_back('"');
        } else {
            out += m;
        }
    }
    return out;
}

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args, const CommandLineChecks& checks) {
    CommandLineRequest r;
    auto refuse = [&r](std::string message) {
        r.kind = CommandLineRequest::Kind::Refused;
        r.refusal = std::move(message);
        return r;
    };
    r.debug = Detect(args, "D");
    r.scanOnly = Detect(args, "SCAN");
    r.noDir = Detect(args, "NODIR", true);
    if (Detect(args, "H") || Detect(args, "?") || args.size() < 2) {
        r.kind = CommandLineRequest::Kind::Help;
        return r;
    }

    std::string path = ExpandEnvVars(args[0]);
    if (!checks.directoryExists(path)) {
        return refuse("ERROR: The Path parameter " + TrimBlanksAndControls(path) +
                      " has a path that cannot be found or does not exist.");
    }
    r.path = path;

    long long days = 0;
    if (!ParseDays(ExpandEnvVars(args[1]), days)) {
        return refuse("ERROR: The Days parameter " + args[1] + " is not a valid integer.");
    }
    if (days < 0) {
        return refuse("ERROR: The Days parameter " + args[1] + " must be a positive number.");
    }
    if (days > scan::kMaxDaysOld) {
        return refuse("ERROR: The Days parameter " + args[1] + " must be 10,000 days or less.");
    }
    r.days = static_cast<int>(days);

    struct MaskSwitch {
        const char* name;
        const char* label;
        bool* use;
        std::string* text;
    };
    for (const MaskSwitch& ms : {MaskSwitch{"E", "Exclude", &r.useExclude, &r.excludeText},
                                 MaskSwitch{"I", "Include", &r.useInclude, &r.includeText}}) {
        if (!Detect(args, ms.name)) {
            continue;
        }
        *ms.use = true;
        std::vector<std::string> masks = SplitSwitchMasks(GetParam(args, ms.name));
        for (const auto& m : masks) {
            if (!checks.isValidFileType(m)) {
                return refuse(std::string("ERROR: ") + ms.label + " file mask " + m +
                              " is not a valid file type.");
            }
        }
        *ms.text = JoinMasks(masks);
    }

    bool hasR = Detect(args, "R");
    r.notRegEx = Detect(args, "!");
    if (r.notRegEx && !hasR) {
        return refuse("ERROR: Switch \\! specified without Regular Expression being specified as well.");
    }
    bool p = Detect(args, "P");
    bool f = Detect(args, "F");
    if (p && !hasR) {
        return refuse("ERROR: Switch \\P specified without Regular Expression being specified as well.");
    }
    if (f && !hasR) {
        return refuse("ERROR: Switch \\F specified without Regular Expression being specified as well.");
    }
    r.regexTarget = f ? 2 : (p ? 1 : 0);
    if (hasR) {
        r.useRegEx = true;
        std::string value = GetParam(args, "R");
        if (value.empty() || !checks.syntaxCheckRegEx(value).empty()) {
            return refuse("ERROR: " + value + " is not a valid Regular Expression.");
        }
        r.regex = value;
    }
    r.trashOrDelete = Detect(args, "TRASHORDELETE");
    r.trash = r.trashOrDelete || Detect(args, "TRASH");
    for (size_t i = 2; i < args.size(); ++i) {
        if (!IsSwitch(args[i], "MAX")) {
            continue;
        }
        if (i + 1 == args.size() || FindSwitch(args[i + 1]) != nullptr) {
            return refuse("ERROR: The Max parameter is missing.");
        }
        const std::string& value = args[i + 1];
        long long max = 0;
        if (!ParseDays(value, max)) {
            return refuse("ERROR: The Max parameter " + value + " is not a valid integer.");
        }
        if (max < 0) {
            return refuse("ERROR: The Max parameter " + value + " must be a positive number.");
        }
        r.hasMax = true;
        r.maxFiles = max;
        break;
    }
    std::string stray = CheckArgumentsAfterDays(args);
    if (!stray.empty()) {
        return refuse(stray);
    }
    return r;
}

}  // namespace vorlex::app

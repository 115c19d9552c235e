// The command line of an unattended run: switches, values, refusals and the usage text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorlex::app {

/// The usage text shown for /?, /H or fewer than two arguments.
extern const char* const kUsageText;

/// Replaces every %NAME% in `text` by the value of the environment variable NAME; a reference to an
/// unknown variable stays as written.
std::string ExpandEnvVars(const std::string& text);

/// True when `arg` is the switch `name` as a whole: "/" or "-" followed by the name, letter case ignored
/// unless `caseSensitive`.
bool IsSwitch(const std::string& arg, const std::string& name, bool caseSensitive = false);

/// The argument that follows the first switch `name` among `args` (the arguments after the program's name),
/// looking from the second argument on, never at the path; empty when there is none or it is the last.
std::string GetParam(const std::vector<std::string>& args, const std::string& name);

/// Cuts the value of /E or /I into masks: blanks and commas separate, quotes enclose, "" inside quotes is
/// one quote, a trailing or doubled comma gives an empty mask, an empty value gives none.
std::vector<std::string> SplitSwitchMasks(const std::string& value);

/// The masks joined with ","; a mask holding a blank, a control character or a comma is quoted.
std::string JoinMasks(const std::vector<std::string>& masks);

/// The checks a command line needs from elsewhere.
struct CommandLineChecks {
    /// True when a mask is acceptable as a file type.
    std::function<bool(const std::string&)> isValidFileType;
    /// Empty when the expression compiles, else the error text.
    std::function<std::string(const std::string&)> syntaxCheckRegEx;
    /// True when the path names an existing folder.
    std::function<bool(const std::string&)> directoryExists;
};

/// What the command line asks for, once checked.
struct CommandLineRequest {
    enum class Kind { Help, Refused, Accepted };
    Kind kind = Kind::Accepted;
    std::string refusal;  ///< the error message when Refused

    bool debug = false;  ///< /D given
    std::string path;    ///< argument 1, expanded
    int days = 0;
    bool useExclude = false;
    std::string excludeText;  ///< the /E masks joined (only with /E)
    bool useInclude = false;
    std::string includeText;  ///< the /I masks joined (only with /I)
    bool useRegEx = false;
    std::string regex;  ///< the /R value (only with /R)
    bool notRegEx = false;
    int regexTarget = 0;         ///< 0 path and file, 1 path only (/P), 2 file only (/F wins)
    bool scanOnly = false;       ///< /SCAN
    bool noDir = false;          ///< /NODIR, capitals only
    bool trash = false;          ///< /TRASH, or /TRASHORDELETE
    bool trashOrDelete = false;  ///< /TRASHORDELETE: delete where there is no trash
    bool hasMax = false;         ///< /MAX given
    std::int64_t maxFiles = 0;   ///< the /MAX value
};

/// Checks `args` (the arguments after the program's name) in the fixed order; the first refusal wins. After
/// the checks of the path, the days, the masks and the expression, every argument after the days must be a
/// known switch or the value of /E, /I or /R; an unknown switch (named with the nearest known one when
/// close), a stray argument, a value switch given twice, or one without a value is refused. /MAX takes a
/// whole number, refused in the style of the days.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& args, const CommandLineChecks& checks);

}  // namespace vorlex::app

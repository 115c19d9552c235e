// The two entry tests shared by the command line, the list editor and the main window.
#pragma once

#include <string>
#include <string_view>

#include "scan/RegEx.h"

namespace vorlex::config {

/// `IsValidFileType`: true when `text` (UTF-8) is not empty and holds none of the characters
/// " / : < > ? \ | (so a mask may use `*` but not `?`). Characters from U+0100 on, and bytes that are not
/// UTF-8, are always allowed.
bool IsValidFileType(std::string_view text);

/// Outcome of SyntaxCheckRegEx.
struct RegExCheck {
    bool valid = false;  ///< the expression compiled
    /// Why it did not: the compile error ("TPerlRegEx.Compile() - Error in regex at offset %d: %s");
    /// empty for a valid and for an empty expression (an empty expression is refused without a message).
    std::string error;
};

/// `SyntaxCheckRegEx`: compiles `expression` into `sharedRegEx` (the program's one expression object) and
/// reports whether it compiled. Nothing is matched and no error leaves this function: callers show the
/// error (an interactive caller as "Syntax Exception: " + a line feed + error) or log it in their own words.
RegExCheck SyntaxCheckRegEx(scan::RegEx& sharedRegEx, std::string_view expression);

}  // namespace vorlex::config

#include "config/Validation.h"

namespace vorlex::config {

bool IsValidFileType(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    // All forbidden characters are ASCII, and no byte of a multi-byte UTF-8 sequence is ASCII.
    return text.find_first_of("\"/:<>?\\|") == std::string_view::npos;
}

RegExCheck SyntaxCheckRegEx(scan::RegEx& sharedRegEx, std::string_view expression) {
    RegExCheck check;
    if (expression.empty()) {
        return check;
    }
    sharedRegEx.SetPattern(expression);
    try {
        sharedRegEx.Compile();
    } catch (const scan::RegExError& e) {
        check.error = e.what();
    }
    check.valid = sharedRegEx.Compiled();
    return check;
}

}  // namespace vorlex::config

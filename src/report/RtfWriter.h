// The program's own writer of the activity log as a rich-text (RTF) document.
#pragma once

#include <string>
#include <vector>

#include "report/ActivityLog.h"

namespace vorlex::report {

/// Renders `entries` as an RTF document: a font table, a colour table of the colours used, bold runs,
/// `\`, `{` and `}` escaped, line feeds as line breaks, other control characters as '?', and every
/// non-ASCII character as `\uN` with its Windows-1252 byte (or '?'), as a `\'hh` escape, as the fallback for
/// old readers.
/// Invalid UTF-8 bytes are written as U+FFFD.
std::string RenderRtf(const std::vector<LogEntry>& entries);

}  // namespace vorlex::report

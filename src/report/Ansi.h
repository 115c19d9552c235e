// The log's text in the user's ANSI code page, and the Windows-1252 bytes of the RTF file's fallbacks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlex::report {

/// The Windows-1252 byte of code point `cp`, or -1 when the code page lacks it.
int Cp1252Byte(std::int32_t cp);

/// `text` with every character that Windows code page `codePage` (platform::CodePage) cannot hold, and every
/// invalid UTF-8 byte, replaced by '?'. The result is still UTF-8.
std::string ToAnsiText(std::string_view text, int codePage);

}  // namespace vorlex::report

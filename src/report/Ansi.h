// The Windows-1252 ("ANSI") code page the log and the CSV file are written in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlex::report {

/// The Windows-1252 byte of code point `cp`, or -1 when the code page lacks it.
int Cp1252Byte(std::int32_t cp);

/// `text` with every character that Windows-1252 cannot hold, and every invalid UTF-8 byte, replaced by '?'.
/// The result is still UTF-8.
std::string ToAnsiText(std::string_view text);

}  // namespace vorlex::report

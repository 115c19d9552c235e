// UTF-8 decoding and the Windows-1252 ("ANSI") code page the log and the CSV file are written in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlex::report {

/// Decodes the code point at `pos` of `text` and advances `pos`. Returns -1 for a byte that does not start a
/// valid, shortest-form UTF-8 sequence (the byte is consumed alone).
std::int32_t DecodeUtf8(std::string_view text, std::size_t& pos);

/// Appends the UTF-8 form of `cp` to `out`.
void AppendUtf8(std::string& out, std::int32_t cp);

/// The Windows-1252 byte of code point `cp`, or -1 when the code page lacks it.
int Cp1252Byte(std::int32_t cp);

/// `text` with every character that Windows-1252 cannot hold, and every invalid UTF-8 byte, replaced by '?'.
/// The result is still UTF-8.
std::string ToAnsiText(std::string_view text);

}  // namespace vorlex::report

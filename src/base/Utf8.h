// UTF-8 decoding and encoding, the one codec of every layer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlex::base {

/// Base of the values that stand for undecodable bytes (0xDC80..0xDCFF for the bytes 0x80..0xFF).
inline constexpr char32_t kUndecodableBase = 0xDC00;

/// True when `cp` stands for an undecodable byte (see DecodeUtf8).
constexpr bool IsUndecodable(char32_t cp) {
    return cp >= 0xDC80 && cp <= 0xDCFF;
}

/// Decodes the character that starts at byte `pos` of the UTF-8 text `text` (pos < text.size()) into `cp`
/// and returns its length in bytes. A byte that does not start a well-formed sequence (overlong forms,
/// surrogates and values above U+10FFFF included) is one character of its own: `cp` is then
/// kUndecodableBase + the byte, a lone low surrogate value that no well-formed text can hold, and the
/// length is 1. So every name, valid UTF-8 or not, is a sequence of characters.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp);

/// Appends the UTF-8 form of `cp` (at most U+10FFFF) to `out`; a value that stands for an undecodable byte
/// is written back as that byte.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace vorlex::base

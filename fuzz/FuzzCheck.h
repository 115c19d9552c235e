// Helpers of the fuzz targets: a failing check that libFuzzer records, and reference text conversions
// written apart from the code under test, so that a target compares against an independent answer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

/// Stops the run with a message when `cond` is false; libFuzzer saves the input as a crash.
#define FUZZ_CHECK(cond, what)                                                                       \
    do {                                                                                             \
        if (!(cond)) {                                                                               \
            std::fprintf(stderr, "%s:%d: check failed: %s (%s)\n", __FILE__, __LINE__, #cond, what); \
            std::abort();                                                                            \
        }                                                                                            \
    } while (false)

namespace vorlex::fuzz {

/// One character read from UTF-8 text: a well-formed shortest-form sequence of at most U+10FFFF that is not
/// a surrogate, or else the single byte at that place (`valid` false, `cp` the byte's value).
struct Utf8Char {
    char32_t cp = 0;
    std::size_t length = 1;
    bool valid = true;
};

/// Reads the character at `pos` (pos < text.size()).
inline Utf8Char ReadUtf8(std::string_view text, std::size_t pos) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(pos);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    if (lead >= 0xC0 && lead < 0xE0) {
        length = 2;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
    }
    const Utf8Char invalid{lead, 1, false};
    if (length == 0 || text.size() - pos < length) {
        return invalid;
    }
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((at(pos + k) & 0xC0) != 0x80) {
            return invalid;
        }
        cp = (cp << 6) | (at(pos + k) & 0x3F);
    }
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kShortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
        return invalid;
    }
    return {cp, length, true};
}

/// True when the whole of `text` is well-formed UTF-8.
inline bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = ReadUtf8(text, pos);
        if (!c.valid) {
            return false;
        }
        pos += c.length;
    }
    return true;
}

/// The Windows-1252 byte of a code point, or -1 when the code page lacks it. The C1 controls U+0080..U+009F
/// count as lacking (the code page puts printable characters on those bytes).
inline int Windows1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    struct Pair {
        char32_t cp;
        int byte;
    };
    static constexpr Pair kPrintable80To9F[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
        {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
        {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
        {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
        {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
    };
    for (const Pair& p : kPrintable80To9F) {
        if (p.cp == cp) {
            return p.byte;
        }
    }
    return -1;
}

/// `c` with the ASCII letters a to z made upper case.
inline char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

/// True when `a` and `b` are equal up to the case of ASCII letters.
inline bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace vorlex::fuzz

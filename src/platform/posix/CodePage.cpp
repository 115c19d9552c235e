#include "platform/CodePage.h"

#include <iconv.h>

#include <clocale>
#include <cstring>
#include <string>

namespace vorlex::platform {

int CurrentAnsiCodePage() {
    const char* name = std::setlocale(LC_CTYPE, nullptr);
    return AnsiCodePageOf(name != nullptr ? name : "C");
}

namespace {

/// Converts `in` with `cd`, then writes out what the converter held back (a character that a combining mark
/// might have joined). Returns the number of bytes written to `out`, or -1 on failure (the state is reset).
int Convert(iconv_t cd, char* in, std::size_t inLength, char* out, std::size_t outSize) {
    char* inPtr = in;
    char* outPtr = out;
    std::size_t outLeft = outSize;
    if (iconv(cd, &inPtr, &inLength, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        return -1;
    }
    return static_cast<int>(outPtr - out);
}

}  // namespace

CodePage::CodePage(int number) : table_(0x10000, 0) {
    for (char32_t cp = 0; cp < 0x80; ++cp) {
        table_[cp] = (1u << 24) | cp;
    }
    const std::string name = "CP" + std::to_string(number);
    const iconv_t to = iconv_open(name.c_str(), "UTF-32LE");
    if (to == reinterpret_cast<iconv_t>(-1)) {
        return;
    }
    number_ = number;
    for (char32_t cp = 0; cp < 0x10000; ++cp) {
        table_[cp] = 0;
        if ((cp >= 0x80 && cp <= 0x9F) || (cp >= 0xD800 && cp <= 0xDFFF)) {
            continue;
        }
        char unit[4] = {static_cast<char>(cp & 0xFF), static_cast<char>(cp >> 8), 0, 0};
        char bytes[8];
        const int length = Convert(to, unit, sizeof unit, bytes, sizeof bytes);
        if (length < 1 || length > 3) {
            continue;
        }
        // The converter writes a few characters as an ASCII look-alike (U+00A5 as the backslash of 932),
        // which a reader takes for that ASCII character: those count as lacking.
        if (cp >= 0x80 && static_cast<unsigned char>(bytes[0]) < 0x80 && length == 1) {
            continue;
        }
        std::uint32_t entry = static_cast<std::uint32_t>(length) << 24;
        for (int i = 0; i < length; ++i) {
            entry |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
        }
        table_[cp] = entry;
    }
    iconv_close(to);
}

}  // namespace vorlex::platform

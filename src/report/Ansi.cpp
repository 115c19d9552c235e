#include "report/Ansi.h"

#include "base/Utf8.h"
#include "platform/CodePage.h"

namespace vorlex::report {

int Cp1252Byte(std::int32_t cp) {
    if (cp < 0) {
        return -1;
    }
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return cp;
    }
    // Most other characters (Greek, Cyrillic, the scripts of Asia) lie outside the ranges of the 27 that
    // Windows-1252 places at 0x80..0x9F.
    if (cp < 0x0152 || cp > 0x2122 || (cp > 0x0192 && cp < 0x02C6) || (cp > 0x02DC && cp < 0x2013)) {
        return -1;
    }
    static const std::uint16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] != 0 && kHigh[i] == cp) {
            return 0x80 + i;
        }
    }
    return -1;
}

std::string ToAnsiText(std::string_view text, int codePage) {
    std::string out;
    out.reserve(text.size());
    const platform::CodePage* page = nullptr;  // fetched at the first character beyond ASCII
    for (std::size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            out.push_back(text[pos++]);
            continue;
        }
        char32_t cp = 0;
        pos += base::DecodeUtf8(text, pos, cp);
        // Undecodable bytes (0xDC80..) have no place in the code page either.
        if (page == nullptr) {
            page = &platform::CodePage::Get(codePage);
        }
        if (!page->Has(cp)) {
            out.push_back('?');
        } else {
            base::AppendUtf8(out, cp);
        }
    }
    return out;
}

}  // namespace vorlex::report

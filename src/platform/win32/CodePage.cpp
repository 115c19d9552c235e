#include "platform/CodePage.h"

#include <windows.h>

namespace vorlex::platform {

int CurrentAnsiCodePage() {
    return static_cast<int>(GetACP());
}

CodePage::CodePage(int number) : table_(0x10000, 0) {
    for (char32_t cp = 0; cp < 0x80; ++cp) {
        table_[cp] = (1u << 24) | cp;
    }
    CPINFO info;
    if (number <= 0 || !GetCPInfo(static_cast<UINT>(number), &info)) {
        return;
    }
    number_ = number;
    for (char32_t cp = 0x80; cp < 0x10000; ++cp) {
        if (cp <= 0x9F || (cp >= 0xD800 && cp <= 0xDFFF)) {
            continue;
        }
        const wchar_t unit = static_cast<wchar_t>(cp);
        char bytes[8];
        BOOL usedDefault = FALSE;
        const int length = WideCharToMultiByte(static_cast<UINT>(number), WC_NO_BEST_FIT_CHARS, &unit, 1,
                                               bytes, sizeof bytes, nullptr, &usedDefault);
        // A best-fit ASCII look-alike would be read as that ASCII character: it counts as lacking.
        if (length < 1 || length > 3 || usedDefault ||
            (length == 1 && static_cast<unsigned char>(bytes[0]) < 0x80)) {
            continue;
        }
        std::uint32_t entry = static_cast<std::uint32_t>(length) << 24;
        for (int i = 0; i < length; ++i) {
            entry |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
        }
        table_[cp] = entry;
    }
}

}  // namespace vorlex::platform

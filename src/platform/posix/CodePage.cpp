#include "platform/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace vorlex::platform {

namespace {

struct LanguagePage {
    const char* language;  ///< ISO 639 code as glibc names its locales
    int codePage;
};

// The system locales' default code pages as Windows sets them; every other language gets 1252.
constexpr LanguagePage kLanguagePages[] = {
    {"cs", 1250},  {"hu", 1250}, {"pl", 1250}, {"ro", 1250}, {"sk", 1250}, {"sl", 1250}, {"hr", 1250},
    {"bs", 1250},  {"sq", 1250}, {"tk", 1250}, {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251},
    {"mk", 1251},  {"sr", 1251}, {"kk", 1251}, {"ky", 1251}, {"tt", 1251}, {"mn", 1251}, {"ba", 1251},
    {"sah", 1251}, {"tg", 1251}, {"el", 1253}, {"tr", 1254}, {"az", 1254}, {"uz", 1254}, {"he", 1255},
    {"ar", 1256},  {"fa", 1256}, {"ur", 1256}, {"ug", 1256}, {"lt", 1257}, {"lv", 1257}, {"et", 1257},
    {"vi", 1258},  {"th", 874},  {"ja", 932},  {"zh", 936},  {"ko", 949},
};

}  // namespace

int AnsiCodePageOf(std::string_view localeName) {
    const std::size_t languageEnd = std::min(localeName.find_first_of("_.@"), localeName.size());
    const std::string_view language = localeName.substr(0, languageEnd);
    std::string_view territory;
    if (languageEnd < localeName.size() && localeName[languageEnd] == '_') {
        const std::size_t end = std::min(localeName.find_first_of(".@", languageEnd), localeName.size());
        territory = localeName.substr(languageEnd + 1, end - languageEnd - 1);
    }
    std::string_view modifier;
    if (const std::size_t at = localeName.find('@'); at != std::string_view::npos) {
        modifier = localeName.substr(at + 1);
    }
    // Scripts that the language's usual one does not share a code page with.
    if (modifier == "latin" && language == "sr") {
        return 1250;
    }
    if (modifier == "cyrillic" && (language == "uz" || language == "az" || language == "bs")) {
        return 1251;
    }
    if (language == "zh" && (territory == "TW" || territory == "HK" || territory == "MO")) {
        return 950;
    }
    for (const LanguagePage& entry : kLanguagePages) {
        if (language == entry.language) {
            return entry.codePage;
        }
    }
    return 1252;
}

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

const CodePage& CodePage::Get(int number) {
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<CodePage>> made;
    std::lock_guard<std::mutex> lock(mutex);
    auto make = [](int n) -> const CodePage* {
        std::unique_ptr<CodePage>& slot = made[n];
        if (!slot) {
            slot = std::make_unique<CodePage>(n);
        }
        return slot.get();
    };
    const CodePage* page = make(number);
    if (page->Number() == 0) {
        page = make(1252);
    }
    return *page;
}

}  // namespace vorlex::platform

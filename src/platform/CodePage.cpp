#include "platform/CodePage.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

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

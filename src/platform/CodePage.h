// The Windows ("ANSI") code page of the user's language, and the conversion of text into such a code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlex::platform {

/// The code page Windows gives the system locale of the language of `localeName` (as setlocale names a
/// locale: language[_territory][.codeset][@modifier]): 1250 Central European, 1251 Cyrillic, 1253 Greek,
/// 1254 Turkish, 1255 Hebrew, 1256 Arabic, 1257 Baltic, 1258 Vietnamese, 874 Thai, 932 Japanese, 936
/// Simplified Chinese, 949 Korean, 950 Traditional Chinese (Taiwan, Hong Kong, Macao); 1252 for English, the
/// Western European languages, C, POSIX and every language not listed.
int AnsiCodePageOf(std::string_view localeName);

/// AnsiCodePageOf the current LC_CTYPE locale.
int CurrentAnsiCodePage();

/// A Windows code page as a table from each character of the Basic Multilingual Plane to its bytes, read
/// from the C library's converter (iconv) once per process. The Windows code pages hold no character beyond
/// that plane. Never changed after it is made, so one table serves any number of threads.
class CodePage {
  public:
    /// The table of code page `number`, made on first use (a few milliseconds) and kept until the process
    /// ends. A number the converter does not know gives the table of Windows-1252 (ASCII alone should the
    /// converter know no code page at all).
    static const CodePage& Get(int number);

    /// The code page number of the table.
    int Number() const { return number_; }

    /// Appends the bytes of `cp` (one, or two in the double-byte code pages and for a character that 1255 and
    /// 1258 write as a letter and a combining mark) and returns true; returns false and appends nothing when
    /// the code page lacks it. Control characters U+0080..U+009F, surrogates and the code points of
    /// undecodable bytes (base::DecodeUtf8) count as lacking.
    bool Append(std::string& out, char32_t cp) const {
        if (cp >= table_.size()) {
            return false;
        }
        const std::uint32_t entry = table_[cp];
        const unsigned length = entry >> 24;
        if (length == 0) {
            return false;
        }
        out.push_back(static_cast<char>(entry & 0xFF));
        if (length > 1) {
            out.push_back(static_cast<char>((entry >> 8) & 0xFF));
            if (length > 2) {
                out.push_back(static_cast<char>((entry >> 16) & 0xFF));
            }
        }
        return true;
    }

    /// Whether the code page holds `cp`.
    bool Has(char32_t cp) const { return cp < table_.size() && (table_[cp] >> 24) != 0; }

    /// Reads the table of `number` from the converter; when the converter lacks that code page, Number() is 0
    /// and the table holds ASCII alone.
    explicit CodePage(int number);
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

  private:
    int number_ = 0;
    /// Per code point: the length in the top byte (0: lacking), the bytes from the lowest byte up.
    std::vector<std::uint32_t> table_;
};

}  // namespace vorlex::platform

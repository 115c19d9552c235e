// Fuzz target of the RTF writer of the activity log (RenderRtf).
//
// Input (FuzzedDataProvider): log entries, each a timestamp and a message of arbitrary bytes (valid UTF-8 or
// not), a colour, a style and the plain mark. Checks on the document: 7-bit only; no raw control character
// but CR and LF; braces balanced outside escapes, one outer group and nothing after it but CR LF; every
// `\uN` in the signed 16-bit range and followed by its one fallback (the Windows-1252 byte or '?'); every
// `\cfN` names a colour of the table. Read back with a small RTF reader, each paragraph holds the entry's
// text (line breaks as `\line`, tabs as `\tab`, other controls as '?', invalid bytes as U+FFFD) in the
// entry's colour and style.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "report/RtfWriter.h"

using namespace vorlex::base;
using namespace vorlex::report;

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

/// The text an entry's bytes should show: CR LF, CR and LF one line break, a tab a tab, other control
/// characters '?', each byte outside a well-formed UTF-8 sequence U+FFFD.
std::u32string ExpectedText(std::string_view bytes) {
    std::u32string out;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[pos]);
        if (c < 0x80) {
            ++pos;
            if (c == '\r') {
                if (pos < bytes.size() && bytes[pos] == '\n') {
                    ++pos;
                }
                out += U'\n';
            } else if (c == '\n' || c == '\t') {
                out += static_cast<char32_t>(c);
            } else if (c < 0x20 || c == 0x7F) {
                out += U'?';
            } else {
                out += static_cast<char32_t>(c);
            }
            continue;
        }
        const vorlex::fuzz::Utf8Char u = vorlex::fuzz::ReadUtf8(bytes, pos);
        out += u.valid ? u.cp : U'\uFFFD';
        pos += u.length;
    }
    return out;
}

/// One paragraph as read back: its text and the colour and weight in force at its `\par`.
struct Paragraph {
    std::u32string text;
    LogColour colour;
    bool bold = false;
};

/// Reads the document the writer makes, checking its form on the way.
class RtfReader {
  public:
    explicit RtfReader(std::string_view rtf) : rtf_(rtf) {}

    std::vector<Paragraph> Read() {
        for (char c : rtf_) {
            const auto b = static_cast<unsigned char>(c);
            FUZZ_CHECK(b < 0x80, "the document is 7-bit");
            FUZZ_CHECK((b >= 0x20 && b != 0x7F) || b == '\r' || b == '\n', "no raw control characters");
        }
        CheckBraces();
        FUZZ_CHECK(rtf_.substr(0, 6) == "{\\rtf1", "the document starts with its header");
        ReadColourTable();
        ReadBody();
        return paragraphs_;
    }

  private:
    /// Braces pair up outside escapes; the outer group closes at the very end, before the final CR LF.
    void CheckBraces() const {
        int depth = 0;
        for (std::size_t i = 0; i < rtf_.size(); ++i) {
            const char c = rtf_[i];
            if (c == '\\') {
                FUZZ_CHECK(i + 1 < rtf_.size(), "no backslash at the end");
                ++i;  // the escaped character, or the first letter of a control word
            } else if (c == '{') {
                ++depth;
            } else if (c == '}') {
                FUZZ_CHECK(depth > 0, "no closing brace without its opening one");
                if (--depth == 0) {
                    FUZZ_CHECK(rtf_.substr(i + 1) == "\r\n", "nothing after the outer group");
                }
            }
        }
        FUZZ_CHECK(depth == 0, "every group is closed");
    }

    void ReadColourTable() {
        const std::string_view start = "{\\colortbl ;";
        std::size_t pos = rtf_.find(start);
        FUZZ_CHECK(pos != std::string_view::npos, "a colour table");
        pos_ = pos + start.size();
        while (pos_ < rtf_.size() && rtf_[pos_] != '}') {
            LogColour c;
            c.r = static_cast<std::uint8_t>(ReadWordValue("red"));
            c.g = static_cast<std::uint8_t>(ReadWordValue("green"));
            c.b = static_cast<std::uint8_t>(ReadWordValue("blue"));
            FUZZ_CHECK(pos_ < rtf_.size() && rtf_[pos_] == ';', "colour entry ends with ';'");
            ++pos_;
            colours_.push_back(c);
        }
        FUZZ_CHECK(!colours_.empty(), "the colour table holds black at least");
        const std::string_view bodyStart = "}\r\n\\viewkind4";
        FUZZ_CHECK(rtf_.substr(pos_, bodyStart.size()) == bodyStart, "the body follows the colour table");
        pos_ += 3;
    }

    int ReadWordValue(std::string_view word) {
        FUZZ_CHECK(rtf_.substr(pos_, word.size() + 1) == "\\" + std::string(word), "colour component");
        pos_ += word.size() + 1;
        int value = 0;
        std::size_t digits = 0;
        while (pos_ < rtf_.size() && IsDigit(rtf_[pos_]) && digits < 4) {
            value = value * 10 + (rtf_[pos_++] - '0');
            ++digits;
        }
        FUZZ_CHECK(digits > 0 && value <= 255, "colour component 0 to 255");
        return value;
    }

    /// Reads one control word at pos_ (just after its backslash): its name and numeric parameter.
    void ReadControlWord(std::string& name, bool& hasValue, long& value) {
        name.clear();
        while (pos_ < rtf_.size() && IsLetter(rtf_[pos_])) {
            name += rtf_[pos_++];
        }
        bool negative = false;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        hasValue = false;
        value = 0;
        while (pos_ < rtf_.size() && IsDigit(rtf_[pos_])) {
            hasValue = true;
            value = value * 10 + (rtf_[pos_++] - '0');
            FUZZ_CHECK(value <= 100000, "numeric parameter of sane size");
        }
        FUZZ_CHECK(!negative || hasValue, "a minus sign starts a number");
        if (negative) {
            value = -value;
        }
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') {
            ++pos_;  // the delimiter belongs to the control word
        }
    }

    /// Reads the fallback that follows `\uN` and checks it against the character's Windows-1252 byte.
    void ReadFallback(char32_t unit, bool partOfPair) {
        FUZZ_CHECK(pos_ < rtf_.size(), "a fallback follows \\u");
        int byte = '?';
        if (rtf_[pos_] == '\\') {
            FUZZ_CHECK(pos_ + 3 < rtf_.size() && rtf_[pos_ + 1] == '\'',
                       "the fallback is \\'hh or a character");
            const int hi = HexValue(rtf_[pos_ + 2]);
            const int lo = HexValue(rtf_[pos_ + 3]);
            FUZZ_CHECK(hi >= 0 && lo >= 0, "two hex digits");
            byte = hi * 16 + lo;
            pos_ += 4;
        } else {
            FUZZ_CHECK(rtf_[pos_] != '{' && rtf_[pos_] != '}' && rtf_[pos_] != '\r' && rtf_[pos_] != '\n',
                       "the fallback is one character");
            byte = static_cast<unsigned char>(rtf_[pos_++]);
        }
        const int cp1252 = partOfPair ? -1 : vorlex::fuzz::Windows1252Byte(unit);
        FUZZ_CHECK(byte == (cp1252 >= 0x80 ? cp1252 : '?'), "the fallback is the Windows-1252 byte or '?'");
    }

    void ReadBody() {
        Paragraph current;
        std::size_t cf = 0;
        bool bold = false;
        char32_t highSurrogate = 0;
        std::string name;
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_];
            if (c == '}') {
                FUZZ_CHECK(current.text.empty() && highSurrogate == 0, "the document ends after a paragraph");
                return;
            }
            FUZZ_CHECK(c != '{', "no group inside the body");
            if (c == '\r' || c == '\n') {
                ++pos_;
                continue;
            }
            bool isUnit = false;
            char32_t text = 0;
            if (c != '\\') {
                text = static_cast<unsigned char>(c);
                ++pos_;
            } else if (++pos_; IsLetter(rtf_[pos_])) {
                bool hasValue = false;
                long value = 0;
                ReadControlWord(name, hasValue, value);
                if (name == "u") {
                    FUZZ_CHECK(hasValue && value >= -32768 && value <= 32767,
                               "\\u takes a signed 16-bit value");
                    const auto unit = static_cast<char32_t>(value < 0 ? value + 65536 : value);
                    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
                    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
                    ReadFallback(unit, high || low);
                    if (high) {
                        FUZZ_CHECK(highSurrogate == 0, "no high surrogate after a high surrogate");
                        highSurrogate = unit;
                        continue;
                    }
                    if (low) {
                        FUZZ_CHECK(highSurrogate != 0, "a low surrogate follows a high one");
                        text = 0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
                        highSurrogate = 0;
                    } else {
                        text = unit;
                    }
                    isUnit = true;
                } else if (name == "line") {
                    text = U'\n';
                } else if (name == "tab") {
                    text = U'\t';
                } else if (name == "par") {
                    FUZZ_CHECK(highSurrogate == 0, "a surrogate pair is complete");
                    FUZZ_CHECK(cf >= 1 && cf <= colours_.size(), "\\cf names a colour of the table");
                    current.colour = colours_[cf - 1];
                    current.bold = bold;
                    paragraphs_.push_back(std::move(current));
                    current = Paragraph{};
                    continue;
                } else if (name == "cf") {
                    FUZZ_CHECK(hasValue && value >= 1 && static_cast<std::size_t>(value) <= colours_.size(),
                               "\\cf names a colour of the table");
                    cf = static_cast<std::size_t>(value);
                    continue;
                } else if (name == "b") {
                    bold = !hasValue || value != 0;
                    continue;
                } else {
                    continue;  // formatting of the whole body (\viewkind4\pard\f0\fs16)
                }
            } else {
                FUZZ_CHECK(c == '\\' && (rtf_[pos_] == '\\' || rtf_[pos_] == '{' || rtf_[pos_] == '}'),
                           "only \\\\, \\{ and \\} are escaped symbols in the text");
                text = static_cast<unsigned char>(rtf_[pos_++]);
            }
            FUZZ_CHECK(highSurrogate == 0, "a high surrogate is followed by its low one");
            FUZZ_CHECK(isUnit || text < 0x80, "non-ASCII characters are written as \\u");
            current.text += text;
        }
        FUZZ_CHECK(false, "the document is closed");
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    std::vector<LogColour> colours_;
    std::vector<Paragraph> paragraphs_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<LogEntry> entries;
    while (in.remaining_bytes() > 0 && entries.size() < 64) {
        LogEntry e;
        e.plain = in.ConsumeBool();
        e.style = in.ConsumeBool() ? LogStyle::Bold : LogStyle::Regular;
        switch (in.ConsumeIntegralInRange(0, 4)) {
            case 0:
                e.colour = kBlack;
                break;
            case 1:
                e.colour = kRed;
                break;
            case 2:
                e.colour = kBlue;
                break;
            case 3:
                e.colour = kGreen;
                break;
            default:
                e.colour = {in.ConsumeIntegral<std::uint8_t>(), in.ConsumeIntegral<std::uint8_t>(),
                            in.ConsumeIntegral<std::uint8_t>()};
        }
        e.timestamp = e.plain ? std::string() : in.ConsumeRandomLengthString(64);
        e.message = in.ConsumeRandomLengthString();
        entries.push_back(std::move(e));
    }

    const std::string rtf = RenderRtf(entries);
    const std::vector<Paragraph> paragraphs = RtfReader(rtf).Read();
    FUZZ_CHECK(paragraphs.size() == entries.size(), "one paragraph per entry");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LogEntry& e = entries[i];
        std::u32string expected;
        if (!e.plain) {
            expected = ExpectedText(e.timestamp) + U' ';
        }
        expected += ExpectedText(e.message);
        FUZZ_CHECK(paragraphs[i].text == expected, "the paragraph holds the entry's text");
        FUZZ_CHECK(paragraphs[i].colour == e.colour, "the paragraph has the entry's colour");
        FUZZ_CHECK(paragraphs[i].bold == (e.style == LogStyle::Bold), "the paragraph has the entry's style");
    }
    return 0;
}

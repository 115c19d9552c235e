#include "report/RtfWriter.h"

#include <cstdio>

#include "base/Utf8.h"
#include "report/Ansi.h"

namespace vorlex::report {

namespace {

void AppendUnicode(std::string& out, std::int32_t cp) {
    auto unit = [&](std::int32_t u, int fallback) {
        // RTF takes signed 16-bit values.
        int value = u > 32767 ? u - 65536 : u;
        out += "\\u";
        out += std::to_string(value);
        // A '?' fallback is written as \'3f too: unrtf skips the whole word after \uN when the fallback
        // is a plain character, and with it the text that follows.
        char hex[16];
        std::snprintf(hex, sizeof hex, "\\'%02x", fallback >= 0x80 ? fallback : '?');
        out += hex;
    };
    if (cp >= 0x10000) {
        std::int32_t v = cp - 0x10000;
        unit(0xD800 + (v >> 10), -1);
        unit(0xDC00 + (v & 0x3FF), -1);
    } else {
        unit(cp, Cp1252Byte(cp));
    }
}

void AppendText(std::string& out, std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            ++pos;
            switch (c) {
                case '\\':
                    out += "\\\\";
                    break;
                case '{':
                    out += "\\{";
                    break;
                case '}':
                    out += "\\}";
                    break;
                case '\r':
                    // A CR LF pair is one line break; a lone CR is one too.
                    if (pos < text.size() && text[pos] == '\n') {
                        ++pos;
                    }
                    out += "\\line ";
                    break;
                case '\n':
                    out += "\\line ";
                    break;
                case '\t':
                    out += "\\tab ";
                    break;
                default:
                    if (c < 0x20 || c == 0x7F) {
                        out.push_back('?');
                    } else {
                        out.push_back(static_cast<char>(c));
                    }
            }
            continue;
        }
        char32_t cp = 0;
        pos += base::DecodeUtf8(text, pos, cp);
        AppendUnicode(out, base::IsUndecodable(cp) ? 0xFFFD : static_cast<std::int32_t>(cp));
    }
}

}  // namespace

std::string RenderRtf(const std::vector<LogEntry>& entries) {
    std::vector<base::LogColour> colours{base::kBlack};
    auto index = [&](base::LogColour c) {
        for (std::size_t i = 0; i < colours.size(); ++i) {
            if (colours[i] == c) {
                return i + 1;
            }
        }
        colours.push_back(c);
        return colours.size();
    };
    for (const auto& e : entries) {
        index(e.colour);
    }

    std::string out;
    std::size_t estimate = 512;
    for (const auto& e : entries) {
        estimate += e.timestamp.size() + e.message.size() + 32;
    }
    out.reserve(estimate);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\\deflang1033";
    out += "{\\fonttbl{\\f0\\fswiss\\fcharset0 Sans Serif;}}\r\n";
    out += "{\\colortbl ;";
    for (const auto& c : colours) {
        out += "\\red" + std::to_string(c.r) + "\\green" + std::to_string(c.g) + "\\blue" +
               std::to_string(c.b) + ";";
    }
    out += "}\r\n\\viewkind4\\pard\\f0\\fs16 ";
    for (const auto& e : entries) {
        if (!e.plain) {
            out += "\\cf1\\b0 ";
            AppendText(out, e.timestamp);
            out.push_back(' ');
        }
        out += "\\cf" + std::to_string(index(e.colour));
        out += e.style == base::LogStyle::Bold ? "\\b " : "\\b0 ";
        AppendText(out, e.message);
        out += "\\par\r\n";
    }
    out += "\\cf1\\b0 }\r\n";
    return out;
}

}  // namespace vorlex::report

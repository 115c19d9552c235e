#include "config/IniFile.h"

#include <limits>
#include <system_error>
#include <vector>

#include "base/Utf8.h"
#include "platform/Errors.h"
#include "platform/FileAccess.h"

namespace vorlex::config {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

/// One line of the text: [begin, end) is its content without the line ending, next is where the next
/// line starts.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

enum class LineKind { Other, Section, Key };

/// A classified line: the section name of a header, or the key and value of a key line.
struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::vector<Line> SplitLines(const std::string& s) {
    std::vector<Line> lines;
    std::size_t pos = s.compare(0, kBom.size(), kBom) == 0 ? kBom.size() : 0;
    while (pos < s.size()) {
        Line line;
        line.begin = pos;
        std::size_t nl = s.find('\n', pos);
        line.next = nl == std::string::npos ? s.size() : nl + 1;
        line.end = nl == std::string::npos ? s.size() : nl;
        if (line.end > line.begin && s[line.end - 1] == '\r') {
            --line.end;
        }
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

ParsedLine Parse(std::string_view text) {
    ParsedLine p;
    std::string_view t = Trim(text);
    if (t.empty() || t.front() == ';') {
        return p;
    }
    if (t.front() == '[') {
        std::string_view inner = t.substr(1);
        std::size_t close = inner.find(']');
        p.kind = LineKind::Section;
        p.name = Trim(inner.substr(0, close));
        return p;
    }
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) {
        return p;
    }
    p.kind = LineKind::Key;
    p.name = Trim(t.substr(0, eq));
    p.value = t.substr(eq + 1);
    return p;
}

/// Where a section and a key were found: indices into the line list, npos when absent.
struct Location {
    static constexpr std::size_t npos = std::numeric_limits<std::size_t>::max();
    std::size_t header = npos;      ///< the section's header line
    std::size_t key = npos;         ///< the key's line
    std::size_t lastFilled = npos;  ///< the section's last non-blank line (the header when none)
};

Location Find(const std::string& content, const std::vector<Line>& lines, std::string_view section,
              std::string_view key) {
    Location loc;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view text(content.data() + lines[i].begin, lines[i].end - lines[i].begin);
        ParsedLine p = Parse(text);
        if (loc.header == Location::npos) {
            if (p.kind == LineKind::Section && EqualsNoCase(p.name, section)) {
                loc.header = i;
                loc.lastFilled = i;
            }
            continue;
        }
        if (p.kind == LineKind::Section) {
            break;
        }
        if (!Trim(text).empty()) {
            loc.lastFilled = i;
        }
        if (p.kind == LineKind::Key && loc.key == Location::npos && EqualsNoCase(p.name, key)) {
            loc.key = i;
        }
    }
    return loc;
}

/// The line ending the file already uses (that of its first line), "\n" for a new file.
std::string_view LineEnding(const std::string& content) {
    std::size_t nl = content.find('\n');
    return (nl != std::string::npos && nl > 0 && content[nl - 1] == '\r') ? "\r\n" : "\n";
}

/// What must precede text added at the end of `content` so that it starts on a line of its own: nothing when
/// the file ends with a line feed; a lone line feed after a final CR, which the reader already drops from the
/// line, so that line keeps its meaning; the file's line ending `eol` otherwise.
std::string_view EndOfLastLine(const std::string& content, std::string_view eol) {
    if (content.empty() || content.back() == '\n') {
        return {};
    }
    return content.back() == '\r' ? "\n" : eol;
}

/// Cuts `s` after `count` characters; a byte that does not start a valid UTF-8 sequence counts as one.
void CutToCharacters(std::string& s, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < s.size(); ++n) {
        char32_t cp = 0;
        pos += base::DecodeUtf8(s, pos, cp);
    }
    s.resize(pos);
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

/// The text to store for `value` so that the reading rules give `value` back.
std::string EncodeValue(std::string_view value) {
    std::string v(value);
    for (char& c : v) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    bool blanksAround = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()));
    bool quoted = v.size() >= 2 && IsQuote(v.front()) && v.back() == v.front();
    if (blanksAround || quoted) {
        return '"' + v + '"';
    }
    return v;
}

}  // namespace

IniFile IniFile::Read(const std::string& path, int* error) {
    std::string content;
    bool truncated = false;
    int rc = platform::ReadFileContent(path, content, kMaxIniFileSize, truncated);
    if (error != nullptr) {
        *error = rc;
    }
    if (rc != 0) {
        return IniFile();
    }
    if (truncated) {
        // The last line may be cut in two ("DaysOld=30" read as "DaysOld=3"): only whole lines count.
        std::size_t lastBreak = content.rfind('\n');
        content.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    }
    IniFile ini(std::move(content));
    ini.truncated_ = truncated;
    return ini;
}

std::optional<std::string> IniFile::ReadValue(std::string_view section, std::string_view key) const {
    std::vector<Line> lines = SplitLines(content_);
    Location loc = Find(content_, lines, section, key);
    if (loc.key == Location::npos) {
        return std::nullopt;
    }
    const Line& line = lines[loc.key];
    std::string_view raw = Parse(std::string_view(content_.data() + line.begin, line.end - line.begin)).value;
    raw = Trim(raw);
    if (raw.size() >= 2 && IsQuote(raw.front()) && raw.back() == raw.front()) {
        raw = raw.substr(1, raw.size() - 2);
    }
    std::string value(raw);
    CutToCharacters(value, kMaxIniValueLength);
    return value;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                const std::string& def) const {
    std::optional<std::string> v = ReadValue(section, key);
    return v ? *v : def;
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
    std::optional<std::string> v = ReadValue(section, key);
    if (!v) {
        return def;
    }
    return ParseIniInteger(*v).value_or(def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + EncodeValue(value);
    std::vector<Line> lines = SplitLines(content_);
    Location loc = Find(content_, lines, section, key);
    std::string eol(LineEnding(content_));
    if (loc.key != Location::npos) {
        const Line& l = lines[loc.key];
        content_.replace(l.begin, l.end - l.begin, line);
        return;
    }
    if (loc.header != Location::npos) {
        const Line& last = lines[loc.lastFilled];
        // When the section's last line is the file's last line, it may lack its line ending (or half of it).
        std::string_view before = last.next == content_.size() ? EndOfLastLine(content_, eol) : "";
        content_.insert(last.next, std::string(before) + line + eol);
        return;
    }
    content_ += EndOfLastLine(content_, eol);
    content_ += "[" + std::string(section) + "]" + eol + line + eol;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int64_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    std::string_view t = Trim(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    int base = 10;
    if (!t.empty() && t.front() == '$') {
        base = 16;
        t.remove_prefix(1);
    } else if (t.size() >= 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        t.remove_prefix(2);
    }
    if (t.empty()) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (char c : t) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > std::int64_t{1} << 31) {
            return std::nullopt;
        }
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

WriteError::WriteError(const std::string& path, int code)
    : std::runtime_error("Unable to write to " + path), path_(path), code_(code) {}

void UpdateIniFile(const std::string& path, const std::function<void(IniFile&)>& change) {
    std::string content;
    bool truncated = false;
    int rc = platform::ReadFileContent(path, content, kMaxIniFileSize, truncated);
    if (rc == 0 && truncated) {
        rc = static_cast<int>(std::errc::file_too_large);
    }
    if (rc == platform::kErrorFileNotFound) {
        content.clear();
    } else if (rc != 0) {
        // Writing without the old text (or with only its beginning) would drop every section and key this
        // program does not own.
        throw WriteError(path, rc);
    }
    IniFile ini(std::move(content));
    change(ini);
    rc = platform::CheckReplaceable(path);
    if (rc == 0) {
        rc = platform::ReplaceFileContent(path, ini.Content());
    }
    if (rc != 0) {
        throw WriteError(path, rc);
    }
}

}  // namespace vorlex::config

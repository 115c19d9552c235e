// Fuzz target of the settings-file reader and writer (IniFile, ReadSettings/SaveSettings and the window
// keys).
//
// Input (FuzzedDataProvider): the Settings and window values to write (strings from the front, numbers from
// the back), then the existing file's text. Checks: reading arbitrary bytes gives settings inside their
// ranges; after SaveSettings and SaveFormSettings into that text, reading gives back what was written (line
// breaks and NULs become blanks, over-long values are cut at a character boundary); every byte outside the
// "Vorlex" section stays as it was, and so does every line of that section that holds none of its keys.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "config/Settings.h"

using namespace vorlex::config;
using vorlex::fuzz::EqualsAsciiNoCase;

namespace {

const std::string kProgramPath = "/opt/vorlex/";

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

/// One line of an INI text: where it starts and its text without the line ending.
struct TextLine {
    std::size_t start;
    std::string_view text;
};

/// The lines of an INI text: split at line feeds, one CR before the line feed (or the end) dropped, a UTF-8
/// byte-order mark at the start skipped.
std::vector<TextLine> Lines(std::string_view content) {
    std::vector<TextLine> lines;
    std::size_t pos = content.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (pos < content.size()) {
        std::size_t lf = content.find('\n', pos);
        std::size_t end = lf == std::string_view::npos ? content.size() : lf;
        std::string_view text = content.substr(pos, end - pos);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        lines.push_back({pos, text});
        pos = lf == std::string_view::npos ? content.size() : lf + 1;
    }
    return lines;
}

bool IsHeader(std::string_view line) {
    std::string_view t = TrimBlanks(line);
    return !t.empty() && t.front() == '[';
}

std::string_view HeaderName(std::string_view line) {
    std::string_view inner = TrimBlanks(line).substr(1);
    return TrimBlanks(inner.substr(0, inner.find(']')));
}

/// True when the line is a key line of one of the settings or window keys.
bool IsOwnedKeyLine(std::string_view line) {
    static const char* const kKeys[] = {keys::kDebug,
                                        keys::kDaysOld,
                                        keys::kDrivePath,
                                        keys::kUseRegEx,
                                        keys::kNOTRegEx,
                                        keys::kRegExPathFile,
                                        keys::kUseIncludeFiles,
                                        keys::kUseExcludeFiles,
                                        keys::kRegExEdit,
                                        keys::kIncludeFiles,
                                        keys::kExcludeFiles,
                                        keys::kDoNotDeleteEmptyDirs,
                                        keys::kAutoSaveOnExit,
                                        keys::kMoveToTrash,
                                        keys::kTrashOrDelete,
                                        keys::kWidth,
                                        keys::kHeight,
                                        keys::kLeft,
                                        keys::kTop,
                                        keys::kWindowState};
    std::string_view t = TrimBlanks(line);
    std::size_t eq = t.find('=');
    if (t.empty() || t.front() == ';' || t.front() == '[' || eq == std::string_view::npos) {
        return false;
    }
    std::string_view key = TrimBlanks(t.substr(0, eq));
    return std::any_of(std::begin(kKeys), std::end(kKeys),
                       [&](const char* k) { return EqualsAsciiNoCase(key, k); });
}

/// The byte range of the first "Vorlex" section: its header line up to the next header line or the end.
struct Range {
    bool found = false;
    std::size_t begin = 0;
    std::size_t end = 0;
};

Range SettingsSection(std::string_view content, const std::vector<TextLine>& lines) {
    Range r;
    for (const TextLine& l : lines) {
        if (!IsHeader(l.text)) {
            continue;
        }
        if (r.found) {
            r.end = l.start;
            return r;
        }
        if (EqualsAsciiNoCase(HeaderName(l.text), kSettingsSection)) {
            r.found = true;
            r.begin = l.start;
        }
    }
    r.end = content.size();
    return r;
}

/// Number of characters of UTF-8 text; a byte outside a well-formed sequence counts as one.
std::size_t CharacterCount(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < text.size(); ++n) {
        pos += vorlex::fuzz::ReadUtf8(text, pos).length;
    }
    return n;
}

/// Checks that a string value read back is the value written: line breaks and NULs as blanks, and when it
/// is longer than an INI value may be, a prefix cut at a character boundary after at least the limit.
void CheckStringRoundTrip(const std::string& written, const std::string& read, const char* what) {
    std::string stored = written;
    std::replace_if(
        stored.begin(), stored.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    if (read == stored) {
        return;
    }
    FUZZ_CHECK(read.size() < stored.size() && stored.compare(0, read.size(), read) == 0, what);
    FUZZ_CHECK(CharacterCount(read) >= kMaxIniValueLength, what);
    // The cut must not split a well-formed sequence.
    std::size_t pos = 0;
    while (pos < read.size()) {
        pos += vorlex::fuzz::ReadUtf8(stored, pos).length;
    }
    FUZZ_CHECK(pos == read.size(), what);
}

void CheckReadFromAnyBytes(const IniFile& ini) {
    const Settings s = ReadSettings(ini, kProgramPath);
    FUZZ_CHECK(s.daysOld >= kMinDaysOld && s.daysOld <= kMaxDaysOld, "days in range");
    FUZZ_CHECK(s.regExPathFile >= kRegExPathAndFile && s.regExPathFile <= kRegExFileOnly, "target in range");
    FUZZ_CHECK(!s.useRegEx || (!s.useIncludeFiles && !s.useExcludeFiles), "expression excludes the masks");
    for (const std::string* v : {&s.drivePath, &s.regExEdit, &s.includeFiles, &s.excludeFiles}) {
        // How many characters an ill-formed sequence counts for is not fixed, so only valid text is measured.
        FUZZ_CHECK(!vorlex::fuzz::IsValidUtf8(*v) || CharacterCount(*v) <= kMaxIniValueLength,
                   "value cut to the limit");
    }
    const WindowGeometry g = ReadFormSettings(ini, WindowGeometry{1, 2, 3, 4, WindowState::Maximized});
    FUZZ_CHECK(g.state != WindowState::Minimized, "a window never opens minimized");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Settings v;
    v.debugMode = in.ConsumeBool();
    v.useRegEx = in.ConsumeBool();
    v.notRegEx = in.ConsumeBool();
    v.useIncludeFiles = !v.useRegEx && in.ConsumeBool();
    v.useExcludeFiles = !v.useRegEx && in.ConsumeBool();
    v.doNotDeleteEmptyDirs = in.ConsumeBool();
    v.autoSaveOnExit = in.ConsumeBool();
    v.moveToTrash = in.ConsumeBool();
    v.trashOrDelete = in.ConsumeBool();
    v.daysOld = in.ConsumeIntegralInRange(kMinDaysOld, kMaxDaysOld);
    v.regExPathFile = in.ConsumeIntegralInRange(kRegExPathAndFile, kRegExFileOnly);
    WindowGeometry g;
    g.left = in.ConsumeIntegral<std::int32_t>();
    g.top = in.ConsumeIntegral<std::int32_t>();
    g.width = in.ConsumeIntegral<std::int32_t>();
    g.height = in.ConsumeIntegral<std::int32_t>();
    g.state = static_cast<WindowState>(in.ConsumeIntegralInRange(0, 2));
    v.drivePath = in.ConsumeRandomLengthString(3000);
    v.regExEdit = in.ConsumeRandomLengthString(3000);
    v.includeFiles = in.ConsumeRandomLengthString(3000);
    v.excludeFiles = in.ConsumeRandomLengthString(3000);
    const std::string original = in.ConsumeRemainingBytesAsString();

    IniFile ini(original);
    CheckReadFromAnyBytes(ini);

    SaveSettings(ini, v);
    SaveFormSettings(ini, g);
    const std::string& written = ini.Content();

    Settings back = ReadSettings(ini, kProgramPath);
    CheckStringRoundTrip(v.drivePath, back.drivePath, "DrivePath read back");
    CheckStringRoundTrip(v.regExEdit, back.regExEdit, "RegExEdit read back");
    CheckStringRoundTrip(v.includeFiles, back.includeFiles, "IncludeFiles read back");
    CheckStringRoundTrip(v.excludeFiles, back.excludeFiles, "ExcludeFiles read back");
    back.drivePath = v.drivePath;
    back.regExEdit = v.regExEdit;
    back.includeFiles = v.includeFiles;
    back.excludeFiles = v.excludeFiles;
    FUZZ_CHECK(back == v, "switches and numbers read back");

    WindowGeometry expected = g;
    if (expected.state == WindowState::Minimized) {
        expected.state = WindowState::Normal;
    }
    FUZZ_CHECK(ReadFormSettings(ini, WindowGeometry{}) == expected, "window keys read back");

    // Outside the settings section nothing changes; a missing section is added at the end.
    const std::vector<TextLine> before = Lines(original);
    const Range section = SettingsSection(original, before);
    if (!section.found) {
        FUZZ_CHECK(written.compare(0, original.size(), original) == 0, "the old text stays in front");
        return 0;
    }
    const std::size_t tail = original.size() - section.end;
    FUZZ_CHECK(written.size() >= section.begin + tail, "the text around the section stays");
    FUZZ_CHECK(written.compare(0, section.begin, original, 0, section.begin) == 0, "text before the section");
    FUZZ_CHECK(written.compare(written.size() - tail, tail, original, section.end, tail) == 0,
               "text after the section");

    // Inside it, every line that holds none of the program's keys is kept (blank lines, comments, other
    // keys).
    std::vector<std::string_view> kept;
    for (const TextLine& l : Lines(std::string_view(written).substr(0, written.size() - tail))) {
        if (l.start >= section.begin) {
            kept.push_back(l.text);
        }
    }
    std::vector<std::string_view> mustStay;
    for (const TextLine& l : before) {
        if (l.start >= section.begin && l.start < section.end && !IsOwnedKeyLine(l.text)) {
            mustStay.push_back(l.text);
        }
    }
    std::sort(kept.begin(), kept.end());
    std::sort(mustStay.begin(), mustStay.end());
    FUZZ_CHECK(std::includes(kept.begin(), kept.end(), mustStay.begin(), mustStay.end()),
               "a line of the section that holds no program key is kept");
    return 0;
}

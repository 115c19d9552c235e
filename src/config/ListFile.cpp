#include "config/ListFile.h"

#include <cerrno>
#include <cstdint>
#include <limits>

#include "platform/FileAccess.h"

namespace vorlex::config {

const char* ListFileName(ListEditorMode mode) {
    switch (mode) {
        case ListEditorMode::Include:
            return kIncludeListFileName;
        case ListEditorMode::Exclude:
            return kExcludeListFileName;
        case ListEditorMode::RegEx:
            return kRegExListFileName;
    }
    return kIncludeListFileName;
}

std::string ListFilePath(const std::string& programPath, ListEditorMode mode) {
    return programPath + ListFileName(mode);
}

std::vector<ListEntry> ParseListFile(std::string_view data) {
    std::vector<ListEntry> entries;
    std::size_t pos = 0;
    while (data.size() - pos >= kListRecordHeaderSize) {
        auto byte = [&](std::size_t i) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(data[pos + i]));
        };
        bool checked = byte(0) != 0;
        auto length = static_cast<std::int32_t>(byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24);
        pos += kListRecordHeaderSize;
        // A length that cannot be right means the rest of the file is not records: stop rather than read
        // text bytes as headers and produce entries nobody wrote.
        if (length < 0 || static_cast<std::size_t>(length) > data.size() - pos) {
            break;
        }
        entries.push_back({std::string(data.substr(pos, static_cast<std::size_t>(length))), checked});
        pos += static_cast<std::size_t>(length);
    }
    return entries;
}

std::string SerializeListFile(const std::vector<ListEntry>& entries) {
    std::string out;
    for (const ListEntry& e : entries) {
        auto n = static_cast<std::uint32_t>(e.text.size());
        out += static_cast<char>(e.checked ? 1 : 0);
        out.append(3, '\0');
        for (int shift = 0; shift < 32; shift += 8) {
            out += static_cast<char>((n >> shift) & 0xFF);
        }
        out += e.text;
    }
    return out;
}

int ReadListFile(const std::string& path, std::vector<ListEntry>& entries) {
    entries.clear();
    std::string data;
    int rc = platform::ReadFileContent(path, data);
    if (rc == 0) {
        entries = ParseListFile(data);
    }
    return rc;
}

int WriteListFile(const std::string& path, const std::vector<ListEntry>& entries) {
    for (const ListEntry& e : entries) {
        if (e.text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
            return EOVERFLOW;
        }
    }
    int rc = platform::CheckReplaceable(path);
    if (rc != 0) {
        return rc;
    }
    return platform::ReplaceFileContent(path, SerializeListFile(entries));
}

std::string JoinTickedEntries(const std::vector<ListEntry>& entries) {
    std::string joined;
    bool first = true;
    for (const ListEntry& e : entries) {
        if (!e.checked) {
            continue;
        }
        if (!first) {
            joined += ',';
        }
        joined += e.text;
        first = false;
    }
    return joined;
}

}  // namespace vorlex::config

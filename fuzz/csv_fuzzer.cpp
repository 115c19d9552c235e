// Fuzz target of the results CSV writer (BuildCsvText).
//
// Input (FuzzedDataProvider): the regional formats to use, then rows, each a path of arbitrary bytes, three
// times anywhere in the 64-bit range, a size and a status. The text is read back with a strict RFC 4180
// reader (CR LF after every record, quotes only around a whole field, "" for a quote inside). Checks: the
// header and one record per row, seven fields each; the File field is the path in Windows-1252 with '?' for
// characters the code page lacks, for undecodable bytes and for control characters; the Size field is the
// size in KB with halves rounded up; the Age field a whole number; the Status field the row's status text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "report/CsvWriter.h"

using namespace vorlex;

namespace {

using Record = std::vector<std::string>;

/// A record as read, and which of its fields stood in quotes.
struct ReadRecord {
    Record fields;
    std::vector<bool> quoted;
};

/// Reads `text` as RFC 4180 CSV where every record, the last included, ends in CR LF. Fails the run on any
/// deviation: a quote inside an unquoted field, text after a closing quote, a bare CR or LF outside quotes.
std::vector<ReadRecord> ReadCsv(std::string_view text) {
    std::vector<ReadRecord> records;
    std::size_t pos = 0;
    while (pos < text.size()) {
        ReadRecord record;
        for (;;) {
            std::string field;
            const bool quoted = pos < text.size() && text[pos] == '"';
            if (quoted) {
                ++pos;
                for (;;) {
                    FUZZ_CHECK(pos < text.size(), "a quoted field is closed");
                    if (text[pos] == '"') {
                        if (pos + 1 < text.size() && text[pos + 1] == '"') {
                            field += '"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    field += text[pos++];
                }
            } else {
                while (pos < text.size() && text[pos] != ',' && text[pos] != '\r' && text[pos] != '\n') {
                    FUZZ_CHECK(text[pos] != '"', "no quote inside an unquoted field");
                    field += text[pos++];
                }
            }
            record.fields.push_back(std::move(field));
            record.quoted.push_back(quoted);
            FUZZ_CHECK(pos < text.size(), "the last record ends with CR LF");
            if (text[pos] == ',') {
                ++pos;
                continue;
            }
            FUZZ_CHECK(text.substr(pos, 2) == "\r\n", "a field is followed by a comma or CR LF");
            pos += 2;
            break;
        }
        records.push_back(std::move(record));
    }
    return records;
}

/// The File field the documentation promises for `path`: Windows-1252, '?' for what the code page lacks
/// (C1 controls included), for undecodable bytes and for control characters.
std::string ExpectedFileField(std::string_view path) {
    std::string out;
    for (std::size_t pos = 0; pos < path.size();) {
        const vorlex::fuzz::Utf8Char c = vorlex::fuzz::ReadUtf8(path, pos);
        pos += c.length;
        const int byte = c.valid ? vorlex::fuzz::Windows1252Byte(c.cp) : -1;
        out += byte < 0x20 || byte == 0x7F ? '?' : static_cast<char>(byte);
    }
    return out;
}

/// The Size (KB) figure: 0 for nothing, 1 below 1024 bytes, else the count / 1024 with halves rounded up.
std::string ExpectedSizeDigits(std::uint64_t bytes) {
    if (bytes == 0) {
        return "0";
    }
    if (bytes < 1024) {
        return "1";
    }
    return std::to_string(bytes / 1024 + (bytes % 1024 >= 512 ? 1 : 0));
}

bool AllDigits(std::string_view s) {
    if (s.empty()) {
        return false;
    }
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

platform::TimeValue ConsumeTime(FuzzedDataProvider& in) {
    platform::TimeValue t;
    t.sec = in.ConsumeIntegral<std::int64_t>();
    t.nsec = in.ConsumeIntegralInRange<std::int32_t>(0, 999999999);
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    static const platform::RegionalFormats kFormats[] = {
        {"%m/%d/%Y", "%r", ","},
        {"%Y-%m-%d", "%H:%M:%S", ""},
        {"%d.%m.%Y", "%T", "."},
        {"%d/%m/%Y", "%H:%M:%S", "\xC2\xA0"},  // a no-break space, as some locales group digits
    };
    const platform::RegionalFormats& formats = in.PickValueInArray(kFormats);
    const scan::RowFormatter formatter(formats, ConsumeTime(in));

    std::vector<scan::ResultRow> rows;
    while (in.remaining_bytes() > 0 && rows.size() < 64) {
        scan::ResultRow row;
        row.created = ConsumeTime(in);
        row.modified = ConsumeTime(in);
        row.accessed = ConsumeTime(in);
        row.size = in.ConsumeIntegral<std::uint64_t>();
        row.status = static_cast<scan::RowStatus>(in.ConsumeIntegralInRange(0, 4));
        row.path = in.ConsumeRandomLengthString();
        rows.push_back(std::move(row));
    }

    const std::vector<ReadRecord> records = ReadCsv(report::BuildCsvText(rows, formatter));
    FUZZ_CHECK(records.size() == rows.size() + 1, "a header and one record per row");
    FUZZ_CHECK(records[0].fields ==
                   (Record{"File", "Created", "Modified", "Accessed", "Age (Days)", "Size (KB)", "Status"}),
               "the header line");
    static const char* const kStatus[] = {"Found", "Deleted", "NOT Deleted", "Dir Deleted",
                                          "Dir NOT Deleted"};
    const std::string separator = report::ToWindows1252(formats.thousands);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Record& r = records[i + 1].fields;
        FUZZ_CHECK(r.size() == 7, "seven fields per record");
        FUZZ_CHECK(records[i + 1].quoted[0], "the File field is quoted");
        FUZZ_CHECK(r[0] == ExpectedFileField(rows[i].path), "the File field is the converted path");
        for (std::size_t k = 1; k <= 3; ++k) {
            FUZZ_CHECK(!r[k].empty(), "a date-time in each time field");
        }
        FUZZ_CHECK(AllDigits(r[4]), "Age (Days) is a whole number");
        std::string kb = r[5];
        if (!separator.empty() && separator != ",") {
            for (std::size_t at; (at = kb.find(separator)) != std::string::npos;) {
                kb.erase(at, separator.size());
            }
        }
        FUZZ_CHECK(kb == ExpectedSizeDigits(rows[i].size), "Size (KB) is the size in KB");
        FUZZ_CHECK(r[6] == kStatus[static_cast<int>(rows[i].status)], "Status is the row's status text");
    }
    return 0;
}

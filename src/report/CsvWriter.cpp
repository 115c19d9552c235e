#include "report/CsvWriter.h"

#include <algorithm>
#include <charconv>

#include "platform/Errors.h"
#include "platform/FileAccess.h"
#include "report/Ansi.h"
#include "scan/Mask.h"

namespace vorlex::report {

namespace {

/// Appends `text` in Windows-1252; in a quoted field also doubles '"' and writes control characters as '?'.
void AppendEncoded(std::string& out, std::string_view text, bool quotedField) {
    std::size_t p = 0;
    const std::size_t n = text.size();
    while (p < n) {
        const auto b = static_cast<unsigned char>(text[p]);
        if (b < 0x80) {
            if (quotedField && (b < 0x20 || b == 0x7F)) {
                out += '?';
            } else if (quotedField && b == '"') {
                out += "\"\"";
            } else {
                out += static_cast<char>(b);
            }
            ++p;
            continue;
        }
        char32_t c = 0;
        p += scan::DecodeUtf8(text, p, c);
        // C1 controls and undecodable bytes (0xDC80..) have no byte of their own either.
        int mapped = Cp1252Byte(static_cast<std::int32_t>(c));
        out += mapped >= 0 ? static_cast<char>(mapped) : '?';
    }
}

}  // namespace

void AppendWindows1252(std::string& out, std::string_view text) {
    AppendEncoded(out, text, false);
}

std::string ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendEncoded(out, text, false);
    return out;
}

std::string BuildCsvText(const std::vector<scan::ResultRow>& rows, const scan::RowFormatter& formatter) {
    std::string out;
    out.reserve(64 + rows.size() * 128);
    for (int c = 0; c < static_cast<int>(scan::Column::Count); ++c) {
        if (c > 0) {
            out += ',';
        }
        out += scan::ColumnCaption(static_cast<scan::Column>(c));
    }
    out += "\r\n";

    // Neighbouring rows often share a second (a file's three times, files of one copy): format it once.
    std::int64_t cachedSec = 0;
    bool haveCached = false;
    std::string cachedText;
    auto appendDate = [&](platform::TimeValue t) {
        if (!haveCached || t.sec != cachedSec) {
            cachedText = ToWindows1252(formatter.DateTimeText(t));
            cachedSec = t.sec;
            haveCached = true;
        }
        out += cachedText;
    };
    const std::string& thousands = formatter.Formats().thousands;
    char number[24];

    for (const scan::ResultRow& row : rows) {
        out += '"';
        AppendEncoded(out, row.path, true);
        out += "\",";
        appendDate(row.created);
        out += ',';
        appendDate(row.modified);
        out += ',';
        appendDate(row.accessed);
        out += ',';
        auto age = std::to_chars(number, number + sizeof number,
                                 scan::AgeDays(row.created, formatter.ScanStartTime()));
        out.append(number, age.ptr);
        out += ',';
        const std::size_t sizeStart = out.size();
        AppendEncoded(out, scan::FormatSizeKB(row.size, thousands), false);
        out.erase(std::remove(out.begin() + static_cast<std::ptrdiff_t>(sizeStart), out.end(), ','),
                  out.end());
        out += ',';
        out += scan::StatusText(row.status);
        out += "\r\n";
    }
    return out;
}

int WriteCsvFile(const std::string& path, const std::vector<scan::ResultRow>& rows,
                 const scan::RowFormatter& formatter) {
    return platform::ReplaceFileContent(path, BuildCsvText(rows, formatter));
}

CsvWriteError::CsvWriteError(const std::string& path, int code)
    : std::runtime_error("The file " + scan::DisplayText(path) +
                         " cannot be written.\nREASON: " + platform::ErrorText(code)),
      code_(code) {}

void WriteToCSVFile(const std::string& path, const std::vector<scan::ResultRow>& rows,
                    const scan::RowFormatter& formatter, LogSink& log) {
    if (int code = WriteCsvFile(path, rows, formatter); code != 0) {
        throw CsvWriteError(path, code);
    }
    log.WriteLog("Results written to CSV file " + scan::DisplayText(path), kBlue, LogStyle::Regular);
}

}  // namespace vorlex::report

#include "scan/RowFormat.h"

#include <algorithm>
#include <compare>
#include <utility>

#include "base/Utf8.h"

namespace vorlex::scan {

void AppendDisplayText(std::string& out, std::string_view raw) {
    std::size_t p = 0;
    while (p < raw.size()) {
        char32_t c = 0;
        const std::size_t len = base::DecodeUtf8(raw, p, c);
        if (base::IsUndecodable(c)) {
            out += "\xEF\xBF\xBD";
        } else {
            out.append(raw.substr(p, len));
        }
        p += len;
    }
}

std::string DisplayText(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    AppendDisplayText(out, raw);
    return out;
}

std::string FormatSizeKB(std::uint64_t bytes, std::string_view thousands) {
    if (bytes == 0) {
        return "0";
    }
    if (bytes < 1024) {
        return "1";
    }
    // Integer rounding of bytes / 1024, halves up: exact where a double would lose the low digits.
    std::uint64_t kb = bytes / 1024 + (bytes % 1024 >= 512 ? 1 : 0);
    return platform::GroupThousands(kb, thousands);
}

std::int64_t AgeDays(platform::TimeValue created, platform::TimeValue scanStart) {
    // File times may lie anywhere in the 64-bit range of seconds, so the distance is taken in unsigned
    // seconds plus the millisecond parts; a whole day of milliseconds is a whole day of seconds.
    struct Moment {
        std::int64_t sec;
        std::int32_t ms;
        auto operator<=>(const Moment&) const = default;
    };
    Moment a{created.sec, created.nsec / 1000000};
    Moment b{scanStart.sec, scanStart.nsec / 1000000};
    if (a > b) {
        std::swap(a, b);
    }
    std::uint64_t seconds = static_cast<std::uint64_t>(b.sec) - static_cast<std::uint64_t>(a.sec);
    if (b.ms < a.ms) {
        --seconds;  // borrow: b is later, so at least one second apart here
    }
    return static_cast<std::int64_t>(seconds / platform::kSecondsPerDay);
}

RowFormatter::RowFormatter(platform::RegionalFormats formats, platform::TimeValue scanStartTime)
    : formats_(std::move(formats)), scanStart_(scanStartTime) {}

std::string RowFormatter::DateTimeText(platform::TimeValue t) const {
    return platform::FormatDateTime(platform::ToLocalCivil(t), formats_);
}

void RowFormatter::AppendDateTimeText(std::string& out, platform::TimeValue t,
                                      platform::DateTimeFormatter& cache) const {
    cache.AppendLocal(out, t);
}

std::string RowFormatter::CellText(const ResultRow& row, Column column) const {
    switch (column) {
        case Column::File:
            return DisplayText(row.path);
        case Column::Created:
            return DateTimeText(row.created);
        case Column::Modified:
            return DateTimeText(row.modified);
        case Column::Accessed:
            return DateTimeText(row.accessed);
        case Column::AgeDays:
            return std::to_string(AgeDays(row.created, scanStart_));
        case Column::SizeKB:
            return FormatSizeKB(row.size, formats_.thousands);
        case Column::Status:
            return StatusText(row.status);
        case Column::Count:
            break;
    }
    return {};
}

}  // namespace vorlex::scan

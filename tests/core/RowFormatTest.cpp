#include <clocale>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TimeZone.h"
#include "platform/Locale.h"
#include "scan/RowFormat.h"

using namespace vorlex::scan;
using vorlex::platform::RegionalFormats;
using vorlex::platform::TimeValue;
using vorlex::test::ScopedTimeZone;
using vorlex::test::Utc;

TEST(FormatSizeKB, SmallSizesAndHalfUpRounding) {
    EXPECT_EQ(FormatSizeKB(0, ","), "0");
    EXPECT_EQ(FormatSizeKB(1, ","), "1");
    EXPECT_EQ(FormatSizeKB(1023, ","), "1");
    EXPECT_EQ(FormatSizeKB(1024, ","), "1");
    EXPECT_EQ(FormatSizeKB(1535, ","), "1");
    EXPECT_EQ(FormatSizeKB(1536, ","), "2");
    EXPECT_EQ(FormatSizeKB(1'048'576, ","), "1,024");
    EXPECT_EQ(FormatSizeKB(5'000'000'000ULL, ","), "4,882,813");
    EXPECT_EQ(FormatSizeKB(5'000'000'000ULL, "."), "4.882.813");
    EXPECT_EQ(FormatSizeKB(5'000'000'000ULL, ""), "4882813");
    // Beyond 2^53 a double would lose the last digits.
    EXPECT_EQ(FormatSizeKB(std::numeric_limits<std::uint64_t>::max(), ","), "18,014,398,509,481,984");
}

TEST(AgeDays, WholeDaysEitherWayTruncated) {
    const TimeValue start = Utc(2026, 12, 9, 10, 15, 30);
    EXPECT_EQ(AgeDays(TimeValue{start.sec - 30 * 86400 - 23 * 3600, 0}, start), 30);
    EXPECT_EQ(AgeDays(TimeValue{start.sec - 30 * 86400, 0}, start), 30);
    EXPECT_EQ(AgeDays(TimeValue::FromMillis(start.Millis() - 30 * 86'400'000LL + 1), start), 29);
    EXPECT_EQ(AgeDays(TimeValue{start.sec + 2 * 86400 + 43200, 0}, start), 2);  // created after the start
}

TEST(RowFormatter, DateTimeTextDropsTheTimeAtMidnightOnly) {
    ScopedTimeZone tz("UTC0");
    RowFormatter f(RegionalFormats{"%m/%d/%Y", "%H:%M:%S", ","}, Utc(2026, 12, 9, 10, 0, 0));
    EXPECT_EQ(f.DateTimeText(Utc(2026, 12, 9, 0, 0, 0)), "12/09/2026");
    EXPECT_EQ(f.DateTimeText(TimeValue{Utc(2026, 12, 9, 0, 0, 0).sec, 999'000'000}), "12/09/2026");
    EXPECT_EQ(f.DateTimeText(Utc(2026, 12, 9, 0, 0, 1)), "12/09/2026 00:00:01");
    EXPECT_EQ(f.DateTimeText(Utc(2026, 12, 9, 13, 5, 7)), "12/09/2026 13:05:07");
}

TEST(RowFormatter, LocalFieldsUseTheOffsetInForceAtThatMoment) {
    ScopedTimeZone tz("CET-1CEST,M3.5.0,M10.5.0/3");
    RowFormatter f(RegionalFormats{"%Y-%m-%d", "%H:%M", ","}, Utc(2026, 1, 1, 0, 0, 0));
    EXPECT_EQ(f.DateTimeText(Utc(2026, 7, 1, 10, 0, 0)), "2026-07-01 12:00");   // summer: UTC+2
    EXPECT_EQ(f.DateTimeText(Utc(2026, 1, 15, 10, 0, 0)), "2026-01-15 11:00");  // winter: UTC+1
    EXPECT_EQ(f.DateTimeText(Utc(2026, 1, 14, 23, 0, 0)), "2026-01-15");        // local midnight
}

TEST(RowFormatter, CellTextsOfARow) {
    ScopedTimeZone tz("UTC0");
    const TimeValue start = Utc(2026, 12, 9, 10, 15, 30);
    RowFormatter f(RegionalFormats{"%d.%m.%Y", "%H:%M:%S", "."}, start);
    ResultRow row;
    row.path = "/data/caf\xE9.txt";
    row.created = Utc(2026, 11, 1, 8, 0, 0);
    row.modified = Utc(2026, 11, 2, 0, 0, 0);
    row.accessed = Utc(2026, 12, 1, 23, 59, 59);
    row.size = 1'536'000;
    row.status = RowStatus::NotDeleted;
    EXPECT_EQ(f.CellText(row, Column::File), "/data/caf\xEF\xBF\xBD.txt");
    EXPECT_EQ(f.CellText(row, Column::Created), "01.11.2026 08:00:00");
    EXPECT_EQ(f.CellText(row, Column::Modified), "02.11.2026");
    EXPECT_EQ(f.CellText(row, Column::Accessed), "01.12.2026 23:59:59");
    EXPECT_EQ(f.CellText(row, Column::AgeDays), "38");
    EXPECT_EQ(f.CellText(row, Column::SizeKB), "1.500");
    EXPECT_EQ(f.CellText(row, Column::Status), "NOT Deleted");
}

TEST(DisplayText, ReplacesEachUndecodableByteOnly) {
    EXPECT_EQ(DisplayText("/\xC3\xA9t\xC3\xA9/\xE4\xB8\xAD\xF0\x9F\x98\x80"),
              "/\xC3\xA9t\xC3\xA9/\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(DisplayText("a\xFF"
                          "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(DisplayText("\xC3"), "\xEF\xBF\xBD");                                  // truncated at the end
    EXPECT_EQ(DisplayText("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // overlong '/'
    EXPECT_EQ(DisplayText("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // a surrogate
}

namespace {

std::vector<ResultRow> Rows(std::initializer_list<std::pair<const char*, std::uint64_t>> items) {
    std::vector<ResultRow> rows;
    for (const auto& [path, size] : items) {
        ResultRow r;
        r.path = path;
        r.size = size;
        rows.push_back(r);
    }
    return rows;
}

std::vector<std::pair<std::string, std::uint64_t>> Order(const std::vector<ResultRow>& rows) {
    std::vector<std::pair<std::string, std::uint64_t>> out;
    for (const ResultRow& r : rows) {
        out.emplace_back(r.path, r.size);
    }
    return out;
}

/// Sets LC_COLLATE for one test and puts the previous setting back.
struct ScopedCollation {
    std::string old;
    explicit ScopedCollation(const char* name) : old(std::setlocale(LC_COLLATE, nullptr)) {
        ok = std::setlocale(LC_COLLATE, name) != nullptr;
    }
    ~ScopedCollation() { std::setlocale(LC_COLLATE, old.c_str()); }
    bool ok = false;
};

}  // namespace

TEST(SortRows, ByteOrderInTheCLocaleAndStableForEqualPaths) {
    ScopedCollation c("C");
    auto rows = Rows({{"/d/b", 1}, {"/d/B", 2}, {"/d/a", 3}, {"/d/b", 4}, {"/d/\xFF", 5}, {"/d/", 6}});
    SortRows(rows);
    EXPECT_EQ(Order(rows),
              (std::vector<std::pair<std::string, std::uint64_t>>{
                  {"/d/", 6}, {"/d/B", 2}, {"/d/a", 3}, {"/d/b", 1}, {"/d/b", 4}, {"/d/\xFF", 5}}));
}

TEST(SortRows, UserCollationIsAWordSortNotByteOrder) {
    ScopedCollation c("en_US.UTF-8");
    if (!c.ok) {
        GTEST_SKIP() << "en_US.UTF-8 is not installed";
    }
    auto rows = Rows({{"/d/cherry", 1}, {"/d/Banana", 2}, {"/d/apple", 3}});
    SortRows(rows);
    EXPECT_EQ(Order(rows), (std::vector<std::pair<std::string, std::uint64_t>>{
                               {"/d/apple", 3}, {"/d/Banana", 2}, {"/d/cherry", 1}}));
}

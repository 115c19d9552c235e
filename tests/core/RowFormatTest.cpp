#include <clocale>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TimeZone.h"
#include "scan/RowFormat.h"
#include "scan/RowOrder.h"

using namespace vorlex::scan;
using vorlex::platform::RegionalFormats;
using vorlex::platform::TimeValue;
using vorlex::test::ScopedTimeZone;
using vorlex::test::Utc;

TEST(FormatSizeKB, SmallSizesAndHalfUpRounding) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0"},
        {1, "1"},
        {1023, "1"},
        {1024, "1"},
        {1535, "1"},
        {1536, "2"},
        {1'048'576, "1,024"},
        {5'000'000'000ULL, "4,882,813"},
        {std::numeric_limits<std::uint64_t>::max(), "18,014,398,509,481,984"},  // beyond a double's digits
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(FormatSizeKB(bytes, ","), text) << bytes;
    }
    EXPECT_EQ(FormatSizeKB(5'000'000'000ULL, "."), "4.882.813");
}

TEST(RowFormatter, CellTextsDatesAtMidnightAndAge) {
    ScopedTimeZone tz("UTC0");
    RowFormatter f(RegionalFormats{"%d.%m.%Y", "%H:%M:%S", "."}, Utc(2026, 12, 9, 10, 15, 30));
    ResultRow row;
    row.path = "/data/caf\xE9.txt";
    row.created = Utc(2026, 11, 1, 8, 0, 0);
    row.modified = TimeValue{Utc(2026, 11, 2, 0, 0, 0).sec, 999'000'000};  // milliseconds do not count
    row.accessed = Utc(2026, 12, 1, 0, 0, 1);
    row.size = 1'536'000;
    row.status = RowStatus::NotDeleted;
    const char* expected[] = {"/data/caf\xEF\xBF\xBD.txt",
                              "01.11.2026 08:00:00",
                              "02.11.2026",
                              "01.12.2026 00:00:01",
                              "38",
                              "1.500",
                              "NOT Deleted"};
    for (int c = 0; c < static_cast<int>(Column::Count); ++c) {
        EXPECT_EQ(f.CellText(row, static_cast<Column>(c)), expected[c])
            << ColumnCaption(static_cast<Column>(c));
    }
    // Age counts whole days either way: a file "created" after the start is 2.5 days off.
    EXPECT_EQ(AgeDays(TimeValue{Utc(2026, 12, 11, 22, 15, 30).sec, 0}, f.ScanStartTime()), 2);
    EXPECT_EQ(
        AgeDays(TimeValue::FromMillis(f.ScanStartTime().Millis() - 30 * 86'400'000LL + 1), f.ScanStartTime()),
        29);
}

TEST(RowFormatter, LocalFieldsUseTheOffsetInForceAtThatMoment) {
    ScopedTimeZone tz("CET-1CEST,M3.5.0,M10.5.0/3");
    RowFormatter f(RegionalFormats{"%Y-%m-%d", "%H:%M", ","}, Utc(2026, 1, 1, 0, 0, 0));
    EXPECT_EQ(f.DateTimeText(Utc(2026, 7, 1, 10, 0, 0)), "2026-07-01 12:00");  // summer: UTC+2
    EXPECT_EQ(f.DateTimeText(Utc(2026, 1, 14, 23, 0, 0)), "2026-01-15");       // winter: UTC+1, midnight
}

TEST(DisplayText, ReplacesEachUndecodableByteOnly) {
    const std::string valid = "/\xC3\xA9t\xC3\xA9/\xE4\xB8\xAD\xF0\x9F\x98\x80";
    EXPECT_EQ(DisplayText(valid), valid);
    const std::string r = "\xEF\xBF\xBD";
    EXPECT_EQ(DisplayText("a\xFF"
                          "b"),
              "a" + r + "b");
    EXPECT_EQ(DisplayText("\xC3"), r);                  // truncated at the end
    EXPECT_EQ(DisplayText("\xC0\xAF"), r + r);          // overlong '/'
    EXPECT_EQ(DisplayText("\xED\xA0\x80"), r + r + r);  // a surrogate
}

TEST(SortRows, ByTheUsersCollationAndStable) {
    auto sorted = [](std::vector<std::pair<const char*, int>> items) {
        std::vector<ResultRow> rows;
        for (const auto& [path, tag] : items) {
            rows.emplace_back();
            rows.back().path = path;
            rows.back().size = static_cast<std::uint64_t>(tag);
        }
        SortRows(rows);
        std::vector<std::pair<std::string, int>> out;
        for (const ResultRow& r : rows) {
            out.emplace_back(r.path, static_cast<int>(r.size));
        }
        return out;
    };
    const std::string old = std::setlocale(LC_COLLATE, nullptr);
    std::setlocale(LC_COLLATE, "C");
    EXPECT_EQ(sorted({{"/d/b", 1}, {"/d/B", 2}, {"/d/a", 3}, {"/d/b", 4}, {"/d/\xFF", 5}}),
              (std::vector<std::pair<std::string, int>>{
                  {"/d/B", 2}, {"/d/a", 3}, {"/d/b", 1}, {"/d/b", 4}, {"/d/\xFF", 5}}));
    if (std::setlocale(LC_COLLATE, "en_US.UTF-8") != nullptr) {
        EXPECT_EQ(
            sorted({{"/d/cherry", 1}, {"/d/Banana", 2}, {"/d/apple", 3}}),
            (std::vector<std::pair<std::string, int>>{{"/d/apple", 3}, {"/d/Banana", 2}, {"/d/cherry", 1}}));
    }
    std::setlocale(LC_COLLATE, old.c_str());
}

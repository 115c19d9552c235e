#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "CsvReader.h"
#include "FileSizeLimit.h"
#include "LineLog.h"
#include "TempDir.h"
#include "TimeZone.h"
#include "report/Ansi.h"
#include "report/CsvWriter.h"

using namespace vorlex::base;
using namespace vorlex::report;
using vorlex::platform::RegionalFormats;
using vorlex::platform::TimeValue;
using vorlex::scan::Column;
using vorlex::scan::ResultRow;
using vorlex::scan::RowFormatter;
using vorlex::scan::RowStatus;
using vorlex::test::CsvRecords;
using vorlex::test::ScopedTimeZone;
using vorlex::test::Utc;

namespace {

ResultRow Row(std::string path, std::uint64_t size = 1'536'000, RowStatus status = RowStatus::Found) {
    ResultRow r;
    r.path = std::move(path);
    r.created = Utc(2026, 11, 1, 8, 0, 0);
    r.modified = Utc(2026, 11, 2, 0, 0, 0);
    r.accessed = Utc(2026, 12, 1, 23, 59, 59);
    r.size = size;
    r.status = status;
    return r;
}

const TimeValue kStart = Utc(2026, 12, 9, 10, 15, 30);
const char* const kHeader = "File,Created,Modified,Accessed,Age (Days),Size (KB),Status";

/// A long list (several MiB of CSV) of awkward names and times: quotes, commas, line breaks, invalid and
/// non-Latin UTF-8, times from long ago to far ahead, neighbours sharing a second, midnights.
std::vector<ResultRow> ManyRows(std::size_t count) {
    const char* const names[] = {"plain.txt",
                                 "say \"hi\".txt",
                                 "a,b,,c.txt",
                                 "line\nbreak\r.txt",
                                 "caf\xC3\xA9 \xE2\x82\xAC.txt",
                                 "\xE4\xB8\xAD\xE6\x96\x87.txt",
                                 "bad\xFF\xC3.txt",
                                 "\x7F\xC2\x85\x01.txt",
                                 "\xF0\x9F\x98\x80 \"\".txt"};
    std::mt19937_64 rng(7);
    std::vector<ResultRow> rows(count);
    for (std::size_t i = 0; i < count; ++i) {
        ResultRow& r = rows[i];
        r.path = "/data/folder " + std::to_string(i / 100) + "/" + names[i % std::size(names)];
        const std::int64_t span = i % 5 == 0 ? 40'000'000'000LL : 300'000'000LL;
        r.created = TimeValue{kStart.sec - static_cast<std::int64_t>(rng() % span), 0};
        r.modified =
            i % 3 == 0 ? r.created : TimeValue{r.created.sec + static_cast<std::int64_t>(rng() % 9000), 5};
        r.accessed = Utc(2026, 12, static_cast<int>(1 + i % 8), 0, 0, 0);
        r.size = rng() >> (rng() % 64);
        r.status = static_cast<RowStatus>(i % 5);
    }
    return rows;
}

}  // namespace

TEST(WriteCsvFile, HostilePathsStayOneRecordEachWhenReadBack) {
    ScopedTimeZone tz("UTC0");
    vorlex::test::TempDir dir;
    const std::string path = dir.path + "/" + kCsvFileName;
    std::vector<ResultRow> rows = {
        Row("/data/a,b/plain.txt"),
        Row("/data/say \"hi\".txt", 5'000'000'000ULL),
        Row("/data/line\nbreak\r\tx.txt", 0, RowStatus::Deleted),
        Row("/data/caf\xC3\xA9 \xE2\x82\xAC \xC5\x92.txt", 1023),
        Row("/data/\xE4\xB8\xAD\xE6\x96\x87 \xD0\x96.txt"),
        Row("/data/bad\xFF\xC3.txt"),
        Row("/data/\x7F\xC2\x85\xC2\x81.txt"),
    };
    RowFormatter formatter(RegionalFormats{"%m/%d/%Y", "%H:%M:%S", ","}, kStart);
    ASSERT_EQ(WriteCsvFile(path, rows, formatter), 0);

    const std::vector<std::string> expectedPaths = {
        "/data/a,b/plain.txt",
        "/data/say \"hi\".txt",
        "/data/line?break??x.txt",
        "/data/caf\xC3\xA9 \xE2\x82\xAC \xC5\x92.txt",  // é, € and Œ are in the code page
        "/data/?? ?.txt",
        "/data/bad??.txt",
        "/data/???.txt",
    };
    const std::vector<std::string> expectedSizes = {"1500", "4882813", "0", "1", "1500", "1500", "1500"};
    auto records = CsvRecords(path);
    ASSERT_EQ(records.size(), rows.size() + 1);
    EXPECT_EQ(records[0], (std::vector<std::string>{"File", "Created", "Modified", "Accessed", "Age (Days)",
                                                    "Size (KB)", "Status"}));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string status = i == 2 ? "Deleted" : "Found";
        EXPECT_EQ(records[i + 1],
                  (std::vector<std::string>{expectedPaths[i], "11/01/2026 08:00:00", "11/02/2026",
                                            "12/01/2026 23:59:59", "38", expectedSizes[i], status}))
            << "row " << i;
    }

    // The bytes themselves: no byte-order mark, CR LF after every line, the path alone quoted.
    const std::string raw = dir.Read(kCsvFileName);
    EXPECT_EQ(raw.rfind(std::string(kHeader) + "\r\n", 0), 0u);
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(raw[i - 1], '\r') << "bare line feed at byte " << i;
            ++lineEnds;
        }
    }
    EXPECT_EQ(lineEnds, rows.size() + 1);
    EXPECT_EQ(raw.substr(raw.size() - 2), "\r\n");
    EXPECT_NE(raw.find("\r\n\"/data/say \"\"hi\"\".txt\",11/01/2026 08:00:00,11/02/2026,"),
              std::string::npos);
    EXPECT_NE(raw.find("\"/data/caf\xE9 \x80 \x8C.txt\""), std::string::npos);
}

TEST(WriteCsvFile, EachCodePageIsWhatPythonsCodecReadsBack) {
    ScopedTimeZone tz("UTC0");
    vorlex::test::TempDir dir;
    const std::string path = dir.path + "/" + kCsvFileName;
    // Greek, Turkish, Polish, Han, Hangul, Hebrew, Arabic, Thai, Baltic and Western letters, quote and comma.
    const std::string common =
        "/d/\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1 \xC4\x9F\xC5\x9F\xC4\xB0\xC4\xB1 "
        "\xC5\x82\xC3\xB3"
        "d\xC5\xBA \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xED\x95\x9C\xEA\xB5\xAD "
        "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD8\xB3\xD9\x84\xD8\xA7\xD9\x85 "
        "\xE0\xB9\x84\xE0\xB8\x97\xE0\xB8\xA2 "
        "\xC4\x85\xC4\x8D\xC4\x97\xC5\xB3 \xC3\xA9\xC3\x9F\xC5\x92\xE2\x84\xA2 \"q\",x.txt";
    // Cyrillic, kana and the yen sign, which glibc's 950 lacks while Python's holds them.
    const std::string more = "/d/\xD0\x96\xD1\x83\xD0\xBA \xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 \xC2\xA5.txt";
    const std::pair<int, const char*> pages[] = {{1250, "cp1250"}, {1251, "cp1251"}, {1253, "cp1253"},
                                                 {1254, "cp1254"}, {1255, "cp1255"}, {1256, "cp1256"},
                                                 {1257, "cp1257"}, {874, "cp874"},   {932, "cp932"},
                                                 {936, "cp936"},   {949, "cp949"},   {950, "cp950"}};
    for (const auto& [codePage, codec] : pages) {
        std::vector<ResultRow> rows = {Row(common)};
        if (codePage != 950) {
            rows.push_back(Row(more, 5'000'000'000ULL));
        }
        // A Japanese date and time, and a no-break space between thousands.
        const RowFormatter formatter(
            RegionalFormats{"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5",
                            "%H\xE6\x99\x82%M\xE5\x88\x86%S\xE7\xA7\x92", "\xC2\xA0", codePage},
            kStart);
        ASSERT_EQ(WriteCsvFile(path, rows, formatter), 0) << codePage;
        bool ok = false;
        const auto records = CsvRecords(path, &ok, codec);
        ASSERT_TRUE(ok) << codePage;
        ASSERT_EQ(records.size(), rows.size() + 1) << codePage;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            std::vector<std::string> cells{rows[i].path};
            for (Column c : {Column::Created, Column::Modified, Column::Accessed, Column::AgeDays,
                             Column::SizeKB, Column::Status}) {
                cells.push_back(formatter.CellText(rows[i], c));
            }
            EXPECT_EQ(records[i + 1], vorlex::test::PythonInCodePage(cells, codec))
                << codePage << " row " << i;
        }
    }
}

TEST(WriteCsvFile, SeparatorsStayAndAnEmptyListGivesTheHeaderAlone) {
    ScopedTimeZone tz("UTC0");
    vorlex::test::TempDir dir;
    const std::string path = dir.File(kCsvFileName, std::string(5000, 'x'));
    std::vector<ResultRow> rows = {Row("/d/x")};
    ASSERT_EQ(WriteCsvFile(path, rows, RowFormatter(RegionalFormats{"%m/%d/%Y", "%H:%M:%S", "."}, kStart)),
              0);
    EXPECT_EQ(CsvRecords(path).at(1).at(5), "1.500");

    // A short date with a comma is not quoted, so it splits into two fields.
    ASSERT_EQ(WriteCsvFile(path, rows, RowFormatter(RegionalFormats{"%a, %d %b %Y", "%H:%M", ","}, kStart)),
              0);
    auto records = CsvRecords(path);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].size(), 10u);
    EXPECT_EQ(records[1][8], "1500");

    ASSERT_EQ(WriteCsvFile(path, {}, RowFormatter(RegionalFormats{"%x", "%X", ","}, kStart)), 0);
    EXPECT_EQ(dir.Read(kCsvFileName), std::string(kHeader) + "\r\n");
}

TEST(BuildCsvText, EveryByteThatNeedsCareIsFoundWhereverItStandsInALongName) {
    ScopedTimeZone tz("UTC0");
    const RowFormatter formatter(RegionalFormats{"%m/%d/%Y", "%H:%M:%S", ","}, kStart);
    // Names are looked at several bytes at a time: each byte that needs care, at every place of a block,
    // beside the printable bytes at the edges of the range that stays (blank, '!', '#', '~').
    const std::pair<std::string, std::string> cases[] = {
        {"\"", "\"\""}, {"\n", "?"},          {std::string(1, '\0'), "?"}, {"\x1F", "?"},
        {"\x7F", "?"},  {"\xC3\xA9", "\xE9"}, {"\xC2\x85", "?"},           {"\xFF", "?"}};
    for (const auto& [raw, encoded] : cases) {
        for (std::size_t at = 0; at < 19; ++at) {
            const std::string before = std::string(at, '~') + " ";
            const std::string after = "#!" + std::string(20 - at, 'a');
            const std::string text = BuildCsvText({Row(before + raw + after)}, formatter);
            const std::string line = text.substr(std::string(kHeader).size() + 2);
            EXPECT_EQ(line.substr(0, line.find("\",")), "\"" + before + encoded + after)
                << "byte " << static_cast<int>(static_cast<unsigned char>(raw[0])) << " after " << at;
        }
    }
}

TEST(WriteToCSVFile, LogsOnSuccessAndThrowsOnFailure) {
    vorlex::test::TempDir dir;
    vorlex::test::LineLog log;
    std::vector<ResultRow> rows = {Row("/d/x")};
    RowFormatter formatter(RegionalFormats{"%x", "%X", ","}, kStart);

    const std::string good = dir.path + "/" + kCsvFileName;
    WriteToCSVFile(good, rows, formatter, log);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].text, "Results written to CSV file " + good);
    EXPECT_EQ(log.lines[0].colour, kBlue);
    EXPECT_EQ(log.lines[0].style, LogStyle::Regular);

    const std::string bad = dir.path + "/missing/" + kCsvFileName;
    EXPECT_NE(WriteCsvFile(bad, rows, formatter), 0);
    try {
        WriteToCSVFile(bad, rows, formatter, log);
        FAIL() << "a failed write went unnoticed";
    } catch (const CsvWriteError& e) {
        EXPECT_EQ(e.Code(), 2);
        EXPECT_STREQ(e.what(),
                     ("The file " + bad + " cannot be written.\nREASON: No such file or directory").c_str());
    }
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST(WriteCsvFile, StreamsALongListByteForByteAndLetsTheCallerRunMeanwhile) {
    ScopedTimeZone tz("CET-1CEST,M3.5.0,M10.5.0/3");
    vorlex::test::TempDir dir;
    const std::string path = dir.File(kCsvFileName, "previous");
    const std::vector<ResultRow> rows = ManyRows(40'000);
    RowFormatter formatter(RegionalFormats{"%m/%d/%Y", "%r", ","}, kStart);

    std::size_t calls = 0;
    ASSERT_EQ(WriteCsvFile(path, rows, formatter,
                           [&] {
                               // While the rows are written, readers still find the previous file.
                               if (++calls == 1) {
                                   EXPECT_EQ(dir.Read(kCsvFileName), "previous");
                                   EXPECT_EQ(vorlex::test::EntryNames(dir.path).size(), 2u);
                               }
                           }),
              0);
    EXPECT_GE(calls, rows.size() / 5000) << "the caller must get its turn every few thousand rows";

    const std::string raw = dir.Read(kCsvFileName);
    EXPECT_GT(raw.size(), std::size_t{3} << 20);  // several chunks
    EXPECT_EQ(raw, BuildCsvText(rows, formatter));
    EXPECT_EQ(vorlex::test::EntryNames(dir.path), (std::set<std::string>{kCsvFileName}));

    // Every field after the path reads as the cell texts of the row, made one by one the slow way.
    std::size_t pos = raw.find("\r\n") + 2;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::size_t end = raw.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "row " << i;
        const std::string line = raw.substr(pos, end - pos);
        pos = end + 2;
        std::string tail = "\"";
        for (Column c : {Column::Created, Column::Modified, Column::Accessed, Column::AgeDays, Column::SizeKB,
                         Column::Status}) {
            std::string cell = ToWindows1252(formatter.CellText(rows[i], c));
            if (c == Column::SizeKB) {
                std::erase(cell, ',');
            }
            tail += "," + cell;
        }
        ASSERT_GT(line.size(), tail.size()) << "row " << i;
        ASSERT_EQ(line.substr(line.size() - tail.size()), tail) << "row " << i;
        ASSERT_EQ(line[0], '"') << "row " << i;
    }
    EXPECT_EQ(pos, raw.size());
}

TEST(WriteCsvFile, AFailedOrAbandonedWriteLeavesThePreviousFile) {
    vorlex::test::TempDir dir;
    const std::string path = dir.File(kCsvFileName, "previous");
    const std::vector<ResultRow> rows = ManyRows(20'000);
    RowFormatter formatter(RegionalFormats{"%x", "%X", ","}, kStart);
    vorlex::test::LineLog log;
    {
        // The disk fills up after the first chunk.
        vorlex::test::ScopedFileSizeLimit limit(std::size_t{3} << 19);
        ASSERT_TRUE(limit.Ok());
        EXPECT_EQ(WriteCsvFile(path, rows, formatter), EFBIG);
        EXPECT_EQ(dir.Read(kCsvFileName), "previous");
        EXPECT_EQ(vorlex::test::EntryNames(dir.path), (std::set<std::string>{kCsvFileName}));
        try {
            WriteToCSVFile(path, rows, formatter, log, [] {});
            ADD_FAILURE() << "a failed write went unnoticed";
        } catch (const CsvWriteError& e) {
            EXPECT_EQ(e.Code(), EFBIG);
        }
        EXPECT_TRUE(log.lines.empty());
        EXPECT_EQ(dir.Read(kCsvFileName), "previous");
    }

    // The caller gives up in the middle (its keep-alive throws): nothing of the new file stays behind.
    int calls = 0;
    EXPECT_THROW(WriteToCSVFile(path, rows, formatter, log,
                                [&] {
                                    if (++calls == 3) {
                                        throw std::runtime_error("stop");
                                    }
                                }),
                 std::runtime_error);
    EXPECT_EQ(dir.Read(kCsvFileName), "previous");
    EXPECT_EQ(vorlex::test::EntryNames(dir.path), (std::set<std::string>{kCsvFileName}));
    EXPECT_TRUE(log.lines.empty());
}

TEST(ToWindows1252, MapsTheCodePageAndReplacesTheRest) {
    EXPECT_EQ(ToWindows1252("A\xC2\xA0\xC3\xBF\xE2\x80\x9C\xE2\x84\xA2\xC5\xB8"), "A\xA0\xFF\x93\x99\x9F");
    EXPECT_EQ(ToWindows1252("\xC4\x80\xC2\x81\xF0\x9F\x98\x80\xFF"), "????");
    EXPECT_EQ(ToWindows1252("tab\tstays"), "tab\tstays");
}

TEST(Cp1252Byte, AgreesWithTheSystemsConverterOnEveryCodePoint) {
    iconv_t cd = iconv_open("WINDOWS-1252", "UTF-32LE");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    const vorlex::platform::CodePage& windows1252 = vorlex::platform::CodePage::Get(1252);
    ASSERT_EQ(windows1252.Number(), 1252);
    int mismatches = 0;
    for (std::uint32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            continue;  // not characters
        }
        char in[4] = {static_cast<char>(cp & 0xFF), static_cast<char>((cp >> 8) & 0xFF),
                      static_cast<char>((cp >> 16) & 0xFF), 0};
        char out[4] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = sizeof in;
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool mapped = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
                            outPtr == out + 1;
        const int want = mapped ? static_cast<unsigned char>(out[0]) : -1;
        const int got = vorlex::report::Cp1252Byte(static_cast<std::int32_t>(cp));
        if (got != want && ++mismatches <= 5) {
            ADD_FAILURE() << "U+" << std::hex << cp << ": " << got << " instead of " << want;
        }
        // The table the CSV file is written with in 1252 locales gives the same bytes.
        std::string bytes;
        const int fromTable =
            windows1252.Append(bytes, cp) && bytes.size() == 1 ? static_cast<unsigned char>(bytes[0]) : -1;
        if (fromTable != want && ++mismatches <= 5) {
            ADD_FAILURE() << "table U+" << std::hex << cp << ": " << fromTable << " instead of " << want;
        }
    }
    iconv_close(cd);
    EXPECT_EQ(mismatches, 0);
}

// Regressions for faults the fuzz targets (fuzz/) found: each test holds the smallest case of one finding.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LineLog.h"
#include "TempDir.h"
#include "config/Settings.h"
#include "scan/Matcher.h"
#include "scan/RowFormat.h"

using namespace vorlex;
using platform::TimeValue;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

}  // namespace

// A settings file whose last line ends in a lone CR (a cut-off CR LF, or old Mac line ends) took the first
// key written after that line into the line itself: the header swallowed "Debug", or another section's last
// value gained a CR.
TEST(UpdateIniFile, AKeyWrittenAfterALoneFinalCrGetsALineOfItsOwn) {
    test::TempDir dir;
    config::Settings s;
    s.debugMode = true;
    s.daysOld = 45;
    s.drivePath = "/srv/old";

    const std::string sectionLast = dir.File("section/Vorlex.ini", "[Other]\r\nKey=Value\r\n[Vorlex]\r");
    config::SaveSettingsFile(sectionLast, s);
    EXPECT_EQ(config::ReadSettingsFile(sectionLast, "/opt/"), s);
    EXPECT_EQ(dir.Read("section/Vorlex.ini").rfind("[Other]\r\nKey=Value\r\n[Vorlex]\r\nDebug=1\r\n", 0), 0u);

    const std::string otherLast = dir.File("other/Vorlex.ini", "[Other]\r\nKey=Value\r");
    config::SaveSettingsFile(otherLast, s);
    EXPECT_EQ(config::ReadSettingsFile(otherLast, "/opt/"), s);
    EXPECT_EQ(config::IniFile::Read(otherLast).ReadString("Other", "Key", ""), "Value");
    EXPECT_EQ(dir.Read("other/Vorlex.ini").rfind("[Other]\r\nKey=Value\r\n[Vorlex]\r\n", 0), 0u);
}

// Some file systems (tmpfs, btrfs) keep any 64-bit second count, e.g. `touch -d @9300000000000000`.
// Milliseconds of such a time overflowed: a far-future time wrapped round to a negative, "old" one.
TEST(TimeValue, MillisOfTimesBeyondTheirRangeStayAtItsEnds) {
    EXPECT_EQ((TimeValue{9'300'000'000'000'000, 0}.Millis()), kMax);
    EXPECT_EQ((TimeValue{kMax, 999'999'999}.Millis()), kMax);
    EXPECT_EQ((TimeValue{kMin, 0}.Millis()), kMin);
    EXPECT_EQ((TimeValue{-9'223'372'036'854'775, 0}.Millis()), -9'223'372'036'854'775'000);
    EXPECT_EQ((TimeValue{9'223'372'036'854'774, 999'999'999}.Millis()), 9'223'372'036'854'774'999);
    EXPECT_EQ((TimeValue{-1, 500'000'000}.Millis()), -500);
}

TEST(AgeDays, CountsWholeDaysBetweenAnyTwoTimes) {
    const TimeValue start{1'780'000'000, 123'000'000};
    // The widest distance there is: 2^64 - 1 seconds.
    const auto widest = static_cast<std::int64_t>(std::numeric_limits<std::uint64_t>::max() / 86400);
    EXPECT_EQ(scan::AgeDays(TimeValue{kMin, 0}, TimeValue{kMax, 0}), widest);
    EXPECT_EQ(scan::AgeDays(TimeValue{kMax, 0}, TimeValue{kMin, 0}), widest);
    EXPECT_EQ(scan::AgeDays(TimeValue{9'300'000'000'000'000, 0}, start),
              (9'300'000'000'000'000 - 1'780'000'000 - 1) / 86400);  // start's 123 ms fall short of a second
    // Milliseconds count, below them nothing does.
    EXPECT_EQ(scan::AgeDays(TimeValue{0, 999'000'000}, TimeValue{86400, 998'999'999}), 0);
    EXPECT_EQ(scan::AgeDays(TimeValue{0, 999'999'999}, TimeValue{86400, 999'000'000}), 1);
    EXPECT_EQ(scan::AgeDays(TimeValue{86400, 999'000'000}, TimeValue{0, 999'999'999}), 1);
}

TEST(Matcher, AFarFutureTimeIsNeverTakenForAnOldOne) {
    scan::SearchCriteria criteria;
    criteria.days = 30;
    criteria.StartRun(platform::FixedClock(TimeValue{1'780'000'000, 0}));
    scan::RegEx regEx;
    test::LineLog log;
    std::vector<scan::ResultRow> rows;
    scan::Matcher m(criteria, regEx, log, rows);

    const TimeValue old{1'700'000'000, 0};
    scan::FileFacts future;
    future.name = "future";
    future.created = old;
    future.modified = TimeValue{9'300'000'000'000'000, 0};
    m.MatchFile("/data/", future);
    scan::FileFacts ancient;
    ancient.name = "ancient";
    ancient.created = TimeValue{kMin, 0};
    ancient.modified = old;
    m.MatchFile("/data/", ancient);

    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].path, "/data/ancient");
}

TEST(FuzzFindings, MovingTheEarliestMomentBackStaysInRange) {
    vorlex::platform::TimeValue earliest{std::numeric_limits<std::int64_t>::min() + 10, 0};
    EXPECT_EQ(earliest.EarlierBy(61).sec, std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ((vorlex::platform::TimeValue{100, 5}.EarlierBy(61)), (vorlex::platform::TimeValue{39, 5}));
}

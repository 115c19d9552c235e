#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingLog.h"
#include "platform/Time.h"
#include "scan/Matcher.h"
#include "scan/RowFormat.h"

using namespace vorlex::scan;
using vorlex::platform::FixedClock;
using vorlex::platform::TimeValue;

namespace {

constexpr std::int64_t kDayMs = 86400 * 1000LL;
const TimeValue kNow = TimeValue::FromMillis(1'780'000'000'123);  // a moment with milliseconds

TimeValue DaysBefore(double days) {
    return TimeValue::FromMillis(kNow.Millis() - static_cast<std::int64_t>(days * kDayMs));
}

/// One run: criteria started on a fixed clock, a shared expression object, a log and the rows.
struct ScanRun {
    SearchCriteria criteria;
    RegEx regEx;
    vorlex::test::RecordingLog log;
    std::vector<ResultRow> rows;

    explicit ScanRun(int days) {
        criteria.startPath = "/data";
        criteria.days = days;
    }
    Matcher Start() {
        FixedClock clock(kNow);
        criteria.StartRun(clock);
        log.debug = criteria.DebugMode;
        return Matcher(criteria, regEx, log, rows);
    }
};

FileFacts Old(std::string_view name, double days = 400) {
    FileFacts f;
    f.name = name;
    f.created = DaysBefore(days);
    f.modified = DaysBefore(days);
    f.accessed = kNow;
    f.size = 1536;
    return f;
}

}  // namespace

TEST(SearchCriteria, CutOffIsWholeDaysBeforeTheMillisecondStart) {
    SearchCriteria c;
    c.days = 30;
    FixedClock clock(TimeValue{1'780'000'000, 987'654'321});
    c.StartRun(clock);
    EXPECT_EQ(c.ScanStartTime, (TimeValue{1'780'000'000, 987'000'000}));
    EXPECT_EQ(c.CutOffTime, (TimeValue{1'780'000'000 - 30 * 86400, 987'000'000}));
    EXPECT_TRUE(c.Validate().empty());
    c.days = 10001;
    EXPECT_FALSE(c.Validate().empty());
    c.days = 3;
    c.target = static_cast<RegExTarget>(3);
    EXPECT_FALSE(c.Validate().empty());
    EXPECT_EQ(DaysFromNumber(29.9), 29);
    EXPECT_EQ(DaysFromNumber(-0.5), 0);
    EXPECT_EQ(DaysFromNumber(10000.5), 10000);
    EXPECT_FALSE(DaysFromNumber(10001).has_value());
    EXPECT_FALSE(DaysFromNumber(-1).has_value());
}

TEST(Matcher, AgeTestNeedsBothCreatedAndModifiedAtOrBeforeTheCutOff) {
    ScanRun run(30);
    Matcher m = run.Start();
    FileFacts exact = Old("exact.txt");
    exact.created = run.criteria.CutOffTime;
    exact.modified = run.criteria.CutOffTime;
    m.MatchFile("/data/", exact);
    FileFacts writtenLately = Old("written.txt");
    writtenLately.modified = DaysBefore(2);
    m.MatchFile("/data/", writtenLately);
    FileFacts copiedLately = Old("copied.txt");
    copiedLately.created = DaysBefore(29.99);
    m.MatchFile("/data/", copiedLately);
    FileFacts oneMsLate = Old("late.txt");
    oneMsLate.created = TimeValue::FromMillis(run.criteria.CutOffTime.Millis() + 1);
    m.MatchFile("/data/", oneMsLate);

    EXPECT_EQ(m.FilesFound(), 4u);
    EXPECT_EQ(m.FilesMatched(), 1u);
    ASSERT_EQ(run.rows.size(), 1u);
    EXPECT_EQ(run.rows[0].path, "/data/exact.txt");
    EXPECT_EQ(AgeDays(run.rows[0].created, run.criteria.ScanStartTime), 30);
}

TEST(Matcher, ZeroDaysListsEverythingUpToTheStartMoment) {
    ScanRun run(0);
    Matcher m = run.Start();
    FileFacts now = Old("now.txt");
    now.created = kNow;
    now.modified = kNow;
    m.MatchFile("/data/", now);
    FileFacts future = Old("future.txt");
    future.modified = TimeValue::FromMillis(kNow.Millis() + 1);
    m.MatchFile("/data/", future);
    ASSERT_EQ(run.rows.size(), 1u);
    EXPECT_EQ(run.rows[0].path, "/data/now.txt");
}

TEST(Matcher, RowKeepsRawTimesSizeAndIdentity) {
    ScanRun run(1);
    Matcher m = run.Start();
    FileFacts f = Old("caf\xE9 \"x\",\n.bin");
    f.accessed = TimeValue{123, 456};
    f.size = 5'000'000'000ULL;
    f.device = 2049;
    f.inode = 77;
    f.fileType = 8;
    m.MatchFile("/data/sub/", f);
    ASSERT_EQ(run.rows.size(), 1u);
    const ResultRow& r = run.rows[0];
    EXPECT_EQ(r.path, "/data/sub/caf\xE9 \"x\",\n.bin");
    EXPECT_EQ(r.created, f.created);
    EXPECT_EQ(r.modified, f.modified);
    EXPECT_EQ(r.accessed, f.accessed);
    EXPECT_EQ(r.size, f.size);
    EXPECT_EQ(r.device, 2049u);
    EXPECT_EQ(r.inode, 77u);
    EXPECT_EQ(r.fileType, 8);
    EXPECT_EQ(r.status, RowStatus::Found);
}

TEST(Matcher, DebugLinesFollowTheTestOrderAndEveryMatchingMask) {
    ScanRun run(10);
    run.criteria.DebugMode = true;
    run.criteria.UseIncludeFiles = true;
    run.criteria.includeMasks = "*.log,*.l*";
    run.criteria.UseExcludeFiles = true;
    run.criteria.excludeMasks = "x*, *.tmp";
    Matcher m = run.Start();
    m.MatchFile("/d/", Old("x.log"));
    m.MatchFile("/d/", Old("y.log"));
    m.MatchFile("/d/", Old("young.log", 1));
    EXPECT_EQ(run.log.Texts(), (std::vector<std::string>{
                                   "File [/d/x.log] matched by File Age",
                                   "File [/d/x.log] Included by mask *.log",
                                   "File [/d/x.log] Included by mask *.l*",
                                   "File [/d/x.log] Excluded by mask x*",
                                   "File [/d/y.log] matched by File Age",
                                   "File [/d/y.log] Included by mask *.log",
                                   "File [/d/y.log] Included by mask *.l*",
                               }));
    for (const auto& line : run.log.lines) {
        EXPECT_EQ(line.colour, vorlex::report::kGreen);
    }
    ASSERT_EQ(run.rows.size(), 1u);
    EXPECT_EQ(run.rows[0].path, "/d/y.log");
}

TEST(Matcher, DebugOffWritesNothingAndInvalidUtf8IsLoggedAsReplacement) {
    ScanRun quiet(0);
    quiet.criteria.UseRegEx = true;
    quiet.criteria.expression = ".";
    Matcher m = quiet.Start();
    m.MatchFile("/d/", Old("a"));
    EXPECT_TRUE(quiet.log.lines.empty());
    EXPECT_EQ(quiet.rows.size(), 1u);

    ScanRun loud(0);
    loud.criteria.DebugMode = true;
    Matcher m2 = loud.Start();
    m2.MatchFile("/d\xFF/", Old("n\xE9"));
    ASSERT_EQ(loud.log.lines.size(), 1u);
    EXPECT_EQ(loud.log.lines[0].text, "File [/d\xEF\xBF\xBD/n\xEF\xBF\xBD] matched by File Age");
    EXPECT_EQ(loud.rows.at(0).path, "/d\xFF/n\xE9");  // the row keeps the raw bytes
}

TEST(Matcher, IncludeListInUseButEmptyListsNothingAndTrailingCommaIsHarmless) {
    ScanRun empty(0);
    empty.criteria.UseIncludeFiles = true;
    empty.criteria.includeMasks = "";
    Matcher m = empty.Start();
    m.MatchFile("/d/", Old("a.tmp"));
    EXPECT_TRUE(empty.rows.empty());

    ScanRun trailing(0);
    trailing.criteria.UseIncludeFiles = true;
    trailing.criteria.includeMasks = "*.tmp,";
    Matcher m2 = trailing.Start();
    m2.MatchFile("/d/", Old("A.TMP"));
    m2.MatchFile("/d/", Old("a.txt"));
    ASSERT_EQ(trailing.rows.size(), 1u);
    EXPECT_EQ(trailing.rows[0].path, "/d/A.TMP");
}

TEST(Matcher, ExpressionTargetsAndNegation) {
    ScanRun pathOnly(0);
    pathOnly.criteria.UseRegEx = true;
    pathOnly.criteria.expression = "TEMP";
    pathOnly.criteria.target = RegExTarget::PathOnly;
    Matcher m = pathOnly.Start();
    m.MatchFile("/home/a/AppData/Local/Temp/", Old("x.dat"));
    m.MatchFile("/home/a/", Old("temp.dat"));  // the name is not part of the subject
    ASSERT_EQ(pathOnly.rows.size(), 1u);
    EXPECT_EQ(pathOnly.rows[0].path, "/home/a/AppData/Local/Temp/x.dat");

    ScanRun fileOnly(0);
    fileOnly.criteria.UseRegEx = true;
    fileOnly.criteria.expression = "^a";
    fileOnly.criteria.target = RegExTarget::FileOnly;
    Matcher m2 = fileOnly.Start();
    m2.MatchFile("/a/", Old("b"));
    m2.MatchFile("/b/", Old("a"));
    ASSERT_EQ(fileOnly.rows.size(), 1u);
    EXPECT_EQ(fileOnly.rows[0].path, "/b/a");

    // An expression that can only match empty never matches; with NOT it lets every old file through.
    ScanRun negated(5);
    negated.criteria.UseRegEx = true;
    negated.criteria.NOTRegEx = true;
    negated.criteria.expression = "x*";
    negated.criteria.DebugMode = true;
    Matcher m3 = negated.Start();
    m3.MatchFile("/d/", Old("abc"));
    m3.MatchFile("/d/", Old("young", 1));
    m3.MatchFile("/d/", Old("box"));
    EXPECT_EQ(negated.log.Texts(), (std::vector<std::string>{
                                       "File [/d/abc] matched by File Age",
                                       "Text [/d/abc] matched by NOT RegEx",
                                       "File [/d/box] matched by File Age",
                                       "Text [/d/box] matched by RegEx",
                                   }));
    ASSERT_EQ(negated.rows.size(), 1u);
    EXPECT_EQ(negated.rows[0].path, "/d/abc");
}

TEST(Matcher, ExpressionOverridesMasksButMaskLinesAreStillWritten) {
    ScanRun run(0);
    run.criteria.DebugMode = true;
    run.criteria.UseExcludeFiles = true;
    run.criteria.excludeMasks = "*.log";
    run.criteria.UseRegEx = true;
    run.criteria.expression = "keep";
    Matcher m = run.Start();
    m.MatchFile("/d/", Old("keep.log"));
    EXPECT_EQ(run.log.Texts(), (std::vector<std::string>{
                                   "File [/d/keep.log] matched by File Age",
                                   "File [/d/keep.log] Excluded by mask *.log",
                                   "Text [/d/keep.log] matched by RegEx",
                               }));
    EXPECT_EQ(run.rows.size(), 1u);
}

TEST(Matcher, InvalidCriteriaFailAtTheFirstFileThatReachesThem) {
    ScanRun masks(10);
    masks.criteria.UseIncludeFiles = true;
    masks.criteria.includeMasks = "*.tmp, [abc";
    Matcher m = masks.Start();
    m.MatchFile("/d/", Old("young.tmp", 1));  // fails the age test first: no mask is compiled for it
    EXPECT_THROW(m.MatchFile("/d/", Old("old.tmp")), EMaskException);
    EXPECT_EQ(m.FilesFound(), 2u);
    EXPECT_TRUE(masks.rows.empty());

    ScanRun expr(10);
    expr.criteria.UseRegEx = true;
    expr.criteria.expression = "";
    Matcher m2 = expr.Start();
    m2.MatchFile("/d/", Old("young", 1));
    try {
        m2.MatchFile("/d/", Old("old"));
        FAIL() << "an empty expression was accepted";
    } catch (const RegExError& e) {
        EXPECT_STREQ(e.what(), "TPerlRegEx.Compile() - Please specify a regular expression in RegEx first");
    }

    ScanRun bad(-1);
    FixedClock clock(kNow);
    bad.criteria.StartRun(clock);
    EXPECT_THROW(Matcher(bad.criteria, bad.regEx, bad.log, bad.rows), std::invalid_argument);
}

TEST(Matcher, SyntaxCheckBetweenFilesDoesNotChangeTheRunsExpression) {
    ScanRun run(0);
    run.criteria.UseRegEx = true;
    run.criteria.expression = "\\.log$";
    Matcher m = run.Start();
    m.MatchFile("/d/", Old("a.log"));
    run.regEx.SetPattern("\\.txt$");  // what a syntax check in between would leave behind
    run.regEx.Compile();
    m.MatchFile("/d/", Old("b.log"));
    m.MatchFile("/d/", Old("c.txt"));
    EXPECT_EQ(run.rows.size(), 2u);
}

TEST(Matcher, HostileNameNeverListsAFileOnAnUnfinishedTest) {
    const std::string name = std::string(3000, 'a') + "!";
    ScanRun plain(0);
    plain.criteria.UseRegEx = true;
    plain.criteria.expression = "(a+)+$";
    plain.criteria.target = RegExTarget::FileOnly;
    Matcher m = plain.Start();
    m.MatchFile("/d/", Old(name));
    EXPECT_TRUE(plain.rows.empty());

    ScanRun negated(0);
    negated.criteria.UseRegEx = true;
    negated.criteria.NOTRegEx = true;
    negated.criteria.expression = "(a+)+$";
    negated.criteria.target = RegExTarget::FileOnly;
    Matcher m2 = negated.Start();
    m2.MatchFile("/d/", Old(name));
    m2.MatchFile("/d/", Old("b.txt"));
    EXPECT_EQ(m2.RegExErrors(), 1u);
    ASSERT_EQ(negated.rows.size(), 1u);
    EXPECT_EQ(negated.rows[0].path, "/d/b.txt");
}

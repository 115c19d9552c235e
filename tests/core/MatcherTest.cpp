#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LineLog.h"
#include "scan/Matcher.h"
#include "scan/RowFormat.h"

using namespace vorlex::scan;
using vorlex::platform::FixedClock;
using vorlex::platform::TimeValue;
using Lines = std::vector<std::string>;

namespace {

const TimeValue kNow = TimeValue::FromMillis(1'780'000'000'123);

FileFacts Old(std::string_view name, double days = 400) {
    FileFacts f;
    f.name = name;
    f.created = f.modified =
        TimeValue::FromMillis(kNow.Millis() - static_cast<std::int64_t>(days * 86'400'000));
    f.accessed = kNow;
    return f;
}

/// One run: criteria started on a fixed clock, the shared expression object, a log and the rows.
struct ScanRun {
    SearchCriteria criteria;
    RegEx regEx;
    vorlex::test::LineLog log;
    std::vector<ResultRow> rows;

    explicit ScanRun(int days) { criteria.days = days; }
    Matcher Start() {
        criteria.StartRun(FixedClock(kNow));
        log.debug = criteria.DebugMode;
        return Matcher(criteria, regEx, log, rows);
    }
    /// Tests the files ("dir/" + name, days old) and returns the paths listed.
    Lines List(std::vector<std::pair<std::string, FileFacts>> files) {
        Matcher m = Start();
        for (const auto& [dir, facts] : files) {
            m.MatchFile(dir, facts);
        }
        Lines paths;
        for (const ResultRow& r : rows) {
            paths.push_back(r.path);
        }
        return paths;
    }
};

}  // namespace

TEST(SearchCriteria, CutOffIsWholeDaysBeforeTheMillisecondStart) {
    SearchCriteria c;
    c.days = 30;
    c.StartRun(FixedClock(TimeValue{1'780'000'000, 987'654'321}));
    EXPECT_EQ(c.ScanStartTime, (TimeValue{1'780'000'000, 987'000'000}));
    EXPECT_EQ(c.CutOffTime, (TimeValue{1'780'000'000 - 30 * 86400, 987'000'000}));
    c.days = 10001;
    EXPECT_FALSE(c.Validate().empty());
    EXPECT_EQ(DaysFromNumber(29.9), 29);
    EXPECT_FALSE(DaysFromNumber(10001).has_value());
}

TEST(Matcher, AgeTestNeedsCreatedAndModifiedAtOrBeforeTheCutOff) {
    ScanRun run(30);
    Matcher m = run.Start();
    FileFacts exact = Old("exact \"x\",\n\xE9");
    exact.created = exact.modified = run.criteria.CutOffTime;
    exact.size = 5'000'000'000ULL;
    exact.device = 2049;
    exact.inode = 77;
    exact.fileType = 8;
    m.MatchFile("/data/", exact);
    FileFacts written = Old("written");
    written.modified = Old("", 2).modified;
    m.MatchFile("/data/", written);
    FileFacts copied = Old("copied");
    copied.created = TimeValue::FromMillis(run.criteria.CutOffTime.Millis() + 1);
    m.MatchFile("/data/", copied);

    EXPECT_EQ(m.FilesFound(), 3u);
    EXPECT_EQ(m.FilesMatched(), 1u);
    ASSERT_EQ(run.rows.size(), 1u);
    const ResultRow& r = run.rows[0];
    EXPECT_EQ(r.path, "/data/exact \"x\",\n\xE9");
    EXPECT_EQ(AgeDays(r.created, run.criteria.ScanStartTime), 30);
    EXPECT_TRUE(r.modified == exact.modified && r.accessed == kNow && r.size == exact.size);
    EXPECT_TRUE(r.device == 2049 && r.inode == 77 && r.fileType == 8 && r.status == RowStatus::Found);

    ScanRun zero(0);  // everything up to the start moment itself
    EXPECT_EQ(zero.List({{"/d/", Old("now", 0)}, {"/d/", Old("later", -0.00001)}}), Lines{"/d/now"});
}

TEST(Matcher, MasksWriteALineForEveryMatchInTestOrder) {
    ScanRun run(10);
    run.criteria.DebugMode = true;
    run.criteria.UseIncludeFiles = true;
    run.criteria.includeMasks = "*.log,*.l*";
    run.criteria.UseExcludeFiles = true;
    run.criteria.excludeMasks = "x*, *.tmp";
    EXPECT_EQ(run.List({{"/d/", Old("x.log")},
                        {"/d\xFF/", Old("y.log")},
                        {"/d/", Old("young.log", 1)},
                        {"/d/", Old("z.txt")}}),
              Lines{"/d\xFF/y.log"});
    EXPECT_EQ(run.log.Texts(), (Lines{
                                   "File [/d/x.log] matched by File Age",
                                   "File [/d/x.log] Included by mask *.log",
                                   "File [/d/x.log] Included by mask *.l*",
                                   "File [/d/x.log] Excluded by mask x*",
                                   "File [/d\xEF\xBF\xBD/y.log] matched by File Age",
                                   "File [/d\xEF\xBF\xBD/y.log] Included by mask *.log",
                                   "File [/d\xEF\xBF\xBD/y.log] Included by mask *.l*",
                                   "File [/d/z.txt] matched by File Age",
                               }));

    ScanRun empty(0);  // an include list in use but empty lists nothing
    empty.criteria.UseIncludeFiles = true;
    EXPECT_EQ(empty.List({{"/d/", Old("a.tmp")}}), Lines{});
    ScanRun trailing(0);  // a trailing comma adds an empty mask that harms nothing
    trailing.criteria.UseIncludeFiles = true;
    trailing.criteria.includeMasks = "*.tmp,";
    EXPECT_EQ(trailing.List({{"/d/", Old("A.TMP")}, {"/d/", Old("a.txt")}}), Lines{"/d/A.TMP"});
    EXPECT_TRUE(trailing.log.lines.empty());  // debug off: not a single line
}

TEST(Matcher, ExpressionTargetsNegationAndPrecedenceOverMasks) {
    ScanRun pathOnly(0);
    pathOnly.criteria.UseRegEx = true;
    pathOnly.criteria.expression = "TEMP";
    pathOnly.criteria.target = RegExTarget::PathOnly;
    EXPECT_EQ(pathOnly.List({{"/home/a/AppData/Local/Temp/", Old("x.dat")}, {"/home/a/", Old("temp.dat")}}),
              Lines{"/home/a/AppData/Local/Temp/x.dat"});
    ScanRun fileOnly(0);
    fileOnly.criteria.UseRegEx = true;
    fileOnly.criteria.expression = "^a";
    fileOnly.criteria.target = RegExTarget::FileOnly;
    EXPECT_EQ(fileOnly.List({{"/a/", Old("b")}, {"/b/", Old("a")}}), Lines{"/b/a"});

    // x* can only match empty, which never counts; with NOT every old file passes, masks or not.
    ScanRun negated(5);
    negated.criteria.DebugMode = true;
    negated.criteria.UseExcludeFiles = true;
    negated.criteria.excludeMasks = "a*";
    negated.criteria.UseRegEx = true;
    negated.criteria.NOTRegEx = true;
    negated.criteria.expression = "x*";
    EXPECT_EQ(negated.List({{"/d/", Old("abc")}, {"/d/", Old("young", 1)}, {"/d/", Old("box")}}),
              Lines{"/d/abc"});
    EXPECT_EQ(negated.log.Texts(), (Lines{
                                       "File [/d/abc] matched by File Age",
                                       "File [/d/abc] Excluded by mask a*",
                                       "Text [/d/abc] matched by NOT RegEx",
                                       "File [/d/box] matched by File Age",
                                       "Text [/d/box] matched by RegEx",
                                   }));
}

TEST(Matcher, InvalidCriteriaFailAtTheFirstFileThatReachesThem) {
    ScanRun masks(10);
    masks.criteria.UseIncludeFiles = true;
    masks.criteria.includeMasks = "*.tmp, [abc";
    Matcher m = masks.Start();
    m.MatchFile("/d/", Old("young.tmp", 1));  // stopped by the age test before any mask
    EXPECT_THROW(m.MatchFile("/d/", Old("old.tmp")), EMaskException);

    ScanRun expr(10);
    expr.criteria.UseRegEx = true;
    Matcher e = expr.Start();
    e.MatchFile("/d/", Old("young", 1));
    EXPECT_THROW(e.MatchFile("/d/", Old("old")), RegExError);

    ScanRun bad(-1);
    EXPECT_THROW(bad.Start(), std::invalid_argument);
}

TEST(Matcher, SyntaxCheckBetweenFilesDoesNotChangeTheRunsExpression) {
    ScanRun run(0);
    run.criteria.UseRegEx = true;
    run.criteria.expression = "\\.log$";
    Matcher m = run.Start();
    m.MatchFile("/d/", Old("a.log"));
    run.regEx.SetPattern("\\.txt$");  // what a syntax check in between leaves behind
    run.regEx.Compile();
    m.MatchFile("/d/", Old("b.log"));
    m.MatchFile("/d/", Old("c.txt"));
    EXPECT_EQ(m.FilesMatched(), 2u);
    EXPECT_EQ(run.rows.back().path, "/d/b.log");
}

TEST(Matcher, HostileNameIsNeverListedOnAnUnfinishedTest) {
    const std::string name = std::string(3000, 'a') + "!";
    for (bool negate : {false, true}) {
        ScanRun run(0);
        run.criteria.UseRegEx = true;
        run.criteria.NOTRegEx = negate;
        run.criteria.expression = "(a+)+$";
        run.criteria.target = RegExTarget::FileOnly;
        EXPECT_EQ(run.List({{"/d/", Old(name)}, {"/d/", Old("b.txt")}}),
                  negate ? Lines{"/d/b.txt"} : Lines{});
    }
}

TEST(Matcher, NegatedClassesListNamesOfOtherScriptsOnlyWhenTheyMatch) {
    // "\D" matches every name with a character that is not a digit, in any script.
    const std::vector<std::pair<std::string, FileFacts>> files = {
        {"/d/", Old("\xE6\x97\xA5\xE6\x9C\xAC")}, {"/d/", Old("caf\xC3\xA9")}, {"/d/", Old("123")}};
    for (bool negate : {false, true}) {
        ScanRun run(0);
        run.criteria.UseRegEx = true;
        run.criteria.NOTRegEx = negate;
        run.criteria.expression = "\\D";
        run.criteria.target = RegExTarget::FileOnly;
        const Lines listed =
            negate ? Lines{"/d/123"} : Lines{"/d/\xE6\x97\xA5\xE6\x9C\xAC", "/d/caf\xC3\xA9"};
        EXPECT_EQ(run.List(files), listed);
    }
}

#include <gtest/gtest.h>

#include "LogHtml.h"
#include "TempDir.h"
#include "platform/FileAccess.h"
#include "report/ActivityLog.h"
#include "report/Ansi.h"
#include "report/RtfWriter.h"

using namespace vorlex::base;
using namespace vorlex::report;

namespace {

std::string UnrtfHtml(const std::vector<LogEntry>& entries, vorlex::test::TempDir& dir) {
    std::string path = dir.path + "/VorlexActivity.rtf";
    EXPECT_EQ(vorlex::platform::ReplaceFileContent(path, RenderRtf(entries)), 0);
    return vorlex::test::LogHtml(path);
}

LogEntry Line(std::string ts, std::string msg, LogColour c, LogStyle s) {
    LogEntry e;
    e.timestamp = std::move(ts);
    e.message = std::move(msg);
    e.colour = c;
    e.style = s;
    return e;
}

}  // namespace

TEST(RtfWriter, HostileTextKeepsColoursBoldAndEveryCharacterThroughUnrtf) {
    vorlex::test::TempDir dir;
    std::vector<LogEntry> entries{
        Line("12/09/2026 10:15:30 AM", "Vorlex Version 2.1 Release 1 Build 70", kBlue, LogStyle::Bold),
        Line("12/09/2026 10:15:31 AM", "C:\\dir {brace} \\par not a control", kRed, LogStyle::Bold),
        Line("12/09/2026", "caf\xC3\xA9 \xE2\x82\xAC na\xC3\xAFve", kBlack, LogStyle::Regular),
        Line("12/09/2026 10:15:32 AM", "bell\x07 tab\tend", kGreen, LogStyle::Regular),
        Line("12/09/2026 10:15:33 AM", "first\nREASON: second", kRed, LogStyle::Regular),
        // Japanese date and time texts, and characters that Windows-1252 lacks followed by more text.
        Line("2026\xE5\xB9\xB4"
             "12\xE6\x9C\x88"
             "09\xE6\x97\xA5 10\xE6\x99\x82"
             "15\xE5\x88\x86"
             "34\xE7\xA7\x92",
             "\xD0\x96\xD1\x83\xD0\xBA.txt \xE6\x97\xA5\xE6\x9C\xAC.txt end", kBlack, LogStyle::Regular),
    };
    std::string html = UnrtfHtml(entries, dir);

    EXPECT_NE(html.find("<font color=\"#0000ff\"><b>Vorlex Version 2.1 Release 1 Build 70"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<font color=\"#ff0000\"><b>C:\\dir {brace} \\par not a control"), std::string::npos)
        << html;
    EXPECT_NE(html.find("caf&eacute; &euro; na&iuml;ve"), std::string::npos) << html;
    EXPECT_NE(html.find("<font color=\"#008000\">bell? tab"), std::string::npos) << html;
    EXPECT_NE(html.find("first<br>"), std::string::npos) << html;
    EXPECT_NE(html.find("REASON: second"), std::string::npos) << html;
    EXPECT_NE(html.find("2026&#24180;12&#26376;09&#26085; 10&#26178;15&#20998;34&#31186; </font>"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("&#1046;&#1091;&#1082;.txt &#26085;&#26412;.txt end"), std::string::npos) << html;
    // The timestamps stay black and regular.
    EXPECT_NE(html.find("<font color=\"#000000\">12/09/2026 10:15:30 AM </font>"), std::string::npos) << html;
    // Nothing of the document's own syntax leaks into the text.
    EXPECT_EQ(html.find("\\u"), std::string::npos) << html;
    EXPECT_EQ(html.find("\\cf"), std::string::npos) << html;
}

TEST(RtfWriter, CharactersOutsideTheCodePageAndBrokenUtf8StayWellFormed) {
    std::vector<LogEntry> entries{
        Line("t", "\xD0\x96 \xF0\x9F\x98\x80 \xFF\xFE end}", kBlack, LogStyle::Regular)};
    std::string rtf = RenderRtf(entries);
    EXPECT_NE(rtf.find("\\u1046\\'3f"), std::string::npos);
    EXPECT_NE(rtf.find("\\u-10179\\'3f\\u-8704\\'3f"), std::string::npos);  // U+1F600 as a surrogate pair
    EXPECT_NE(rtf.find("\\u-3\\'3f\\u-3\\'3f"), std::string::npos);         // two invalid bytes as U+FFFD
    EXPECT_NE(rtf.find("end\\}"), std::string::npos);
    // Every byte of the document is 7-bit, so the code page of a reader does not matter.
    for (unsigned char c : rtf) {
        ASSERT_LT(c, 0x80);
    }
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}') {
            ASSERT_GT(depth, 0);
            --depth;
        }
    }
    EXPECT_EQ(depth, 0);
}

TEST(AnsiText, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(ToAnsiText("caf\xC3\xA9 \xE2\x82\xAC", 1252),
              "caf\xC3\xA9 \xE2\x82\xAC");  // both in Windows-1252
    EXPECT_EQ(ToAnsiText("\xD0\x96\xD0\xB8\xD0\xB2", 1252), "???");
    EXPECT_EQ(ToAnsiText("a\xFF"
                         "b",
                         1252),
              "a?b");
    // The user's code page decides: Cyrillic in 1251, the Japanese date text in 932, Turkish letters in 1254.
    EXPECT_EQ(ToAnsiText("\xD0\x96\xD0\xB8\xD0\xB2 \xE2\x82\xAC \xC3\xA9 \xE5\xB9\xB4", 1251),
              "\xD0\x96\xD0\xB8\xD0\xB2 \xE2\x82\xAC ? ?");
    EXPECT_EQ(ToAnsiText("2026\xE5\xB9\xB4"
                         "12\xE6\x9C\x88"
                         "19\xE6\x97\xA5 \xC2\xA5 \xC4\x9F",
                         932),
              "2026\xE5\xB9\xB4"
              "12\xE6\x9C\x88"
              "19\xE6\x97\xA5 ? ?");
    EXPECT_EQ(ToAnsiText("\xC4\x9F\xC5\x9F\xC4\xB1 \xC5\x91 a\xFF", 1254), "\xC4\x9F\xC5\x9F\xC4\xB1 ? a?");
}

TEST(LogTimestamp, MidnightShowsTheDateAlone) {
    setenv("TZ", "UTC", 1);
    tzset();
    vorlex::platform::RegionalFormats f{"%m/%d/%Y", "%I:%M:%S %p", ","};
    // 2026-12-09 00:00:00.500 UTC: milliseconds do not count.
    vorlex::platform::TimeValue midnight{1796774400, 500000000};
    EXPECT_EQ(LogTimestamp(midnight, f), "12/09/2026");
    EXPECT_EQ(LogTimestamp({1796774401, 0}, f), "12/09/2026 12:00:01 AM");
    EXPECT_EQ(LogTimestamp({1796774399, 999000000}, f), "12/08/2026 11:59:59 PM");
    unsetenv("TZ");
    tzset();
}

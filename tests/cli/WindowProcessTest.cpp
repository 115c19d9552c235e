// The interactive program as a process: a polite termination request closes its window the way the title
// bar does.
#include <signal.h>

#include <filesystem>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "ProgramRun.h"

using vorlex::test::HasLinesInOrder;
using vorlex::test::LogLineHtml;
using vorlex::test::ProgramCopy;
using vorlex::test::RunResult;
using vorlex::test::WaitUntil;

TEST(WindowProcess, TerminationRequestClosesTheWindowLikeTheTitleBar) {
    ProgramCopy program;
    program.dir.File("Vorlex.ini", "[Vorlex]\nAutoSaveOnExit=1\nDaysOld=12\n");
    program.dir.File("VorlexActivity.rtf", "previous log");
    auto window = program.Start({}, {{"QT_QPA_PLATFORM", "offscreen"}});
    ASSERT_TRUE(WaitUntil([&] {
        return !std::filesystem::exists(program.PathOf("VorlexActivity.rtf")) || !window->Running();
    }));
    ASSERT_TRUE(window->Running());
    window->Signal(SIGTERM);
    RunResult run = window->Wait();
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0);
    // The log of the session is saved; the geometry is written, the criteria are not.
    EXPECT_TRUE(HasLinesInOrder(program.LogHtml(),
                                {LogLineHtml("Vorlex Version 2.1 Release 1 Build 70", "#0000ff", true),
                                 LogLineHtml("Settings Read.", "#000000", false)}));
    const std::string ini = program.dir.Read("Vorlex.ini");
    // The window's size is written: the designed 617 x 624, grown where the desktop's font is larger than
    // the designed 11 pixels (Qt's fallback font on this platform is 9 points, 12 pixels).
    std::smatch size;
    ASSERT_TRUE(std::regex_search(ini, size, std::regex("Width=([0-9]+)\nHeight=([0-9]+)\n"))) << ini;
    EXPECT_GE(std::stoi(size[1]), 617) << ini;
    EXPECT_GE(std::stoi(size[2]), 624) << ini;
    // Grown in the designed proportions.
    EXPECT_NEAR(std::stoi(size[1]) * 624.0 / 617, std::stoi(size[2]), 1.5) << ini;
    EXPECT_NE(ini.find("DaysOld=12"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("UseRegEx"), std::string::npos) << ini;
}

// The interactive program as a process: a polite termination request closes its window the way the title
// bar does.
#include <signal.h>

#include <filesystem>
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
    EXPECT_NE(ini.find("Width=617"), std::string::npos) << ini;
    EXPECT_NE(ini.find("DaysOld=12"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("UseRegEx"), std::string::npos) << ini;
}

// One running instance per program file, through real processes: a second start of the same file does
// nothing and reports success, a copy elsewhere runs beside it, and a killed instance leaves nothing behind.
#include <signal.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "ProgramRun.h"

using vorlex::test::Child;
using vorlex::test::DaysLater;
using vorlex::test::ProgramCopy;
using vorlex::test::RunResult;
using vorlex::test::TempDir;
using vorlex::test::WaitUntil;
namespace fs = std::filesystem;

namespace {

bool Exists(const std::string& path) {
    return fs::exists(path);
}

/// Starts the interactive window of `program` on the offscreen platform and waits until its start-up has
/// run (it deletes the previous log once it holds the instance lock).
std::unique_ptr<Child> StartWindow(const ProgramCopy& program) {
    program.dir.File("VorlexActivity.rtf", "previous log");
    auto child = program.Start({}, {{"QT_QPA_PLATFORM", "offscreen"}});
    EXPECT_TRUE(
        WaitUntil([&] { return !Exists(program.PathOf("VorlexActivity.rtf")) || !child->Running(); }));
    EXPECT_TRUE(child->Running());
    return child;
}

}  // namespace

TEST(SingleInstance, SecondStartOfTheSameFileDoesNothingAndEndsWithZero) {
    ProgramCopy program;
    TempDir tree;
    const std::string old = tree.File("old.txt", "x");
    auto window = StartWindow(program);

    RunResult second = program.Run({tree.path, "0"}, DaysLater(40));
    EXPECT_FALSE(second.hung);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.out, "");
    EXPECT_EQ(second.err, "");
    // Nothing scanned, deleted or written.
    EXPECT_TRUE(Exists(old));
    EXPECT_FALSE(Exists(program.PathOf("VorlexActivity.rtf")));
    EXPECT_FALSE(Exists(program.PathOf("VorlexFiles.csv")));
    // The refused start did not end the running one.
    EXPECT_TRUE(window->Running());

    // A copy of the program in another folder is another program: it runs beside the first.
    ProgramCopy elsewhere;
    RunResult beside = elsewhere.Run({tree.path, "0", "/SCAN"}, DaysLater(40));
    EXPECT_EQ(beside.exitCode, 0) << beside.err;
    EXPECT_TRUE(Exists(elsewhere.PathOf("VorlexFiles.csv")));
    EXPECT_NE(elsewhere.LogHtml().find("Finished."), std::string::npos);

    // Killed without a chance to clean up, the first instance leaves no stale lock: the next start runs.
    window->Signal(SIGKILL);
    RunResult killed = window->Wait();
    EXPECT_EQ(killed.signal, SIGKILL);
    RunResult next = program.Run({tree.path, "0"}, DaysLater(40));
    EXPECT_EQ(next.exitCode, 0) << next.err;
    EXPECT_FALSE(Exists(old));
    EXPECT_NE(program.LogHtml().find("1 files deleted."), std::string::npos);
}

// An unattended run holds the instance too. However many starts a scheduler makes meanwhile, each one ends
// at once with code 0 and does nothing, although an unattended run never answers their requests.
TEST(SingleInstance, UnattendedRunHoldsTheInstanceAgainstRepeatedStarts) {
    ProgramCopy program;
    TempDir tree;
    const std::string old = tree.File("old.txt", "x");
    program.dir.File("VorlexActivity.rtf", "previous log");
    // Debug mode pauses before the scan: the run is surely still going when it is frozen.
    auto first = program.Start({tree.path, "30", "/D", "/SCAN"}, DaysLater(40));
    ASSERT_TRUE(
        WaitUntil([&] { return !Exists(program.PathOf("VorlexActivity.rtf")) || !first->Running(); }));
    // Frozen, the first run holds the instance for as long as the test needs.
    first->Signal(SIGSTOP);
    ASSERT_TRUE(first->Running());

    for (int start = 0; start < 20; ++start) {
        SCOPED_TRACE(start);
        RunResult again = program.Start({tree.path, "0"}, DaysLater(40))->Wait(10);
        ASSERT_FALSE(again.hung);
        EXPECT_EQ(again.exitCode, 0);
        EXPECT_EQ(again.err, "");
    }
    EXPECT_TRUE(Exists(old));

    first->Signal(SIGCONT);
    RunResult done = first->Wait();
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_TRUE(Exists(old));
    EXPECT_NE(program.LogHtml().find("1 files matched search criteria."), std::string::npos);
}

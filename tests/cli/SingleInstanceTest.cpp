// One running instance per program file, through real processes: a second start of the same file does
// nothing and reports success, a copy elsewhere runs beside it, and a killed instance leaves nothing behind.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "ProgramRun.h"

using vorlex::test::Child;
using vorlex::test::DaysLater;
using vorlex::test::Exists;
using vorlex::test::ProgramCopy;
using vorlex::test::RunResult;
using vorlex::test::TempDir;
using vorlex::test::WaitUntil;
namespace fs = std::filesystem;

namespace {

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

/// What an unattended start that found another instance of `program` running writes to standard error.
std::string NothingDone(const ProgramCopy& program) {
    return "Another instance of " + fs::canonical(program.exe).string() + " is running: nothing was done.\n";
}

}  // namespace

TEST(SingleInstance, SecondStartOfTheSameFileDoesNothingAndEndsWithZero) {
    ProgramCopy program;
    TempDir tree;
    const std::string old = tree.File("old.txt", "x");
    auto window = StartWindow(program);

    RunResult second = program.Run({tree.path, "0"}, DaysLater(40));
    EXPECT_FALSE(second.timedOut);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.out, "");
    EXPECT_EQ(second.err, NothingDone(program));
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
        ASSERT_FALSE(again.timedOut);
        EXPECT_EQ(again.exitCode, 0);
        EXPECT_EQ(again.err, NothingDone(program));
    }
    EXPECT_TRUE(Exists(old));

    first->Signal(SIGCONT);
    RunResult done = first->Wait();
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_TRUE(Exists(old));
    EXPECT_NE(program.LogHtml().find("1 files matched search criteria."), std::string::npos);
}

// The instance of root's nightly run cannot be claimed by another user: not by binding the socket name a
// run of root would use, nor by making root's instance directory in the temporary folder first. Root's run
// still scans and deletes.
TEST(SingleInstance, AnotherUserCannotHoldTheInstanceOfRootsRun) {
    if (geteuid() != 0 || access("/usr/bin/setpriv", X_OK) != 0 || access("/usr/bin/python3", X_OK) != 0) {
        GTEST_SKIP() << "needs root, setpriv and python3 to act as another user";
    }
    ProgramCopy program;
    TempDir tree;
    const std::string old = tree.File("old.txt", "x");
    // A temporary folder of this test's own, open to every user as /tmp is.
    TempDir tmp;
    ASSERT_EQ(chmod(tmp.path.c_str(), 01777), 0);
    std::map<std::string, std::string> env = DaysLater(40);
    env["TMPDIR"] = tmp.path;
    env["XDG_RUNTIME_DIR"] = "";

    // The other user binds the abstract name "vorlex-0-" + the program path's two FNV-1a hashes, makes
    // the folder "vorlex-0" in the temporary folder, and waits.
    const std::string script = R"(
import os, socket, sys, time
path = os.fsencode(sys.argv[1])
def fnv(seed):
    h = seed
    for c in path:
        h = ((h ^ c) * 0x100000001b3) & 0xffffffffffffffff
    return h
name = "vorlex-0-%016x%016x" % (fnv(0xcbf29ce484222325), fnv(0x84222325cbf29ce4))
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.bind("\0" + name)
s.listen(8)
os.mkdir(os.path.join(sys.argv[2], "vorlex-0"), 0o700)
time.sleep(120)
)";
    const std::string exe = std::filesystem::canonical(program.exe).string();
    Child squatter("/usr/bin/setpriv",
                   {"--reuid", "65534", "--regid", "65534", "--clear-groups", "/usr/bin/python3", "-c",
                    script, exe, tmp.path},
                   vorlex::test::Inherited());
    ASSERT_TRUE(WaitUntil([&] { return Exists(tmp.path + "/vorlex-0") || !squatter.Running(); }));
    ASSERT_TRUE(squatter.Running()) << squatter.Wait().err;
    struct stat st {};
    ASSERT_EQ(lstat((tmp.path + "/vorlex-0").c_str(), &st), 0);
    ASSERT_EQ(st.st_uid, 65534u);

    RunResult run = program.Run({tree.path, "0"}, env);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(Exists(old));
    EXPECT_NE(program.LogHtml().find("1 files deleted."), std::string::npos) << run.err;

    squatter.Signal(SIGKILL);
    squatter.Wait();
}

// Two runs of the same user still find each other when the instance lives in the temporary folder.
TEST(SingleInstance, RunsOfOneUserFindEachOtherThroughTheTemporaryFolder) {
    ProgramCopy program;
    TempDir tree;
    const std::string old = tree.File("old.txt", "x");
    TempDir tmp;
    std::map<std::string, std::string> env = DaysLater(40);
    env["TMPDIR"] = tmp.path;
    env["XDG_RUNTIME_DIR"] = "";
    program.dir.File("VorlexActivity.rtf", "previous log");
    std::map<std::string, std::string> firstEnv = env;
    firstEnv["QT_QPA_PLATFORM"] = "offscreen";
    auto first = program.Start({}, firstEnv);
    ASSERT_TRUE(
        WaitUntil([&] { return !Exists(program.PathOf("VorlexActivity.rtf")) || !first->Running(); }));
    ASSERT_TRUE(first->Running());

    RunResult second = program.Run({tree.path, "0"}, env);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.err, NothingDone(program));
    EXPECT_TRUE(Exists(old));
    first->Signal(SIGKILL);
    first->Wait();
}

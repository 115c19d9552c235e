// Runs that cannot do their whole job end with 1 and say why; the program never deletes its own files.
#include <sys/file.h>
#include <sys/wait.h>

#include "AdversarialSupport.h"

namespace vorlex::adv {
namespace {

/// Runs the unattended job `args` in this process, with the clock two days ahead; `onLog` sees the
/// controller after each change of its log. Returns the exit code.
int RunUnattended(TestView& view, const std::string& programFolder, const std::vector<std::string>& args,
                  const std::function<void(const app::Controller&)>& onLog = {}) {
    app::Environment env;
    env.programPath = programFolder + "/";
    env.currentPath = programFolder + "/";
    platform::TimeValue now = platform::SystemClock().Now();
    now.sec += kTwoDays;
    env.clock = std::make_shared<platform::FixedClock>(now);
    env.debugPauseMs = 0;
    env.args = args;
    env.commandLine = {programFolder + "/vorlex"};
    env.commandLine.insert(env.commandLine.end(), args.begin(), args.end());
    app::Controller c(view, std::move(env));
    if (onLog) {
        view.onLogChanged = [&] { onLog(c); };
    }
    c.Guarded([&] { c.Init(); });
    view.onLogChanged = nullptr;
    return c.ExitCode();
}

TEST(UnfinishedRun, AResultsFileLockedBeforeTheDeletionEndsWithOneAndDeletesNothing) {
    Scene s;
    ASSERT_TRUE(WriteFile(s.tree + "/old.dat", "x"));
    TestView view;
    int lock = -1;
    const int code = RunUnattended(view, s.prog.Folder(), {s.tree, "1"}, [&](const app::Controller& c) {
        const std::string& line = c.LogModel().Entries().back().message;
        if (lock < 0 && line.rfind("Results written to CSV file", 0) == 0) {
            lock = open(s.prog.CsvPath().c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
        }
    });
    close(lock);
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(Exists(s.tree + "/old.dat"));
    ASSERT_FALSE(view.messages.empty());
    EXPECT_NE(view.messages.back().text.find("cannot be accessed"), std::string::npos)
        << view.messages.back().text;
}

TEST(UnfinishedRun, ALogThatCannotBeWrittenStopsTheRunBeforeAnythingIsDeleted) {
    Scene s;
    ASSERT_TRUE(WriteFile(s.tree + "/old.dat", "x"));
    std::filesystem::create_directories(s.prog.LogPath());  // a folder where the log must go
    const RunResult r = s.prog.Run({s.tree, "1"});
    ADV_EXPECT_FINISHED(r, 1);
    EXPECT_TRUE(Exists(s.tree + "/old.dat"));
    EXPECT_NE(r.err.find("Nothing was deleted."), std::string::npos) << r.err;
}

TEST(UnfinishedRun, AStartFolderRemovedDuringTheScanEndsWithOne) {
    Scene s;
    for (const char* d : {"a", "b", "c"}) {
        std::filesystem::create_directories(s.tree + "/" + d);
        ASSERT_TRUE(WriteFile(s.tree + "/" + d + "/f.dat", "x"));
    }
    TestView view;
    bool removed = false;
    view.onKeepAlive = [&] {
        if (!removed) {
            removed = true;
            std::filesystem::remove_all(s.tree);
        }
    };
    const int code = RunUnattended(view, s.prog.Folder(), {s.tree, "1"});
    EXPECT_TRUE(removed);
    EXPECT_EQ(code, 1);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages.back().text, "ERROR: Path " + s.tree + " does not exist.");
}

TEST(UnfinishedRun, RunningOutOfDescriptorsIsAResourceErrorNotAnAccessDenied) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizers' runtime needs descriptors of its own to check memory";
#endif
    Scene s;
    std::string deep = s.tree;
    for (int i = 0; i < 40; ++i) {
        deep += "/d" + std::to_string(i);
        std::filesystem::create_directories(deep);
        ASSERT_TRUE(WriteFile(deep + "/f.dat", "x"));
    }
    // From too few descriptors for the walk to enough: each run either lists the whole tree or ends with
    // the resource error, never with a tree silently cut short.
    int resourceErrors = 0;
    for (rlim_t limit = 6; limit <= 14; ++limit) {
        RunOptions o;
        o.openFiles = limit;
        std::filesystem::remove(s.prog.LogPath());
        const RunResult r = s.prog.Run({s.tree, "1", "/SCAN"}, o);
        if (r.exitCode == 126) {
            continue;  // the test's own descriptors left the child none to start the program with
        }
        const auto log = LogLines(s.prog.LogPath());
        EXPECT_TRUE(LinesWith(log, "Access denied to directory").empty()) << limit << Joined(log);
        if (HasLine(log, "RESOURCE ERROR: Too many files.")) {
            ++resourceErrors;
            ADV_EXPECT_FINISHED(r, 1);
        } else if (r.exitCode == 0) {
            EXPECT_TRUE(HasLine(log, "40 files found under " + s.tree)) << limit << Joined(log);
        } else {
            // Too few even for the log: the run must still fail.
            ADV_EXPECT_FINISHED(r, 1);
        }
    }
    EXPECT_GT(resourceErrors, 0);
}

TEST(OwnFiles, AProgramFolderInsideTheTreeKeepsTheProgramItsHelpAndItsDataFiles) {
    Scene s;
    // The program lives inside the tree it cleans, with every file it keeps beside it.
    ProgramCopy prog(s.tree + "/tools");
    std::filesystem::create_directories(prog.Path("VorlexHelp"));
    const std::vector<std::string> own = {"vorlex",      "VorlexHelp/index.html", "Vorlex.ini",
                                          "Vorlex.incl", "Vorlex.excl",           "Vorlex.regex"};
    for (const std::string& name : own) {
        if (name != "vorlex") {
            ASSERT_TRUE(WriteFile(prog.Path(name), "[Vorlex]\n"));
        }
    }
    ASSERT_TRUE(WriteFile(s.tree + "/old.dat", "x"));
    ASSERT_TRUE(WriteFile(prog.Path("stray.dat"), "x"));
    // A temporary copy left by a run that was killed: its process is gone.
    const pid_t dead = fork();
    if (dead == 0) {
        _exit(0);
    }
    waitpid(dead, nullptr, 0);
    const std::string stale = prog.Path("VorlexFiles.csv.tmp" + std::to_string(dead) + "-1");
    ASSERT_TRUE(WriteFile(stale, "partial"));

    const RunResult r = prog.Run({s.tree, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    for (const std::string& name : own) {
        EXPECT_TRUE(Exists(prog.Path(name))) << name;
    }
    EXPECT_FALSE(Exists(stale)) << "a dead run's temporary copy is removed at start";
    EXPECT_FALSE(Exists(s.tree + "/old.dat"));
    EXPECT_FALSE(Exists(prog.Path("stray.dat")));
    const auto status = CsvStatus(prog.CsvPath());
    EXPECT_EQ(status.at(prog.Exe()), "NOT Deleted");
    EXPECT_EQ(status.at(prog.Path("Vorlex.ini")), "NOT Deleted");
    EXPECT_EQ(status.at(prog.Path("VorlexHelp/index.html")), "NOT Deleted");
    const auto log = LogLines(prog.LogPath());
    EXPECT_TRUE(HasLine(log, "Reason: The file belongs to Vorlex itself (its program, help or data files)"))
        << Joined(log);
}

}  // namespace
}  // namespace vorlex::adv

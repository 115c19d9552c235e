// Starting programs detached: real processes in real folders, and the seam that replaces them.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "LaunchSeams.h"
#include "TempDir.h"
#include "app/Version.h"
#include "platform/Launch.h"

using namespace vorlex::platform;
using vorlex::test::EnvGuard;
using vorlex::test::RecordingLauncher;

namespace {

/// Waits until the file `path`, written by a started program, exists. Program start-up is not timed:
/// the limit is only there so a broken launcher fails the test instead of hanging it.
bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 1200; ++i) {
        if (std::filesystem::exists(path)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

}  // namespace

TEST(Version, TextFollowsTheCompiledVersion) {
    EXPECT_EQ(vorlex::app::GetVersionText(), "Version 2.1 Release 1 Build 70");
}

TEST(StartDetached, RunsTheProgramInItsFolderWithArgumentsUntouched) {
    vorlex::test::TempDir dir;
    // Everything a shell would interpret: blanks, quotes, $(), globs, a semicolon, a line feed.
    const std::string name = "a b;$(echo x) *'\"\n`id`";
    ASSERT_EQ(StartDetached({"touch", "--", name}, dir.path), 0);
    EXPECT_TRUE(WaitForFile(dir.path + "/" + name));
    // Nothing else was created: no word was split off and no command substituted.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(StartDetached, ReportsWhatKeptTheProgramFromStarting) {
    vorlex::test::TempDir dir;
    EXPECT_EQ(StartDetached({"vorlex-no-such-program-7f3a"}, ""), ENOENT);
    EXPECT_EQ(StartDetached({dir.path + "/missing"}, ""), ENOENT);
    EXPECT_EQ(StartDetached({}, ""), EINVAL);

    // The working folder is gone: nothing starts.
    EXPECT_EQ(StartDetached({"touch", "marker"}, dir.path + "/gone"), ENOENT);

    // A file without execute permission.
    const std::string plain = dir.File("plain", "#!/bin/sh\n");
    chmod(plain.c_str(), 0644);
    EXPECT_EQ(StartDetached({plain}, ""), EACCES);

    // An executable text without "#!" is not a program: no shell is asked to run it instead.
    const std::string script = dir.File("script", "touch ran-by-a-shell\n");
    chmod(script.c_str(), 0755);
    EXPECT_EQ(StartDetached({script}, dir.path), ENOEXEC);
}

TEST(StartDetached, LeavesNoChildNoDescriptorAndNoSharedSession) {
    vorlex::test::TempDir dir;
    // A descriptor without close-on-exec, as a careless library might leave one open.
    const int leaky = open(dir.File("held", "x").c_str(), O_RDONLY);
    ASSERT_GE(leaky, 0);
    ASSERT_GE(dup2(leaky, 77), 0);

    const std::string report =
        "ls /proc/$$/fd > fds; readlink /proc/$$/fd/0 > stdin; cat /proc/$$/stat > stat; touch done";
    ASSERT_EQ(StartDetached({"sh", "-c", report}, dir.path), 0);
    // The intermediate process has been reaped and the program is not a child of this one.
    int status = 0;
    EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    ASSERT_TRUE(WaitForFile(dir.path + "/done"));
    close(77);
    close(leaky);

    const std::string fds = dir.Read("fds");
    EXPECT_EQ(fds.find("77"), std::string::npos) << fds;
    EXPECT_EQ(dir.Read("stdin"), "/dev/null\n");
    // /proc/PID/stat: after the command name in parentheses come state, ppid, pgrp, session.
    const std::string stat = dir.Read("stat");
    const size_t close = stat.rfind(')');
    ASSERT_NE(close, std::string::npos);
    char state = 0;
    long ppid = 0, pgrp = 0, session = 0;
    ASSERT_EQ(sscanf(stat.c_str() + close + 1, " %c %ld %ld %ld", &state, &ppid, &pgrp, &session), 4);
    EXPECT_NE(session, static_cast<long>(getsid(0)));
    EXPECT_NE(ppid, static_cast<long>(getpid()));
}

TEST(LaunchSeam, FileManagerTerminalAndBrowserGetExactlyTheirArguments) {
    RecordingLauncher launcher;
    {
        EnvGuard terminal("TERMINAL", std::nullopt);
        EXPECT_EQ(OpenFolder("/srv/old files"), 0);
        EXPECT_EQ(OpenTerminal("/srv/old files"), 0);
        EXPECT_EQ(OpenUrl("https://vorlex.invalid/a?b=1&c=2"), 0);
        EXPECT_EQ(OpenFolder("-weird"), 0);
    }
    {
        EnvGuard terminal("TERMINAL", "/opt/term/bin/my term");
        launcher.answer = ENOENT;
        EXPECT_EQ(OpenTerminal("/srv"), ENOENT);
    }
    {
        EnvGuard terminal("TERMINAL", "");
        EXPECT_EQ(TerminalProgram(), "x-terminal-emulator");
    }
    ASSERT_EQ(launcher.calls.size(), 5u);
    EXPECT_EQ(launcher.calls[0].argv, (std::vector<std::string>{"xdg-open", "/srv/old files"}));
    EXPECT_EQ(launcher.calls[0].workingDir, "");
    EXPECT_EQ(launcher.calls[1].argv, (std::vector<std::string>{"x-terminal-emulator"}));
    EXPECT_EQ(launcher.calls[1].workingDir, "/srv/old files");
    EXPECT_EQ(launcher.calls[2].argv,
              (std::vector<std::string>{"xdg-open", "https://vorlex.invalid/a?b=1&c=2"}));
    EXPECT_EQ(launcher.calls[3].argv, (std::vector<std::string>{"xdg-open", "./-weird"}));
    // $TERMINAL names one program, even with a blank in its path; it is never split into words.
    EXPECT_EQ(launcher.calls[4].argv, (std::vector<std::string>{"/opt/term/bin/my term"}));
    EXPECT_EQ(launcher.calls[4].workingDir, "/srv");
}

TEST(LaunchSeam, EmptyFunctionRestoresRealStarts) {
    {
        RecordingLauncher launcher;
        EXPECT_EQ(Launch({"vorlex-no-such-program-7f3a"}, ""), 0);
        EXPECT_EQ(launcher.calls.size(), 1u);
    }
    EXPECT_EQ(Launch({"vorlex-no-such-program-7f3a"}, ""), ENOENT);
}

#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/SingleInstance.h"
#include "platform/StackTrace.h"
#include "platform/SystemInfo.h"
#include "report/SystemDump.h"

using namespace vorlex::platform;

namespace {

[[gnu::noinline]] void ThrowDeepInside(int depth) {
    if (depth == 0) {
        throw std::out_of_range("the raised error");
    }
    ThrowDeepInside(depth - 1);
    asm volatile("");  // keep the recursion from becoming a loop
}

}  // namespace

TEST(StackTrace, CapturesWhereTheExceptionWasRaisedWithSourceLines) {
    EnableExceptionStackCapture();
    std::vector<std::string> stack;
    std::string cls;
    try {
        ThrowDeepInside(3);
    } catch (const std::exception&) {
        stack = LastExceptionStack();
        cls = CurrentExceptionClassName();
    }
    EXPECT_EQ(cls, "std::out_of_range");
    ASSERT_FALSE(stack.empty());
    EXPECT_NE(stack[0].find("ThrowDeepInside"), std::string::npos) << stack[0];
    EXPECT_NE(stack[0].find("FailureReportTest.cpp:"), std::string::npos) << stack[0];
    for (const auto& line : stack) {
        // No module names and no raw addresses.
        EXPECT_EQ(line.find(".so"), std::string::npos) << line;
        EXPECT_EQ(line.find("core_tests"), std::string::npos) << line;
        EXPECT_NE(line.rfind("0x7f", 0), 0u) << line;
    }
}

TEST(SystemDump, TwentySevenLabelledLinesWithLinuxValues) {
    SystemInfo s = ReadSystemInfo();
    RegionalFormats f{"%m/%d/%Y", "%H:%M:%S", ","};
    s.uptimeSeconds = 3 * 86400 + 3600 + 120 + 5;
    auto lines = vorlex::report::SystemDumpLines(s, "Version 2.1 Release 1 Build 70", f);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0].rfind("LogSystemInfo App.ExeName: /", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1], "LogSystemInfo App.Version:Version 2.1 Release 1 Build 70");
    EXPECT_EQ(lines[22], "LogSystemInfo Identification.TimeRunning:3 01:02:05");
    EXPECT_EQ(lines[26].rfind("LogSystemInfo Folders.Profile:", 0), 0u);
    EXPECT_GT(s.totalPhysical, 0u);
    EXPECT_GT(s.processorCount, 0u);
    EXPECT_EQ(s.osVersion.rfind("lvLinux", 0), 0u);
}

TEST(SingleInstance, OneHolderPerProgramPathReleasedByTheKernel) {
    std::string prog = "/tmp/vorlex-instance-test/" + std::to_string(getpid()) + "/vorlex";
    auto first = InstanceLock::Acquire(prog);
    ASSERT_TRUE(first);
    ASSERT_GE(first->Fd(), 0);
    // A second start is refused and has asked the holder to come to the front.
    EXPECT_FALSE(InstanceLock::Acquire(prog));
    EXPECT_TRUE(first->TakeRequest());
    // A copy elsewhere runs beside it.
    auto other = InstanceLock::Acquire(prog + "-copy");
    EXPECT_TRUE(other);
    first.reset();
    EXPECT_TRUE(InstanceLock::Acquire(prog));

    // A holder killed with SIGKILL leaves nothing behind.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    if (child == 0) {
        auto held = InstanceLock::Acquire(prog);
        char c = held ? 1 : 0;
        [[maybe_unused]] ssize_t n = write(ready[1], &c, 1);
        pause();
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 1);
    EXPECT_FALSE(InstanceLock::Acquire(prog));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(InstanceLock::Acquire(prog));
    close(ready[0]);
    close(ready[1]);
}

// The interactive program as a process: a polite termination request closes its window the way the title
// bar does; on a real display a failed start-up shows only its box, with its exact title.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ProgramRun.h"

using vorlex::test::HasLinesInOrder;
using vorlex::test::LogLineHtml;
using vorlex::test::ProgramCopy;
using vorlex::test::RunResult;
using vorlex::test::RunTool;
using vorlex::test::TestDisplay;
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

namespace {

/// The windows on `display` that carry a name, as xwininfo lists them: id and name.
std::vector<std::pair<std::string, std::string>> NamedWindows(const std::string& display) {
    std::vector<std::pair<std::string, std::string>> windows;
    std::istringstream tree(RunTool("xwininfo -display " + display + " -root -tree 2>/dev/null"));
    for (std::string line; std::getline(tree, line);) {
        const size_t id = line.find("0x");
        const size_t open = line.find(" \"");
        const size_t close = line.find("\":");
        if (id != std::string::npos && open != std::string::npos && close != std::string::npos &&
            open < close) {
            windows.emplace_back(line.substr(id, line.find(' ', id) - id),
                                 line.substr(open + 2, close - open - 2));
        }
    }
    return windows;
}

/// The title of window `id` as the window manager reads it (_NET_WM_NAME), as xprop prints it.
std::string WindowManagerTitle(const std::string& display, const std::string& id) {
    return RunTool("xprop -display " + display + " -id " + id + " _NET_WM_NAME 2>/dev/null");
}

bool HasDisplayTools() {
    return access("/usr/bin/Xvfb", X_OK) == 0 && access("/usr/bin/xwininfo", X_OK) == 0 &&
           access("/usr/bin/xprop", X_OK) == 0;
}

/// An interactive start on `display` whose log this process holds, so that start-up fails with its box;
/// waits until the box is up. The program and the lock go with the object.
struct StartUpBox {
    ProgramCopy program;
    int lock = -1;
    std::unique_ptr<vorlex::test::Child> run;
    std::string box;  ///< the box's window id

    explicit StartUpBox(const std::string& display) {
        lock = open(program.dir.File("VorlexActivity.rtf", "previous log").c_str(), O_RDONLY | O_CLOEXEC);
        if (lock < 0 || flock(lock, LOCK_SH) != 0) {
            ADD_FAILURE() << "cannot hold the log";
        }
        run = program.Start({}, {{"DISPLAY", display}, {"QT_QPA_PLATFORM", "xcb"}});
        EXPECT_TRUE(WaitUntil([&] {
            for (const auto& [id, name] : NamedWindows(display)) {
                if (name.rfind("Vorlex:", 0) == 0) {
                    box = id;
                }
            }
            return !box.empty() || !run->Running();
        }));
        EXPECT_FALSE(box.empty()) << "no box";
    }
    ~StartUpBox() {
        run->Signal(SIGKILL);
        run->Wait();
        if (lock >= 0) {
            close(lock);
        }
    }
    StartUpBox(const StartUpBox&) = delete;
    StartUpBox& operator=(const StartUpBox&) = delete;
};

}  // namespace

// A box's title reaches the window manager exactly as given: nothing is appended to it.
TEST(WindowProcess, BoxTitleReachesTheWindowManagerExactly) {
    if (!HasDisplayTools()) {
        GTEST_SKIP() << "needs Xvfb, xwininfo and xprop";
    }
    TestDisplay display(1200);
    ASSERT_TRUE(display.Ready());
    StartUpBox start(display.Name());
    ASSERT_FALSE(start.box.empty());
    EXPECT_EQ(WindowManagerTitle(display.Name(), start.box), "_NET_WM_NAME(UTF8_STRING) = \"Vorlex:\"\n");
}

// On a display without compositing a start-up that fails shows its box alone: the main window, which
// appears only once start-up has succeeded, is never mapped.
TEST(WindowProcess, FailedStartUpShowsItsBoxWithoutTheMainWindow) {
    if (!HasDisplayTools()) {
        GTEST_SKIP() << "needs Xvfb, xwininfo and xprop";
    }
    TestDisplay display(1700);
    ASSERT_TRUE(display.Ready());
    StartUpBox start(display.Name());
    ASSERT_FALSE(start.box.empty());
    for (const auto& [id, name] : NamedWindows(display.Name())) {
        if (name == "Vorlex") {
            const std::string state = RunTool("xwininfo -display " + display.Name() + " -id " + id);
            EXPECT_NE(state.find("Map State: IsUnMapped"), std::string::npos) << state;
        }
    }
}

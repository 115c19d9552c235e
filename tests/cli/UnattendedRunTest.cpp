// A whole unattended run of the real program on a prepared tree, and the ways such a run can end early: an
// output file held by another process, a termination request, a fatal signal.
#include <fcntl.h>
#include <locale.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ProgramRun.h"

using vorlex::test::Child;
using vorlex::test::CsvRecords;
using vorlex::test::DaysLater;
using vorlex::test::Exists;
using vorlex::test::HasLinesInOrder;
using vorlex::test::LogLineHtml;
using vorlex::test::MakeYoung;
using vorlex::test::ProgramCopy;
using vorlex::test::PythonInCodePage;
using vorlex::test::RunResult;
using vorlex::test::TempDir;
using vorlex::test::TestDisplay;
using vorlex::test::WaitUntil;
namespace fs = std::filesystem;

namespace {

const char* const kRed = "#ff0000";
const char* const kBlack = "#000000";
const char* const kBlue = "#0000ff";

// Settings that would change the run if it read them as criteria, in a layout a rewrite would not keep.
const char* const kSettings =
    "; kept by hand\r\n"
    "[Other]\r\n"
    "Key = value\r\n"
    "\r\n"
    "[Vorlex]\r\n"
    "Debug=0\r\n"
    "DaysOld= 5 \r\n"
    "DrivePath=/vorlex-not-this-one\r\n"
    "UseRegEx=1\r\n"
    "RegExEdit=\"zzz\"\r\n"
    "UseIncludeFiles=1\r\n"
    "IncludeFiles=*.none\r\n"
    "DoNotDeleteEmptyDirs=1\r\n"
    "AutoSaveOnExit=1\r\n"
    "MoveToTrash=1\r\n"
    "Width=900\r\n"
    "Unknown=kept\r\n";

}  // namespace

// The run deletes exactly the old files of the tree and the directories left empty and old, never follows a
// link out of the tree, writes the whole run to its log and the final statuses to its CSV file, and leaves
// the settings file as it was.
TEST(UnattendedRun, ScanAndDeleteOfAPreparedTree) {
    ProgramCopy program;
    program.dir.File("Vorlex.ini", kSettings);
    program.dir.File("VorlexActivity.rtf", "previous log");
    program.dir.File("VorlexFiles.csv", "previous csv");
    TempDir outside;
    const std::string target = outside.File("target.txt", "outside the tree");
    const std::string outsideOld = outside.File("old.txt", "outside the tree");

    TempDir tree;
    const std::string root = tree.path;
    tree.File("old.txt", "1");
    tree.File("name with blank, comma.txt", "2");
    // Names are bytes: a line feed and a byte that is no UTF-8 reach the file system unchanged.
    tree.File("two\nlines.txt", "5");
    tree.File("bad\xff.txt", "6");
    tree.File("sub/deep/old.dat", "3");
    const std::string young = tree.File("keep/young.txt", "4");
    MakeYoung(young);
    tree.Dir("empty-old/inner");
    const std::string emptyYoung = tree.Dir("empty-young");
    MakeYoung(emptyYoung);
    fs::create_symlink(target, root + "/link-out");
    fs::create_directory_symlink(outside.path, root + "/dir-link");

    RunResult run = program.Run({root, "30"}, DaysLater(40));
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");

    // Gone: the old files, the links themselves, and the directories empty and old after the deletion.
    for (const char* gone : {"/old.txt", "/name with blank, comma.txt", "/two\nlines.txt", "/bad\xff.txt",
                             "/sub", "/empty-old", "/link-out", "/dir-link"}) {
        EXPECT_FALSE(Exists(root + gone)) << gone;
    }
    // Kept: the young file with its directory, the young empty directory, the root, everything outside.
    for (const std::string& kept : {young, emptyYoung, root, target, outsideOld}) {
        EXPECT_TRUE(Exists(kept)) << kept;
    }
    EXPECT_EQ(outside.Read("target.txt"), "outside the tree");

    // The CSV file carries every row with its final status, in the order of the File text.
    auto records = CsvRecords(program.PathOf("VorlexFiles.csv"));
    ASSERT_EQ(records.size(), 12u);
    EXPECT_EQ(records[0], (std::vector<std::string>{"File", "Created", "Modified", "Accessed", "Age (Days)",
                                                    "Size (KB)", "Status"}));
    std::vector<std::pair<std::string, std::string>> rows;
    for (size_t i = 1; i < records.size(); ++i) {
        ASSERT_EQ(records[i].size(), 7u);
        rows.emplace_back(records[i][0], records[i][6]);
        EXPECT_EQ(records[i][4], "40") << records[i][0];
    }
    // One record per file; the CSV file is in the ANSI code page, where the line feed and the stray byte
    // are shown as '?'.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {root + "/bad?.txt", "Deleted"},       {root + "/dir-link", "Deleted"},
        {root + "/empty-old/", "Dir Deleted"}, {root + "/empty-old/inner/", "Dir Deleted"},
        {root + "/link-out", "Deleted"},       {root + "/name with blank, comma.txt", "Deleted"},
        {root + "/old.txt", "Deleted"},        {root + "/sub/", "Dir Deleted"},
        {root + "/sub/deep/", "Dir Deleted"},  {root + "/sub/deep/old.dat", "Deleted"},
        {root + "/two?lines.txt", "Deleted"},
    };
    auto sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, expected);

    // The log holds the whole run, from the version line to "Finished.".
    std::string html = program.LogHtml();
    EXPECT_TRUE(HasLinesInOrder(
        html,
        {LogLineHtml("Vorlex Version 2.1 Release 1 Build 70", kBlue, true),
         LogLineHtml("Settings Read.", kBlack, false),
         LogLineHtml("Search criteria obtained from command-line:", kBlack, false),
         LogLineHtml(program.exe + " " + root + " 30", kBlack, false),
         LogLineHtml("Vorlex Version 2.1 Release 1 Build 70", kBlue, true),
         LogLineHtml("Searching...", kBlack, true), LogLineHtml("Searching path " + root, kBlack, false),
         LogLineHtml("8 files found under " + root, kBlack, false),
         LogLineHtml("7 files matched search criteria.", kBlack, false),
         LogLineHtml("Results written to CSV file " + program.PathOf("VorlexFiles.csv"), kBlue, false),
         LogLineHtml("Deleting files...", kBlack, true), LogLineHtml("7 files deleted.", kBlack, false),
         LogLineHtml("Deleting empty directories...", kBlack, true),
         LogLineHtml("Deleted empty directory: " + root + "/sub/deep", kBlack, false),
         LogLineHtml("4 empty directories deleted.", kBlack, false),
         LogLineHtml("Finished.", kBlack, true)}));
    // Not a line of the previous run, and the settings' criteria were not used.
    EXPECT_EQ(html.find("previous"), std::string::npos);
    EXPECT_EQ(html.find("zzz"), std::string::npos);
    EXPECT_EQ(html.find("*.none"), std::string::npos);
    EXPECT_EQ(program.dir.Read("Vorlex.ini"), kSettings);
}

/// `html` with each character reference (&#N;) that unrtf writes replaced by the character in UTF-8.
std::string WithCharacters(const std::string& html) {
    std::string out;
    for (std::size_t i = 0; i < html.size(); ++i) {
        const std::size_t end = html.find(';', i);
        if (html.compare(i, 2, "&#") == 0 && end != std::string::npos && end - i < 10) {
            const unsigned long cp = std::stoul(html.substr(i + 2, end - i - 2));
            if (cp < 0x80) {
                out += static_cast<char>(cp);
            } else if (cp < 0x800) {
                out += static_cast<char>(0xC0 | (cp >> 6));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (cp >> 12));
                out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            }
            i = end;
        } else {
            out += html[i];
        }
    }
    return out;
}

// The CSV file is written in the code page of the user's language, the log keeps the characters of that code
// page, and the date texts, the log's own and those inside its messages, keep every character.
TEST(UnattendedRun, TheCsvAndTheLogFollowTheUsersLocale) {
    struct Case {
        const char* locale;
        const char* codec;     // Python's name of the code page
        const char* dateTime;  // the date-time text of the locale, as a regular expression
        const char* size;      // the Size field of 2,000,000 bytes: the locale's separator, commas removed
    };
    const Case cases[] = {
        {"en_US.UTF-8", "cp1252", R"(\d\d/\d\d/\d{4}( \d\d:\d\d:\d\d [AP]M)?)", "1953"},
        {"de_DE.UTF-8", "cp1252", R"(\d\d\.\d\d\.\d{4}( \d\d:\d\d:\d\d)?)", "1.953"},
        // Russian groups with U+202F, which 1251 lacks.
        {"ru_RU.UTF-8", "cp1251", R"(\d\d\.\d\d\.\d{4}( \d\d:\d\d:\d\d)?)", "1?953"},
        {"ja_JP.UTF-8", "cp932",
         "\\d{4}\xE5\xB9\xB4\\d\\d\xE6\x9C\x88\\d\\d\xE6\x97\xA5( "
         "\\d\\d\xE6\x99\x82\\d\\d\xE5\x88\x86\\d\\d\xE7\xA7\x92)?",
         "1953"},
        {"tr_TR.UTF-8", "cp1254", R"(\d\d-\d\d-\d{4}( \d\d:\d\d:\d\d)?)", "1.953"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        const locale_t installed = newlocale(LC_ALL_MASK, c.locale, static_cast<locale_t>(nullptr));
        if (installed == static_cast<locale_t>(nullptr)) {
            GTEST_SKIP() << c.locale
                         << " is not installed and cannot be used (scripts/setup.sh test makes it)";
        }
        freelocale(installed);
        ProgramCopy program;
        TempDir parent;
        // Cyrillic, Japanese and Turkish in the folder's name, which the log shows, and in the files' names.
        const std::string folder =
            "\xD0\x96\xD1\x83\xD0\xBA \xE6\x97\xA5\xE6\x9C\xAC \xC4\x9F\xC4\xB1\xC5\x9F";
        const std::string root = parent.Dir(folder);
        const std::vector<std::string> names = {
            "big \xE2\x82\xAC \xC3\xA9.bin", "\xD0\x96\xD1\x83\xD0\xBA.txt", "\xE6\x97\xA5\xE6\x9C\xAC.txt",
            "\xC4\x9F\xC4\xB1\xC5\x9F.txt"};
        for (const std::string& name : names) {
            parent.File(folder + "/" + name, name == names[0] ? std::string(2'000'000, 'x') : "x");
        }
        RunResult run = program.Run({root, "0", "/SCAN"}, [&] {
            auto env = DaysLater(1);
            env["LC_ALL"] = c.locale;
            return env;
        }());
        ASSERT_FALSE(run.timedOut);
        ASSERT_EQ(run.exitCode, 0) << run.err;

        bool ok = false;
        const auto records = CsvRecords(program.PathOf("VorlexFiles.csv"), &ok, c.codec);
        ASSERT_TRUE(ok);
        ASSERT_EQ(records.size(), names.size() + 1);
        std::vector<std::string> paths;
        for (const std::string& name : names) {
            paths.push_back(root + "/" + name);
        }
        std::vector<std::string> expected = PythonInCodePage(paths, c.codec);
        std::vector<std::string> files;
        const std::regex dateTime(c.dateTime);
        for (std::size_t i = 1; i < records.size(); ++i) {
            ASSERT_EQ(records[i].size(), 7u);
            files.push_back(records[i][0]);
            for (std::size_t k = 1; k <= 3; ++k) {
                EXPECT_TRUE(std::regex_match(records[i][k], dateTime)) << records[i][k];
            }
            if (records[i][0] == expected[0]) {
                EXPECT_EQ(records[i][5], c.size);
            }
        }
        std::sort(files.begin(), files.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(files, expected);

        const std::string log = WithCharacters(program.LogHtml());
        const std::string searched = PythonInCodePage({root}, c.codec).at(0);
        EXPECT_NE(log.find("Searching path " + searched + "<br>"), std::string::npos) << log;
        std::smatch cutOff;
        EXPECT_TRUE(std::regex_search(log, cutOff, std::regex("\\(Created before (.*)\\)<br>")));
        EXPECT_TRUE(std::regex_match(cutOff[1].str(), dateTime)) << cutOff[1];
        // Each line's own time stamp too.
        EXPECT_TRUE(std::regex_search(
            log, std::regex("<font color=\"#000000\">" + std::string(c.dateTime) + " </font>")))
            << log;
    }
}

// More files listed than /MAX allows: nothing is deleted, the numbers go to the log and standard error, the
// CSV file lists what would have gone, and the run ends with 1. At the limit the run deletes as usual.
TEST(UnattendedRun, MaxLimitStopsARunThatListsMoreFiles) {
    ProgramCopy program;
    TempDir tree;
    for (const char* name : {"a.tmp", "b.tmp", "sub/c.tmp"}) {
        tree.File(name, "x");
    }
    RunResult over = program.Run({tree.path, "30", "/MAX", "2"}, DaysLater(40));
    EXPECT_EQ(over.exitCode, 1) << over.err;
    const std::string message =
        "ERROR: 3 files were listed, more than the limit of /MAX 2. Nothing was deleted.";
    EXPECT_NE(over.err.find(message), std::string::npos) << over.err;
    for (const char* name : {"/a.tmp", "/b.tmp", "/sub/c.tmp"}) {
        EXPECT_TRUE(Exists(tree.path + name)) << name;
    }
    auto records = CsvRecords(program.PathOf("VorlexFiles.csv"));
    ASSERT_EQ(records.size(), 4u);
    for (size_t i = 1; i < records.size(); ++i) {
        EXPECT_EQ(records[i][6], "Found") << records[i][0];
    }
    std::string html = program.LogHtml();
    EXPECT_TRUE(
        HasLinesInOrder(html, {LogLineHtml("3 files matched search criteria.", kBlack, false),
                               LogLineHtml(message, kRed, true), LogLineHtml("Finished.", kBlack, true)}));
    EXPECT_EQ(html.find("Deleting"), std::string::npos);

    RunResult at = program.Run({tree.path, "30", "/MAX", "3"}, DaysLater(40));
    EXPECT_EQ(at.exitCode, 0) << at.err;
    EXPECT_FALSE(Exists(tree.path + "/a.tmp"));
    EXPECT_FALSE(Exists(tree.path + "/sub"));
}

TEST(UnattendedRun, ARunThatMatchesNothingEndsWithZeroAndNoCsv) {
    ProgramCopy program;
    program.dir.File("VorlexFiles.csv", "previous csv");
    TempDir tree;
    tree.File("new.txt", "x");
    tree.Dir("empty");
    RunResult run = program.Run({tree.path, "30"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(Exists(program.PathOf("VorlexFiles.csv")));
    EXPECT_TRUE(Exists(tree.path + "/new.txt"));
    EXPECT_TRUE(Exists(tree.path + "/empty"));
    std::string html = program.LogHtml();
    EXPECT_TRUE(HasLinesInOrder(html, {LogLineHtml("0 files matched search criteria.", kBlack, false),
                                       LogLineHtml("Finished.", kBlack, true)}));
    EXPECT_EQ(html.find("Deleting"), std::string::npos);
}

// Another process holding the log file or the CSV file ends the start with code 1 and the reason on
// standard error; the files of the previous run stay as they were.
TEST(UnattendedRun, OutputFileHeldByAnotherProcessEndsWithCodeOne) {
    for (const char* held : {"VorlexActivity.rtf", "VorlexFiles.csv"}) {
        SCOPED_TRACE(held);
        ProgramCopy program;
        program.dir.File("VorlexActivity.rtf", "previous log");
        program.dir.File("VorlexFiles.csv", "previous csv");
        TempDir tree;
        const std::string old = tree.File("old.txt", "x");
        const std::string path = program.PathOf(held);
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(flock(fd, LOCK_SH), 0);
        RunResult run = program.Run({tree.path, "30"}, DaysLater(40));
        close(fd);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "Vorlex: ERROR: The file " + path +
                               " cannot be accessed.\nREASON: The file is in use by another process\n");
        EXPECT_EQ(program.dir.Read("VorlexActivity.rtf"), "previous log");
        EXPECT_EQ(program.dir.Read("VorlexFiles.csv"), "previous csv");
        EXPECT_TRUE(Exists(old));
    }
}

namespace {

/// An unattended run on `display` whose log is held by this process (so it refuses with a box), started and
/// waited for until its box is up. The lock goes with the object.
struct RunWithBox {
    ProgramCopy program;
    TempDir tree;
    std::string old = tree.File("old.txt", "x");
    int lock = -1;
    std::unique_ptr<Child> run;

    explicit RunWithBox(const std::string& display) {
        lock = open(program.dir.File("VorlexActivity.rtf", "previous log").c_str(), O_RDONLY | O_CLOEXEC);
        if (lock < 0 || flock(lock, LOCK_SH) != 0) {
            ADD_FAILURE() << "cannot hold the log";
        }
        std::map<std::string, std::string> env = DaysLater(40);
        env["DISPLAY"] = display;
        env["VORLEX_NO_BOXES"] = "";
        run = program.Start({tree.path, "30"}, env);
        // The box is up once the program has a window on the display.
        const std::string windows = "xwininfo -display " + display + " -root -tree 2>/dev/null";
        EXPECT_TRUE(WaitUntil([&] {
            return vorlex::test::RunTool(windows).find("Vorlex") != std::string::npos || !run->Running();
        }));
        EXPECT_TRUE(run->Running()) << "the box was not shown";
    }
    ~RunWithBox() {
        if (lock >= 0) {
            close(lock);
        }
    }
    RunWithBox(const RunWithBox&) = delete;
    RunWithBox& operator=(const RunWithBox&) = delete;
};

bool HasBoxTools() {
    return access("/usr/bin/Xvfb", X_OK) == 0 && access("/usr/bin/xwininfo", X_OK) == 0;
}

}  // namespace

// A run that can reach a display shows its refusal in a box as well; a termination signal while the box
// waits for a click still ends the run, with code 1, so a scheduler's next start is not held up.
TEST(UnattendedRun, TerminationSignalEndsARunWhoseBoxIsUp) {
    if (!HasBoxTools()) {
        GTEST_SKIP() << "needs Xvfb and xwininfo";
    }
    TestDisplay display(200);
    ASSERT_TRUE(display.Ready());
    for (int sig : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(sig);
        RunWithBox box(display.Name());
        box.run->Signal(sig);
        RunResult ended = box.run->Wait(20);
        EXPECT_FALSE(ended.timedOut) << "the box kept the run from ending";
        EXPECT_EQ(ended.exitCode, 1);
        EXPECT_NE(ended.err.find("cannot be accessed."), std::string::npos) << ended.err;
        EXPECT_TRUE(Exists(box.old));
    }
}

// Nobody clicks the box of a nightly run: it closes by itself after a minute and the run ends with its
// code, so the instance is free again for the next start.
TEST(UnattendedRun, ABoxNobodyClicksClosesByItself) {
    if (!HasBoxTools()) {
        GTEST_SKIP() << "needs Xvfb and xwininfo";
    }
    TestDisplay display(700);
    ASSERT_TRUE(display.Ready());
    RunWithBox box(display.Name());
    // Well beyond the box's minute: a run still there then waits for a click.
    RunResult ended = box.run->Wait(150);
    EXPECT_FALSE(ended.timedOut) << "the box waited for a click";
    EXPECT_EQ(ended.exitCode, 1);
}

namespace {

/// Starts a debug run on `tree` (debug mode pauses before the scan) and waits until start-up has deleted the
/// previous log, so the run is past its start-up checks and its signal handlers are in place.
std::unique_ptr<Child> StartPausedRun(const ProgramCopy& program, const TempDir& tree) {
    program.dir.File("VorlexActivity.rtf", "previous log");
    auto child = program.Start({tree.path, "30", "/D"}, DaysLater(40));
    EXPECT_TRUE(
        WaitUntil([&] { return !Exists(program.PathOf("VorlexActivity.rtf")) || !child->Running(); }));
    return child;
}

}  // namespace

// A termination request stops the run like the Stop button: it ends, with code 1, its log saved and saying
// so, and nothing deleted.
TEST(UnattendedRun, TerminationRequestStopsTheRunWithCodeOne) {
    ProgramCopy program;
    TempDir tree;
    const std::string old = tree.File("old.txt", "x");
    auto child = StartPausedRun(program, tree);
    ASSERT_TRUE(child->Running());
    child->Signal(SIGTERM);
    RunResult run = child->Wait();
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Exists(old));
    EXPECT_TRUE(HasLinesInOrder(program.LogHtml(), {LogLineHtml("Aborted by user.", kBlack, true),
                                                    LogLineHtml("Return Code = 1", "#008000", false)}));
}

// A fatal signal leaves a report in the log and ends the run with code 1.
TEST(UnattendedRun, FatalSignalIsReportedInTheLog) {
    ProgramCopy program;
    TempDir tree;
    const std::string old = tree.File("old.txt", "x");
    auto child = StartPausedRun(program, tree);
    ASSERT_TRUE(child->Running());
    child->Signal(SIGSEGV);
    RunResult run = child->Wait();
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Exists(old));
    EXPECT_TRUE(HasLinesInOrder(
        program.LogHtml(),
        {LogLineHtml("WARNING: The STOP button will not work when Debug is On", kRed, true),
         LogLineHtml("Aborted due to Exception", kBlack, true),
         LogLineHtml("Exception Message = Fatal signal SIGSEGV", kRed, true),
         LogLineHtml("Stack Dump:", kBlue, true), LogLineHtml("Dumping System Info:", kBlue, true),
         "LogSystemInfo App.ExeName: " + fs::canonical(program.exe).string(),
         LogLineHtml("Exception Message = Fatal signal SIGSEGV", kRed, true)}))
        << program.LogHtml();
    // A scheduler's mail shows standard error: the report says what happened and where to read more.
    EXPECT_EQ(run.err.rfind("Vorlex: Fatal signal SIGSEGV. See " + program.PathOf("VorlexActivity.rtf") +
                                " for the report.\nStack Dump:\n",
                            0),
              0u)
        << run.err;
    EXPECT_GT(std::count(run.err.begin(), run.err.end(), '\n'), 2) << "no stack: " << run.err;
}

// The command line through the real program: refusals with their exit code and red bold log line, the usage
// text, and the switches' effect on a real tree.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ProgramRun.h"
#include "app/CommandLine.h"

using vorlex::test::CsvFiles;
using vorlex::test::CsvRecords;
using vorlex::test::DaysLater;
using vorlex::test::Exists;
using vorlex::test::HasLinesInOrder;
using vorlex::test::LogLineHtml;
using vorlex::test::ProgramCopy;
using vorlex::test::RunResult;
using vorlex::test::TempDir;

namespace {

const char* const kRed = "#ff0000";
const char* const kBlack = "#000000";
const char* const kBlue = "#0000ff";

/// `text` with "{tree}" replaced by `tree`.
std::string WithTree(std::string text, const std::string& tree) {
    for (size_t at = text.find("{tree}"); at != std::string::npos;
         at = text.find("{tree}", at + tree.size())) {
        text.replace(at, 6, tree);
    }
    return text;
}

struct Refusal {
    const char* name;
    std::vector<std::string> args;  ///< "{tree}" stands for the prepared tree, here and in the message
    std::string message;
};

}  // namespace

// Every refusal ends the run with code 1 before anything is deleted: the message is logged in red bold as the
// last line, goes to standard error, and the previous run's CSV file stays as it was.
TEST(CommandLineRun, EveryRefusalEndsWithCodeOneAndItsRedBoldLine) {
    const std::vector<Refusal> refusals = {
        {"path missing",
         {"/vorlex-no-such-dir", "30"},
         "ERROR: The Path parameter /vorlex-no-such-dir has a path that cannot be found or does not exist."},
        {"path blanks trimmed",
         {" /vorlex-no-such-dir\t", "30"},
         "ERROR: The Path parameter /vorlex-no-such-dir has a path that cannot be found or does not exist."},
        {"switch before the path",
         {"/SCAN", "{tree}", "30"},
         "ERROR: The Path parameter /SCAN has a path that cannot be found or does not exist."},
        {"days with a fraction", {"{tree}", "3.5"}, "ERROR: The Days parameter 3.5 is not a valid integer."},
        {"days with a unit", {"{tree}", "30d"}, "ERROR: The Days parameter 30d is not a valid integer."},
        {"days empty", {"{tree}", ""}, "ERROR: The Days parameter  is not a valid integer."},
        {"days beyond 32 bits",
         {"{tree}", "4294967326"},
         "ERROR: The Days parameter 4294967326 is not a valid integer."},
        {"days negative", {"{tree}", "-1"}, "ERROR: The Days parameter -1 must be a positive number."},
        {"days too many",
         {"{tree}", "10001"},
         "ERROR: The Days parameter 10001 must be 10,000 days or less."},
        {"exclude trailing comma",
         {"{tree}", "30", "/E", "*.tmp,"},
         "ERROR: Exclude file mask  is not a valid file type."},
        {"exclude doubled comma",
         {"{tree}", "30", "/E", "*.tmp,,*.bak"},
         "ERROR: Exclude file mask  is not a valid file type."},
        {"include question mark",
         {"{tree}", "30", "/I", "*.tm?"},
         "ERROR: Include file mask *.tm? is not a valid file type."},
        {"include with a path",
         {"{tree}", "30", "-i", "*.tmp a/b"},
         "ERROR: Include file mask a/b is not a valid file type."},
        {"not without expression",
         {"{tree}", "30", "/!", "/P", "/F"},
         "ERROR: Switch \\! specified without Regular Expression being specified as well."},
        {"path only without expression",
         {"{tree}", "30", "/F", "/p"},
         "ERROR: Switch \\P specified without Regular Expression being specified as well."},
        {"file only without expression",
         {"{tree}", "30", "-F"},
         "ERROR: Switch \\F specified without Regular Expression being specified as well."},
        {"expression does not compile",
         {"{tree}", "30", "/R", "a(b"},
         "ERROR: a(b is not a valid Regular Expression."},
        {"expression missing", {"{tree}", "30", "/R"}, "ERROR:  is not a valid Regular Expression."},
        {"expression empty",
         {"{tree}", "30", "/r", "", "/SCAN"},
         "ERROR:  is not a valid Regular Expression."},
        {"misspelt scan-only switch",
         {"{tree}", "30", "/SACN"},
         "ERROR: Unknown switch /SACN; did you mean /SCAN?"},
        {"scan-only switch with two dashes",
         {"{tree}", "30", "--scan"},
         "ERROR: Unknown switch --scan; did you mean /SCAN?"},
        {"scan-only switch with a trailing blank",
         {"{tree}", "30", "/SCAN "},
         "ERROR: Unknown switch /SCAN ; did you mean /SCAN?"},
        {"scan-only switch without its slash",
         {"{tree}", "30", "SCAN"},
         "ERROR: Unexpected argument SCAN; did you mean /SCAN?"},
        {"keep-directories switch in small letters",
         {"{tree}", "30", "/nodir"},
         "ERROR: Unknown switch /nodir; did you mean /NODIR?"},
        {"unknown switch after the expression",
         {"{tree}", "30", "/R", "-old$", "/X"},
         "ERROR: Unknown switch /X."},
        {"second path", {"{tree}", "30", "{tree}/sub"}, "ERROR: Unexpected argument {tree}/sub."},
        {"exclude given twice",
         {"{tree}", "30", "/E", "*.keep", "/E", "*.bak"},
         "ERROR: Switch /E given more than once."},
        {"exclude without its masks", {"{tree}", "30", "/E"}, "ERROR: Switch /E given without a value."},
        {"expression followed by a switch",
         {"{tree}", "30", "/R", "/!"},
         "ERROR: Switch /R given without a value."},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.name);
        ProgramCopy program;
        TempDir tree;
        const std::string old = tree.File("old.tmp", "x");
        program.dir.File("VorlexFiles.csv", "previous run\r\n");
        std::vector<std::string> args;
        for (const auto& a : r.args) {
            args.push_back(WithTree(a, tree.path));
        }
        const std::string message = WithTree(r.message, tree.path);
        RunResult run = program.Run(args, DaysLater(100));
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "Vorlex: " + message + "\n");
        EXPECT_EQ(run.out, "");
        std::string html = program.LogHtml();
        EXPECT_TRUE(
            HasLinesInOrder(html, {LogLineHtml("Settings Read.", kBlack, false),
                                   LogLineHtml("Search criteria obtained from command-line:", kBlack, false),
                                   LogLineHtml(message, kRed, true)}));
        // The refusal is the last line: nothing was searched.
        EXPECT_EQ(html.find("Searching"), std::string::npos);
        EXPECT_EQ(program.dir.Read("VorlexFiles.csv"), "previous run\r\n");
        EXPECT_TRUE(Exists(old));
    }
}

TEST(CommandLineRun, DebugSwitchIsLoggedBeforeARefusal) {
    ProgramCopy program;
    RunResult run = program.Run({"/vorlex-no-such-dir", "7", "/d"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(HasLinesInOrder(
        program.LogHtml(),
        {LogLineHtml("DEBUG via Command-Line = True", kRed, true),
         LogLineHtml("ERROR: The Path parameter /vorlex-no-such-dir has a path that cannot be found or does "
                     "not exist.",
                     kRed, true),
         LogLineHtml("Return Code = 1", "#008000", false)}));
}

// A help request shows the usage text on standard output and ends with code 0; nothing else is checked, and
// the files of the previous run stay.
TEST(CommandLineRun, HelpRequestsPrintTheUsageTextAndEndWithZero) {
    const std::vector<std::vector<std::string>> requests = {
        {"/?"},
        {"-h"},
        {"whatever"},
        {"/vorlex-no-such-dir", "-1", "/?"},
        {"/vorlex-no-such-dir", "abc", "/I", "*.tm?", "/H"},
    };
    for (const auto& args : requests) {
        SCOPED_TRACE(args.back());
        ProgramCopy program;
        program.dir.File("VorlexFiles.csv", "previous run\r\n");
        RunResult run = program.Run(args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, std::string(vorlex::app::kUsageText) + "\n");
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(program.dir.Read("VorlexFiles.csv"), "previous run\r\n");
        EXPECT_EQ(program.LogHtml().find("ERROR"), std::string::npos);
    }
    // The text as a user reads it: the synopsis first, the weighting note last, /H and /D not mentioned.
    const std::string usage = vorlex::app::kUsageText;
    EXPECT_EQ(usage.rfind("Vorlex [[drive:path] [days]] [[/E \"file mask(s)\"] [/I \"file mask(s)\"]] [[/R "
                          "\"regex\"] [/!] [/P] [/F]] [/SCAN] [/NODIR] [/?]\n\n",
                          0),
              0u);
    EXPECT_NE(usage.find("        Path < File Age < Excluded < Included < RegEx"), std::string::npos);
    EXPECT_EQ(usage.find("/H"), std::string::npos);
    EXPECT_EQ(usage.find("/D"), std::string::npos);
}

TEST(CommandLineRun, PathIsExpandedFromTheEnvironment) {
    ProgramCopy program;
    TempDir home;
    home.File("work dir/old.txt", "x");
    RunResult run = program.Run({"%HOME%/work dir", "30", "/SCAN"},
                                {{"HOME", home.path}, {"VORLEX_CLOCK_SHIFT", std::to_string(40 * 86400)}});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::string html = program.LogHtml();
    EXPECT_TRUE(
        HasLinesInOrder(html, {LogLineHtml("Searching path " + home.path + "/work dir", kBlack, false),
                               LogLineHtml("1 files matched search criteria.", kBlack, false)}));
    // The command line is logged as typed, an argument with a blank quoted.
    EXPECT_NE(html.find(LogLineHtml(program.exe + " \"%HOME%/work dir\" 30 /SCAN", kBlack, false)),
              std::string::npos)
        << html;
    EXPECT_EQ(CsvFiles(program.PathOf("VorlexFiles.csv")),
              std::vector<std::string>{home.path + "/work dir/old.txt"});
}

TEST(CommandLineRun, DaysZeroAndTenThousandAreAccepted) {
    ProgramCopy program;
    TempDir tree;
    const std::string file = tree.File("new.txt", "x");
    // Zero days: a file made a moment ago is old enough.
    RunResult run = program.Run({tree.path, "0", "/SCAN"}, DaysLater(1));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(program.LogHtml().find("Looking for files older than 0 days"), std::string::npos);
    EXPECT_EQ(CsvFiles(program.PathOf("VorlexFiles.csv")), std::vector<std::string>{file});

    run = program.Run({tree.path, "10000"}, DaysLater(1));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::string html = program.LogHtml();
    EXPECT_NE(html.find("Looking for files older than 10000 days"), std::string::npos) << html;
    EXPECT_NE(html.find(LogLineHtml("0 files matched search criteria.", kBlack, false)), std::string::npos);
    // No match: no CSV file (the previous one went at start-up) and nothing deleted.
    EXPECT_FALSE(Exists(program.PathOf("VorlexFiles.csv")));
    EXPECT_TRUE(Exists(file));
}

// NODIR is recognised in capitals only: /nodir is no switch, and as an unknown switch it is refused, so the
// run that meant to keep the empty directories removes nothing at all.
TEST(CommandLineRun, NodirInSmallLettersIsRefusedAndRemovesNothing) {
    for (bool capitals : {false, true}) {
        SCOPED_TRACE(capitals ? "/NODIR" : "/nodir");
        ProgramCopy program;
        TempDir tree;
        tree.File("sub/old.txt", "x");
        tree.Dir("empty");
        RunResult run = program.Run({tree.path, "30", capitals ? "/NODIR" : "/nodir"}, DaysLater(40));
        EXPECT_EQ(run.exitCode, capitals ? 0 : 1) << run.err;
        EXPECT_EQ(Exists(tree.path + "/sub/old.txt"), !capitals);
        EXPECT_TRUE(Exists(tree.path + "/sub"));
        EXPECT_TRUE(Exists(tree.path + "/empty"));
        std::string html = program.LogHtml();
        EXPECT_EQ(html.find(LogLineHtml("Empty directories will not be deleted.", kBlue, false)) !=
                      std::string::npos,
                  capitals);
        EXPECT_EQ(html.find("Deleting empty directories..."), std::string::npos);
    }
}

// /E as the last argument has no masks to take: the run is refused rather than run with an empty filter.
TEST(CommandLineRun, ExcludeSwitchAsTheLastArgumentIsRefused) {
    ProgramCopy program;
    TempDir tree;
    const std::string a = tree.File("a.tmp", "x");
    RunResult run = program.Run({tree.path, "30", "/NODIR", "/E"}, DaysLater(40));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Vorlex: ERROR: Switch /E given without a value.\n");
    EXPECT_EQ(program.LogHtml().find("File types to exclude are:"), std::string::npos);
    EXPECT_TRUE(Exists(a));
}

TEST(CommandLineRun, MaskValuesSplitOnCommasAndBlanks) {
    ProgramCopy program;
    TempDir tree;
    tree.File("a.tmp", "x");
    tree.File("b.bak", "x");
    tree.File("c.txt", "x");
    RunResult run = program.Run({tree.path, "30", "/E", "*.tmp, *.bak", "/NODIR"}, DaysLater(40));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(program.LogHtml().find(LogLineHtml("File types to exclude are: *.tmp,*.bak", kBlack, false)),
              std::string::npos);
    EXPECT_TRUE(Exists(tree.path + "/a.tmp"));
    EXPECT_TRUE(Exists(tree.path + "/b.bak"));
    EXPECT_FALSE(Exists(tree.path + "/c.txt"));
}

// /F wins over /P: the expression is tried on the file name alone.
TEST(CommandLineRun, ExpressionWithPathOnlyAndFileOnlyAppliesToTheFileName) {
    ProgramCopy program;
    TempDir tree;
    const std::string inName = tree.File("other/report-match.txt", "x");
    const std::string inPath = tree.File("match/keep.txt", "x");
    RunResult run = program.Run({tree.path, "30", "/R", "MATCH", "/P", "/F", "/NODIR"}, DaysLater(40));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(Exists(inName));
    EXPECT_TRUE(Exists(inPath));
    EXPECT_NE(program.LogHtml().find("Using regular expression: MATCH on File Only"), std::string::npos);
    auto records = CsvRecords(program.PathOf("VorlexFiles.csv"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1][0], inName);
    EXPECT_EQ(records[1][6], "Deleted");
}

// On the command line masks and an expression can all be on; the expression alone then decides for every
// file old enough.
TEST(CommandLineRun, ExpressionDecidesWhenMasksAreOnToo) {
    ProgramCopy program;
    TempDir tree;
    tree.File("a.tmp", "x");
    tree.File("b.log", "x");
    tree.File("c.txt", "x");
    const std::string young = tree.File("young.txt", "x");
    vorlex::test::MakeYoung(young);
    RunResult run =
        program.Run({tree.path, "30", "/I", "*.tmp", "/E", "*.log", "/R", "(b|c|young)\\.", "/F", "/SCAN"},
                    DaysLater(40));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(CsvFiles(program.PathOf("VorlexFiles.csv")),
              (std::vector<std::string>{tree.path + "/b.log", tree.path + "/c.txt"}));
    std::string html = program.LogHtml();
    EXPECT_TRUE(HasLinesInOrder(
        html, {LogLineHtml("File types to exclude are: *.log", kBlack, false),
               LogLineHtml("File types to include are: *.tmp", kBlack, false),
               LogLineHtml("Using regular expression: (b|c|young)\\. on File Only", kBlack, false)}));
}

TEST(CommandLineRun, ScanOnlyDeletesNothingButWritesTheCsv) {
    ProgramCopy program;
    TempDir tree;
    tree.File("old.txt", "x");
    tree.File("sub/old2.txt", "x");
    tree.Dir("empty");
    RunResult run = program.Run({tree.path, "30", "/scan"}, DaysLater(40));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Exists(tree.path + "/old.txt"));
    EXPECT_TRUE(Exists(tree.path + "/sub/old2.txt"));
    EXPECT_TRUE(Exists(tree.path + "/empty"));
    auto records = CsvRecords(program.PathOf("VorlexFiles.csv"));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1][6], "Found");
    EXPECT_EQ(records[2][6], "Found");
    std::string html = program.LogHtml();
    EXPECT_TRUE(HasLinesInOrder(
        html, {LogLineHtml("Scan Only option enabled. Files/Directories will not be deleted.", kBlue, false),
               LogLineHtml("2 files matched search criteria.", kBlack, false),
               LogLineHtml("Scan Only option enabled. Files/Directories were not deleted.", kBlue, false),
               LogLineHtml("Finished.", kBlack, true)}));
    EXPECT_EQ(html.find("Deleting"), std::string::npos);

    // With nothing matched the scan-only line still appears, and no CSV file is written.
    run = program.Run({tree.path, "30", "/SCAN"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(program.LogHtml().find("Scan Only option enabled. Files/Directories were not deleted."),
              std::string::npos);
    EXPECT_FALSE(Exists(program.PathOf("VorlexFiles.csv")));
}

// In debug mode the accepted run logs, in this order, the switches, its two paths and, for each file, the
// mask lines beside the expression that alone decides; it ends with the return code.
TEST(CommandLineRun, DebugRunLogsPathsMaskLinesAndReturnCode) {
    ProgramCopy program;
    TempDir tree;
    TempDir work;
    tree.File("a.tmp", "x");
    tree.File("b.log", "x");
    RunResult run =
        program
            .Start({tree.path, " +30", "/I", "*.tmp", "/E", "*.log", "/R", "b\\.", "/F", "/D", "/SCAN"},
                   DaysLater(40), work.path)
            ->Wait();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const char* const kGreen = "#008000";
    const std::string a = "File [" + tree.path + "/a.tmp]";
    const std::string b = "File [" + tree.path + "/b.log]";
    EXPECT_TRUE(HasLinesInOrder(
        program.LogHtml(),
        {LogLineHtml("Search criteria obtained from command-line:", kBlack, false),
         LogLineHtml("DEBUG via Command-Line = True", kRed, true),
         LogLineHtml("Scan Only option enabled. Files/Directories will not be deleted.", kBlue, false),
         LogLineHtml("Program Path = " + program.Folder(), kGreen, false),
         LogLineHtml("Current Path = " + work.path + "/", kGreen, false),
         LogLineHtml("WARNING: The STOP button will not work when Debug is On", kRed, true),
         "Looking for files older than 30 days (", LogLineHtml(a + " Included by mask *.tmp", kGreen, false),
         LogLineHtml(b + " Excluded by mask *.log", kGreen, false),
         LogLineHtml("Text [b.log] matched by RegEx", kGreen, false),
         LogLineHtml("1 files matched search criteria.", kBlack, false),
         LogLineHtml("Finished.", kBlack, true), LogLineHtml("Return Code = 0", kGreen, false)}));
    EXPECT_EQ(CsvFiles(program.PathOf("VorlexFiles.csv")), std::vector<std::string>{tree.path + "/b.log"});
}

// A refused run whose standard error is a pipe nobody reads (a closed log reader, `vorlex ... 2>&1 | head
// -0`): writing the message fails, but the run still ends with code 1 and saves its log, never killed by
// SIGPIPE.
TEST(CommandLineRun, RefusalWithStandardErrorClosedStillEndsWithCodeOne) {
    ProgramCopy program;
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_CLOEXEC), 0);
    close(fds[0]);
    std::vector<std::string> argv{program.exe, "/vorlex-no-such-dir", "30"};
    std::vector<char*> cargv;
    for (auto& a : argv) {
        cargv.push_back(a.data());
    }
    cargv.push_back(nullptr);
    std::vector<std::string> env = vorlex::test::ChildEnvironment({});
    std::vector<char*> cenv;
    for (auto& e : env) {
        cenv.push_back(e.data());
    }
    cenv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    // SIGPIPE must reach the program with its default action: ignoring it is the program's own doing.
    const vorlex::test::DefaultSignals signals;
    pid_t pid = -1;
    int rc = posix_spawn(&pid, program.exe.c_str(), &actions, signals.Get(), cargv.data(), cenv.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    ASSERT_EQ(rc, 0) << std::strerror(rc);
    int status = 0;
    ASSERT_TRUE(vorlex::test::WaitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }));
    EXPECT_FALSE(WIFSIGNALED(status)) << "signal " << WTERMSIG(status);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(program.LogHtml().find(LogLineHtml("ERROR: The Path parameter /vorlex-no-such-dir has a path "
                                                 "that cannot be found or does not exist.",
                                                 kRed, true)),
              std::string::npos);
}

// A settings file over 1 MiB is read only in part, and the log says so right after reading it.
TEST(CommandLineRun, OversizedSettingsFileIsReadInPartAndLogged) {
    const std::string warning = "WARNING: Settings file is larger than 1 MiB; only its first 1 MiB was read.";
    for (bool oversized : {false, true}) {
        SCOPED_TRACE(oversized ? "oversized" : "1 MiB");
        ProgramCopy program;
        std::string ini = "[Vorlex]\nDebug=1\n";
        ini += std::string((1 << 20) - ini.size() - 1, ';') + "\n";
        if (oversized) {
            ini += "[Vorlex]\n";
        }
        program.dir.File("Vorlex.ini", ini);
        RunResult run = program.Run({"/vorlex-no-such-dir", "30"});
        EXPECT_EQ(run.exitCode, 1);
        std::string html = program.LogHtml();
        EXPECT_TRUE(HasLinesInOrder(html, {LogLineHtml("Settings Read.", kBlack, false),
                                           LogLineHtml("DEBUG via INI = True", kRed, true)}));
        EXPECT_EQ(html.find(LogLineHtml(warning, kRed, true)) != std::string::npos, oversized);
        if (oversized) {
            EXPECT_TRUE(HasLinesInOrder(
                html, {LogLineHtml("Settings Read.", kBlack, false), LogLineHtml(warning, kRed, true),
                       LogLineHtml("Search criteria obtained from command-line:", kBlack, false)}));
        }
        // The run never writes the settings file.
        EXPECT_TRUE(program.dir.Read("Vorlex.ini") == ini);
    }
}

// A DISPLAY left over from an ended session is no display: the run neither tries to open a box there nor
// aborts; the usage still ends with 0 and a refusal with its own line last.
TEST(CommandLineRun, StaleDisplayShowsNoBoxAndDoesNotAbort) {
    ProgramCopy program;
    const std::map<std::string, std::string> stale = {{"DISPLAY", ":7391"}, {"VORLEX_NO_BOXES", ""}};
    RunResult help = program.Run({"/?"}, stale);
    EXPECT_EQ(help.signal, 0);
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_EQ(help.out, std::string(vorlex::app::kUsageText) + "\n");

    RunResult refused = program.Run({"/vorlex-no-such-dir", "30"}, stale);
    EXPECT_EQ(refused.exitCode, 1);
    const std::string message =
        "ERROR: The Path parameter /vorlex-no-such-dir has a path that cannot be found or does not exist.";
    EXPECT_EQ(refused.err, "Vorlex: " + message + "\n");
    std::string html = program.LogHtml();
    EXPECT_NE(html.find(LogLineHtml(message, kRed, true)), std::string::npos) << html;
    EXPECT_EQ(html.find("Fatal signal"), std::string::npos) << html;
}

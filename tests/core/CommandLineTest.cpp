#include <gtest/gtest.h>

#include "app/CommandLine.h"

using namespace vorlex::app;

namespace {

CommandLineChecks Checks() {
    CommandLineChecks c;
    c.isValidFileType = [](const std::string& m) {
        return !m.empty() && m.find_first_of("\"/:<>?\\|") == std::string::npos;
    };
    c.syntaxCheckRegEx = [](const std::string& r) {
        return r.find('(') != std::string::npos && r.find(')') == std::string::npos ? std::string("missing )")
                                                                                    : std::string();
    };
    c.directoryExists = [](const std::string& p) { return p == "/tmp" || p == "/D" || p == "/root/x"; };
    return c;
}

CommandLineRequest Parse(std::vector<std::string> args) {
    return ParseCommandLine(args, Checks());
}

}  // namespace

TEST(CommandLine, HelpWinsAndNeedsTwoArguments) {
    EXPECT_EQ(Parse({"/tmp"}).kind, CommandLineRequest::Kind::Help);
    EXPECT_EQ(Parse({"/nowhere", "abc", "/?"}).kind, CommandLineRequest::Kind::Help);
    EXPECT_EQ(Parse({"/tmp", "30", "-h"}).kind, CommandLineRequest::Kind::Help);
    // The path is never a switch: /D may be a real folder.
    auto r = Parse({"/D", "5"});
    EXPECT_EQ(r.kind, CommandLineRequest::Kind::Accepted);
    EXPECT_FALSE(r.debug);
    EXPECT_EQ(r.path, "/D");
}

TEST(CommandLine, RefusalsInOrderWithTheirMessages) {
    EXPECT_EQ(Parse({"/SCAN", "/tmp", "30"}).refusal,
              "ERROR: The Path parameter /SCAN has a path that cannot be found or does not exist.");
    EXPECT_EQ(Parse({"/tmp", "3.5"}).refusal, "ERROR: The Days parameter 3.5 is not a valid integer.");
    EXPECT_EQ(Parse({"/tmp", "30d"}).refusal, "ERROR: The Days parameter 30d is not a valid integer.");
    EXPECT_EQ(Parse({"/tmp", "99999999999"}).refusal,
              "ERROR: The Days parameter 99999999999 is not a valid integer.");
    EXPECT_EQ(Parse({"/tmp", "-1"}).refusal, "ERROR: The Days parameter -1 must be a positive number.");
    EXPECT_EQ(Parse({"/tmp", "10001"}).refusal,
              "ERROR: The Days parameter 10001 must be 10,000 days or less.");
    EXPECT_EQ(Parse({"/tmp", "0"}).kind, CommandLineRequest::Kind::Accepted);
    EXPECT_EQ(Parse({"/tmp", " +10000"}).days, 10000);
    EXPECT_EQ(Parse({"/tmp", "1", "/E", "*.tmp,"}).refusal,
              "ERROR: Exclude file mask  is not a valid file type.");
    EXPECT_EQ(Parse({"/tmp", "1", "/I", "*.tm?"}).refusal,
              "ERROR: Include file mask *.tm? is not a valid file type.");
    EXPECT_EQ(Parse({"/tmp", "1", "/!", "/P", "/F"}).refusal,
              "ERROR: Switch \\! specified without Regular Expression being specified as well.");
    EXPECT_EQ(Parse({"/tmp", "1", "/P", "/F"}).refusal,
              "ERROR: Switch \\P specified without Regular Expression being specified as well.");
    EXPECT_EQ(Parse({"/tmp", "1", "/F"}).refusal,
              "ERROR: Switch \\F specified without Regular Expression being specified as well.");
    EXPECT_EQ(Parse({"/tmp", "1", "/R", "(ab"}).refusal, "ERROR: (ab is not a valid Regular Expression.");
    EXPECT_EQ(Parse({"/tmp", "1", "/R"}).refusal, "ERROR:  is not a valid Regular Expression.");
}

TEST(CommandLine, SwitchesAreWholeArgumentsAndValuesFollowThem) {
    auto r = Parse({"/tmp", "7", "/scan", "-R", "bee(hive|line)", "/P", "/f", "/e", "*.tmp, *.bak"});
    ASSERT_EQ(r.kind, CommandLineRequest::Kind::Accepted) << r.refusal;
    EXPECT_TRUE(r.scanOnly);
    EXPECT_FALSE(r.noDir);
    EXPECT_TRUE(r.useRegEx);
    EXPECT_EQ(r.regex, "bee(hive|line)");
    EXPECT_EQ(r.regexTarget, 2);  // /F wins over /P
    EXPECT_TRUE(r.useExclude);
    EXPECT_EQ(r.excludeText, "*.tmp,*.bak");
    EXPECT_TRUE(Parse({"/tmp", "7", "/NODIR"}).noDir);
    auto plain = Parse({"/tmp", "7"});
    EXPECT_FALSE(plain.trash || plain.trashOrDelete || plain.hasMax);
    auto trash = Parse({"/tmp", "7", "/trash", "-MAX", " +1000"});
    ASSERT_EQ(trash.kind, CommandLineRequest::Kind::Accepted) << trash.refusal;
    EXPECT_TRUE(trash.trash);
    EXPECT_FALSE(trash.trashOrDelete);
    EXPECT_TRUE(trash.hasMax);
    EXPECT_EQ(trash.maxFiles, 1000);
    auto orDelete = Parse({"/tmp", "7", "/TrashOrDelete", "/MAX", "0"});
    EXPECT_TRUE(orDelete.trash && orDelete.trashOrDelete && orDelete.hasMax);
    EXPECT_EQ(orDelete.maxFiles, 0);

    // A value may start with '-' or '/'.
    auto dash = Parse({"/tmp", "7", "/R", "-x", "/I", "-*.log", "/SCAN"});
    ASSERT_EQ(dash.kind, CommandLineRequest::Kind::Accepted) << dash.refusal;
    EXPECT_EQ(dash.regex, "-x");
    EXPECT_EQ(dash.includeText, "-*.log");
    EXPECT_EQ(Parse({"/tmp", "7", "/R", "/x$"}).regex, "/x$");
    // A program under /root or a path under /etc is never taken as a switch value.
    auto root = Parse({"/root/x", "7", "/I", "*.log"});
    EXPECT_EQ(root.includeText, "*.log");
}

TEST(CommandLine, MaskValuesSplitAndJoin) {
    EXPECT_EQ(SplitSwitchMasks("*.tmp *.bak"), (std::vector<std::string>{"*.tmp", "*.bak"}));
    EXPECT_EQ(SplitSwitchMasks("\"a b.txt\",*.x,"), (std::vector<std::string>{"a b.txt", "*.x", ""}));
    EXPECT_EQ(SplitSwitchMasks("a,,b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitSwitchMasks("").empty());
    EXPECT_EQ(JoinMasks({"a b.txt", "*.x"}), "\"a b.txt\",*.x");
}

TEST(CommandLine, ExpandEnvVarsKeepsUnknownReferences) {
    setenv("VORLEX_T1", "/tmp", 1);
    EXPECT_EQ(ExpandEnvVars("%VORLEX_T1%/x"), "/tmp/x");
    EXPECT_EQ(ExpandEnvVars("%NO_SUCH_VAR_X%/%VORLEX_T1%"), "%NO_SUCH_VAR_X%//tmp");
    EXPECT_EQ(ExpandEnvVars("50%"), "50%");
    unsetenv("VORLEX_T1");
}

// Every argument after the days is a known switch or a switch's value: a misspelt /SCAN or a lower-case
// /nodir is refused, never ignored, so a run meant to keep files cannot delete them.
TEST(CommandLine, UnknownSwitchesAndStrayArgumentsAreRefused) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"/tmp", "30", "/SACN"}, "ERROR: Unknown switch /SACN; did you mean /SCAN?"},
        {{"/tmp", "30", "--scan"}, "ERROR: Unknown switch --scan; did you mean /SCAN?"},
        {{"/tmp", "30", "/SCAN "}, "ERROR: Unknown switch /SCAN ; did you mean /SCAN?"},
        {{"/tmp", "30", "/scan-only"}, "ERROR: Unknown switch /scan-only; did you mean /SCAN?"},
        {{"/tmp", "30", "/S"}, "ERROR: Unknown switch /S; did you mean /SCAN?"},
        {{"/tmp", "30", "/nodir"}, "ERROR: Unknown switch /nodir; did you mean /NODIR?"},
        {{"/tmp", "30", "/NODIRS", "/SCAN"}, "ERROR: Unknown switch /NODIRS; did you mean /NODIR?"},
        {{"/tmp", "30", "/Exclude", "x"}, "ERROR: Unknown switch /Exclude."},
        {{"/tmp", "30", "/X"}, "ERROR: Unknown switch /X."},
        {{"/tmp", "30", "SCAN"}, "ERROR: Unexpected argument SCAN; did you mean /SCAN?"},
        {{"/tmp", "30", "/SCAN", "/tmp/other"}, "ERROR: Unexpected argument /tmp/other."},
        {{"/tmp", "30", "/E", "*.tmp", "*.bak"}, "ERROR: Unexpected argument *.bak."},
        {{"/tmp", "30", ""}, "ERROR: Unexpected empty argument."},
        {{"/tmp", "30", "/E", "a", "/e", "b"}, "ERROR: Switch /E given more than once."},
        {{"/tmp", "30", "/R", "a", "-R", "b"}, "ERROR: Switch /R given more than once."},
        {{"/tmp", "30", "/SCAN", "/E"}, "ERROR: Switch /E given without a value."},
        {{"/tmp", "30", "/I"}, "ERROR: Switch /I given without a value."},
        {{"/tmp", "30", "/R", "/!"}, "ERROR: Switch /R given without a value."},
        {{"/tmp", "30", "/MAX"}, "ERROR: The Max parameter is missing."},
        {{"/tmp", "30", "/MAX", "/SCAN"}, "ERROR: The Max parameter is missing."},
        {{"/tmp", "30", "/MAX", "ten"}, "ERROR: The Max parameter ten is not a valid integer."},
        {{"/tmp", "30", "/MAX", "1.5"}, "ERROR: The Max parameter 1.5 is not a valid integer."},
        {{"/tmp", "30", "/MAX", "99999999999"},
         "ERROR: The Max parameter 99999999999 is not a valid integer."},
        {{"/tmp", "30", "/MAX", "-1"}, "ERROR: The Max parameter -1 must be a positive number."},
        {{"/tmp", "30", "/MAX", "5", "/max", "6"}, "ERROR: Switch /MAX given more than once."},
        {{"/tmp", "30", "/TRASHES"}, "ERROR: Unknown switch /TRASHES; did you mean /TRASH?"},
        {{"/tmp", "30", "/TrashOrDelet"},
         "ERROR: Unknown switch /TrashOrDelet; did you mean /TRASHORDELETE?"},
        {{"/tmp", "30", "/MAXIMUM", "5"}, "ERROR: Unknown switch /MAXIMUM; did you mean /MAX?"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args.back());
        CommandLineRequest r = Parse(args);
        EXPECT_EQ(r.kind, CommandLineRequest::Kind::Refused);
        EXPECT_EQ(r.refusal, message);
    }
    // The checks of the path and the days still come first, and a help request still wins.
    EXPECT_EQ(Parse({"/nowhere", "30", "/SACN"}).refusal,
              "ERROR: The Path parameter /nowhere has a path that cannot be found or does not exist.");
    EXPECT_EQ(Parse({"/tmp", "30", "/SACN", "/?"}).kind, CommandLineRequest::Kind::Help);
    EXPECT_EQ(Parse({"/tmp", "30", "/NODIR", "-d", "/H", "/!", "/R", "x"}).kind,
              CommandLineRequest::Kind::Help);
}

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "config/IniFile.h"
#include "config/Settings.h"

using namespace vorlex::config;

namespace {

std::string Value(const IniFile& ini, const char* key) {
    return ini.ReadString("Vorlex", key, "<absent>");
}

}  // namespace

TEST(IniFile, ReadsValuesByTheProfileRules) {
    IniFile ini(
        "top=outside any section\n"
        "[Other]\n"
        "Key=other section\n"
        "[ vorlex ]\n"
        "  key  =   spaced out   \n"
        "Double=\"  quoted  \"\n"
        "Single='x'\n"
        "Unbalanced=\"x'\n"
        "Inner=a \"b\" c\n"
        "Empty=\n"
        "; Missing=comment\n"
        "Missing2\n"
        "Key=second line of the same key\n"
        "[VORLEX]\n"
        "Later=second section of the same name\n");
    EXPECT_EQ(Value(ini, "KEY"), "spaced out");
    EXPECT_EQ(Value(ini, "double"), "  quoted  ");
    EXPECT_EQ(Value(ini, "Single"), "x");
    EXPECT_EQ(Value(ini, "Unbalanced"), "\"x'");
    EXPECT_EQ(Value(ini, "Inner"), "a \"b\" c");
    EXPECT_EQ(Value(ini, "Empty"), "");
    EXPECT_EQ(Value(ini, "Missing"), "<absent>");
    EXPECT_EQ(Value(ini, "Missing2"), "<absent>");
    EXPECT_EQ(Value(ini, "Later"), "<absent>");
    EXPECT_EQ(Value(ini, "top"), "<absent>");
    EXPECT_EQ(ini.ReadString("other", "key", ""), "other section");
}

TEST(IniFile, ParsesIntegersInDecimalAndHexadecimal) {
    EXPECT_EQ(ParseIniInteger("42"), 42);
    EXPECT_EQ(ParseIniInteger(" -5 "), -5);
    EXPECT_EQ(ParseIniInteger("+7"), 7);
    EXPECT_EQ(ParseIniInteger("0x1F"), 31);
    EXPECT_EQ(ParseIniInteger("0X1f"), 31);
    EXPECT_EQ(ParseIniInteger("$1F"), 31);
    EXPECT_EQ(ParseIniInteger("-$10"), -16);
    EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "abc", "12abc", "1 2", "0x", "$", "-", "1.5", "2147483648", "0x1FFFFFFFF",
                            "99999999999999999999999"}) {
        EXPECT_FALSE(ParseIniInteger(bad).has_value()) << bad;
    }
    IniFile ini("[Vorlex]\nA=0x10\nB=junk\nC=\n");
    EXPECT_EQ(ini.ReadInteger("Vorlex", "A", 9), 16);
    EXPECT_EQ(ini.ReadInteger("Vorlex", "B", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Vorlex", "C", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Vorlex", "D", 9), 9);
}

TEST(IniFile, CutsLongValuesAtWholeCharacters) {
    // 2046 ASCII letters, then two-byte characters: the cut must not split the 2047th character.
    std::string stored = std::string(2046, 'a') + "\xC3\xA9\xC3\xA9\xC3\xA9";
    IniFile ini("[Vorlex]\nIncludeFiles=" + stored + "\n");
    std::string read = Value(ini, "IncludeFiles");
    EXPECT_EQ(read, std::string(2046, 'a') + "\xC3\xA9");
    EXPECT_EQ(Value(IniFile("[Vorlex]\nK=" + std::string(5000, 'x') + "\n"), "K"), std::string(2047, 'x'));
}

TEST(IniFile, WritesKeepEveryOtherByteOfTheFile) {
    // CRLF endings, a foreign section before and after, an unknown key, a comment, a blank line before the
    // next section and no line ending at the very end.
    IniFile ini(
        "; settings\r\n"
        "[Other]\r\n"
        "DaysOld=999\r\n"
        "[vorlex]\r\n"
        "Unknown = keep  me \r\n"
        "daysold = 12\r\n"
        "; note\r\n"
        "\r\n"
        "[Tail]\r\n"
        "x=y");
    ini.WriteInteger("Vorlex", "DaysOld", 40);
    ini.WriteBool("Vorlex", "Debug", true);
    ini.WriteString("Tail", "z", "1");
    EXPECT_EQ(ini.Content(),
              "; settings\r\n"
              "[Other]\r\n"
              "DaysOld=999\r\n"
              "[vorlex]\r\n"
              "Unknown = keep  me \r\n"
              "DaysOld=40\r\n"
              "; note\r\n"
              "Debug=1\r\n"
              "\r\n"
              "[Tail]\r\n"
              "x=y\r\n"
              "z=1\r\n");
}

TEST(IniFile, AppendsAMissingSectionAtTheEnd) {
    IniFile ini("[Other]\nA=1");
    ini.WriteString("Vorlex", "DrivePath", "/data/");
    ini.WriteString("Vorlex", "RegExEdit", "x");
    EXPECT_EQ(ini.Content(), "[Other]\nA=1\n[Vorlex]\nDrivePath=/data/\nRegExEdit=x\n");
    IniFile fresh;
    fresh.WriteBool("Vorlex", "Debug", false);
    EXPECT_EQ(fresh.Content(), "[Vorlex]\nDebug=0\n");
}

TEST(IniFile, ValuesTheReadingRulesWouldChangeReadBackUnchanged) {
    IniFile ini;
    for (const std::string v : {" lead", "trail\t", "\"quoted\"", "'single'", "\"", "a=b;c", "", "  "}) {
        ini.WriteString("Vorlex", "K", v);
        EXPECT_EQ(Value(ini, "K"), v) << v;
    }
    // A line break in a value would start a new line (and could forge a section): it is stored as a blank.
    ini.WriteString("Vorlex", "K", "a\n[Evil]\r\nb");
    EXPECT_EQ(Value(ini, "K"), "a [Evil]  b");
    EXPECT_EQ(ini.ReadString("Evil", "b", "<absent>"), "<absent>");
}

TEST(UpdateIniFile, CreatesTheFileAndKeepsForeignContent) {
    vorlex::test::TempDir dir;
    std::string path = dir.path + "/Vorlex.ini";
    UpdateIniFile(path, [](IniFile& ini) { ini.WriteInteger("Vorlex", "DaysOld", 5); });
    EXPECT_EQ(dir.Read("Vorlex.ini"), "[Vorlex]\nDaysOld=5\n");

    dir.File("Vorlex.ini", "[Mine]\nkeep=1\n[Vorlex]\nDaysOld=5\nOdd=  x\n");
    UpdateIniFile(path, [](IniFile& ini) { ini.WriteInteger("Vorlex", "DaysOld", 6); });
    EXPECT_EQ(dir.Read("Vorlex.ini"), "[Mine]\nkeep=1\n[Vorlex]\nDaysOld=6\nOdd=  x\n");
}

TEST(UpdateIniFile, AnUnwritableFileIsReportedAndLeftAsItWas) {
    vorlex::test::TempDir dir;
    const std::string original = "[Vorlex]\nDaysOld=7\n";

    // Read-only by its permission bits; root's writes ignore them, the program does not.
    std::string path = dir.File("ro/Vorlex.ini", original);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    try {
        UpdateIniFile(path, [](IniFile& ini) { ini.WriteInteger("Vorlex", "DaysOld", 8); });
        ADD_FAILURE() << "no error for a read-only file";
    } catch (const WriteError& e) {
        EXPECT_STREQ(e.what(), ("Unable to write to " + path).c_str());
        EXPECT_EQ(e.Path(), path);
    }
    EXPECT_EQ(dir.Read("ro/Vorlex.ini"), original);

    // A directory where the file should be, and a folder that is not there.
    std::string asDir = dir.Dir("d/Vorlex.ini");
    EXPECT_THROW(UpdateIniFile(asDir, [](IniFile&) {}), WriteError);
    EXPECT_TRUE(std::filesystem::is_directory(asDir));
    EXPECT_THROW(UpdateIniFile(dir.path + "/gone/Vorlex.ini", [](IniFile&) {}), WriteError);
    EXPECT_FALSE(std::filesystem::exists(dir.path + "/gone"));

    // Nothing of a failed pass is left behind in the folder (no temporary files).
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path + "/ro"), {}), 1);
}

TEST(UpdateIniFile, AnotherUsersFileIsNotWritten) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    vorlex::test::TempDir dir;
    const std::string original = "[Vorlex]\nDebug=0\n";
    std::string path = dir.File("Vorlex.ini", original);
    // Root owns the file (mode 0644) in a folder everybody may write: user nobody could rename a new file
    // over it, but the file itself is not theirs to change.
    ASSERT_EQ(chmod(dir.path.c_str(), 0777), 0);
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) {
            _exit(10);
        }
        try {
            SaveSettingsFile(path, Settings{});
        } catch (const WriteError& e) {
            _exit(e.what() == "Unable to write to " + path ? 0 : 11);
        }
        _exit(12);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.Read("Vorlex.ini"), original);
}

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <new>
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
    EXPECT_EQ(ParseIniInteger(" -5 "), -5);
    EXPECT_EQ(ParseIniInteger("0X1f"), 31);
    EXPECT_EQ(ParseIniInteger("-$10"), -16);
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "abc", "12abc", "1 2", "0x", "$", "-", "1.5", "2147483648", "0x1FFFFFFFF"}) {
        EXPECT_FALSE(ParseIniInteger(bad).has_value()) << bad;
    }
    IniFile ini("[Vorlex]\nA=junk\nB=\n");
    EXPECT_EQ(ini.ReadInteger("Vorlex", "A", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Vorlex", "B", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Vorlex", "C", 9), 9);
}

TEST(IniFile, CutsLongValuesAtWholeCharacters) {
    // 2046 ASCII letters, then two-byte characters: the cut must not split the 2047th character.
    std::string stored = std::string(2046, 'a') + "\xC3\xA9\xC3\xA9\xC3\xA9";
    IniFile ini("[Vorlex]\nIncludeFiles=" + stored + "\n");
    std::string read = Value(ini, "IncludeFiles");
    EXPECT_EQ(read, std::string(2046, 'a') + "\xC3\xA9");
    EXPECT_EQ(Value(IniFile("[Vorlex]\nK=" + std::string(5000, 'x') + "\n"), "K"), std::string(2047, 'x'));
}

TEST(UpdateIniFile, AWriteKeepsEveryOtherByteOfTheFile) {
    // CRLF endings, foreign sections before and after, an unknown key, comments, a blank line before the
    // next section and no line ending at the very end.
    vorlex::test::TempDir dir;
    std::string path = dir.File("Vorlex.ini",
                                "; settings\r\n[Other]\r\nDaysOld=999\r\n[vorlex]\r\nUnknown = keep  me \r\n"
                                "daysold = 12\r\n; note\r\n\r\n[Tail]\r\nx=y");
    UpdateIniFile(path, [](IniFile& ini) {
        ini.WriteInteger("Vorlex", "DaysOld", 40);
        ini.WriteBool("Vorlex", "Debug", true);
        ini.WriteString("Tail", "z", "1");
    });
    EXPECT_EQ(dir.Read("Vorlex.ini"),
              "; settings\r\n[Other]\r\nDaysOld=999\r\n[vorlex]\r\nUnknown = keep  me \r\n"
              "DaysOld=40\r\n; note\r\nDebug=1\r\n\r\n[Tail]\r\nx=y\r\nz=1\r\n");

    // A missing section is appended at the end; a missing file is created.
    IniFile other("[Other]\nA=1");
    other.WriteString("Vorlex", "DrivePath", "/data/");
    EXPECT_EQ(other.Content(), "[Other]\nA=1\n[Vorlex]\nDrivePath=/data/\n");
    UpdateIniFile(dir.path + "/new.ini", [](IniFile& ini) { ini.WriteInteger("Vorlex", "DaysOld", 5); });
    EXPECT_EQ(dir.Read("new.ini"), "[Vorlex]\nDaysOld=5\n");
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

TEST(UpdateIniFile, AFileThatCannotBeWrittenIsReported) {
    // A directory where the file should be, and a folder that is not there (read-only files: SettingsTest).
    vorlex::test::TempDir dir;
    std::string asDir = dir.Dir("d/Vorlex.ini");
    EXPECT_THROW(UpdateIniFile(asDir, [](IniFile&) {}), WriteError);
    EXPECT_TRUE(std::filesystem::is_directory(asDir));
    try {
        UpdateIniFile(dir.path + "/gone/Vorlex.ini", [](IniFile&) {});
        ADD_FAILURE() << "no error for a missing folder";
    } catch (const WriteError& e) {
        EXPECT_STREQ(e.what(), ("Unable to write to " + dir.path + "/gone/Vorlex.ini").c_str());
    }
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

// A settings file over 1 MiB is read only up to the last whole line of its first MiB: a line cut in two
// would give a shorter value ("DaysOld=30" read as 3), so it is dropped with the rest.
TEST(IniFile, ReadsOnlyTheWholeLinesOfTheFirstMebibyte) {
    vorlex::test::TempDir dir;
    std::string text = "[Vorlex]\nDaysOld=45\n";
    const std::string filler = "; " + std::string(97, 'x') + "\n";
    while (text.size() + filler.size() < kMaxIniFileSize - 5) {
        text += filler;
    }
    text += std::string(kMaxIniFileSize - 6 - text.size(), ';') + "\n";
    ASSERT_EQ(text.size(), kMaxIniFileSize - 5);
    text += "Cut=1234567890\n";  // crosses the 1 MiB boundary
    text += "After=1\n";
    const std::string path = dir.File("Vorlex.ini", text);
    int error = -1;
    IniFile ini = IniFile::Read(path, &error);
    EXPECT_EQ(error, 0);
    EXPECT_TRUE(ini.Truncated());
    EXPECT_LE(ini.Content().size(), kMaxIniFileSize);
    EXPECT_EQ(ini.ReadInteger("Vorlex", "DaysOld", 30), 45);
    EXPECT_EQ(Value(ini, "Cut"), "<absent>");
    EXPECT_EQ(Value(ini, "After"), "<absent>");

    // A file of exactly 1 MiB is whole.
    text.resize(kMaxIniFileSize - 1);
    text += "\n";
    IniFile exact = IniFile::Read(dir.File("exact.ini", text));
    EXPECT_FALSE(exact.Truncated());
    EXPECT_TRUE(exact.Content() == text) << "the file was not read whole";
}

// The read is bounded, not cut after the fact: a sparse file of 64 GiB is read in a process that may not
// hold more than 256 MiB beyond what it already has.
TEST(IniFile, AHugeFileIsNeverReadWhole) {
    vorlex::test::TempDir dir;
    const std::string path = dir.File("Vorlex.ini", "[Vorlex]\nDaysOld=45\n");
    ASSERT_EQ(truncate(path.c_str(), off_t{64} << 30), 0);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        long pages = 0;
        FILE* statm = std::fopen("/proc/self/statm", "r");
        if (statm == nullptr || std::fscanf(statm, "%ld", &pages) != 1) {
            _exit(10);
        }
        std::fclose(statm);
        struct rlimit limit {};
        limit.rlim_cur = limit.rlim_max =
            static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (rlim_t{256} << 20);
        if (setrlimit(RLIMIT_AS, &limit) != 0) {
            _exit(11);
        }
        try {
            IniFile ini = IniFile::Read(path);
            _exit(ini.Truncated() && ini.ReadInteger("Vorlex", "DaysOld", 30) == 45 ? 0 : 12);
        } catch (const std::bad_alloc&) {
            _exit(13);
        }
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Writing a key into an oversized file would keep only its first MiB: the write is refused and the file
// stays as it was.
TEST(UpdateIniFile, AnOversizedFileIsNotRewritten) {
    vorlex::test::TempDir dir;
    const std::string text = "[Vorlex]\nDaysOld=45\n" + std::string(kMaxIniFileSize, ';') + "\nKeep=1\n";
    const std::string path = dir.File("Vorlex.ini", text);
    EXPECT_THROW(UpdateIniFile(path, [](IniFile& ini) { ini.WriteInteger("Vorlex", "DaysOld", 7); }),
                 WriteError);
    EXPECT_TRUE(dir.Read("Vorlex.ini") == text) << "the file changed";
}

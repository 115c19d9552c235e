#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "platform/Errors.h"
#include "platform/FileAccess.h"
#include "platform/Locale.h"

using namespace vorlex::platform;

TEST(CheckFileAccess, ReportsMissingFreeAndLockedFiles) {
    vorlex::test::TempDir dir;
    std::string path = dir.File("log.rtf", "x");
    EXPECT_EQ(CheckFileAccess(dir.path + "/missing.rtf"), kErrorFileNotFound);
    EXPECT_EQ(CheckFileAccess(path), 0);

    // A lock held through another open file description counts as another process's lock.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_SH), 0);
    EXPECT_EQ(CheckFileAccess(path), kErrorInUse);
    EXPECT_EQ(ErrorText(kErrorInUse), "The file is in use by another process");
    close(fd);
    EXPECT_EQ(CheckFileAccess(path), 0);
}

TEST(CheckFileAccess, NeverOpensFifosOrFollowsLinks) {
    vorlex::test::TempDir dir;
    std::string fifo = dir.path + "/pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(CheckFileAccess(fifo), 0);  // would block forever if opened for reading
    std::string target = dir.File("target", "t");
    std::filesystem::create_symlink(target, dir.path + "/link");
    EXPECT_NE(CheckFileAccess(dir.path + "/link"), 0);
}

TEST(ErrorText, TrimsTrailingFullStopsAndBlanks) {
    EXPECT_EQ(ErrorText(2), "No such file or directory");
    std::string t = ErrorText(13);
    ASSERT_FALSE(t.empty());
    EXPECT_NE(t.back(), '.');
}

TEST(ReplaceFileContent, ReplacesLinksInsteadOfFollowingThem) {
    vorlex::test::TempDir dir;
    std::string outside = dir.File("outside.txt", "keep");
    std::filesystem::create_symlink(outside, dir.path + "/out.csv");
    ASSERT_EQ(ReplaceFileContent(dir.path + "/out.csv", "new"), 0);
    EXPECT_EQ(dir.Read("outside.txt"), "keep");
    EXPECT_EQ(dir.Read("out.csv"), "new");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.path + "/out.csv"));
}

TEST(ReplaceFileContent, LeavesOldFileWhenFolderIsGone) {
    EXPECT_NE(ReplaceFileContent("/nonexistent-folder/x.csv", "data"), 0);
}

TEST(Locale, GroupsThousandsAndFormatsMidnightAsDateAlone) {
    EXPECT_EQ(GroupThousands(0, ","), "0");
    EXPECT_EQ(GroupThousands(999, ","), "999");
    EXPECT_EQ(GroupThousands(1000, ","), "1,000");
    EXPECT_EQ(GroupThousands(4882813, "."), "4.882.813");
    RegionalFormats f{"%m/%d/%Y", "%I:%M:%S %p", ","};
    CivilTime midnight{2026, 12, 9, 0, 0, 0, 999};
    EXPECT_EQ(FormatDateTime(midnight, f), "12/09/2026");
    CivilTime oneSecond{2026, 12, 9, 0, 0, 1, 0};
    EXPECT_EQ(FormatDateTime(oneSecond, f), "12/09/2026 12:00:01 AM");
    RegionalFormats named{"%a %d %b %Y", "%H:%M:%S", ""};
    CivilTime t{2026, 12, 9, 13, 5, 7, 0};
    EXPECT_EQ(FormatDateTime(t, named), "Wed 09 Dec 2026 13:05:07");
}

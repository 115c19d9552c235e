// The program a user runs, on its own clock: no variable makes young files old for it, and files whose
// times on disk are really old (written into an ext4 image with debugfs) are found and deleted.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ProgramRun.h"

using vorlex::test::CsvFiles;
using vorlex::test::DaysLater;
using vorlex::test::Exists;
using vorlex::test::HasLinesInOrder;
using vorlex::test::LogLineHtml;
using vorlex::test::ProgramCopy;
using vorlex::test::RunResult;
using vorlex::test::RunTool;
using vorlex::test::ShellQuote;
using vorlex::test::TempDir;
namespace fs = std::filesystem;

namespace {

const char* const kBlack = "#000000";
constexpr std::int64_t kDay = 86400;

std::int64_t NowSeconds() {
    struct timeval now {};
    gettimeofday(&now, nullptr);
    return now.tv_sec;
}

/// A small ext4 image whose files get any birth, change, write and access time through debugfs, then
/// loop-mounted read-write. The mount is undone (which frees its loop device) and the image removed when
/// the object goes, however the test ends.
class TimedExt4Image {
  public:
    /// One regular file of the image: its path below the root and its times (seconds since 1970).
    struct File {
        std::string path;
        std::int64_t birth;
        std::int64_t write;
    };

    TimedExt4Image() : image_(dir_.path + "/ext4.img"), mountPoint_(dir_.path + "/mnt") {}
    ~TimedExt4Image() {
        if (mounted_ && umount2(mountPoint_.c_str(), 0) != 0) {
            umount2(mountPoint_.c_str(), MNT_DETACH);
        }
    }
    TimedExt4Image(const TimedExt4Image&) = delete;
    TimedExt4Image& operator=(const TimedExt4Image&) = delete;

    /// Makes the file system with the folders `dirs` and the files `files` (each holding a few bytes), and
    /// mounts it. Returns why that failed, empty on success.
    std::string MakeAndMount(const std::vector<std::string>& dirs, const std::vector<File>& files) {
        int status = 0;
        std::string out = RunTool("truncate -s 8M " + ShellQuote(image_) + " && mkfs.ext4 -q -F -I 256 " +
                                      ShellQuote(image_) + " 2>&1",
                                  &status);
        if (status != 0) {
            return "mkfs.ext4 failed: " + out;
        }
        const std::string content = dir_.path + "/content";
        std::ofstream(content) << "old or new\n";
        const std::string script = dir_.path + "/debugfs.cmd";
        {
            std::ofstream cmd(script);
            // debugfs reads a name in double quotes as one argument, blanks and all.
            for (const auto& d : dirs) {
                cmd << "mkdir \"" << d << "\"\n";
            }
            for (const auto& f : files) {
                const std::string name = "\"" + f.path + "\"";
                cmd << "write \"" << content << "\" " << name << "\n";
                // The change time never precedes the write time on a real disk; the access time is the
                // write time.
                const std::int64_t change = std::max(f.birth, f.write);
                cmd << "set_inode_field " << name << " crtime @" << f.birth << "\n"
                    << "set_inode_field " << name << " mtime @" << f.write << "\n"
                    << "set_inode_field " << name << " atime @" << f.write << "\n"
                    << "set_inode_field " << name << " ctime @" << change << "\n";
            }
        }
        out = RunTool("debugfs -w -f " + ShellQuote(script) + " " + ShellQuote(image_) + " 2>&1", &status);
        if (status != 0) {
            return "debugfs failed: " + out;
        }
        fs::create_directory(mountPoint_);
        out = RunTool("mount -t ext4 -o loop,nosuid,nodev " + ShellQuote(image_) + " " +
                          ShellQuote(mountPoint_) + " 2>&1",
                      &status);
        if (status != 0) {
            return "mount -o loop failed: " + out;
        }
        mounted_ = true;
        return {};
    }

    /// The full path of `rel` in the mounted file system.
    std::string Path(const std::string& rel) const { return mountPoint_ + "/" + rel; }

  private:
    TempDir dir_;  // first member: it goes last, after the unmount
    std::string image_;
    std::string mountPoint_;
    bool mounted_ = false;
};

/// True when `path` has the birth and write times `birth` and `write` on disk.
::testing::AssertionResult HasTimes(const std::string& path, std::int64_t birth, std::int64_t write) {
    struct statx sx {};
    if (statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BTIME | STATX_MTIME, &sx) != 0) {
        return ::testing::AssertionFailure() << "cannot statx " << path;
    }
    if ((sx.stx_mask & STATX_BTIME) == 0 || sx.stx_btime.tv_sec != birth || sx.stx_mtime.tv_sec != write) {
        return ::testing::AssertionFailure()
               << path << ": birth " << sx.stx_btime.tv_sec << " (mask " << sx.stx_mask << "), write "
               << sx.stx_mtime.tv_sec << "; wanted " << birth << ", " << write;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

// The clock of the program a user runs is the system's: a VORLEX_CLOCK_SHIFT left in a scheduler's
// environment does not make files made a moment ago old, so nothing is listed or deleted.
TEST(ShippedProgram, ClockShiftVariableLeavesYoungFilesAlone) {
    ProgramCopy program(VORLEX_SHIPPED_EXE);
    TempDir tree;
    const std::string file = tree.File("made now.txt", "x");
    const std::string nested = tree.File("sub/made now too.txt", "x");
    RunResult run = program.Run({tree.path, "30"}, DaysLater(100));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Exists(file));
    EXPECT_TRUE(Exists(nested));
    EXPECT_TRUE(
        HasLinesInOrder(program.LogHtml(), {LogLineHtml("Searching path " + tree.path, kBlack, false),
                                            LogLineHtml("0 files matched search criteria.", kBlack, false)}));
    EXPECT_FALSE(Exists(program.PathOf("VorlexFiles.csv")));
}

// Files really old on disk, with no clock moved: the program lists and deletes those whose birth and write
// times are both older than the days, and keeps a file born now with an old write time and a file born long
// ago but written now.
TEST(ShippedProgram, DeletesFilesOldOnDiskAndKeepsThoseWithOneRecentTime) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to loop-mount an ext4 image whose file times debugfs set";
    }
    const std::int64_t now = NowSeconds();
    const std::int64_t old = now - 400 * kDay;
    TimedExt4Image image;
    const std::vector<TimedExt4Image::File> files = {
        {"data/old.txt", old, old},
        {"data/sub/old too.txt", old - 40 * kDay, old + 300 * kDay},
        {"data/born now.txt", now, old},
        {"data/written now.txt", old, now},
        {"data/sub/born 29 days ago.txt", now - 29 * kDay, old},
    };
    if (std::string why = image.MakeAndMount({"data", "data/sub"}, files); !why.empty()) {
        GTEST_SKIP() << "cannot make and mount an ext4 image with debugfs: " << why;
    }
    for (const auto& f : files) {
        ASSERT_TRUE(HasTimes(image.Path(f.path), f.birth, f.write));
    }

    ProgramCopy program(VORLEX_SHIPPED_EXE);
    RunResult run = program.Run({image.Path("data"), "30"}, {{"VORLEX_CLOCK_SHIFT", ""}});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> listed = CsvFiles(program.PathOf("VorlexFiles.csv"));
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed,
              (std::vector<std::string>{image.Path("data/old.txt"), image.Path("data/sub/old too.txt")}));
    EXPECT_TRUE(HasLinesInOrder(program.LogHtml(),
                                {LogLineHtml("Searching path " + image.Path("data"), kBlack, false),
                                 LogLineHtml("2 files matched search criteria.", kBlack, false)}));
    EXPECT_FALSE(Exists(image.Path("data/old.txt")));
    EXPECT_FALSE(Exists(image.Path("data/sub/old too.txt")));
    EXPECT_TRUE(Exists(image.Path("data/born now.txt")));
    EXPECT_TRUE(Exists(image.Path("data/written now.txt")));
    EXPECT_TRUE(Exists(image.Path("data/sub/born 29 days ago.txt")));
}

// Times that lie: modified times in the future and before 1970, and a file system without birth times.
#include <sys/stat.h>

#include "AdversarialSupport.h"

namespace vorlex::adv {
namespace {

constexpr std::int64_t kYear2300 = 10413792000;  // 2300-01-01 00:00:00 UTC
constexpr std::int64_t kYear1901 = -2147483648;  // 1901-12-13 20:45:52 UTC, the oldest time ext4 keeps
constexpr std::int64_t kYear1950 = -631152000;   // 1950-01-01 00:00:00 UTC
constexpr std::int64_t kYear2001 = 978307200;    // 2001-01-01 00:00:00 UTC

/// True when the file system holding `dir` gives a birth time for a new file in it.
bool HasBirthTimes(const std::string& dir) {
    const std::string probe = dir + "/.birth-probe";
    if (!WriteFile(probe, "")) {
        return false;
    }
    struct statx sx {};
    const bool has = statx(AT_FDCWD, probe.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BTIME, &sx) == 0 &&
                     (sx.stx_mask & STATX_BTIME) != 0 && sx.stx_btime.tv_sec != 0;
    unlink(probe.c_str());
    return has;
}

TEST(Times, FutureTimesKeepEntriesAndTimesBefore1970AreOld) {
    Scene s;
    ASSERT_TRUE(WriteFile(s.tree + "/future.dat", "future"));
    ASSERT_TRUE(WriteFile(s.tree + "/ancient.dat", "1901"));
    ASSERT_TRUE(WriteFile(s.tree + "/epoch-minus-one.dat", "1969"));
    ASSERT_TRUE(WriteFile(s.tree + "/future-ns.dat", "one nanosecond short of 2300"));
    std::filesystem::create_directories(s.tree + "/futuredir");
    std::filesystem::create_directories(s.tree + "/olddir");
    SetTimes(s.tree + "/future.dat", kYear2300);
    SetTimes(s.tree + "/future-ns.dat", kYear2300 - 1, 999999999);
    SetTimes(s.tree + "/ancient.dat", kYear1901);
    SetTimes(s.tree + "/epoch-minus-one.dat", -1, 999999999);
    SetTimes(s.tree + "/futuredir", kYear2300);
    SetTimes(s.tree + "/olddir", kYear1950);
    const Snapshot before = TakeSnapshot(s.outside);

    RunResult r = s.prog.Run({s.tree, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    EXPECT_EQ(Names(s.tree), (std::set<std::string>{"future.dat", "future-ns.dat", "futuredir"}));
    bool ok = false;
    auto records = CsvRecords(s.prog.CsvPath(), &ok);
    ASSERT_TRUE(ok);
    std::map<std::string, std::vector<std::string>> byPath;
    for (std::size_t i = 1; i < records.size(); ++i) {
        byPath[records[i][0]] = records[i];
    }
    EXPECT_EQ(byPath.size(), 3u);
    ASSERT_EQ(byPath.count(s.tree + "/ancient.dat"), 1u);
    EXPECT_NE(byPath[s.tree + "/ancient.dat"][2].find("1901"), std::string::npos)
        << "Modified: " << byPath[s.tree + "/ancient.dat"][2];
    EXPECT_EQ(byPath[s.tree + "/ancient.dat"][6], "Deleted");
    ASSERT_EQ(byPath.count(s.tree + "/epoch-minus-one.dat"), 1u);
    EXPECT_NE(byPath[s.tree + "/epoch-minus-one.dat"][2].find("1969"), std::string::npos)
        << "Modified: " << byPath[s.tree + "/epoch-minus-one.dat"][2];
    EXPECT_EQ(byPath[s.tree + "/epoch-minus-one.dat"][6], "Deleted");
    ASSERT_EQ(byPath.count(s.tree + "/olddir/"), 1u);
    EXPECT_EQ(byPath[s.tree + "/olddir/"][6], "Dir Deleted");
    auto log = LogLines(s.prog.LogPath());
    EXPECT_TRUE(HasLine(log, "2 files matched search criteria.")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "2 files deleted.")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "1 empty directories deleted.")) << Joined(log);
}

TEST(Times, WithoutBirthTimesAnOldModifiedTimeDoesNotMakeANewFileOld) {
    ADV_REQUIRE_ROOT("mount a file system");
    Scene s;
    // ramfs keeps no birth times; tmpfs has none on older kernels.
    std::unique_ptr<ScopedMount> m;
    for (const char* type : {"ramfs", "tmpfs"}) {
        m = std::make_unique<ScopedMount>(type, s.tree, std::string(type) == "tmpfs" ? "size=1m" : "");
        if (m->Mounted() && !HasBirthTimes(s.tree)) {
            RecordProperty("file_system", type);
            break;
        }
        m.reset();
    }
    if (!m) {
        GTEST_SKIP() << "no file system without birth times could be mounted (ramfs, tmpfs)";
    }
    ASSERT_TRUE(WriteFile(s.tree + "/copied-from-2001.dat", "old content, new file"));
    ASSERT_TRUE(WriteFile(s.tree + "/future.dat", "future"));
    std::filesystem::create_directories(s.tree + "/dir-from-2001");
    SetTimes(s.tree + "/copied-from-2001.dat", kYear2001);
    SetTimes(s.tree + "/future.dat", kYear2300);
    SetTimes(s.tree + "/dir-from-2001", kYear2001);
    const Snapshot before = TakeSnapshot(s.tree);
    RunOptions now;
    now.clockShiftSeconds = 0;

    // Thirty days old by the modified time alone, but made just now: the status-change time stands in for
    // the missing birth time, so nothing is old.
    RunResult r = s.prog.Run({s.tree, "30"}, now);

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.tree)), "");
    EXPECT_FALSE(Exists(s.prog.CsvPath()));
    auto log = LogLines(s.prog.LogPath());
    EXPECT_TRUE(HasLine(log, "0 files matched search criteria.")) << Joined(log);
    EXPECT_TRUE(LinesWith(log, "Deleted empty directory").empty()) << Joined(log);

    // Two days later the same files are old, except the one modified in the future.
    r = s.prog.Run({s.tree, "1"});
    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(Names(s.tree), std::set<std::string>{"future.dat"});
    auto status = CsvStatus(s.prog.CsvPath());
    EXPECT_EQ(status, (std::map<std::string, std::string>{{s.tree + "/copied-from-2001.dat", "Deleted"},
                                                          {s.tree + "/dir-from-2001/", "Dir Deleted"}}));
}

}  // namespace
}  // namespace vorlex::adv

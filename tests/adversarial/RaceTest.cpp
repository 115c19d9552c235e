// The tree changing under a run: a folder swapped for a link to the outside, parents renamed or moved
// away, a start path that is a link, the root of the system, a run killed mid-deletion, and files
// rewritten between the scan and the deletion.
#include <algorithm>
#include <cstdio>

#include "../core/FsTestUtil.h"
#include "AdversarialSupport.h"
#include "cleanup/EmptyDirRemoval.h"
#include "cleanup/FileDeletion.h"

namespace vorlex::adv {
namespace {

constexpr int kSubFiles = 120;
constexpr int kNestedFiles = 80;

std::string Numbered(const char* prefix, int i) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s-%03d", prefix, i);
    return buf;
}

/// The swap race: tree/sub is a real folder (files s-*, nested/n-*, and keep.dat, which no run lists, so
/// the folder never empties); tree/link is a link to outside/, which holds files of the same names, files
/// of its own (o-*) and an empty old folder. A thread exchanges the names sub and link over and over.
class SwapScene : public Scene {
  public:
    SwapScene() {
        for (int i = 0; i < kSubFiles; ++i) {
            WriteFile(outside + "/" + Numbered("s", i), "outside");
        }
        std::filesystem::create_directories(outside + "/nested");
        for (int i = 0; i < kNestedFiles; ++i) {
            WriteFile(outside + "/nested/" + Numbered("n", i), "outside");
        }
        for (int i = 0; i < 10; ++i) {
            WriteFile(outside + "/" + Numbered("o", i), "outside only");
        }
        std::filesystem::create_directories(outside + "/emptyold");
        std::filesystem::create_directories(tree + "/sub/nested");
        WriteFile(tree + "/sub/keep.dat", "never listed");
        symlink(outside.c_str(), (tree + "/link").c_str());
        before = TakeSnapshot(outside);
    }

    /// Puts the real folder back under the name sub: the thread may have stopped with the names exchanged.
    void RestoreNames() const {
        struct stat st {};
        if (lstat((tree + "/sub").c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
            Swap();
        }
    }

    /// Writes every listed file of the real folder again.
    void Refill() const {
        RestoreNames();
        std::filesystem::create_directories(tree + "/sub/nested");
        for (int i = 0; i < kSubFiles; ++i) {
            WriteFile(tree + "/sub/" + Numbered("s", i), "inside");
        }
        for (int i = 0; i < kNestedFiles; ++i) {
            WriteFile(tree + "/sub/nested/" + Numbered("n", i), "inside");
        }
    }

    /// Exchanges the names once.
    void Swap() const {
        renameat2(AT_FDCWD, (tree + "/sub").c_str(), AT_FDCWD, (tree + "/link").c_str(), RENAME_EXCHANGE);
    }

    /// The names of the listed files (s-*, n-*) that are still in the real folder.
    std::set<std::string> Remaining() const {
        std::set<std::string> names = Names(tree + "/sub");
        for (const auto& n : Names(tree + "/sub/nested")) {
            names.insert(n);
        }
        names.erase("keep.dat");
        names.erase("nested");
        return names;
    }

    Snapshot before;
};

/// What is untrue in the rows (File text -> Status) of one run over a SwapScene, one problem per line: only
/// names of the real folder may be listed, every name listed as deleted must be gone, every name only listed
/// as not deleted must still be there, each of those has its "Could not delete " line, and the count line
/// agrees. `log` holds the log's messages (with or without timestamps).
std::string HonestyProblems(const SwapScene& s, const std::vector<std::pair<std::string, std::string>>& rows,
                            const std::vector<std::string>& log) {
    std::string problems;
    const std::set<std::string> remaining = s.Remaining();
    std::map<std::string, std::set<std::string>> statusByName;
    std::size_t deleted = 0;
    for (const auto& [path, status] : rows) {
        if (!path.empty() && path.back() == '/') {
            continue;  // an emptied folder's own row
        }
        const std::string name = BaseName(path);
        if (name.rfind("s-", 0) != 0 && name.rfind("n-", 0) != 0) {
            problems += "listed an entry that is not in the tree: " + path + "\n";
        }
        if (status == "NOT Deleted" && !HasLine(log, "Could not delete " + path)) {
            problems += "no \"Could not delete\" line for " + path + "\n";
        }
        statusByName[name].insert(status);
        deleted += status == "Deleted";
    }
    for (const auto& [name, statuses] : statusByName) {
        const bool gone = remaining.count(name) == 0;
        if (statuses.count("Deleted") != 0 && !gone) {
            problems += name + " is listed as deleted but is still there\n";
        }
        if (statuses.count("Deleted") == 0 && gone) {
            problems += name + " is listed as kept but is gone\n";
        }
    }
    if (!HasLine(log, std::to_string(deleted) + " files deleted.")) {
        problems += "no line \"" + std::to_string(deleted) + " files deleted.\"\n";
    }
    return problems;
}

/// One round of the engines (scan walk, deletion, empty-directory pass) over a refilled SwapScene while
/// a thread swaps the folder; returns what went wrong ("" when nothing did) and adds the swaps made.
std::string EngineRound(SwapScene& s, std::uint64_t& swaps) {
    const platform::TimeValue cutOff = test::DaysFromNow(1);
    s.Refill();
    test::TestHost host;
    std::vector<scan::ResultRow> rows;
    {
        Repeater swapper([&] { s.Swap(); });
        rows = test::ScanRows(s.tree, cutOff, host);
        std::erase_if(rows, [](const scan::ResultRow& row) {
            const std::string name = BaseName(row.path);
            return name == "keep.dat" || name == "sub" || name == "link";
        });
        cleanup::FileDeletionRequest request{s.tree, cutOff, false, {}, nullptr};
        cleanup::DeleteFiles(rows, request, host);
        cleanup::EmptyDirRequest dirs{s.tree, test::DaysFromNow(2), 1, {}};
        scan::DirListBox dirList;
        cleanup::DeleteEmptyDirs(dirs, dirList, host);
        swapper.Stop();
        swaps += swapper.Rounds();
    }
    s.RestoreNames();
    std::string problems = SnapshotDifferences(s.before, TakeSnapshot(s.outside));
    std::vector<std::pair<std::string, std::string>> statuses;
    for (const auto& row : rows) {
        statuses.emplace_back(row.path, scan::StatusText(row.status));
    }
    std::vector<std::string> log;
    for (const auto& l : host.log.lines) {
        log.push_back("- " + l.message);
    }
    return problems + HonestyProblems(s, statuses, log);
}

std::vector<std::pair<std::string, std::string>> CsvRows(const std::string& csv) {
    std::vector<std::pair<std::string, std::string>> rows;
    auto records = CsvRecords(csv);
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (records[i].size() == 7) {
            rows.emplace_back(records[i][0], records[i][6]);
        }
    }
    return rows;
}

TEST(SwapRace, AFolderSwappedForALinkToTheOutsideDuringScanAndDeletion) {
    SwapScene s;
    constexpr int kRounds = 16;
    std::uint64_t swaps = 0;
    int roundsWithRows = 0;
    for (int round = 0; round < kRounds; ++round) {
        s.Refill();
        RunResult r;
        {
            Repeater swapper([&] { s.Swap(); });
            r = s.prog.Run({s.tree, "1", "/E", "keep.dat,sub,link"});
            swapper.Stop();
            swaps += swapper.Rounds();
        }
        s.RestoreNames();
        ADV_EXPECT_FINISHED(r, 0);
        ASSERT_EQ(SnapshotDifferences(s.before, TakeSnapshot(s.outside)), "") << "round " << round;
        auto log = LogLines(s.prog.LogPath());
        if (!Exists(s.prog.CsvPath())) {
            // The walk met the link under both names, or the folder turned into the link as it went in
            // ("Access denied to directory "): nothing was listed.
            EXPECT_TRUE(HasLine(log, "0 files matched search criteria.")) << Joined(log);
            continue;
        }
        ++roundsWithRows;
        EXPECT_EQ(HonestyProblems(s, CsvRows(s.prog.CsvPath()), log), "") << "round " << round << "\n"
                                                                          << Joined(log);
    }
    EXPECT_GT(roundsWithRows, 0);
    RecordProperty("swaps", std::to_string(swaps));
    RecordProperty("rounds_with_rows", std::to_string(roundsWithRows));
}

TEST(SwapRace, TheEnginesOverManyRoundsNeverReachTheOutside) {
    SwapScene s;
    std::uint64_t swaps = 0;
    for (int round = 0; round < 60; ++round) {
        ASSERT_EQ(EngineRound(s, swaps), "") << "round " << round;
    }
    RecordProperty("swaps", std::to_string(swaps));
}

TEST(SwapRace, WithoutOpenat2TheEnginesNeverReachTheOutsideEither) {
    SwapScene s;
    // In a child whose kernel calls refuse openat2, as kernels before 5.6 do: every open goes name by name.
    test::ChildResult child = test::RunInChild([&] {
        if (!test::BlockOpenat2()) {
            return std::string("SKIP");
        }
        std::uint64_t swaps = 0;
        for (int round = 0; round < 30; ++round) {
            std::string problems = EngineRound(s, swaps);
            if (!problems.empty()) {
                return "round " + std::to_string(round) + ":\n" + problems;
            }
        }
        return std::string();
    });
    if (child.output == "SKIP") {
        GTEST_SKIP() << "openat2 cannot be blocked here (seccomp)";
    }
    EXPECT_TRUE(child.ExitedCleanly()) << "status " << child.status;
    EXPECT_EQ(child.output, "");
}

TEST(RenamedParents, AParentMovedAwayAfterTheWalkEnteredItLosesNothingOutsideTheTree) {
    // Away within the tree, and out of the tree altogether.
    for (const std::string destination : {"tree/renamed", "outside/moved"}) {
        SCOPED_TRACE(destination);
        Scene s;
        for (const char* sub : {"b", "c"}) {
            std::filesystem::create_directories(s.tree + "/a/" + sub);
            for (int i = 0; i < 5; ++i) {
                WriteFile(s.tree + "/a/" + sub + "/" + sub + std::to_string(i) + ".dat", sub);
            }
        }
        ASSERT_TRUE(WriteFile(s.outside + "/mine.dat", "outside"));
        const std::string to = s.base.path + "/" + destination;
        TestView view;
        auto c = MakeController(view, s.prog.Folder());
        c->SetDrivePath(s.tree);
        c->SetDaysOld(1);
        // The first file handed over lies two levels below "a": the walk has entered it.
        bool moved = false;
        view.onKeepAlive = [&] {
            if (!moved) {
                moved = rename((s.tree + "/a").c_str(), to.c_str()) == 0;
            }
        };
        c->Guarded([&] { c->ScanNow(); });
        view.onKeepAlive = nullptr;
        ASSERT_TRUE(moved);
        ASSERT_EQ(c->Rows().size(), 10u) << "the walk goes on in the folders it holds";
        const Snapshot outsideBefore = TakeSnapshot(s.outside);
        const Snapshot movedBefore = TakeSnapshot(to);

        c->Guarded([&] { c->DeleteFiles(); });

        EXPECT_TRUE(view.messages.empty());
        EXPECT_EQ(SnapshotDifferences(outsideBefore, TakeSnapshot(s.outside)), "");
        EXPECT_EQ(SnapshotDifferences(movedBefore, TakeSnapshot(to)), "")
            << "nothing is reached through the old path";
        auto log = ControllerLog(*c);
        for (const auto& row : c->Rows()) {
            EXPECT_EQ(row.status, scan::RowStatus::NotDeleted) << row.path;
            const long at = IndexOf(log, "Could not delete " + row.path);
            ASSERT_NE(at, -1) << row.path;
            EXPECT_EQ(log[static_cast<std::size_t>(at) + 1], "Reason: No such file or directory");
        }
        EXPECT_NE(IndexOf(log, "0 files deleted."), -1);
    }
}

TEST(RenamedParents, ParentsMovedOutAndBackDuringRunsLeaveTheOutsideAlone) {
    Scene s;
    const std::string away = s.base.path + "/away";  // outside the tree while the thread holds it there
    ASSERT_TRUE(WriteFile(s.outside + "/mine.dat", "outside"));
    const Snapshot before = TakeSnapshot(s.outside);
    const std::string a = s.tree + "/a";
    for (int round = 0; round < 8; ++round) {
        for (const char* sub : {"a/b", "a/b/c", "a/d"}) {
            std::filesystem::create_directories(s.tree + "/" + sub);
            std::string prefix = std::string(sub).substr(2);
            std::replace(prefix.begin(), prefix.end(), '/', '_');
            for (int i = 0; i < 40; ++i) {
                WriteFile(s.tree + "/" + sub + "/" + prefix + "-" + std::to_string(i), "inside");
            }
        }
        RunResult r;
        {
            Repeater mover([&] {
                rename(a.c_str(), away.c_str());
                rename(away.c_str(), a.c_str());
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            });
            r = s.prog.Run({s.tree, "1", "/NODIR"});
        }
        ADV_EXPECT_FINISHED(r, 0);
        ASSERT_FALSE(Exists(away));
        ASSERT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "") << "round " << round;
        // Rows listed as deleted are gone; rows listed as kept are there (paths are stable again).
        auto log = LogLines(s.prog.LogPath());
        if (!Exists(s.prog.CsvPath())) {
            EXPECT_TRUE(HasLine(log, "0 files matched search criteria.")) << Joined(log);
            continue;  // the folder was away when the walk looked for it
        }
        std::size_t deleted = 0;
        for (const auto& [path, status] : CsvRows(s.prog.CsvPath())) {
            if (status == "Deleted") {
                ++deleted;
                EXPECT_FALSE(Exists(path)) << path;
            } else {
                EXPECT_EQ(status, "NOT Deleted") << path;
                EXPECT_TRUE(Exists(path)) << path;
                EXPECT_TRUE(HasLine(log, "Could not delete " + path)) << path;
            }
        }
        EXPECT_TRUE(HasLine(log, std::to_string(deleted) + " files deleted.")) << Joined(log);
    }
}

TEST(StartPath, AStartPathThatIsALinkIsFollowedAndTheWalkStaysInItsTarget) {
    Scene s;
    const std::string real = s.base.path + "/real";
    std::filesystem::create_directories(real + "/sub");
    ASSERT_TRUE(WriteFile(real + "/old.dat", "old"));
    ASSERT_TRUE(WriteFile(real + "/sub/old.dat", "old"));
    ASSERT_EQ(symlink((s.outside).c_str(), (real + "/sub/back-out").c_str()), 0);
    ASSERT_TRUE(WriteFile(s.outside + "/mine.dat", "outside"));
    std::filesystem::create_directories(s.outside + "/emptyold");
    const std::string start = s.tree + "/start";
    ASSERT_EQ(symlink(real.c_str(), start.c_str()), 0);
    const Snapshot before = TakeSnapshot(s.outside);

    RunResult r = s.prog.Run({start, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    EXPECT_TRUE(Names(real).empty());
    EXPECT_TRUE(Exists(start)) << "the start link itself is not a listed entry";
    EXPECT_EQ(CsvStatus(s.prog.CsvPath()),
              (std::map<std::string, std::string>{{start + "/old.dat", "Deleted"},
                                                  {start + "/sub/", "Dir Deleted"},
                                                  {start + "/sub/back-out", "Deleted"},
                                                  {start + "/sub/old.dat", "Deleted"}}));
}

TEST(StartPath, AStartLinkPointedElsewhereAfterTheScanDeletesNothingThere) {
    Scene s;
    const std::string real = s.base.path + "/real";
    std::filesystem::create_directories(real);
    std::filesystem::create_directories(s.outside + "/decoy");
    for (const char* name : {"a.dat", "b.dat"}) {
        ASSERT_TRUE(WriteFile(real + "/" + name, "listed"));
        ASSERT_TRUE(WriteFile(s.outside + "/decoy/" + name, "never listed"));
    }
    const std::string start = s.tree + "/start";
    ASSERT_EQ(symlink(real.c_str(), start.c_str()), 0);
    TestView view;
    auto c = MakeController(view, s.prog.Folder());
    c->SetDrivePath(start);
    c->SetDaysOld(1);
    c->SetDeleteEmptyDirs(false);
    c->Guarded([&] { c->ScanNow(); });
    ASSERT_EQ(c->Rows().size(), 2u);
    const std::string startNew = start + ".new";
    ASSERT_EQ(symlink((s.outside + "/decoy").c_str(), startNew.c_str()), 0);
    ASSERT_EQ(rename(startNew.c_str(), start.c_str()), 0);
    const Snapshot before = TakeSnapshot(s.outside);

    c->Guarded([&] { c->DeleteFiles(); });

    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    EXPECT_EQ(Names(real), (std::set<std::string>{"a.dat", "b.dat"}));
    auto log = ControllerLog(*c);
    const std::string refusal =
        "ERROR: The folder " + start + " is no longer the folder that was scanned; deletion stopped.";
    EXPECT_NE(IndexOf(log, refusal), -1);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages.back().text, refusal);
    for (const auto& row : c->Rows()) {
        EXPECT_EQ(row.status, scan::RowStatus::NotDeleted) << row.path;
        const long at = IndexOf(log, "Could not delete " + row.path);
        ASSERT_NE(at, -1) << row.path;
        EXPECT_EQ(
            log[static_cast<std::size_t>(at) + 1],
            "Reason: A directory on its path was replaced by a link, a file or a mount point since the scan");
    }
}

TEST(StartPath, TheRootOfTheSystemIsScannedOnlyWithSlashScan) {
    Scene s;
    RunOptions o;
    o.timeoutSeconds = 540;
    o.clockShiftSeconds = 0;

    // Nothing on the system is 10,000 days old, and /SCAN deletes nothing in any case.
    RunResult r = s.prog.Run({"/", "10000", "/SCAN"}, o);

    ADV_EXPECT_FINISHED(r, 0);
    auto log = LogLines(s.prog.LogPath());
    EXPECT_FALSE(LinesWith(log, " files found under /").empty()) << Joined(log);
    EXPECT_TRUE(HasLine(log, "Scan Only option enabled. Files/Directories were not deleted.")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "Skipped mount point /proc")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "Finished.")) << Joined(log);
    EXPECT_TRUE(LinesWith(log, "Deleting files...").empty()) << Joined(log);
    EXPECT_TRUE(LinesWith(log, "Deleting empty directories...").empty()) << Joined(log);
}

TEST(Kill, ARunKilledMidDeletionIsCompletedByTheNextRun) {
    constexpr int kFiles = 40000;
    Scene s;
    const std::string bulk = s.tree + "/bulk";
    ASSERT_EQ(mkdir(bulk.c_str(), 0755), 0);
    int dfd = open(bulk.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(dfd, 0);
    char name[32];
    for (int i = 0; i < kFiles; ++i) {
        std::snprintf(name, sizeof name, "k-%05d", i);
        int fd = openat(dfd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0);
        close(fd);
    }
    close(dfd);
    std::filesystem::create_directories(s.tree + "/sub");
    ASSERT_TRUE(WriteFile(s.tree + "/sub/z.dat", "last in the list"));
    ASSERT_TRUE(WriteFile(s.outside + "/mine.dat", "outside"));
    const Snapshot before = TakeSnapshot(s.outside);

    // The list is in path order: once the first file is gone, the deletion runs.
    auto child = s.prog.Start({s.tree, "1"});
    const std::string first = bulk + "/k-00000";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (Exists(first) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    child->Signal(SIGKILL);
    RunResult killed = child->Wait();
    ASSERT_EQ(killed.signal, SIGKILL)
        << "the first run ended before it could be killed: " << killed.Describe();
    const std::size_t left = Names(bulk).size();
    ASSERT_GT(left, 0u) << "the deletion was not interrupted";
    ASSERT_LT(left, static_cast<std::size_t>(kFiles));
    RecordProperty("files_left_by_the_killed_run", std::to_string(left));

    RunResult r = s.prog.Run({s.tree, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    EXPECT_TRUE(Names(s.tree).empty());
    std::size_t deleted = 0;
    std::size_t others = 0;
    std::ifstream csv(s.prog.CsvPath(), std::ios::binary);
    std::string line;
    std::getline(csv, line);
    while (std::getline(csv, line)) {
        if (line.find(",Deleted\r") != std::string::npos) {
            ++deleted;
        } else if (line.find(",Dir Deleted\r") == std::string::npos) {
            ++others;
        }
    }
    EXPECT_EQ(deleted, left + 1);
    EXPECT_EQ(others, 0u);
    auto log = LogLines(s.prog.LogPath());
    EXPECT_TRUE(HasLine(log, std::to_string(left + 1) + " files deleted.")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "2 empty directories deleted.")) << Joined(log);
    EXPECT_EQ(LinesWith(log, "Vorlex Version").size(), 2u) << "the log holds the second run only";
}

TEST(ChangedSinceTheScan, FilesRewrittenOrReplacedAfterTheScanAreKeptWithTheirReasons) {
    Scene s;
    for (const char* name : {"same.dat", "rewritten.dat", "replaced.dat"}) {
        ASSERT_TRUE(WriteFile(s.tree + "/" + name, "as scanned"));
    }
    TestView view;
    auto c = MakeController(view, s.prog.Folder());
    c->SetDrivePath(s.tree);
    c->SetDaysOld(1);
    c->Guarded([&] { c->ScanNow(); });
    ASSERT_EQ(c->Rows().size(), 3u);

    // Written after the scan started, by the program's clock: in place, and as a new file renamed over it.
    ASSERT_TRUE(WriteFile(s.tree + "/rewritten.dat", "rewritten"));
    SetTimes(s.tree + "/rewritten.dat", c->ScanStartTime().sec + 30);
    ASSERT_TRUE(WriteFile(s.tree + "/replaced.new", "replaced"));
    ASSERT_EQ(rename((s.tree + "/replaced.new").c_str(), (s.tree + "/replaced.dat").c_str()), 0);

    c->Guarded([&] { c->DeleteFiles(); });

    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(Names(s.tree), (std::set<std::string>{"rewritten.dat", "replaced.dat"}));
    EXPECT_EQ(ReadWholeFile(s.tree + "/rewritten.dat"), "rewritten");
    EXPECT_EQ(ReadWholeFile(s.tree + "/replaced.dat"), "replaced");
    auto log = ControllerLog(*c);
    const std::map<std::string, std::string> reasons = {
        {"rewritten.dat", "Reason: The file was changed since the scan and is no longer old enough"},
        {"replaced.dat", "Reason: The file was replaced since the scan"},
    };
    for (const auto& [name, reason] : reasons) {
        const long at = IndexOf(log, "Could not delete " + s.tree + "/" + name);
        ASSERT_NE(at, -1) << name;
        EXPECT_EQ(log[static_cast<std::size_t>(at) + 1], reason);
    }
    EXPECT_NE(IndexOf(log, "1 files deleted."), -1);
    EXPECT_EQ(CsvStatus(s.prog.CsvPath()),
              (std::map<std::string, std::string>{{s.tree + "/same.dat", "Deleted"},
                                                  {s.tree + "/rewritten.dat", "NOT Deleted"},
                                                  {s.tree + "/replaced.dat", "NOT Deleted"}}));
}

TEST(ChangedSinceTheScan, FilesRewrittenWithTheirTimesPutBackAreKept) {
    Scene s;
    for (const char* name : {"same.dat", "longer.dat", "samesize.dat"}) {
        ASSERT_TRUE(WriteFile(s.tree + "/" + name, "as scanned"));
    }
    // A second name of an unchanged file: removing the first name moves the file's status-change time,
    // which must not pass for a change.
    ASSERT_EQ(link((s.tree + "/same.dat").c_str(), (s.tree + "/same-link.dat").c_str()), 0);
    TestView view;
    auto c = MakeController(view, s.prog.Folder());
    c->SetDrivePath(s.tree);
    c->SetDaysOld(1);
    c->Guarded([&] { c->ScanNow(); });
    ASSERT_EQ(c->Rows().size(), 4u);

    // Rewritten after the scan, then given back the access and modification times they had (touch -r):
    // only the status-change time, and for one the size, tell.
    for (const auto& [name, content] : std::map<std::string, std::string>{{"longer.dat", "new and longer"},
                                                                          {"samesize.dat", "AS SCANNED"}}) {
        const std::string path = s.tree + "/" + name;
        struct stat before {};
        ASSERT_EQ(stat(path.c_str(), &before), 0);
        ASSERT_TRUE(WriteFile(path, content));
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
        struct stat after {};
        ASSERT_EQ(stat(path.c_str(), &after), 0);
        ASSERT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        ASSERT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    }

    c->Guarded([&] { c->DeleteFiles(); });

    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(Names(s.tree), (std::set<std::string>{"longer.dat", "samesize.dat"}));
    EXPECT_EQ(ReadWholeFile(s.tree + "/longer.dat"), "new and longer");
    EXPECT_EQ(ReadWholeFile(s.tree + "/samesize.dat"), "AS SCANNED");
    auto log = ControllerLog(*c);
    for (const char* name : {"longer.dat", "samesize.dat"}) {
        const long at = IndexOf(log, "Could not delete " + s.tree + "/" + name);
        ASSERT_NE(at, -1) << name << "\n" << Joined(log);
        EXPECT_EQ(log[static_cast<std::size_t>(at) + 1], "Reason: The file was changed since the scan");
    }
    EXPECT_NE(IndexOf(log, "2 files deleted."), -1) << Joined(log);
    EXPECT_EQ(CsvStatus(s.prog.CsvPath()),
              (std::map<std::string, std::string>{{s.tree + "/same.dat", "Deleted"},
                                                  {s.tree + "/same-link.dat", "Deleted"},
                                                  {s.tree + "/longer.dat", "NOT Deleted"},
                                                  {s.tree + "/samesize.dat", "NOT Deleted"}}));
}

}  // namespace
}  // namespace vorlex::adv

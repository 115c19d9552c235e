#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Files.h"
#include "FsTestUtil.h"
#include "TempDir.h"
#include "cleanup/EmptyDirRemoval.h"
#include "cleanup/FileDeletion.h"
#include "cleanup/ListedRemoval.h"
#include "platform/Errors.h"
#include "platform/Locale.h"
#include "platform/SafeRemove.h"

namespace fs = std::filesystem;
using namespace vorlex;
using vorlex::test::Exists;
using vorlex::test::Snapshot;
using vorlex::test::TempDir;
using vorlex::test::TestHost;

namespace {

constexpr std::int64_t kDay = 86400;

// A tree to clean and a folder beside it that must never change.
struct Trees {
    TempDir tmp;
    std::string root = tmp.Dir("tree");
    std::string outside = tmp.Dir("outside");
    // The scan "runs" ten days from now with an age of five days, so everything made now is old.
    platform::TimeValue scanStart = vorlex::test::DaysFromNow(10);
    platform::TimeValue cutOff{scanStart.sec - 5 * kDay, scanStart.nsec};

    cleanup::FileDeletionRequest Request(bool noDirs = false) const {
        return {root, cutOff, noDirs, {}, nullptr};
    }
    cleanup::EmptyDirRequest DirRequest(int days = 5) const { return {root, scanStart, days, {}}; }
};

const scan::ResultRow* RowOf(const std::vector<scan::ResultRow>& rows, const std::string& path) {
    for (const scan::ResultRow& row : rows) {
        if (row.path == path) {
            return &row;
        }
    }
    return nullptr;
}

// The reason logged right after `failed` + path ("Could not delete ", or "Could not move to trash ").
std::string ReasonFor(const TestHost& host, const std::string& path,
                      const std::string& failed = "Could not delete ") {
    long at = host.log.IndexOf(failed + path);
    if (at < 0 || static_cast<std::size_t>(at + 1) >= host.log.lines.size()) {
        return "(no line)";
    }
    return host.log.lines[static_cast<std::size_t>(at + 1)].message;
}

}  // namespace

TEST(DeleteFiles, DeletesReadOnlyAndHiddenFilesWithoutChangingAnyMode) {
    Trees t;
    const std::string ro = t.tmp.File("tree/ro.txt", "read-only");
    t.tmp.File("tree/.hidden", "h");
    const std::string roHidden = t.tmp.File("tree/sub/.ro-hidden", "rh");
    t.tmp.File("tree/sub/plain.txt", "p");
    chmod(ro.c_str(), 0444);
    chmod(roHidden.c_str(), 0400);
    chmod((t.root + "/sub").c_str(), 0755);
    // The same inode outside the tree: a chmod before the unlink would show there.
    ASSERT_EQ(link(ro.c_str(), (t.outside + "/ro-link").c_str()), 0);
    const auto before = Snapshot(t.outside);

    TestHost host;
    host.log.debug = true;
    std::vector<scan::ResultRow> rows = vorlex::test::ScanRows(t.root, t.cutOff, host);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(cleanup::DeleteFiles(rows, t.Request(), host), cleanup::PassOutcome::Completed);

    for (const scan::ResultRow& row : rows) {
        EXPECT_EQ(row.status, scan::RowStatus::Deleted) << row.path;
        EXPECT_FALSE(Exists(row.path)) << row.path;
        EXPECT_EQ(host.log.Count("Deleted File: " + row.path), 1u);
    }
    EXPECT_EQ(host.counters.filesDeleted, 4u);
    EXPECT_EQ(host.log.lines.front().message, "Deleting files...");
    EXPECT_EQ(host.log.lines.front().style, base::LogStyle::Bold);
    EXPECT_EQ(host.log.lines.back().message, "4 files deleted.");
    EXPECT_EQ(host.log.lines.back().colour, base::kBlack);
    EXPECT_EQ(host.changedRows, (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_TRUE(Exists(t.root + "/sub"));  // directories are the next pass's business
    EXPECT_EQ(Snapshot(t.outside), before);
    struct stat st {};
    ASSERT_EQ(stat((t.outside + "/ro-link").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);

    // Without debug mode the per-file line is not written.
    Trees quiet;
    quiet.tmp.File("tree/a.txt");
    TestHost q;
    std::vector<scan::ResultRow> one = vorlex::test::ScanRows(quiet.root, quiet.cutOff, q);
    cleanup::DeleteFiles(one, quiet.Request(), q);
    EXPECT_EQ(q.log.Text(), "Deleting files...\n1 files deleted.\n");
}

TEST(DeleteFiles, StopAfterTheFirstRowLeavesTheOthersFound) {
    Trees t;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        t.tmp.File(std::string("tree/") + name);
    }
    TestHost host;
    std::vector<scan::ResultRow> rows = vorlex::test::ScanRows(t.root, t.cutOff, host);
    ASSERT_EQ(rows.size(), 3u);
    host.stopAfterKeepAlives = host.keepAlives + 1;  // Stop clicked while the first row's messages run
    EXPECT_EQ(cleanup::DeleteFiles(rows, t.Request(true), host), cleanup::PassOutcome::Stopped);
    EXPECT_EQ(rows[0].status, scan::RowStatus::Deleted);
    EXPECT_EQ(rows[1].status, scan::RowStatus::Found);
    EXPECT_EQ(rows[2].status, scan::RowStatus::Found);
    EXPECT_FALSE(Exists(rows[0].path));
    EXPECT_TRUE(Exists(rows[1].path));
    EXPECT_TRUE(Exists(rows[2].path));
    // The notice follows the heading; no count line after a stop.
    ASSERT_EQ(host.log.lines.size(), 2u) << host.log.Text();
    EXPECT_EQ(host.log.lines[1].message, "Empty directories will not be deleted.");
    EXPECT_EQ(host.log.lines[1].colour, base::kBlue);
}

// The same checks hold for a move to the trash (HOME, the user's environment, points into the test's folder).
TEST(DeleteFiles, KeepsWhatChangedSinceTheScanAndNeverReachesOutside) {
    const char* savedHome = std::getenv("HOME");
    const std::string userHome = savedHome != nullptr ? savedHome : "";
    for (const bool trash : {false, true}) {
        SCOPED_TRACE(trash ? "to the trash" : "deleted");
        Trees t;
        const std::string home = t.tmp.Dir("home");
        setenv("HOME", home.c_str(), 1);
        unsetenv("XDG_DATA_HOME");
        t.tmp.File("tree/plain.txt", "old");
        t.tmp.File("tree/to-link.txt", "listed");
        t.tmp.File("tree/sub/x.txt", "listed in sub");
        t.tmp.File("tree/sub2/y.txt", "listed in sub2");
        t.tmp.File("tree/rewritten.txt", "old content");
        t.tmp.File("tree/gone.txt");
        t.tmp.File("tree/renewed.txt", "first");
        t.tmp.File("outside/secret.txt", "secret");
        TestHost host;
        std::vector<scan::ResultRow> rows = vorlex::test::ScanRows(t.root, t.cutOff, host);
        ASSERT_EQ(rows.size(), 7u);

        // Between the scan and the deletion:
        fs::remove(t.root + "/to-link.txt");  // replaced by a link to a file outside
        fs::create_symlink(t.outside + "/secret.txt", t.root + "/to-link.txt");
        // The directory moves outside (its files keep their inodes) and a link takes its place.
        fs::rename(t.root + "/sub", t.outside + "/moved-sub");
        fs::create_directory_symlink(t.outside + "/moved-sub", t.root + "/sub");
        // Even a relative link that stays inside the tree is never gone through.
        fs::create_directory(t.root + "/elsewhere");
        fs::rename(t.root + "/sub2", t.root + "/elsewhere/sub2");
        fs::create_directory_symlink("elsewhere/sub2", t.root + "/sub2");
        t.tmp.File("tree/rewritten.txt", "new content");  // written again: no longer old
        vorlex::test::SetTimes(t.root + "/rewritten.txt", t.cutOff.sec + kDay);
        fs::remove(t.root + "/gone.txt");
        fs::remove(t.root + "/renewed.txt");  // another file under the same name
        t.tmp.File("tree/renewed.txt", "second");
        const auto before = Snapshot(t.outside);

        cleanup::FileDeletionRequest request = t.Request();
        request.moveToTrash = trash;
        EXPECT_EQ(cleanup::DeleteFiles(rows, request, host), cleanup::PassOutcome::Completed);
        EXPECT_EQ(RowOf(rows, t.root + "/plain.txt")->status,
                  trash ? scan::RowStatus::Trashed : scan::RowStatus::Deleted);
        const std::string failed = trash ? "Could not move to trash " : "Could not delete ";
        EXPECT_FALSE(Exists(t.root + "/plain.txt"));
        for (const char* kept :
             {"/to-link.txt", "/sub/x.txt", "/sub2/y.txt", "/rewritten.txt", "/gone.txt", "/renewed.txt"}) {
            EXPECT_EQ(RowOf(rows, t.root + kept)->status, scan::RowStatus::NotDeleted) << kept;
            EXPECT_EQ(
                host.log.lines[static_cast<std::size_t>(host.log.IndexOf(failed + t.root + kept))].colour,
                base::kRed);
        }
        EXPECT_EQ(ReasonFor(host, t.root + "/to-link.txt", failed),
                  "Reason: The file was replaced since the scan");
        EXPECT_EQ(
            ReasonFor(host, t.root + "/sub/x.txt", failed),
            "Reason: A directory on its path was replaced by a link, a file or a mount point since the scan");
        EXPECT_EQ(
            ReasonFor(host, t.root + "/sub2/y.txt", failed),
            "Reason: A directory on its path was replaced by a link, a file or a mount point since the scan");
        EXPECT_EQ(t.tmp.Read("tree/elsewhere/sub2/y.txt"), "listed in sub2");
        EXPECT_EQ(ReasonFor(host, t.root + "/rewritten.txt", failed),
                  "Reason: The file was changed since the scan and is no longer old enough");
        EXPECT_EQ(ReasonFor(host, t.root + "/gone.txt", failed), "Reason: No such file or directory");
        EXPECT_EQ(ReasonFor(host, t.root + "/renewed.txt", failed),
                  "Reason: The file was replaced since the scan");
        EXPECT_EQ(host.log.lines.back().message, trash ? "1 files moved to trash." : "1 files deleted.");
        if (trash) {
            EXPECT_EQ(t.tmp.Read("home/.local/share/Trash/files/plain.txt"), "old");
            EXPECT_EQ(vorlex::test::Names(home + "/.local/share/Trash/files"),
                      std::set<std::string>{"plain.txt"});
            EXPECT_EQ(vorlex::test::Names(home + "/.local/share/Trash/info"),
                      std::set<std::string>{"plain.txt.trashinfo"});
        }

        EXPECT_TRUE(fs::is_symlink(t.root + "/to-link.txt"));
        EXPECT_EQ(t.tmp.Read("tree/rewritten.txt"), "new content");
        EXPECT_EQ(t.tmp.Read("tree/renewed.txt"), "second");
        EXPECT_EQ(Snapshot(t.outside), before);
        EXPECT_EQ(t.tmp.Read("outside/moved-sub/x.txt"), "listed in sub");
    }
}

TEST(DeleteFiles, ALinkIsDeletedAndItsTargetStays) {
    Trees t;
    t.tmp.File("tree/target/keep.txt", "k");
    // The target's file is new, so only the link is listed (by its own times).
    vorlex::test::SetTimes(t.root + "/target/keep.txt", t.scanStart.sec);
    fs::create_directory_symlink(t.root + "/target", t.root + "/dir-link");
    fs::create_directory_symlink(t.outside, t.root + "/outside-link");
    t.tmp.File("outside/o.txt", "o");
    const auto before = Snapshot(t.outside);

    TestHost host;
    std::vector<scan::ResultRow> rows = vorlex::test::ScanRows(t.root, t.cutOff, host);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(cleanup::DeleteFiles(rows, t.Request(), host), cleanup::PassOutcome::Completed);
    EXPECT_EQ(rows[0].status, scan::RowStatus::Deleted);
    EXPECT_EQ(rows[1].status, scan::RowStatus::Deleted);
    EXPECT_FALSE(Exists(t.root + "/dir-link"));
    EXPECT_FALSE(Exists(t.root + "/outside-link"));
    EXPECT_EQ(t.tmp.Read("tree/target/keep.txt"), "k");
    EXPECT_EQ(Snapshot(t.outside), before);
}

TEST(DeleteFiles, RowsThatDoNotLieInTheScannedTreeAreRefused) {
    Trees t;
    const std::string secret = t.tmp.File("outside/secret.txt", "s");
    struct stat st {};
    ASSERT_EQ(lstat(secret.c_str(), &st), 0);
    scan::ResultRow row;
    row.device = st.st_dev;
    row.inode = st.st_ino;
    row.fileType = static_cast<std::uint8_t>((st.st_mode & S_IFMT) >> 12);
    std::vector<scan::ResultRow> rows;
    for (const std::string& path : {secret, t.root + "/../outside/secret.txt", t.root + "/"}) {
        row.path = path;
        rows.push_back(row);
    }
    TestHost host;
    cleanup::DeleteFiles(rows, t.Request(), host);
    for (const scan::ResultRow& r : rows) {
        EXPECT_EQ(r.status, scan::RowStatus::NotDeleted) << r.path;
        EXPECT_EQ(ReasonFor(host, r.path), "Reason: The path is not inside the scanned directory");
    }
    EXPECT_EQ(t.tmp.Read("outside/secret.txt"), "s");
    EXPECT_TRUE(Exists(t.root));
}

TEST(DeleteEmptyDirs, RemovesEmptyOldDirectoriesDeepestFirstAndKeepsTheRoot) {
    Trees t;
    std::string chain = "tree";
    for (int i = 1; i <= 12; ++i) {
        chain += "/c" + std::to_string(i);
    }
    t.tmp.Dir(chain);
    t.tmp.Dir("tree/parent/only-child");
    t.tmp.Dir("tree/.hidden-empty");
    t.tmp.Dir("tree/read-only");
    chmod((t.root + "/read-only").c_str(), 0555);
    t.tmp.File("tree/full/file.txt");
    const auto before = Snapshot(t.outside);

    TestHost host;
    scan::DirListBox dirList;
    EXPECT_EQ(cleanup::DeleteEmptyDirs(t.DirRequest(), dirList, host), cleanup::PassOutcome::Completed);

    const std::size_t removed = 12 + 2 + 1 + 1;
    ASSERT_EQ(host.addedRows.size(), removed) << host.log.Text();
    for (std::size_t i = 0; i < host.addedRows.size(); ++i) {
        const scan::ResultRow& row = host.addedRows[i];
        EXPECT_EQ(row.status, scan::RowStatus::DirDeleted) << row.path;
        EXPECT_EQ(row.path.back(), '/');
        EXPECT_EQ(row.size, 0u);
        EXPECT_FALSE(Exists(row.path)) << row.path;
        if (i > 0) {  // deepest first: Level 13 before 12 ... before 1
            EXPECT_GE(scan::CountOccurrences(host.addedRows[i - 1].path, "/"),
                      scan::CountOccurrences(row.path, "/"));
        }
        const std::string dir = row.path.substr(0, row.path.size() - 1);
        EXPECT_EQ(host.log.Count("Deleted empty directory: " + dir), 1u) << dir;
    }
    EXPECT_TRUE(Exists(t.root));
    EXPECT_TRUE(Exists(t.root + "/full/file.txt"));
    EXPECT_EQ(host.counters.emptyDirsDeleted, removed);
    EXPECT_EQ(host.counters.filesMatched, removed);
    EXPECT_EQ(host.log.lines.front().message, "Deleting empty directories...");
    EXPECT_EQ(host.log.lines.back().message, std::to_string(removed) + " empty directories deleted.");
    EXPECT_EQ(Snapshot(t.outside), before);
}

TEST(DeleteEmptyDirs, NothingToRemoveWritesExactlyTwoLines) {
    Trees t;
    t.tmp.File("tree/a/file.txt");
    t.tmp.Dir("tree/new-empty");
    TestHost host;
    scan::DirListBox dirList;
    // Scan started now with five days: the empty directory made now is not old, and the root is not a
    // candidate even though it is old enough and would be empty without its children.
    cleanup::EmptyDirRequest request{t.root, platform::SystemClock().Now(), 5, {}};
    EXPECT_EQ(cleanup::DeleteEmptyDirs(request, dirList, host), cleanup::PassOutcome::Completed);
    EXPECT_EQ(host.log.Text(), "Deleting empty directories...\n0 empty directories deleted.\n");
    EXPECT_TRUE(host.addedRows.empty());
    EXPECT_EQ(dirList.size(), 2u);
    EXPECT_TRUE(Exists(t.root + "/new-empty"));

    // An empty root is never removed either.
    Trees empty;
    TestHost h2;
    cleanup::DeleteEmptyDirs(empty.DirRequest(), dirList, h2);
    EXPECT_TRUE(dirList.empty());
    EXPECT_TRUE(Exists(empty.root));
}

TEST(DeleteEmptyDirs, TheSixtyOneSecondRuleAndCreationAfterTheCutOff) {
    Trees t;
    // Age 0: a directory last written up to 61 seconds after the scan started still counts as old.
    const platform::TimeValue start =
        platform::FixedClock({platform::SystemClock().Now().sec + 3600, 0}).Now();
    t.tmp.Dir("tree/written-60s-after");
    t.tmp.Dir("tree/written-62s-after");
    t.tmp.Dir("tree/created-now");
    vorlex::test::SetTimes(t.root + "/written-60s-after", start.sec + 60);
    vorlex::test::SetTimes(t.root + "/written-62s-after", start.sec + 62);
    // Written long ago but created after the cut-off of a one-day age: not old.
    vorlex::test::SetTimes(t.root + "/created-now", 946684800);

    scan::DirListBox dirList;
    TestHost oneDay;
    cleanup::DeleteEmptyDirs({t.root, start, 1, {}}, dirList, oneDay);
    EXPECT_TRUE(oneDay.addedRows.empty()) << oneDay.log.Text();
    EXPECT_TRUE(Exists(t.root + "/created-now"));

    TestHost host;
    host.log.debug = true;
    cleanup::DeleteEmptyDirs({t.root, start, 0, {}}, dirList, host);
    ASSERT_EQ(host.addedRows.size(), 2u) << host.log.Text();
    const scan::ResultRow* row = nullptr;
    for (const scan::ResultRow& r : host.addedRows) {
        if (r.path == t.root + "/written-60s-after/") {
            row = &r;
        }
    }
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->modified.sec, start.sec - 1);  // the moved time is the one shown
    EXPECT_FALSE(Exists(t.root + "/written-60s-after"));
    EXPECT_FALSE(Exists(t.root + "/created-now"));
    EXPECT_TRUE(Exists(t.root + "/written-62s-after"));
    EXPECT_EQ(host.log.Count("Directory is NOT old."), 1u);

    const platform::RegionalFormats formats = platform::CurrentFormats();
    const std::string moved = platform::FormatDateTime(platform::ToLocalCivil({start.sec - 1, 0}), formats);
    const std::string cut = platform::FormatDateTime(platform::ToLocalCivil(start), formats);
    const long checking = host.log.IndexOf("Checking directory " + t.root + "/written-60s-after");
    ASSERT_GE(checking, 0) << host.log.Text();
    ASSERT_GE(host.log.lines.size(), static_cast<std::size_t>(checking) + 6);
    std::vector<std::string> got;
    for (std::size_t i = static_cast<std::size_t>(checking); i < static_cast<std::size_t>(checking) + 6;
         ++i) {
        EXPECT_TRUE(host.log.lines[i].debug);
        if (host.log.lines[i].message.rfind("Created:  ", 0) != 0) {
            got.push_back(host.log.lines[i].message);
        }
    }
    EXPECT_EQ(got, (std::vector<std::string>{"Checking directory " + t.root + "/written-60s-after",
                                             "Directory is empty.", "Modified: " + moved, "Before:   " + cut,
                                             "Directory is old."}));
}

TEST(DeleteEmptyDirs, ADirectoryReplacedSinceTheInventoryIsKept) {
    Trees t;
    t.tmp.Dir("tree/d");
    t.tmp.Dir("tree/e");
    TestHost host;
    scan::DirListBox dirList;
    ASSERT_EQ(scan::ListDirectories(t.root, host, dirList), scan::InventoryOutcome::Completed);
    ASSERT_EQ(dirList.size(), 2u);
    // "d" is made again (a new inode) and "e" becomes a link to an empty directory outside.
    fs::remove(t.root + "/d");
    t.tmp.Dir("tree/d");
    fs::remove(t.root + "/e");
    fs::create_directory_symlink(t.outside, t.root + "/e");
    const auto before = Snapshot(t.outside);

    platform::DirHandle root;
    ASSERT_EQ(platform::OpenTreeRoot(platform::NormalizeDirectoryPath(t.root), root), 0);
    const platform::AgeRule age{t.cutOff, cleanup::kDirectoryModifiedSlackSeconds};
    for (const scan::DirListRow& row : dirList) {
        cleanup::Removal r =
            cleanup::RemoveListed(root, platform::NormalizeDirectoryPath(t.root), row.directory,
                                  {row.device, row.inode, S_IFDIR >> 12, row.created, true}, age);
        EXPECT_EQ(r.verdict, cleanup::RemovalVerdict::Replaced) << row.directory;
        EXPECT_EQ(cleanup::RemovalReasonText(r, true), "The directory was replaced since the scan");
    }
    EXPECT_TRUE(fs::is_directory(t.root + "/d"));
    EXPECT_TRUE(fs::is_symlink(t.root + "/e"));
    EXPECT_TRUE(fs::is_directory(t.outside));
    EXPECT_EQ(Snapshot(t.outside), before);
}

TEST(DeleteEmptyDirs, ADirectorySwappedOrMovedOutAfterItWasOpenedIsNotRemoved) {
    // The pass opens a candidate once (count, facts, lock) and removes it by name: the name is looked up
    // again just before, so another directory put in its place, or nothing, is never removed instead.
    Trees t;
    t.tmp.Dir("tree/p/swapped");
    t.tmp.Dir("tree/p/moved");
    t.tmp.Dir("tree/p/kept");
    platform::DirHandle root;
    ASSERT_EQ(platform::OpenTreeRoot(platform::NormalizeDirectoryPath(t.root), root), 0);
    platform::DirHandle parent;
    ASSERT_EQ(platform::OpenBeneath(root, "p", parent), 0);
    const platform::AgeRule age{t.cutOff, cleanup::kDirectoryModifiedSlackSeconds};
    auto open = [&](const char* name, platform::DirHandle& dir, platform::EntryFacts& facts) {
        ASSERT_EQ(platform::OpenDirectoryAt(parent, name, dir), 0);
        ASSERT_EQ(platform::StatHandle(dir, facts), 0);
    };
    platform::DirHandle swapped;
    platform::DirHandle moved;
    platform::DirHandle kept;
    platform::EntryFacts swappedFacts;
    platform::EntryFacts movedFacts;
    platform::EntryFacts keptFacts;
    open("swapped", swapped, swappedFacts);
    open("moved", moved, movedFacts);
    open("kept", kept, keptFacts);

    // "swapped" goes out of the tree and an empty directory of the same name takes its place; "moved" goes
    // out of the tree and leaves nothing behind.
    fs::rename(t.root + "/p/swapped", t.outside + "/swapped");
    t.tmp.Dir("tree/p/swapped");
    fs::rename(t.root + "/p/moved", t.outside + "/moved");
    const auto before = Snapshot(t.outside);

    platform::RemoveResult r = platform::RemoveOpenedDirIfUnchanged(parent, "swapped", swapped, swappedFacts,
                                                                    platform::IdentityOf(swappedFacts), age);
    EXPECT_EQ(r.status, platform::RemoveStatus::Replaced);
    r = platform::RemoveOpenedDirIfUnchanged(parent, "moved", moved, movedFacts,
                                             platform::IdentityOf(movedFacts), age);
    EXPECT_EQ(r.status, platform::RemoveStatus::Failed);
    EXPECT_EQ(r.error, ENOENT);
    EXPECT_TRUE(fs::is_directory(t.root + "/p/swapped"));
    EXPECT_EQ(Snapshot(t.outside), before);
    EXPECT_TRUE(fs::is_directory(t.outside + "/swapped"));
    EXPECT_TRUE(fs::is_directory(t.outside + "/moved"));

    // The unchanged one goes; a directory that is no longer empty is refused by the system itself.
    t.tmp.File("tree/p/kept/late.txt", "written after it was counted");
    r = platform::RemoveOpenedDirIfUnchanged(parent, "kept", kept, keptFacts, platform::IdentityOf(keptFacts),
                                             age);
    EXPECT_EQ(r.status, platform::RemoveStatus::Failed);
    EXPECT_EQ(r.error, ENOTEMPTY);
    fs::remove(t.root + "/p/kept/late.txt");
    r = platform::RemoveOpenedDirIfUnchanged(parent, "kept", kept, keptFacts, platform::IdentityOf(keptFacts),
                                             age);
    EXPECT_EQ(r.status, platform::RemoveStatus::Removed);
    EXPECT_FALSE(Exists(t.root + "/p/kept"));
}

TEST(Cleanup, RefusedRemovalsReportTheErrorOfTheRemovalItself) {
    Trees t;
    t.tmp.File("tree/gone.txt");
    t.tmp.File("tree/ro/keep.txt", "k");
    t.tmp.Dir("tree/ro/empty-child");
    chmod(t.tmp.path.c_str(), 0755);
    chmod((t.root + "/ro").c_str(), 0555);
    if (geteuid() == 0) {
        // An ordinary user may change the root's entries but not those of "ro".
        chown(t.root.c_str(), 65534, 65534);
    }
    vorlex::test::ChildResult child = vorlex::test::RunInChild(
        [&] {
            TestHost host;
            std::vector<scan::ResultRow> rows = vorlex::test::ScanRows(t.root, t.cutOff, host);
            cleanup::DeleteFiles(rows, t.Request(), host);
            std::string out;
            for (const scan::ResultRow& row : rows) {
                out += "S " + std::string(scan::StatusText(row.status)) + " " + row.path + "\n";
            }
            scan::DirListBox dirList;
            cleanup::DeleteEmptyDirs(t.DirRequest(), dirList, host);
            for (const scan::ResultRow& row : host.addedRows) {
                out += "S " + std::string(scan::StatusText(row.status)) + " " + row.path + "\n";
            }
            for (const auto& line : host.log.lines) {
                out += std::string(line.colour == base::kRed ? "red" : "other") +
                       (line.style == base::LogStyle::Bold ? " bold " : " regular ") + line.message + "\n";
            }
            return out;
        },
        true);
    ASSERT_TRUE(child.ExitedCleanly());
    const std::string denied = platform::ErrorText(EACCES);
    const std::string expected = "S Deleted " + t.root + "/gone.txt\n" +         //
                                 "S NOT Deleted " + t.root + "/ro/keep.txt\n" +  //
                                 "S Dir NOT Deleted " + t.root + "/ro/empty-child/\n" +
                                 "other bold Deleting files...\n" +  //
                                 "red regular Could not delete " + t.root + "/ro/keep.txt\n" +
                                 "red regular Reason: " + denied + "\n" +  //
                                 "other regular 1 files deleted.\n" +      //
                                 "other bold Deleting empty directories...\n" +
                                 "red bold ERROR: Could not delete empty directory: " + t.root +
                                 "/ro/empty-child\n" + "red bold REASON: " + denied + "\n" +  //
                                 "other regular 0 empty directories deleted.\n";
    EXPECT_EQ(child.output, expected);
    EXPECT_TRUE(Exists(t.root + "/ro/keep.txt"));
    EXPECT_TRUE(Exists(t.root + "/ro/empty-child"));
    chown(t.root.c_str(), 0, 0);
}

TEST(Cleanup, DeepTreesAreRemovedWithSixtyFourDescriptors) {
    Trees t;
    // 1,500 levels of 9-byte names: paths of about 15,000 bytes, far beyond PATH_MAX.
    constexpr int kDepth = 1500;
    const std::string name = "level-dir";
    ASSERT_TRUE(vorlex::test::MakeChain(t.root, name, kDepth, [](int fd, int level) {
        if (level == kDepth) {
            vorlex::test::MakeFileAt(fd, "bottom.txt");
        }
    }));
    vorlex::test::ChildResult child = vorlex::test::RunInChild([&] {
        struct rlimit lim {
            64, 64
        };
        setrlimit(RLIMIT_NOFILE, &lim);
        TestHost host;
        std::vector<scan::ResultRow> rows = vorlex::test::ScanRows(t.root, t.cutOff, host);
        std::string out = "rows=" + std::to_string(rows.size());
        if (rows.size() == 1) {
            out += " pathlen>max=" + std::to_string(rows[0].path.size() > std::size_t{PATH_MAX});
        }
        cleanup::DeleteFiles(rows, t.Request(), host);
        out += " deleted=" + std::to_string(host.counters.filesDeleted);
        scan::DirListBox dirList;
        cleanup::DeleteEmptyDirs(t.DirRequest(), dirList, host);
        bool descending = true;
        for (std::size_t i = 1; i < host.addedRows.size(); ++i) {
            descending = descending && host.addedRows[i - 1].path.size() > host.addedRows[i].path.size();
        }
        return out + " dirs=" + std::to_string(host.counters.emptyDirsDeleted) +
               " descending=" + std::to_string(descending);
    });
    EXPECT_TRUE(child.ExitedCleanly());
    EXPECT_EQ(child.output,
              "rows=1 pathlen>max=1 deleted=1 dirs=" + std::to_string(kDepth) + " descending=1");
    EXPECT_TRUE(Exists(t.root));
    EXPECT_FALSE(Exists(t.root + "/" + name));
    vorlex::test::RemoveDeepTree(t.root, name);  // only if the test failed
}

TEST(Cleanup, WithoutOpenat2TheSameRulesHoldNameByName) {
    Trees t;
    t.tmp.File("tree/a.txt", "a");
    t.tmp.File("tree/d1/d2/deep.txt", "deep");
    t.tmp.File("tree/sub/x.txt", "x");
    t.tmp.File("tree/sub2/y.txt", "y");
    t.tmp.Dir("tree/mnt");
    t.tmp.File("outside/secret.txt", "s");
    vorlex::test::ChildResult child = vorlex::test::RunInChild([&] {
        // Where possible, a file system mounted inside the tree (in a private mount namespace).
        const bool mounted = geteuid() == 0 && unshare(CLONE_NEWNS) == 0 &&
                             mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                             mount("tmpfs", (t.root + "/mnt").c_str(), "tmpfs", 0, nullptr) == 0;
        if (mounted) {
            std::ofstream(t.root + "/mnt/inside.txt") << "i";
        }
        if (!vorlex::test::BlockOpenat2()) {
            return std::string("openat2 not blocked");
        }
        TestHost host;
        std::vector<scan::ResultRow> rows = vorlex::test::ScanRows(t.root, t.cutOff, host);
        fs::rename(t.root + "/sub", t.outside + "/moved-sub");
        fs::create_directory_symlink(t.outside + "/moved-sub", t.root + "/sub");
        fs::create_directory(t.root + "/elsewhere");
        fs::rename(t.root + "/sub2", t.root + "/elsewhere/sub2");
        fs::create_directory_symlink("elsewhere/sub2", t.root + "/sub2");
        cleanup::DeleteFiles(rows, t.Request(), host);
        scan::DirListBox dirList;
        cleanup::DeleteEmptyDirs(t.DirRequest(), dirList, host);
        std::string out = mounted ? "mounted\n" : "";
        for (const scan::ResultRow& row : rows) {
            out += std::string(scan::StatusText(row.status)) + " " + row.path + "\n";
        }
        for (const scan::ResultRow& row : host.addedRows) {
            out += std::string(scan::StatusText(row.status)) + " " + row.path + "\n";
        }
        return out + host.log.Text();
    });
    ASSERT_TRUE(child.ExitedCleanly());
    if (child.output == "openat2 not blocked") {
        GTEST_SKIP() << "seccomp filters are not available here";
    }
    std::string output = child.output;
    std::string skipped;
    if (output.rfind("mounted\n", 0) == 0) {
        output.erase(0, 8);
        skipped = "Skipped mount point " + t.root + "/mnt\n";
    }
    const std::string pathChanged =
        "Reason: A directory on its path was replaced by a link, a file or a mount point since the scan\n";
    EXPECT_EQ(output, "Deleted " + t.root + "/a.txt\n" +               //
                          "Deleted " + t.root + "/d1/d2/deep.txt\n" +  //
                          "NOT Deleted " + t.root + "/sub/x.txt\n" +   //
                          "NOT Deleted " + t.root + "/sub2/y.txt\n" +  //
                          "Dir Deleted " + t.root + "/d1/d2/\n" +      //
                          "Dir Deleted " + t.root + "/d1/\n" +         //
                          skipped +                                    //
                          "Deleting files...\n" +                      //
                          "Could not delete " + t.root + "/sub/x.txt\n" + pathChanged + "Could not delete " +
                          t.root + "/sub2/y.txt\n" + pathChanged + "2 files deleted.\n" +  //
                          "Deleting empty directories...\n" +                              //
                          skipped +                                                        //
                          "Deleted empty directory: " + t.root + "/d1/d2\n" +
                          "Deleted empty directory: " + t.root + "/d1\n" + "2 empty directories deleted.\n");
    EXPECT_EQ(t.tmp.Read("outside/moved-sub/x.txt"), "x");
    EXPECT_EQ(t.tmp.Read("outside/secret.txt"), "s");
    EXPECT_EQ(t.tmp.Read("tree/elsewhere/sub2/y.txt"), "y");
}

TEST(DescriptorCloser, ClosesEverythingHandedOverAndKeepsWithinTheDescriptorLimit) {
    vorlex::test::ChildResult child = vorlex::test::RunInChild([] {
        // A limit below one batch of a closer that ignored it.
        struct rlimit lim {
            24, 24
        };
        setrlimit(RLIMIT_NOFILE, &lim);
        auto openNow = [] {
            std::size_t n = 0;
            for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd")) {
                ++n;
            }
            return n;
        };
        const std::size_t before = openNow();
        int refused = 0;
        {
            platform::DescriptorCloser closer;
            // Far more than the limit, handed over faster than they are closed: the descriptors waiting
            // must never use up what the process may open.
            for (int i = 0; i < 5000; ++i) {
                const int fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
                if (fd < 0) {
                    ++refused;
                    continue;
                }
                closer.Close(fd);
            }
            closer.Finish();
            platform::DirHandle handle(open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            closer.Close(std::move(handle));
            if (handle.Valid()) {
                ++refused;
            }
        }  // the destructor closes the last one
        return "refused=" + std::to_string(refused) + " left=" + std::to_string(openNow() - before);
    });
    ASSERT_TRUE(child.ExitedCleanly());
    EXPECT_EQ(child.output, "refused=0 left=0");
}

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FsTestUtil.h"
#include "TempDir.h"
#include "platform/DirWalk.h"
#include "platform/Paths.h"
#include "scan/ScanWalk.h"

namespace fs = std::filesystem;
using namespace vorlex;
using vorlex::test::RecordingLog;
using vorlex::test::TempDir;
using vorlex::test::TestHost;

namespace {

struct Visit {
    std::string path;
    platform::EntryKind kind;
    platform::EntryFacts facts;
};

// Runs the scan walk over `root` and keeps every file it hands over, in order.
std::vector<Visit> Scan(const std::string& root, TestHost& host, scan::ScanOutcome* outcome = nullptr) {
    std::vector<Visit> visits;
    scan::ScanOutcome result = scan::ScanTree(root, host, [&](const scan::FileVisit& f) {
        visits.push_back({std::string(f.directory) + std::string(f.name), f.facts.kind, f.facts});
    });
    if (outcome != nullptr) {
        *outcome = result;
    }
    return visits;
}

std::vector<std::string> Paths(const std::vector<Visit>& visits) {
    std::vector<std::string> out;
    for (const Visit& v : visits) {
        out.push_back(v.path);
    }
    return out;
}

// The order the scan walk must follow, worked out independently with readdir (which delivers a directory's
// entries in the same order as getdents64): all non-directories of a directory, then each subdirectory
// that is not hidden with its whole subtree.
void ReferenceOrder(const std::string& dir, std::vector<std::string>& out) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) {
        names.push_back(e.path().filename().string());
    }
    auto isDir = [&](const std::string& n) {
        struct stat st {};
        return lstat((dir + "/" + n).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    };
    for (const std::string& n : names) {
        if (!isDir(n)) {
            out.push_back(dir + "/" + n);
        }
    }
    for (const std::string& n : names) {
        if (isDir(n) && n[0] != '.') {
            ReferenceOrder(dir + "/" + n, out);
        }
    }
}

// A visitor with the scan walk's rules, for driving the platform walker with other options.
class OrderVisitor final : public platform::WalkVisitor {
  public:
    platform::WalkControl OnEntry(const platform::WalkEntry& e) override {
        if (e.facts.kind != platform::EntryKind::Directory) {
            files.push_back(std::string(e.directory) + std::string(e.name));
        }
        return platform::WalkControl::Continue;
    }
    platform::WalkControl AfterEntries(std::string_view) override { return platform::WalkControl::Continue; }
    bool ShouldEnter(std::string_view, std::string_view, bool hidden) override { return !hidden; }
    void OnAccessDenied(std::string_view path) override { denied.emplace_back(path); }
    void OnMountPointSkipped(std::string_view path) override { mounts.emplace_back(path); }

    std::vector<std::string> files;
    std::vector<std::string> denied;
    std::vector<std::string> mounts;
};

// A tree `depth` levels deep with `fanout` subdirectories and two files in every directory.
void MakeBushyTree(const std::string& dir, int depth, int fanout) {
    fs::create_directories(dir);
    std::ofstream(dir + "/file-a.txt") << "a";
    std::ofstream(dir + "/b file.log") << "b";
    if (depth == 0) {
        return;
    }
    for (int i = 0; i < fanout; ++i) {
        MakeBushyTree(dir + "/sub" + std::to_string(i), depth - 1, fanout);
    }
}

}  // namespace

TEST(ScanTree, VisitsFilesBeforeSubdirectoriesDepthFirstInEnumerationOrder) {
    TempDir tmp;
    MakeBushyTree(tmp.path + "/t", 3, 3);
    tmp.File("t/sub1/.hidden-file", "h");
    tmp.File("t/.hidden-dir/never.txt", "n");
    tmp.File("t/sub2/sub0/name\nwith newline", "x");

    std::vector<std::string> expected;
    ReferenceOrder(tmp.path + "/t", expected);
    ASSERT_GT(expected.size(), 80u);

    TestHost host;
    EXPECT_EQ(Paths(Scan(tmp.path + "/t", host)), expected);
    EXPECT_TRUE(host.log.lines.empty()) << host.log.Text();
    EXPECT_EQ(host.keepAlives, expected.size());

    // With two descriptors below the root the walker must reopen directories through ".." all the time,
    // and still keep the same order.
    for (std::size_t budget : {std::size_t{2}, std::size_t{3}}) {
        OrderVisitor visitor;
        platform::WalkTree(platform::NormalizeDirectoryPath(tmp.path + "/t"), visitor, {budget});
        EXPECT_EQ(visitor.files, expected) << "budget " << budget;
        EXPECT_TRUE(visitor.denied.empty());
    }
}

TEST(ScanTree, StartPathWithOrWithoutTrailingSlashGivesTheSamePaths) {
    TempDir tmp;
    tmp.File("t/a.txt");
    tmp.File("t/s/b.txt");
    TestHost host;
    const std::vector<std::string> plain = Paths(Scan(tmp.path + "/t", host));
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(Paths(Scan(tmp.path + "/t/", host)), plain);
    EXPECT_EQ(Paths(Scan(tmp.path + "//t/./s/../", host)), plain);
    for (const std::string& p : plain) {
        EXPECT_EQ(p.find("//"), std::string::npos) << p;
    }

    EXPECT_EQ(platform::NormalizeDirectoryPath("/"), "/");
    EXPECT_EQ(platform::NormalizeDirectoryPath("/a//b/./c/../"), "/a/b/");
    EXPECT_EQ(platform::NormalizeDirectoryPath("/.."), "/");
    EXPECT_EQ(platform::NormalizeDirectoryPath("rel/x"), platform::CurrentFolder() + "rel/x/");
    EXPECT_EQ(platform::NormalizeDirectoryPath(""), "");
}

TEST(ScanTree, HiddenAndSpecialFilesAreTestedButHiddenDirectoriesAreNotEntered) {
    TempDir tmp;
    const std::string root = tmp.Dir("t");
    tmp.File("t/.profile", "p");
    tmp.File("t/.cache/inside.txt", "c");
    ASSERT_EQ(mkfifo((root + "/pipe").c_str(), 0600), 0);
    int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sockPath = root + "/sock";
    ASSERT_LT(sockPath.size(), sizeof addr.sun_path);
    std::strcpy(addr.sun_path, sockPath.c_str());
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    close(sock);
    tmp.File("t/dir.looks-like-a-dir", "f");

    TestHost host;
    std::vector<Visit> visits = Scan(root, host);  // would hang here if the FIFO were opened
    std::map<std::string, platform::EntryKind> kinds;
    for (const Visit& v : visits) {
        kinds[v.path] = v.kind;
    }
    EXPECT_EQ(kinds.size(), 4u);
    EXPECT_EQ(kinds[root + "/.profile"], platform::EntryKind::File);
    EXPECT_EQ(kinds[root + "/pipe"], platform::EntryKind::Special);
    EXPECT_EQ(kinds[root + "/sock"], platform::EntryKind::Special);
    EXPECT_EQ(kinds[root + "/dir.looks-like-a-dir"], platform::EntryKind::File);
    EXPECT_EQ(kinds.count(root + "/.cache/inside.txt"), 0u);
}

TEST(ScanTree, LinksAreEntriesOfTheirOwnAndAreNeverFollowed) {
    TempDir tmp;
    const std::string root = tmp.Dir("t");
    const std::string outside = tmp.Dir("outside");
    tmp.File("outside/secret.txt", "s");
    tmp.File("t/real/inner.txt", "i");
    fs::create_directory_symlink(outside, root + "/to-outside");
    fs::create_directory_symlink(root + "/real", root + "/to-real");
    fs::create_symlink(root + "/missing", root + "/dangling");
    // The link's own times differ from its target's.
    vorlex::test::SetTimes(root + "/real/inner.txt", 1500000000);
    fs::create_symlink(root + "/real/inner.txt", root + "/to-file");
    vorlex::test::SetTimes(root + "/to-file", 1000000000);

    TestHost host;
    std::vector<Visit> visits = Scan(root, host);
    std::map<std::string, Visit> byPath;
    for (const Visit& v : visits) {
        byPath.emplace(v.path, v);
    }
    ASSERT_EQ(byPath.size(), 5u) << testing::PrintToString(Paths(visits));
    for (const char* link : {"/to-outside", "/to-real", "/dangling", "/to-file"}) {
        ASSERT_EQ(byPath.count(root + link), 1u) << link;
        EXPECT_EQ(byPath.at(root + link).kind, platform::EntryKind::Symlink) << link;
    }
    EXPECT_EQ(byPath.count(root + "/real/inner.txt"), 1u);  // once, through its real path only
    const platform::EntryFacts& facts = byPath.at(root + "/to-file").facts;
    EXPECT_EQ(facts.modified.sec, 1000000000);
    EXPECT_EQ(facts.size, (root + "/real/inner.txt").size());
    EXPECT_EQ(byPath.at(root + "/real/inner.txt").facts.modified.sec, 1500000000);
    EXPECT_TRUE(host.log.lines.empty()) << host.log.Text();
}

TEST(ScanTree, StopEndsTheWalkBeforeTheNextFile) {
    TempDir tmp;
    MakeBushyTree(tmp.path + "/t", 2, 2);
    TestHost host;
    host.stopAfterKeepAlives = 3;  // Stop clicked while the third file's messages run
    scan::ScanOutcome outcome = scan::ScanOutcome::Completed;
    std::vector<Visit> visits = Scan(tmp.path + "/t", host, &outcome);
    EXPECT_EQ(outcome, scan::ScanOutcome::Stopped);
    EXPECT_EQ(visits.size(), 3u);

    TestHost early;
    early.stop = true;
    EXPECT_TRUE(Scan(tmp.path + "/t", early, &outcome).empty());
    EXPECT_EQ(outcome, scan::ScanOutcome::Stopped);
}

TEST(ScanTree, DirectorySwappedForALinkDuringTheWalkIsNotEntered) {
    TempDir tmp;
    const std::string root = tmp.Dir("t");
    tmp.File("t/first.txt");
    tmp.File("t/sub/own.txt");
    tmp.File("outside/secret.txt");
    TestHost host;
    std::vector<std::string> seen;
    bool swapped = false;
    scan::ScanTree(root, host, [&](const scan::FileVisit& f) {
        seen.push_back(std::string(f.directory) + std::string(f.name));
        if (!swapped) {
            // Between the file pass and the directory pass, "sub" becomes a link to a folder outside.
            swapped = true;
            fs::rename(root + "/sub", tmp.path + "/outside/moved");
            fs::create_directory_symlink(tmp.path + "/outside", root + "/sub");
        }
    });
    for (const std::string& p : seen) {
        EXPECT_EQ(p.find("secret"), std::string::npos) << p;
        EXPECT_EQ(p.find("own.txt"), std::string::npos) << p;
    }
    // "sub" was listed as a directory in the file pass; entering it now fails instead of following the link.
    EXPECT_EQ(host.log.Count("Access denied to directory " + root + "/sub"), 1u) << host.log.Text();
}

TEST(ScanTree, StartDirectoryThatCannotBeOpenedIsReported) {
    TempDir tmp;
    TestHost host;
    scan::ScanOutcome outcome = scan::ScanOutcome::Stopped;
    EXPECT_TRUE(Scan(tmp.path + "/missing", host, &outcome).empty());
    EXPECT_EQ(outcome, scan::ScanOutcome::Completed);
    EXPECT_EQ(host.log.Count("Access denied to directory " + tmp.path + "/missing"), 1u);
}

TEST(ScanTree, DirectoriesThatCannotBeEnteredAreReportedOnceByEachWalk) {
    TempDir tmp;
    const std::string root = tmp.Dir("t");
    tmp.File("t/a/one.txt");
    tmp.File("t/locked/secret.txt");
    tmp.File("t/listonly/x.txt");
    tmp.File("t/z/two.txt");
    chmod(tmp.path.c_str(), 0755);
    chmod((root + "/locked").c_str(), 0);
    chmod((root + "/listonly").c_str(), 0644);  // names readable, not searchable

    // Root passes every permission check, so the walks run as an ordinary user.
    vorlex::test::ChildResult child = vorlex::test::RunInChild(
        [&] {
            std::string out;
            TestHost host;
            for (const Visit& v : Scan(root, host)) {
                out += "V " + v.path + "\n";
            }
            for (const auto& line : host.log.lines) {
                out += "S " + line.message + "\n";
            }
            TestHost inv;
            scan::DirListBox rows;
            scan::ListDirectories(root, inv, rows);
            for (const auto& line : inv.log.lines) {
                out += "I " + line.message + "\n";
            }
            for (const auto& row : rows) {
                out += "R " + row.directory + "\n";
            }
            return out;
        },
        true);
    ASSERT_TRUE(child.ExitedCleanly()) << child.status;
    std::vector<std::string> lines;
    std::istringstream in(child.output);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    auto count = [&](const std::string& line) { return std::count(lines.begin(), lines.end(), line); };
    EXPECT_EQ(count("V " + root + "/a/one.txt"), 1) << child.output;
    EXPECT_EQ(count("V " + root + "/z/two.txt"), 1) << child.output;
    EXPECT_EQ(count("V " + root + "/locked/secret.txt"), 0);
    EXPECT_EQ(count("V " + root + "/listonly/x.txt"), 0);
    for (const char* walk : {"S ", "I "}) {
        EXPECT_EQ(count(walk + std::string("Access denied to directory ") + root + "/locked"), 1)
            << child.output;
        EXPECT_EQ(count(walk + std::string("Access denied to directory ") + root + "/listonly"), 1)
            << child.output;
    }
    // Both are still recorded by the inventory's listing pass of their parent.
    EXPECT_EQ(count("R " + root + "/locked"), 1);
    EXPECT_EQ(count("R " + root + "/listonly"), 1);
    EXPECT_EQ(count("R " + root + "/a"), 1);
}

TEST(ScanTree, OtherFileSystemsAreNotEntered) {
    TempDir tmp;
    const std::string root = tmp.Dir("t");
    tmp.File("t/top.txt");
    tmp.File("t/plain/p.txt");
    tmp.Dir("t/mnt");
    tmp.Dir("t/bind");
    tmp.File("outside/secret.txt");
    vorlex::test::ChildResult child = vorlex::test::RunInChild([&]() -> std::string {
        // A private mount namespace: the mounts vanish with the child.
        if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            return "SKIP";
        }
        if (mount("tmpfs", (root + "/mnt").c_str(), "tmpfs", 0, nullptr) != 0 ||
            mount((tmp.path + "/outside").c_str(), (root + "/bind").c_str(), nullptr, MS_BIND, nullptr) !=
                0) {
            return "SKIP";
        }
        std::ofstream(root + "/mnt/inside.txt") << "i";
        std::string out;
        TestHost host;
        for (const Visit& v : Scan(root, host)) {
            out += "V " + v.path + "\n";
        }
        for (const auto& line : host.log.lines) {
            out += "S " + line.message + "\n";
        }
        scan::DirListBox rows;
        scan::ListDirectories(root, host, rows);
        for (const auto& row : rows) {
            out += "R " + row.directory + "\n";
        }
        return out;
    });
    ASSERT_TRUE(child.ExitedCleanly());
    if (child.output == "SKIP") {
        GTEST_SKIP() << "mount namespaces need root";
    }
    const std::string expected = "V " + root + "/top.txt\nV " + root + "/plain/p.txt\n";
    EXPECT_NE(child.output.find("S Skipped mount point " + root + "/mnt\n"), std::string::npos)
        << child.output;
    EXPECT_NE(child.output.find("S Skipped mount point " + root + "/bind\n"), std::string::npos)
        << child.output;
    EXPECT_EQ(child.output.find("inside.txt"), std::string::npos) << child.output;
    EXPECT_EQ(child.output.find("secret.txt"), std::string::npos) << child.output;
    EXPECT_NE(child.output.find("R " + root + "/plain\n"), std::string::npos) << child.output;
    EXPECT_EQ(child.output.find("R " + root + "/mnt"), std::string::npos) << child.output;
    EXPECT_EQ(child.output.find("R " + root + "/bind"), std::string::npos) << child.output;
}

TEST(ScanTree, TenThousandLevelsWithSixtyFourDescriptorsAndASmallStack) {
    TempDir tmp;
    const std::string root = tmp.Dir("t");
    constexpr int kDepth = 10000;
    std::set<std::string> expected;
    std::string dir = root + "/";
    std::vector<std::string> levelPaths;  // level -> directory path with trailing '/'
    levelPaths.push_back(dir);
    for (int level = 1; level <= kDepth; ++level) {
        dir += "d/";
        levelPaths.push_back(dir);
    }
    ASSERT_TRUE(vorlex::test::MakeChain(root, "d", kDepth, [&](int fd, int level) {
        if (level % 1000 == 0) {
            vorlex::test::MakeFileAt(fd, "f");
            expected.insert(levelPaths[level] + "f");
        }
        if (level % 1000 == 500) {
            // Side branches that the walk reaches only after coming back up from deep below.
            for (const char* side : {"e0", "e1", "e2", "e3"}) {
                mkdirat(fd, side, 0755);
                int sfd = openat(fd, side, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
                vorlex::test::MakeFileAt(sfd, "g");
                close(sfd);
                expected.insert(levelPaths[level] + side + "/g");
            }
        }
    }));
    ASSERT_GT(levelPaths.back().size(), std::size_t{PATH_MAX} * 4);

    vorlex::test::ChildResult child = vorlex::test::RunInChild([&] {
        struct rlimit lim {
            64, 64
        };
        if (setrlimit(RLIMIT_NOFILE, &lim) != 0) {
            return std::string("setrlimit failed");
        }
        std::size_t visits = 0;
        std::size_t known = 0;
        scan::ScanOutcome outcome = scan::ScanOutcome::Stopped;
        TestHost host;
        // A recursive walk would need far more than this for 10,000 levels.
        vorlex::test::RunOnSmallStack(256 * 1024, [&] {
            outcome = scan::ScanTree(root, host, [&](const scan::FileVisit& f) {
                ++visits;
                known += expected.count(std::string(f.directory) + std::string(f.name));
            });
        });
        return "visits=" + std::to_string(visits) + " known=" + std::to_string(known) +
               " log=" + std::to_string(host.log.lines.size()) +
               " completed=" + std::to_string(outcome == scan::ScanOutcome::Completed);
    });
    const std::string n = std::to_string(expected.size());
    EXPECT_TRUE(child.ExitedCleanly()) << child.status;
    EXPECT_EQ(child.output, "visits=" + n + " known=" + n + " log=0 completed=1");
    vorlex::test::RemoveDeepTree(root, "d");
    EXPECT_FALSE(vorlex::test::Exists(root + "/d"));
}

TEST(ListDirectories, ListsShallowToDeepWithHiddenDirectoriesListedButNotEntered) {
    TempDir tmp;
    const std::string root = tmp.Dir("t");
    std::string chain = "t";
    for (int i = 1; i <= 12; ++i) {
        chain += "/c" + std::to_string(i);
    }
    tmp.Dir(chain);
    tmp.Dir("t/b/b1");
    tmp.Dir("t/.hidden/never-listed");
    tmp.File("t/file.txt");
    ASSERT_EQ(mkfifo((root + "/pipe").c_str(), 0600), 0);
    fs::create_directory_symlink(root + "/b", root + "/link-to-b");

    TestHost host;
    scan::DirListBox rows;
    rows.push_back({1, "/stale", 0, 0, {}});
    ASSERT_EQ(scan::ListDirectories(root + "/", host, rows), scan::InventoryOutcome::Completed);

    std::set<std::string> listed;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const scan::DirListRow& row = rows[i];
        listed.insert(row.directory);
        EXPECT_EQ(row.level, scan::CountOccurrences(row.directory, "/"));
        EXPECT_NE(row.directory.back(), '/');
        if (i > 0) {
            EXPECT_LE(rows[i - 1].level, row.level);
        }
        // The parent's row (unless it is the root) comes earlier.
        const std::string parent = row.directory.substr(0, row.directory.rfind('/'));
        if (parent != root) {
            auto at = std::find_if(rows.begin(), rows.end(),
                                   [&](const scan::DirListRow& r) { return r.directory == parent; });
            ASSERT_NE(at, rows.end()) << parent;
            EXPECT_LT(at - rows.begin(), static_cast<long>(i));
        }
    }
    std::set<std::string> expected{root + "/b", root + "/b/b1", root + "/.hidden"};
    std::string path = root;
    for (int i = 1; i <= 12; ++i) {
        path += "/c" + std::to_string(i);
        expected.insert(path);
    }
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(rows.back().level, scan::CountOccurrences(root, "/") + 12);
    // Messages ran after every entry, listed or not (four in the root, one in each directory entered).
    EXPECT_GE(host.keepAlives, rows.size());
}

TEST(IsDirectoryEmpty, CountsEveryEntryAndNeverFollowsALink) {
    TempDir tmp;
    const std::string empty = tmp.Dir("empty");
    EXPECT_TRUE(scan::IsDirectoryEmpty(empty));
    EXPECT_TRUE(scan::IsDirectoryEmpty(empty + "/"));
    tmp.File("hidden/.only");
    EXPECT_FALSE(scan::IsDirectoryEmpty(tmp.path + "/hidden"));
    EXPECT_FALSE(scan::IsDirectoryEmpty(tmp.path + "/missing"));
    fs::create_directory_symlink(empty, tmp.path + "/link");
    EXPECT_FALSE(scan::IsDirectoryEmpty(tmp.path + "/link"));
}

// Trees at the limits: ten thousand levels under a small stack and 64 descriptors, and one directory with
// 400,000 entries.
#include <climits>
#include <iostream>

#include "../core/FsTestUtil.h"
#include "AdversarialSupport.h"

namespace vorlex::adv {
namespace {

constexpr int kDepth = 10000;
// Deep enough for paths beyond PATH_MAX and for descriptors closed and reopened on the way back up; the
// run of the program itself takes the full depth, where a leak per directory would exhaust its 64.
constexpr int kLeakDepth = 3000;

/// The File field and the Status field of each line of a CSV file whose paths hold no quote, comma or line
/// break (read directly: Python would need minutes for ten thousand paths of 20,000 characters).
std::vector<std::pair<std::string, std::string>> PlainCsvRows(const std::string& path) {
    std::vector<std::pair<std::string, std::string>> rows;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto close = line.find("\",");
        const auto lastComma = line.rfind(',');
        if (line.empty() || line.front() != '"' || close == std::string::npos) {
            rows.emplace_back(line, "MALFORMED");
            continue;
        }
        rows.emplace_back(line.substr(1, close - 1), line.substr(lastComma + 1));
    }
    return rows;
}

/// The number of descriptors the process holds.
std::size_t OpenDescriptors() {
    return Names("/proc/self/fd").size() - 1;  // less the one that lists them
}

/// Builds the chain tree/d/d/.../d, `depth` levels, with a file "f<level>.tmp" at the first level, every
/// 2500th (or, in a shorter chain, 750th) and the last.
void MakeDeepTree(const std::string& tree, int depth) {
    ASSERT_TRUE(test::MakeChain(tree, "d", depth, [depth](int fd, int level) {
        if (level == 1 || level % (depth / 4) == 0) {
            test::MakeFileAt(fd, "f" + std::to_string(level) + ".tmp");
        }
    }));
}

TEST(Limits, TenThousandLevelsUnderASmallStackAndSixtyFourDescriptors) {
    Scene s;
    // Whatever the run leaves, the chain goes again (std::filesystem cannot remove it beyond PATH_MAX).
    struct Remove {
        std::string tree;
        ~Remove() { test::RemoveDeepTree(tree, "d"); }
    } remove{s.tree};
    MakeDeepTree(s.tree, kDepth);
    ASSERT_TRUE(WriteFile(s.outside + "/keep.tmp", "outside"));
    const Snapshot before = TakeSnapshot(s.outside);
    RunOptions o;
    o.stackBytes = 256 * 1024;
    o.openFiles = 64;
    o.timeoutSeconds = 500;

    RunResult r = s.prog.Run({s.tree, "1"}, o);

    ADV_EXPECT_FINISHED(r, 0);
    RecordProperty("peak_rss_kib", std::to_string(r.maxRssKiB));
    std::cout << "[ INFO     ] peak RSS of the run: " << r.maxRssKiB << " KiB\n";
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    EXPECT_TRUE(Names(s.tree).empty()) << "every file and every emptied level goes";
    std::size_t files = 0;
    std::size_t dirs = 0;
    std::size_t longest = 0;
    for (const auto& [path, status] : PlainCsvRows(s.prog.CsvPath())) {
        files += status == "Deleted";
        dirs += status == "Dir Deleted";
        longest = std::max(longest, path.size());
    }
    EXPECT_EQ(files, 5u);
    EXPECT_EQ(dirs, static_cast<std::size_t>(kDepth));
    EXPECT_GT(longest, static_cast<std::size_t>(PATH_MAX) * 4);
    const std::string rtf = ReadWholeFile(s.prog.LogPath());
    EXPECT_NE(rtf.find(" 5 files deleted.\\par"), std::string::npos);
    EXPECT_NE(rtf.find(" 10000 empty directories deleted.\\par"), std::string::npos);
    EXPECT_EQ(rtf.find("Access denied"), std::string::npos);
}

TEST(Limits, ADeepScanAndDeletionLeaveNoDescriptorOpen) {
    test::TempDir base;
    const std::string tree = base.path + "/tree";
    const std::string prog = base.path + "/prog";
    std::filesystem::create_directories(tree);
    std::filesystem::create_directories(prog);
    struct Remove {
        std::string tree;
        ~Remove() { test::RemoveDeepTree(tree, "d"); }
    } remove{tree};
    MakeDeepTree(tree, kLeakDepth);

    // In a child limited to 64 descriptors, on a thread with a 256 KiB stack.
    test::ChildResult child = test::RunInChild([&] {
        struct rlimit rl {
            64, 64
        };
        setrlimit(RLIMIT_NOFILE, &rl);
        std::ostringstream report;
        test::RunOnSmallStack(256 * 1024, [&] {
            TestView view;
            auto c = MakeController(view, prog);
            c->SetDrivePath(tree);
            c->SetDaysOld(1);
            const std::size_t before = OpenDescriptors();
            c->Guarded([&] { c->ScanNow(); });
            const std::size_t afterScan = OpenDescriptors();
            c->Guarded([&] { c->DeleteFiles(); });
            const std::size_t afterDeletion = OpenDescriptors();
            report << before << ' ' << afterScan << ' ' << afterDeletion << ' ' << c->RunCounts().filesDeleted
                   << ' ' << c->RunCounts().emptyDirsDeleted << ' ' << view.messages.size();
        });
        return report.str();
    });

    ASSERT_TRUE(child.ExitedCleanly()) << "status " << child.status << ": " << child.output;
    std::istringstream in(child.output);
    std::size_t before = 0, afterScan = 0, afterDeletion = 0, files = 0, dirs = 0, boxes = 99;
    in >> before >> afterScan >> afterDeletion >> files >> dirs >> boxes;
    EXPECT_EQ(afterScan, before);
    EXPECT_EQ(afterDeletion, before);
    EXPECT_EQ(files, 5u);
    EXPECT_EQ(dirs, static_cast<std::size_t>(kLeakDepth));
    EXPECT_EQ(boxes, 0u);
    EXPECT_TRUE(Names(tree).empty());
}

TEST(Limits, FourHundredThousandEntriesInOneDirectory) {
    constexpr int kEntries = 400000;
    Scene s;
    const std::string big = s.tree + "/big";
    ASSERT_EQ(mkdir(big.c_str(), 0755), 0);
    int dfd = open(big.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(dfd, 0);
    char name[32];
    for (int i = 0; i < kEntries; ++i) {
        std::snprintf(name, sizeof name, "entry-%06d.tmp", i);
        int fd = openat(dfd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0) << name << ": " << std::strerror(errno);
        close(fd);
    }
    close(dfd);
    RunOptions o;
    o.timeoutSeconds = 540;

    RunResult r = s.prog.Run({s.tree, "1"}, o);

    ADV_EXPECT_FINISHED(r, 0);
    RecordProperty("peak_rss_kib", std::to_string(r.maxRssKiB));
    std::cout << "[ INFO     ] peak RSS of the run over " << kEntries << " entries: " << r.maxRssKiB
              << " KiB\n";
    EXPECT_TRUE(Names(s.tree).empty());
    auto rows = PlainCsvRows(s.prog.CsvPath());
    std::size_t deleted = 0;
    for (const auto& [path, status] : rows) {
        deleted += status == "Deleted";
    }
    EXPECT_EQ(deleted, static_cast<std::size_t>(kEntries));
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(kEntries) + 1);  // and the emptied folder's row
    const std::string rtf = ReadWholeFile(s.prog.LogPath());
    EXPECT_NE(rtf.find(" 400000 files found under " + s.tree + "\\par"), std::string::npos);
    EXPECT_NE(rtf.find(" 400000 files deleted.\\par"), std::string::npos);
}

}  // namespace
}  // namespace vorlex::adv

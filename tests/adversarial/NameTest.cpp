// Hostile names in the tree: control characters, CSV and RTF syntax, invalid UTF-8, leading '-' and '=',
// and a name that makes a regular expression backtrack without end.
#include "AdversarialSupport.h"

namespace vorlex::adv {
namespace {

/// Makes the file `name` (raw bytes) in the directory `dir`.
void MakeRaw(const std::string& dir, const std::string& name, const std::string& content = "x") {
    int dfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(dfd, 0);
    int fd = openat(dfd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << name;
    ASSERT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    close(fd);
    close(dfd);
}

TEST(HostileNames, OneCsvRowPerFileAReadableLogAndOnlyTheMatchingFilesGo) {
    Scene s;
    // Raw name on disk -> File text of its CSV row after the tree path (Windows-1252 read back as UTF-8:
    // control characters and bytes that are not UTF-8 are '?', characters outside the code page too).
    const std::vector<std::pair<std::string, std::string>> hostile = {
        {"new\nline.tmp", "new?line.tmp"},
        {"carriage\rreturn.tmp", "carriage?return.tmp"},
        {"tab\there.tmp", "tab?here.tmp"},
        {"quo\"te\"\".tmp", "quo\"te\"\".tmp"},
        {"com,ma,.tmp", "com,ma,.tmp"},
        {"br{a}ce\\par }.tmp", "br{a}ce\\par }.tmp"},
        {"back\\slash\\.tmp", "back\\slash\\.tmp"},
        {"bad\xff\xfe\xc3(utf8.tmp",
         "bad???"
         "(utf8.tmp"},
        {"-rf --no-preserve-root.tmp", "-rf --no-preserve-root.tmp"},
        {"=HYPERLINK(\"http:x\").tmp", "=HYPERLINK(\"http:x\").tmp"},
        {"+1-2@3.tmp", "+1-2@3.tmp"},
        {"caf\xc3\xa9.tmp", "caf\xc3\xa9.tmp"},
        {"\xe6\x97\xa5\xe6\x9c\xac.tmp", "??.tmp"},
        {"\r\n\"\r\n.tmp", "??\"??.tmp"},
    };
    for (const auto& [raw, text] : hostile) {
        MakeRaw(s.tree, raw);
    }
    // A folder with a hostile name whose only file goes: its row and its own row as an emptied folder.
    const std::string dirRaw = "dir\n{x},\"y\"\xff";
    ASSERT_EQ(mkdir((s.tree + "/" + dirRaw).c_str(), 0755), 0);
    MakeRaw(s.tree + "/" + dirRaw, "in\nner.tmp");
    // Files that do not match stay, hostile names or not.
    const std::set<std::string> keep = {"keep\nme.txt", "-keep.txt", "=keep\xff.txt"};
    for (const auto& k : keep) {
        MakeRaw(s.tree, k);
    }
    ASSERT_TRUE(WriteFile(s.outside + "/keep.tmp", "outside"));
    const Snapshot before = TakeSnapshot(s.outside);

    RunOptions o;
    o.timeoutSeconds = 120;
    // Debug mode puts every name into the log as well.
    RunResult r = s.prog.Run({s.tree, "1", "/I", "*.tmp", "/D"}, o);

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    EXPECT_EQ(Names(s.tree), keep);

    bool ok = false;
    auto records = CsvRecords(s.prog.CsvPath(), &ok);
    ASSERT_TRUE(ok) << "Python's csv module could not read the file";
    std::multiset<std::string> rows;
    for (std::size_t i = 1; i < records.size(); ++i) {
        ASSERT_EQ(records[i].size(), 7u) << "record " << i;
        rows.insert(records[i][0] + " => " + records[i][6]);
    }
    std::multiset<std::string> expected;
    for (const auto& [raw, text] : hostile) {
        expected.insert(s.tree + "/" + text + " => Deleted");
    }
    expected.insert(s.tree + "/dir?{x},\"y\"?/in?ner.tmp => Deleted");
    expected.insert(s.tree + "/dir?{x},\"y\"?/ => Dir Deleted");
    EXPECT_EQ(rows, expected);

    int unrtf = -1;
    auto log = LogLines(s.prog.LogPath(), &unrtf);
    EXPECT_EQ(unrtf, 0) << "unrtf could not read the log";
    EXPECT_TRUE(HasLine(log, std::to_string(hostile.size() + 1) + " files deleted.")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "1 empty directories deleted.")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "Finished.")) << Joined(log);
}

TEST(HostileNames, CatastrophicBacktrackingEndsAsNoMatchAndTheFileStays) {
    Scene s;
    const std::string evil = std::string(200, 'a') + "!";
    MakeRaw(s.tree, evil);
    MakeRaw(s.tree, "banana");  // ends in 'a': matched
    MakeRaw(s.tree, "other.txt");
    RunOptions o;
    o.timeoutSeconds = 120;

    RunResult r = s.prog.Run({s.tree, "1", "/R", "(a+)+$", "/F"}, o);

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_TRUE(Exists(s.tree + "/" + evil));
    EXPECT_TRUE(Exists(s.tree + "/other.txt"));
    EXPECT_FALSE(Exists(s.tree + "/banana"));
    auto status = CsvStatus(s.prog.CsvPath());
    EXPECT_EQ(status, (std::map<std::string, std::string>{{s.tree + "/banana", "Deleted"}}));
    auto log = LogLines(s.prog.LogPath());
    EXPECT_TRUE(HasLine(log, "1 files matched search criteria.")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "1 files deleted.")) << Joined(log);

    // Negated, the unfinished test still does not list the file: only other.txt is listed.
    MakeRaw(s.tree, "banana");
    r = s.prog.Run({s.tree, "1", "/R", "(a+)+$", "/F", "/!"}, o);
    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_TRUE(Exists(s.tree + "/" + evil));
    EXPECT_TRUE(Exists(s.tree + "/banana"));
    EXPECT_EQ(CsvStatus(s.prog.CsvPath()),
              (std::map<std::string, std::string>{{s.tree + "/other.txt", "Deleted"}}));
}

}  // namespace
}  // namespace vorlex::adv

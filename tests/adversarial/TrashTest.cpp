// /TRASH on real file systems: the home trash and the trash of a second file system, read back by trash-cli
// (trash-list, trash-restore); hostile trash folders refused; a full file system keeps the file.
#include "AdversarialSupport.h"

namespace vorlex::adv {
namespace {

using test::RunTool;
using test::ShellQuote;

// A scene whose run sees `home` as its home folder.
struct TrashScene : Scene {
    std::string home = base.path + "/home";
    RunOptions options;
    TrashScene() {
        std::filesystem::create_directories(home);
        options.environment = {"HOME=" + home};
    }
    // trash-cli sees the same home; its output and exit status.
    std::string Tool(const std::string& command, int* status = nullptr) const {
        return RunTool("export HOME=" + ShellQuote(home) + "; " + command + " 2>&1", status);
    }
};

// Every info file of `trash` as "files-name <TAB> hex of the decoded Path <TAB> DeletionDate" lines, read
// by Python's byte-exact percent decoding.
std::string InfoEntries(const std::string& trash) {
    const std::string script =
        "import os,sys,urllib.parse as u\n"
        "d=sys.argv[1]\n"
        "for n in sorted(os.listdir(os.path.join(d,'info'))):\n"
        "  t=open(os.path.join(d,'info',n),'rb').read().decode('ascii').split('\\n')\n"
        "  assert t[0]=='[Trash Info]', t\n"
        "  p=[l[5:] for l in t if l.startswith('Path=')][0]\n"
        "  dd=[l[13:] for l in t if l.startswith('DeletionDate=')][0]\n"
        "  print(os.fsencode(n[:-10]).hex(), u.unquote_to_bytes(p).hex(), len(dd), dd[10], sep='\\t')\n";
    return RunTool("python3 -c " + ShellQuote(script) + " " + ShellQuote(trash) + " 2>&1");
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char buf[3];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02x", c);
        out += buf;
    }
    return out;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

}  // namespace

TEST(Trash, HomeTrashTakesEveryNameAndTrashCliRestoresThem) {
    TrashScene s;
    const std::vector<std::string> names = {"plain.txt", "a%b\nc.txt", "per%25cent",   "\xff\xfe-bad",
                                            "sub1/dup",  "sub2/dup",   "sub2/deep/x y"};
    for (const auto& n : names) {
        std::filesystem::create_directories(std::filesystem::path(s.tree + "/" + n).parent_path());
        ASSERT_TRUE(WriteFile(s.tree + "/" + n, "content of " + n));
    }
    // Past "dup.8" the free names are random; later files of a name start past the names found taken.
    std::vector<std::string> moreDups;
    for (int i = 3; i <= 12; ++i) {
        moreDups.push_back("sub" + std::to_string(i) + "/dup");
        std::filesystem::create_directories(s.tree + "/sub" + std::to_string(i));
        ASSERT_TRUE(WriteFile(s.tree + "/" + moreDups.back(), "content of " + moreDups.back()));
    }
    // An entry already in the trash under the first name of "dup", with and without its info file.
    const std::string trash = s.home + "/.local/share/Trash";
    std::filesystem::create_directories(trash + "/files");
    std::filesystem::create_directories(trash + "/info");
    ASSERT_TRUE(WriteFile(trash + "/files/dup", "older dup"));
    ASSERT_TRUE(WriteFile(trash + "/info/x y.trashinfo",
                          "[Trash Info]\nPath=/elsewhere/x%20y\nDeletionDate=2020-01-02T03:04:05\n"));

    RunResult r = s.prog.Run({s.tree, "1", "/TRASH"}, s.options);

    ADV_EXPECT_FINISHED(r, 0);
    const auto status = CsvStatus(s.prog.CsvPath());
    const std::vector<std::string> log = LogLines(s.prog.LogPath());
    for (const auto& n : names) {
        EXPECT_FALSE(test::Exists(s.tree + "/" + n)) << n;
        EXPECT_EQ(status.at(s.tree + "/" +
                            (n == "a%b\nc.txt"     ? "a%b?c.txt"
                             : n == "\xff\xfe-bad" ? "?\?-bad"
                                                   : n)),
                  "Trashed")
            << n;
    }
    EXPECT_TRUE(HasLine(log, "Moved to trash: " + s.tree + "/plain.txt")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "17 files moved to trash.")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "0 files deleted.")) << Joined(log);
    EXPECT_EQ(ReadWholeFile(trash + "/files/dup"), "older dup") << "an entry in the trash is never replaced";

    // Each info file names its original path byte for byte (a DeletionDate of 19 characters with its 'T').
    std::set<std::string> decoded;
    std::istringstream lines(InfoEntries(trash));
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        decoded.insert(line.substr(tab + 1));
        if (line.substr(tab + 1) != Hex("/elsewhere/x y") + "\t19\tT") {
            EXPECT_EQ(ReadWholeFile(trash + "/files/" + test::FromHex(line.substr(0, tab))).substr(0, 11),
                      "content of ")
                << "each info file beside the file it describes: " << line;
        }
    }
    std::set<std::string> expected = {Hex("/elsewhere/x y") + "\t19\tT"};
    for (const auto& n : names) {
        expected.insert(Hex(s.tree + "/" + n) + "\t19\tT");
    }
    for (const auto& n : moreDups) {
        EXPECT_EQ(status.at(s.tree + "/" + n), "Trashed") << n;
        expected.insert(Hex(s.tree + "/" + n) + "\t19\tT");
    }
    EXPECT_EQ(decoded, expected);
    EXPECT_EQ(Names(trash + "/files").size(), names.size() + moreDups.size() + 1)
        << "every dup kept under a free name";

    // trash-list shows every one; trash-restore brings each back with its content, folders recreated.
    int listed = -1;
    const std::string list = s.Tool("trash-list", &listed);
    EXPECT_EQ(listed, 0) << list;
    for (const auto& n : names) {
        if (n[0] != '\xff') {
            EXPECT_NE(list.find(" " + s.tree + "/" + n + "\n"), std::string::npos) << n << "\n" << list;
        }
    }
    for (const auto& n : names) {
        if (n[0] == '\xff') {
            continue;  // trash-cli 0.17 decodes Path= as UTF-8 with replacement: checked byte for byte above
        }
        int restored = -1;
        const std::string out = s.Tool("echo 0 | trash-restore " + ShellQuote(s.tree + "/" + n), &restored);
        EXPECT_EQ(restored, 0) << out;
        EXPECT_EQ(ReadWholeFile(s.tree + "/" + n), "content of " + n) << n << "\n" << out;
    }
}

TEST(Trash, ASecondFileSystemUsesItsOwnTrashAndRefusesHostileOnes) {
    ADV_REQUIRE_ROOT("mount a tmpfs");
    TrashScene s;
    const std::string mnt = s.base.path + "/mnt";
    std::filesystem::create_directories(mnt);
    ScopedMount m("tmpfs", mnt, "size=16m");
    if (!m.Mounted()) {
        GTEST_SKIP() << "tmpfs cannot be mounted here: " << m.Error();
    }
    const std::string uid = std::to_string(geteuid());
    const std::string own = mnt + "/.Trash-" + uid;
    const std::string elsewhere = s.outside + "/target";
    std::filesystem::create_directories(elsewhere);
    chmod(elsewhere.c_str(), 01777);
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::string trash;  // where the file must go
        bool kept = false;  // no usable trash: the file stays
    };
    const std::vector<Case> cases = {
        {"no trash yet: $topdir/.Trash-$uid is made", [] {}, own},
        {"a sticky .Trash: its $uid folder",
         [&] {
             mkdir((mnt + "/.Trash").c_str(), 0777);
             chmod((mnt + "/.Trash").c_str(), 01777);
         },
         mnt + "/.Trash/" + uid},
        {".Trash is a link to a sticky folder",
         [&] { symlink(elsewhere.c_str(), (mnt + "/.Trash").c_str()); }, own},
        {".Trash is not sticky", [&] { mkdir((mnt + "/.Trash").c_str(), 0777); }, own},
        {".Trash/$uid belongs to another user",
         [&] {
             mkdir((mnt + "/.Trash").c_str(), 0777);
             chmod((mnt + "/.Trash").c_str(), 01777);
             mkdir((mnt + "/.Trash/" + uid).c_str(), 0700);
             chown((mnt + "/.Trash/" + uid).c_str(), 54321, 54321);
         },
         own},
        {".Trash-$uid belongs to another user",
         [&] {
             mkdir(own.c_str(), 0700);
             chown(own.c_str(), 54321, 54321);
         },
         "", true},
        {".Trash-$uid is a link", [&] { symlink(elsewhere.c_str(), own.c_str()); }, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunTool("rm -rf " + ShellQuote(mnt) + "/.Trash* " + ShellQuote(mnt) + "/tree");
        const std::string tree = mnt + "/tree";
        std::filesystem::create_directories(tree + "/d");
        ASSERT_TRUE(WriteFile(tree + "/d/old file", "old"));
        c.prepare();

        RunResult r = s.prog.Run({tree, "1", "/TRASH"}, s.options);

        ADV_EXPECT_FINISHED(r, 0);
        const auto status = CsvStatus(s.prog.CsvPath());
        const std::vector<std::string> log = LogLines(s.prog.LogPath());
        EXPECT_EQ(Names(elsewhere), std::set<std::string>{}) << "a link is never followed";
        EXPECT_FALSE(test::Exists(s.home + "/.local")) << "another file system never uses the home trash";
        if (c.kept) {
            EXPECT_EQ(ReadWholeFile(tree + "/d/old file"), "old");
            EXPECT_EQ(status.at(tree + "/d/old file"), "NOT Trashed (no trash on this file system)");
            EXPECT_TRUE(HasLine(log, "Reason: No trash on this file system")) << Joined(log);
            EXPECT_FALSE(LinesWith(log, "1 files kept: no trash on their file system").empty())
                << Joined(log);
            // The user may choose deletion for such files.
            RunResult d = s.prog.Run({tree, "1", "/TRASHORDELETE"}, s.options);
            ADV_EXPECT_FINISHED(d, 0);
            EXPECT_FALSE(test::Exists(tree + "/d/old file"));
            EXPECT_EQ(CsvStatus(s.prog.CsvPath()).at(tree + "/d/old file"), "Deleted");
            continue;
        }
        EXPECT_EQ(status.at(tree + "/d/old file"), "Trashed");
        EXPECT_EQ(ReadWholeFile(c.trash + "/files/old file"), "old");
        EXPECT_EQ(ModeOf(c.trash) & 07777, 0700u);
        EXPECT_FALSE(test::Exists(tree + "/d")) << "the emptied folder is removed as always";
        const std::string list = s.Tool("trash-list");
        EXPECT_NE(list.find(" " + tree + "/d/old file\n"), std::string::npos) << list;
        int restored = -1;
        const std::string out =
            s.Tool("echo 0 | trash-restore " + ShellQuote(tree + "/d/old file"), &restored);
        EXPECT_EQ(ReadWholeFile(tree + "/d/old file"), "old") << out;
    }
}

TEST(Trash, AFullFileSystemKeepsTheFileWithTheReason) {
    ADV_REQUIRE_ROOT("mount a small tmpfs");
    TrashScene s;
    const std::string mnt = s.base.path + "/mnt";
    std::filesystem::create_directories(mnt);
    ScopedMount m("tmpfs", mnt, "size=256k");
    if (!m.Mounted()) {
        GTEST_SKIP() << "tmpfs cannot be mounted here: " << m.Error();
    }
    const std::string own = mnt + "/.Trash-" + std::to_string(geteuid());
    for (const char* d : {"", "/files", "/info"}) {
        ASSERT_EQ(mkdir((own + d).c_str(), 0700), 0);
    }
    std::filesystem::create_directories(mnt + "/tree");
    ASSERT_TRUE(WriteFile(mnt + "/tree/old", "old"));
    // Filled to the last byte: the info file cannot be written.
    const int fd = open((mnt + "/filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    std::vector<char> block(4096, 'f');
    for (std::size_t n = block.size(); n >= 1; n /= 2) {
        while (write(fd, block.data(), n) == static_cast<ssize_t>(n)) {
        }
    }
    close(fd);

    RunResult r = s.prog.Run({mnt + "/tree", "1", "/TRASH"}, s.options);

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(ReadWholeFile(mnt + "/tree/old"), "old");
    EXPECT_EQ(CsvStatus(s.prog.CsvPath()).at(mnt + "/tree/old"), "NOT Deleted");
    const std::vector<std::string> log = LogLines(s.prog.LogPath());
    EXPECT_TRUE(HasLine(log, "Reason: No space left on device")) << Joined(log);
    EXPECT_EQ(Names(own + "/info"), std::set<std::string>{}) << "no info file is left behind";
    EXPECT_EQ(Names(own + "/files"), std::set<std::string>{});
}

}  // namespace vorlex::adv

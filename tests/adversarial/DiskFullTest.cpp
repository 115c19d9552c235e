// A full disk under the program's own files: "VorlexFiles.csv", "VorlexActivity.rtf" and "Vorlex.ini" are
// never left half-written, the error is reported, and an unattended run ends with 1.
#include "AdversarialSupport.h"

namespace vorlex::adv {
namespace {

/// Fills the file system of `path` by writing the file `path` until not one more byte fits.
void FillUp(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    std::vector<char> buf(64 * 1024, 'f');
    for (std::size_t chunk = buf.size(); chunk >= 1; chunk /= 2) {
        while (write(fd, buf.data(), chunk) == static_cast<ssize_t>(chunk)) {
        }
    }
    char one = 'f';
    EXPECT_EQ(write(fd, &one, 1), -1);
    EXPECT_EQ(errno, ENOSPC);
    close(fd);
}

TEST(FullDisk, AnUnattendedRunReportsTheErrorEndsWithOneAndDeletesNothing) {
    ADV_REQUIRE_ROOT("mount a small tmpfs");
    test::TempDir base;
    const std::string tree = base.path + "/tree";
    const std::string small = base.path + "/small";
    std::filesystem::create_directories(tree);
    std::filesystem::create_directories(small);
    // The program's folder must hold the program itself: room for it and a little more, then filled.
    const auto kib = std::filesystem::file_size(VORLEX_EXE) / 1024 + 600;
    ScopedMount m("tmpfs", small, "size=" + std::to_string(kib) + "k");
    if (!m.Mounted()) {
        GTEST_SKIP() << "tmpfs cannot be mounted here: " << m.Error();
    }
    ProgramCopy prog(small + "/prog");
    const std::string ini = "[Vorlex]\r\nDaysOld=30\r\nDrivePath=/nowhere\r\nAutoSaveOnExit=1\r\n";
    ASSERT_TRUE(WriteFile(prog.IniPath(), ini));
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(WriteFile(tree + "/old" + std::to_string(i) + ".dat", "old"));
    }
    FillUp(small + "/filler");
    const Snapshot before = TakeSnapshot(tree);

    RunResult r = prog.Run({tree, "1"});

    ADV_EXPECT_FINISHED(r, 1);
    EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << r.err;
    EXPECT_EQ(ReadWholeFile(prog.IniPath()), ini);
    EXPECT_EQ(Names(prog.Folder()), (std::set<std::string>{"vorlex", "Vorlex.ini"}))
        << "no half-written file and no temporary file is left";
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(tree)), "")
        << "a run whose results cannot be written deletes nothing";
}

TEST(FullDisk, WhenTheDiskFillsAfterTheScanThePreviousFilesStayIntact) {
    ADV_REQUIRE_ROOT("mount a small tmpfs");
    test::TempDir base;
    const std::string tree = base.path + "/tree";
    const std::string prog = base.path + "/prog";
    std::filesystem::create_directories(tree);
    std::filesystem::create_directories(prog);
    ScopedMount m("tmpfs", prog, "size=600k");
    if (!m.Mounted()) {
        GTEST_SKIP() << "tmpfs cannot be mounted here: " << m.Error();
    }
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(WriteFile(tree + "/old" + std::to_string(i) + ".dat", "old"));
    }
    TestView view;
    auto c = MakeController(view, prog);
    c->SetDrivePath(tree);
    c->SetDaysOld(1);
    c->Guarded([&] { c->SaveSettings(); });
    c->Guarded([&] { c->ScanNow(); });
    ASSERT_TRUE(view.messages.empty()) << view.messages.front().text;
    const std::string csv = ReadWholeFile(prog + "/VorlexFiles.csv");
    const std::string rtf = ReadWholeFile(prog + "/VorlexActivity.rtf");
    const std::string ini = ReadWholeFile(prog + "/Vorlex.ini");
    ASSERT_NE(csv.find("old19.dat"), std::string::npos);
    ASSERT_NE(rtf.find("Finished."), std::string::npos);
    FillUp(prog + "/filler");

    c->Guarded([&] { c->DeleteFiles(); });
    c->SetDaysOld(7);
    c->Guarded([&] { c->SaveSettings(); });

    EXPECT_EQ(ReadWholeFile(prog + "/VorlexFiles.csv"), csv);
    EXPECT_EQ(ReadWholeFile(prog + "/VorlexActivity.rtf"), rtf);
    EXPECT_EQ(ReadWholeFile(prog + "/Vorlex.ini"), ini);
    EXPECT_EQ(Names(prog),
              (std::set<std::string>{"VorlexFiles.csv", "VorlexActivity.rtf", "Vorlex.ini", "filler"}));
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_NE(view.messages[0].text.find("VorlexActivity.rtf"), std::string::npos) << view.messages[0].text;
    EXPECT_NE(view.messages[0].text.find("No space left on device"), std::string::npos)
        << view.messages[0].text;
    EXPECT_NE(view.messages[1].text.find("Vorlex.ini"), std::string::npos) << view.messages[1].text;
    EXPECT_NE(view.messages[0].text.find("Nothing was deleted."), std::string::npos) << view.messages[0].text;
    // A deletion whose log could not be written would leave no record: nothing is deleted.
    EXPECT_EQ(Names(tree).size(), 20u);
    auto log = ControllerLog(*c);
    EXPECT_EQ(IndexOf(log, "Deleting files..."), -1);
}

}  // namespace
}  // namespace vorlex::adv

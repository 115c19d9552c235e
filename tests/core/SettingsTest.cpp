#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "config/Settings.h"

using namespace vorlex::config;

namespace {

Settings ReadFrom(const std::string& iniText) {
    return ReadSettings(IniFile(iniText), "/opt/vorlex/");
}

Settings ReadKey(const std::string& key, const std::string& value) {
    return ReadFrom("[Vorlex]\n" + key + "=" + value + "\n");
}

}  // namespace

TEST(Settings, NoFileGivesTheDefaults) {
    vorlex::test::TempDir dir;
    Settings s = ReadSettingsFile(SettingsFilePath(dir.path + "/"), dir.path + "/");
    EXPECT_EQ(s.daysOld, 30);
    EXPECT_EQ(s.drivePath, dir.path + "/");
    EXPECT_FALSE(s.debugMode || s.useRegEx || s.notRegEx || s.useIncludeFiles || s.useExcludeFiles ||
                 s.doNotDeleteEmptyDirs || s.autoSaveOnExit);
    EXPECT_EQ(s.regExPathFile, kRegExPathAndFile);
    EXPECT_EQ(s.regExEdit + s.includeFiles + s.excludeFiles, "");
    // An unreadable settings file (here a directory in its place) never stops the start-up either.
    std::string asDir = dir.Dir("x/Vorlex.ini");
    EXPECT_EQ(ReadSettingsFile(asDir, "/p/").daysOld, 30);
}

TEST(Settings, DaysAreReadWithinTheirRange) {
    EXPECT_EQ(ReadKey("DaysOld", "20000").daysOld, 10000);
    EXPECT_EQ(ReadKey("DaysOld", "-5").daysOld, 0);
    EXPECT_EQ(ReadKey("DaysOld", "abc").daysOld, 30);
    EXPECT_EQ(ReadKey("DaysOld", "0x1F").daysOld, 31);
    EXPECT_EQ(ReadKey("DaysOld", "$1F").daysOld, 31);
    EXPECT_EQ(ReadKey("daysold", " 10000 ").daysOld, 10000);
    EXPECT_EQ(ReadKey("DaysOld", "").daysOld, 30);
    EXPECT_EQ(ClampDaysOld(-1), 0);
    EXPECT_EQ(ClampDaysOld(1LL << 40), 10000);
}

TEST(Settings, TargetIndexOutsideTheChoicesIsBroughtIn) {
    EXPECT_EQ(ReadKey("RegExPathFile", "7").regExPathFile, kRegExFileOnly);
    EXPECT_EQ(ReadKey("RegExPathFile", "-1").regExPathFile, kRegExPathAndFile);
    EXPECT_EQ(ReadKey("RegExPathFile", "1").regExPathFile, kRegExPathOnly);
    EXPECT_EQ(ReadKey("RegExPathFile", "x").regExPathFile, kRegExPathAndFile);
}

TEST(Settings, BooleansAreIntegers) {
    EXPECT_TRUE(ReadKey("Debug", "1").debugMode);
    EXPECT_TRUE(ReadKey("Debug", "2").debugMode);
    EXPECT_TRUE(ReadKey("Debug", "-1").debugMode);
    EXPECT_FALSE(ReadKey("Debug", "0").debugMode);
    EXPECT_FALSE(ReadKey("Debug", "yes").debugMode);
    EXPECT_FALSE(ReadKey("Debug", "True").debugMode);
}

TEST(Settings, TheExpressionSwitchesTheMasksOffAndASaveKeepsItThatWay) {
    vorlex::test::TempDir dir;
    std::string path = dir.File("Vorlex.ini", "[Vorlex]\nUseRegEx=1\nUseIncludeFiles=1\nUseExcludeFiles=1\n");
    Settings s = ReadSettingsFile(path, "/p/");
    EXPECT_TRUE(s.useRegEx);
    EXPECT_FALSE(s.useIncludeFiles);
    EXPECT_FALSE(s.useExcludeFiles);
    SaveSettingsFile(path, s);
    IniFile saved = IniFile::Read(path);
    EXPECT_EQ(saved.ReadString("Vorlex", "UseIncludeFiles", ""), "0");
    EXPECT_EQ(saved.ReadString("Vorlex", "UseExcludeFiles", ""), "0");
    // Without the expression the masks load as stored.
    Settings masks = ReadFrom("[Vorlex]\nUseIncludeFiles=1\nUseExcludeFiles=1\n");
    EXPECT_TRUE(masks.useIncludeFiles && masks.useExcludeFiles);
}

TEST(Settings, SaveAndReadGiveTheSameSettingsBack) {
    vorlex::test::TempDir dir;
    std::string path = SettingsFilePath(dir.path + "/");
    Settings s;
    s.debugMode = true;
    s.daysOld = 1234;
    s.drivePath = "/home/user/Old Files \xC3\xA9t\xC3\xA9/";
    s.notRegEx = true;
    s.regExPathFile = kRegExFileOnly;
    s.useIncludeFiles = true;
    s.useExcludeFiles = true;
    s.regExEdit = "  \"^(a|b)=c;d\"  ";
    s.includeFiles = "*.tmp,old file*.txt";
    s.excludeFiles = "'*.doc'";
    s.doNotDeleteEmptyDirs = true;
    s.autoSaveOnExit = true;
    SaveSettingsFile(path, s);
    EXPECT_EQ(ReadSettingsFile(path, "/other/"), s);

    // A new file lists the thirteen keys in the order of the save.
    std::string text = dir.Read("Vorlex.ini");
    std::size_t last = 0;
    for (const char* key : {"Debug=", "DaysOld=", "DrivePath=", "UseRegEx=", "NOTRegEx=", "RegExPathFile=",
                            "UseIncludeFiles=", "UseExcludeFiles=", "RegExEdit=", "IncludeFiles=",
                            "ExcludeFiles=", "DoNotDeleteEmptyDirs=", "AutoSaveOnExit="}) {
        std::size_t at = text.find(std::string("\n") + key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
}

TEST(Settings, ASaveLeavesForeignSectionsAndUnknownKeysByteForByte) {
    vorlex::test::TempDir dir;
    const std::string head = "; hand-written\r\n[Window]\r\nDebug=1\r\nWidth=12\r\n";
    const std::string tail = "\r\n[Zeta]\r\nDaysOld = 3 ; not ours\r\n";
    std::string path =
        dir.File("Vorlex.ini", head + "[VORLEX]\r\nFutureKey=  spaced  \r\ndaysOld=9\r\n" + tail);
    Settings s = ReadSettingsFile(path, "/p/");
    EXPECT_EQ(s.daysOld, 9);
    EXPECT_FALSE(s.debugMode);
    s.daysOld = 10;
    SaveSettingsFile(path, s);
    std::string text = dir.Read("Vorlex.ini");
    ASSERT_EQ(text.substr(0, head.size()), head);
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_NE(text.find("[VORLEX]\r\nFutureKey=  spaced  \r\nDaysOld=10\r\nDebug=0\r\n"), std::string::npos);
    EXPECT_EQ(ReadSettingsFile(path, "/p/"), s);
}

TEST(Settings, AutoSaveIsWrittenAloneAndAtOnce) {
    vorlex::test::TempDir dir;
    std::string path = dir.File("Vorlex.ini", "[Vorlex]\nDaysOld=77\nAutoSaveOnExit=0\nWidth=900\n");
    SaveAutoSaveOnExitFile(path, true);
    EXPECT_EQ(dir.Read("Vorlex.ini"), "[Vorlex]\nDaysOld=77\nAutoSaveOnExit=1\nWidth=900\n");
    SaveAutoSaveOnExitFile(path, false);
    EXPECT_FALSE(ReadSettingsFile(path, "/p/").autoSaveOnExit);
}

TEST(Settings, AReadOnlySettingsFileRefusesASaveAndStaysUnchanged) {
    vorlex::test::TempDir dir;
    const std::string original = "[Vorlex]\nDaysOld=45\n";
    std::string path = dir.File("Vorlex.ini", original);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    Settings s;
    s.daysOld = 99;
    try {
        SaveSettingsFile(path, s);
        ADD_FAILURE() << "save reported success";
    } catch (const WriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_THROW(SaveFormSettingsFile(path, WindowGeometry{1, 2, 3, 4, WindowState::Normal}), WriteError);
    EXPECT_THROW(SaveAutoSaveOnExitFile(path, true), WriteError);
    EXPECT_EQ(dir.Read("Vorlex.ini"), original);
    EXPECT_EQ(ReadSettingsFile(path, "/p/").daysOld, 45);
}

TEST(WindowSettings, StateAndBoundsComeBackAsStored) {
    vorlex::test::TempDir dir;
    std::string path = SettingsFilePath(dir.path + "/");
    const WindowGeometry designed{297, 198, 633, 663, WindowState::Normal};
    EXPECT_EQ(ReadFormSettingsFile(path, designed), designed);

    WindowGeometry maximized{40, 50, 800, 700, WindowState::Maximized};
    SaveFormSettingsFile(path, maximized);
    EXPECT_EQ(ReadFormSettingsFile(path, designed), maximized);

    // Minimized, and states nobody wrote, open normal with the stored bounds.
    SaveFormSettingsFile(path, WindowGeometry{-20, 30, 700, 640, WindowState::Minimized});
    EXPECT_EQ(ReadFormSettingsFile(path, designed), (WindowGeometry{-20, 30, 700, 640, WindowState::Normal}));
    for (const char* state : {"5", "-1", "max"}) {
        IniFile ini("[Vorlex]\nWindowState=" + std::string(state) + "\nWidth=x\n");
        WindowGeometry g = ReadFormSettings(ini, designed);
        EXPECT_EQ(g.state, WindowState::Normal) << state;
        EXPECT_EQ(g.width, designed.width);
    }
}

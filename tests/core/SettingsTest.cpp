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
                 s.doNotDeleteEmptyDirs || s.autoSaveOnExit || s.moveToTrash || s.trashOrDelete);
    EXPECT_EQ(s.regExPathFile, kRegExPathAndFile);
    EXPECT_EQ(s.regExEdit + s.includeFiles + s.excludeFiles, "");
    // An unreadable settings file (here a directory in its place) never stops the start-up either.
    std::string asDir = dir.Dir("x/Vorlex.ini");
    EXPECT_EQ(ReadSettingsFile(asDir, "/p/").daysOld, 30);
}

TEST(Settings, StoredValuesAreBroughtIntoTheirRanges) {
    EXPECT_EQ(ReadKey("DaysOld", "20000").daysOld, 10000);
    EXPECT_EQ(ReadKey("DaysOld", "-5").daysOld, 0);
    EXPECT_EQ(ReadKey("DaysOld", "abc").daysOld, 30);
    EXPECT_EQ(ReadKey("DaysOld", "0x1F").daysOld, 31);
    EXPECT_EQ(ReadKey("daysold", " $1F ").daysOld, 31);
    EXPECT_EQ(ReadKey("RegExPathFile", "7").regExPathFile, kRegExFileOnly);
    EXPECT_EQ(ReadKey("RegExPathFile", "-1").regExPathFile, kRegExPathAndFile);
    EXPECT_EQ(ReadKey("RegExPathFile", "1").regExPathFile, kRegExPathOnly);
    // Booleans are integers: any non-zero number is on, words are unparsable and give the default (off).
    EXPECT_TRUE(ReadKey("Debug", "2").debugMode);
    EXPECT_TRUE(ReadKey("Debug", "-1").debugMode);
    EXPECT_FALSE(ReadKey("Debug", "0").debugMode);
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
    // A foreign section already in the file stays where it is; the new section follows it.
    std::string path = dir.File("Vorlex.ini", "[Other]\r\nDaysOld=1\r\n");
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
    s.moveToTrash = true;
    s.trashOrDelete = true;
    SaveSettingsFile(path, s);
    EXPECT_EQ(ReadSettingsFile(path, "/other/"), s);

    // The new section lists the fifteen keys in the order of the save.
    std::string text = dir.Read("Vorlex.ini");
    EXPECT_EQ(text.rfind("[Other]\r\nDaysOld=1\r\n[Vorlex]\r\nDebug=1\r\n", 0), 0u);
    std::size_t last = text.find("[Vorlex]");
    for (const char* key :
         {"Debug=", "DaysOld=", "DrivePath=", "UseRegEx=", "NOTRegEx=", "RegExPathFile=", "UseIncludeFiles=",
          "UseExcludeFiles=", "RegExEdit=", "IncludeFiles=", "ExcludeFiles=", "DoNotDeleteEmptyDirs=",
          "AutoSaveOnExit=", "MoveToTrash=1", "TrashOrDelete=1"}) {
        std::size_t at = text.find(std::string("\n") + key, last);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
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
    const WindowGeometry maximized{40, 50, 800, 700, WindowState::Maximized};
    SaveFormSettingsFile(path, maximized);
    EXPECT_EQ(ReadFormSettingsFile(path, designed), maximized);

    // Minimized, and states nobody wrote, open normal; an unparsable number keeps the current value.
    SaveFormSettingsFile(path, WindowGeometry{-20, 30, 700, 640, WindowState::Minimized});
    EXPECT_EQ(ReadFormSettingsFile(path, designed), (WindowGeometry{-20, 30, 700, 640, WindowState::Normal}));
    WindowGeometry odd = ReadFormSettings(IniFile("[Vorlex]\nWindowState=5\nWidth=x\n"), designed);
    EXPECT_EQ(odd.state, WindowState::Normal);
    EXPECT_EQ(odd.width, designed.width);
}

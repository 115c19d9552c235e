#include "config/Settings.h"

#include <algorithm>

namespace vorlex::config {

std::int32_t ClampDaysOld(std::int64_t days) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(days, kMinDaysOld, kMaxDaysOld));
}

std::int32_t ClampRegExPathFile(std::int64_t index) {
    // Below 0 would leave the radio group without a choice, which no scan can use: take the default.
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(index, kRegExPathAndFile, kRegExFileOnly));
}

std::string SettingsFilePath(const std::string& programPath) {
    return programPath + kSettingsFileName;
}

Settings ReadSettings(const IniFile& ini, const std::string& programPath) {
    const char* s = kSettingsSection;
    Settings r;
    r.debugMode = ini.ReadBool(s, keys::kDebug, false);
    r.daysOld = ClampDaysOld(ini.ReadInteger(s, keys::kDaysOld, kDefaultDaysOld));
    r.drivePath = ini.ReadString(s, keys::kDrivePath, programPath);
    r.useRegEx = ini.ReadBool(s, keys::kUseRegEx, false);
    r.notRegEx = ini.ReadBool(s, keys::kNOTRegEx, false);
    r.regExPathFile = ClampRegExPathFile(ini.ReadInteger(s, keys::kRegExPathFile, kRegExPathAndFile));
    r.useIncludeFiles = ini.ReadBool(s, keys::kUseIncludeFiles, false);
    r.useExcludeFiles = ini.ReadBool(s, keys::kUseExcludeFiles, false);
    r.regExEdit = ini.ReadString(s, keys::kRegExEdit, "");
    r.includeFiles = ini.ReadString(s, keys::kIncludeFiles, "");
    r.excludeFiles = ini.ReadString(s, keys::kExcludeFiles, "");
    r.doNotDeleteEmptyDirs = ini.ReadBool(s, keys::kDoNotDeleteEmptyDirs, false);
    r.autoSaveOnExit = ini.ReadBool(s, keys::kAutoSaveOnExit, false);
    r.moveToTrash = ini.ReadBool(s, keys::kMoveToTrash, false);
    r.trashOrDelete = ini.ReadBool(s, keys::kTrashOrDelete, false);
    if (r.useRegEx) {
        r.useIncludeFiles = false;
        r.useExcludeFiles = false;
    }
    return r;
}

void SaveSettings(IniFile& ini, const Settings& v) {
    const char* s = kSettingsSection;
    ini.WriteBool(s, keys::kDebug, v.debugMode);
    ini.WriteInteger(s, keys::kDaysOld, v.daysOld);
    ini.WriteString(s, keys::kDrivePath, v.drivePath);
    ini.WriteBool(s, keys::kUseRegEx, v.useRegEx);
    ini.WriteBool(s, keys::kNOTRegEx, v.notRegEx);
    ini.WriteInteger(s, keys::kRegExPathFile, v.regExPathFile);
    ini.WriteBool(s, keys::kUseIncludeFiles, v.useIncludeFiles);
    ini.WriteBool(s, keys::kUseExcludeFiles, v.useExcludeFiles);
    ini.WriteString(s, keys::kRegExEdit, v.regExEdit);
    ini.WriteString(s, keys::kIncludeFiles, v.includeFiles);
    ini.WriteString(s, keys::kExcludeFiles, v.excludeFiles);
    ini.WriteBool(s, keys::kDoNotDeleteEmptyDirs, v.doNotDeleteEmptyDirs);
    ini.WriteBool(s, keys::kAutoSaveOnExit, v.autoSaveOnExit);
    ini.WriteBool(s, keys::kMoveToTrash, v.moveToTrash);
    ini.WriteBool(s, keys::kTrashOrDelete, v.trashOrDelete);
}

WindowGeometry ReadFormSettings(const IniFile& ini, const WindowGeometry& current) {
    const char* s = kSettingsSection;
    WindowGeometry g;
    g.width = ini.ReadInteger(s, keys::kWidth, current.width);
    g.height = ini.ReadInteger(s, keys::kHeight, current.height);
    g.left = ini.ReadInteger(s, keys::kLeft, current.left);
    g.top = ini.ReadInteger(s, keys::kTop, current.top);
    // A window that closed minimized opens normal; so does one whose state is not a known value.
    g.state = ini.ReadInteger(s, keys::kWindowState, 0) == static_cast<std::int32_t>(WindowState::Maximized)
                  ? WindowState::Maximized
                  : WindowState::Normal;
    return g;
}

void SaveFormSettings(IniFile& ini, const WindowGeometry& g) {
    const char* s = kSettingsSection;
    ini.WriteInteger(s, keys::kWidth, g.width);
    ini.WriteInteger(s, keys::kHeight, g.height);
    ini.WriteInteger(s, keys::kLeft, g.left);
    ini.WriteInteger(s, keys::kTop, g.top);
    ini.WriteInteger(s, keys::kWindowState, static_cast<std::int32_t>(g.state));
}

Settings ReadSettingsFile(const std::string& path, const std::string& programPath) {
    return ReadSettings(IniFile::Read(path), programPath);
}

void SaveSettingsFile(const std::string& path, const Settings& settings) {
    UpdateIniFile(path, [&](IniFile& ini) { SaveSettings(ini, settings); });
}

WindowGeometry ReadFormSettingsFile(const std::string& path, const WindowGeometry& current) {
    return ReadFormSettings(IniFile::Read(path), current);
}

void SaveFormSettingsFile(const std::string& path, const WindowGeometry& geometry) {
    UpdateIniFile(path, [&](IniFile& ini) { SaveFormSettings(ini, geometry); });
}

void SaveAutoSaveOnExitFile(const std::string& path, bool autoSaveOnExit) {
    UpdateIniFile(
        path, [&](IniFile& ini) { ini.WriteBool(kSettingsSection, keys::kAutoSaveOnExit, autoSaveOnExit); });
}

}  // namespace vorlex::config

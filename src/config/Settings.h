// The user settings kept in "Vorlex.ini": their keys, types, defaults and limits, and the window geometry.
#pragma once

#include <cstdint>
#include <string>

#include "config/IniFile.h"
#include "scan/Criteria.h"

namespace vorlex::config {

/// Name of the settings file in the program folder.
inline constexpr const char* kSettingsFileName = "Vorlex.ini";
/// The one section the program reads and writes.
inline constexpr const char* kSettingsSection = "Vorlex";

inline constexpr std::int32_t kMinDaysOld = 0;                  ///< smallest age in days
inline constexpr std::int32_t kMaxDaysOld = scan::kMaxDaysOld;  ///< largest age in days
inline constexpr std::int32_t kDefaultDaysOld = 30;             ///< age when none is stored

/// Targets of the regular expression, the index of the window's radio group.
inline constexpr std::int32_t kRegExPathAndFile = 0;  ///< "Path + File"
inline constexpr std::int32_t kRegExPathOnly = 1;     ///< "Path Only"
inline constexpr std::int32_t kRegExFileOnly = 2;     ///< "File Only"

/// The fifteen settings keys, in the order SaveSettings writes them, and the five window keys.
namespace keys {
inline constexpr const char* kDebug = "Debug";
inline constexpr const char* kDaysOld = "DaysOld";
inline constexpr const char* kDrivePath = "DrivePath";
inline constexpr const char* kUseRegEx = "UseRegEx";
inline constexpr const char* kNOTRegEx = "NOTRegEx";
inline constexpr const char* kRegExPathFile = "RegExPathFile";
inline constexpr const char* kUseIncludeFiles = "UseIncludeFiles";
inline constexpr const char* kUseExcludeFiles = "UseExcludeFiles";
inline constexpr const char* kRegExEdit = "RegExEdit";
inline constexpr const char* kIncludeFiles = "IncludeFiles";
inline constexpr const char* kExcludeFiles = "ExcludeFiles";
inline constexpr const char* kDoNotDeleteEmptyDirs = "DoNotDeleteEmptyDirs";
inline constexpr const char* kAutoSaveOnExit = "AutoSaveOnExit";
inline constexpr const char* kMoveToTrash = "MoveToTrash";
inline constexpr const char* kTrashOrDelete = "TrashOrDelete";
inline constexpr const char* kWidth = "Width";
inline constexpr const char* kHeight = "Height";
inline constexpr const char* kLeft = "Left";
inline constexpr const char* kTop = "Top";
inline constexpr const char* kWindowState = "WindowState";
}  // namespace keys

/// The stored settings: the process-wide switches and the values of the main window's criteria controls.
/// A default-constructed value holds the defaults of a missing file, except `drivePath`, whose default is
/// the program folder (ReadSettings fills it in).
struct Settings {
    bool debugMode = false;                  ///< "Debug": debug lines appear in the log
    std::int32_t daysOld = kDefaultDaysOld;  ///< "DaysOld": age in whole days, kMinDaysOld..kMaxDaysOld
    std::string drivePath;                   ///< "DrivePath": folder to search, as shown (not checked)
    bool useRegEx = false;                   ///< "UseRegEx": the regular-expression criterion is on
    bool notRegEx = false;                   ///< "NOTRegEx": the expression's outcome is inverted
    std::int32_t regExPathFile = kRegExPathAndFile;  ///< "RegExPathFile": 0, 1 or 2 (see kRegEx*)
    bool useIncludeFiles = false;                    ///< "UseIncludeFiles": the include masks are on
    bool useExcludeFiles = false;                    ///< "UseExcludeFiles": the exclude masks are on
    std::string regExEdit;                           ///< "RegExEdit": text of the expression box
    std::string includeFiles;                        ///< "IncludeFiles": include masks joined by ","
    std::string excludeFiles;                        ///< "ExcludeFiles": exclude masks joined by ","
    bool doNotDeleteEmptyDirs = false;  ///< "DoNotDeleteEmptyDirs": inverse of "Delete Empty Directories"
    bool autoSaveOnExit = false;        ///< "AutoSaveOnExit": "Auto Save Save on Exit" is checked
    bool moveToTrash = false;           ///< "MoveToTrash": "Move to Trash" is checked
    bool trashOrDelete = false;         ///< "TrashOrDelete": files without a trash are deleted, not kept

    friend bool operator==(const Settings&, const Settings&) = default;
};

/// The state of the main window as stored in "WindowState".
enum class WindowState : std::int32_t { Normal = 0, Minimized = 1, Maximized = 2 };

/// The main window's normal (restored) bounds and its state. For a maximized or minimized window the four
/// numbers are those of the window when restored (Qt: QWidget::normalGeometry()).
struct WindowGeometry {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    WindowState state = WindowState::Normal;

    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

/// `days` brought into kMinDaysOld..kMaxDaysOld (what the days field does with a value set from outside).
std::int32_t ClampDaysOld(std::int64_t days);

/// A stored "RegExPathFile" made a valid radio-group index: above 2 gives 2, below 0 gives 0.
std::int32_t ClampRegExPathFile(std::int64_t index);

/// Full path of the settings file: `programPath` (with its trailing '/') followed by kSettingsFileName.
std::string SettingsFilePath(const std::string& programPath);

/// The fifteen settings keys of `ini`, each with its default when absent or unparsable; "DrivePath"
/// defaults to `programPath`. The days and the target index are brought into their ranges, and when
/// "UseRegEx" is on both mask switches are off (the expression and the masks exclude each other).
Settings ReadSettings(const IniFile& ini, const std::string& programPath);

/// Writes the fifteen settings keys into `ini` in their fixed order, booleans as "1" or "0".
void SaveSettings(IniFile& ini, const Settings& settings);

/// The five window keys of `ini`; each absent or unparsable number keeps the value of `current`. A stored
/// state of 1 (minimized) or any value other than 0, 1, 2 opens the window normal. Position and size are not
/// checked against the screen or the window's minimum size (the window applies its minimum itself).
WindowGeometry ReadFormSettings(const IniFile& ini, const WindowGeometry& current);

/// Writes "Width", "Height", "Left", "Top" and "WindowState" into `ini`.
void SaveFormSettings(IniFile& ini, const WindowGeometry& geometry);

/// Reads the settings file `path` (missing or unreadable: all defaults; nothing is reported).
Settings ReadSettingsFile(const std::string& path, const std::string& programPath);

/// Writes the fifteen settings keys to the file `path` in one piece. Throws WriteError ("Unable to write
/// to " + path) and leaves the file as it was when it cannot be written.
void SaveSettingsFile(const std::string& path, const Settings& settings);

/// Reads the window keys of the file `path`; see ReadFormSettings.
WindowGeometry ReadFormSettingsFile(const std::string& path, const WindowGeometry& current);

/// Writes the five window keys to the file `path` in one piece. Throws WriteError like SaveSettingsFile.
void SaveFormSettingsFile(const std::string& path, const WindowGeometry& geometry);

/// Writes the single key "AutoSaveOnExit" to the file `path` at once ("1" or "0"), as a click on the
/// "Auto Save Save on Exit" box does. Throws WriteError like SaveSettingsFile.
void SaveAutoSaveOnExitFile(const std::string& path, bool autoSaveOnExit);

}  // namespace vorlex::config

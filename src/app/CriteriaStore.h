// The search criteria and switches the window shows: read from and saved to "Vorlex.ini", changed by intent.
#pragma once

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ControllerView.h"
#include "base/LogSink.h"
#include "config/ListFile.h"
#include "config/Settings.h"

namespace vorlex::app {

/// The program's settings and the rules that tie its switches together.
class CriteriaStore {
  public:
    CriteriaStore(ControllerView& view, base::LogSink& log, std::string programPath);

    /// The current criteria and switches.
    const config::Settings& Get() const { return settings_; }
    /// The path of "Vorlex.ini".
    std::string SettingsPath() const;

    /// Empties the expression history, reads "Vorlex.ini" and shows the criteria; logs "Settings Read.".
    void Read();
    /// Writes the criteria and `debugMode` to "Vorlex.ini"; logs "Settings Saved.". Throws
    /// config::WriteError.
    void Save(bool debugMode);
    /// Writes only the auto-save switch to "Vorlex.ini". Throws config::WriteError.
    void SaveAutoSaveOnExit() const;
    /// The entries of the expression list file in file order; none when it cannot be read.
    std::vector<config::ListEntry> RegExListEntries() const;
    /// The window geometry saved in "Vorlex.ini"; `current` stands in for what it lacks.
    config::WindowGeometry SavedWindowGeometry(const config::WindowGeometry& current) const;
    /// Saves the window geometry; a failure is logged, never thrown, so it never keeps the program from
    /// ending.
    void SaveWindowGeometry(const config::WindowGeometry& geometry);
    /// Takes the criteria of an accepted command line and shows them.
    void ApplyCommandLine(const CommandLineRequest& request);

    /// Flips (or, with `refreshOnly`, only shows) a criterion switch; the expression switches the masks off.
    void ToggleUseRegEx(bool refreshOnly);
    void ToggleUseIncludeFiles(bool refreshOnly);
    void ToggleUseExcludeFiles(bool refreshOnly);

    // The user's changes on the controls; the controls show them already.
    void SetDaysOld(int days) { settings_.daysOld = days; }
    void SetDrivePath(std::string path) { settings_.drivePath = std::move(path); }
    void SetIncludeFiles(std::string masks) { settings_.includeFiles = std::move(masks); }
    void SetExcludeFiles(std::string masks) { settings_.excludeFiles = std::move(masks); }
    void SetRegEx(std::string expression) { settings_.regExEdit = std::move(expression); }
    void SetRegExTarget(int index) { settings_.regExPathFile = index; }
    void SetNotRegEx(bool on) { settings_.notRegEx = on; }
    void SetAutoSaveOnExit(bool on) { settings_.autoSaveOnExit = on; }
    void SetDeleteEmptyDirs(bool on) { settings_.doNotDeleteEmptyDirs = !on; }
    void SetMoveToTrash(bool on) { settings_.moveToTrash = on; }
    void SetTrashOrDelete(bool on) { settings_.trashOrDelete = on; }

  private:
    ControllerView& view_;
    base::LogSink& log_;
    std::string programPath_;
    config::Settings settings_;
};

}  // namespace vorlex::app

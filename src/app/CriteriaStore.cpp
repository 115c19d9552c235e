#include "app/CriteriaStore.h"

#include <exception>

#include "config/IniFile.h"

namespace vorlex::app {

using base::LogStyle;

CriteriaStore::CriteriaStore(ControllerView& view, base::LogSink& log, std::string programPath)
    : view_(view), log_(log), programPath_(std::move(programPath)) {}

std::string CriteriaStore::SettingsPath() const {
    return config::SettingsFilePath(programPath_);
}

void CriteriaStore::Read() {
    view_.ClearRegExHistory();
    const config::IniFile ini = config::IniFile::Read(SettingsPath());
    settings_ = config::ReadSettings(ini, programPath_);
    log_.WriteLog("Settings Read.", base::kBlack, LogStyle::Regular);
    if (ini.Truncated()) {
        log_.WriteLog("WARNING: Settings file is larger than 1 MiB; only its first 1 MiB was read.",
                      base::kRed, LogStyle::Bold);
    }
    ToggleUseIncludeFiles(true);
    ToggleUseExcludeFiles(true);
    ToggleUseRegEx(true);
}

void CriteriaStore::Save(bool debugMode) {
    settings_.debugMode = debugMode;
    config::SaveSettingsFile(SettingsPath(), settings_);
    log_.WriteLog("Settings Saved.", base::kBlack, LogStyle::Regular);
}

void CriteriaStore::SaveAutoSaveOnExit() const {
    config::SaveAutoSaveOnExitFile(SettingsPath(), settings_.autoSaveOnExit);
}

std::vector<config::ListEntry> CriteriaStore::RegExListEntries() const {
    std::vector<config::ListEntry> entries;
    if (config::ReadListFile(config::ListFilePath(programPath_, config::ListEditorMode::RegEx), entries) !=
        0) {
        entries.clear();
    }
    return entries;
}

config::WindowGeometry CriteriaStore::SavedWindowGeometry(const config::WindowGeometry& current) const {
    return config::ReadFormSettingsFile(SettingsPath(), current);
}

void CriteriaStore::SaveWindowGeometry(const config::WindowGeometry& geometry) {
    try {
        config::SaveFormSettingsFile(SettingsPath(), geometry);
    } catch (const std::exception& e) {
        log_.WriteLog(e.what(), base::kRed, LogStyle::Regular);
    }
}

void CriteriaStore::ApplyCommandLine(const CommandLineRequest& r) {
    settings_.drivePath = r.path;
    settings_.daysOld = r.days;
    settings_.useExcludeFiles = r.useExclude;
    if (r.useExclude) {
        settings_.excludeFiles = r.excludeText;
    }
    settings_.useIncludeFiles = r.useInclude;
    if (r.useInclude) {
        settings_.includeFiles = r.includeText;
    }
    settings_.notRegEx = r.notRegEx;
    settings_.useRegEx = r.useRegEx;
    if (r.useRegEx) {
        settings_.regExEdit = r.regex;
    }
    settings_.regExPathFile = r.regexTarget;
    view_.CriteriaChanged();
}

void CriteriaStore::ToggleUseRegEx(bool refreshOnly) {
    if (!refreshOnly) {
        settings_.useRegEx = !settings_.useRegEx;
    }
    if (settings_.useRegEx) {
        settings_.useIncludeFiles = false;
        settings_.useExcludeFiles = false;
    }
    view_.CriteriaChanged();
}

void CriteriaStore::ToggleUseIncludeFiles(bool refreshOnly) {
    if (!refreshOnly) {
        settings_.useIncludeFiles = !settings_.useIncludeFiles;
    }
    view_.CriteriaChanged();
}

void CriteriaStore::ToggleUseExcludeFiles(bool refreshOnly) {
    if (!refreshOnly) {
        settings_.useExcludeFiles = !settings_.useExcludeFiles;
    }
    view_.CriteriaChanged();
}

}  // namespace vorlex::app

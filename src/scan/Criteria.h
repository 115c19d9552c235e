// The search criteria of one scan run: path, age, masks, expression and the moments the run works with.
#pragma once

#include <optional>
#include <string>

#include "platform/Time.h"

namespace vorlex::scan {

/// What text the expression is tested on (the item index of the target choice).
enum class RegExTarget : int {
    PathAndFile = 0,  ///< "Path + File": directory path with its trailing '/' followed by the file name
    PathOnly = 1,     ///< "Path Only": the directory path with its trailing '/'
    FileOnly = 2,     ///< "File Only": the file name
};

/// The caption of a target: "Path + File", "Path Only" or "File Only".
const char* RegExTargetCaption(RegExTarget target);

/// The target of item index `index` (0, 1 or 2); nothing for any other index (no item chosen).
std::optional<RegExTarget> RegExTargetFromIndex(int index);

/// Largest age in days a run accepts.
inline constexpr int kMaxDaysOld = 10000;

/// The age in whole days of an entered number: truncated toward zero; nothing when the result is outside
/// 0..kMaxDaysOld or the number is not finite.
std::optional<int> DaysFromNumber(double value);

/// The cut-off of a run that started at `scanStart` and removes what is at least `days` old: `scanStart`
/// minus `days` x 24 hours exactly.
platform::TimeValue AgeCutOff(platform::TimeValue scanStart, int days);

/// The values one scan run works with, fixed when the run starts. Moments are UTC; comparing UTC moments
/// gives the same order as comparing local times converted with one offset.
struct SearchCriteria {
    std::string startPath;  ///< directory whose tree is scanned
    int days = 0;           ///< minimum age N in whole days, 0..kMaxDaysOld

    platform::TimeValue ScanStartTime;  ///< the clock at the start of the run, whole milliseconds
    platform::TimeValue CutOffTime;     ///< ScanStartTime minus N x 24 hours exactly

    bool UseIncludeFiles = false;  ///< a file must match one of the include masks
    std::string includeMasks;      ///< comma text of include masks
    bool UseExcludeFiles = false;  ///< a file matching one of the exclude masks is not listed
    std::string excludeMasks;      ///< comma text of exclude masks
    bool UseRegEx = false;         ///< the expression decides (over the masks) when in use
    std::string expression;        ///< PCRE2 pattern, UTF-8
    RegExTarget target = RegExTarget::PathAndFile;  ///< what the expression is tested on
    bool NOTRegEx = false;                          ///< the expression's outcome is inverted
    bool DebugMode = false;                         ///< debug lines are written while the run tests files

    /// Takes ScanStartTime from `clock` (cut to whole milliseconds) and sets CutOffTime from it and `days`.
    void StartRun(const platform::Clock& clock);

    /// Empty when the criteria can drive a run; otherwise what is wrong (days out of range, unknown target).
    std::string Validate() const;
};

}  // namespace vorlex::scan

// The per-file test of a scan run: age, include and exclude masks, expression, and the row it adds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/LogSink.h"
#include "platform/DirWalk.h"
#include "platform/Time.h"
#include "scan/Criteria.h"
#include "scan/Mask.h"
#include "scan/RegEx.h"
#include "scan/ResultRow.h"
#include "scan/RowOrder.h"

namespace vorlex::scan {

/// What the walk knows of one non-directory entry when it hands it to MatchFile.
struct FileFacts {
    std::string_view name;          ///< the entry's name, raw bytes
    platform::TimeValue created;    ///< birth time, or status-change time where there is none
    platform::TimeValue modified;   ///< last-write time
    platform::TimeValue accessed;   ///< last-access time
    std::uint64_t size = 0;         ///< bytes
    std::uint64_t device = 0;       ///< identity, checked again before a deletion
    std::uint64_t inode = 0;        ///< inode number on `device`
    std::uint64_t changeStamp = 0;  ///< status-change time (platform::EntryFacts::changeStamp)
    std::uint8_t fileType = 0;      ///< platform::EntryFacts::fileType
    platform::EntryKind kind = platform::EntryKind::File;  ///< platform::EntryFacts::kind
};

/// Tests the files of one run against its criteria and appends a ResultRow (Status "Found") for each file
/// that passes. The criteria are fixed when the Matcher is made: masks are compiled once, an invalid mask
/// still ends the run at the first file that reaches it. Used from one thread.
class Matcher {
  public:
    /// `criteria` must have passed SearchCriteria::Validate (std::invalid_argument otherwise) and had
    /// StartRun called. `sharedRegEx` is the program's expression object: its pattern is set again for
    /// every file, so a syntax check in between cannot change what the run matches. Debug lines go to
    /// `log` only while criteria.DebugMode is set (their texts are not even built otherwise). Rows are
    /// appended to `rows` in walk order; sort them once at the end (SortRows). With `ahead` (made over
    /// `rows`), rows are appended through it, which sorts them while the walk goes on.
    Matcher(const SearchCriteria& criteria, RegEx& sharedRegEx, base::LogSink& log,
            std::vector<ResultRow>& rows, SortAhead* ahead = nullptr);

    /// Tests one file of the directory `dirPath` (with its trailing '/'), in this order: the age test
    /// (created and modified both at or before CutOffTime, in whole milliseconds); then, for a file that
    /// passed it, every include mask, every exclude mask and the expression, each when in use; a file
    /// that passed is counted in FilesMatched and appended as a row. The expression, when in use, alone
    /// decides. Throws EMaskException for an invalid mask and RegExError for an invalid or empty
    /// expression; std::bad_alloc when no row can be added. A match that hits the expression's work
    /// limits is "no match" for the RegEx test, yet such a file is never listed, not even with NOT RegEx:
    /// a file whose test could not finish is kept (counted in RegExErrors).
    void MatchFile(std::string_view dirPath, const FileFacts& file);

    /// Files tested so far.
    std::uint64_t FilesFound() const { return filesFound_; }
    /// Files listed so far.
    std::uint64_t FilesMatched() const { return filesMatched_; }
    /// Files whose expression test failed (work limit reached) and that were therefore kept.
    std::uint64_t RegExErrors() const { return regExErrors_; }

  private:
    /// Writes head + text + name + tail + mask as a debug line, raw bytes in display form.
    void DebugLine(std::string_view head, std::string_view text, std::string_view name, std::string_view tail,
                   std::string_view mask = {});

    SearchCriteria criteria_;
    std::int64_t cutOffMs_;
    MaskList include_;
    MaskList exclude_;
    RegEx& regEx_;
    base::LogSink& log_;
    std::vector<ResultRow>& rows_;
    SortAhead* ahead_;
    std::string
        subject_;       ///< reused for the expression subject, so a file that is not listed allocates nothing
    std::string line_;  ///< reused for debug lines
    std::uint64_t filesFound_ = 0;
    std::uint64_t filesMatched_ = 0;
    std::uint64_t regExErrors_ = 0;
};

}  // namespace vorlex::scan

#include "scan/Matcher.h"

#include <stdexcept>

#include "scan/RowFormat.h"

namespace vorlex::scan {

namespace {

const SearchCriteria& Checked(const SearchCriteria& criteria) {
    if (std::string problem = criteria.Validate(); !problem.empty()) {
        throw std::invalid_argument(problem);
    }
    return criteria;
}

}  // namespace

Matcher::Matcher(const SearchCriteria& criteria, RegEx& sharedRegEx, base::LogSink& log,
                 std::vector<ResultRow>& rows, SortAhead* ahead)
    : criteria_(Checked(criteria)),
      cutOffMs_(criteria.CutOffTime.Millis()),
      include_(criteria.UseIncludeFiles ? MaskList(criteria.includeMasks) : MaskList()),
      exclude_(criteria.UseExcludeFiles ? MaskList(criteria.excludeMasks) : MaskList()),
      regEx_(sharedRegEx),
      log_(log),
      rows_(rows),
      ahead_(ahead) {}

void Matcher::DebugLine(std::string_view head, std::string_view text, std::string_view name,
                        std::string_view tail, std::string_view mask) {
    line_.assign(head);
    AppendDisplayText(line_, text);
    AppendDisplayText(line_, name);
    line_.append(tail);
    AppendDisplayText(line_, mask);
    log_.WriteDebugLog(line_);
}

void Matcher::MatchFile(std::string_view dirPath, const FileFacts& file) {
    ++filesFound_;
    const bool debug = criteria_.DebugMode;

    // Local times of one run share one offset, so the UTC order is the local order.
    if (file.created.Millis() > cutOffMs_ || file.modified.Millis() > cutOffMs_) {
        return;
    }
    bool verdict = true;
    if (debug) {
        DebugLine("File [", dirPath, file.name, "] matched by File Age");
    }

    if (criteria_.UseIncludeFiles) {
        bool any = false;
        for (std::size_t i = 0; i < include_.Size(); ++i) {
            if (include_.Matches(i, file.name)) {
                any = true;
                if (debug) {
                    DebugLine("File [", dirPath, file.name, "] Included by mask ", include_.Text(i));
                }
            }
        }
        if (!any) {
            verdict = false;
        }
    }

    if (criteria_.UseExcludeFiles) {
        for (std::size_t i = 0; i < exclude_.Size(); ++i) {
            if (exclude_.Matches(i, file.name)) {
                verdict = false;
                if (debug) {
                    DebugLine("File [", dirPath, file.name, "] Excluded by mask ", exclude_.Text(i));
                }
            }
        }
    }

    if (criteria_.UseRegEx) {
        std::string_view subject;
        switch (criteria_.target) {
            case RegExTarget::PathAndFile:
                subject_.assign(dirPath);
                subject_.append(file.name);
                subject = subject_;
                break;
            case RegExTarget::PathOnly:
                subject = dirPath;
                break;
            case RegExTarget::FileOnly:
                subject = file.name;
                break;
        }
        // Set for every file: a syntax check between two files may have put another pattern in.
        regEx_.SetPattern(criteria_.expression);
        const MatchResult result = regEx_.Match(subject);
        const bool matched = result == MatchResult::Match;
        if (matched && debug) {
            DebugLine("Text [", subject, {}, "] matched by RegEx");
        }
        verdict = matched != criteria_.NOTRegEx;
        if (result == MatchResult::Error) {
            // The test could not finish: no file is listed on a guess, whatever NOT RegEx says.
            ++regExErrors_;
            verdict = false;
            if (debug) {
                DebugLine("Text [", subject, {},
                          "] could not be tested by RegEx (work limit reached); file kept");
            }
        } else if (criteria_.NOTRegEx && !matched && debug) {
            DebugLine("Text [", subject, {}, "] matched by NOT RegEx");
        }
    }

    if (!verdict) {
        return;
    }
    ResultRow row;
    row.path.reserve(dirPath.size() + file.name.size());
    row.path.append(dirPath);
    row.path.append(file.name);
    row.created = file.created;
    row.modified = file.modified;
    row.accessed = file.accessed;
    row.size = file.size;
    row.device = file.device;
    row.inode = file.inode;
    row.changeStamp = file.changeStamp;
    row.fileType = file.fileType;
    row.kind = file.kind;
    row.status = RowStatus::Found;
    if (ahead_ != nullptr) {
        ahead_->Append(std::move(row));
    } else {
        rows_.push_back(std::move(row));
    }
    ++filesMatched_;
}

}  // namespace vorlex::scan

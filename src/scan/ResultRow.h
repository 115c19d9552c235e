// One row of the result list, stored compactly: raw times, size and a status code, formatted on display.
#pragma once

#include <cstdint>
#include <string>

#include "platform/DirWalk.h"
#include "platform/Time.h"

namespace vorlex::scan {

/// What became of a listed file or directory.
enum class RowStatus : std::uint8_t {
    Found,          ///< "Found"
    Deleted,        ///< "Deleted"
    NotDeleted,     ///< "NOT Deleted"
    DirDeleted,     ///< "Dir Deleted"
    DirNotDeleted,  ///< "Dir NOT Deleted"
    Trashed,        ///< "Trashed": moved to the trash
    NoTrash,        ///< "NOT Trashed (no trash on this file system)": kept
};

/// The Status cell text of a status code.
const char* StatusText(RowStatus status);

/// Columns of the result list, left to right.
enum class Column : int { File, Created, Modified, Accessed, AgeDays, SizeKB, Status, Count };

/// The caption of a column ("File", "Created", ... "Status").
const char* ColumnCaption(Column column);

/// One listed file (or, after the empty-directory pass, a directory).
struct ResultRow {
    std::string path;              ///< full path; a directory row ends in '/'; raw bytes of the name
    platform::TimeValue created;   ///< birth time, or status-change time where there is none
    platform::TimeValue modified;  ///< last-write time
    platform::TimeValue accessed;  ///< last-access time
    std::uint64_t size = 0;        ///< bytes
    std::uint64_t device = 0;      ///< identity at scan time, checked again before deletion
    std::uint64_t inode = 0;
    std::uint64_t changeStamp = 0;  ///< status-change time at scan time (EntryFacts::changeStamp)
    std::uint8_t fileType = 0;      ///< EntryFacts::fileType at scan time, compared for equality only
    platform::EntryKind kind = platform::EntryKind::File;  ///< what the entry was at scan time
    RowStatus status = RowStatus::Found;
};

}  // namespace vorlex::scan

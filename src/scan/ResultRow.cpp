#include "scan/ResultRow.h"

namespace vorlex::scan {

const char* StatusText(RowStatus status) {
    switch (status) {
        case RowStatus::Found:
            return "Found";
        case RowStatus::Deleted:
            return "Deleted";
        case RowStatus::NotDeleted:
            return "NOT Deleted";
        case RowStatus::DirDeleted:
            return "Dir Deleted";
        case RowStatus::DirNotDeleted:
            return "Dir NOT Deleted";
        case RowStatus::Trashed:
            return "Trashed";
        case RowStatus::NoTrash:
            return "NOT Trashed (no trash on this file system)";
    }
    return "";
}

const char* ColumnCaption(Column column) {
    static const char* const kCaptions[] = {"File",       "Created",   "Modified", "Accessed",
                                            "Age (Days)", "Size (KB)", "Status"};
    int i = static_cast<int>(column);
    return i >= 0 && i < static_cast<int>(Column::Count) ? kCaptions[i] : "";
}

}  // namespace vorlex::scan

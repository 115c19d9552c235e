// The program's own files (its executable, help pages and data files), which no pass ever removes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scan/ResultRow.h"

namespace vorlex::cleanup {

/// Name of the folder of help pages beside the program.
inline constexpr const char* kHelpFolderName = "VorlexHelp";

/// The program's own files as they are at the start of a deletion. A file counts as the program's own when
/// it is one of them by identity (the program file under any name, the data files, every file below the
/// help folder), or when it lies in the program folder and is a temporary copy of a data file (its name is
/// the data file's followed by ".tmp"), since such a copy is replaced while the run writes.
class OwnFiles {
  public:
    OwnFiles() = default;

    /// Collects the identities of the program file, of each of `dataNames` in `programFolder` (a trailing
    /// '/' included) and of every entry below its help folder; entries that do not exist are left out.
    static OwnFiles Collect(const std::string& programFolder, const std::vector<std::string>& dataNames);

    /// True when `row` (a file row of the scan) is one of the program's own files: by identity only while
    /// its path still names that file.
    bool Holds(const scan::ResultRow& row) const;

  private:
    struct Key {
        std::uint64_t device;
        std::uint64_t inode;
        friend bool operator<(const Key& a, const Key& b) {
            return a.device != b.device ? a.device < b.device : a.inode < b.inode;
        }
        friend bool operator==(const Key& a, const Key& b) = default;
    };
    std::vector<Key> keys_;  ///< sorted
    std::string folder_;
    std::vector<std::string> names_;
};

}  // namespace vorlex::cleanup

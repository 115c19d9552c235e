// The three list files of candidate masks and expressions: their binary format, reader and writer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorlex::config {

/// Which list the editor works on; also names the list's file.
enum class ListEditorMode { Include, Exclude, RegEx };

/// One entry of a list: its text (UTF-8, kept byte for byte) and its tick.
struct ListEntry {
    std::string text;
    bool checked = false;

    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

inline constexpr const char* kIncludeListFileName = "Vorlex.incl";  ///< include masks
inline constexpr const char* kExcludeListFileName = "Vorlex.excl";  ///< exclude masks
inline constexpr const char* kRegExListFileName = "Vorlex.regex";   ///< regular expressions

/// Size of a record's header: flag byte, three zero bytes, signed 32-bit little-endian text length.
inline constexpr std::size_t kListRecordHeaderSize = 8;

/// The file name of the list of `mode` ("Vorlex.incl", "Vorlex.excl" or "Vorlex.regex").
const char* ListFileName(ListEditorMode mode);

/// Full path of the list file of `mode`: `programPath` (with its trailing '/') followed by its name.
std::string ListFilePath(const std::string& programPath, ListEditorMode mode);

/// The entries of a list file's bytes, in file order. Each record is a flag byte (non-zero: ticked), three
/// ignored bytes, a signed 32-bit little-endian length N and N bytes of text. Fewer than 8 trailing bytes
/// are ignored. A record whose length is negative or runs past the end of the data is damage: reading stops
/// there and every earlier entry is kept. Duplicates and entries of any length are kept as they are.
std::vector<ListEntry> ParseListFile(std::string_view data);

/// The bytes of a list file holding `entries` in their order (flag 1 or 0, three zero bytes, length, text).
/// An empty list gives no bytes at all.
std::string SerializeListFile(const std::vector<ListEntry>& entries);

/// Reads the list file `path` into `entries` (emptied first). Returns 0, or the error code of the failed
/// read: platform::kErrorFileNotFound for a missing file, which callers treat as an empty list.
int ReadListFile(const std::string& path, std::vector<ListEntry>& entries);

/// Writes `entries` to `path` in one piece (temporary file and rename), creating the file when missing.
/// Returns 0 or the error code; on failure the previous file is left intact. A read-only file (owner-write
/// bit clear) is refused with EACCES, an entry longer than the format can hold with EOVERFLOW.
int WriteListFile(const std::string& path, const std::vector<ListEntry>& entries);

/// The texts of the ticked entries in their order, joined with "," (no blanks, no quoting); "" when none.
std::string JoinTickedEntries(const std::vector<ListEntry>& entries);

}  // namespace vorlex::config

// INI text with private-profile semantics: reading values by section and key, updating key lines in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlex::config {

/// A value read from an INI file is cut to this many characters (UTF-8 sequences, not bytes).
inline constexpr std::size_t kMaxIniValueLength = 2047;

/// At most this many bytes of an INI file are read (1 MiB); the rest is ignored.
inline constexpr std::size_t kMaxIniFileSize = std::size_t{1} << 20;

/// The text of one INI file held in memory. Reads never change it; each write changes one key line (or
/// adds it) and leaves every other byte as it was: other sections, unknown keys, comments, blank lines and
/// line endings. Section and key names are matched without regard to ASCII letter case; the first section
/// and the first key line of a name count, as in the system's private-profile functions.
class IniFile {
  public:
    /// An empty file.
    IniFile() = default;
    /// The file whose whole text is `content`.
    explicit IniFile(std::string content) : content_(std::move(content)) {}

    /// Reads the file `path`. A missing or unreadable file gives an empty one; `error`, when given,
    /// receives 0 or the error code of the failed read. Of a file larger than kMaxIniFileSize only the whole
    /// lines within its first kMaxIniFileSize bytes are read, and Truncated() is true.
    static IniFile Read(const std::string& path, int* error = nullptr);

    /// True when Read found the file larger than kMaxIniFileSize and ignored the rest.
    bool Truncated() const { return truncated_; }

    /// The whole text as it would be written.
    const std::string& Content() const { return content_; }

    /// The value of `key` in `section`, or nothing when either is absent. Blanks (spaces, tabs) around the
    /// value are dropped, then one pair of single or double quotation marks that encloses the whole value,
    /// then the value is cut to kMaxIniValueLength characters.
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;

    /// The value of `key`, or `def` when the key is absent. A key that is present but empty gives "".
    std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;

    /// The value of `key` as an integer (see ParseIniInteger), or `def` when it is absent or unparsable.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;

    /// The value of `key` read as an integer with default 0 or 1: 0 is false, any other integer true.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    /// Sets `key` in `section` to `value`: the key's line is replaced where it stands, a new key is appended
    /// after the last non-blank line of the section, and a missing section is appended at the end of the
    /// file. A value that the reading rules would change (blanks around it, enclosing quotation marks) is
    /// written inside double quotation marks so that it reads back unchanged; line breaks and NUL bytes,
    /// which the format cannot hold, are written as blanks.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    /// Sets `key` to the decimal form of `value`.
    void WriteInteger(std::string_view section, std::string_view key, std::int64_t value);

    /// Sets `key` to "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);

  private:
    std::string content_;
    bool truncated_ = false;
};

/// Parses an INI integer: an optional sign, then decimal digits, or hexadecimal digits after "$", "0x" or
/// "0X". Nothing else may follow. Gives nothing for an empty or unparsable text or one outside the 32-bit
/// signed range.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

/// The failure to write a settings or list file; what() is "Unable to write to " followed by the path.
class WriteError : public std::runtime_error {
  public:
    /// The failure to write `path` with the platform error `code`.
    WriteError(const std::string& path, int code);
    /// The full path of the file that could not be written.
    const std::string& Path() const { return path_; }
    /// The platform error code (see platform::ErrorText).
    int Code() const { return code_; }

  private:
    std::string path_;
    int code_;
};

/// Reads the INI file `path`, lets `change` edit it and writes the result back in one piece (temporary
/// file and rename), so the file either gets every change or stays exactly as it was. A missing file starts
/// empty and is created. Throws WriteError when the file exists but cannot be read or is larger than
/// kMaxIniFileSize (its other content would be lost), is read-only, is a directory, or the folder does not
/// take the new file.
void UpdateIniFile(const std::string& path, const std::function<void(IniFile&)>& change);

}  // namespace vorlex::config

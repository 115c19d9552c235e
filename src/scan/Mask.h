// File masks: splitting a comma text into masks, the mask compiler TMask and its matcher.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vorlex::scan {

/// Splits a mask-list text into masks by the comma-text rules: blanks and control characters (codes 1 to 32)
/// separate items like commas; an item that starts with a double quote runs to the next lone double quote
/// (two double quotes inside stand for one; without a closing quote it runs to the end of the text); a comma
/// that is the last character adds an empty item; two commas in a row give an empty item between them.
/// A NUL character ends the text. Items keep their case.
std::vector<std::string> SplitMaskList(std::string_view text);

/// The error of an invalid mask: "'<mask>' is an invalid mask at (<position>)".
class EMaskException : public std::runtime_error {
  public:
    /// `position` is 1-based, in characters of the mask (one past the end for an unclosed set).
    EMaskException(std::string_view mask, std::size_t position);
    /// The mask text as given.
    const std::string& Mask() const { return mask_; }
    /// The 1-based character position where the fault was found.
    std::size_t Position() const { return position_; }

  private:
    std::string mask_;
    std::size_t position_;
};

/// A compiled file mask. The mask language, matched against a whole file name with ASCII letters folded:
/// - `*` any run of characters (also none); a run of `*` counts once; a `?` met while a `*` is pending is
///   dropped, so `*?` equals `*` and `a*??b` equals `a*b`;
/// - `?` exactly one character;
/// - `[...]` one character of a set, `[!...]` one character outside it; `x-y` adds the codes x to y (nothing
///   when y is below x, so [z-a] is empty) and the lower end of a range is the last single member before
///   the dash, which stays the lower end for a further range ([a-c-e] holds A to E); a to z are
///   stored as A to Z; members are codes 0 to 255 (a member above 255 stands for its code modulo 256), so
///   a negated set accepts every character above 255. A set must be closed, must not end up empty and a
///   dash needs a single member before it. Inside a set a character above U+FFFF (a two-unit character
///   in UTF-16) and an undecodable byte are skipped, except right after a dash, where the next character
///   is always the upper end of the range;
/// - any other character matches itself with ASCII letters folded; a character above U+FFFF and an
///   undecodable byte match only the same character (or the same byte).
/// Names and masks are UTF-8 and are taken character by character (see base::DecodeUtf8), so positions in
/// error messages count characters. More than 30 states carrying a `*` (the end of the mask counts)
/// make the mask invalid.
class TMask {
  public:
    /// Most states that may carry a preceding `*`.
    static constexpr int kMaxStars = 30;

    /// Compiles `mask`; throws EMaskException when it is invalid.
    explicit TMask(std::string_view mask);

    /// True when the whole of `name` (raw bytes, normally UTF-8) matches the mask. Never allocates; the
    /// work is bounded by the product of the name's and the mask's lengths.
    bool Matches(std::string_view name) const;

  private:
    enum class Kind : std::uint8_t { Literal, Any, Set, End };
    struct State {
        Kind kind = Kind::End;
        bool skipTo = false;  ///< a `*` stood before this state
        bool negate = false;  ///< for a set
        char32_t literal = 0;
        std::uint32_t set = 0;  ///< index into sets_
    };
    bool Fits(const State& s, char32_t c) const;

    std::vector<State> states_;
    std::vector<std::bitset<256>> sets_;
};

/// Mask match of one name against one mask text, compiled for this call. Throws EMaskException.
bool MatchesMask(std::string_view name, std::string_view mask);

/// The masks of one mask-list text, each compiled once. An invalid mask does not fail the construction: its
/// EMaskException is raised by Matches when a file first reaches that mask, the same moment a
/// compile-per-file loop would raise it, after the masks before it were tried.
class MaskList {
  public:
    /// Splits `commaText` (SplitMaskList) and compiles every mask.
    explicit MaskList(std::string_view commaText = {});

    /// Number of masks (empty items count).
    std::size_t Size() const { return entries_.size(); }
    /// The text of mask `i`.
    const std::string& Text(std::size_t i) const { return entries_[i].text; }
    /// True when mask `i` matches `name`; throws the mask's EMaskException when mask `i` is invalid.
    bool Matches(std::size_t i, std::string_view name) const;
    /// The error of the first invalid mask, if any (for callers that want to check ahead).
    std::optional<EMaskException> FirstError() const;

  private:
    struct Entry {
        std::string text;
        std::optional<TMask> mask;
        std::size_t errorPosition = 0;  ///< when the mask is invalid
    };
    std::vector<Entry> entries_;
};

}  // namespace vorlex::scan

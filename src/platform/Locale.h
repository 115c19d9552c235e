// The user's regional formats: short date, long time, thousands separator, code page and collation order.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Time.h"

namespace vorlex::platform {

/// Adopts the user's locale from the environment (setlocale(LC_ALL, "")). Call once at start-up.
void InitLocale();

/// The user's regional formats, read once from the current locale.
struct RegionalFormats {
    std::string shortDate;    ///< strftime pattern of the short date (nl_langinfo(D_FMT))
    std::string longTime;     ///< strftime pattern of the long time (nl_langinfo(T_FMT))
    std::string thousands;    ///< thousands separator; may be empty
    int ansiCodePage = 1252;  ///< the Windows code page of the LC_CTYPE language (CurrentAnsiCodePage)
};

/// The formats of the current locale (read again on each call; cache the result for hot paths).
RegionalFormats CurrentFormats();

/// The date-time text of the program: short date, one blank, long time; the time is left out when the value
/// is exactly midnight (milliseconds do not count).
std::string FormatDateTime(const CivilTime& t, const RegionalFormats& f);

/// FormatDateTime for many moments at once, as fast as the patterns allow: the date text is made once per
/// calendar day when the short date pattern reads nothing but the date, and the time text once per second of
/// the day when the long time pattern reads nothing but the time of day; other patterns (a time zone, the
/// seconds since the epoch, a combined date and time) are formatted for each moment. The texts are exactly
/// those of FormatDateTime as long as the locale (LC_TIME) stays the one in force at construction, as it
/// does after InitLocale. Holds about 1.5 MiB of texts at most for the usual patterns. Not thread-safe:
/// one per writer.
class DateTimeFormatter {
  public:
    explicit DateTimeFormatter(RegionalFormats formats);

    /// Appends FormatDateTime(t, formats) to `out`.
    void Append(std::string& out, const CivilTime& t);
    /// Appends FormatDateTime(ToLocalCivil(t), formats) to `out` (through a LocalCivilCache).
    void AppendLocal(std::string& out, TimeValue t) { Append(out, civil_.Convert(t)); }
    /// FormatDateTime(t, formats).
    std::string Text(const CivilTime& t);

  private:
    struct DaySlot {
        std::int64_t key;
        std::string text;
    };
    /// The time text of one second of the day, kept in place (one memory access for a random second) when
    /// it is short, as the usual ones are; a longer one lives in longTimes_.
    struct SecondSlot {
        std::uint8_t length;  ///< kNotMade, kLong (text holds the index in longTimes_) or the text's length
        char text[15];
    };
    RegionalFormats formats_;
    bool dateByDay_ = false;
    bool timeBySecond_ = false;
    std::vector<DaySlot> days_;        ///< direct-mapped by day, made on first use
    std::vector<SecondSlot> seconds_;  ///< one per second of the day, made on first use
    std::vector<std::string> longTimes_;
    LocalCivilCache civil_;
};

/// The time of day of `t` in the user's long time format (always, midnight included).
std::string FormatTime(const CivilTime& t, const RegionalFormats& f);

/// Groups the decimal digits of `value` in threes with the separator `sep`.
std::string GroupThousands(std::uint64_t value, std::string_view sep);

/// A sort key for `text` in the user's collation order (strxfrm of LC_COLLATE; byte order in C).
std::string CollationKey(std::string_view text);

/// The user's collation order (that of CollationKey), quick for texts whose characters it has learnt.
///
/// strxfrm spends microseconds on every path, which dominated the sorting of large result lists. The
/// collation of the C locales and of glibc's ISO 14651 tables gives each character its own weights per
/// level, and a key is those weights concatenated level by level. The collator reads each character's
/// weights once from strxfrm, and admits a text as "quick" when every character has weights of that shape
/// and every run of two and three neighbouring characters gives, through strxfrm, exactly the key the
/// weights predict (which rules out contractions and reordering). Quick texts are compared from the table,
/// starting after their common leading characters. Everything else (control characters, invalid UTF-8, a
/// locale whose keys do not have that shape) goes through strxfrm, so the order is always that of the keys.
///
/// Admit learns and so must not run concurrently with anything else; CompareQuick and Key may run on
/// several threads at once.
class Collator {
  public:
    /// Reads the shape of the current LC_COLLATE's keys (a few milliseconds of strxfrm calls).
    Collator();
    Collator(const Collator&) = delete;
    Collator& operator=(const Collator&) = delete;

    /// Whether `text` is compared from the table, learning its characters and runs first. The first
    /// `known` bytes are taken as checked already (the leading bytes it shares with an admitted text).
    bool Admit(std::string_view text, std::size_t known = 0);
    /// Compares two admitted texts: negative, zero or positive, as their keys compare.
    int CompareQuick(std::string_view a, std::string_view b) const;
    /// Compares an admitted text with a key, as Key(text, true) compares with it.
    int CompareToKey(std::string_view text, std::string_view key) const;
    /// The key of `text`, equal to CollationKey(text); from the table when `quick` (an admitted text).
    std::string Key(std::string_view text, bool quick) const;
    /// Whether the table is in use (false when the locale's keys did not have the expected shape).
    bool TableInUse() const { return levels_ > 0; }
    /// Stops using the table from now on (after a sample disagreed with strxfrm).
    void DropTable() { levels_ = 0; }
    /// For tests of the fallback: swaps the table's weights of two learnt characters, so that quick texts
    /// holding them are compared as no locale does and only the sampled check against strxfrm can tell.
    void SwapWeights(char32_t a, char32_t b);

  private:
    static constexpr int kMaxLevels = 4;
    static constexpr int kMaxWeight = 14;
    struct Weights {
        std::array<std::uint8_t, kMaxLevels> length{};
        std::array<std::array<std::uint8_t, kMaxWeight>, kMaxLevels> bytes{};
    };
    using Page = std::array<std::int32_t, 256>;
    class LevelStream;
    /// The table index of `cp` (-1: not quick; -2: not learnt yet).
    int IndexOf(char32_t cp) const;
    int LearnChar(char32_t cp);
    /// Whether a character has weights above the fourth level.
    static bool Weighty(const Weights& w);
    bool RunAgrees(const char32_t* cps, std::size_t count);
    void AppendQuickKey(std::string& out, std::string_view text) const;

    int levels_ = 0;  ///< levels of the key; 0 when the table is not used
    std::vector<Weights> table_;
    std::vector<std::unique_ptr<Page>> pages_;  ///< table indices per 256 code points, made on demand
    /// Checked runs of two or three characters: an open-addressing set of their codes, the top bit the
    /// verdict (a run's code is never 0).
    std::vector<std::uint64_t> runs_;
    std::size_t runCount_ = 0;
    std::vector<char32_t> scratch_;
    std::vector<std::uint8_t> gapBefore_;
};

}  // namespace vorlex::platform

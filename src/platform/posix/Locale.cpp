#include "platform/Locale.h"

#include <langinfo.h>

#include <clocale>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <utility>
#include <vector>

#include "platform/CodePage.h"

namespace vorlex::platform {

void InitLocale() {
    std::setlocale(LC_ALL, "");
}

RegionalFormats CurrentFormats() {
    RegionalFormats f;
    f.shortDate = nl_langinfo(D_FMT);
    f.longTime = nl_langinfo(T_FMT);
    const struct lconv* lc = localeconv();
    f.thousands = lc != nullptr && lc->thousands_sep != nullptr ? lc->thousands_sep : "";
    f.ansiCodePage = CurrentAnsiCodePage();
    if (f.shortDate.empty()) {
        f.shortDate = "%m/%d/%y";
    }
    if (f.longTime.empty()) {
        f.longTime = "%H:%M:%S";
    }
    return f;
}

namespace {

std::string Strftime(const std::string& pattern, const struct tm& tmv) {
    char buf[256];
    // The pattern is the user's regional format, so it cannot be a literal.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    size_t n = std::strftime(buf, sizeof buf, pattern.c_str(), &tmv);
#pragma GCC diagnostic pop
    return std::string(buf, n);
}

}  // namespace

namespace {

struct tm ToTm(const CivilTime& t) {
    struct tm tmv {};
    tmv.tm_year = t.year - 1900;
    tmv.tm_mon = t.month - 1;
    tmv.tm_mday = t.day;
    tmv.tm_hour = t.hour;
    tmv.tm_min = t.minute;
    tmv.tm_sec = t.second;
    tmv.tm_isdst = -1;
    // Weekday and day of year, for patterns that name them.
    int y = t.year;
    int m = t.month;
    if (m < 3) {
        m += 12;
        --y;
    }
    int k = y % 100;
    int j = y / 100;
    int h = (t.day + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;  // 0 = Saturday
    tmv.tm_wday = (h + 6) % 7;
    static const int kCum[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    tmv.tm_yday = kCum[(t.month - 1) % 12] + t.day - 1 + (leap && t.month > 2 ? 1 : 0);
    return tmv;
}

}  // namespace

std::string FormatTime(const CivilTime& t, const RegionalFormats& f) {
    return Strftime(f.longTime, ToTm(t));
}

std::string FormatDateTime(const CivilTime& t, const RegionalFormats& f) {
    struct tm tmv = ToTm(t);
    std::string text = Strftime(f.shortDate, tmv);
    if (!t.IsMidnight()) {
        text += ' ';
        text += Strftime(f.longTime, tmv);
    }
    return text;
}

namespace {

/// What a strftime pattern reads of a moment.
enum PatternNeeds : unsigned { kNeedsDate = 1, kNeedsTime = 2, kNeedsOther = 4 };

/// The parts of a moment that `pattern` reads, following the locale's own formats that %x, %X and %r stand
/// for. Anything unknown counts as kNeedsOther, which turns the caches off.
unsigned Needs(std::string_view pattern, int depth) {
    if (depth > 4) {
        return kNeedsOther;
    }
    unsigned needs = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            continue;
        }
        ++i;
        // glibc: flags, a field width, then an E or O modifier before the conversion.
        while (i < pattern.size() && std::strchr("_-0^#", pattern[i]) != nullptr) {
            ++i;
        }
        while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9') {
            ++i;
        }
        const bool era = i < pattern.size() && pattern[i] == 'E';
        if (i < pattern.size() && (pattern[i] == 'E' || pattern[i] == 'O')) {
            ++i;
        }
        if (i >= pattern.size()) {
            return kNeedsOther;
        }
        const char conversion = pattern[i];
        if (conversion != '\0' && std::strchr("aAbBhCdeDFgGjmuUVwWyY", conversion) != nullptr) {
            needs |= kNeedsDate;
        } else if (conversion != '\0' && std::strchr("HIklMSpPRT", conversion) != nullptr) {
            needs |= kNeedsTime;
        } else if (conversion == 'x') {
            needs |= kNeedsDate | Needs(nl_langinfo(D_FMT), depth + 1) |
                     (era ? Needs(nl_langinfo(ERA_D_FMT), depth + 1) : 0u);
        } else if (conversion == 'X') {
            needs |= kNeedsTime | Needs(nl_langinfo(T_FMT), depth + 1) |
                     (era ? Needs(nl_langinfo(ERA_T_FMT), depth + 1) : 0u);
        } else if (conversion == 'r') {
            needs |= kNeedsTime | Needs(nl_langinfo(T_FMT_AMPM), depth + 1);
        } else if (conversion != 'n' && conversion != 't' && conversion != '%') {
            // %c, %s, %z, %Z and whatever else: more than a date or a time of day.
            return kNeedsOther;
        }
    }
    return needs;
}

constexpr std::size_t kDaySlots = 4096;
constexpr std::int64_t kNoDay = INT64_MIN;
constexpr std::uint8_t kNotMade = 0xFF;
constexpr std::uint8_t kLong = 0xFE;

}  // namespace

DateTimeFormatter::DateTimeFormatter(RegionalFormats formats)
    : formats_(std::move(formats)),
      dateByDay_((Needs(formats_.shortDate, 0) & ~unsigned{kNeedsDate}) == 0),
      timeBySecond_((Needs(formats_.longTime, 0) & ~unsigned{kNeedsTime}) == 0) {}

void DateTimeFormatter::Append(std::string& out, const CivilTime& t) {
    if (dateByDay_) {
        if (days_.empty()) {
            days_.resize(kDaySlots, DaySlot{kNoDay, {}});
        }
        // A year fits an int, so the key is unique and never kNoDay.
        const std::int64_t key = (static_cast<std::int64_t>(t.year) * 13 + t.month) * 32 + t.day;
        DaySlot& slot = days_[(static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15ULL) >> 52];
        if (slot.key != key) {
            slot.text = Strftime(formats_.shortDate, ToTm(t));
            slot.key = key;
        }
        out += slot.text;
    } else {
        out += Strftime(formats_.shortDate, ToTm(t));
    }
    if (t.IsMidnight()) {
        return;
    }
    out += ' ';
    // A leap second (60) would share an index with the next minute: it takes the slow path.
    if (!timeBySecond_ || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 ||
        t.second > 59) {
        out += Strftime(formats_.longTime, ToTm(t));
        return;
    }
    if (seconds_.empty()) {
        seconds_.assign(kSecondsPerDay, SecondSlot{kNotMade, {}});
    }
    SecondSlot& slot = seconds_[static_cast<std::size_t>((t.hour * 60 + t.minute) * 60 + t.second)];
    if (slot.length == kNotMade) {
        std::string text = Strftime(formats_.longTime, ToTm(t));
        if (text.size() <= sizeof slot.text) {
            std::memcpy(slot.text, text.data(), text.size());
            slot.length = static_cast<std::uint8_t>(text.size());
        } else {
            const auto index = static_cast<std::uint32_t>(longTimes_.size());
            longTimes_.push_back(std::move(text));
            std::memcpy(slot.text, &index, sizeof index);
            slot.length = kLong;
        }
    }
    if (slot.length != kLong) {
        out.append(slot.text, slot.length);
    } else {
        std::uint32_t index = 0;
        std::memcpy(&index, slot.text, sizeof index);
        out += longTimes_[index];
    }
}

std::string DateTimeFormatter::Text(const CivilTime& t) {
    std::string text;
    Append(text, t);
    return text;
}

std::string GroupThousands(std::uint64_t value, std::string_view sep) {
    std::string digits = std::to_string(value);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 * sep.size());
    size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits, 0, lead);
    for (size_t i = lead; i < digits.size(); i += 3) {
        out.append(sep);
        out.append(digits, i, 3);
    }
    return out;
}

std::string CollationKey(std::string_view text) {
    std::string src(text);
    // strxfrm stops at NUL, which a path never holds.
    size_t need = std::strxfrm(nullptr, src.c_str(), 0);
    std::string key(need + 1, '\0');
    std::strxfrm(key.data(), src.c_str(), key.size());
    key.resize(need);
    return key;
}

}  // namespace vorlex::platform

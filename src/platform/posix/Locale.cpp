#include "platform/Locale.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <ctime>
#include <vector>

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

int Collate(const std::string& a, const std::string& b) {
    return std::strcoll(a.c_str(), b.c_str());
}

}  // namespace vorlex::platform

#include "platform/Locale.h"

#include <clocale>

#include "platform/CodePage.h"
#include "platform/win32/WinFs.h"

namespace vorlex::platform {

namespace {

std::string LocaleText(LCTYPE type) {
    wchar_t buffer[128];
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
    return n > 1 ? win::Narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1))) : std::string();
}

SYSTEMTIME ToSystemTime(const CivilTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    st.wMilliseconds = static_cast<WORD>(t.millisecond);
    return st;
}

std::string DateText(const CivilTime& t, const RegionalFormats& f) {
    const SYSTEMTIME st = ToSystemTime(t);
    const std::wstring picture = win::Wide(f.shortDate);
    wchar_t buffer[128];
    const int n = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &st, picture.c_str(), buffer, 128, nullptr);
    return n > 1 ? win::Narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1))) : std::string();
}

}  // namespace

void InitLocale() {
    std::setlocale(LC_ALL, "");
}

// Windows pictures ("M/d/yyyy", "h:mm:ss tt") of the user's short date and long time.
RegionalFormats CurrentFormats() {
    RegionalFormats f;
    f.shortDate = LocaleText(LOCALE_SSHORTDATE);
    f.longTime = LocaleText(LOCALE_STIMEFORMAT);
    f.thousands = LocaleText(LOCALE_STHOUSAND);
    f.ansiCodePage = CurrentAnsiCodePage();
    if (f.shortDate.empty()) {
        f.shortDate = "M/d/yyyy";
    }
    if (f.longTime.empty()) {
        f.longTime = "h:mm:ss tt";
    }
    return f;
}

std::string FormatTime(const CivilTime& t, const RegionalFormats& f) {
    const SYSTEMTIME st = ToSystemTime(t);
    const std::wstring picture = win::Wide(f.longTime);
    wchar_t buffer[128];
    const int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &st, picture.c_str(), buffer, 128);
    return n > 1 ? win::Narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1))) : std::string();
}

std::string FormatDateTime(const CivilTime& t, const RegionalFormats& f) {
    std::string text = DateText(t, f);
    if (!t.IsMidnight()) {
        text += ' ';
        text += FormatTime(t, f);
    }
    return text;
}

// Date pictures read only the date and time pictures only the time of day: texts are made once per day and
// once per second of the day.
DateTimeFormatter::DateTimeFormatter(RegionalFormats formats)
    : formats_(std::move(formats)), dateByDay_(true), timeBySecond_(true) {}

void DateTimeFormatter::Append(std::string& out, const CivilTime& t) {
    constexpr std::size_t kDaySlots = 4096;
    if (days_.empty()) {
        days_.assign(kDaySlots, DaySlot{-1, {}});
        longTimes_.assign(static_cast<std::size_t>(kSecondsPerDay), {});
    }
    const std::int64_t key = (static_cast<std::int64_t>(t.year) * 16 + t.month) * 32 + t.day;
    DaySlot& day = days_[static_cast<std::uint64_t>(key) % kDaySlots];
    if (day.key != key) {
        day = DaySlot{key, DateText(t, formats_)};
    }
    out += day.text;
    if (t.IsMidnight()) {
        return;
    }
    std::string& time = longTimes_[static_cast<std::size_t>((t.hour * 60 + t.minute) * 60 + t.second)];
    if (time.empty()) {
        time = FormatTime(t, formats_);
    }
    out += ' ';
    out += time;
}

std::string DateTimeFormatter::Text(const CivilTime& t) {
    std::string out;
    Append(out, t);
    return out;
}

std::string GroupThousands(std::uint64_t value, std::string_view sep) {
    std::string digits = std::to_string(value);
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out.append(sep);
        }
        out.push_back(digits[i]);
    }
    return out;
}

// The user's order as CompareStringEx gives it (word sort, letter case counts): LCMapStringEx sort keys
// compare as CompareStringEx compares their texts.
std::string CollationKey(std::string_view text) {
    const std::wstring wide = win::Wide(text);
    if (wide.empty()) {
        return {};
    }
    const int n = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY, wide.data(),
                                static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr, 0);
    std::string key(static_cast<std::size_t>(n), '\0');
    LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY, wide.data(), static_cast<int>(wide.size()),
                  reinterpret_cast<LPWSTR>(key.data()), n, nullptr, nullptr, 0);
    while (!key.empty() && key.back() == '\0') {
        key.pop_back();
    }
    return key;
}

}  // namespace vorlex::platform

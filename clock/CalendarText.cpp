// The digital time and the calendar texts: Timer2's tick and the date-time patterns.
#include "clock/CalendarText.h"

#include "sidebar/TForm1.h"

namespace brivane {

namespace {

constexpr std::array<const char*, 12> EnglishMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> EnglishDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};

// The first character (UTF-8 sequence) of a text.
std::string firstCharacter(const std::string& text) {
    if (text.empty()) return {};
    std::size_t n = 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
    return text.substr(0, n);
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Whether `pattern` holds `element` at `at`, letters compared without regard to case.
bool elementAt(std::string_view pattern, std::size_t at, std::string_view element) {
    if (pattern.size() - at < element.size()) return false;
    for (std::size_t i = 0; i < element.size(); ++i)
        if (lowerAscii(pattern[at + i]) != element[i]) return false;
    return true;
}

// Whether an AM/PM element comes at `from` or later.
bool amPmFollows(std::string_view pattern, std::size_t from) {
    for (std::size_t j = from; j < pattern.size(); ++j)
        if (elementAt(pattern, j, "am/pm")) return true;
    return false;
}

void appendTwoDigits(std::string& out, int value) {
    out += char('0' + value / 10 % 10);
    out += char('0' + value % 10);
}

}  // namespace

CalendarLocale calendarLocale(const platform::LocaleNames& names) {
    CalendarLocale locale;
    for (std::size_t i = 0; i < 12; ++i)
        locale.longMonthNames[i] =
            names.monthNames[i].empty() ? EnglishMonths[i] : names.monthNames[i];
    for (std::size_t i = 0; i < 7; ++i)
        locale.longDayNames[i] = names.dayNames[i].empty() ? EnglishDays[i] : names.dayNames[i];
    locale.timeSeparator = names.timeSeparatorKnown ? firstCharacter(names.timeSeparator) : ":";
    return locale;
}

std::string formatDateTime(std::string_view pattern, const SYSTEMTIME& time,
                           const CalendarLocale& locale) {
    std::string out;
    const int hour = time.wHour;
    std::size_t i = 0;
    while (i < pattern.size()) {
        if (elementAt(pattern, i, "am/pm")) {
            // The two letters as the pattern writes them.
            out.append(pattern.substr(hour < 12 ? i : i + 3, 2));
            i += 5;
        } else if (elementAt(pattern, i, "mmmm")) {
            if (time.wMonth >= 1 && time.wMonth <= 12)
                out += locale.longMonthNames[time.wMonth - 1];
            i += 4;
        } else if (elementAt(pattern, i, "dddd")) {
            if (time.wDayOfWeek <= 6) out += locale.longDayNames[time.wDayOfWeek];
            i += 4;
        } else if (elementAt(pattern, i, "dd")) {
            appendTwoDigits(out, time.wDay);
            i += 2;
        } else if (elementAt(pattern, i, "nn")) {
            appendTwoDigits(out, time.wMinute);
            i += 2;
        } else if (elementAt(pattern, i, "h")) {
            const bool twelveHour = amPmFollows(pattern, i + 1);
            const int shown = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
            out += std::to_string(shown);
            i += 1;
        } else if (pattern[i] == ':') {
            out += locale.timeSeparator;
            i += 1;
        } else {
            out += pattern[i];
            i += 1;
        }
    }
    return out;
}

RegionalSettings::RegionalSettings()
    : current_(
          std::make_shared<CalendarLocale>(calendarLocale(platform::current().localeNames()))) {
    platform::current().onLocaleChanged([weak = std::weak_ptr<CalendarLocale>(current_)] {
        if (auto settings = weak.lock())
            *settings = calendarLocale(platform::current().localeNames());
    });
}

void TForm1::Timer2Timer() {
    const CalendarLocale& locale = regionalSettings.current();
    SYSTEMTIME now;

    // 1. The digital clock.
    GetLocalTime(&now);
    Label3.setCaption(formatDateTime("h:nn AM/PM", now, locale));

    // 2. The month, from a reading of its own.
    GetLocalTime(&now);
    Label1.setCaption(formatDateTime("mmmm", now, locale));

    // 3. The day, from a third reading.
    GetLocalTime(&now);
    Label2.setCaption(formatDateTime("dd dddd", now, locale));
}

}  // namespace brivane

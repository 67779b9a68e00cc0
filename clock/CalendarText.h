// The digital time and the calendar texts: every second Timer2 writes the time into Label3, the
// month into Label1 and the day into Label2, with the names and the time separator of the
// user's regional settings.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/winapi.h"

namespace brivane {

// What the patterns take from the regional settings.
struct CalendarLocale {
    std::array<std::string, 12> longMonthNames;  // January first
    std::array<std::string, 7> longDayNames;     // Sunday first
    std::string timeSeparator;                   // one character, or empty
    friend bool operator==(const CalendarLocale&, const CalendarLocale&) = default;
};

// The settings as the patterns use them: the English name where the settings leave one empty,
// the first character of the time separator, ":" when the separator could not be read.
CalendarLocale calendarLocale(const platform::LocaleNames& names);

// Formats a local time. The pattern's elements (letters in either case):
//   h      the hour without a leading zero; on the 12-hour clock when AM/PM follows later
//   :      the time separator
//   nn     the minutes, two digits
//   AM/PM  "AM" for hours 0 to 11, "PM" for 12 to 23, in the letter case of the pattern
//   mmmm   the month's full name
//   dd     the day of the month, two digits
//   dddd   the weekday's full name
// Everything else is copied as it is.
std::string formatDateTime(std::string_view pattern, const SYSTEMTIME& time,
                           const CalendarLocale& locale);

// The regional settings as the calendar texts use them: read when made and again whenever the
// system announces a change of its settings.
class RegionalSettings {
public:
    RegionalSettings();
    const CalendarLocale& current() const { return *current_; }

private:
    std::shared_ptr<CalendarLocale> current_;
};

}  // namespace brivane

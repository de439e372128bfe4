// The date and time of the print heading, formatted from the user's
// international settings (section "intl" of the system profile) rather than
// by the system, so that every Windows shows them alike.
#pragma once
#include <cstddef>

struct IntlSettings {
  int Time24 = 0;        // "iTime": 0 a 12-hour clock with a suffix
  int HourZero = 1;      // "iTLzero": hours with a leading zero
  char TimeSeparator = ':';          // "sTime", its first character
  char Morning[5] = "AM";            // "s1159"
  char Evening[5] = "PM";            // "s2359"
  char ShortDate[12] = "MM/dd/yy";   // "sShortDate"
};

// The local date and time fields the texts are made of.
struct ClockFields {
  int Year = 0;  // in full, 1996
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
};

// The date as the short date picture asks: "MM/dd/yy" gives 12/07/96,
// "dd.MM.yyyy" 07.12.1996, "d/M/yy" 7/12/96. The separator is the character
// after the last M ('/' without an M; a picture that ends with M uses the
// character before the M's). Always NUL-terminated within size.
char* FormatShortDate(char* buffer, size_t size, const IntlSettings& intl, const ClockFields& now);
// Hours and minutes: "09:05 AM", "21:40" on a 24-hour clock.
char* FormatTime(char* buffer, size_t size, const IntlSettings& intl, const ClockFields& now);

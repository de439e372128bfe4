// Dates and times as tables keep them, shown as the user reads them:
// year-month-day (2024-03-01) and a 24-hour time (13:45:07), a form that
// reads the same in every country and sorts as text.
#pragma once
#include <cstdint>
#include <string>

// The day of a Julian day number (1721426 is 0001-01-01); empty outside
// the years 1 to 9999.
std::string JulianDayText(int64_t julianDay);
// The day and time of a Julian day number and milliseconds after midnight.
std::string JulianTimeText(int64_t julianDay, int64_t milliseconds);
// Milliseconds after midnight as hours, minutes and seconds; empty
// outside the day.
std::string TimeOfDayText(int64_t milliseconds);
// Eight digits YYYYMMDD as YYYY-MM-DD; blanks give empty; anything else is
// shown as it is.
std::string DigitDateText(const std::string& digits);
// Milliseconds counted from the start of Julian day firstDay.
std::string MillisecondTimeText(double milliseconds, int64_t firstDay);

#include "viewer/print/intl_settings_win32.h"

#include <windows.h>

IntlSettings ReadIntlSettings() {
  IntlSettings intl;
  intl.Time24 = static_cast<int>(GetProfileIntA("intl", "iTime", 0));
  intl.HourZero = static_cast<int>(GetProfileIntA("intl", "iTLzero", 1));
  char separator[8] = ":";
  GetProfileStringA("intl", "sTime", ":", separator, sizeof separator);
  intl.TimeSeparator = separator[0] ? separator[0] : ':';
  GetProfileStringA("intl", "s1159", "AM", intl.Morning, sizeof intl.Morning);
  GetProfileStringA("intl", "s2359", "PM", intl.Evening, sizeof intl.Evening);
  GetProfileStringA("intl", "sShortDate", "MM/dd/yy", intl.ShortDate, sizeof intl.ShortDate);
  return intl;
}

ClockFields LocalClock() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return ClockFields{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute};
}

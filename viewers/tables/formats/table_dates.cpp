#include "viewers/tables/formats/table_dates.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace {
constexpr int64_t kFirstDay = 1721426;  // 0001-01-01
constexpr int64_t kLastDay = 5373484;   // 9999-12-31
}  // namespace

std::string JulianDayText(int64_t julianDay) {
  if (julianDay < kFirstDay || julianDay > kLastDay) return {};
  int64_t l = julianDay + 68569;
  const int64_t n = 4 * l / 146097;
  l -= (146097 * n + 3) / 4;
  const int64_t i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  const int64_t j = 80 * l / 2447;
  const int64_t day = l - 2447 * j / 80;
  l = j / 11;
  const int64_t month = j + 2 - 12 * l;
  const int64_t year = 100 * (n - 49) + i + l;
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(year),
                static_cast<int>(month), static_cast<int>(day));
  return text;
}

std::string TimeOfDayText(int64_t milliseconds) {
  if (milliseconds < 0 || milliseconds >= 86400000) return {};
  const int64_t seconds = milliseconds / 1000;
  char text[40];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

std::string JulianTimeText(int64_t julianDay, int64_t milliseconds) {
  const std::string day = JulianDayText(julianDay);
  const std::string time = TimeOfDayText(milliseconds);
  return day.empty() || time.empty() ? day : day + " " + time;
}

std::string DigitDateText(const std::string& digits) {
  if (digits.find_first_not_of(' ') == std::string::npos) return {};
  if (digits.size() != 8) return digits;
  for (char c : digits)
    if (!std::isdigit(static_cast<unsigned char>(c))) return digits;
  return digits.substr(0, 4) + "-" + digits.substr(4, 2) + "-" + digits.substr(6, 2);
}

std::string MillisecondTimeText(double milliseconds, int64_t firstDay) {
  if (!std::isfinite(milliseconds) || milliseconds < 0 || milliseconds > 1e18) return {};
  const auto ms = static_cast<int64_t>(milliseconds);
  return JulianTimeText(firstDay + ms / 86400000, ms % 86400000);
}

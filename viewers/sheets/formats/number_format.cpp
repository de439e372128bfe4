#include "viewers/sheets/formats/number_format.h"

#include <cmath>
#include <cstdio>

namespace {

// Day number n (1 = 1 January 1900, with the 29 February 1900 that
// worksheets count) as year, month, day.
void CivilDate(long n, int* year, int* month, int* day) {
  if (n == 60) {
    *year = 1900, *month = 2, *day = 29;
    return;
  }
  if (n > 60) --n;
  long z = n + 693900;  // days from 0000-03-01
  long era = z / 146097, doe = z - era * 146097;
  long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long mp = (5 * doy + 2) / 153;
  *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *year = static_cast<int>(yoe + era * 400 + (*month <= 2));
}

std::string WithSeparators(const std::string& digits) {
  const size_t point = digits.find('.');
  const size_t end = point == std::string::npos ? digits.size() : point;
  const size_t start = !digits.empty() && digits[0] == '-' ? 1 : 0;
  std::string shown(digits, 0, start);
  for (size_t i = start; i < end; ++i) {
    shown += digits[i];
    const size_t left = end - i - 1;
    if (left && left % 3 == 0) shown += ',';
  }
  return shown.append(digits, end, std::string::npos);
}

std::string General(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.10G", value);
  return text;
}

}  // namespace

std::string FormatNumber(double value, NumberFormat format) {
  if (!std::isfinite(value)) return "#NUM!";
  const int decimals = format.Decimals < 0 ? 0 : format.Decimals > 15 ? 15 : format.Decimals;
  char text[400];
  switch (format.Type) {
    case NumberFormat::General: return General(value);
    case NumberFormat::Fixed:
    case NumberFormat::Comma:
      if (std::fabs(value) >= 1e100) return General(value);
      std::snprintf(text, sizeof text, "%.*f", decimals, value);
      return format.Type == NumberFormat::Comma ? WithSeparators(text) : text;
    case NumberFormat::Scientific:
      std::snprintf(text, sizeof text, "%.*E", decimals, value);
      return text;
    case NumberFormat::Currency: {
      if (std::fabs(value) >= 1e100) return General(value);
      std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(value));
      std::string shown = "$" + WithSeparators(text);
      return value < 0 ? "(" + shown + ")" : shown;
    }
    case NumberFormat::Percent:
      if (std::fabs(value) >= 1e100) return General(value);
      std::snprintf(text, sizeof text, "%.*f%%", decimals, value * 100);
      return text;
    case NumberFormat::DateDMY:
    case NumberFormat::DateMDY: {
      if (value < 1 || value >= 2958466) return General(value);
      int y, m, d;
      CivilDate(static_cast<long>(value), &y, &m, &d);
      static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
      if (format.Type == NumberFormat::DateDMY)
        std::snprintf(text, sizeof text, "%02d-%s-%02d", d, kMonths[m - 1], y % 100);
      else
        std::snprintf(text, sizeof text, "%d/%d/%02d", m, d, y % 100);
      return text;
    }
  }
  return General(value);
}

NumberFormat ParseFormatString(const std::string& pattern) {
  NumberFormat format;
  bool quoted = false, afterPoint = false, digits = false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '"') quoted = !quoted;
    if (quoted || c == '"') continue;
    if (c == '\\' || c == '_' || c == '*') {
      ++i;
      continue;
    }
    if (c == ';') break;  // the positive section decides
    switch (c) {
      case 'd': case 'D': case 'y': case 'Y':
        return {NumberFormat::DateMDY, 0};
      case 'm': case 'M':
        if (!digits) return {NumberFormat::DateMDY, 0};
        break;
      case '0': case '#':
        digits = true;
        if (afterPoint) ++format.Decimals;
        break;
      case '.': afterPoint = true; break;
      case ',': if (format.Type == NumberFormat::General) format.Type = NumberFormat::Comma; break;
      case '%': format.Type = NumberFormat::Percent; break;
      case '$': format.Type = NumberFormat::Currency; break;
      case 'E': case 'e': if (digits) format.Type = NumberFormat::Scientific; break;
    }
  }
  if (format.Type == NumberFormat::Comma && format.Decimals == 0 && pattern.find(',') == std::string::npos)
    format.Type = NumberFormat::Fixed;
  if (format.Type == NumberFormat::General && digits) format.Type = NumberFormat::Fixed;
  return format;
}

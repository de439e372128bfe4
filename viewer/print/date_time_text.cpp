#include "viewer/print/date_time_text.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {
char DateSeparator(std::string_view picture) {
  size_t lastM = picture.rfind('M');
  if (lastM == std::string_view::npos) return '/';
  if (lastM + 1 < picture.size()) return picture[lastM + 1];
  // The picture ends with its month: the character before the month's run.
  size_t firstM = picture.find_last_not_of('M', lastM);
  return firstM == std::string_view::npos ? '/' : picture[firstM];
}
}  // namespace

char* FormatShortDate(char* buffer, size_t size, const IntlSettings& intl, const ClockFields& now) {
  const std::string_view p(intl.ShortDate, strnlen(intl.ShortDate, sizeof intl.ShortDate));
  const int dayWidth = p.find("dd") != std::string_view::npos ? 2 : 1;
  const int monthWidth = p.find("MM") != std::string_view::npos ? 2 : 1;
  const size_t y = p.find('y');
  const bool fullYear = y != std::string_view::npos && p.substr(y, 3) == "yyy";
  const int year = fullYear ? now.Year : now.Year % 100;
  const int yearWidth = fullYear ? 1 : 2;
  const char sep = DateSeparator(p);
  struct Part {
    int value, width;
  } day{now.Day, dayWidth}, month{now.Month, monthWidth}, yr{year, yearWidth};
  const char first = p.empty() ? 'M' : p[0];
  const Part order[3] = {first == 'd' ? day : first == 'y' ? yr : month,
                         first == 'd' || first == 'y' ? month : day,
                         first == 'y' ? day : yr};
  std::snprintf(buffer, size, "%0*d%c%0*d%c%0*d", order[0].width, order[0].value, sep,
                order[1].width, order[1].value, sep, order[2].width, order[2].value);
  return buffer;
}

char* FormatTime(char* buffer, size_t size, const IntlSettings& intl, const ClockFields& now) {
  const int hourWidth = intl.HourZero ? 2 : 1;
  if (intl.Time24) {
    std::snprintf(buffer, size, "%0*d%c%02d", hourWidth, now.Hour, intl.TimeSeparator, now.Minute);
    return buffer;
  }
  const int hour = now.Hour % 12 == 0 ? 12 : now.Hour % 12;
  const char* suffix = now.Hour < 12 ? intl.Morning : intl.Evening;
  std::snprintf(buffer, size, "%0*d%c%02d %.4s", hourWidth, hour, intl.TimeSeparator, now.Minute,
                suffix);
  return buffer;
}

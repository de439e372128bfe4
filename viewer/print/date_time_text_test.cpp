#include "viewer/print/date_time_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
IntlSettings WithDate(const char* picture) {
  IntlSettings intl;
  std::strcpy(intl.ShortDate, picture);
  return intl;
}
}  // namespace

TEST(DateTimeText, ShortDatesFollowThePicture) {
  const ClockFields dec7{1996, 12, 7, 0, 0};
  const ClockFields jan5{2005, 1, 5, 0, 0};
  struct Case {
    const char* picture;
    ClockFields when;
    const char* text;
  } cases[] = {
      {"MM/dd/yy", dec7, "12/07/96"},   {"dd.MM.yyyy", dec7, "07.12.1996"},
      {"d/M/yy", dec7, "7/12/96"},      {"yy-MM-dd", dec7, "96-12-07"},
      {"yyyy/M/d", jan5, "2005/1/5"},   {"dd.MM.yy", jan5, "05.01.05"},
      {"M/d/yyyy", jan5, "1/5/2005"},   {"yy.MM", jan5, "05.01.5"},  // ends with its month
      {"dd-yy", jan5, "05/1/05"},  // no month: '/'

  };
  for (const Case& c : cases) {
    char text[32];
    EXPECT_STREQ(FormatShortDate(text, sizeof text, WithDate(c.picture), c.when), c.text)
        << c.picture;
  }
}

TEST(DateTimeText, TimesOnBothClocks) {
  IntlSettings twelve, plain, dotted24, suffixes;
  plain.HourZero = 0;
  dotted24.Time24 = 1;
  dotted24.TimeSeparator = '.';
  std::strcpy(suffixes.Morning, "vorm");
  std::strcpy(suffixes.Evening, "nm");
  struct Case {
    const IntlSettings& intl;
    int hour, minute;
    const char* text;
  } cases[] = {
      {twelve, 9, 5, "09:05 AM"},   {twelve, 21, 40, "09:40 PM"}, {twelve, 0, 0, "12:00 AM"},
      {twelve, 12, 0, "12:00 PM"},  {plain, 9, 5, "9:05 AM"},     {dotted24, 21, 40, "21.40"},
      {dotted24, 7, 3, "07.03"},    {suffixes, 13, 1, "01:01 nm"},
  };
  for (const Case& c : cases) {
    char text[32];
    EXPECT_STREQ(FormatTime(text, sizeof text, c.intl, ClockFields{2000, 1, 1, c.hour, c.minute}),
                 c.text);
  }
}

// The common number formats of worksheet cells and the text of a number in
// each: general, fixed decimals (with or without thousands separators),
// scientific, currency, percent and dates (day numbers from 1900).
#pragma once
#include <string>

struct NumberFormat {
  enum Kind { General, Fixed, Comma, Scientific, Currency, Percent, DateDMY, DateMDY };
  Kind Type = General;
  int Decimals = 0;
};

std::string FormatNumber(double value, NumberFormat format);
// The format a format string describes ("0.00%", "m/d/yy", "$#,##0.00"...).
NumberFormat ParseFormatString(const std::string& pattern);

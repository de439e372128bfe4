#include "common/decimal_number.h"

#include <gtest/gtest.h>

#include <string>

TEST(DecimalNumber, ParseTakesTheFractionUpToItsDecimalsAndNamesABadCharacter) {
  struct Case {
    const char* text;
    char separator;
    int decimals;
    int result;
    int32_t value;
  } cases[] = {
      {"1.5", '.', 2, 0, 150},
      {"1", '.', 2, 0, 100},
      {"  .25  ", '.', 2, 0, 25},
      {"1.257", '.', 2, 0, 125},
      {"1,5", '.', 2, 2, 100},
      {"-2.5", '.', 2, 0, -250},
      {"", '.', 2, 1, 0},
      {"   ", '.', 2, 4, 0},
      {"-", '.', 2, 2, 0},
      {"2,54", ',', 2, 0, 254},
      {"3 x", '.', 1, 3, 30},
      {"7.", '.', 1, 0, 70},
      {"99999999999", '.', 2, 0, 2147483647},
  };
  for (const Case& c : cases) {
    int32_t value = -1;
    EXPECT_EQ(ParseDecimal(c.text, c.separator, c.decimals, &value), c.result) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(DecimalNumber, FormatLeavesOutTrailingZerosOfTheFraction) {
  struct Case {
    int decimals;
    int32_t value;
    const char* text;
  } cases[] = {
      {2, 300, "3"}, {2, 250, "2.5"}, {2, 205, "2.05"},  {2, 5, "0.05"},
      {2, 0, "0"},   {1, 75, "7.5"},  {2, -250, "-2.5"}, {2, INT32_MIN, "-21474836.48"},
  };
  for (const Case& c : cases) {
    char buffer[24];
    int n = FormatDecimal(buffer, '.', c.decimals, c.value);
    EXPECT_EQ(std::string(buffer, n), c.text) << c.value;
  }
}

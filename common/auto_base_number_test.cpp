#include "common/auto_base_number.h"

#include <gtest/gtest.h>

TEST(AutoBaseNumber, ReadsThePrefixedBaseAndStopsAtTheFirstCharacterOutsideIt) {
  struct Case {
    const char* text;
    bool isSigned;
    int64_t value;
    size_t length;
  } cases[] = {
      {"0x10", false, 16, 4},
      {"0X1f", false, 31, 4},
      {"020", false, 16, 3},
      {"16", false, 16, 2},
      {" \t16", false, 16, 4},
      {"08", false, 0, 1},  // 8 is no octal digit
      {"0x", false, 0, 1},  // no hex digit: the 0 alone
      {"0xg", false, 0, 1},
      {"12a", false, 12, 2},
      {"", false, 0, 0},
      {"  ", false, 0, 0},
      {"-", false, 0, 0},
      {"x1", false, 0, 0},
      {"4294967296", false, int64_t{1} << 32, 10},
      {"0x123456789", false, 0x123456789, 11},
      {"-1", false, -1, 2},  // all 64 bits set, as strtoull
      {"18446744073709551615", false, -1, 20},
      {"18446744073709551616", false, -1, 20},  // beyond 64 bits
      {"-8z", true, -8, 2},
      {"+7", true, 7, 2},
      {"9223372036854775807", true, INT64_MAX, 19},
      {"9223372036854775808", true, INT64_MAX, 19},
      {"-9223372036854775808", true, INT64_MIN, 20},
      {"-0x8000000000000001", true, INT64_MIN, 19},
  };
  for (const Case& c : cases) {
    AutoBaseNumber n = ParseAutoBaseNumber(c.text, c.isSigned);
    EXPECT_EQ(n.Value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(n.Length, c.length) << '"' << c.text << '"';
  }
}

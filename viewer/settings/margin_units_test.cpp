#include "viewer/settings/margin_units.h"

#include <gtest/gtest.h>

#include <string>

#include "common/decimal_number.h"

TEST(MarginUnits, FieldTextsRoundTripThroughTheStoredHundredths) {
  struct Case {
    int measure;
    const char* typed;
    int stored;
    const char* shown;
  } cases[] = {
      {0, "2.5", 100, "2.5"},   // 25 mm
      {0, "7.5", 300, "7.5"},   // the metric limit stays within 3 inches
      {0, "0.1", 4, "0.1"},     // both directions round toward zero
      {0, "2.54", 100, "2.5"},  // the second decimal is cut off
      {1, "3.001", 300, "3"},   {1, "0.5", 50, "0.5"},
      {7, "1.25", 125, "1.25"},  // anything but 0 is inches
  };
  for (const Case& c : cases) {
    MarginUnits units = MarginUnitsFor(c.measure);
    int32_t field = 0;
    ASSERT_EQ(ParseDecimal(c.typed, '.', units.Decimals, &field), 0) << c.typed;
    int stored = MarginFromField(units, field);
    EXPECT_EQ(stored, c.stored) << c.typed;
    char shown[24];
    FormatDecimal(shown, '.', units.Decimals, MarginToField(units, stored));
    EXPECT_EQ(std::string(shown), c.shown) << c.typed;
  }
}

TEST(MarginUnits, AHandEditedHugeMarginConvertsWithoutOverflow) {
  EXPECT_EQ(MarginToField(MarginUnitsFor(0), 1000000), 253316);
  EXPECT_EQ(MarginToField(MarginUnitsFor(0), 2000000000), 506632093);
}

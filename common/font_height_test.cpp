#include "common/font_height.h"

#include <gtest/gtest.h>

TEST(FontHeight, EachRoundingAtCommonResolutions) {
  struct Case {
    int Points, Dpi, Rounded, Truncated;
  };
  const Case cases[] = {
      {8, 96, -11, -10},    // 10.67 pixels
      {10, 96, -13, -13},   // 13.33
      {9, 96, -12, -12},    // exactly 12
      {8, 120, -13, -13},   // 13.33
      {12, 120, -20, -20},  // exactly 20
      {10, 300, -42, -41},  // 41.67, a printer
      {0, 96, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PointsToHeightRounded(c.Points, c.Dpi), c.Rounded) << c.Points << " pt " << c.Dpi;
    EXPECT_EQ(PointsToHeightTruncated(c.Points, c.Dpi), c.Truncated) << c.Points << " pt " << c.Dpi;
  }
}

#include "viewer/buffer/format_length.h"

#include <gtest/gtest.h>

#include "viewer/buffer/format_flags.h"

TEST(FormatLength, WrappedLinesAreAsWideAsTheWindowUnwrappedThreeWidths) {
  FormatLengthUpdate wrap = ComputeFormatLength(-1, 800, 8, FMT_WRAP, 256, false);
  EXPECT_EQ(wrap.Length, 100);
  EXPECT_TRUE(wrap.Adopt);
  EXPECT_EQ(wrap.PageColumns, 33);
  FormatLengthUpdate plain = ComputeFormatLength(-1, 800, 8, 0, 256, false);
  EXPECT_EQ(plain.Length, 303);
  EXPECT_EQ(ComputeFormatLength(-1, 800, 8, FMT_FIXED_LENGTH, 256, false).Length, 256);
  EXPECT_EQ(ComputeFormatLength(-1, 800, 0, 0, 256, false).Length, 2403);  // width 0 counts as 1
  EXPECT_EQ(ComputeFormatLength(-1, 10, 100, 0, 256, false).PageColumns, 1);
}

TEST(FormatLength, ShrinkingALittleKeepsTheLongerLines) {
  EXPECT_FALSE(ComputeFormatLength(303, 760, 8, 0, 256, true).Adopt);  // 288: scrolled instead
  EXPECT_TRUE(ComputeFormatLength(303, 300, 8, 0, 256, true).Adopt);   // under half
  EXPECT_TRUE(ComputeFormatLength(303, 900, 8, 0, 256, true).Adopt);   // longer
  // With wrap every change reformats, but a size change to the same value
  // does not.
  EXPECT_TRUE(ComputeFormatLength(100, 790, 8, FMT_WRAP, 256, true).Adopt);
  EXPECT_FALSE(ComputeFormatLength(100, 800, 8, FMT_WRAP, 256, true).Adopt);
  EXPECT_TRUE(ComputeFormatLength(100, 800, 8, FMT_WRAP, 256, false).Adopt);  // layout request
}

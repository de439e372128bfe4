#include "viewer/app/display_rules.h"

#include <gtest/gtest.h>

#include "viewer/settings/view_options.h"

TEST(DisplayRules, WheelStepsAddUpPartialNotchesAndDropThemOnATurn) {
  struct Step {
    int delta, perNotch, steps, carryAfter;
  } steps[] = {
      {120, 3, 3, 0},   {-240, 3, -6, 0},  // whole notches, both ways
      {40, 3, 1, 0},    {30, 3, 0, 90},    {30, 3, 1, 60},  // a touchpad's small deltas add up
      {-60, 1, 0, -60},                    // a turn drops what was left
      {-60, 1, -1, 0},  {120, 0, 0, 0},    {32767, 10000, 2730583, 40},
  };
  int carry = 0;
  for (const Step& s : steps) {
    EXPECT_EQ(WheelSteps(&carry, s.delta, s.perNotch), s.steps) << s.delta << "/" << s.perNotch;
    EXPECT_EQ(carry, s.carryAfter) << s.delta << "/" << s.perNotch;
  }
}

TEST(DisplayRules, FrozenColumnsNeverReachFarPastTheWindow) {
  EXPECT_EQ(FrozenColumnsShown(4, 8, 640), 4);
  EXPECT_EQ(FrozenColumnsShown(-3, 8, 640), 0);
  EXPECT_EQ(FrozenColumnsShown(300000000, 8, 640), 81);
  EXPECT_EQ(FrozenColumnsShown(2147483647, 0, 640), 641);
  EXPECT_EQ(FrozenEdge(0, 8), 0);
  EXPECT_EQ(FrozenEdge(81, 8), 651);
  EXPECT_EQ(PaddedWidth(100, 4, 6, 8, 640), 640);
  EXPECT_EQ(PaddedWidth(50, 4, 6, 8, 640), 320);
  EXPECT_EQ(PaddedWidth(2147483647, 0, 0, 8, 640), 640);
  EXPECT_EQ(PaddedWidth(0, 81, 2147483647, 8, 640), 0);
}

TEST(DisplayRules, LinesPerScreenLeavesRoomForTitlesAndNeverDropsBelowOne) {
  EXPECT_EQ(LinesPerScreenFor(400, 16, 0), 25);
  EXPECT_EQ(LinesPerScreenFor(400, 16, 3), 22);
  EXPECT_EQ(LinesPerScreenFor(40, 16, 5), 1);
  EXPECT_EQ(LinesPerScreenFor(400, 0, 0), 1);
}

TEST(DisplayRules, FormatLengthFollowsWrapAndFixedLength) {
  EXPECT_EQ(FormatLengthFor(640, 8, 0, 127), 3 * (640 + 8) / 8);
  EXPECT_EQ(FormatLengthFor(640, 8, FMT_WRAP, 127), 80);
  EXPECT_EQ(FormatLengthFor(640, 8, FMT_FIXED_LENGTH | FMT_WRAP, 300), 300);
  EXPECT_EQ(FormatLengthFor(10, 0, FMT_WRAP, 0), 10) << "a zero character width counts as 1";
}

TEST(DisplayRules, ReformatWhenLongerMuchShorterOrWrapped) {
  EXPECT_TRUE(NeedsReformat(-1, 255, false, true)) << "the first layout always formats";
  EXPECT_TRUE(NeedsReformat(200, 243, false, true));
  EXPECT_FALSE(NeedsReformat(243, 200, false, true)) << "a little narrower keeps the long lines";
  EXPECT_TRUE(NeedsReformat(243, 100, false, true));
  EXPECT_FALSE(NeedsReformat(80, 80, true, true)) << "a size change that changes nothing";
  EXPECT_TRUE(NeedsReformat(80, 80, true, false)) << "a layout request with wrap always formats";
  EXPECT_TRUE(NeedsReformat(80, 79, true, true));
  EXPECT_FALSE(NeedsReformat(80, 80, false, false));
  EXPECT_EQ(HorzPageStepFor(640, 8), 26);
  EXPECT_EQ(HorzPageStepFor(10, 8), 1);
}

TEST(DisplayRules, FontHeightAndZoomSteps) {
  EXPECT_EQ(PointSizeToHeight(10, 96), -13);
  EXPECT_EQ(PointSizeToHeight(0, 96), -13) << "sizes below 1 count as 10";
  EXPECT_EQ(PointSizeToHeight(12, 120), -20);
  const int zoomOut[] = {-13, -11, -9, -7, -5, -3};
  for (int z = 0; z < 6; ++z) EXPECT_EQ(ZoomedFontHeight(-13, -z), zoomOut[z]) << "zoom " << -z;
  EXPECT_EQ(ZoomedFontHeight(-13, -10), -1) << "never below one pixel";
  EXPECT_EQ(ZoomedFontHeight(-13, 2), -17);
  EXPECT_EQ(ZoomedFontHeight(4, 3), 4) << "small fonts have no step";
  EXPECT_EQ(ZoomedFontHeight(20, 1), 24);
}

TEST(DisplayRules, HorizontalScrollClampsAndRightEnd) {
  EXPECT_EQ(ClampHScroll(-3, 300), 0);
  EXPECT_EQ(ClampHScroll(400, 300), 299);
  EXPECT_EQ(ClampHScroll(5, 1), 0);
  EXPECT_EQ(HScrollAtRightEnd(300, 640, 8), 220) << "line length 300 in an 80-column window";
  EXPECT_EQ(HScrollAtRightEnd(60, 640, 8), 0);
}

TEST(DisplayRules, ScrollBarRanges) {
  VertBarInput v{2, true, 5000, 0, 10, 20};
  EXPECT_EQ(VertScrollMax(v), 0) << "mode 2 hides the bar when the file fits";
  v.TopIndex = 1;
  EXPECT_EQ(VertScrollMax(v), 5000);
  v = {2, true, 5000, 0, 30, 20};
  EXPECT_EQ(VertScrollMax(v), 5000);
  v = {1, true, 5000, 0, 10, 20};
  EXPECT_EQ(VertScrollMax(v), 5000);
  v = {0, true, 5000, 5, 100, 20};
  EXPECT_EQ(VertScrollMax(v), 0);
  v = {1, false, 5000, 5, 100, 20};
  EXPECT_EQ(VertScrollMax(v), 0);

  EXPECT_EQ(HorzScrollMax(2, 300, 8, 640, 0), 299);
  EXPECT_EQ(HorzScrollMax(2, 80, 8, 640, 0), 0);
  EXPECT_EQ(HorzScrollMax(2, 80, 8, 640, 3), 79) << "a scrolled view keeps its bar";
  EXPECT_EQ(HorzScrollMax(1, 80, 8, 640, 0), 79);
  EXPECT_EQ(HorzScrollMax(0, 300, 8, 640, 0), 0);
  EXPECT_EQ(HorzScrollMax(1, -1, 8, 640, 0), 0);

  EXPECT_EQ(ThumbTarget(3000000000LL / 2, 50, 100), 750000000) << "no overflow on large files";
  EXPECT_EQ(ThumbTarget(1000, 5, 0), 0);
}

// Files beyond the bar's int range count in units of a power of two bytes.
TEST(DisplayRules, VerticalBarOverFilesOfAnySize) {
  const struct {
    FileOffset length;
    int range;
    FileOffset top;
    int position;
  } cases[] = {
      {5000, 5000, 1234, 1234},
      {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
      {FileOffset{1} << 31, 1 << 30, FileOffset{1} << 30, 1 << 29},
      {FileOffset{6} << 30, 0x60000000, FileOffset{1} << 32, 0x40000000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    EXPECT_EQ(VertScrollMax({1, true, c.length, 0, 10, 20}), c.range);
    EXPECT_EQ(VertScrollPosition(c.top, c.length), c.position);
    EXPECT_EQ(ThumbTarget(c.length, c.position, c.range), c.top);
    EXPECT_EQ(ThumbTarget(c.length, c.range, c.range), c.length) << "the bottom is the end";
  }
}

TEST(DisplayRules, AutoScrollRateByMouseRow) {
  AutoScrollRates r{1, 10, 10, 2};
  const struct {
    int y, timer, lines, delay;
  } cases[] = {
      {-50, 1, 10, 2}, {32, 1, 10, 2},   // on the titles or above the window
      {33, 1, 1, 10},  {48, 1, 1, 10},   // the first text row
      {100, 0, 0, 0},                    // inside the text
      {384, 2, 1, 10}, {398, 2, 1, 10},  // the last row
      {399, 2, 10, 2}, {900, 2, 10, 2},  // the last pixel row and below
  };
  for (const auto& c : cases) {
    AutoScrollPlan p = PlanAutoScroll(c.y, 32, 16, 400, r);
    EXPECT_EQ(p.Timer, c.timer) << c.y;
    EXPECT_EQ(p.Lines, c.lines) << c.y;
    EXPECT_EQ(p.Delay, c.delay) << c.y;
  }
}

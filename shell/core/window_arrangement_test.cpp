#include "shell/core/window_arrangement.h"

#include <gtest/gtest.h>

namespace {

constexpr int W = 1280, H = 1024;
const ScreenRect kFirst = {35, 49, 425, 409};  // 390 x 360

TEST(WindowArrangement, NextViewerRectStepsAndPullsBackNearTheEdges) {
  EXPECT_EQ(NextViewerRect(kFirst, W, H), (ScreenRect{55, 59, 445, 419}));
  // Starting beyond the edge minus 30 moves 100 back, each axis apart.
  EXPECT_EQ(NextViewerRect({1231, 10, 1400, 100}, W, H), (ScreenRect{1151, 20, 1320, 110}));
  EXPECT_EQ(NextViewerRect({1230, 10, 1400, 100}, W, H), (ScreenRect{1250, 20, 1420, 110}));
  EXPECT_EQ(NextViewerRect({10, 990, 100, 1100}, W, H), (ScreenRect{30, 900, 120, 1010}));
}

TEST(WindowArrangement, CascadeKeepsTheFirstWindowsSize) {
  ScreenRect rects[3];
  CascadeRects(3, kFirst, rects);
  EXPECT_EQ(rects[0], (ScreenRect{0, 0, 390, 360}));
  EXPECT_EQ(rects[2], (ScreenRect{100, 100, 490, 460}));
}

struct TileCase {
  int Count;
  TileDirection Direction;
  int Width, Height;
  int LastLeft, LastTop;  // of the last window
};

TEST(WindowArrangement, TileSizesAndColumns) {
  const TileCase cases[] = {
      {2, TileDirection::Vertical, W / 2, 360, W / 2, 0},    // side by side
      {2, TileDirection::Horizontal, 390, H / 2, 0, H / 2},  // one above the other
      {3, TileDirection::Vertical, W / 2, H / 2, W / 2, 0},  // new column after index 1
      {4, TileDirection::Vertical, W / 2, H / 2, W / 2, H / 2},
      {5, TileDirection::Vertical, W / 2, H / 3, W / 2, H / 3},
      {6, TileDirection::Vertical, W / 2, H / 3, W / 2, 2 * (H / 3)},
      {7, TileDirection::Vertical, W / 3, H / 3, 2 * (W / 3), 0},
      {9, TileDirection::Vertical, W / 3, H / 3, 2 * (W / 3), 2 * (H / 3)},
      {10, TileDirection::Vertical, W / 4, H / 3, 3 * (W / 4), 0},
      {12, TileDirection::Horizontal, W / 4, H / 3, 3 * (W / 4), 2 * (H / 3)},
  };
  for (const TileCase& c : cases) {
    SCOPED_TRACE(c.Count);
    ScreenRect rects[kMaxViewerWindows];
    ASSERT_TRUE(TileRects(c.Count, c.Direction, W, H, kFirst, rects));
    EXPECT_EQ(rects[0], (ScreenRect{0, 0, c.Width, c.Height}));
    const ScreenRect& last = rects[c.Count - 1];
    EXPECT_EQ(last,
              (ScreenRect{c.LastLeft, c.LastTop, c.LastLeft + c.Width, c.LastTop + c.Height}));
  }
  ScreenRect rects[kMaxViewerWindows + 1];
  EXPECT_FALSE(TileRects(1, TileDirection::Vertical, W, H, kFirst, rects));
  EXPECT_FALSE(TileRects(13, TileDirection::Vertical, W, H, kFirst, rects));
}

}  // namespace

#include "viewer/app/window_placement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, UnreachableOrUnusableStoredPositionsAreReplaced) {
  const ScreenRect work{0, 0, 1280, 1000};
  constexpr int32_t D = kUseDefault, kMax = 2147483647;
  struct Case {
    WindowPos stored, expected;
    const char* why;
  } cases[] = {
      {{100, 50, 800, 600}, {100, 50, 800, 600}, "on screen: kept"},
      {{-300, 50, 800, 600}, {-300, 50, 800, 600}, "partly off to the left: still reachable"},
      {{D, 0, D, 0}, {D, 0, D, 0}, "the system's default"},
      {{kMax, kMax, 800, 600}, {480, 400, 800, 600}, "far off: moved onto the work area"},
      {{100, -500, 800, 600}, {100, 0, 800, 600}, "caption above the screen"},
      {{100, 990, 800, 600}, {100, 400, 800, 600}, "caption below the grip"},
      {{-2000, 50, 800, 600}, {0, 50, 800, 600}, "nothing left to grab"},
      {{0, 0, 0, 0}, {0, 0, D, 0}, "no size: the default size"},
      {{10, 10, kMax, kMax}, {10, 10, 1280, 1000}, "larger than the work area"},
      {{-kMax, 10, kMax, 300}, {0, 10, 1280, 300}, "huge and far left"},
  };
  for (const Case& c : cases) {
    WindowPos w = VisibleWindowPos(c.stored, work, 120, 60);
    EXPECT_EQ(w.Left, c.expected.Left) << c.why;
    EXPECT_EQ(w.Top, c.expected.Top) << c.why;
    EXPECT_EQ(w.Width, c.expected.Width) << c.why;
    EXPECT_EQ(w.Height, c.expected.Height) << c.why;
  }
}

#include "viewers/graphics/formats/picture_view.h"

#include <gtest/gtest.h>

#include "viewers/graphics/formats/test_pictures.h"

namespace {

TEST(PictureView, ZoomKeepsTheMiddleAndTheViewShowsWhatTheZoomSays) {
  EXPECT_EQ(Zoomed(100, ZoomOf(299)), 25);
  EXPECT_EQ(Zoomed(100, ZoomOf(300)), 50);
  EXPECT_EQ(Zoomed(100, ZoomOf(303)), 300);
  EXPECT_EQ(ScrollLimit(100, ZoomOf(301), 400), 0) << "a picture that fits does not scroll";
  // 1000 pixels in a 200-pixel window at 1X, scrolled to 400: the middle is
  // picture pixel 500, which stays in the middle at 2X (scroll 900) and at
  // .5X (the picture fits: 0).
  EXPECT_EQ(KeepCentre(400, 200, 1000, ZoomOf(301), ZoomOf(302)), 900);
  EXPECT_EQ(KeepCentre(400, 200, 1000, ZoomOf(301), ZoomOf(300)), 150);
  EXPECT_EQ(KeepCentre(700, 200, 1000, ZoomOf(301), ZoomOf(305)), 3900);

  Picture p = TestPicture(4, 3, 32, true);
  std::vector<uint32_t> out;
  RenderView(p, ZoomOf(302), 0, 0, 8, 6, 0xFF102030u, out);
  EXPECT_EQ(out[0], out[1]) << "each pixel twice as wide";
  const uint32_t opaque = p.Row(1)[3] | 0xFF000000u;
  p.Row(1)[3] = opaque;
  RenderView(p, ZoomOf(302), 0, 0, 8, 6, 0xFF102030u, out);
  EXPECT_EQ(out[2 * 8 + 6], opaque);
  EXPECT_EQ(out[3 * 8 + 7], opaque);
  // Clear pixels show the background; half-clear ones are blended.
  p.Row(0)[0] = 0x00FFFFFFu;
  p.Row(0)[1] = 0x80FFFFFFu;
  RenderView(p, ZoomOf(301), 0, 0, 4, 3, 0xFF000000u, out);
  EXPECT_EQ(out[0], 0xFF000000u);
  EXPECT_EQ(out[1], 0xFF808080u);
  // A small picture stands in the middle of a large window.
  RenderView(p, ZoomOf(301), 0, 0, 10, 5, 0xFF000000u, out);
  EXPECT_EQ(out[(1 + 1) * 10 + 3 + 3], opaque);
  EXPECT_EQ(out[0], 0xFF000000u);
}

}  // namespace

#include "viewers/icons/formats/icon_view.h"

#include <gtest/gtest.h>

namespace {

IconImage Image(int32_t width, int32_t height, int bits, uint32_t fill = PixelOf(0, 0, 0)) {
  IconImage image;
  image.Bits = bits;
  image.Image.Resize(width, height, fill);
  return image;
}

TEST(IconView, ZoomScalesEverySideAndKeepsAPixel) {
  struct Case {
    unsigned command;
    int32_t side, shown;
  };
  for (const Case& c : {Case{299, 48, 12}, Case{299, 2, 1}, Case{300, 33, 16}, Case{301, 32, 32},
                        Case{303, 16, 48}, Case{305, 256, 1280}}) {
    EXPECT_EQ(Zoomed(c.side, ZoomQuarters(c.command)), c.shown) << c.command << " " << c.side;
  }
  EXPECT_EQ(ZoomQuarters(298), 0);
  EXPECT_EQ(ZoomQuarters(306), 0);
}

TEST(IconView, LabelsStatusAndTheLargestImage) {
  IconFile file;
  file.Images.push_back(Image(32, 32, 4));
  EXPECT_EQ(IconStatus(file), "ICO, 1 image");
  file.Images.push_back(Image(32, 32, 32));
  file.Images.push_back(Image(16, 16, 32));
  file.Cursor = true;
  EXPECT_EQ(IconStatus(file), "CUR, 3 images");
  EXPECT_EQ(IconLabel(file.Images[1]), "32 x 32, 32 bits");
  EXPECT_EQ(LargestImage(file.Images), 1u) << "the deeper of two of a size";
}

TEST(IconView, ShownPixelsAreBlendedOntoTheBackground) {
  Picture picture;
  picture.Resize(2, 1);
  picture.Row(0)[0] = PixelOf(255, 0, 0, 0);      // transparent
  picture.Row(0)[1] = PixelOf(200, 100, 0, 128);  // half
  const Picture shown = ShownPixels(picture, 8, PixelOf(0, 0, 255));
  ASSERT_EQ(shown.Width, 4);
  ASSERT_EQ(shown.Height, 2);
  EXPECT_EQ(shown.Row(1)[1], PixelOf(0, 0, 255));
  EXPECT_EQ(shown.Row(1)[2], PixelOf(100, 50, 127));
  EXPECT_EQ(shown.Row(0)[3], shown.Row(1)[2]);
}

}  // namespace

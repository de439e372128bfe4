#include "viewers/graphics/formats/stb_reader.h"

#include <gtest/gtest.h>

#include "viewers/graphics/formats/picture_writers.h"
#include "viewers/graphics/formats/test_pictures.h"

namespace {

Bytes Jpeg(const Picture& picture) {
  Bytes out;
  WriteJpg(picture, [&](const void* data, size_t n) {
    out.insert(out.end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + n);
    return true;
  });
  return out;
}

// An APP1 EXIF segment with the orientation, put just after the start.
Bytes WithOrientation(Bytes jpeg, int orientation) {
  const Bytes exif = {0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1,
                      0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, static_cast<uint8_t>(orientation), 0, 0, 0, 0, 0, 0};
  jpeg.insert(jpeg.begin() + 2, exif.begin(), exif.end());
  return jpeg;
}

TEST(StbReader, AJpegStandsAsItsCameraSays) {
  Picture marked;  // white, with a black top left corner
  marked.Resize(32, 16, PixelOf(255, 255, 255));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) marked.Row(y)[x] = PixelOf(0, 0, 0);
  struct Case {
    int orientation, width;
    int cornerX, cornerY;  // where the black corner ends up
  };
  for (const Case& c : {Case{1, 32, 0, 0}, Case{3, 32, 31, 15}, Case{6, 16, 15, 0}, Case{8, 16, 0, 31}}) {
    DecodedPicture jpeg = ReadBytes(ReadJpeg, WithOrientation(Jpeg(marked), c.orientation));
    ASSERT_EQ(jpeg.Status, DecodeStatus::Decoded) << c.orientation;
    EXPECT_EQ(jpeg.Image.Width, c.width) << c.orientation;
    EXPECT_EQ(jpeg.Info.Width, c.width) << c.orientation;
    EXPECT_LT(jpeg.Image.Row(c.cornerY)[c.cornerX] & 0xFF, 64u) << c.orientation;
  }
}

TEST(StbReader, AJpegOverTheLimitIsReducedAsItsRowsComeAndTurnedAsItStands) {
  const Bytes jpeg = Jpeg(TestPicture(40, 30, 24, false));
  const DecodedPicture whole = ReadBytes(ReadJpeg, jpeg);
  const DecodedPicture reduced = ReadBytes(ReadJpeg, jpeg, DecodeLimits{400});
  ASSERT_EQ(reduced.Status, DecodeStatus::Decoded);
  EXPECT_EQ(reduced.Info.Reduction, 2);
  EXPECT_EQ(reduced.Info.Width, 40);
  ASSERT_EQ(reduced.Image.Width, 20);
  ASSERT_EQ(reduced.Image.Height, 15);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(reduced.Image.Row(y)[x], whole.Image.Row(2 * y)[2 * x]);
  // Turned a quarter clockwise: the reduced picture's left column is its top row.
  const DecodedPicture turned = ReadBytes(ReadJpeg, WithOrientation(jpeg, 6), DecodeLimits{400});
  ASSERT_EQ(turned.Image.Width, 15);
  ASSERT_EQ(turned.Image.Height, 20);
  EXPECT_EQ(turned.Info.Width, 30);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 15; ++x) ASSERT_EQ(turned.Image.Row(y)[x], reduced.Image.Row(14 - x)[y]);
}

TEST(StbReader, TooLargeBrokenAndForeignFilesAreNamedSo) {
  const Bytes jpeg = Jpeg(TestPicture(40, 30, 24, false));
  EXPECT_EQ(ReadBytes(ReadJpeg, Cut(jpeg, 20)).Status, DecodeStatus::Declined);
  EXPECT_EQ(ReadBytes(ReadJpeg, Bytes{'G', 'I', 'F', '8', '9', 'a'}).Status, DecodeStatus::NotThisFormat);
  const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0};
  GifFrames huge = [&] {
    GifFrames frames;
    ReadBytes([&](ByteSource& f, const DecodeLimits& l) {
      frames = ReadGif(f, l);
      return DecodedPicture{};
    }, gif);
    return frames;
  }();
  EXPECT_EQ(huge.First.Status, DecodeStatus::TooLarge);
}

}  // namespace

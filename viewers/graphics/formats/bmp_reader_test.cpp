#include "viewers/graphics/formats/bmp_reader.h"

#include <gtest/gtest.h>

#include "viewers/graphics/formats/test_pictures.h"

namespace {

DecodedPicture Read(const Bytes& bytes, const DecodeLimits& limits = {}) {
  return ReadBytes(ReadBmp, bytes, limits);
}

// Bitmaps of every depth, made from a picture whose pixels each depth can
// hold, come back as those pixels.
TEST(BmpReader, EveryDepthAndHeaderGivesBackThePixelsItWasMadeFrom) {
  struct Case {
    int bits;
    BmpShape shape;
  };
  const Case cases[] = {{1, BmpShape::Info},     {2, BmpShape::Info},    {4, BmpShape::Info},
                        {8, BmpShape::Info},     {8, BmpShape::Core},    {8, BmpShape::TopDown},
                        {16, BmpShape::Info},    {16, BmpShape::Fields}, {24, BmpShape::Info},
                        {24, BmpShape::Core},    {32, BmpShape::Info},   {32, BmpShape::V5Alpha},
                        {8, BmpShape::Rle},      {4, BmpShape::Rle}};
  for (const Case& c : cases) {
    Picture source = TestPicture(13, 7, c.bits, c.shape == BmpShape::V5Alpha);
    DecodedPicture got = Read(MakeBmp(source, c.bits, c.shape));
    SCOPED_TRACE(testing::Message() << c.bits << " bits, shape " << static_cast<int>(c.shape));
    ASSERT_EQ(got.Status, DecodeStatus::Decoded);
    EXPECT_EQ(got.Info.BitsPerPixel, c.bits);
    EXPECT_EQ(got.Info.Width, 13);
    EXPECT_EQ(got.Info.Height, 7);
    ExpectSamePixels(got.Image, source);
  }
}

TEST(BmpReader, ABitmapOverTheLimitIsReducedWhileItIsRead) {
  Picture source = TestPicture(41, 30, 24, false);
  DecodedPicture got = Read(MakeBmp(source, 24, BmpShape::Info), DecodeLimits{100});
  ASSERT_EQ(got.Status, DecodeStatus::Decoded);
  EXPECT_EQ(got.Info.Reduction, 4);  // 11 x 8 pixels
  ASSERT_EQ(got.Image.Width, 11);
  ASSERT_EQ(got.Image.Height, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 11; ++x)
      ASSERT_EQ(got.Image.Row(y)[x], source.Row(y * 4)[x * 4]) << x << "," << y;
}

TEST(BmpReader, BrokenAndHostileFilesAreDeclinedOrShownPartly) {
  Picture source = TestPicture(16, 16, 8, false);
  const Bytes good = MakeBmp(source, 8, BmpShape::Info);
  const Bytes rle = MakeBmp(source, 8, BmpShape::Rle);
  auto with = Patched;
  struct Case {
    const char* what;
    Bytes bytes;
    DecodeStatus status;
  };
  const Case cases[] = {
      {"empty", {}, DecodeStatus::NotThisFormat},
      {"another format", with(good, 0, {'G', 'I'}), DecodeStatus::NotThisFormat},
      {"header cut", Cut(good, 30), DecodeStatus::Declined},
      {"no pixels", Cut(good, 1078), DecodeStatus::Declined},
      {"half the rows", Cut(good, 1078 + 8 * 16), DecodeStatus::Partial},
      {"65535 x 65535 claimed", with(good, 18, {0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0}),
       DecodeStatus::Declined},
      {"65535 rows claimed, 16 there", with(good, 22, {0xFF, 0xFF, 0, 0}), DecodeStatus::Partial},
      {"zero width", with(good, 18, {0, 0, 0, 0}), DecodeStatus::Declined},
      {"negative width", with(good, 18, {0xFF, 0xFF, 0xFF, 0xFF}), DecodeStatus::Declined},
      {"7 bits", with(good, 28, {7}), DecodeStatus::Declined},
      {"JPEG inside", with(good, 30, {4}), DecodeStatus::Declined},
      {"top-down RLE", with(rle, 22, {0xF0, 0xFF, 0xFF, 0xFF}), DecodeStatus::Declined},
      {"RLE cut short", Cut(rle, rle.size() - 40), DecodeStatus::Partial},
      {"RLE runs past the edge", with(rle, 1078, {200, 1, 200, 1, 200, 1}), DecodeStatus::Decoded},
      {"RLE delta past the end", with(rle, 1078, {0, 2, 255, 255}), DecodeStatus::Decoded},
      {"data offset past the end", with(good, 10, {0xFF, 0xFF, 0xFF, 0x7F}), DecodeStatus::Declined},
  };
  for (const Case& c : cases) {
    DecodedPicture got = Read(c.bytes, DecodeLimits{4096});
    EXPECT_EQ(got.Status, c.status) << c.what;
    if (got.Status == DecodeStatus::Decoded || got.Status == DecodeStatus::Partial) {
      EXPECT_EQ(got.Image.Pixels.size(), static_cast<size_t>(got.Image.Width) * got.Image.Height);
    }
  }
}

}  // namespace

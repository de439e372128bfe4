#include "viewers/graphics/formats/pcx_reader.h"

#include <gtest/gtest.h>

#include "viewers/graphics/formats/test_pictures.h"

namespace {

TEST(PcxReader, EveryLayoutGivesBackThePixelsItWasMadeFrom) {
  struct Case {
    int bits, planes;
    std::vector<uint32_t> palette;
  };
  const Case cases[] = {{1, 1, {PixelOf(0, 0, 0), PixelOf(255, 255, 255)}},
                        {1, 4, TestPalette(4)},
                        {4, 1, TestPalette(4)},
                        {8, 1, TestPalette(8)},
                        {8, 3, {}},
                        {8, 4, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits x " << c.planes);
    const int depth = c.bits * c.planes;
    Picture source = TestPicture(21, 9, depth, depth == 32, c.palette);
    DecodedPicture got = ReadBytes(ReadPcx, MakePcx(source, c.bits, c.planes, c.palette));
    ASSERT_EQ(got.Status, DecodeStatus::Decoded);
    EXPECT_EQ(got.Info.BitsPerPixel, depth);
    ExpectSamePixels(got.Image, source);
  }
}

TEST(PcxReader, ALargePictureIsReducedAndBrokenFilesAreDeclinedOrShownPartly) {
  Picture source = TestPicture(40, 40, 24, false);
  const Bytes good = MakePcx(source, 8, 3, {});
  DecodedPicture reduced = ReadBytes(ReadPcx, good, DecodeLimits{400});
  EXPECT_EQ(reduced.Info.Reduction, 2);
  EXPECT_EQ(reduced.Image.Row(3)[5], source.Row(6)[10]);

  struct Case {
    const char* what;
    Bytes bytes;
    DecodeStatus status;
  };
  const Case cases[] = {
      {"another format", Patched(good, 0, {'B'}), DecodeStatus::NotThisFormat},
      {"header only", Cut(good, 128), DecodeStatus::Declined},
      {"rows cut short", Cut(good, good.size() / 2), DecodeStatus::Partial},
      {"2 planes", Patched(good, 65, {2}), DecodeStatus::Declined},
      {"lines too short for the width", Patched(good, 66, {4, 0}), DecodeStatus::Declined},
      {"right edge before the left", Patched(good, 4, {0xFF, 0xFF}), DecodeStatus::Declined},
      {"65535 x 65535 claimed", Patched(good, 8, {0xFE, 0xFF, 0xFE, 0xFF}), DecodeStatus::Declined},
      {"runs of nothing", [&] {
         Bytes b = Cut(good, 128);
         b.insert(b.end(), 500, 0xC0);
         return b;
       }(), DecodeStatus::Partial},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadBytes(ReadPcx, c.bytes, DecodeLimits{4096}).Status, c.status) << c.what;
}

}  // namespace

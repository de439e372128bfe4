#include "viewers/graphics/formats/tga_reader.h"

#include <gtest/gtest.h>

#include "viewers/graphics/formats/test_pictures.h"

namespace {

std::vector<uint32_t> Greys() {
  std::vector<uint32_t> greys;
  for (int i = 0; i < 256; i += 5) greys.push_back(PixelOf(i, i, i));
  return greys;
}

TEST(TgaReader, EveryTypeDepthAndCornerGivesBackThePixelsItWasMadeFrom) {
  struct Case {
    int type, bits, descriptor;
    std::vector<uint32_t> palette;  // for mapped and grey pictures
  };
  const Case cases[] = {
      {1, 8, 0, TestPalette(8)}, {9, 8, 32, TestPalette(8)}, {2, 16, 0, {}},  {10, 15, 0, {}},
      {2, 24, 0, {}},            {2, 24, 16, {}},            {2, 24, 48, {}}, {10, 24, 32, {}},
      {2, 32, 8, {}},            {10, 32, 40, {}},           {3, 8, 0, Greys()}, {11, 8, 16, Greys()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.bits << " bits, descriptor "
                                    << c.descriptor);
    const int depth = c.palette.empty() ? (c.bits == 15 ? 16 : c.bits) : 8;
    Picture source = TestPicture(19, 11, depth, c.bits == 32, c.palette);
    DecodedPicture got = ReadBytes(ReadTga, MakeTga(source, c.type, c.bits, c.descriptor, c.palette));
    ASSERT_EQ(got.Status, DecodeStatus::Decoded);
    ExpectSamePixels(got.Image, source);
  }
}

TEST(TgaReader, HeadersThatAreNoTargaAndBrokenFilesAreDeclinedOrShownPartly) {
  Picture source = TestPicture(30, 30, 24, false);
  const Bytes plain = MakeTga(source, 2, 24, 0);
  const Bytes runs = MakeTga(source, 10, 24, 0);
  DecodedPicture reduced = ReadBytes(ReadTga, plain, DecodeLimits{300});
  EXPECT_EQ(reduced.Info.Reduction, 2);
  EXPECT_EQ(reduced.Image.Row(4)[7], source.Row(8)[14]);

  struct Case {
    const char* what;
    Bytes bytes;
    DecodeStatus status;
  };
  const Case cases[] = {
      {"a text", Bytes{'H', 'e', 'l', 'l', 'o', ',', ' ', 'w', 'o', 'r', 'l', 'd', '!', '\r', '\n', 'T', 'h', 'i', 's'},
       DecodeStatus::NotThisFormat},
      {"type 4", Patched(plain, 2, {4}), DecodeStatus::NotThisFormat},
      {"7 bits", Patched(plain, 16, {7}), DecodeStatus::NotThisFormat},
      {"zero width", Patched(plain, 12, {0, 0}), DecodeStatus::NotThisFormat},
      {"mapped without a map", Patched(plain, 2, {1}), DecodeStatus::NotThisFormat},
      {"header only", Cut(plain, 18), DecodeStatus::Declined},
      {"rows cut short", Cut(plain, plain.size() / 2), DecodeStatus::Partial},
      {"runs cut short", Cut(runs, runs.size() / 2), DecodeStatus::Partial},
      {"65535 x 65535 claimed", Patched(runs, 12, {0xFF, 0xFF, 0xFF, 0xFF}), DecodeStatus::Declined},
      {"65535 rows claimed", Patched(runs, 14, {0xFF, 0xFF}), DecodeStatus::Partial},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadBytes(ReadTga, c.bytes, DecodeLimits{4096}).Status, c.status) << c.what;
}

}  // namespace

#include "viewers/graphics/formats/tiff_reader.h"

#include <gtest/gtest.h>

#include "viewers/graphics/formats/test_tiff.h"
#include "viewer/buffer/memory_files.h"
#include "viewers/graphics/formats/tiff_stream.h"

namespace {

DecodedPicture Read(const Bytes& bytes, int page = 0, const DecodeLimits& limits = {}) {
  return ReadBytes([page](ByteSource& f, const DecodeLimits& l) { return ReadTiff(f, l, page); }, bytes,
                   limits);
}

TiffPageSpec Spec(int photometric, int bits, int samples, uint32_t compression) {
  TiffPageSpec spec;
  spec.Photometric = photometric, spec.Bits = bits, spec.Samples = samples, spec.Compression = compression;
  std::vector<uint32_t> palette;
  if (photometric <= 1) palette = GreyLevels(bits);
  if (photometric == 3) spec.Palette = palette = TestPalette(bits);
  spec.Image = TestPicture(23, 10, palette.empty() ? (samples == 4 && photometric == 2 ? 32 : 24) : 8,
                           photometric == 2 && samples == 4, palette);
  if (photometric == 1 && samples == 2)  // grey with alpha
    for (uint32_t& p : spec.Image.Pixels) p = (p & 0xFFFFFF) | (p & 0xFF) << 24;
  return spec;
}

TEST(TiffReader, EveryLayoutCompressionAndByteOrderGivesBackThePixelsItWasMadeFrom) {
  std::vector<std::pair<const char*, TiffPageSpec>> cases = {
      {"black and white", Spec(1, 1, 1, 1)},      {"16 greys, white is zero", Spec(0, 4, 1, 32773)},
      {"grey", Spec(1, 8, 1, 5)},                 {"grey 16 bits", Spec(1, 16, 1, 1)},
      {"grey and alpha", Spec(1, 8, 2, 5)},       {"palette 4 bits", Spec(3, 4, 1, 1)},
      {"palette 8 bits", Spec(3, 8, 1, 32773)},   {"RGB", Spec(2, 8, 3, 1)},
      {"RGB LZW", Spec(2, 8, 3, 5)},              {"RGBA PackBits", Spec(2, 8, 4, 32773)},
      {"RGB 16 bits", Spec(2, 16, 3, 5)},         {"CMYK", Spec(5, 8, 4, 1)},
  };
  cases.push_back({"RGB LZW with differences", Spec(2, 8, 3, 5)});
  cases.back().second.Predictor = true;
  cases.push_back({"RGB 16 bits with differences", Spec(2, 16, 3, 5)});
  cases.back().second.Predictor = true;
  cases.push_back({"tiles", Spec(2, 8, 3, 5)});
  cases.back().second.Tile = 16;
  cases.push_back({"one strip", Spec(3, 8, 1, 5)});
  cases.back().second.RowsPerStrip = 10;
  for (bool big : {false, true})
    for (const auto& [what, spec] : cases) {
      SCOPED_TRACE(testing::Message() << what << (big ? ", big-endian" : ""));
      DecodedPicture got = Read(MakeTiff({spec}, big));
      ASSERT_EQ(got.Status, DecodeStatus::Decoded);
      EXPECT_EQ(got.Info.BitsPerPixel, spec.Bits * spec.Samples);
      ExpectSamePixels(got.Image, spec.Image);
    }
}

TEST(TiffReader, EachDirectoryIsAPageAndALargePageIsReduced) {
  TiffPageSpec first = Spec(2, 8, 3, 5), second = Spec(1, 8, 1, 1);
  second.Image = TestPicture(64, 48, 8, false, GreyLevels(8));
  const Bytes file = MakeTiff({first, second});
  UseMemoryFiles().Files["t"] = file;
  {
    ByteSource source("t");
    EXPECT_EQ(CountTiffPages(source), 2);
  }
  UsePlatformFiles();
  ExpectSamePixels(Read(file, 1).Image, second.Image);
  DecodedPicture reduced = Read(file, 1, DecodeLimits{800});
  ASSERT_EQ(reduced.Info.Reduction, 2);
  EXPECT_EQ(reduced.Image.Row(5)[7], second.Image.Row(10)[14]);
}

TEST(TiffReader, LzwCodesTheTableDoesNotHoldAndBrokenFilesAreDeclinedOrShownPartly) {
  // A code past the next free one ends the data: here 300 right after a clear.
  Bytes lzw = {0x80, 0x4B, 0x00};  // 256, then 300, in nine bits each
  UseMemoryFiles().Files["s"] = lzw;
  {
    ByteSource source("s");
    TiffStream stream(source, 0, 3, kTiffLzw);
    uint8_t out[8];
    EXPECT_EQ(stream.Read(out, sizeof out), 0u);
  }
  UsePlatformFiles();

  // A large strip fills the table past 4094 codes and clears it.
  TiffPageSpec big = Spec(1, 8, 1, 5);
  big.Image = TestPicture(300, 250, 8, false, GreyLevels(8));
  big.RowsPerStrip = 250;
  ExpectSamePixels(Read(MakeTiff({big})).Image, big.Image);

  const Bytes good = MakeTiff({Spec(2, 8, 3, 5)});
  struct Case {
    const char* what;
    Bytes bytes;
    DecodeStatus status;
  };
  const Case cases[] = {
      {"no TIFF", Patched(good, 0, {'I', 'X'}), DecodeStatus::NotThisFormat},
      {"directory past the end", Patched(good, 4, {0xFF, 0xFF, 0xFF, 0x7F}), DecodeStatus::NotThisFormat},
      {"header only", Cut(good, 8), DecodeStatus::NotThisFormat},
      {"first strip ends at once", Patched(good, 8, {0x80, 0x40, 0x40}), DecodeStatus::Partial},
      {"a directory pointing at itself", [&] {
         Bytes b = good;
         const uint32_t at = Le32(b.data() + 4);
         const uint16_t n = Le16(b.data() + at);
         return Patched(b, at + 2 + 12 * n, {static_cast<uint8_t>(at), static_cast<uint8_t>(at >> 8), 0, 0});
       }(), DecodeStatus::Decoded},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.bytes, 0, DecodeLimits{4096}).Status, c.status) << c.what;
}

}  // namespace

#include "viewers/graphics/formats/picture_writers.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "viewers/graphics/formats/bmp_reader.h"
#include "viewers/graphics/formats/pcx_reader.h"
#include "viewers/graphics/formats/stb_reader.h"
#include "viewers/graphics/formats/test_pictures.h"
#include "viewers/graphics/formats/tga_reader.h"
#include "viewers/graphics/formats/tiff_reader.h"

namespace {

Bytes Written(const Picture& picture, SaveKind kind) {
  Bytes out;
  EXPECT_TRUE(WritePicture(picture, kind, [&](const void* data, size_t n) {
    out.insert(out.end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + n);
    return true;
  }));
  return out;
}

DecodedPicture ReadBack(const Bytes& bytes, SaveKind kind) {
  switch (kind) {
    case SaveKind::Bmp: return ReadBytes(ReadBmp, bytes);
    case SaveKind::Pcx: return ReadBytes(ReadPcx, bytes);
    case SaveKind::Tif: return ReadBytes([](ByteSource& f, const DecodeLimits& l) { return ReadTiff(f, l); }, bytes);
    case SaveKind::Tga: return ReadBytes(ReadTga, bytes);
    case SaveKind::Gif:
      return ReadBytes([](ByteSource& f, const DecodeLimits& l) { return std::move(ReadGif(f, l).First); }, bytes);
    case SaveKind::Jpg: return ReadBytes(ReadJpeg, bytes);
  }
  return {};
}

TEST(PictureWriters, EveryKindReadsBackAsThePictureItWasWrittenFrom) {
  const Picture opaque = TestPicture(37, 21, 24, false);
  const Picture clear = TestPicture(37, 21, 32, true);
  const Picture few = TestPicture(37, 21, 8, false);  // 256 colours at most
  struct Case {
    SaveKind kind;
    const Picture& picture;
  };
  const Case exact[] = {{SaveKind::Bmp, opaque}, {SaveKind::Bmp, clear}, {SaveKind::Pcx, opaque},
                        {SaveKind::Tif, opaque}, {SaveKind::Tif, clear}, {SaveKind::Tga, opaque},
                        {SaveKind::Tga, clear},  {SaveKind::Gif, few}};
  for (const Case& c : exact) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind));
    DecodedPicture got = ReadBack(Written(c.picture, c.kind), c.kind);
    ASSERT_EQ(got.Status, DecodeStatus::Decoded);
    ExpectSamePixels(got.Image, c.picture);
  }

  // Lossy or cut down: every channel of every pixel near where it was.
  for (auto [kind, tolerance] : {std::pair{SaveKind::Jpg, 40}, std::pair{SaveKind::Gif, 40}}) {
    Picture smooth;
    smooth.Resize(64, 48);
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x)
        smooth.Row(y)[x] = PixelOf(static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 5), static_cast<uint8_t>(x + y));
    DecodedPicture got = ReadBack(Written(smooth, kind), kind);
    ASSERT_EQ(got.Status, DecodeStatus::Decoded);
    ASSERT_EQ(got.Image.Width, 64);
    int worst = 0;
    for (size_t i = 0; i < smooth.Pixels.size(); ++i)
      for (int shift : {0, 8, 16})
        worst = std::max(worst, std::abs(static_cast<int>(smooth.Pixels.data()[i] >> shift & 255) -
                                         static_cast<int>(got.Image.Pixels.data()[i] >> shift & 255)));
    EXPECT_LE(worst, tolerance) << "kind " << static_cast<int>(kind);
  }
}

TEST(PictureWriters, ASinkThatFailsEndsTheWriting) {
  const Picture picture = TestPicture(300, 300, 24, false);
  for (int kind = 0; kind < 6; ++kind) {
    int calls = 0;
    EXPECT_FALSE(WritePicture(picture, static_cast<SaveKind>(kind), [&](const void*, size_t) {
      ++calls;
      return false;
    })) << kind;
    EXPECT_LE(calls, 1) << kind;
  }
}

}  // namespace

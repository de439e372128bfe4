#include "viewers/icons/formats/icon_reader.h"

#include <gtest/gtest.h>

#include "viewer/buffer/memory_files.h"
#include "viewers/graphics/formats/test_pictures.h"

namespace {

void Put16(Bytes& b, uint32_t v) { b.push_back(v & 255), b.push_back((v >> 8) & 255); }
void Put32(Bytes& b, uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }

// An image as an icon file holds it: the bitmap with its mask, or a PNG.
// Transparent pixels (alpha 0) of a picture without alpha are masked; with
// useAlpha a 32-bit image keeps its alpha, without it the alpha bytes are 0.
Bytes IconBitmap(const Picture& picture, int bits, bool useAlpha) {
  Bytes b;
  Put32(b, 40), Put32(b, picture.Width), Put32(b, picture.Height * 2), Put16(b, 1), Put16(b, bits);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  const std::vector<uint32_t> palette = bits <= 8 ? TestPalette(bits) : std::vector<uint32_t>{};
  for (uint32_t c : palette) Put32(b, c & 0xFFFFFF);
  for (int32_t y = picture.Height - 1; y >= 0; --y) {
    Bytes row((picture.Width * bits + 31) / 32 * 4);
    for (int32_t x = 0; x < picture.Width; ++x) {
      const uint32_t p = picture.Row(y)[x];
      if (bits > 8) {
        const uint32_t stored = bits == 32 && useAlpha ? p : (p >> 24 ? p & 0xFFFFFF : 0);
        for (int k = 0; k < bits / 8; ++k)
          row[x * bits / 8 + k] = static_cast<uint8_t>(stored >> 8 * k);
        continue;
      }
      const auto index = std::find(palette.begin(), palette.end(), p) - palette.begin();
      const int v = index < static_cast<long>(palette.size()) ? static_cast<int>(index) : 0;
      row[x * bits / 8] |= static_cast<uint8_t>(v << (8 - bits - x * bits % 8));
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  for (int32_t y = picture.Height - 1; y >= 0; --y) {
    Bytes row((picture.Width + 31) / 32 * 4);
    for (int32_t x = 0; x < picture.Width; ++x)
      if (!(picture.Row(y)[x] >> 24)) row[x / 8] |= static_cast<uint8_t>(0x80 >> x % 8);
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

Bytes IconFileOf(const std::vector<Bytes>& images, int type = 1) {
  Bytes b;
  Put16(b, 0), Put16(b, type), Put16(b, static_cast<uint32_t>(images.size()));
  uint32_t at = 6 + 16 * static_cast<uint32_t>(images.size());
  for (const Bytes& image : images) {
    b.insert(b.end(), {0, 0, 0, 0, 1, 0, 32, 0});
    Put32(b, static_cast<uint32_t>(image.size())), Put32(b, at);
    at += static_cast<uint32_t>(image.size());
  }
  for (const Bytes& image : images) b.insert(b.end(), image.begin(), image.end());
  return b;
}

IconFile Read(const Bytes& bytes, const DecodeLimits& limits = {}) {
  UseMemoryFiles().Files["icon"] = bytes;
  ByteSource file("icon");
  return ReadIconFile(file, limits);
}

// A picture of the depth with every fifth pixel transparent.
Picture Masked(int32_t width, int32_t height, int bits) {
  Picture picture = TestPicture(width, height, bits, false);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      if ((x + 2 * y) % 5 == 0) picture.Row(y)[x] = 0;
  return picture;
}

TEST(IconReader, EveryDepthAndPngComeBackAsTheyWereMade) {
  struct Case {
    int bits;
    bool alpha;
  };
  std::vector<Bytes> images;
  std::vector<Picture> made;
  for (const Case& c : {Case{1, false}, Case{4, false}, Case{8, false}, Case{24, false},
                        Case{32, false}, Case{32, true}}) {
    made.push_back(c.alpha ? TestPicture(13, 7, 32, true) : Masked(13 + c.bits % 5, 7, c.bits));
    images.push_back(IconBitmap(made.back(), c.bits, c.alpha));
  }
  made.push_back(TestPicture(20, 10, 32, true));
  images.push_back(MakePng(made.back()));

  const IconFile icons = Read(IconFileOf(images, 2));
  ASSERT_TRUE(icons.IsIcon);
  EXPECT_TRUE(icons.Cursor);
  ASSERT_EQ(icons.Images.size(), made.size());
  const int bits[] = {1, 4, 8, 24, 32, 32, 32};
  for (size_t i = 0; i < made.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(icons.Images[i].Status, DecodeStatus::Decoded);
    EXPECT_EQ(icons.Images[i].Bits, bits[i]);
    EXPECT_EQ(icons.Images[i].Png, i + 1 == made.size());
    ExpectSamePixels(icons.Images[i].Image, made[i]);
  }
}

TEST(IconReader, BrokenAndHostileFilesAreDeclinedOrShownAsFarAsTheyGo) {
  const Picture picture = Masked(16, 16, 8);
  const Bytes one = IconFileOf({IconBitmap(picture, 8, false)});
  const size_t image = 6 + 16,
               rows = image + 40 + 1024;  // where the image and its colour rows start
  Bytes huge = one;
  for (size_t at : {image + 4, image + 8}) huge = Patched(huge, at, {0xFF, 0xFF, 0, 0});
  Bytes many = one;
  many = Patched(many, 4, {0xFF, 0xFF});  // 65535 entries, one there
  const Bytes repeated = IconFileOf(std::vector<Bytes>(40, IconBitmap(picture, 8, false)));
  struct Case {
    const char* what;
    Bytes bytes;
    bool isIcon;
    size_t images;
    DecodeStatus status = DecodeStatus::Decoded;
  };
  const Case cases[] = {
      {"zero length", {}, false, 0},
      {"not an icon", {'B', 'M', 0, 0, 0, 0, 0, 0}, false, 0},
      {"no images", Patched(one, 4, {0, 0}), false, 0},
      {"type 3", Patched(one, 2, {3, 0}), false, 0},
      {"directory cut short", Cut(one, 14), true, 0},
      {"more entries than the file holds", many, true, 1},
      {"colour rows cut", Cut(one, rows + 16 * 5 + 3), true, 1, DecodeStatus::Partial},
      {"mask cut", Cut(one, one.size() - 10), true, 1, DecodeStatus::Partial},
      {"header cut", Cut(one, image + 30), true, 0},
      {"entry claims too few bytes", Patched(one, 14, {1, 0, 0, 0}), true, 1},
      {"zero-length entry", Patched(one, 14, {0, 0, 0, 0}), true, 0},
      {"image past the end", Patched(one, 18, {0, 0, 1, 0}), true, 0},
      {"65535 x 65535 claimed", huge, true, 0},
      {"negative height", Patched(one, image + 8, {0, 0, 0, 0x80}), true, 0},
      {"palette of 1000", Patched(one, image + 32, {0xE8, 3, 0, 0}), true, 0},
      {"run-length compressed", Patched(one, image + 16, {1, 0, 0, 0}), true, 0},
      {"sixteen bits", Patched(one, image + 14, {16, 0}), true, 0},
      {"PNG cut", IconFileOf({Cut(MakePng(picture), 60)}), true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const IconFile icons = Read(c.bytes);
    EXPECT_EQ(icons.IsIcon, c.isIcon);
    ASSERT_EQ(icons.Images.size(), c.images);
    if (c.images) {
      EXPECT_EQ(icons.Images[0].Status, c.status);
    }
  }
  // The colour rows cut after five: those five are there, from the bottom,
  // unmasked (the mask is missing), the rest black.
  const IconFile cut = Read(Cut(one, rows + 16 * 5 + 3));
  for (int32_t y = 0; y < 16; ++y)
    for (int32_t x = 0; x < 16; ++x) {
      const uint32_t made = picture.Row(y)[x] ? picture.Row(y)[x] : TestPalette(8)[0];
      EXPECT_EQ(cut.Images[0].Image.Row(y)[x], y >= 11 ? made : PixelOf(0, 0, 0)) << x << "," << y;
    }
  // Images past the pixel budget are left out.
  EXPECT_EQ(Read(repeated, DecodeLimits{16 * 16 * 10}).Images.size(), 10u);
}

}  // namespace

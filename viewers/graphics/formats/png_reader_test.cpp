#include "viewers/graphics/formats/png_reader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "viewers/graphics/formats/test_pictures.h"

namespace {

struct Shape {
  int colour, bits;
  bool interlaced;
  bool key;  // a tRNS key colour (grey, RGB) or palette alphas
};

int ChannelsOf(int colour) { return colour == 2 ? 3 : colour == 4 ? 2 : colour == 6 ? 4 : 1; }

// The file's sample c of pixel (x, y), at its depth: varied in both bytes.
uint32_t SampleAt(uint32_t x, uint32_t y, int c, int bits) {
  return (x * 7919u + y * 104729u + static_cast<uint32_t>(c) * 31u + x * y) & ((1u << bits) - 1);
}

uint32_t PaletteColour(uint32_t i, bool alpha) {
  return PixelOf(static_cast<uint8_t>(i * 40), static_cast<uint8_t>(255 - i * 3), static_cast<uint8_t>(i * 11),
                 alpha && i < 5 ? static_cast<uint8_t>(i * 50) : 255);
}

uint8_t Scaled(uint32_t s, int bits) {
  return static_cast<uint8_t>(bits == 16 ? s >> 8 : bits == 8 ? s : s * 255 / ((1u << bits) - 1));
}

// What pixel (x, y) of a file of shape must show.
uint32_t Expected(const Shape& shape, uint32_t x, uint32_t y) {
  const auto s = [&](int c) { return SampleAt(x, y, c, shape.bits); };
  const auto v = [&](int c) { return Scaled(s(c), shape.bits); };
  const bool keyed = shape.key && s(0) == SampleAt(1, 0, 0, shape.bits) &&
                     (shape.colour == 0 || (s(1) == SampleAt(1, 0, 1, shape.bits) && s(2) == SampleAt(1, 0, 2, shape.bits)));
  switch (shape.colour) {
    case 0: return PixelOf(v(0), v(0), v(0), keyed ? 0 : 255);
    case 2: return PixelOf(v(0), v(1), v(2), keyed ? 0 : 255);
    case 3: return PaletteColour(s(0), shape.key);
    case 4: return PixelOf(v(0), v(0), v(0), v(1));
    default: return PixelOf(v(0), v(1), v(2), v(3));
  }
}

void Put32(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  Put32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// One row of the pass's pixels, packed, then filtered by filter.
Bytes FilteredRow(const Shape& shape, const std::vector<uint32_t>& xs, uint32_t y, int filter, const Bytes& prior) {
  const int channels = ChannelsOf(shape.colour);
  Bytes row((xs.size() * channels * shape.bits + 7) / 8);
  size_t bit = 0;
  for (uint32_t x : xs) {
    for (int c = 0; c < channels; ++c, bit += shape.bits) {
      const uint32_t sample = SampleAt(x, y, c, shape.bits);
      if (shape.bits == 16) {
        row[bit / 8] = static_cast<uint8_t>(sample >> 8), row[bit / 8 + 1] = static_cast<uint8_t>(sample);
      } else {
        row[bit / 8] |= static_cast<uint8_t>(sample << (8 - shape.bits - bit % 8));
      }
    }
  }
  const size_t bpp = std::max(1, channels * shape.bits / 8);
  Bytes out = {static_cast<uint8_t>(filter)};
  for (size_t i = 0; i < row.size(); ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0, b = prior.empty() ? 0 : prior[i];
    const int c = i >= bpp && !prior.empty() ? prior[i - bpp] : 0;
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    const int predicted[] = {0, a, b, (a + b) / 2, pa <= pb && pa <= pc ? a : pb <= pc ? b : c};
    out.push_back(static_cast<uint8_t>(row[i] - predicted[filter]));
  }
  return out;
}

// A width x height PNG of the shape, every filter used in turn, its data
// in several chunks.
Bytes MakePngOf(const Shape& shape, uint32_t width, uint32_t height) {
  struct Pass {
    uint32_t x0, y0, dx, dy;
  };
  const std::vector<Pass> passes = shape.interlaced
      ? std::vector<Pass>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
      : std::vector<Pass>{{0, 0, 1, 1}};
  Bytes raw;
  int filter = 0;
  for (const Pass& pass : passes) {
    std::vector<uint32_t> xs;
    for (uint32_t x = pass.x0; x < width; x += pass.dx) xs.push_back(x);
    if (xs.empty()) continue;
    Bytes prior;
    for (uint32_t y = pass.y0; y < height; y += pass.dy) {
      Bytes row = FilteredRow(shape, xs, y, filter++ % 5, prior);
      raw.insert(raw.end(), row.begin(), row.end());
      Bytes unfiltered = FilteredRow(shape, xs, y, 0, {});
      prior.assign(unfiltered.begin() + 1, unfiltered.end());
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  Bytes packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9);
  packed.resize(packedSize);

  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32(header, width), Put32(header, height);
  header.insert(header.end(), {static_cast<uint8_t>(shape.bits), static_cast<uint8_t>(shape.colour), 0, 0,
                               static_cast<uint8_t>(shape.interlaced)});
  PutChunk(png, "IHDR", header);
  if (shape.colour == 3) {
    Bytes palette, alphas;
    for (uint32_t i = 0; i < (1u << shape.bits); ++i) {
      const uint32_t p = PaletteColour(i, shape.key);
      palette.insert(palette.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)});
      if (i < 5) alphas.push_back(static_cast<uint8_t>(p >> 24));
    }
    PutChunk(png, "PLTE", palette);
    if (shape.key) PutChunk(png, "tRNS", alphas);
  } else if (shape.key) {
    Bytes key;
    for (int c = 0; c < (shape.colour == 2 ? 3 : 1); ++c) {
      const uint32_t s = SampleAt(1, 0, c, shape.bits);
      key.insert(key.end(), {static_cast<uint8_t>(s >> 8), static_cast<uint8_t>(s)});
    }
    PutChunk(png, "tRNS", key);
  }
  for (size_t at = 0; at < packed.size(); at += 50)
    PutChunk(png, "IDAT", Bytes(packed.begin() + at, packed.begin() + std::min(packed.size(), at + 50)));
  PutChunk(png, "IEND", {});
  return png;
}

void ExpectShape(const DecodedPicture& got, const Shape& shape, uint32_t width, uint32_t height, int reduction = 1) {
  ASSERT_EQ(got.Image.Width, static_cast<int32_t>((width + reduction - 1) / reduction));
  ASSERT_EQ(got.Image.Height, static_cast<int32_t>((height + reduction - 1) / reduction));
  for (uint32_t y = 0; y < height; y += reduction)
    for (uint32_t x = 0; x < width; x += reduction)
      ASSERT_EQ(got.Image.Row(static_cast<int32_t>(y / reduction))[x / reduction], Expected(shape, x, y))
          << "at " << x << "," << y;
}

TEST(PngReader, EveryColourTypeDepthAndInterlaceComesBackAsWritten) {
  const Shape shapes[] = {
      {0, 1, false, false}, {0, 2, true, false}, {0, 4, false, true}, {0, 8, true, true}, {0, 16, false, true},
      {2, 8, false, true},  {2, 16, true, true}, {3, 1, true, false}, {3, 2, false, true}, {3, 4, true, true},
      {3, 8, false, true},  {4, 8, true, false}, {4, 16, false, false}, {6, 8, false, false}, {6, 16, true, false},
  };
  for (const Shape& shape : shapes) {
    for (auto [width, height] : {std::pair{1u, 1u}, std::pair{3u, 5u}, std::pair{37u, 21u}}) {
      SCOPED_TRACE(testing::Message() << "colour " << shape.colour << ", " << shape.bits << " bits"
                                      << (shape.interlaced ? ", interlaced" : "") << ", " << width << "x" << height);
      const DecodedPicture got = ReadBytes(ReadPng, MakePngOf(shape, width, height));
      ASSERT_EQ(got.Status, DecodeStatus::Decoded);
      EXPECT_STREQ(got.Info.Format, "PNG");
      EXPECT_EQ(got.Info.BitsPerPixel, ChannelsOf(shape.colour) * shape.bits);
      ExpectShape(got, shape, width, height);
    }
  }
  // One written by another encoder, which chooses its own filters.
  const Picture clear = TestPicture(19, 7, 32, true);
  ExpectSamePixels(ReadBytes(ReadPng, MakePng(clear)).Image, clear);
}

TEST(PngReader, APictureOverTheLimitIsReducedWhileItIsRead) {
  for (bool interlaced : {false, true}) {
    const Shape shape{6, 8, interlaced, false};
    const DecodedPicture got = ReadBytes(ReadPng, MakePngOf(shape, 50, 37), DecodeLimits{400});
    ASSERT_EQ(got.Status, DecodeStatus::Decoded);
    EXPECT_EQ(got.Info.Width, 50);
    ASSERT_EQ(got.Info.Reduction, 3);
    ExpectShape(got, shape, 50, 37, 3);
  }
}

TEST(PngReader, ABrokenFileShowsItsSoundRowsAndAHostileOneIsDeclined) {
  const Shape shape{2, 8, false, false};
  const Bytes png = MakePngOf(shape, 40, 30);
  const size_t dataStart = 8 + 25;  // after the signature and the header chunk

  const DecodedPicture cut = ReadBytes(ReadPng, Cut(png, png.size() / 2));
  ASSERT_EQ(cut.Status, DecodeStatus::Partial);
  for (uint32_t x = 0; x < 40; ++x) ASSERT_EQ(cut.Image.Row(0)[x], Expected(shape, x, 0));

  struct Case {
    const char* what;
    Bytes bytes;
    DecodeStatus status;
  };
  const Case cases[] = {
      {"not a PNG", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0}, DecodeStatus::NotThisFormat},
      {"no rows", Cut(png, dataStart + 20), DecodeStatus::Declined},
      {"zero width", Patched(png, 16, {0, 0, 0, 0}), DecodeStatus::Declined},
      {"a row of gigabytes", Patched(png, 16, {0x7F, 0xFF, 0xFF, 0xFF}), DecodeStatus::Declined},
      {"a depth RGB cannot have", Patched(png, 24, {4}), DecodeStatus::Declined},
      {"a palette picture without its palette", Patched(MakePngOf({0, 8, false, false}, 4, 4), 25, {3}),
       DecodeStatus::Declined},
      {"data that is not deflated", Patched(png, dataStart + 8, {0xFF, 0xFF, 0xFF, 0xFF}), DecodeStatus::Declined},
      {"a data chunk longer than the file", Patched(png, dataStart, {0x7F, 0, 0, 0}), DecodeStatus::Declined},
  };
  for (const Case& c : cases) {
    const DecodedPicture got = ReadBytes(ReadPng, c.bytes);
    EXPECT_EQ(got.Status, c.status) << c.what;
    if (got.Status == DecodeStatus::Declined) {
      EXPECT_TRUE(got.Image.Pixels.empty()) << c.what;
    }
  }
}

}  // namespace

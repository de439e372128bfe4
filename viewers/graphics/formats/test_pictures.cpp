#include "viewers/graphics/formats/test_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

uint8_t Red(uint32_t p) { return static_cast<uint8_t>(p >> 16); }
uint8_t Green(uint32_t p) { return static_cast<uint8_t>(p >> 8); }
uint8_t Blue(uint32_t p) { return static_cast<uint8_t>(p); }
uint8_t Alpha(uint32_t p) { return static_cast<uint8_t>(p >> 24); }
uint8_t Widen5(int v) { return static_cast<uint8_t>((v * 255 + 15) / 31); }
int Narrow5(uint8_t v) { return (v * 31 + 127) / 255; }

void Put16(Bytes& b, uint32_t v) { b.push_back(v & 255), b.push_back((v >> 8) & 255); }
void Put32(Bytes& b, uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }

int IndexOf(const std::vector<uint32_t>& palette, uint32_t pixel) {
  return static_cast<int>(std::find(palette.begin(), palette.end(), pixel) - palette.begin());
}

// One row of indexes as RLE8 or RLE4: runs of equal indexes, and absolute
// pieces for stretches of three or more that do not repeat.
void EncodeRow(const std::vector<int>& row, bool four, Bytes& out) {
  size_t x = 0;
  while (x < row.size()) {
    size_t run = 1;
    while (x + run < row.size() && run < 255 && row[x + run] == row[x]) ++run;
    size_t single = 0;
    while (x + single < row.size() && single < 255 &&
           (x + single + 1 >= row.size() || row[x + single + 1] != row[x + single]))
      ++single;
    if (run == 1 && single >= 3) {
      out.push_back(0), out.push_back(static_cast<uint8_t>(single));
      size_t bytes = 0;
      for (size_t i = 0; i < single; i += four ? 2 : 1, ++bytes) {
        int hi = row[x + i], lo = four && i + 1 < single ? row[x + i + 1] : 0;
        out.push_back(static_cast<uint8_t>(four ? hi << 4 | lo : hi));
      }
      if (bytes % 2) out.push_back(0);
      x += single;
    } else {
      out.push_back(static_cast<uint8_t>(run));
      out.push_back(static_cast<uint8_t>(four ? row[x] << 4 | row[x] : row[x]));
      x += run;
    }
  }
  out.push_back(0), out.push_back(0);
}

}  // namespace

std::vector<uint32_t> TestPalette(int bits) {
  std::vector<uint32_t> palette;
  for (int i = 0; i < (1 << bits); ++i)
    palette.push_back(PixelOf(static_cast<uint8_t>(i * 37), static_cast<uint8_t>(255 - i * 11),
                              static_cast<uint8_t>(i * i)));
  return palette;
}

Picture TestPicture(int32_t width, int32_t height, int bits, bool alpha) {
  Picture p;
  p.Resize(width, height);
  std::vector<uint32_t> palette = bits <= 8 ? TestPalette(bits) : std::vector<uint32_t>();
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const int i = x * 7 + y * 13 + (x / 3) * (y / 2);
      uint32_t& out = p.Row(y)[x];
      if (bits <= 8) {
        // Stretches of one colour, so that run lengths have something to do.
        out = palette[static_cast<size_t>((x / 4 + y) % (1 << bits))];
        if (x % 5 == 4) out = palette[static_cast<size_t>(i) % palette.size()];
      } else if (bits == 16) {
        out = PixelOf(Widen5(i % 32), Widen5((i / 2) % 32), Widen5((i * 3) % 32));
      } else {
        out = PixelOf(static_cast<uint8_t>(i), static_cast<uint8_t>(i * 5),
                      static_cast<uint8_t>(i * 11), alpha ? static_cast<uint8_t>(i * 3) : 255);
      }
    }
  return p;
}

Bytes MakeBmp(const Picture& picture, int bits, BmpShape shape) {
  const bool core = shape == BmpShape::Core;
  const uint32_t infoSize = core ? 12 : shape == BmpShape::V5Alpha ? 124 : 40;
  const std::vector<uint32_t> palette = bits <= 8 ? TestPalette(bits) : std::vector<uint32_t>();
  const uint32_t compression = shape == BmpShape::Rle            ? (bits == 8 ? 1 : 2)
                               : shape == BmpShape::Fields ||
                                         shape == BmpShape::V5Alpha ? 3
                                                                    : 0;
  Bytes info;
  Put32(info, infoSize);
  if (core) {
    Put16(info, static_cast<uint32_t>(picture.Width));
    Put16(info, static_cast<uint32_t>(picture.Height));
    Put16(info, 1), Put16(info, static_cast<uint32_t>(bits));
  } else {
    Put32(info, static_cast<uint32_t>(picture.Width));
    Put32(info, static_cast<uint32_t>(shape == BmpShape::TopDown ? -picture.Height : picture.Height));
    Put16(info, 1), Put16(info, static_cast<uint32_t>(bits));
    Put32(info, compression);
    Put32(info, 0), Put32(info, 2835), Put32(info, 2835);
    Put32(info, static_cast<uint32_t>(palette.size())), Put32(info, 0);
    if (shape == BmpShape::V5Alpha) {
      Put32(info, 0xFF0000), Put32(info, 0xFF00), Put32(info, 0xFF), Put32(info, 0xFF000000);
      info.resize(infoSize, 0);
    }
  }
  if (shape == BmpShape::Fields) Put32(info, 0x7C00), Put32(info, 0x03E0), Put32(info, 0x001F);
  for (uint32_t c : palette) {
    info.push_back(Blue(c)), info.push_back(Green(c)), info.push_back(Red(c));
    if (!core) info.push_back(0);
  }

  Bytes pixels;
  for (int32_t i = 0; i < picture.Height; ++i) {
    const int32_t y = shape == BmpShape::TopDown ? i : picture.Height - 1 - i;
    const uint32_t* row = picture.Row(y);
    if (shape == BmpShape::Rle) {
      std::vector<int> indexes;
      for (int32_t x = 0; x < picture.Width; ++x) indexes.push_back(IndexOf(palette, row[x]));
      EncodeRow(indexes, bits == 4, pixels);
      continue;
    }
    Bytes line;
    uint32_t acc = 0;
    int filled = 0;
    for (int32_t x = 0; x < picture.Width; ++x) {
      const uint32_t p = row[x];
      if (bits <= 8) {
        acc = acc << bits | static_cast<uint32_t>(IndexOf(palette, p));
        if ((filled += bits) == 8) line.push_back(static_cast<uint8_t>(acc)), acc = 0, filled = 0;
      } else if (bits == 16) {
        Put16(line, static_cast<uint32_t>(Narrow5(Red(p)) << 10 | Narrow5(Green(p)) << 5 |
                                          Narrow5(Blue(p))));
      } else {
        line.push_back(Blue(p)), line.push_back(Green(p)), line.push_back(Red(p));
        if (bits == 32) line.push_back(shape == BmpShape::V5Alpha ? Alpha(p) : 0);
      }
    }
    if (filled) line.push_back(static_cast<uint8_t>(acc << (8 - filled)));
    while (line.size() % 4) line.push_back(0);
    pixels.insert(pixels.end(), line.begin(), line.end());
  }
  if (shape == BmpShape::Rle) pixels.push_back(0), pixels.push_back(1);

  Bytes file = {'B', 'M'};
  const uint32_t offset = 14 + static_cast<uint32_t>(info.size());
  Put32(file, offset + static_cast<uint32_t>(pixels.size()));
  Put32(file, 0);
  Put32(file, offset);
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

void ExpectSamePixels(const Picture& got, const Picture& want) {
  ASSERT_EQ(got.Width, want.Width);
  ASSERT_EQ(got.Height, want.Height);
  for (int32_t y = 0; y < want.Height; ++y)
    for (int32_t x = 0; x < want.Width; ++x)
      ASSERT_EQ(got.Row(y)[x], want.Row(y)[x]) << "at " << x << "," << y;
}

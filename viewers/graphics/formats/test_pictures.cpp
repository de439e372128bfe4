#include "viewers/graphics/formats/test_pictures.h"

#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <algorithm>

#include "viewer/buffer/memory_files.h"

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

Picture TestPicture(int32_t width, int32_t height, int bits, bool alpha,
                    std::vector<uint32_t> palette) {
  Picture p;
  p.Resize(width, height);
  if (palette.empty() && bits <= 8) palette = TestPalette(bits);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const int i = x * 7 + y * 13 + (x / 3) * (y / 2);
      uint32_t& out = p.Row(y)[x];
      if (bits <= 8) {
        // Stretches of one colour, so that run lengths have something to do.
        out = palette[static_cast<size_t>(x / 4 + y) % palette.size()];
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

Bytes MakePcx(const Picture& picture, int bits, int planes, const std::vector<uint32_t>& palette) {
  const int lineBytes = ((picture.Width * bits + 7) / 8 + 1) / 2 * 2;
  Bytes file(128, 0);
  file[0] = 10, file[1] = 5, file[2] = 1, file[3] = static_cast<uint8_t>(bits);
  file[8] = static_cast<uint8_t>(picture.Width - 1), file[9] = static_cast<uint8_t>((picture.Width - 1) >> 8);
  file[10] = static_cast<uint8_t>(picture.Height - 1), file[11] = static_cast<uint8_t>((picture.Height - 1) >> 8);
  file[65] = static_cast<uint8_t>(planes);
  file[66] = static_cast<uint8_t>(lineBytes), file[67] = static_cast<uint8_t>(lineBytes >> 8);
  if (bits * planes == 4)
    for (size_t i = 0; i < 16; ++i) {
      file[16 + 3 * i] = Red(palette[i]), file[17 + 3 * i] = Green(palette[i]);
      file[18 + 3 * i] = Blue(palette[i]);
    }
  for (int32_t y = 0; y < picture.Height; ++y) {
    Bytes line(static_cast<size_t>(lineBytes * planes), 0);
    for (int32_t x = 0; x < picture.Width; ++x) {
      const uint32_t p = picture.Row(y)[x];
      if (bits == 8 && planes >= 3) {
        line[static_cast<size_t>(x)] = Red(p);
        line[static_cast<size_t>(lineBytes + x)] = Green(p);
        line[static_cast<size_t>(2 * lineBytes + x)] = Blue(p);
        if (planes == 4) line[static_cast<size_t>(3 * lineBytes + x)] = Alpha(p);
      } else if (planes == 4) {
        const int index = IndexOf(palette, p);
        for (int plane = 0; plane < 4; ++plane)
          if (index >> plane & 1) line[static_cast<size_t>(plane * lineBytes + x / 8)] |= 0x80 >> (x % 8);
      } else {
        const int perByte = 8 / bits;
        line[static_cast<size_t>(x / perByte)] |=
            static_cast<uint8_t>(IndexOf(palette, p) << (8 - bits * (x % perByte + 1)));
      }
    }
    for (size_t i = 0; i < line.size();) {  // runs of up to 63, and bytes that look like runs
      size_t run = 1;
      while (i + run < line.size() && run < 63 && line[i + run] == line[i]) ++run;
      if (run > 1 || line[i] >= 0xC0) file.push_back(static_cast<uint8_t>(0xC0 | run));
      file.push_back(line[i]);
      i += run;
    }
  }
  if (bits == 8 && planes == 1) {
    file.push_back(12);
    for (uint32_t c : palette) file.push_back(Red(c)), file.push_back(Green(c)), file.push_back(Blue(c));
  }
  return file;
}

Bytes MakeTga(const Picture& picture, int type, int bits, int descriptor,
              const std::vector<uint32_t>& palette) {
  const bool mapped = (type & 7) == 1;
  Bytes file = {0, static_cast<uint8_t>(mapped), static_cast<uint8_t>(type)};
  Put16(file, 0), Put16(file, mapped ? static_cast<uint32_t>(palette.size()) : 0);
  file.push_back(mapped ? 24 : 0);
  Put16(file, 0), Put16(file, 0);
  Put16(file, static_cast<uint32_t>(picture.Width)), Put16(file, static_cast<uint32_t>(picture.Height));
  file.push_back(static_cast<uint8_t>(bits)), file.push_back(static_cast<uint8_t>(descriptor));
  if (mapped)
    for (uint32_t c : palette) file.push_back(Blue(c)), file.push_back(Green(c)), file.push_back(Red(c));
  std::vector<Bytes> pixels;
  for (int32_t i = 0; i < picture.Height; ++i)
    for (int32_t j = 0; j < picture.Width; ++j) {
      const int32_t y = descriptor & 32 ? i : picture.Height - 1 - i;
      const int32_t x = descriptor & 16 ? picture.Width - 1 - j : j;
      const uint32_t p = picture.Row(y)[x];
      Bytes b;
      if (mapped) {
        b.push_back(static_cast<uint8_t>(IndexOf(palette, p)));
      } else if ((type & 7) == 3) {
        b.push_back(Red(p));
        if (bits == 16) b.push_back(Alpha(p));
      } else if (bits <= 16) {
        Put16(b, static_cast<uint32_t>(Narrow5(Red(p)) << 10 | Narrow5(Green(p)) << 5 | Narrow5(Blue(p))));
      } else {
        b = {Blue(p), Green(p), Red(p)};
        if (bits == 32) b.push_back(Alpha(p));
      }
      pixels.push_back(b);
    }
  for (size_t i = 0; i < pixels.size();) {
    if (!(type & 8)) {
      file.insert(file.end(), pixels[i].begin(), pixels[i].end());
      ++i;
      continue;
    }
    size_t run = 1;  // packets run across rows
    while (i + run < pixels.size() && run < 128 && pixels[i + run] == pixels[i]) ++run;
    if (run > 1) {
      file.push_back(static_cast<uint8_t>(0x80 | (run - 1)));
      file.insert(file.end(), pixels[i].begin(), pixels[i].end());
    } else {
      size_t raw = 1;
      while (i + raw < pixels.size() && raw < 128 &&
             (i + raw + 1 >= pixels.size() || pixels[i + raw + 1] != pixels[i + raw]))
        ++raw;
      file.push_back(static_cast<uint8_t>(raw - 1));
      for (size_t k = 0; k < raw; ++k) file.insert(file.end(), pixels[i + k].begin(), pixels[i + k].end());
      run = raw;
    }
    i += run;
  }
  return file;
}

void ExpectSamePixels(const Picture& got, const Picture& want) {
  ASSERT_EQ(got.Width, want.Width);
  ASSERT_EQ(got.Height, want.Height);
  for (int32_t y = 0; y < want.Height; ++y)
    for (int32_t x = 0; x < want.Width; ++x)
      ASSERT_EQ(got.Row(y)[x], want.Row(y)[x]) << "at " << x << "," << y;
}

DecodedPicture ReadBytes(PictureReader reader, const Bytes& bytes, const DecodeLimits& limits) {
  UseMemoryFiles().Files["picture"] = bytes;
  DecodedPicture got;
  {
    ByteSource file("picture");
    got = reader(file, limits);
  }
  UsePlatformFiles();
  return got;
}

Bytes Patched(Bytes bytes, size_t at, std::initializer_list<uint8_t> patch) {
  std::copy(patch.begin(), patch.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
  return bytes;
}

Bytes Cut(const Bytes& bytes, size_t size) { return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)); }

Bytes MakePng(const Picture& picture) {
  Bytes rgba, out;
  for (uint32_t p : picture.Pixels) rgba.insert(rgba.end(), {Red(p), Green(p), Blue(p), Alpha(p)});
  stbi_write_png_to_func(
      [](void* to, void* data, int n) {
        static_cast<Bytes*>(to)->insert(static_cast<Bytes*>(to)->end(), static_cast<uint8_t*>(data),
                                        static_cast<uint8_t*>(data) + n);
      },
      &out, picture.Width, picture.Height, 4, rgba.data(), picture.Width * 4);
  return out;
}

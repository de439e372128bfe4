#include "viewers/graphics/formats/pcx_reader.h"

#include <vector>

#include "viewers/graphics/formats/reduced_rows.h"

namespace {

constexpr int kHeaderBytes = 128;

struct Layout {
  int Bits = 0, Planes = 0;
  bool operator==(const Layout&) const = default;
};
constexpr Layout kLayouts[] = {{1, 1}, {1, 4}, {4, 1}, {8, 1}, {8, 3}, {8, 4}};

bool Supported(Layout layout) {
  for (Layout known : kLayouts)
    if (known == layout) return true;
  return false;
}

// The picture's palette: the 16 colours of the header, the 256 at the end
// of an 8-bit file after their 12, or black and white, or grey.
std::vector<uint32_t> PaletteOf(ByteSource& file, const uint8_t* header, Layout layout) {
  std::vector<uint32_t> palette;
  auto add = [&](const uint8_t* rgb, int count) {
    for (int i = 0; i < count; ++i) palette.push_back(PixelOf(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]));
  };
  if (layout == Layout{1, 1}) {
    palette = {PixelOf(0, 0, 0), PixelOf(255, 255, 255)};
  } else if (layout.Bits * layout.Planes == 4) {
    add(header + 16, 16);
  } else if (layout == Layout{8, 1}) {
    uint8_t tail[769];
    if (file.Size() >= kHeaderBytes + 769 && file.ReadAt(file.Size() - 769, tail, 769) == 769 &&
        tail[0] == 12) {
      add(tail + 1, 256);
    } else {
      for (int i = 0; i < 256; ++i) palette.push_back(PixelOf(i, i, i));
    }
  }
  return palette;
}

}  // namespace

DecodedPicture ReadPcx(ByteSource& file, const DecodeLimits& limits) {
  DecodedPicture result;
  uint8_t h[kHeaderBytes];
  if (file.ReadAt(0, h, kHeaderBytes) < kHeaderBytes || h[0] != 10 || h[1] > 5 || h[2] > 1)
    return result;
  result.Status = DecodeStatus::Declined;
  const Layout layout{h[3], h[65]};
  const int64_t width = static_cast<int64_t>(Le16(h + 8)) - Le16(h + 4) + 1;
  const int64_t height = static_cast<int64_t>(Le16(h + 10)) - Le16(h + 6) + 1;
  const int lineBytes = Le16(h + 66);
  if (!Supported(layout) || width <= 0 || height <= 0 || lineBytes * 8 < width * layout.Bits)
    return result;
  const std::vector<uint32_t> palette = PaletteOf(file, h, layout);
  result.Info = {"PCX", static_cast<int32_t>(width), static_cast<int32_t>(height),
                 layout.Bits * layout.Planes, ReductionFor(width, height, limits)};
  ReducedRows rows(result.Image, result.Info.Width, result.Info.Height, result.Info.Reduction);
  if (result.Image.Pixels.empty()) return result;  // no memory for it

  const bool runLengths = h[2] == 1;
  std::vector<uint8_t> line(static_cast<size_t>(lineBytes) * layout.Planes);
  file.SeekTo(kHeaderBytes);
  int pending = 0, value = 0;  // a run may go on into the next row
  for (int64_t y = 0; y < height; ++y) {
    for (uint8_t& byte : line) {
      if (!pending) {
        value = file.Get();
        if (value < 0) {
          result.Status = y ? DecodeStatus::Partial : DecodeStatus::Declined;
          if (!y) result.Image = Picture();
          return result;
        }
        pending = 1;
        if (runLengths && value >= 0xC0) {
          pending = value & 0x3F;
          value = pending ? file.Get() : 0;
          if (value < 0) value = 0;
        }
      }
      if (pending) --pending;
      byte = static_cast<uint8_t>(value);
    }
    uint32_t* target = rows.Row(y);
    if (!target) continue;
    for (int64_t x = 0, shown = 0; x < width; x += rows.Reduction(), ++shown) {
      if (layout.Bits == 8 && layout.Planes >= 3) {
        const uint8_t* plane = line.data() + x;
        target[shown] = PixelOf(plane[0], plane[lineBytes], plane[2 * lineBytes],
                                layout.Planes == 4 ? plane[3 * lineBytes] : 255);
        continue;
      }
      uint32_t index = 0;
      if (layout.Planes == 4) {  // one bit from each plane, the first lowest
        for (int p = 0; p < 4; ++p)
          index |= ((line[static_cast<size_t>(p * lineBytes + x / 8)] >> (7 - x % 8)) & 1u) << p;
      } else {
        const int perByte = 8 / layout.Bits;
        index = (line[static_cast<size_t>(x / perByte)] >> (8 - layout.Bits * (x % perByte + 1))) &
                ((1u << layout.Bits) - 1);
      }
      target[shown] = index < palette.size() ? palette[index] : PixelOf(0, 0, 0);
    }
  }
  result.Status = DecodeStatus::Decoded;
  return result;
}

#include "viewers/graphics/formats/tga_reader.h"

#include <utility>
#include <vector>

#include "viewers/graphics/formats/reduced_rows.h"

namespace {

constexpr int kHeaderBytes = 18;

enum ImageType { kMapped = 1, kTrueColour = 2, kGrey = 3, kRunLength = 8 };

// A colour of 15 to 32 bits as Targa stores it: blue first.
uint32_t ColourOf(const uint8_t* p, int bits, bool alpha) {
  switch (bits) {
    case 15:
    case 16: {
      const uint32_t v = Le16(p);
      auto widen = [](uint32_t five) { return static_cast<uint8_t>((five * 255 + 15) / 31); };
      return PixelOf(widen(v >> 10 & 31), widen(v >> 5 & 31), widen(v & 31));
    }
    case 24:
      return PixelOf(p[2], p[1], p[0]);
    default:
      return PixelOf(p[2], p[1], p[0], alpha ? p[3] : 255);
  }
}

struct Header {
  int Type = 0;  // without kRunLength
  bool RunLength = false;
  int64_t Width = 0, Height = 0;
  int Bits = 0;
  bool Alpha = false, RightToLeft = false, TopDown = false;
  std::vector<uint32_t> Map;
  int64_t DataOffset = 0;
};

bool ReadHeader(ByteSource& file, Header& h) {
  uint8_t b[kHeaderBytes];
  if (file.ReadAt(0, b, kHeaderBytes) < kHeaderBytes) return false;
  h.RunLength = b[2] & kRunLength;
  h.Type = b[2] & ~kRunLength;
  const int mapType = b[1], mapFirst = Le16(b + 3), mapLength = Le16(b + 5), mapBits = b[7];
  h.Width = Le16(b + 12);
  h.Height = Le16(b + 14);
  h.Bits = b[16];
  h.Alpha = (b[17] & 15) != 0;
  h.RightToLeft = b[17] & 16;
  h.TopDown = b[17] & 32;
  if ((b[2] & ~(kRunLength | 3)) || h.Type == 0 || mapType > 1 || (b[17] & 0xC0) ||
      h.Width == 0 || h.Height == 0)
    return false;
  const bool mapBitsValid = mapBits == 15 || mapBits == 16 || mapBits == 24 || mapBits == 32;
  switch (h.Type) {
    case kMapped:
      if (mapType != 1 || (h.Bits != 8 && h.Bits != 16) || !mapBitsValid || mapLength == 0)
        return false;
      break;
    case kTrueColour:
      if (h.Bits != 15 && h.Bits != 16 && h.Bits != 24 && h.Bits != 32) return false;
      break;
    case kGrey:
      if (h.Bits != 8 && h.Bits != 16) return false;
      break;
    default:
      return false;
  }
  if (mapType == 1 && !mapBitsValid) return false;
  int64_t at = kHeaderBytes + b[0];
  if (mapType == 1) {
    const int entry = (mapBits + 7) / 8;
    std::vector<uint8_t> raw(static_cast<size_t>(mapLength) * entry);
    if (file.ReadAt(at, raw.data(), raw.size()) < raw.size()) return false;
    if (h.Type == kMapped) {
      h.Map.assign(mapFirst, PixelOf(0, 0, 0));
      for (int i = 0; i < mapLength; ++i) h.Map.push_back(ColourOf(raw.data() + i * entry, mapBits, true));
    }
    at += static_cast<int64_t>(raw.size());
  }
  h.DataOffset = at;
  return true;
}

uint32_t PixelFrom(const Header& h, const uint8_t* p) {
  switch (h.Type) {
    case kMapped: {
      const uint32_t index = h.Bits == 8 ? p[0] : Le16(p);
      return index < h.Map.size() ? h.Map[index] : PixelOf(0, 0, 0);
    }
    case kGrey:
      return PixelOf(p[0], p[0], p[0], h.Bits == 16 ? p[1] : 255);
    default:
      return ColourOf(p, h.Bits, h.Alpha);
  }
}

}  // namespace

DecodedPicture ReadTga(ByteSource& file, const DecodeLimits& limits) {
  DecodedPicture result;
  Header h;
  if (!ReadHeader(file, h)) return result;
  result.Status = DecodeStatus::Declined;
  result.Info = {"TGA", static_cast<int32_t>(h.Width), static_cast<int32_t>(h.Height), h.Bits,
                 ReductionFor(h.Width, h.Height, limits)};
  ReducedRows rows(result.Image, result.Info.Width, result.Info.Height, result.Info.Reduction);
  if (result.Image.Pixels.empty()) return result;  // no memory for it
  const int r = rows.Reduction();
  const int pixelBytes = (h.Bits + 7) / 8;

  file.SeekTo(h.DataOffset);
  // The file ends early: what came so far, or nothing when not one row did.
  auto cutShort = [&](int64_t rowsDone) {
    result.Status = rowsDone ? DecodeStatus::Partial : DecodeStatus::Declined;
    if (!rowsDone) result.Image = Picture();
    return std::move(result);
  };
  uint8_t pixel[4] = {};
  int packet = 0;          // pixels left in the current packet
  bool repeating = false;  // a run packet repeats the pixel it holds
  for (int64_t i = 0; i < h.Height; ++i) {
    uint32_t* target = rows.Row(h.TopDown ? i : h.Height - 1 - i);
    for (int64_t x = 0; x < h.Width; ++x) {
      if (packet == 0 && h.RunLength) {
        const int head = file.Get();
        if (head < 0) return cutShort(i);
        packet = (head & 127) + 1;
        repeating = head & 128;
        if (repeating && file.Read(pixel, pixelBytes) < static_cast<size_t>(pixelBytes))
          return cutShort(i);
      }
      if (!h.RunLength || !repeating) {
        if (file.Read(pixel, pixelBytes) < static_cast<size_t>(pixelBytes))
          return cutShort(i);
      }
      if (h.RunLength) --packet;
      const int64_t column = h.RightToLeft ? h.Width - 1 - x : x;
      if (target && column % r == 0) target[column / r] = PixelFrom(h, pixel);
    }
  }
  result.Status = DecodeStatus::Decoded;
  return result;
}

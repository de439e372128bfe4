#include "viewers/icons/formats/icon_bitmap.h"

#include <algorithm>
#include <vector>

#include "viewers/graphics/formats/byte_source.h"

namespace {
constexpr uint32_t kLargestHeader = 1024;  // the largest bitmap header is 124 bytes
constexpr int32_t kLargestSide = 1 << 20;

bool KnownDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

// The colour of pixel x of a colour row.
uint32_t ColourAt(const uint8_t* row, int32_t x, int bits, const std::vector<uint32_t>& palette) {
  switch (bits) {
    case 32: return Le32(row + 4 * x);
    case 24: return PixelOf(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 8: return palette[row[x]];
    case 4: return palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
    default: return palette[(row[x / 8] >> (7 - x % 8)) & 1];
  }
}
}  // namespace

bool ReadIconBitmapHeader(const uint8_t* bytes, size_t size, IconBitmapHeader& header) {
  if (size < 40) return false;
  header.HeaderSize = Le32(bytes);
  header.Width = static_cast<int32_t>(Le32(bytes + 4));
  const auto doubleHeight = static_cast<int32_t>(Le32(bytes + 8));
  header.Height = doubleHeight / 2;
  header.Bits = Le16(bytes + 14);
  const uint32_t compression = Le32(bytes + 16);
  const uint32_t used = Le32(bytes + 32);
  if (header.HeaderSize < 40 || header.HeaderSize > kLargestHeader || compression != 0 ||
      !KnownDepth(header.Bits) || header.Width <= 0 || header.Width > kLargestSide ||
      header.Height <= 0 || header.Height > kLargestSide)
    return false;
  // Up to 8 bits the palette is the pixels' colours; above, an optional
  // list of colours for screens with a palette, skipped.
  const uint32_t most = header.Bits <= 8 ? 1u << header.Bits : 256;
  if (used > most) return false;
  header.Colours = used ? used : header.Bits <= 8 ? most : 0;
  return true;
}

DecodedPicture DecodeIconBitmap(const IconBitmapHeader& header, const uint8_t* bytes, size_t size) {
  DecodedPicture result;
  result.Status = DecodeStatus::Declined;
  result.Info = {"ICO", header.Width, header.Height, header.Bits, 1};
  Picture& image = result.Image;
  if (!image.Resize(header.Width, header.Height)) return result;
  const auto have = static_cast<int64_t>(size);
  int64_t at = header.HeaderSize;
  std::vector<uint32_t> palette(header.Bits <= 8 ? 1u << header.Bits : 0, PixelOf(0, 0, 0));
  for (uint32_t i = 0; i < header.Colours; ++i, at += 4)
    if (i < palette.size() && at + 4 <= have) palette[i] = Le32(bytes + at) | 0xFF000000u;

  bool whole = true, anyAlpha = false;
  const int64_t colourStride = header.ColourStride();
  for (int32_t i = 0; i < header.Height; ++i, at += colourStride) {
    if (at + colourStride > have) {
      whole = false;
      break;
    }
    uint32_t* out = image.Row(header.Height - 1 - i);
    for (int32_t x = 0; x < header.Width; ++x) {
      out[x] = ColourAt(bytes + at, x, header.Bits, palette);
      if (header.Bits == 32)
        anyAlpha |= (out[x] >> 24) != 0;
      else
        out[x] |= 0xFF000000u;
    }
  }
  if (header.Bits == 32 && !anyAlpha)
    for (uint32_t& p : image.Pixels) p |= 0xFF000000u;

  // The mask follows the colour rows wherever they are complete.
  at = header.HeaderSize + 4LL * header.Colours + colourStride * header.Height;
  const int64_t maskStride = header.MaskStride();
  for (int32_t i = 0; i < header.Height && !anyAlpha; ++i, at += maskStride) {
    if (at + maskStride > have) {
      whole = false;
      break;
    }
    uint32_t* out = image.Row(header.Height - 1 - i);
    for (int32_t x = 0; x < header.Width; ++x)
      if ((bytes[at + x / 8] >> (7 - x % 8)) & 1) out[x] = 0;
  }
  result.Status = whole ? DecodeStatus::Decoded : DecodeStatus::Partial;
  return result;
}

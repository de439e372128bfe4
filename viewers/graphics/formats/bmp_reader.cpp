#include "viewers/graphics/formats/bmp_reader.h"

#include <algorithm>
#include <array>

#include "viewers/graphics/formats/reduced_rows.h"

namespace {

constexpr int64_t kLargestSide = 1 << 30;
constexpr int64_t kLargestRowBytes = 64LL << 20;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

// A colour channel under a bit mask, widened to eight bits.
struct Channel {
  uint32_t Mask = 0;
  int Shift = 0;
  uint32_t Largest = 0;

  explicit Channel(uint32_t mask = 0) : Mask(mask) {
    if (!mask) return;
    while (!(mask & 1)) mask >>= 1, ++Shift;
    Largest = mask;
  }
  uint8_t Take(uint32_t value, uint8_t absent) const {
    if (!Mask) return absent;
    uint64_t v = (value & Mask) >> Shift;
    return static_cast<uint8_t>((v * 255 + Largest / 2) / Largest);
  }
};

struct Header {
  int32_t Width = 0, Height = 0;
  bool TopDown = false;
  int Bits = 0;
  uint32_t Compression = kRgb;
  uint32_t DataOffset = 0;
  std::array<Channel, 4> Channels;  // red, green, blue, alpha
  std::vector<uint32_t> Palette;
};

bool ReadHeader(ByteSource& file, Header& h) {
  uint8_t head[14 + 124] = {};
  size_t got = file.ReadAt(0, head, sizeof head);
  if (got < 26 || head[0] != 'B' || head[1] != 'M') return false;
  const uint8_t* info = head + 14;
  const uint32_t infoSize = Le32(info);
  if (infoSize < 12 || infoSize > 124 || got < 14 + std::min<uint32_t>(infoSize, 40)) return false;
  h.DataOffset = Le32(head + 10);
  int64_t height;
  bool os2v2 = infoSize != 12 && infoSize != 40 && infoSize < 52;
  if (infoSize == 12) {
    h.Width = Le16(info + 4);
    height = Le16(info + 6);
    h.Bits = Le16(info + 10);
  } else {
    h.Width = static_cast<int32_t>(Le32(info + 4));
    height = static_cast<int32_t>(Le32(info + 8));
    h.Bits = Le16(info + 14);
    h.Compression = infoSize >= 20 ? Le32(info + 16) : kRgb;
  }
  if (os2v2 && h.Compression > kRle4) return false;  // OS/2's Huffman and RLE24
  h.TopDown = height < 0;
  if (h.Width <= 0 || height == 0 || h.Width > kLargestSide || height < -kLargestSide ||
      height > kLargestSide)
    return false;
  h.Height = static_cast<int32_t>(h.TopDown ? -height : height);
  switch (h.Compression) {
    case kRgb:
      if (h.Bits != 1 && h.Bits != 2 && h.Bits != 4 && h.Bits != 8 && h.Bits != 16 &&
          h.Bits != 24 && h.Bits != 32)
        return false;
      break;
    case kRle8:
      if (h.Bits != 8 || h.TopDown) return false;
      break;
    case kRle4:
      if (h.Bits != 4 || h.TopDown) return false;
      break;
    case kBitFields:
    case kAlphaBitFields:
      if (h.Bits != 16 && h.Bits != 32) return false;
      break;
    default:
      return false;
  }

  // Masks: in the header from version 2 on, else just after it.
  uint32_t masks[4] = {};
  const int maskCount = h.Compression == kAlphaBitFields ? 4 : 3;
  uint32_t tableAt = 14 + infoSize;
  if (h.Compression == kBitFields || h.Compression == kAlphaBitFields) {
    uint8_t raw[16] = {};
    if (infoSize >= 52) {
      std::copy(info + 40, info + std::min<uint32_t>(infoSize, 56), raw);
    } else {
      file.ReadAt(tableAt, raw, 4 * maskCount);
      tableAt += 4 * maskCount;
    }
    for (int i = 0; i < maskCount; ++i) masks[i] = Le32(raw + 4 * i);
    if (h.Compression == kBitFields && infoSize >= 56) masks[3] = Le32(raw + 12);
  } else if (h.Bits == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else if (h.Bits >= 24) {
    masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  }
  for (int i = 0; i < 4; ++i) h.Channels[i] = Channel(masks[i]);

  if (h.Bits <= 8) {
    const uint32_t used = infoSize >= 36 ? Le32(info + 32) : 0;
    const uint32_t count = used && used < (1u << h.Bits) ? used : 1u << h.Bits;
    const int entry = infoSize == 12 ? 3 : 4;
    std::vector<uint8_t> raw(count * entry);
    size_t read = file.ReadAt(tableAt, raw.data(), raw.size()) / entry;
    for (size_t i = 0; i < read; ++i) {
      const uint8_t* e = raw.data() + i * entry;
      h.Palette.push_back(PixelOf(e[2], e[1], e[0]));
    }
  }
  return true;
}

uint32_t PixelAt(const Header& h, const uint8_t* row, int32_t x) {
  switch (h.Bits) {
    case 24:
      return PixelOf(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 16:
    case 32: {
      uint32_t v = h.Bits == 16 ? Le16(row + 2 * x) : Le32(row + 4 * x);
      return PixelOf(h.Channels[0].Take(v, 0), h.Channels[1].Take(v, 0),
                     h.Channels[2].Take(v, 0), h.Channels[3].Take(v, 255));
    }
    default: {
      const int perByte = 8 / h.Bits;
      const int shift = 8 - h.Bits * (x % perByte + 1);
      uint32_t index = (row[x / perByte] >> shift) & ((1u << h.Bits) - 1);
      return index < h.Palette.size() ? h.Palette[index] : PixelOf(0, 0, 0);
    }
  }
}

DecodeStatus ReadRows(ByteSource& file, const Header& h, ReducedRows& out) {
  const int64_t stride = (static_cast<int64_t>(h.Width) * h.Bits + 31) / 32 * 4;
  const int64_t used = (static_cast<int64_t>(h.Width) * h.Bits + 7) / 8;
  if (used > kLargestRowBytes) return DecodeStatus::Declined;
  std::vector<uint8_t> row(static_cast<size_t>(used));
  bool any = false;
  // The rows kept, in the file's order, so that a file cut short keeps
  // what it has.
  const int r = out.Reduction();
  const int64_t lastKept = (h.Height - 1) / r * r;
  for (int64_t k = 0; k <= lastKept; k += r) {
    const int64_t y = h.TopDown ? k : lastKept - k;
    const int64_t i = h.TopDown ? y : h.Height - 1 - y;
    uint32_t* target = out.Row(y);
    if (file.ReadAt(h.DataOffset + i * stride, row.data(), row.size()) < row.size())
      return any ? DecodeStatus::Partial : DecodeStatus::Declined;
    any = true;
    for (int32_t x = 0, shown = 0; x < h.Width; x += out.Reduction(), ++shown)
      target[shown] = PixelAt(h, row.data(), x);
  }
  return DecodeStatus::Decoded;
}

// Run-length rows: always bottom-up, drawn from the bottom left; pixels
// that escapes skip stay black.
DecodeStatus ReadRunLengths(ByteSource& file, const Header& h, ReducedRows& out) {
  const bool four = h.Compression == kRle4;
  int64_t x = 0, fileRow = 0;
  uint32_t* target = out.Row(h.Height - 1);
  auto put = [&](uint32_t index) {
    if (target && x < h.Width && x % out.Reduction() == 0)
      target[x / out.Reduction()] = index < h.Palette.size() ? h.Palette[index] : PixelOf(0, 0, 0);
    ++x;
  };
  auto moveTo = [&](int64_t row) {
    fileRow = row;
    target = fileRow < h.Height ? out.Row(static_cast<int32_t>(h.Height - 1 - fileRow)) : nullptr;
  };
  file.SeekTo(h.DataOffset);
  while (fileRow < h.Height) {
    int count = file.Get(), value = file.Get();
    if (value < 0) return DecodeStatus::Partial;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? (i % 2 ? value & 15 : value >> 4) : value);
    } else if (value == 0) {
      x = 0;
      moveTo(fileRow + 1);
    } else if (value == 1) {
      return DecodeStatus::Decoded;
    } else if (value == 2) {
      int dx = file.Get(), dy = file.Get();
      if (dy < 0) return DecodeStatus::Partial;
      x += dx;
      if (dy) moveTo(fileRow + dy);
    } else {
      const int bytes = four ? (value + 1) / 2 : value;
      for (int i = 0, byte = 0; i < value; ++i) {
        if (!four || i % 2 == 0) byte = file.Get();
        if (byte < 0) return DecodeStatus::Partial;
        put(four ? (i % 2 ? byte & 15 : byte >> 4) : byte);
      }
      if (bytes % 2 && file.Get() < 0) return DecodeStatus::Partial;
    }
  }
  return DecodeStatus::Decoded;
}

}  // namespace

DecodedPicture ReadBmp(ByteSource& file, const DecodeLimits& limits) {
  DecodedPicture result;
  uint8_t magic[2] = {};
  if (file.ReadAt(0, magic, 2) < 2 || magic[0] != 'B' || magic[1] != 'M') return result;
  Header h;
  result.Status = DecodeStatus::Declined;
  if (!ReadHeader(file, h)) return result;
  result.Info = {"BMP", h.Width, h.Height, h.Bits, ReductionFor(h.Width, h.Height, limits)};
  ReducedRows rows(result.Image, h.Width, h.Height, result.Info.Reduction);
  if (result.Image.Pixels.empty()) return result;  // no memory for it
  result.Status = h.Compression == kRle8 || h.Compression == kRle4 ? ReadRunLengths(file, h, rows)
                                                                   : ReadRows(file, h, rows);
  if (result.Status == DecodeStatus::Declined) result.Image = Picture();
  return result;
}

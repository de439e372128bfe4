#include "viewers/icons/formats/icon_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "viewers/graphics/formats/png_reader.h"
#include "viewers/icons/formats/icon_bitmap.h"

namespace {
constexpr int kDirectoryEntry = 16;
constexpr int64_t kLargestPngBytes = 64LL << 20;

using Bytes = std::vector<uint8_t>;

// n bytes at offset, as many as the file holds.
Bytes ReadBlock(ByteSource& file, int64_t offset, int64_t n) {
  Bytes bytes(static_cast<size_t>(std::clamp<int64_t>(std::min(n, file.Size() - offset), 0, n)));
  bytes.resize(file.ReadAt(offset, bytes.data(), bytes.size()));
  return bytes;
}

// The image whose entry says it takes length bytes at offset; a bitmap is
// read as far as its own header says, whatever the entry claims.
DecodedPicture ReadImage(ByteSource& file, int64_t offset, int64_t length, int64_t maxPixels) {
  DecodedPicture none;
  none.Status = DecodeStatus::Declined;
  const Bytes head = ReadBlock(file, offset, 1024);
  if (head.size() >= 8 && std::memcmp(head.data(), "\x89PNG\r\n\x1A\n", 8) == 0) {
    if (length > kLargestPngBytes) return none;
    const Bytes png = ReadBlock(file, offset, length);
    return ReadPngBlock(png.data(), png.size(), DecodeLimits{maxPixels});
  }
  IconBitmapHeader header;
  if (!ReadIconBitmapHeader(head.data(), head.size(), header)) return none;
  if (static_cast<int64_t>(header.Width) * header.Height > maxPixels) {
    none.Status = DecodeStatus::TooLarge;
    return none;
  }
  const Bytes bitmap = ReadBlock(file, offset, header.Bytes());
  return DecodeIconBitmap(header, bitmap.data(), bitmap.size());
}
}  // namespace

IconFile ReadIconFile(ByteSource& file, const DecodeLimits& limits) {
  IconFile icons;
  uint8_t head[6];
  if (file.ReadAt(0, head, 6) < 6 || Le16(head) != 0 ||
      (Le16(head + 2) != 1 && Le16(head + 2) != 2) || Le16(head + 4) == 0)
    return icons;
  icons.IsIcon = true;
  icons.Cursor = Le16(head + 2) == 2;
  int64_t pixelsLeft = limits.MaxPixels;
  for (int i = 0; i < Le16(head + 4); ++i) {
    uint8_t entry[kDirectoryEntry];
    if (file.ReadAt(6 + kDirectoryEntry * i, entry, kDirectoryEntry) < kDirectoryEntry) break;
    const int64_t length = Le32(entry + 8), offset = Le32(entry + 12);
    if (length == 0 || offset < 6 || offset >= file.Size()) continue;
    DecodedPicture got = ReadImage(file, offset, length, pixelsLeft);
    if (got.Status != DecodeStatus::Decoded && got.Status != DecodeStatus::Partial) continue;
    pixelsLeft -= static_cast<int64_t>(got.Image.Width) * got.Image.Height;
    const bool png = std::strcmp(got.Info.Format, "PNG") == 0;
    icons.Images.push_back({got.Status, got.Info.BitsPerPixel, png, std::move(got.Image)});
  }
  return icons;
}

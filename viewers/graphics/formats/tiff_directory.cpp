#include "viewers/graphics/formats/tiff_directory.h"

#include <algorithm>
#include <set>

namespace {

constexpr size_t kMostEntries = 4096;
constexpr uint64_t kMostValues = 1u << 24;

enum Tag : uint16_t {
  kImageWidth = 256,
  kImageLength = 257,
  kBitsPerSample = 258,
  kCompression = 259,
  kPhotometric = 262,
  kStripOffsets = 273,
  kSamplesPerPixel = 277,
  kRowsPerStrip = 278,
  kStripByteCounts = 279,
  kPlanarConfiguration = 284,
  kPredictor = 317,
  kColorMap = 320,
  kTileWidth = 322,
  kTileLength = 323,
  kTileOffsets = 324,
  kTileByteCounts = 325,
  kExtraSamples = 338,
  kSampleFormat = 339,
};

enum Type : uint16_t { kByte = 1, kShort = 3, kLong = 4 };

bool IsBigEndian(ByteSource& file, bool& big) {
  uint8_t head[4];
  if (file.ReadAt(0, head, 4) < 4) return false;
  if (head[0] == 'I' && head[1] == 'I' && head[2] == 42 && head[3] == 0) return big = false, true;
  if (head[0] == 'M' && head[1] == 'M' && head[2] == 0 && head[3] == 42) return big = true, true;
  return false;
}

uint16_t U16(const uint8_t* p, bool big) { return big ? static_cast<uint16_t>(p[0] << 8 | p[1]) : Le16(p); }
uint32_t U32(const uint8_t* p, bool big) {
  return big ? static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
                   static_cast<uint32_t>(p[2]) << 8 | p[3]
             : Le32(p);
}

bool ReadU32(ByteSource& file, int64_t at, bool big, uint32_t& value) {
  uint8_t b[4];
  if (file.ReadAt(at, b, 4) < 4) return false;
  value = U32(b, big);
  return true;
}

// The values of one entry as numbers; bytes, shorts and longs only.
std::vector<uint64_t> ValuesOf(ByteSource& file, const uint8_t* entry, bool big) {
  const uint16_t type = U16(entry + 2, big);
  const uint32_t count = U32(entry + 4, big);
  const int size = type == kByte ? 1 : type == kShort ? 2 : type == kLong ? 4 : 0;
  std::vector<uint64_t> values;
  if (!size || count == 0 || count > kMostValues) return values;
  const uint64_t bytes = static_cast<uint64_t>(count) * size;
  std::vector<uint8_t> raw(static_cast<size_t>(std::max<uint64_t>(bytes, 4)));
  if (bytes <= 4) {
    std::copy(entry + 8, entry + 12, raw.begin());
  } else if (file.ReadAt(U32(entry + 8, big), raw.data(), static_cast<size_t>(bytes)) < bytes) {
    return values;
  }
  values.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* p = raw.data() + static_cast<size_t>(i) * size;
    values.push_back(size == 1 ? p[0] : size == 2 ? U16(p, big) : U32(p, big));
  }
  return values;
}

template <typename T>
std::vector<T> Narrowed(const std::vector<uint64_t>& values) {
  return std::vector<T>(values.begin(), values.end());
}

}  // namespace

std::vector<uint32_t> TiffDirectories(ByteSource& file) {
  std::vector<uint32_t> offsets;
  bool big;
  uint32_t next;
  if (!IsBigEndian(file, big) || !ReadU32(file, 4, big, next)) return offsets;
  std::set<uint32_t> seen;
  while (next && offsets.size() < kMostTiffPages && seen.insert(next).second) {
    uint8_t count[2];
    if (file.ReadAt(next, count, 2) < 2) break;
    offsets.push_back(next);
    if (!ReadU32(file, next + 2 + 12LL * U16(count, big), big, next)) break;
  }
  return offsets;
}

bool ReadTiffPage(ByteSource& file, uint32_t offset, TiffPage& page) {
  bool big;
  if (!IsBigEndian(file, big)) return false;
  page.BigEndian = big;
  uint8_t countBytes[2];
  if (file.ReadAt(offset, countBytes, 2) < 2) return false;
  const size_t count = std::min<size_t>(U16(countBytes, big), kMostEntries);
  std::vector<uint8_t> entries(count * 12);
  if (file.ReadAt(offset + 2LL, entries.data(), entries.size()) < entries.size()) return false;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* entry = entries.data() + i * 12;
    const std::vector<uint64_t> v = ValuesOf(file, entry, big);
    if (v.empty()) continue;
    const uint32_t first = static_cast<uint32_t>(std::min<uint64_t>(v[0], 0xFFFFFFFF));
    switch (U16(entry, big)) {
      case kImageWidth: page.Width = first; break;
      case kImageLength: page.Height = first; break;
      case kBitsPerSample: page.BitsPerSample = Narrowed<uint16_t>(v); break;
      case kCompression: page.Compression = first; break;
      case kPhotometric: page.Photometric = first; break;
      case kSamplesPerPixel: page.SamplesPerPixel = first; break;
      case kRowsPerStrip: page.RowsPerStrip = first; break;
      case kPlanarConfiguration: page.PlanarConfiguration = first; break;
      case kPredictor: page.Predictor = first; break;
      case kTileWidth: page.TileWidth = first; break;
      case kTileLength: page.TileLength = first; break;
      case kStripOffsets:
      case kTileOffsets: page.Offsets = v; break;
      case kStripByteCounts:
      case kTileByteCounts: page.ByteCounts = v; break;
      case kColorMap: page.ColorMap = Narrowed<uint16_t>(v); break;
      case kExtraSamples: page.ExtraSamples = Narrowed<uint16_t>(v); break;
      case kSampleFormat: page.SampleFormat = Narrowed<uint16_t>(v); break;
      default: break;
    }
  }
  return true;
}

#include "viewers/graphics/formats/exif_orientation.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kUpright = 1;
constexpr uint16_t kOrientationTag = 0x0112;

uint16_t U16(const uint8_t* p, bool big) { return big ? static_cast<uint16_t>(p[0] << 8 | p[1]) : Le16(p); }
uint32_t U32(const uint8_t* p, bool big) {
  return big ? static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
                   static_cast<uint32_t>(p[2]) << 8 | p[3]
             : Le32(p);
}

// The orientation in a TIFF structure of size bytes.
int OrientationIn(const uint8_t* tiff, size_t size) {
  if (size < 8) return kUpright;
  const bool big = tiff[0] == 'M';
  if (std::memcmp(tiff, big ? "MM\0*" : "II*\0", 4) != 0) return kUpright;
  const uint32_t directory = U32(tiff + 4, big);
  if (directory > size - 2) return kUpright;
  const uint16_t count = U16(tiff + directory, big);
  for (uint32_t i = 0; i < count; ++i) {
    const size_t at = directory + 2 + 12 * static_cast<size_t>(i);
    if (at + 12 > size) break;
    if (U16(tiff + at, big) == kOrientationTag && U16(tiff + at + 2, big) == 3) {
      const int value = U16(tiff + at + 8, big);
      return value >= 1 && value <= 8 ? value : kUpright;
    }
  }
  return kUpright;
}

}  // namespace

int JpegOrientation(ByteSource& file) {
  uint8_t head[2];
  if (file.ReadAt(0, head, 2) < 2 || head[0] != 0xFF || head[1] != 0xD8) return kUpright;
  int64_t at = 2;
  // The segments before the picture data; EXIF comes first, so a few do.
  for (int segment = 0; segment < 32; ++segment) {
    uint8_t marker[4];
    if (file.ReadAt(at, marker, 4) < 4 || marker[0] != 0xFF) return kUpright;
    const int type = marker[1];
    const size_t length = static_cast<size_t>(marker[2] << 8 | marker[3]);
    if (type == 0xDA || type == 0xD9 || length < 2) return kUpright;  // the picture data, or the end
    if (type == 0xE1 && length >= 8) {
      std::vector<uint8_t> body(length - 2);
      if (file.ReadAt(at + 4, body.data(), body.size()) < body.size()) return kUpright;
      if (std::memcmp(body.data(), "Exif\0\0", 6) == 0) return OrientationIn(body.data() + 6, body.size() - 6);
    }
    at += 2 + static_cast<int64_t>(length);
  }
  return kUpright;
}

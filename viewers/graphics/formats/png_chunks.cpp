#include "viewers/graphics/formats/png_chunks.h"

#include <cstring>

bool PngChunksFit(ByteSource& file) {
  int64_t at = 8;
  for (;;) {
    uint8_t head[8];
    if (file.ReadAt(at, head, 8) < 8) return false;
    const int64_t length = static_cast<int64_t>(head[0]) << 24 | head[1] << 16 | head[2] << 8 | head[3];
    at += 12 + length;  // length, type, data, check
    if (at > file.Size()) return false;
    if (std::memcmp(head + 4, "IEND", 4) == 0) return true;
  }
}

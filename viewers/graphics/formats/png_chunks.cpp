#include "viewers/graphics/formats/png_chunks.h"

#include <cstring>

namespace {
// Walks the chunks from the signature on; read(at, head) fills 8 bytes at
// an offset or says there are not that many.
template <class ReadHead>
bool ChunksFit(int64_t size, ReadHead read) {
  int64_t at = 8;
  for (;;) {
    uint8_t head[8];
    if (!read(at, head)) return false;
    const int64_t length =
        static_cast<int64_t>(head[0]) << 24 | head[1] << 16 | head[2] << 8 | head[3];
    at += 12 + length;  // length, type, data, check
    if (at > size) return false;
    if (std::memcmp(head + 4, "IEND", 4) == 0) return true;
  }
}
}  // namespace

bool PngChunksFit(ByteSource& file) {
  return ChunksFit(file.Size(),
                   [&](int64_t at, uint8_t* head) { return file.ReadAt(at, head, 8) == 8; });
}

bool PngChunksFit(const uint8_t* bytes, size_t size) {
  return ChunksFit(static_cast<int64_t>(size), [&](int64_t at, uint8_t* head) {
    if (at + 8 > static_cast<int64_t>(size)) return false;
    std::memcpy(head, bytes + at, 8);
    return true;
  });
}

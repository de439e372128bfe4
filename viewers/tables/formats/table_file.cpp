#include "viewers/tables/formats/table_file.h"

#include <algorithm>

#include "viewer/buffer/file_access.h"

size_t ReadTableBytes(const std::string& path, FileOffset at, void* buffer, size_t n) {
  if (at < 0) return 0;
  const FileHandle file = Files().Open(path.c_str());
  if (file == kNoFile) return 0;
  size_t done = 0;
  if (Files().Seek(file, at)) {
    auto* out = static_cast<uint8_t*>(buffer);
    while (done < n) {
      const auto piece = static_cast<int32_t>(std::min<size_t>(n - done, 1u << 30));
      const int32_t got = Files().Read(file, out + done, piece);
      if (got <= 0) break;
      done += static_cast<size_t>(got);
    }
  }
  Files().Close(file);
  return done;
}

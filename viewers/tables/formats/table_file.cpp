#include "viewers/tables/formats/table_file.h"

#include <algorithm>

TableFileReader::TableFileReader(const std::string& path) : file_(Files().Open(path.c_str())) {}

TableFileReader::~TableFileReader() {
  if (file_ != kNoFile) Files().Close(file_);
}

size_t TableFileReader::ReadAt(FileOffset at, void* buffer, size_t n) {
  if (file_ == kNoFile || at < 0 || !Files().Seek(file_, at)) return 0;
  size_t done = 0;
  auto* out = static_cast<uint8_t*>(buffer);
  while (done < n) {
    const auto piece = static_cast<int32_t>(std::min<size_t>(n - done, 1u << 30));
    const int32_t got = Files().Read(file_, out + done, piece);
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

size_t ReadTableBytes(const std::string& path, FileOffset at, void* buffer, size_t n) {
  return TableFileReader(path).ReadAt(at, buffer, n);
}

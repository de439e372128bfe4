// Reading pieces of a table's files through the file seam. Each read opens
// the file and closes it again, so the viewed file is never held open and
// other programs may write it while it is shown.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "viewer/buffer/file_access.h"

// The bytes at offset, as many as there are of n; 0 when the file cannot
// be read there.
size_t ReadTableBytes(const std::string& path, FileOffset at, void* buffer, size_t n);

// The file held open for the many small reads of one step (following a
// chain of blocks when a table opens), closed when the step ends.
class TableFileReader {
 public:
  explicit TableFileReader(const std::string& path);
  ~TableFileReader();
  TableFileReader(const TableFileReader&) = delete;
  TableFileReader& operator=(const TableFileReader&) = delete;
  size_t ReadAt(FileOffset at, void* buffer, size_t n);

 private:
  FileHandle file_;
};

inline uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline uint64_t Le64(const uint8_t* p) {
  return static_cast<uint64_t>(Le32(p)) | static_cast<uint64_t>(Le32(p + 4)) << 32;
}
inline uint16_t Be16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
inline uint32_t Be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3]);
}
inline uint64_t Be64(const uint8_t* p) {
  return static_cast<uint64_t>(Be32(p)) << 32 | static_cast<uint64_t>(Be32(p + 4));
}

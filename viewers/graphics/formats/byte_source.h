// Reading a picture file through the file seam, in pieces: sequential
// reads through a buffer, and reads at an offset for formats whose parts
// lie in any order. A failed or short read counts as the end of the file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "viewer/buffer/file_access.h"

class ByteSource {
 public:
  explicit ByteSource(const char* path);
  ~ByteSource();
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;

  bool IsOpen() const { return file_ != kNoFile; }
  int64_t Size() const { return size_; }

  // The bytes at offset, as many as there are of n.
  size_t ReadAt(int64_t offset, void* buffer, size_t n);

  // Sequential reading from the position.
  void SeekTo(int64_t offset);
  int64_t Position() const { return position_; }
  size_t Read(void* buffer, size_t n);
  int Get();  // the next byte, or -1 at the end
  bool AtEnd();

 private:
  bool Fill();

  FileHandle file_ = kNoFile;
  int64_t size_ = 0;
  int64_t position_ = 0;     // of the next byte Get returns
  int64_t bufferStart_ = 0;  // file offset of buffer_[0]
  size_t bufferUsed_ = 0;
  std::vector<uint8_t> buffer_;
};

// Little-endian numbers in a byte array.
inline uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

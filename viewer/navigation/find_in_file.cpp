#include "viewer/navigation/find_in_file.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "viewer/buffer/file_access.h"
#include "viewer/navigation/pattern_scan.h"

namespace {
struct OpenFile {
  const FileSystem& fs;
  FileHandle handle;
  ~OpenFile() {
    if (handle != kNoFile) fs.Close(handle);
  }
};
}  // namespace

FileOffset FindBytes(const FileRef& file, FileOffset start, int32_t length, const uint8_t* pattern,
                     uint16_t flags, int32_t readBytes) {
  if (start + length > file.Flen) return kFindNotFound;
  if (length <= 0) return kFindBadLength;
  if (start < 0) return kFindSeekFailed;

  // The buffer holds one read plus the last length - 1 bytes of the one
  // before, so an occurrence that crosses a read boundary is still whole.
  FileOffset remaining = file.Flen - start;
  const int32_t chunk =
      static_cast<int32_t>(std::min<FileOffset>(std::max(readBytes, 1), remaining));
  const size_t capacity = static_cast<size_t>(chunk) + static_cast<size_t>(length) - 1;
  std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[capacity]);
  if (!buffer) return kFindNoMemory;

  const FileSystem& fs = Files();
  OpenFile in{fs, fs.Open(file.Path)};
  if (in.handle == kNoFile) return kFindCannotOpen;
  if (!fs.Seek(in.handle, start)) return kFindSeekFailed;

  const PatternScanner scanner(pattern, static_cast<size_t>(length), (flags & SF_CASE) != 0);
  FileOffset bufferOffset = start;  // file offset of buffer[0]
  size_t kept = 0;
  while (remaining > 0) {
    int32_t want = static_cast<int32_t>(std::min<FileOffset>(chunk, remaining));
    int32_t got = fs.Read(in.handle, buffer.get() + kept, want);
    // The file may have shrunk or become unreadable since the viewer last
    // read its size: what cannot be read holds no match.
    if (got <= 0) return kFindNotFound;
    got = std::min(got, want);
    remaining -= got;
    size_t filled = kept + static_cast<size_t>(got);
    ptrdiff_t hit = scanner.Find(buffer.get(), filled);
    if (hit >= 0) return bufferOffset + hit;
    kept = std::min(filled, static_cast<size_t>(length) - 1);
    std::memmove(buffer.get(), buffer.get() + filled - kept, kept);
    bufferOffset += static_cast<FileOffset>(filled - kept);
  }
  return kFindNotFound;
}

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

FileOffset FindAllBytes(const FileRef& file, FileOffset start, int32_t length,
                        const uint8_t* pattern, uint16_t flags, const MatchFound& found,
                        int32_t readBytes, ScanPath path) {
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

  const CaseFold fold = (flags & SF_UTF8)      ? CaseFold::kUtf8
                        : (flags & SF_UTF16LE) ? CaseFold::kUtf16LE
                        : (flags & SF_UTF16BE) ? CaseFold::kUtf16BE
                                               : CaseFold::kAscii;
  const FileOffset align = MatchAlignment(fold);
  const PatternScanner scanner(pattern, static_cast<size_t>(length), (flags & SF_CASE) != 0, path,
                               fold);
  FileOffset bufferOffset = start;  // file offset of buffer[0]
  FileOffset matches = 0;
  size_t kept = 0;
  while (remaining > 0) {
    int32_t want = static_cast<int32_t>(std::min<FileOffset>(chunk, remaining));
    int32_t got = fs.Read(in.handle, buffer.get() + kept, want);
    // The file may have shrunk or become unreadable since the viewer last
    // read its size: what cannot be read holds no match.
    if (got <= 0) break;
    got = std::min(got, want);
    remaining -= got;
    const size_t filled = kept + static_cast<size_t>(got);
    // The kept bytes are too few to hold a match of their own, so none is
    // handed over twice.
    for (size_t from = 0;;) {
      const ptrdiff_t hit = scanner.Find(buffer.get() + from, filled - from);
      if (hit < 0) break;
      from += static_cast<size_t>(hit);
      if ((bufferOffset + static_cast<FileOffset>(from)) % align != 0) {  // inside a unit
        ++from;
        continue;
      }
      ++matches;
      if (!found(bufferOffset + static_cast<FileOffset>(from))) return matches;
      ++from;
    }
    kept = std::min(filled, static_cast<size_t>(length) - 1);
    std::memmove(buffer.get(), buffer.get() + filled - kept, kept);
    bufferOffset += static_cast<FileOffset>(filled - kept);
  }
  return matches > 0 ? matches : kFindNotFound;
}

FileOffset FindBytes(const FileRef& file, FileOffset start, int32_t length, const uint8_t* pattern,
                     uint16_t flags, int32_t readBytes) {
  FileOffset first = kFindNotFound;
  const FileOffset result = FindAllBytes(
      file, start, length, pattern, flags,
      [&first](FileOffset at) {
        first = at;
        return false;
      },
      readBytes);
  return result < 0 ? result : first;
}

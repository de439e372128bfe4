// The search as a plain position-by-position comparison, in a block of
// memory and in a file over windows that overlap by the pattern length less
// one, read through the file-access seam: the behaviour the fast search
// must reproduce exactly.
// Two points are sound rather than literal: a read never goes past the size
// the viewer knows, and a read too short to hold the pattern ends the search
// (the file shrank), where a literal loop would step backwards forever.
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "viewer/buffer/file_access.h"
#include "viewer/buffer/file_ref.h"
#include "viewer/navigation/case_fold.h"
#include "viewer/navigation/pattern_scan.h"

// Whether data holds the pattern: exactly, with 'A'-'Z' as 'a'-'z', or
// with the letters of a Unicode code's fold bits.
inline bool ReferenceMatch(const uint8_t* data, const uint8_t* pattern, size_t length,
                           bool matchCase, CaseFold fold) {
  std::vector<uint8_t> bits(length);
  CaseFoldBits(pattern, length, fold, bits.data());
  for (size_t j = 0; j < length; ++j) {
    const bool same = matchCase                   ? data[j] == pattern[j]
                      : fold == CaseFold::kAscii ? FoldCase(data[j]) == FoldCase(pattern[j])
                                                  : (data[j] | bits[j]) == (pattern[j] | bits[j]);
    if (!same) return false;
  }
  return true;
}

// Position of the first match in data[0 .. size), or -1.
inline ptrdiff_t ReferenceScan(const uint8_t* data, size_t size, const uint8_t* pattern,
                               size_t length, bool matchCase, CaseFold fold = CaseFold::kAscii) {
  for (size_t i = 0; i + length <= size; ++i)
    if (ReferenceMatch(data + i, pattern, length, matchCase, fold)) return static_cast<ptrdiff_t>(i);
  return -1;
}

inline FileOffset ReferenceFind(const FileRef& file, FileOffset start, int32_t length,
                                const uint8_t* pattern, bool matchCase, int32_t window,
                                CaseFold fold = CaseFold::kAscii) {
  if (start + length > file.Flen) return -1;
  if (length <= 0) return -2;
  int32_t w = static_cast<int32_t>(std::min<FileOffset>(file.Flen - start, window));
  std::vector<uint8_t> buffer(static_cast<size_t>(w));
  const FileSystem& fs = Files();
  FileHandle f = fs.Open(file.Path);
  if (f == kNoFile) return -21;
  FileOffset result = -1;
  do {
    if (start < 0 || !fs.Seek(f, start)) {
      result = -22;
      break;
    }
    int32_t n =
        fs.Read(f, buffer.data(), static_cast<int32_t>(std::min<FileOffset>(w, file.Flen - start)));
    if (n < length) break;
    w = n;
    for (int32_t i = 0; i <= n - length && result < 0; ++i)
      if ((start + i) % MatchAlignment(fold) == 0 &&
          ReferenceMatch(&buffer[i], pattern, length, matchCase, fold))
        result = start + i;
    start = start + n - length + 1;
  } while (result < 0 && start <= file.Flen - length);
  fs.Close(f);
  return result;
}

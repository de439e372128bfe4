// Searching the viewed file on disk for the bytes of a pattern. The file is
// read through the file-access seam in windows of bounded size, so memory
// use does not depend on the file size; only the part [start, Flen) is
// searched, Flen being the size the viewer last read.
#pragma once
#include <cstdint>

#include "viewer/buffer/file_ref.h"
#include "viewer/navigation/search_state.h"

// Results below 0; callers treat every one of them as "not found".
constexpr int32_t kFindNotFound = -1;
constexpr int32_t kFindBadLength = -2;    // pattern length not positive
constexpr int32_t kFindNoMemory = -10;    // the search buffer could not be allocated
constexpr int32_t kFindCannotLock = -11;  // of movable memory; plain memory cannot fail so
constexpr int32_t kFindCannotOpen = -21;
constexpr int32_t kFindSeekFailed = -22;  // also for a negative start

// Bytes asked for by each read.
constexpr int32_t kSearchReadBytes = 128 * 1024;

// Offset of the first match at or after start, or a negative result. Without
// SF_CASE in flags 'A'-'Z' match 'a'-'z'; every other byte matches exactly.
int32_t FindBytes(const FileRef& file, int32_t start, int32_t length, const uint8_t* pattern,
                  uint16_t flags, int32_t readBytes = kSearchReadBytes);

// The search starting at file.Fcur (which is left as it is).
inline int32_t FindInFile(const FileRef& file, int32_t length, const uint8_t* pattern,
                          uint16_t flags) {
  return FindBytes(file, file.Fcur, length, pattern, flags);
}

// The defined search from start: Find Next from its start offset, and Mark
// All from 0 and then from one past each match, so overlapping occurrences
// are all found.
inline int32_t FindSearchFrom(const FileRef& file, const SearchState& search, int32_t start) {
  return FindBytes(file, start, search.SearchLength, search.SearchPattern, search.SearchFlags);
}

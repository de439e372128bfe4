// Searching the viewed file on disk for the bytes of a pattern. The file is
// read through the file-access seam in windows of bounded size, so memory
// use does not depend on the file size; only the part [start, Flen) is
// searched, Flen being the size the viewer last read.
#pragma once
#include <cstdint>
#include <functional>

#include "viewer/buffer/file_ref.h"
#include "viewer/navigation/pattern_scan.h"
#include "viewer/navigation/search_state.h"

// Results below 0; callers treat every one of them as "not found".
constexpr FileOffset kFindNotFound = -1;
constexpr FileOffset kFindBadLength = -2;    // pattern length not positive
constexpr FileOffset kFindNoMemory = -10;    // the search buffer could not be allocated
constexpr FileOffset kFindCannotLock = -11;  // of movable memory; plain memory cannot fail so
constexpr FileOffset kFindCannotOpen = -21;
constexpr FileOffset kFindSeekFailed = -22;  // also for a negative start

// Bytes asked for by each read.
constexpr int32_t kSearchReadBytes = 128 * 1024;

// Takes the offset of each match in turn; returns whether to go on.
using MatchFound = std::function<bool(FileOffset)>;

// Hands found the offset of every match at or after start in ascending
// order, overlapping ones included (each next one is looked for from one
// past the last), until found says stop. The file is opened and read once,
// in a single pass. Returns how many matches found took, kFindNotFound for
// none, or another negative result when the search could not start. Without
// SF_CASE in flags 'A'-'Z' match 'a'-'z', and under an SF_UTF* code also the
// Latin-1 letters of both cases; every other byte matches exactly. Under
// SF_UTF16LE and SF_UTF16BE a match starts on an even offset.
FileOffset FindAllBytes(const FileRef& file, FileOffset start, int32_t length,
                        const uint8_t* pattern, uint16_t flags, const MatchFound& found,
                        int32_t readBytes = kSearchReadBytes, ScanPath path = BestScanPath());

// Offset of the first match at or after start, or a negative result.
FileOffset FindBytes(const FileRef& file, FileOffset start, int32_t length, const uint8_t* pattern,
                     uint16_t flags, int32_t readBytes = kSearchReadBytes);

// The search starting at file.Fcur (which is left as it is).
inline FileOffset FindInFile(const FileRef& file, int32_t length, const uint8_t* pattern,
                             uint16_t flags) {
  return FindBytes(file, file.Fcur, length, pattern, flags);
}

// The defined search from start: Find Next's.
inline FileOffset FindSearchFrom(const FileRef& file, const SearchState& search, FileOffset start) {
  return FindBytes(file, start, search.SearchLength, search.SearchPattern, search.SearchFlags);
}

// Every match of the defined search from start: Mark All's.
inline FileOffset FindAllSearchFrom(const FileRef& file, const SearchState& search,
                                    FileOffset start, const MatchFound& found) {
  return FindAllBytes(file, start, search.SearchLength, search.SearchPattern, search.SearchFlags,
                      found);
}

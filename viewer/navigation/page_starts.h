// The page starts of the page index: a page begins at a form feed (0x0C)
// that directly follows a line end (LF or CR); page 1 begins at offset 0.
// The file is scanned in chunks; the last byte of the previous chunk is
// handed in, so a line end that ends one chunk and a form feed that starts
// the next make a page start too.
#pragma once
#include <cstddef>
#include <cstdint>

#include "viewer/navigation/pattern_scan.h"

inline bool IsLineEnd(uint8_t c) { return c == '\n' || c == '\r'; }

// Calls found(offset) for every page start in data[0 .. size), in order;
// offset is the chunk's file offset plus the form feed's index. before is
// the byte before the chunk (0 at the start of the file). found returns
// false to stop. Returns the last byte of the chunk (before, when empty),
// to hand to the next chunk. Form feeds are found with the search's vector
// scan: the shipped C runtime's memchr reads a byte at a time.
template <class Found>
uint8_t ForEachPageStart(const uint8_t* data, size_t size, uint8_t before, int64_t offset,
                         Found&& found) {
  static constexpr uint8_t kFormFeed = '\f';
  static const PatternScanner formFeeds(&kFormFeed, 1, true);
  for (size_t at = 0; at < size;) {
    const ptrdiff_t i = formFeeds.Find(data + at, size - at);
    if (i < 0) break;
    const size_t feed = at + static_cast<size_t>(i);
    const uint8_t previous = feed == 0 ? before : data[feed - 1];
    if (IsLineEnd(previous) && !found(offset + static_cast<int64_t>(feed))) break;
    at = feed + 1;
  }
  return size ? data[size - 1] : before;
}

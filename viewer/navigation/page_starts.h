// The page starts of the page index: a page begins at a form feed (0x0C)
// that directly follows a line end (LF or CR); page 1 begins at offset 0.
// The file is scanned in chunks; the last byte of the previous chunk is
// handed in, so a line end that ends one chunk and a form feed that starts
// the next make a page start too.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

inline bool IsLineEnd(uint8_t c) { return c == '\n' || c == '\r'; }

// Calls found(offset) for every page start in data[0 .. size), in order;
// offset is the chunk's file offset plus the form feed's index. before is
// the byte before the chunk (0 at the start of the file). found returns
// false to stop. Returns the last byte of the chunk (before, when empty),
// to hand to the next chunk.
template <class Found>
uint8_t ForEachPageStart(const uint8_t* data, size_t size, uint8_t before, int64_t offset,
                         Found&& found) {
  const uint8_t* end = data + size;
  for (const uint8_t* p = data; p < end; ++p) {
    p = static_cast<const uint8_t*>(std::memchr(p, '\f', static_cast<size_t>(end - p)));
    if (!p) break;
    uint8_t previous = p == data ? before : p[-1];
    if (IsLineEnd(previous) && !found(offset + (p - data))) break;
  }
  return size ? data[size - 1] : before;
}

// Numbers stored so that they sort as bytes: big-endian, with the sign bit
// flipped (a negative floating-point number has all its bits inverted).
// Level 7 DBF tables and .DB tables keep their numbers so.
#pragma once
#include <algorithm>
#include <bit>
#include <cstdint>

#include "viewers/tables/formats/table_file.h"

// A 2-, 4- or 8-byte integer.
inline int64_t SortableInteger(const uint8_t* p, int bytes) {
  uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | p[i];
  const int shift = 64 - 8 * bytes;
  return static_cast<int64_t>((v ^ uint64_t{1} << (8 * bytes - 1)) << shift) >> shift;
}

inline double SortableDouble(const uint8_t* p) {
  uint64_t bits = Be64(p);
  bits = bits >> 63 ? bits ^ (uint64_t{1} << 63) : ~bits;
  return std::bit_cast<double>(bits);
}

// All bytes zero: the field holds no value.
inline bool NoValue(const uint8_t* p, size_t bytes) {
  return std::all_of(p, p + bytes, [](uint8_t b) { return b == 0; });
}

// Finding line-end bytes eight at a time, for the Text formatter's scans.
#pragma once
#include <cstdint>
#include <cstring>

namespace byte_scan {

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;

// High bit of every byte of word that equals b (exact, no false hits).
inline uint64_t Equal(uint64_t word, uint8_t b) {
  uint64_t y = word ^ (kOnes * b);
  return ~(((y & kLow7) + kLow7) | y | kLow7);
}

inline uint64_t Load(const uint8_t* p) {
  uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// Bytes of a little-endian word, in memory order: bit 8i+7 is byte i.
inline uint64_t Stops(uint64_t w, bool tabs) {
  uint64_t m = Equal(w, 0x0D) | Equal(w, 0x0A);
  return tabs ? m | Equal(w, 0x09) : m;
}

// Index of the first CR or LF (or tab) in p[0, n); n when there is none.
inline int32_t FindStop(const uint8_t* p, int32_t n, bool tabs) {
  int32_t i = 0;
  for (; i + 8 <= n; i += 8)
    if (uint64_t m = Stops(Load(p + i), tabs)) return i + (__builtin_ctzll(m) >> 3);
  for (; i < n; ++i)
    if (p[i] == 0x0D || p[i] == 0x0A || (tabs && p[i] == 0x09)) return i;
  return n;
}

// One past the last CR or LF in p[0, n); 0 when there is none.
inline int32_t FindLastLineEnd(const uint8_t* p, int32_t n) {
  int32_t i = n;
  for (; i >= 8; i -= 8)
    if (uint64_t m = Stops(Load(p + i - 8), false))
      return i - 8 + (63 - __builtin_clzll(m)) / 8 + 1;
  for (; i > 0; --i)
    if (p[i - 1] == 0x0D || p[i - 1] == 0x0A) return i;
  return 0;
}

}  // namespace byte_scan

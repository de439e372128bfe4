// Finds a search pattern in a block of memory, exactly or with the search's
// letter-case folding (only 'A'-'Z' pair with 'a'-'z', whatever the file's
// character code). Candidates are found by testing two of the pattern's
// rarest bytes at once (16 positions per step with SSE2, memchr otherwise)
// and then checked whole.
#pragma once
#include <cstddef>
#include <cstdint>

// SSE2 is always there on x86-64; the 32-bit build asks the processor.
#if defined(__SSE2__) || defined(__i386__)
#define TARVO_SCAN_SSE2 1
#endif

inline uint8_t FoldCase(uint8_t c) {
  return static_cast<uint8_t>(c - 'A') < 26 ? static_cast<uint8_t>(c | 0x20) : c;
}

class PatternScanner {
 public:
  // pattern must stay valid while the scanner is used; length > 0.
  PatternScanner(const uint8_t* pattern, size_t length, bool matchCase);
  // Position of the first match in data[0 .. size), or -1.
  ptrdiff_t Find(const uint8_t* data, size_t size) const;
  size_t Length() const { return length_; }

 private:
  bool MatchesAt(const uint8_t* at) const;
  ptrdiff_t FindPlain(const uint8_t* data, size_t size) const;
#if defined(TARVO_SCAN_SSE2)
  ptrdiff_t FindVector(const uint8_t* data, size_t size) const;
#endif

  const uint8_t* pattern_;
  size_t length_;
  bool exact_;  // also set for caseless patterns without letters
  // The two probe offsets into the pattern, their bytes (folded when the
  // byte is a letter of a caseless search) and whether they are folded.
  size_t probe_[2];
  uint8_t probeByte_[2];
  bool probeFolds_[2];
};

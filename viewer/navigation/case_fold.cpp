#include "viewer/navigation/case_fold.h"

#include <cstring>

namespace {
bool IsAsciiLetter(uint8_t c) { return static_cast<uint8_t>((c | 0x20) - 'a') < 26; }

// The low byte of a Latin-1 letter that has a case partner.
bool IsLatin1Letter(uint8_t c) {
  const uint8_t small = c | 0x20;
  return small >= 0xE0 && small <= 0xFE && small != 0xF7;
}

// A UTF-8 continuation byte after C3 (U+00C0-U+00FF) of a letter with a partner.
bool IsLatin1Tail(uint8_t c) {
  const uint8_t small = c | 0x20;
  return small >= 0xA0 && small <= 0xBE && small != 0xB7;
}
}  // namespace

void CaseFoldBits(const uint8_t* p, size_t n, CaseFold fold, uint8_t* out) {
  std::memset(out, 0, n);
  switch (fold) {
    case CaseFold::kAscii:
      for (size_t j = 0; j < n; ++j) out[j] = IsAsciiLetter(p[j]) ? 0x20 : 0;
      break;
    case CaseFold::kUtf8:
      for (size_t j = 0; j < n; ++j)
        out[j] = IsAsciiLetter(p[j]) || (j > 0 && p[j - 1] == 0xC3 && IsLatin1Tail(p[j])) ? 0x20 : 0;
      break;
    case CaseFold::kUtf16LE:
    case CaseFold::kUtf16BE: {
      const bool little = fold == CaseFold::kUtf16LE;
      for (size_t j = 0; j + 1 < n; j += 2) {
        const size_t low = little ? j : j + 1, high = little ? j + 1 : j;
        if (p[high] == 0 && (IsAsciiLetter(p[low]) || IsLatin1Letter(p[low]))) out[low] = 0x20;
      }
      break;
    }
  }
}

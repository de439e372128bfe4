// Which bytes of a search pattern stand for a letter of either case when
// the search ignores case. The bytes compare with bit 0x20 set, which pairs
// 'A'-'Z' with 'a'-'z' in every code, and in UTF-8 and UTF-16 also the
// Latin-1 letters U+00C0-U+00DE with U+00E0-U+00FE (but the signs U+00D7
// and U+00F7, and U+00DF, which has no capital).
#pragma once
#include <cstddef>
#include <cstdint>

enum class CaseFold : uint8_t { kAscii, kUtf8, kUtf16LE, kUtf16BE };

// out[j] = 0x20 where pattern byte j pairs with its other case, else 0. A
// UTF-16 pattern starts on a unit; its high bytes always compare exactly.
void CaseFoldBits(const uint8_t* pattern, size_t length, CaseFold fold, uint8_t* out);

// The bytes a match starts on a multiple of: 2 for UTF-16, else 1.
inline int MatchAlignment(CaseFold fold) {
  return fold == CaseFold::kUtf16LE || fold == CaseFold::kUtf16BE ? 2 : 1;
}

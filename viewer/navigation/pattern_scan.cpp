#include "viewer/navigation/pattern_scan.h"

#include <cstring>

#if defined(TARVO_SCAN_SSE2)
#include <emmintrin.h>
#endif

#if defined(__SSE2__)
#define SSE2_FUNCTION
#define HAVE_SSE2 true
#elif defined(TARVO_SCAN_SSE2)
#define SSE2_FUNCTION __attribute__((target("sse2")))
#define HAVE_SSE2 __builtin_cpu_supports("sse2")
#endif

namespace {
// How often a byte turns up in ordinary text, higher is more often; the
// probes go to the pattern's least common bytes so that few positions pass
// the filter.
int Commonness(uint8_t c, bool caseless) {
  static constexpr char kLettersByFrequency[] = "etaoinshrdlcumwfgypbvkjxqz";
  if (c == ' ') return 100;
  uint8_t lower = FoldCase(c);
  if (lower >= 'a' && lower <= 'z') {
    int rank = static_cast<int>(std::strchr(kLettersByFrequency, lower) - kLettersByFrequency);
    int score = 90 - 3 * rank;
    // Capitals are rarer than small letters, unless both count.
    return (c == lower || caseless) ? score : score / 3;
  }
  if (c == '\n' || c == '\r' || c == ',' || c == '.') return 40;
  if (c >= '0' && c <= '9') return 20;
  if (c == 0) return 30;  // runs of zeros in binary files
  return 5;
}

bool HasLetter(const uint8_t* p, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (FoldCase(p[i]) >= 'a' && FoldCase(p[i]) <= 'z') return true;
  return false;
}
}  // namespace

PatternScanner::PatternScanner(const uint8_t* pattern, size_t length, bool matchCase)
    : pattern_(pattern), length_(length), exact_(matchCase || !HasLetter(pattern, length)) {
  size_t best = 0;
  for (size_t i = 1; i < length; ++i)
    if (Commonness(pattern[i], !exact_) < Commonness(pattern[best], !exact_)) best = i;
  size_t second = best == 0 ? length - 1 : 0;
  for (size_t i = 0; i < length; ++i)
    if (i != best && Commonness(pattern[i], !exact_) < Commonness(pattern[second], !exact_))
      second = i;
  probe_[0] = best;
  probe_[1] = second;  // equal to best for a one-byte pattern
  for (int k = 0; k < 2; ++k) {
    uint8_t b = pattern[probe_[k]];
    uint8_t lower = FoldCase(b);
    probeFolds_[k] = !exact_ && lower >= 'a' && lower <= 'z';
    probeByte_[k] = probeFolds_[k] ? lower : b;
  }
}

bool PatternScanner::MatchesAt(const uint8_t* at) const {
  if (exact_) return std::memcmp(at, pattern_, length_) == 0;
  for (size_t j = 0; j < length_; ++j)
    if (FoldCase(at[j]) != FoldCase(pattern_[j])) return false;
  return true;
}

ptrdiff_t PatternScanner::Find(const uint8_t* data, size_t size) const {
  if (size < length_) return -1;
#if defined(TARVO_SCAN_SSE2)
  if (length_ > 1 && HAVE_SSE2) return FindVector(data, size);
#endif
  return FindPlain(data, size);
}

// Walks the candidates of the first probe with memchr; a folded letter has
// two byte values, each followed by its own memchr.
ptrdiff_t PatternScanner::FindPlain(const uint8_t* data, size_t size) const {
  const size_t positions = size - length_ + 1;
  const uint8_t* base = data + probe_[0];
  const uint8_t* end = base + positions;
  const uint8_t small = probeByte_[0];
  const uint8_t capital = probeFolds_[0] ? static_cast<uint8_t>(small - 0x20) : small;
  auto next = [end](const uint8_t* from, uint8_t b) {
    return from < end ? static_cast<const uint8_t*>(std::memchr(from, b, end - from)) : nullptr;
  };
  const uint8_t* nextSmall = next(base, small);
  const uint8_t* nextCapital = capital != small ? next(base, capital) : nullptr;
  while (nextSmall || nextCapital) {
    bool takeSmall = nextSmall && (!nextCapital || nextSmall < nextCapital);
    const uint8_t* hit = takeSmall ? nextSmall : nextCapital;
    ptrdiff_t i = hit - base;
    if (MatchesAt(data + i)) return i;
    if (takeSmall)
      nextSmall = next(hit + 1, small);
    else
      nextCapital = next(hit + 1, capital);
  }
  return -1;
}

#if defined(TARVO_SCAN_SSE2)
// Tests 16 positions per step: both probes must show their byte (a folded
// letter is compared after setting bit 0x20, which maps 'A'-'Z' onto
// 'a'-'z' and leaves the small letters as they are).
SSE2_FUNCTION ptrdiff_t PatternScanner::FindVector(const uint8_t* data, size_t size) const {
  const size_t positions = size - length_ + 1;
  const __m128i want0 = _mm_set1_epi8(static_cast<char>(probeByte_[0]));
  const __m128i want1 = _mm_set1_epi8(static_cast<char>(probeByte_[1]));
  const __m128i fold0 = _mm_set1_epi8(probeFolds_[0] ? 0x20 : 0);
  const __m128i fold1 = _mm_set1_epi8(probeFolds_[1] ? 0x20 : 0);
  const uint8_t* at0 = data + probe_[0];
  const uint8_t* at1 = data + probe_[1];
  // Every load stays inside data: the last byte read at a probe is at
  // position + 15 + probe <= size - length + probe < size.
  size_t i = 0;
  for (; i + 16 <= positions; i += 16) {
    __m128i a = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at0 + i)), fold0);
    __m128i b = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at1 + i)), fold1);
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, want0), _mm_cmpeq_epi8(b, want1))));
    while (mask != 0) {
      size_t at = i + static_cast<size_t>(__builtin_ctz(mask));
      if (MatchesAt(data + at)) return static_cast<ptrdiff_t>(at);
      mask &= mask - 1;
    }
  }
  for (; i < positions; ++i)
    if (MatchesAt(data + i)) return static_cast<ptrdiff_t>(i);
  return -1;
}
#endif

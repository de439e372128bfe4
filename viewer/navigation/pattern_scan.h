// Finds a search pattern in a block of memory, exactly or with the search's
// letter-case folding (the letters of the pattern's code pair by bit 0x20,
// see case_fold.h). Candidates are the positions where three probe bytes of
// the pattern show up, its rarest bytes placed apart, found 64 positions
// per step with AVX2 or SSE2, or with memchr on the rarest probe; each is
// then checked whole.
#pragma once
#include <cstddef>
#include <cstdint>

#include <vector>

#include "viewer/navigation/case_fold.h"
#include "viewer/navigation/scan_candidates.h"

inline uint8_t FoldCase(uint8_t c) {
  return static_cast<uint8_t>(c - 'A') < 26 ? static_cast<uint8_t>(c | 0x20) : c;
}

// The ways of finding candidates, each processor having those up to its best.
enum class ScanPath { kScalar, kSse2, kAvx2 };

// The fastest path this processor has.
ScanPath BestScanPath();

class PatternScanner {
 public:
  // pattern must stay valid while the scanner is used; length > 0. A path
  // the processor does not have gives way to the best one it has.
  PatternScanner(const uint8_t* pattern, size_t length, bool matchCase,
                 ScanPath path = BestScanPath(), CaseFold fold = CaseFold::kAscii);
  // Position of the first match in data[0 .. size), or -1.
  ptrdiff_t Find(const uint8_t* data, size_t size) const;
  size_t Length() const { return length_; }
  ScanPath Path() const { return path_; }

 private:
  bool MatchesAt(const uint8_t* at) const;
  bool ProbesMatchAt(const uint8_t* at) const;
  ptrdiff_t FindPlain(const uint8_t* data, size_t positions) const;
#if defined(TARVO_SCAN_VECTOR)
  ptrdiff_t FindVector(const uint8_t* data, size_t positions) const;
#endif

  const uint8_t* pattern_;
  size_t length_;
  std::vector<uint8_t> folds_;  // 0x20 at the bytes that stand for both cases
  bool exact_;                  // also set for caseless patterns without letters
  ScanPath path_;
  ScanPlan plan_;
};

// The vector filters of the pattern scanner: they test three probe bytes
// of the pattern at many positions at once and hand back the positions
// where all of them show up, for the scanner to check whole.
#pragma once
#include <cstddef>
#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#define TARVO_SCAN_VECTOR 1
#endif

constexpr int kProbes = 3;

// The probes: offsets into the pattern (a short pattern repeats one), their
// bytes (small letters where they stand for both cases) and, bit k for
// probe k, which ones do.
struct ScanPlan {
  size_t Probe[kProbes];
  uint8_t ProbeByte[kProbes];
  unsigned Folds;
};

// Positions tested by one step of a filter.
constexpr size_t kScanStep = 64;

#if defined(TARVO_SCAN_VECTOR)
// Tests the steps of kScanStep positions from at on: position i of data is
// a candidate when data[i + Probe[k]] shows ProbeByte[k] for every k (a
// folding probe compares with bit 0x20 set, which maps 'A'-'Z' onto
// 'a'-'z'). positions counts the positions that hold the whole pattern; no
// load reaches past them. Returns the start s of the first step holding a
// candidate and sets mask bit k for each candidate s + k. When none is
// left, mask is 0 and the result is the first position not yet tested. The
// last step may start before at, so that it ends at positions; it then
// reports nothing below at. With fewer than kScanStep positions in all,
// none is tested.
size_t Sse2Candidates(const ScanPlan& plan, const uint8_t* data, size_t at, size_t positions,
                      uint64_t& mask);
// The same, 32 bytes per load; only for processors with AVX2.
size_t Avx2Candidates(const ScanPlan& plan, const uint8_t* data, size_t at, size_t positions,
                      uint64_t& mask);
#endif

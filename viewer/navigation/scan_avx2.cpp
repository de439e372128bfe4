#include "viewer/navigation/scan_candidates.h"

#if defined(TARVO_SCAN_VECTOR)
#include <immintrin.h>

// Runs only where the processor has AVX2 (both builds ask it). As the SSE2
// filter, it keeps every vector value in a register and calls nothing, so
// it puts none on the stack.
#define AVX2_FUNCTION __attribute__((target("avx2")))
#define AVX2_STEP __attribute__((target("avx2"), always_inline)) inline

namespace {
// Probe k's 32 bytes from p, with bit 0x20 set where it folds.
template <unsigned Folds, int k>
AVX2_STEP __m256i Load(const uint8_t* p) {
  __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  return Folds & 1u << k ? _mm256_or_si256(v, _mm256_set1_epi8(0x20)) : v;
}

AVX2_STEP __m256i Want(uint8_t b) { return _mm256_set1_epi8(static_cast<char>(b)); }

// Where each probe's bytes start and what they must be. Inlined whole, so
// the values stay in registers.
struct Probes {
  const uint8_t *At0, *At1, *At2;
  __m256i Want0, Want1, Want2;
};

// All bits set in the byte of each of the 32 positions from at that is a
// candidate.
template <unsigned Folds>
AVX2_STEP __m256i All(const Probes& p, size_t at) {
  __m256i all = _mm256_cmpeq_epi8(Load<Folds, 0>(p.At0 + at), p.Want0);
  all = _mm256_and_si256(all, _mm256_cmpeq_epi8(Load<Folds, 1>(p.At1 + at), p.Want1));
  return _mm256_and_si256(all, _mm256_cmpeq_epi8(Load<Folds, 2>(p.At2 + at), p.Want2));
}

// One bit per position of the 32 from at.
template <unsigned Folds>
AVX2_STEP uint32_t Hits(const Probes& p, size_t at) {
  return static_cast<uint32_t>(_mm256_movemask_epi8(All<Folds>(p, at)));
}

// Whether the 64 positions from at hold a candidate: one test for all.
template <unsigned Folds>
AVX2_STEP bool Any(const Probes& p, size_t at) {
  const __m256i any = _mm256_or_si256(All<Folds>(p, at), All<Folds>(p, at + 32));
  return !_mm256_testz_si256(any, any);
}

// The 64 positions from at.
template <unsigned Folds>
AVX2_STEP uint64_t Step(const Probes& p, size_t at) {
  uint32_t low = Hits<Folds>(p, at);
  uint32_t high = Hits<Folds>(p, at + 32);
  return static_cast<uint64_t>(high) << 32 | low;
}

template <unsigned Folds>
AVX2_FUNCTION size_t Scan(const ScanPlan& plan, const uint8_t* data, size_t at, size_t positions,
                          uint64_t& mask) {
  const Probes p = {data + plan.Probe[0],    data + plan.Probe[1],    data + plan.Probe[2],
                    Want(plan.ProbeByte[0]), Want(plan.ProbeByte[1]), Want(plan.ProbeByte[2])};
  // Whole steps, each tested at once; only one that holds a candidate has
  // its positions told apart.
  for (; at + kScanStep <= positions; at += kScanStep) {
    if (Any<Folds>(p, at)) {
      mask = Step<Folds>(p, at);
      return at;
    }
  }
  // The last step ends at positions, overlapping the one before by skip.
  mask = 0;
  if (at == positions || positions < kScanStep) return at;
  const size_t last = positions - kScanStep, skip = at - last;
  mask = Step<Folds>(p, last) >> skip << skip;
  return mask != 0 ? last : positions;
}

using ScanFunction = size_t (*)(const ScanPlan&, const uint8_t*, size_t, size_t, uint64_t&);
constexpr ScanFunction kScans[] = {Scan<0>, Scan<1>, Scan<2>, Scan<3>,
                                   Scan<4>, Scan<5>, Scan<6>, Scan<7>};
}  // namespace

size_t Avx2Candidates(const ScanPlan& plan, const uint8_t* data, size_t at, size_t positions,
                      uint64_t& mask) {
  return kScans[plan.Folds & 7](plan, data, at, positions, mask);
}
#endif

#include "viewer/navigation/scan_candidates.h"

#if defined(TARVO_SCAN_VECTOR)
#include <emmintrin.h>

// The 32-bit build runs this only where the processor has SSE2. The
// functions keep every vector value in a register (eight on a 32-bit
// processor) and call nothing, so they never put one on the stack, whose
// alignment is not known when the system calls into the program.
#define SSE2_FUNCTION __attribute__((target("sse2")))
#define SSE2_STEP __attribute__((target("sse2"), always_inline)) inline

namespace {
// Probe k's 16 bytes from p, with bit 0x20 set where it folds.
template <unsigned Folds, int k>
SSE2_STEP __m128i Load(const uint8_t* p) {
  __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  return Folds & 1u << k ? _mm_or_si128(v, _mm_set1_epi8(0x20)) : v;
}

SSE2_STEP __m128i Want(uint8_t b) { return _mm_set1_epi8(static_cast<char>(b)); }

// Where each probe's bytes start and what they must be. Inlined whole, so
// the values stay in registers.
struct Probes {
  const uint8_t *At0, *At1, *At2;
  __m128i Want0, Want1, Want2;
};

// All bits set in the byte of each of the 16 positions from at that is a
// candidate.
template <unsigned Folds>
SSE2_STEP __m128i All(const Probes& p, size_t at) {
  __m128i all = _mm_cmpeq_epi8(Load<Folds, 0>(p.At0 + at), p.Want0);
  all = _mm_and_si128(all, _mm_cmpeq_epi8(Load<Folds, 1>(p.At1 + at), p.Want1));
  return _mm_and_si128(all, _mm_cmpeq_epi8(Load<Folds, 2>(p.At2 + at), p.Want2));
}

// One bit per position of the 16 from at.
template <unsigned Folds>
SSE2_STEP uint32_t Hits(const Probes& p, size_t at) {
  return static_cast<uint32_t>(_mm_movemask_epi8(All<Folds>(p, at)));
}

// Whether the 64 positions from at hold a candidate: one mask for all.
template <unsigned Folds>
SSE2_STEP bool Any(const Probes& p, size_t at) {
  __m128i any = All<Folds>(p, at);
  any = _mm_or_si128(any, All<Folds>(p, at + 16));
  any = _mm_or_si128(any, All<Folds>(p, at + 32));
  any = _mm_or_si128(any, All<Folds>(p, at + 48));
  return _mm_movemask_epi8(any) != 0;
}

// The 64 positions from at, in two 32-bit halves.
template <unsigned Folds>
SSE2_STEP uint64_t Step(const Probes& p, size_t at) {
  uint32_t half[2];
  for (int h = 0; h < 2; ++h) {
    half[h] = Hits<Folds>(p, at + 32 * h);
    half[h] |= Hits<Folds>(p, at + 32 * h + 16) << 16;
  }
  return static_cast<uint64_t>(half[1]) << 32 | half[0];
}

template <unsigned Folds>
SSE2_FUNCTION size_t Scan(const ScanPlan& plan, const uint8_t* data, size_t at, size_t positions,
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

size_t Sse2Candidates(const ScanPlan& plan, const uint8_t* data, size_t at, size_t positions,
                      uint64_t& mask) {
  return kScans[plan.Folds & 7](plan, data, at, positions, mask);
}
#endif

#include "viewer/navigation/pattern_scan.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "viewer/navigation/byte_rank.h"

namespace {
// A probe standing for both cases of a letter is as common as the more
// common case.
int Commonness(uint8_t c, uint8_t fold) {
  if (fold)
    return std::max(ByteRank(static_cast<uint8_t>(c | 0x20)), ByteRank(static_cast<uint8_t>(c & ~0x20)));
  return ByteRank(c);
}

// Neighbouring bytes go together (common pairs of letters, runs of one
// byte), so a probe next to another filters less than its rank says: it is
// taken only when its rank is this much lower than that of one further
// away.
constexpr int kNeighbourCost = 32;

// The probes, one at a time: the rarest byte first, then each time the
// position that best completes the probes taken: a byte they do not have
// before one they do, then the lowest rank (raised next to a probe), then
// the one furthest from them. A pattern shorter than the probes repeats
// its last.
void ChooseProbes(const uint8_t* p, const uint8_t* folds, size_t n, size_t probe[kProbes]) {
  auto same = [&](size_t i, size_t j) { return (p[i] | folds[i]) == (p[j] | folds[j]); };
  for (int taken = 0; taken < kProbes; ++taken) {
    auto key = [&](size_t j) {
      bool repeats = false;
      size_t nearest = n;
      for (int k = 0; k < taken; ++k) {
        repeats = repeats || same(probe[k], j);
        nearest = std::min(nearest, j > probe[k] ? j - probe[k] : probe[k] - j);
      }
      int cost = Commonness(p[j], folds[j]) + (nearest == 1 ? kNeighbourCost : 0);
      return std::make_tuple(repeats, cost, n - nearest);
    };
    bool found = false;
    for (size_t j = 0; j < n; ++j) {
      if (std::find(probe, probe + taken, j) != probe + taken) continue;
      if (!found || key(j) < key(probe[taken])) probe[taken] = j;
      found = true;
    }
    if (!found) probe[taken] = probe[taken - 1];
  }
}
}  // namespace

ScanPath BestScanPath() {
#if defined(TARVO_SCAN_VECTOR)
  if (__builtin_cpu_supports("avx2")) return ScanPath::kAvx2;
  if (__builtin_cpu_supports("sse2")) return ScanPath::kSse2;
#endif
  return ScanPath::kScalar;
}

PatternScanner::PatternScanner(const uint8_t* pattern, size_t length, bool matchCase, ScanPath path,
                               CaseFold fold)
    : pattern_(pattern),
      length_(length),
      folds_(length, 0),
      path_(std::min(path, BestScanPath())) {
  if (!matchCase) CaseFoldBits(pattern, length, fold, folds_.data());
  exact_ = std::none_of(folds_.begin(), folds_.end(), [](uint8_t f) { return f != 0; });
  ChooseProbes(pattern, folds_.data(), length, plan_.Probe);
  plan_.Folds = 0;
  for (int k = 0; k < kProbes; ++k) {
    const uint8_t fold = folds_[plan_.Probe[k]];
    plan_.Folds |= fold ? 1u << k : 0;
    plan_.ProbeByte[k] = static_cast<uint8_t>(pattern[plan_.Probe[k]] | fold);
  }
}

bool PatternScanner::MatchesAt(const uint8_t* at) const {
  if (exact_) return std::memcmp(at, pattern_, length_) == 0;
  for (size_t j = 0; j < length_; ++j)
    if ((at[j] | folds_[j]) != (pattern_[j] | folds_[j])) return false;
  return true;
}

bool PatternScanner::ProbesMatchAt(const uint8_t* at) const {
  for (int k = 0; k < kProbes; ++k) {
    uint8_t b = at[plan_.Probe[k]];
    if ((plan_.Folds & 1u << k ? b | 0x20 : b) != plan_.ProbeByte[k]) return false;
  }
  return true;
}

ptrdiff_t PatternScanner::Find(const uint8_t* data, size_t size) const {
  if (size < length_) return -1;
  const size_t positions = size - length_ + 1;
#if defined(TARVO_SCAN_VECTOR)
  if (path_ != ScanPath::kScalar) return FindVector(data, positions);
#endif
  return FindPlain(data, positions);
}

// Walks the candidates of the first probe with memchr; a folded letter has
// two byte values, each followed by its own memchr.
ptrdiff_t PatternScanner::FindPlain(const uint8_t* data, size_t positions) const {
  const uint8_t* base = data + plan_.Probe[0];
  const uint8_t* end = base + positions;
  const uint8_t small = plan_.ProbeByte[0];
  const uint8_t capital = plan_.Folds & 1 ? static_cast<uint8_t>(small - 0x20) : small;
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

#if defined(TARVO_SCAN_VECTOR)
// The filter hands over steps of 64 positions with their candidates; the
// positions it leaves (fewer than a step in all) are tested here.
ptrdiff_t PatternScanner::FindVector(const uint8_t* data, size_t positions) const {
  const auto candidates = path_ == ScanPath::kAvx2 ? Avx2Candidates : Sse2Candidates;
  size_t at = 0;
  for (uint64_t mask;; at += kScanStep) {
    at = candidates(plan_, data, at, positions, mask);
    if (mask == 0) break;
    for (; mask != 0; mask &= mask - 1) {
      const size_t i = at + static_cast<size_t>(__builtin_ctzll(mask));
      if (MatchesAt(data + i)) return static_cast<ptrdiff_t>(i);
    }
  }
  for (; at < positions; ++at)
    if (ProbesMatchAt(data + at) && MatchesAt(data + at)) return static_cast<ptrdiff_t>(at);
  return -1;
}
#endif

#include "viewer/navigation/pattern_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {
ptrdiff_t PlainFind(const std::vector<uint8_t>& data, const std::vector<uint8_t>& pat,
                    bool matchCase) {
  for (size_t i = 0; i + pat.size() <= data.size(); ++i) {
    size_t j = 0;
    while (j < pat.size() &&
           (matchCase ? data[i + j] == pat[j] : FoldCase(data[i + j]) == FoldCase(pat[j])))
      ++j;
    if (j == pat.size()) return static_cast<ptrdiff_t>(i);
  }
  return -1;
}

// Small alphabets with letters of both cases and their bit-0x20 neighbours
// make matches, near-matches and filter hits frequent at every position of
// the vector steps and the tail.
TEST(PatternScanner, AgreesWithPositionByPositionComparison) {
  std::mt19937 rng(7);
  const std::vector<uint8_t> alphabet = {'a', 'A', 'b', 'B', '@', '`', ' ', 0xE1, 0xC1};
  auto pick = [&](size_t n, size_t letters) {
    std::vector<uint8_t> v(n);
    for (auto& c : v) c = alphabet[rng() % letters];
    return v;
  };
  for (int round = 0; round < 20000; ++round) {
    size_t letters = 2 + rng() % (alphabet.size() - 1);
    std::vector<uint8_t> data = pick(rng() % 80, letters);
    std::vector<uint8_t> pat = pick(1 + rng() % 6, letters);
    bool matchCase = rng() % 2;
    PatternScanner scanner(pat.data(), pat.size(), matchCase);
    ASSERT_EQ(scanner.Find(data.data(), data.size()), PlainFind(data, pat, matchCase))
        << "round " << round;
  }
}

TEST(PatternScanner, FindsTheFirstOfSeveralMatchesAndOneAtTheVeryEnd) {
  std::vector<uint8_t> data(100, 'x');
  const uint8_t pat[] = {'q', 'Z'};
  data[98] = 'Q';
  data[99] = 'z';
  EXPECT_EQ(PatternScanner(pat, 2, false).Find(data.data(), data.size()), 98);
  EXPECT_EQ(PatternScanner(pat, 2, true).Find(data.data(), data.size()), -1);
  data[40] = 'q';
  data[41] = 'Z';
  EXPECT_EQ(PatternScanner(pat, 2, true).Find(data.data(), data.size()), 40);
  EXPECT_EQ(PatternScanner(pat, 2, false).Find(data.data(), 41), -1);
}
}  // namespace

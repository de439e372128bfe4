#include "viewer/navigation/pattern_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {
// Every test runs on each path the processor has.
class PatternScannerPath : public ::testing::TestWithParam<ScanPath> {
 protected:
  void SetUp() override {
    if (GetParam() > BestScanPath()) GTEST_SKIP() << "this processor does not have the path";
  }
  PatternScanner Scanner(const uint8_t* pat, size_t n, bool matchCase) {
    PatternScanner scanner(pat, n, matchCase, GetParam());
    EXPECT_EQ(scanner.Path(), GetParam());
    return scanner;
  }
};

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
// the vector steps, the last step that overlaps the one before, and the
// positions too few for a step.
TEST_P(PatternScannerPath, AgreesWithPositionByPositionComparison) {
  std::mt19937 rng(7);
  const std::vector<uint8_t> alphabet = {'a', 'A', 'b', 'B', '@', '`', ' ', 0xE1, 0xC1};
  auto pick = [&](size_t n, size_t letters) {
    std::vector<uint8_t> v(n);
    for (auto& c : v) c = alphabet[rng() % letters];
    return v;
  };
  for (int round = 0; round < 20000; ++round) {
    size_t letters = 2 + rng() % (alphabet.size() - 1);
    std::vector<uint8_t> data = pick(rng() % 300, letters);
    std::vector<uint8_t> pat = pick(1 + rng() % (round % 4 ? 6 : 40), letters);
    bool matchCase = rng() % 2;
    PatternScanner scanner = Scanner(pat.data(), pat.size(), matchCase);
    ASSERT_EQ(scanner.Find(data.data(), data.size()), PlainFind(data, pat, matchCase))
        << "round " << round;
  }
}

TEST_P(PatternScannerPath, FindsTheFirstOfSeveralMatchesAndOneAtTheVeryEnd) {
  std::vector<uint8_t> data(100, 'x');
  const uint8_t pat[] = {'q', 'Z'};
  data[98] = 'Q';
  data[99] = 'z';
  EXPECT_EQ(Scanner(pat, 2, false).Find(data.data(), data.size()), 98);
  EXPECT_EQ(Scanner(pat, 2, true).Find(data.data(), data.size()), -1);
  data[40] = 'q';
  data[41] = 'Z';
  EXPECT_EQ(Scanner(pat, 2, true).Find(data.data(), data.size()), 40);
  EXPECT_EQ(Scanner(pat, 2, false).Find(data.data(), 41), -1);
}

INSTANTIATE_TEST_SUITE_P(Paths, PatternScannerPath,
                         ::testing::Values(ScanPath::kScalar, ScanPath::kSse2, ScanPath::kAvx2),
                         [](const ::testing::TestParamInfo<ScanPath>& info) {
                           return std::string(info.param == ScanPath::kAvx2   ? "Avx2"
                                              : info.param == ScanPath::kSse2 ? "Sse2"
                                                                              : "Scalar");
                         });
}  // namespace

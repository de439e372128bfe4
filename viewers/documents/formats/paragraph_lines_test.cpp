#include "viewers/documents/formats/paragraph_lines.h"

#include <gtest/gtest.h>

namespace {

// One unit a byte, so widths are counts of characters.
int Count(std::string_view s) { return static_cast<int>(s.size()); }

std::vector<std::string> Lines(const std::vector<std::string>& paragraphs, int width) {
  std::vector<std::string> out;
  for (const TextLine& l : BreakLines(paragraphs, width, Count))
    out.push_back(paragraphs[l.Paragraph].substr(l.Start, l.Length));
  return out;
}

TEST(BreakLines, BreaksAfterTheLastSpaceThatFits) {
  struct Case {
    std::vector<std::string> Paragraphs;
    int Width;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {{"the quick brown fox"}, 10, {"the quick ", "brown fox"}},
      {{"the quick brown fox"}, 9, {"the quick ", "brown fox"}},  // a space may hang past the edge
      {{"the quick brown fox"}, 8, {"the ", "quick ", "brown ", "fox"}},
      {{"abcdefghij kl"}, 4, {"abcd", "efgh", "ij ", "kl"}},  // a word wider than the line
      {{"a   b"}, 2, {"a   ", "b"}},                          // spaces stay on the line they end
      {{"", "x"}, 5, {"", "x"}},
      {{"wide"}, 0, {"w", "i", "d", "e"}},  // at least one character a line
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(c.Paragraphs, c.Width), c.Expected) << c.Width;
}

TEST(FindInParagraphs, FromAPlaceOnWithOrWithoutCase) {
  const std::vector<std::string> text = {"Alpha beta", "", "gamma ALPHA"};
  unsigned char fold[256];
  for (int i = 0; i < 256; ++i)
    fold[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i + 32 : i);
  TextPos at;
  ASSERT_TRUE(FindInParagraphs(text, {0, 1}, "alpha", fold, at));
  EXPECT_EQ(at, (TextPos{2, 6}));
  EXPECT_FALSE(FindInParagraphs(text, {0, 1}, "alpha", nullptr, at));
  ASSERT_TRUE(FindInParagraphs(text, {}, "Alpha", nullptr, at));
  EXPECT_EQ(at, (TextPos{0, 0}));
  EXPECT_FALSE(FindInParagraphs(text, {2, 7}, "ALPHA", nullptr, at));
}

}  // namespace

#include <gtest/gtest.h>

#include <random>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/format_test_util.h"

namespace {
constexpr uint32_t kFF = FMT_FORM_FEEDS;

FormatRun Fwd(std::string_view s, uint32_t flags = kFF, int32_t L = 80) {
  return RunFormatter(FormatText, s, FORMAT_FORWARD, flags, L);
}
FormatRun Back(std::string_view s, uint32_t flags = kFF, int32_t L = 80) {
  return RunFormatter(FormatText, s, FORMAT_BACKWARD, flags, L);
}
}  // namespace

TEST(FormatText, LineEndPairsAndSingles) {
  std::string s = "ab\r\ncd\n\rx";
  FormatRun f = Fwd(s);
  EXPECT_EQ(Texts(f), (std::vector<std::string>{"ab", "cd", "x"}));
  EXPECT_EQ(Offsets(f), (std::vector<FileOffset>{0, 4, 8}));
  EXPECT_EQ(f.lines[2].flags, LF_INCOMPLETE);
  EXPECT_EQ(f.status, ST_EOF);
  EXPECT_EQ(f.end, 9);
  EXPECT_EQ(Back(s).lines, f.lines);

  FormatRun twice = Fwd("a\r\rb");
  EXPECT_EQ(Texts(twice), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Back("a\r\rb").lines, twice.lines);
  // A run of line ends pairs from its first byte, backward as forward.
  std::string run = "a\r\n\rb\n\n\r\r\nc";
  EXPECT_EQ(Back(run).lines, Fwd(run).lines);
}

TEST(FormatText, EndOfFileMarkAfterTheLastLineEndIsNoLine) {
  std::string s = "abc\r\n\x1A";
  FormatRun f = Fwd(s);
  ASSERT_EQ(f.lines.size(), 1u);
  EXPECT_EQ(f.lines[0].flags, 0);
  EXPECT_EQ(f.end, 6);
  EXPECT_EQ(Back(s).lines, f.lines);
  // Anywhere else it is an ordinary byte.
  EXPECT_EQ(Texts(Fwd("ab\x1A")), (std::vector<std::string>{"ab\xB7"}));
  EXPECT_EQ(Back("ab\x1A").lines, Fwd("ab\x1A").lines);
}

TEST(FormatText, TabsExpandToTheNextStopOrShowAsMark) {
  EXPECT_EQ(Texts(Fwd("a\tb", kFF | FMT_EXPAND_TABS)), (std::vector<std::string>{"a       b"}));
  EXPECT_EQ(Texts(Fwd("a\tb", kFF)), (std::vector<std::string>{"a\xA4"
                                                               "b"}));
  // A stop beyond the line length ends at it; the tab is used up.
  FormatRun cut = Fwd("abc\tde\r\n", kFF | FMT_EXPAND_TABS, 5);
  EXPECT_EQ(cut.lines[0].text, "abc  ");
  EXPECT_EQ(cut.lines[0].flags, LF_TRUNCATED);
}

TEST(FormatText, FormFeedsMarkPagesAtLineStartsOnly) {
  std::string s = "x\fy\r\n\fpage\r\n";
  FormatRun f = Fwd(s);
  ASSERT_EQ(f.lines.size(), 2u);
  EXPECT_EQ(f.lines[0].text, "x\xF0y");
  EXPECT_EQ(f.lines[1], (FormattedLine{5, "page", LF_PAGE_BREAK}));
  EXPECT_EQ(Back(s).lines, f.lines);

  FormatRun gap = Fwd(s, kFF | FMT_PAGE_GAP);
  ASSERT_EQ(gap.lines.size(), 3u);
  EXPECT_EQ(gap.lines[1], (FormattedLine{5, "", LF_PAGE_GAP}));
  EXPECT_EQ(gap.lines[2], (FormattedLine{6, "page", 0}));
  EXPECT_EQ(Back(s, kFF | FMT_PAGE_GAP).lines, gap.lines);

  // Without the form-feed flag it is shown like any other byte.
  EXPECT_EQ(Fwd(s, 0).lines[1], (FormattedLine{5, "\xF0page", 0}));
}

TEST(FormatText, LongLinesAreCutOrWrapped) {
  std::string s = "abcdef\r\ngh";
  FormatRun cut = Fwd(s, kFF, 3);
  EXPECT_EQ(Texts(cut), (std::vector<std::string>{"abc", "gh"}));
  EXPECT_EQ(cut.lines[0].flags, LF_TRUNCATED);
  EXPECT_EQ(cut.status, ST_TRUNCATED | ST_EOF);
  EXPECT_EQ(Back(s, kFF, 3).lines, cut.lines);

  FormatRun wrap = Fwd(s, kFF | FMT_WRAP, 3);
  EXPECT_EQ(Texts(wrap), (std::vector<std::string>{"abc", "def", "gh"}));
  EXPECT_EQ(Offsets(wrap), (std::vector<FileOffset>{0, 3, 8}));
  EXPECT_EQ(Back(s, kFF | FMT_WRAP, 3).lines, wrap.lines);
}

TEST(FormatText, FullBuffersEndThePass) {
  // Forward: a line the text buffer cannot finish becomes the end entry.
  FormatRun f = RunFormatter(FormatText, "abc\ndefgh\n", FORMAT_FORWARD, kFF, 80, 0, 0, 10, 6);
  EXPECT_EQ(Texts(f), (std::vector<std::string>{"abc"}));
  EXPECT_EQ(f.end, 4);
  // Forward with two slots: one line and the end entry.
  EXPECT_EQ(RunFormatter(FormatText, "a\nb\n", FORMAT_FORWARD, kFF, 80, 0, 0, 2).end, 2);
  // Backward: a wrapped line keeps the pieces nearest the position that fit.
  std::string s = "x\nabcdefghij";
  FormatRun slots = RunFormatter(FormatText, s, FORMAT_BACKWARD, kFF | FMT_WRAP, 3, -1, -1, 2);
  EXPECT_EQ(Texts(slots), (std::vector<std::string>{"ghi", "j"}));
  FormatRun room = RunFormatter(FormatText, s, FORMAT_BACKWARD, kFF | FMT_WRAP, 3, -1, -1, 50, 7);
  EXPECT_EQ(Texts(room), (std::vector<std::string>{"def", "ghi", "j"}));
  EXPECT_EQ(room.lines[0].offset, 5);
}

TEST(FormatText, HugeLineLengthStaysInsideTheBuffers) {
  std::string s(5000, 'q');
  FormatRun f = RunFormatter(FormatText, s, FORMAT_FORWARD, kFF, 1 << 30, 0, 0, 4, 100);
  EXPECT_TRUE(f.lines.empty());
  EXPECT_EQ(f.end, 0);
  FormatRun b =
      RunFormatter(FormatText, s, FORMAT_BACKWARD, kFF | FMT_EXPAND_TABS, 1 << 30, -1, -1, 4, 100);
  EXPECT_TRUE(b.lines.empty());
}

TEST(FormatText, BackwardMatchesForwardOnRandomText) {
  std::mt19937 rng(7);
  const char alphabet[] = {'a', 'b', '\r', '\n', '\t', '\f', '\x1A', ' '};
  for (int round = 0; round < 2000; ++round) {
    std::string s(rng() % 60, ' ');
    for (char& c : s) c = alphabet[rng() % sizeof alphabet];
    uint32_t flags = (rng() & 1 ? FMT_WRAP : 0) | (rng() & 1 ? FMT_EXPAND_TABS : 0) |
                     (rng() & 1 ? kFF : 0) | (rng() & 1 ? FMT_PAGE_GAP : 0);
    int32_t L = 1 + rng() % 12;
    ASSERT_EQ(Back(s, flags, L).lines, Fwd(s, flags, L).lines) << round;
  }
}

TEST(FormatText, RejectsArgumentsOutsideTheBuffers) {
  EXPECT_EQ(RunFormatter(FormatText, "abc", FORMAT_FORWARD, 0, 80, 4).status, ST_FAILED);
  EXPECT_EQ(RunFormatter(FormatText, "abc", 3, 0, 80, 0).status, ST_FAILED);
}

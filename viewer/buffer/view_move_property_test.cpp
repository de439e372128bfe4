// Walks random files line by line through the repositioning logic, forward
// from the start and backward from the end, with a small line table so that
// the walk refills it many times, and compares the lines met with a plain
// reference formatter.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "viewer/buffer/formatters.h"
#include "viewer/buffer/view_fixture.h"

namespace {
bool IsLineEnd(uint8_t b) { return b == '\r' || b == '\n'; }

// Line starts of a whole file in Text, written from the rules directly.
std::vector<int32_t> ReferenceTextLines(const std::string& s, uint32_t flags, int L, int tab) {
  std::vector<int32_t> starts;
  const int n = static_cast<int>(s.size());
  int pos = 0;
  while (pos < n) {
    starts.push_back(pos);
    if (s[pos] == '\f' && (flags & FMT_FORM_FEEDS)) {
      ++pos;
      if (flags & FMT_PAGE_GAP) continue;
    }
    int w = 0;
    while (pos < n) {
      uint8_t b = s[pos];
      if (IsLineEnd(b)) {
        ++pos;
        if (pos < n && IsLineEnd(s[pos]) && s[pos] != b) ++pos;
        if (pos == n - 1 && s[pos] == '\x1A') ++pos;
        break;
      }
      if (b == '\t' && (flags & FMT_EXPAND_TABS)) {
        w = std::min(w + tab - w % tab, L);
        ++pos;
      } else if (w < L) {
        ++w, ++pos;
      } else if (flags & FMT_WRAP) {
        break;
      } else {
        while (pos < n && !IsLineEnd(s[pos])) ++pos;
      }
    }
  }
  return starts;
}

// Fixed-size lines aligned to the offset the view was built from.
std::vector<int32_t> ReferenceFixedLines(int32_t size, int32_t bytesPerLine, bool fromEnd) {
  std::vector<int32_t> starts;
  if (!fromEnd) {
    for (int32_t o = 0; o < size; o += bytesPerLine) starts.push_back(o);
    return starts;
  }
  for (int32_t o = size - bytesPerLine; o > -bytesPerLine; o -= bytesPerLine)
    starts.push_back(std::max(o, 0));
  std::reverse(starts.begin(), starts.end());
  return starts;
}

std::string RandomFile(std::mt19937& rng) {
  static const char* pieces[] = {"\r", "\n", "\r\n", "\n\r", "\t", "\f", "word", "x", " ", "\x1A"};
  std::string s;
  int parts = static_cast<int>(rng() % 600);
  for (int i = 0; i < parts; ++i) {
    if (rng() % 40 == 0)
      s += std::string(50 + rng() % 300, 'L');  // a long line
    else
      s += pieces[rng() % 10];
  }
  return s;
}

std::vector<int32_t> WalkForward(ViewFixture& v) {
  std::vector<int32_t> seen;
  EXPECT_EQ(v.Move(MOVE_REFORMAT, 0, 0), 0);
  if (v.table.Alast == v.table.Afirst) return seen;
  seen.push_back(v.Top().Offset);
  for (int step = 0; step < 100000; ++step) {
    EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, 1, -1), 0);
    if (v.Top().Offset == seen.back()) break;
    seen.push_back(v.Top().Offset);
  }
  return seen;
}

std::vector<int32_t> WalkBackward(ViewFixture& v) {
  std::vector<int32_t> seen;
  EXPECT_EQ(v.Move(MOVE_GOTOBYTE, 0, v.file.Flen), 0);
  if (v.table.Alast == v.table.Afirst) return seen;
  seen.push_back(v.Top().Offset);
  for (int step = 0; step < 100000; ++step) {
    EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, -1, -1), 0);
    if (v.Top().Offset == seen.back()) break;
    seen.push_back(v.Top().Offset);
  }
  std::reverse(seen.begin(), seen.end());
  return seen;
}
}  // namespace

TEST(ViewMoveProperty, WalksMeetTheReferenceLinesBothWays) {
  std::mt19937 rng(20261208);
  for (int round = 0; round < 90; ++round) {
    const int format = round % 3;
    std::string s = RandomFile(rng);
    if (s.empty()) s.push_back('x');
    // Small arenas make many refills; each still holds a few screens.
    static const int kArenas[] = {kTextArenaBlockBytes, 8000, 4000};
    ViewFixture v(40 + static_cast<int>(rng() % 40), kArenas[rng() % 3]);
    v.settings.Format = format;
    v.settings.LinesPerScreen = 1 + static_cast<int>(rng() % 12);
    v.settings.Flags = FMT_FORM_FEEDS | (rng() & 1 ? FMT_WRAP : 0) |
                       (rng() & 1 ? FMT_EXPAND_TABS : 0) | (rng() & 1 ? FMT_PAGE_GAP : 0);
    const int32_t L =
        format == 1 ? 22 + static_cast<int32_t>(rng() % 200) : 4 + static_cast<int32_t>(rng() % 90);
    v.settings.LineLength = L;
    v.settings.TabLength = 1 + static_cast<int32_t>(rng() % 9);
    v.Open(s);
    SCOPED_TRACE(::testing::Message() << "round " << round << " format " << format << " L " << L
                                      << " size " << s.size() << " arena " << v.arena.Tlen);

    std::vector<int32_t> forward = WalkForward(v), backward = WalkBackward(v);
    const int32_t n = static_cast<int32_t>(s.size());
    if (format == 0) {
      std::vector<int32_t> ref = ReferenceTextLines(s, v.settings.Flags, L, v.settings.TabLength);
      ASSERT_EQ(forward, ref);
      ASSERT_EQ(backward, ref);
    } else {
      HexLayout h;
      int32_t perLine = format == 2 ? L : (HexLayoutFor(L, &h), h.BytesPerLine);
      ASSERT_EQ(forward, ReferenceFixedLines(n, perLine, false));
      ASSERT_EQ(backward, ReferenceFixedLines(n, perLine, true));
    }
  }
}

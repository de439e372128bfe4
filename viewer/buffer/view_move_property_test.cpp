// Walks random files line by line through the repositioning logic, forward
// from the start and backward from the end, with a small line table so that
// the walk refills it many times, and compares the lines met with a plain
// reference formatter; and the same across 2^31 and 2^32 in a 6 GiB file.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "viewer/buffer/formatters.h"
#include "viewer/buffer/view_fixture.h"

namespace {
bool IsLineEnd(uint8_t b) { return b == '\r' || b == '\n'; }

// Line starts of a whole file in Text, written from the rules directly.
std::vector<FileOffset> ReferenceTextLines(const std::string& s, uint32_t flags, int L, int tab) {
  std::vector<FileOffset> starts;
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
std::vector<FileOffset> ReferenceFixedLines(int32_t size, int32_t bytesPerLine, bool fromEnd) {
  std::vector<FileOffset> starts;
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

// The tops met moving down a line at a time from what a move to from
// shows, while they lie at or before until.
std::vector<FileOffset> WalkForward(ViewFixture& v, MoveKind kind, FileOffset from,
                                    FileOffset until) {
  std::vector<FileOffset> seen;
  EXPECT_EQ(v.Move(kind, 0, from), 0);
  if (v.table.Alast == v.table.Afirst) return seen;
  seen.push_back(v.Top().Offset);
  for (int step = 0; step < 100000; ++step) {
    EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, 1, -1), 0);
    if (v.Top().Offset == seen.back() || v.Top().Offset > until) break;
    seen.push_back(v.Top().Offset);
  }
  return seen;
}

// The tops met moving up from what going to byte from shows, while they lie
// at or after downTo; in file order.
std::vector<FileOffset> WalkBackward(ViewFixture& v, FileOffset from, FileOffset downTo) {
  std::vector<FileOffset> seen;
  EXPECT_EQ(v.Move(MOVE_GOTOBYTE, 0, from), 0);
  if (v.table.Alast == v.table.Afirst) return seen;
  seen.push_back(v.Top().Offset);
  for (int step = 0; step < 100000; ++step) {
    EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, -1, -1), 0);
    if (v.Top().Offset == seen.back() || v.Top().Offset < downTo) break;
    seen.push_back(v.Top().Offset);
  }
  std::reverse(seen.begin(), seen.end());
  return seen;
}

// Random view settings for a format; returns the line length.
int32_t RandomSettings(std::mt19937& rng, ViewFixture& v, int format) {
  v.settings.Format = format;
  v.settings.LinesPerScreen = 1 + static_cast<int>(rng() % 12);
  v.settings.Flags = FMT_FORM_FEEDS | (rng() & 1 ? FMT_WRAP : 0) |
                     (rng() & 1 ? FMT_EXPAND_TABS : 0) | (rng() & 1 ? FMT_PAGE_GAP : 0);
  const int32_t L =
      format == 1 ? 22 + static_cast<int32_t>(rng() % 200) : 4 + static_cast<int32_t>(rng() % 90);
  v.settings.LineLength = L;
  v.settings.TabLength = 1 + static_cast<int32_t>(rng() % 9);
  return L;
}

// Small arenas make many refills; each still holds a few screens.
constexpr int kArenas[] = {kTextArenaBlockBytes, 8000, 4000};
}  // namespace

TEST(ViewMoveProperty, WalksMeetTheReferenceLinesBothWays) {
  std::mt19937 rng(20261208);
  for (int round = 0; round < 90; ++round) {
    const int format = round % 3;
    std::string s = RandomFile(rng);
    if (s.empty()) s.push_back('x');
    ViewFixture v(40 + static_cast<int>(rng() % 40), kArenas[rng() % 3]);
    const int32_t L = RandomSettings(rng, v, format);
    v.Open(s);
    SCOPED_TRACE(::testing::Message() << "round " << round << " format " << format << " L " << L
                                      << " size " << s.size() << " arena " << v.arena.Tlen);

    std::vector<FileOffset> forward = WalkForward(v, MOVE_REFORMAT, 0, v.file.Flen),
                            backward = WalkBackward(v, v.file.Flen, 0);
    const int32_t n = static_cast<int32_t>(s.size());
    if (format == 0) {
      std::vector<FileOffset> ref =
          ReferenceTextLines(s, v.settings.Flags, L, v.settings.TabLength);
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

// A random pattern repeated to 6 GiB; each repetition starts a line. The
// walks go from a line a little before each boundary to a little after it
// and back, and meet the lines of the reference formatter started from the
// repetition before.
TEST(ViewMoveProperty, WalksAcross2To31And2To32MeetTheReferenceLines) {
  std::mt19937 rng(20261209);
  for (int round = 0; round < 24; ++round) {
    const int format = round % 3;
    SparseFile sparse{FileOffset{6} << 30, "x", {}};
    sparse.Pattern += RandomFile(rng) + "\r\n";
    const FileOffset period = static_cast<FileOffset>(sparse.Pattern.size());
    ViewFixture v(40 + static_cast<int>(rng() % 40), kArenas[rng() % 3]);
    const int32_t L = RandomSettings(rng, v, format);
    v.Open(sparse);
    for (FileOffset boundary : {FileOffset{1} << 31, FileOffset{1} << 32}) {
      FileOffset from = boundary - 1500 - static_cast<FileOffset>(rng() % 100);
      SCOPED_TRACE(::testing::Message()
                   << "round " << round << " format " << format << " L " << L << " period "
                   << period << " boundary " << boundary << " from " << from);
      std::vector<FileOffset> ref;
      if (format == 0) {
        const FileOffset start = from - from % period;
        const FileOffset stop = boundary + 1500 + period - (boundary + 1500) % period;
        const std::string bytes = sparse.Bytes(start, static_cast<size_t>(stop - start));
        for (FileOffset line : ReferenceTextLines(bytes, v.settings.Flags, L, v.settings.TabLength))
          ref.push_back(start + line);
        // From the first line at from to the last one that starts by the
        // boundary's far side.
        ref.erase(ref.begin(), std::lower_bound(ref.begin(), ref.end(), from));
        from = ref.front();
        ref.erase(std::upper_bound(ref.begin(), ref.end(), boundary + 1500), ref.end());
      } else {
        HexLayout h;
        const int32_t perLine =
            format == 2 ? L : (HexLayoutFor(L, &h, sparse.Size), h.BytesPerLine);
        for (FileOffset line = from; line <= boundary + 1500; line += perLine) ref.push_back(line);
      }
      ASSERT_GT(ref.size(), 20u);
      ASSERT_EQ(WalkForward(v, MOVE_GOTOBYTE, from, ref.back()), ref);
      ASSERT_EQ(WalkBackward(v, ref.back(), ref.front()), ref);
    }
  }
}

#include "viewer/buffer/page_padding.h"

#include <gtest/gtest.h>

#include "viewer/buffer/view_fixture.h"

namespace {
// Ten lines, a form feed, two lines, then blank lines at the end.
std::string TwoPages() {
  std::string s;
  for (int i = 0; i < 10; ++i) s += "p1 line\r\n";
  s += "\fp2 first\r\np2 second\r\n  \r\n\r\n";
  return s;
}
}  // namespace

TEST(PadPages, ShortPageIsFollowedByBlankLinesUpToThePageLength) {
  ViewFixture v;
  v.settings.PadPageLength = 60;
  v.settings.LinesPerScreen = 5;
  v.Open(TwoPages());
  ASSERT_EQ(v.Move(MOVE_REFORMAT, 0, 0), 0);
  const LineEntry* e = v.entries.data();
  EXPECT_EQ(e[0].PageLine, 1);
  EXPECT_EQ(e[9].PageLine, 10);
  for (int i = 10; i < 60; ++i) {
    ASSERT_EQ(e[i].Length, 0) << i;
    EXPECT_EQ(e[i].PageLine, i + 1);
    EXPECT_EQ(e[i].Offset, e[i - 1].Offset + 1);
  }
  EXPECT_EQ(v.Text(60), "p2 first");
  EXPECT_EQ(e[60].PageLine, 1);
  EXPECT_EQ(e[61].PageLine, 2);
  // The blank lines at the end are dropped; a page gap closes the last page
  // and is padded to the page length too.
  EXPECT_EQ(e[62].Length, 0);
  EXPECT_EQ(e[62].PageLine, 3);
  EXPECT_EQ(e[119].PageLine, 60);
  EXPECT_EQ(e[120].Flags, LF_PAGE_GAP);
  EXPECT_EQ(e[120].Offset, v.file.Flen - 1);
  EXPECT_EQ(v.table.Alast, 121);
  EXPECT_EQ(e[121].Offset, v.file.Flen);
}

TEST(PadPages, BlanksAboveTheTopPushTheLinesAboveTowardTheStart) {
  std::vector<LineEntry> e(8);
  for (int i = 0; i < 7; ++i) e[i] = LineEntry{i * 10 + 10, 0, 0, 0, 0};
  e[4].Flags = LF_PAGE_BREAK;
  e[7] = LineEntry{80, 0, -1, 0, 0};
  e[2].Flags = LF_PAGE_BREAK;
  LineTable t{e.data(), 8, 5, 1, 7};
  PadPages(t, nullptr, 3, 1000);
  // Page 2 (lines at 30 and 40) is one line short: a blank goes above the
  // line at index 4, the lines above move up one slot.
  EXPECT_EQ(t.Afirst, 0);
  EXPECT_EQ(e[1].Offset, 30);
  EXPECT_EQ(e[2].Offset, 40);
  EXPECT_EQ(e[3].Offset, 41);
  EXPECT_EQ(e[3].PageLine, 3);
  EXPECT_EQ(e[4].Offset, 50);
  EXPECT_EQ(e[4].PageLine, 1);
  EXPECT_EQ(e[0].PageLine, -1);
}

TEST(PadPages, AHugePageLengthAboveTheTopStopsWhenEverySlotIsABlank) {
  std::vector<LineEntry> e(8);
  for (int i = 0; i < 7; ++i) e[i] = LineEntry{i * 10 + 10, 0, 0, 0, 0};
  e[2].Flags = e[4].Flags = LF_PAGE_BREAK;
  e[7] = LineEntry{80, 0, -1, 0, 0};
  LineTable t{e.data(), 8, 5, 1, 7};
  PadPages(t, nullptr, 2147483647, 1000);
  EXPECT_EQ(t.Afirst, 0);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(e[i].Length, 0) << i;
    EXPECT_EQ(e[i].PageLine, 2147483647 - (3 - i)) << i;
  }
  EXPECT_EQ(e[4].Offset, 50);
  EXPECT_EQ(e[4].PageLine, 1);
  EXPECT_EQ(t.Acur, 5);
}

TEST(PadPages, FullTableEndsAtItsLastSlot) {
  std::vector<LineEntry> e(6);
  for (int i = 0; i < 5; ++i) e[i] = LineEntry{i * 10, 0, 0, 0, 0};
  e[2].Flags = LF_PAGE_BREAK;
  e[5] = LineEntry{50, 0, -1, 0, 0};
  LineTable t{e.data(), 6, 0, 0, 5};
  PadPages(t, nullptr, 10, 1000);
  EXPECT_EQ(t.Alast, 5);
  EXPECT_EQ(e[5].Length, -1);
  EXPECT_GE(e[2].Offset, 10);
}

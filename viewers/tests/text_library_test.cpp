// The text library's view: case-sensitive find, copy after find, word
// wrap, zoom and what it paints.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tests/painted.h"
#include "viewers/tests/viewer_host.h"

namespace {
class TextLibraryTest : public testing::Test {
 protected:
  TempFolder dir;
  ViewerHost host{kTextLibrary};

  LRESULT Find(const char* text, bool matchCase) const {
    host.Send(ZV_FINDOPENING);
    return host.Send(ZV_FIND, matchCase, reinterpret_cast<LPARAM>(text));
  }
};

TEST_F(TextLibraryTest, FindHonoursMatchCaseAndSelectsTheWholeLineOfTheMatch) {
  std::string lines;
  for (int i = 0; i < 200; ++i) lines += "line " + std::to_string(i) + "\r\n";
  lines += "the Needle is here\r\nlast\r\n";
  ASSERT_NE(host.Open(dir.Write("t.txt", lines), 0), 0);
  EXPECT_EQ(Find("needle", true), kFindNoMatch);
  EXPECT_EQ(Find("needle", false), 1);
  EXPECT_EQ(host.Copy(), "the Needle is here");
  EXPECT_EQ(Find("Needle", true), 1);
}

TEST_F(TextLibraryTest, WordWrapBreaksALongLineIntoRowsAsShownAndCopied) {
  std::string file = dir.Write("long.txt", std::string(300, 'x') + "\r\nshort\r\n");
  ASSERT_NE(host.Open(file, 0), 0);
  host.Send(ZV_SELECTALL);
  EXPECT_EQ(host.Copy(), std::string(300, 'x') + "\r\nshort");
  host.Send(ZV_WORDWRAP, 1);
  std::string wrapped = host.Copy();
  EXPECT_GT(std::count(wrapped.begin(), wrapped.end(), '\n'), 2) << wrapped;
  host.ClickRow(1);
  EXPECT_EQ(host.Copy().find_first_not_of('x'), std::string::npos)
      << "row 1 is still the long line";
  ASSERT_NE(host.Open(file, 0, true), 0) << "wrap from the open request";
  host.ClickRow(1);
  EXPECT_EQ(host.Copy().find_first_not_of('x'), std::string::npos);
}

TEST_F(TextLibraryTest, ZoomAndANewFontScaleTheRowsTheMouseHits) {
  ASSERT_NE(host.Open(dir.Write("z.txt", "first\r\nsecond\r\nthird\r\n"), 0), 0);
  host.ClickRow(1);
  EXPECT_EQ(host.Copy(), "second");
  EXPECT_EQ(host.Send(ZV_ZOOM, kZoom1X + 2), 1);
  host.ClickRow(1);  // at 3X inside the first row
  EXPECT_EQ(host.Copy(), "first");
  EXPECT_EQ(host.Send(ZV_ZOOM, kZoomQuarter), 0) << "the text zooms from 1X to 5X";
  host.Send(ZV_ZOOM, kZoom1X);
  LOGFONTA big{};
  big.lfHeight = -3 * host.lineHeight();
  host.Send(ZV_FONT, 0, reinterpret_cast<LPARAM>(&big));
  host.ClickRow(2);
  EXPECT_EQ(host.Copy(), "first");
}

// The share of a row's pixels, painted into a memory bitmap, that have color.
double ShareOfColor(HWND child, int top, int height, COLORREF color) {
  const Painted painted(child);
  int hits = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = 0; x < painted.Width(); ++x) hits += painted.At(x, y) == color;
  return static_cast<double>(hits) / (height * painted.Width());
}

TEST_F(TextLibraryTest, PaintsTextInTheParentsColoursAndInvertsTheSelectedLine) {
  ASSERT_NE(host.Open(dir.Write("p.txt", "first\r\nsecond\r\n"), 0), 0);
  host.ClickRow(1);
  int h = host.lineHeight();
  COLORREF back = GetSysColor(COLOR_WINDOW), text = GetSysColor(COLOR_WINDOWTEXT);
  EXPECT_GT(ShareOfColor(host.child(), 0, h, back), 0.8) << "a plain row";
  EXPECT_GT(ShareOfColor(host.child(), 0, h, text), 0.001) << "with its letters";
  EXPECT_GT(ShareOfColor(host.child(), h, h, back ^ 0xFFFFFF), 0.8) << "the selected row";
  EXPECT_GT(ShareOfColor(host.child(), 3 * h, h, back), 0.99) << "below the end";
}
}  // namespace

#include <gtest/gtest.h>

#include "common/text_copy.h"
#include "tests/support/display_fixture.h"
#include "viewer/app/app_state.h"
#include "viewer/app/paint.h"
#include "viewer/app/screen_font.h"
#include "viewer/app/selection.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
constexpr COLORREF kText = RGB(0, 0, 0), kTextBg = RGB(255, 255, 255);
constexpr COLORREF kTag = RGB(255, 255, 0), kTagBg = RGB(0, 0, 128);
constexpr COLORREF kTitle = RGB(128, 0, 0), kTitleBg = RGB(192, 192, 192);
constexpr COLORREF kMsg = RGB(0, 0, 1), kMsgBg = RGB(255, 0, 0);
constexpr COLORREF kInfo = RGB(1, 0, 0), kInfoBg = RGB(0, 255, 0);
constexpr COLORREF kWindowBg = RGB(128, 128, 128);

class Paint : public ::testing::Test {
 protected:
  void SetUp() override {
    hwnd_ = CreateTestWindow(&profile_, 640, 400);
    ASSERT_NE(hwnd_, nullptr);
    gColors = {kText, kTextBg, kTag,  kTagBg,  kTitle,   kTitleBg,
               kMsg,  kMsgBg,  kInfo, kInfoBg, kWindowBg};
    lh_ = gView.LineHeight;
    cw_ = gView.CharWidth;
    ASSERT_GT(lh_, 4);
    ASSERT_GT(cw_, 2);
    CopyText(gFile.Path, "C:\\sample.txt");
  }
  void TearDown() override { DestroyTestWindow(hwnd_); }
  int Mid(int row) const { return row * lh_ + lh_ / 2; }
  int Right() const { return gView.ClientWidth - 2; }
  void Repaint() {
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
  }

  MemoryProfile profile_;
  HWND hwnd_ = nullptr;
  int lh_ = 0, cw_ = 0;
};
}  // namespace

TEST_F(Paint, RowsTakeTheColoursOfTheirKind) {
  SetTestLines({{"normal line", 0},
                {"tagged line", 12, 0x1},
                {"*** error ***", 1, LF_MESSAGE | 0x2},
                {"selected and tagged", 24, 0x4},
                {"last", 44}},
               49);
  gSel.SelStart = 24;
  gSel.SelEnd = 44;
  Canvas c(hwnd_);
  EXPECT_EQ(c.At(Right(), Mid(0)), kTextBg);
  EXPECT_GT(c.CountInRow(0, lh_, kText), 0) << "the text is drawn in the text colour";
  EXPECT_EQ(c.At(Right(), Mid(1)), kTagBg);
  EXPECT_GT(c.CountInRow(lh_, lh_, kTag), 0);
  EXPECT_EQ(c.At(Right(), Mid(2)), kMsgBg) << "a message line wins over its tag bits";
  EXPECT_GT(c.CountInRow(2 * lh_, lh_, kMsg), 0);
  EXPECT_EQ(c.At(Right(), Mid(3)), kTagBg ^ 0xFFFFFF) << "the selection inverts the tagged colours";
  EXPECT_EQ(c.At(Right(), Mid(4)), kTextBg) << "the selection ends before the last line";
  EXPECT_EQ(c.At(Right(), Mid(6)), kWindowBg) << "below the table";
  EXPECT_EQ(c.CountInRow(0, c.Height(), kUnpainted), 0) << "every pixel is painted";
}

TEST_F(Paint, ShowBackgroundStopsAfterTheTextAndPageGapsShowNone) {
  gViewOptions.CurrentFlags |= FMT_SHOW_BACKGROUND;
  SetTestLines({{"abc", 0}, {"", 4, LF_PAGE_GAP}, {"abcdef", 5}}, 12);
  Canvas c(hwnd_);
  SIZE abc{};
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, gScreenFont.Font);
  GetTextExtentPoint32A(dc, "abc", 3, &abc);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  int stop = abc.cx + 2;
  EXPECT_EQ(c.At(0, Mid(0)), kTextBg);
  EXPECT_EQ(c.At(stop - 1, Mid(0)), kTextBg);
  EXPECT_EQ(c.At(stop, Mid(0)), kWindowBg) << "the background stops 2 pixels after the text";
  EXPECT_EQ(c.CountInRow(lh_, lh_, kTextBg), 0) << "a page-gap row shows no text background";
  EXPECT_EQ(c.At(Right(), Mid(2)), kWindowBg);

  gSetupSettings.PadLineLength = 20;
  Canvas padded(hwnd_);
  EXPECT_EQ(padded.At(20 * cw_ + 1, Mid(0)), kTextBg) << "rows are padded to PadLineLength";
  EXPECT_EQ(padded.At(20 * cw_ + 2, Mid(0)), kWindowBg);
  EXPECT_EQ(padded.CountInRow(lh_, lh_, kTextBg), 0);
}

TEST_F(Paint, TitlesFrozenColumnsAndNotes) {
  SetTestTitles({"TITLE ONE", "TITLE TWO"});
  SendMessageA(hwnd_, VW_LAYOUT, 0, 0);
  gViewOptions.FreezeColumns = 3;
  SetTestLines({{"0123456789", 0, LF_TRUNCATED}, {"short", 11, LF_INCOMPLETE}, {"plain", 17}}, 22);
  Canvas c(hwnd_);
  int edge = 3 * cw_ + 3;
  EXPECT_EQ(c.At(Right(), Mid(0)), kTitleBg);
  EXPECT_GT(c.CountInRow(0, lh_, kTitle), 0);
  EXPECT_EQ(c.At(Right(), 2 * lh_ - 1), kText) << "a line in the text colour ends the titles";
  EXPECT_EQ(c.At(Right(), Mid(2)), kTextBg);
  for (int row = 0; row < 5; ++row)
    EXPECT_EQ(c.At(edge - 1, Mid(row)), kText) << "separator in row " << row;
  EXPECT_EQ(c.At(3 * cw_ + 1, Mid(2)), kTitleBg) << "frozen columns use the title colours";
  EXPECT_EQ(c.At(edge, Mid(2)), kTextBg);
  EXPECT_GT(c.CountInRow(2 * lh_, lh_, kInfoBg), 0) << "the truncated-line note";
  EXPECT_GT(c.CountInRow(3 * lh_, lh_, kInfoBg), 0) << "the incomplete-line note";
  EXPECT_EQ(c.CountInRow(4 * lh_, lh_, kInfoBg), 0);
  EXPECT_EQ(gView.LinesPerScreen, gView.ClientHeight / lh_ - 2);

  gSetupSettings.ShowMessages = 0;
  Canvas quiet(hwnd_);
  EXPECT_EQ(quiet.CountInRow(2 * lh_, 2 * lh_, kInfoBg), 0) << "ShowMessages 0 hides the notes";
}

TEST_F(Paint, HugeFrozenColumnsAndPaddingFillTheRowsInsteadOfPaintingNothing) {
  gViewOptions.FreezeColumns = 300000000;
  gSetupSettings.PadLineLength = 2147483647;
  gViewOptions.CurrentFlags |= FMT_SHOW_BACKGROUND;
  SetTestLines({{"0123456789", 0}, {"abc", 11}}, 15);
  Canvas c(hwnd_);
  EXPECT_GT(c.CountInRow(0, lh_, kTitle), 0) << "the line is drawn in its frozen part";
  EXPECT_EQ(c.At(Right(), Mid(1)), kTitleBg) << "the frozen part reaches the right edge";
  EXPECT_EQ(c.CountInRow(0, c.Height(), kUnpainted), 0) << "every pixel is painted";
}

TEST_F(Paint, PageBreakDrawsADottedLineOnTheRowTop) {
  SetTestLines({{"page one", 0}, {"page two", 9, LF_PAGE_BREAK}}, 18);
  Canvas c(hwnd_);
  int dark = 0;
  for (int x = 0; x < c.Width(); ++x) dark += c.At(x, lh_) == kText;
  EXPECT_GT(dark, c.Width() / 3);
  EXPECT_LT(dark, c.Width() * 2 / 3 + 1) << "dotted, not solid";
}

TEST_F(Paint, WithoutAFileOnlyTheWindowBackground) {
  gFile = FileRef{};
  Canvas c(hwnd_);
  EXPECT_EQ(c.CountInRow(0, c.Height(), kWindowBg), c.Width() * c.Height());
}

TEST_F(Paint, FixedLineLength300InAnEightyColumnWindow) {
  gViewOptions.CurrentFlags |= FMT_FIXED_LENGTH;
  gViewOptions.LineLength = 300;
  gViewOptions.HorzScroll = 2;
  gViewOptions.VertScroll = 1;
  SetTestLines({{"x", 0}}, 2);
  Repaint();
  SetClientWidth(hwnd_, 80 * cw_);
  SendMessageA(hwnd_, VW_LAYOUT, 0, 0);
  Repaint();
  ASSERT_EQ(gView.ClientWidth, 80 * cw_);
  EXPECT_EQ(gView.FormatLength, 300);
  int lo = -1, hi = -1;
  GetScrollRange(hwnd_, SB_HORZ, &lo, &hi);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 299);
  SendMessageA(hwnd_, WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_EQ(gView.HScroll, 220);
  SendMessageA(hwnd_, WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_EQ(gView.HScroll, 220 + gView.HPageStep);
  for (int i = 0; i < 20; ++i) SendMessageA(hwnd_, WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_EQ(gView.HScroll, 299);
  Repaint();
  EXPECT_EQ(GetScrollPos(hwnd_, SB_HORZ), 299);
  SendMessageA(hwnd_, WM_HSCROLL, SB_LEFT, 0);
  EXPECT_EQ(gView.HScroll, 0);
  SendMessageA(hwnd_, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 42), 0);
  EXPECT_EQ(gView.HScroll, 42);
  SendMessageA(hwnd_, WM_HSCROLL, SB_LINELEFT, 0);
  EXPECT_EQ(gView.HScroll, 41);
}

TEST_F(Paint, VertScroll2ShowsTheBarOnceTheViewMoves) {
  SetTestLines({{"one", 0}, {"two", 4}, {"three", 8}}, 14);
  Repaint();
  int lo = -1, hi = -1;
  GetScrollRange(hwnd_, SB_VERT, &lo, &hi);
  EXPECT_EQ(hi, 0) << "the file fits: no bar";

  SendMessageA(hwnd_, WM_VSCROLL, SB_LINEDOWN, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, hwnd_, VW_SHOWOFFSET, VW_SHOWOFFSET, PM_REMOVE));
  EXPECT_EQ(static_cast<int>(msg.wParam), 1);
  EXPECT_EQ(msg.lParam, -1);
  gLines.Acur = 1;  // where repositioning puts the top line
  Repaint();
  GetScrollRange(hwnd_, SB_VERT, &lo, &hi);
  EXPECT_EQ(hi, 14);
  EXPECT_EQ(GetScrollPos(hwnd_, SB_VERT), 4);
  EXPECT_EQ(gView.TopOffset, 4);

  SendMessageA(hwnd_, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 0);
  ASSERT_TRUE(PeekMessageA(&msg, hwnd_, VW_SHOWOFFSET, VW_SHOWOFFSET, PM_REMOVE));
  EXPECT_EQ(msg.lParam, 7) << "the thumb's share of the file length";
  SendMessageA(hwnd_, WM_VSCROLL, SB_BOTTOM, 0);
  ASSERT_TRUE(PeekMessageA(&msg, hwnd_, VW_SHOWOFFSET, VW_SHOWOFFSET, PM_REMOVE));
  EXPECT_EQ(msg.lParam, 14);
  SendMessageA(hwnd_, WM_VSCROLL, SB_THUMBTRACK, 0);
  EXPECT_FALSE(PeekMessageA(&msg, hwnd_, VW_SHOWOFFSET, VW_SHOWOFFSET, PM_REMOVE))
      << "tracking does not move";
}

TEST_F(Paint, OnlyRowsInTheUpdateAreaAreDrawn) {
  std::vector<TestLine> lines;
  static char texts[40][8];
  for (int i = 0; i < 40; ++i) {
    wsprintfA(texts[i], "line %d", i);
    lines.push_back({texts[i], i * 8});
  }
  SetTestLines(lines, 320);
  Repaint();
  EXPECT_EQ(LastPaintRows(), std::min(40, (gView.ClientHeight + lh_ - 1) / lh_));
  RECT oneRow{0, 3 * lh_, gView.ClientWidth, 4 * lh_};
  InvalidateRect(hwnd_, &oneRow, FALSE);
  UpdateWindow(hwnd_);
  EXPECT_EQ(LastPaintRows(), 1);
}

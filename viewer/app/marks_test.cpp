// The Mark menu, Freeze Title and the mouse selection on a real main window
// showing a file of numbered lines (11 bytes each).
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/support/main_window_fixture.h"
#include "viewer/app/selection.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
constexpr int32_t Line(int n) { return n * kNumberedLineBytes; }

// A point in the middle of a text row (no frozen titles).
LPARAM AtRow(int row) { return MAKELPARAM(5, row * gView.LineHeight + gView.LineHeight / 2); }

std::vector<int32_t> TagOffsets() {
  ViewLock view;
  std::vector<int32_t> offsets;
  for (int i = 0; view.ok() && i < gTags.Count; ++i) offsets.push_back(gTags.Entries[i].Offset);
  return offsets;
}

void AddTag(int32_t offset) {
  ViewLock view;
  ASSERT_TRUE(view.ok());
  ASSERT_GE(TagAdd(gTags, offset, TAG_USER), 0);
  TagApplyToLines(gLines, gTags);
}

int32_t TopOffset() {
  ViewLock view;
  return view.ok() ? gLines.Entries[gLines.Acur].Offset : -1;
}

// Whether a WM_VSCROLL with this code waits in the queue (it is taken out).
bool TakeVScroll(HWND hwnd, int code) {
  MSG msg;
  bool found = false;
  while (PeekMessageA(&msg, hwnd, WM_VSCROLL, WM_VSCROLL, PM_REMOVE))
    found |= LOWORD(msg.wParam) == code;
  return found;
}

class Marks : public MainWindowTest {
 protected:
  void Click(int row, WPARAM keys = 0) {
    SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON | keys, AtRow(row));
    SendMessageA(hwnd_, WM_LBUTTONUP, keys, AtRow(row));
  }
  void SelectRow(int row) { SendMessageA(hwnd_, VW_SELECTLINE, 0, AtRow(row)); }
};
}  // namespace

TEST_F(Marks, ToggleTagsTheSelectedLineAndRemovesOnlyItsOwnTag) {
  OpenNumberedLines(50);
  AddTag(Line(4));
  SelectRow(3);
  Command(IDM_MARK_TOGGLE);
  EXPECT_EQ(TagOffsets(), (std::vector<int32_t>{Line(3), Line(4)}));
  EXPECT_FALSE(HasSelection());
  SelectRow(3);
  Command(IDM_MARK_TOGGLE);
  EXPECT_EQ(TagOffsets(), std::vector<int32_t>{Line(4)}) << "the next line keeps its tag";
  Command(IDM_MARK_TOGGLE);  // without a selection: the top line
  EXPECT_EQ(TagOffsets(), (std::vector<int32_t>{Line(0), Line(4)}));
}

TEST_F(Marks, ToggleAndSetMarkTheLineOfASearchHit) {
  OpenNumberedLines(50);
  gSel.SelStart = Line(5) + 2;
  gSel.SelEnd = Line(5) + 4;
  Command(IDM_MARK_TOGGLE);
  EXPECT_EQ(TagOffsets(), std::vector<int32_t>{Line(5)});
  gSel.SelStart = Line(7) + 6;
  gSel.SelEnd = Line(8) + 1;
  Command(IDM_MARK_SET);
  EXPECT_EQ(TagOffsets(), (std::vector<int32_t>{Line(5), Line(7), Line(8)}));
}

TEST_F(Marks, SetTagsTheLinesOnScreenAndResetEveryTagOfTheFile) {
  OpenNumberedLines(500);
  AddTag(Line(450));
  Command(IDM_SELECT_ALL);
  Command(IDM_MARK_SET);
  int rows = gView.ClientHeight / gView.LineHeight;
  std::vector<int32_t> expected;
  for (int i = 0; i <= rows; ++i) expected.push_back(Line(i));
  expected.push_back(Line(450));
  EXPECT_EQ(TagOffsets(), expected);
  EXPECT_FALSE(HasSelection());
  Command(IDM_SELECT_ALL);
  Command(IDM_MARK_RESET);
  EXPECT_TRUE(TagOffsets().empty());
}

TEST_F(Marks, NextBringsTheTagToTheTopOrGoesToTheEnd) {
  OpenNumberedLines(500);
  SendMessageA(hwnd_, WM_COMMAND, IDM_MARK_NEXT, 0);
  EXPECT_TRUE(TakeVScroll(hwnd_, SB_BOTTOM)) << "no tag: to the end";
  AddTag(Line(0));  // the top line is not the next one
  AddTag(Line(200));
  Command(IDM_MARK_NEXT);
  EXPECT_EQ(TopOffset(), Line(200));
  SendMessageA(hwnd_, WM_COMMAND, IDM_MARK_NEXT, 0);
  EXPECT_TRUE(TakeVScroll(hwnd_, SB_BOTTOM)) << "the tag at the top is not the next one";
}

TEST_F(Marks, FreezeTitleKeepsFifteenOfTwentySelectedLines) {
  OpenNumberedLines(100);
  gSel = {Line(2), Line(22), Line(2), Line(3)};
  Command(IDM_FREEZE_TITLE);
  EXPECT_FALSE(HasSelection());
  ASSERT_EQ(TitleRowCount(), 15);
  TitleLock titles;
  ASSERT_TRUE(titles.ok());
  EXPECT_EQ(gTitles.Entries[0].Offset, Line(2));
  EXPECT_EQ(
      std::string(gTitleText.Base + gTitles.Entries[14].TextOffset, gTitles.Entries[14].Length),
      "line 0016");
  EXPECT_EQ(gTitles.Entries[15].Offset, Line(16) + 1) << "the closing entry";
}

TEST_F(Marks, TitlesKeepTheirTextInAnotherFormatAndUnmarkAllEmptiesTheTags) {
  OpenNumberedLines(100);
  AddTag(Line(3));
  AddTag(Line(90));
  gSel = {Line(0), Line(1), -1, -1};
  Command(IDM_FREEZE_TITLE);
  Command(IDM_HEX);
  {
    TitleLock titles;
    ASSERT_TRUE(titles.ok());
    EXPECT_EQ(
        std::string(gTitleText.Base + gTitles.Entries[0].TextOffset, gTitles.Entries[0].Length),
        "line 0000");
  }
  gSel = {Line(1), Line(2), -1, -1};
  Command(IDM_UNMARK_ALL);
  EXPECT_TRUE(TagOffsets().empty());
  EXPECT_FALSE(HasSelection());
  ViewLock view;
  for (int i = gLines.Afirst; i < gLines.Alast; ++i)
    EXPECT_EQ(gLines.Entries[i].Flags & LF_TAG_MASK, 0) << i;
}

TEST_F(Marks, AFrozenTitleReplacesTheOldOneAndShiftsTheClickRows) {
  OpenNumberedLines(100);
  for (int round = 0; round < 3; ++round) {
    gSel = {Line(5), Line(7), -1, -1};
    Command(IDM_FREEZE_TITLE);
    ASSERT_EQ(TitleRowCount(), 2) << "round " << round;
  }
  {
    TitleLock titles;
    EXPECT_EQ(gTitleText.Tend, 18) << "the arena was emptied for the new titles";
  }
  SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, AtRow(1));  // on a title: nothing
  EXPECT_FALSE(HasSelection());
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageA(hwnd_, WM_LBUTTONDBLCLK, MK_LBUTTON, AtRow(1));
  EXPECT_TRUE(TagOffsets().empty()) << "a double click on a title marks nothing";
  Click(3);  // the second text row
  EXPECT_EQ(gSel.SelStart, Line(1));
  Command(IDM_CLEAR_TITLE);
  EXPECT_EQ(TitleRowCount(), 0);
}

TEST_F(Marks, DraggingUpwardSelectsFromThePointedLineToTheAnchorLine) {
  OpenNumberedLines(50);
  SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, AtRow(10));
  EXPECT_EQ(GetCapture(), hwnd_);
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, AtRow(7));
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, AtRow(4));
  EXPECT_EQ(gSel.SelStart, Line(4));
  EXPECT_EQ(gSel.SelEnd, Line(11));
  SendMessageA(hwnd_, WM_LBUTTONUP, 0, AtRow(4));
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageA(hwnd_, WM_MOUSEMOVE, 0, AtRow(20));  // no longer dragging
  EXPECT_EQ(gSel.SelEnd, Line(11));
}

TEST_F(Marks, ShiftClickExtendsFromTheAnchorLine) {
  OpenNumberedLines(50);
  Click(5);
  Click(8, MK_SHIFT);
  EXPECT_EQ(gSel.SelStart, Line(5));
  EXPECT_EQ(gSel.SelEnd, Line(9));
  Click(2, MK_SHIFT);
  EXPECT_EQ(gSel.SelStart, Line(2));
  EXPECT_EQ(gSel.SelEnd, Line(6));
}

TEST_F(Marks, ShiftClickExtendsASearchHitFromTheHitItself) {
  OpenNumberedLines(50);
  Click(1);                     // an older anchor on line 1
  gSel.SelStart = Line(5) + 2;  // then a search finds bytes in line 5
  gSel.SelEnd = Line(5) + 4;
  Click(8, MK_SHIFT);
  EXPECT_EQ(gSel.SelStart, Line(5) + 2);
  EXPECT_EQ(gSel.SelEnd, Line(9));
  ClearSelection();
  gSel.SelStart = Line(5) + 2;  // a hit and no anchor at all
  gSel.SelEnd = Line(5) + 4;
  Click(2, MK_SHIFT);
  EXPECT_EQ(gSel.SelStart, Line(2));
  EXPECT_EQ(gSel.SelEnd, Line(5) + 4);
}

TEST_F(Marks, AClickBelowTheLastLineStartsNoSelection) {
  OpenNumberedLines(3);
  SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, AtRow(10));
  EXPECT_FALSE(HasSelection());
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, AtRow(1));
  EXPECT_FALSE(HasSelection()) << "no drag was started";
  SendMessageA(hwnd_, WM_LBUTTONDBLCLK, MK_LBUTTON, AtRow(10));
  EXPECT_TRUE(TagOffsets().empty());
}

TEST_F(Marks, RightClickClearsAndDoubleClickTogglesTheClickedLine) {
  OpenNumberedLines(50);
  Click(6);
  SendMessageA(hwnd_, WM_RBUTTONDOWN, MK_RBUTTON, AtRow(6));
  EXPECT_FALSE(HasSelection());
  for (int pass = 0; pass < 2; ++pass) {
    Click(6);
    SendMessageA(hwnd_, WM_LBUTTONDBLCLK, MK_LBUTTON, AtRow(6));
    SendMessageA(hwnd_, WM_LBUTTONUP, 0, AtRow(6));
    PumpMessages();
    EXPECT_EQ(TagOffsets(), pass == 0 ? std::vector<int32_t>{Line(6)} : std::vector<int32_t>{})
        << pass;
  }
}

TEST_F(Marks, HighlightInvertsOnlyTheRowsWhoseStateChanged) {
  OpenNumberedLines(50);
  AddTag(Line(3));  // a marked row among the selected ones
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  int x = client.right - 4;  // right of the text: background only
  auto rowPixels = [&] {
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(hwnd_);
    for (int row = 0; row < 8; ++row) pixels.push_back(GetPixel(dc, x, row * gView.LineHeight + 1));
    ReleaseDC(hwnd_, dc);
    return pixels;
  };
  std::vector<COLORREF> plain = rowPixels();
  SelectRow(2);
  SendMessageA(hwnd_, VW_EXTENDSEL, 0, AtRow(4));  // rows 2-4
  std::vector<COLORREF> wide = rowPixels();
  SendMessageA(hwnd_, VW_EXTENDSEL, 0, AtRow(3));  // rows 2-3
  std::vector<COLORREF> narrow = rowPixels();
  // A full paint shows the selection as the inversion left it.
  HDC window = GetDC(hwnd_);
  HDC memory = CreateCompatibleDC(window);
  HBITMAP bitmap = CreateCompatibleBitmap(window, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  ReleaseDC(hwnd_, window);
  SendMessageA(hwnd_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  for (int row = 0; row < 8; ++row)
    EXPECT_EQ(GetPixel(memory, x, row * gView.LineHeight + 1), narrow[row])
        << "repainted row " << row;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  for (int row = 0; row < 8; ++row) {
    bool inWide = row >= 2 && row <= 4, inNarrow = row >= 2 && row <= 3;
    EXPECT_EQ(wide[row] != plain[row], inWide) << "row " << row;
    EXPECT_EQ(narrow[row] != plain[row], inNarrow) << "row " << row;
    if (inWide) {
      EXPECT_EQ(wide[row], plain[row] ^ 0xFFFFFFu) << "row " << row << " inverted";
    }
  }
}

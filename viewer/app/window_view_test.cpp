#include <gtest/gtest.h>

#include <vector>

#include "common/text_copy.h"
#include "tests/support/display_fixture.h"
#include "tests/support/window_polling.h"
#include "viewer/app/app_state.h"
#include "viewer/app/auto_scroll.h"
#include "viewer/app/screen_font.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"
#include "viewer/view/view_state.h"

namespace {
// Records the repositioning and selection messages the window sends itself.
struct Sent {
  UINT Message;
  WPARAM W;
  LPARAM L;
};
std::vector<Sent> gSent;
WNDPROC gOriginal = nullptr;

LRESULT CALLBACK Recorder(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == VW_SHOWOFFSET || msg == VW_EXTENDSEL) gSent.push_back({msg, w, l});
  return CallWindowProcA(gOriginal, hwnd, msg, w, l);
}

class WindowView : public ::testing::Test {
 protected:
  void SetUp() override {
    hwnd_ = CreateTestWindow(&profile_, 640, 400);
    ASSERT_NE(hwnd_, nullptr);
  }
  void TearDown() override {
    if (hwnd_) DestroyTestWindow(hwnd_);
  }
  LONG FontHeight() {
    LOGFONTA lf{};
    GetObjectA(gScreenFont.Font, sizeof lf, &lf);
    return lf.lfHeight;
  }
  bool Checked(int id) {
    HMENU menu = GetMenu(hwnd_);
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
      SendMessageA(hwnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(menu, i)), i);
    return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
  }
  MemoryProfile profile_;
  HWND hwnd_ = nullptr;
};
}  // namespace

TEST_F(WindowView, ZoomStepsFromAThirteenPixelFont) {
  HDC dc = GetDC(hwnd_);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(hwnd_, dc);
  if (dpi != 96) GTEST_SKIP() << "the steps assume 96 pixels per inch";
  EXPECT_EQ(FontHeight(), -13);
  const LONG steps[] = {-11, -9, -7, -5, -3};
  for (LONG h : steps) {
    SendMessageA(hwnd_, WM_COMMAND, IDM_ZOOM_OUT, 0);
    EXPECT_EQ(FontHeight(), h);
  }
  EXPECT_EQ(gView.ZoomLevel, -5);
  EXPECT_TRUE(Checked(IDM_ZOOM_OUT));
  EXPECT_FALSE(Checked(IDM_ZOOM_IN));
  int small = gView.LineHeight;
  SendMessageA(hwnd_, WM_COMMAND, IDM_RESET_ZOOM, 0);
  EXPECT_EQ(FontHeight(), -13);
  EXPECT_GT(gView.LineHeight, small);
  SendMessageA(hwnd_, WM_COMMAND, IDM_ZOOM_IN, 0);
  EXPECT_EQ(FontHeight(), -15);
  EXPECT_TRUE(Checked(IDM_ZOOM_IN));
  EXPECT_FALSE(Checked(IDM_ZOOM_OUT));
  EXPECT_EQ(GetMenuState(GetMenu(hwnd_), IDM_ZOOM_IN, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(WindowView, FontIsDeletedWithTheWindow) {
  HFONT font = gScreenFont.Font;
  ASSERT_NE(GetObjectType(font), 0u);
  DestroyTestWindow(hwnd_);
  hwnd_ = nullptr;
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_EQ(gScreenFont.Font, nullptr);
}

TEST_F(WindowView, AlwaysOnTopTogglesAndForces) {
  auto topmost = [&] { return (GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  SendMessageA(hwnd_, WM_COMMAND, IDM_ALWAYS_ON_TOP, 0);
  EXPECT_TRUE(gView.AlwaysOnTop);
  EXPECT_TRUE(topmost());
  EXPECT_TRUE(Checked(IDM_ALWAYS_ON_TOP));
  SendMessageA(hwnd_, WM_COMMAND, IDM_ALWAYS_ON_TOP, 0);
  EXPECT_FALSE(topmost());
  EXPECT_FALSE(Checked(IDM_ALWAYS_ON_TOP));
  SendMessageA(hwnd_, WM_COMMAND, IDM_FORCE_ON_TOP, 0);
  SendMessageA(hwnd_, WM_COMMAND, IDM_FORCE_ON_TOP, 0);
  EXPECT_TRUE(topmost());
  SendMessageA(hwnd_, WM_COMMAND, IDM_ALWAYS_ON_TOP, 0);
}

TEST_F(WindowView, LayoutFollowsTheClientSize) {
  gViewOptions.CurrentFlags = FMT_WRAP;
  gView.HScroll = 7;
  SendMessageA(hwnd_, WM_SIZE, SIZE_RESTORED,
               MAKELPARAM(40 * gView.CharWidth, 10 * gView.LineHeight));
  EXPECT_EQ(gView.FormatLength, 40);
  EXPECT_EQ(gView.HScroll, 0) << "wrapped lines are never scrolled";
  EXPECT_EQ(gView.LinesPerScreen, 10);
  EXPECT_EQ(SendMessageA(hwnd_, VW_LAYOUT, 0, 0), 1) << "wrap always formats again";
  gViewOptions.CurrentFlags = 0;
  EXPECT_EQ(SendMessageA(hwnd_, VW_LAYOUT, 0, 0), 1) << "three window widths are longer";
  EXPECT_EQ(gView.FormatLength, 3 * (40 * gView.CharWidth + gView.CharWidth) / gView.CharWidth);
  EXPECT_EQ(SendMessageA(hwnd_, VW_LAYOUT, 0, 0), 0);
  SendMessageA(hwnd_, WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_EQ(gView.LinesPerScreen, 10) << "minimizing keeps the layout";
}

TEST_F(WindowView, TimerTicksMoveTheViewUntilItsEnd) {
  CopyText(gFile.Path, "C:\\long.txt");
  std::vector<TestLine> lines;
  static char texts[100][8];
  for (int i = 0; i < 100; ++i) {
    wsprintfA(texts[i], "row %d", i);
    lines.push_back({texts[i], i * 7});
  }
  SetTestLines(lines, 700);
  gOriginal = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
  gSent.clear();
  gSetupSettings.SlowMouseLines = 2;
  LPARAM lastRow = MAKELPARAM(5, gView.ClientHeight - 3);
  BeginSelectionDrag();
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, lastRow);
  EXPECT_EQ(AutoScrollTimer(), kAutoScrollDownTimer);
  SendMessageA(hwnd_, WM_TIMER, kAutoScrollDownTimer, 0);
  ASSERT_EQ(gSent.size(), 3u);
  EXPECT_EQ(gSent[0].Message, VW_EXTENDSEL) << "the move itself extends the selection";
  EXPECT_EQ(gSent[1].Message, VW_SHOWOFFSET);
  EXPECT_EQ(static_cast<int>(gSent[1].W), 2);
  EXPECT_EQ(gSent[1].L, -1);
  EXPECT_EQ(gSent[2].Message, VW_EXTENDSEL);
  EXPECT_EQ(gSent[2].L, lastRow) << "with the kept mouse position";

  gLines.Acur = gLines.Afirst;  // the tick above moved the view down
  gSent.clear();
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, -1));
  SendMessageA(hwnd_, WM_TIMER, kAutoScrollUpTimer, 0);
  EXPECT_EQ(gSent.size(), 1u) << "the top is the file start: no move";
  EXPECT_EQ(AutoScrollTimer(), 0u);

  gLines.Acur = static_cast<int16_t>(100 - gView.LinesPerScreen + 1);
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, lastRow);
  gSent.clear();
  SendMessageA(hwnd_, WM_TIMER, kAutoScrollDownTimer, 0);
  EXPECT_TRUE(gSent.empty()) << "the last line is on the screen: no move";
  EXPECT_EQ(AutoScrollTimer(), 0u);
  EndSelectionDrag(hwnd_);
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gOriginal));
}

TEST_F(WindowView, BackgroundIsErasedOnlyWithoutAFile) {
  HDC dc = GetDC(hwnd_);
  RECT spot{10, 10, 20, 20};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  auto erasedSpot = [&] {
    FillRect(dc, &spot, red);
    SendMessageA(hwnd_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    return GetPixel(dc, 15, 15) != RGB(255, 0, 0);
  };
  EXPECT_TRUE(erasedSpot()) << "without a file the class brush erases";
  CopyText(gFile.Path, "C:\\file.txt");
  EXPECT_FALSE(erasedSpot()) << "with a file painting covers everything";
  DeleteObject(red);
  ReleaseDC(hwnd_, dc);
}

TEST_F(WindowView, DraggingBelowTheWindowRunsTheFastDownTimer) {
  gSetupSettings.FastMouseLines = 7;
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, gView.ClientHeight + 20));
  EXPECT_EQ(AutoScrollTimer(), 0u) << "no drag, no timer";
  BeginSelectionDrag();
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, gView.ClientHeight + 20));
  EXPECT_EQ(AutoScrollTimer(), kAutoScrollDownTimer);
  EXPECT_EQ(AutoScrollLines(), 7);
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, -3));
  EXPECT_EQ(AutoScrollTimer(), kAutoScrollUpTimer);
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, gView.ClientHeight / 2));
  EXPECT_EQ(AutoScrollTimer(), 0u);
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, gView.ClientHeight + 20));
  // The whole (empty) table is on screen: the first tick stops the timer.
  SendMessageA(hwnd_, WM_TIMER, kAutoScrollDownTimer, 0);
  EXPECT_EQ(AutoScrollTimer(), 0u);
  SendMessageA(hwnd_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, gView.ClientHeight + 20));
  SendMessageA(hwnd_, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(AutoScrollTimer(), 0u);
  EXPECT_FALSE(SelectionDragging());
}

TEST_F(WindowView, WheelScrollsBySystemLinesAddsUpHalfNotchesZoomsWithCtrlAndScrollsSideways) {
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  if (lines == WHEEL_PAGESCROLL || lines == 0) GTEST_SKIP() << "the wheel scrolls pages here";
  gOriginal = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
  gSent.clear();
  SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
  SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
  PumpMessages();
  ASSERT_GE(gSent.size(), 2u);
  EXPECT_EQ(static_cast<int>(gSent[0].W), static_cast<int>(lines)) << "towards the user: down";
  int back = 0;
  for (size_t i = 1; i < gSent.size(); ++i) back += static_cast<int>(gSent[i].W);
  EXPECT_EQ(back, -static_cast<int>(lines)) << "two half notches make one";

  int zoom = gView.ZoomLevel;
  SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
  EXPECT_EQ(gView.ZoomLevel, zoom + 1);
  SendMessageA(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -2 * WHEEL_DELTA), 0);
  EXPECT_EQ(gView.ZoomLevel, zoom - 1);

  gView.FormatLength = 300;
  gView.HScroll = 0;
  SendMessageA(hwnd_, WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_GT(gView.HScroll, 0);
  SendMessageA(hwnd_, WM_MOUSEHWHEEL, MAKEWPARAM(0, -10 * WHEEL_DELTA), 0);
  EXPECT_EQ(gView.HScroll, 0);
}

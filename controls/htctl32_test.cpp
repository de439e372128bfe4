// HTCTL32.DLL loaded by this program as by the shell: its control classes in
// a dialog, centring, dialog colours, descriptions, the status font, boxes.
#include "controls/htctl32.h"

#include <gtest/gtest.h>

#include "tests/support/dialog_driver.h"
#include "tests/support/window_polling.h"

namespace {

COLORREF PixelOf(HWND control, int x, int y) {
  RECT r;
  GetClientRect(control, &r);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PatBlt(memory, 0, 0, r.right, r.bottom, WHITENESS);
  SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  COLORREF pixel = GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixel;
}

class ControlLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(InitControls()); }
};

TEST_F(ControlLibrary, DialogControlsDrawAFrameAndTheNamedBitmap) {
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), "CONTROLS", nullptr, nullptr, 0);
  ASSERT_NE(dialog, nullptr);
  HWND frame = GetDlgItem(dialog, 100), bitmap = GetDlgItem(dialog, 101);
  RECT r;
  GetClientRect(frame, &r);
  EXPECT_EQ(PixelOf(frame, 0, r.bottom - 1), RGB(0, 0, 0));
  EXPECT_EQ(PixelOf(frame, r.right - 1, r.bottom / 2), RGB(0, 0, 0));
  EXPECT_EQ(PixelOf(bitmap, 3, 3), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(bitmap, 12, 12), RGB(255, 255, 255));  // beyond the 8 x 8 bitmap
  DestroyWindow(dialog);
}

TEST_F(ControlLibrary, CenterWindowCentresOverTheOwnerAndStaysOnTheScreen) {
  HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
  HWND box = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 50, owner, nullptr, nullptr,
                             nullptr);
  CenterWindow(box);
  RECT r;
  GetWindowRect(box, &r);
  EXPECT_EQ(r.left, 250);
  EXPECT_EQ(r.top, 225);
  int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  MoveWindow(owner, screenWidth - 60, -40, 100, 80, FALSE);
  CenterWindow(box);
  GetWindowRect(box, &r);
  EXPECT_EQ(r.right, screenWidth);
  EXPECT_EQ(r.top, 0);
  DestroyWindow(box);
  DestroyWindow(owner);
}

TEST_F(ControlLibrary, DescriptionsAreReplacedAndRemoved) {
  HWND bar = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 28, nullptr,
                             nullptr, nullptr, nullptr);
  HWND buttons[2];
  for (int i = 0; i < 2; ++i) {
    buttons[i] = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 30 * i, 2, 30, 24, bar,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(i)), nullptr, nullptr);
  }
  ButtonEntry table[2] = {};
  lstrcpyA(table[0].Text, "Launch");
  lstrcpyA(table[1].Text, "Copy");
  ButtonDescState state = {buttons, nullptr, 0, nullptr};
  ASSERT_TRUE(CreateButtonDescWindow(GetModuleHandleA(nullptr), &state, buttons[0], 2, table));
  HWND first = state.DescriptionWindow;
  EXPECT_EQ(state.DescriptionShown, 1);
  EXPECT_EQ(WindowText(first), "Launch");
  ASSERT_TRUE(CreateButtonDescWindow(GetModuleHandleA(nullptr), &state, buttons[1], 2, table));
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(WindowText(state.DescriptionWindow), "Copy");
  RECT button, description;
  GetWindowRect(buttons[1], &button);
  GetWindowRect(state.DescriptionWindow, &description);
  EXPECT_GE(description.top, button.bottom);
  HWND second = state.DescriptionWindow;
  CheckDesc(&state);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(state.DescriptionShown, 0);
  CheckDesc(&state);  // nothing shown: harmless
  DestroyWindow(bar);
}

TEST_F(ControlLibrary, BrushesFontsAndBoxes) {
  HDC dc = GetDC(nullptr);
  HBRUSH brush = DoCtlColor(reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_NE(brush, nullptr);
  EXPECT_EQ(DoCtlColor(reinterpret_cast<WPARAM>(dc), 0), brush);
  HFONT before = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
  HFONT previous = SelectBottomFont(dc);
  EXPECT_EQ(previous, before);
  EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), before);
  EXPECT_TRUE(DeleteObject(SelectObject(dc, previous)));
  ReleaseDC(nullptr, dc);

  std::string seen;
  DialogDriver driver([&](HWND box) {
    seen = WindowText(box) + ": " + MessageBoxText(box);
    ClickButton(box, IDNO);
  });
  EXPECT_EQ(MsgBox(nullptr, "Overwrite?", "Skimmet", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(seen, "Skimmet: Overwrite?");

  // A long path without blanks is broken into lines that keep the box on the screen.
  std::string path = "C:\\";
  while (path.size() < 373) path += "folder" + std::to_string(path.size()) + "\\";
  std::string text = "Unable to read " + path + ".";
  RECT box = {};
  DialogDriver wide([&](HWND window) {
    GetWindowRect(window, &box);
    seen = MessageBoxText(window);
    ClickButton(window, IDOK);
  });
  MsgBox(nullptr, text.c_str(), "Error", MB_OK | MB_ICONSTOP);
  EXPECT_LE(box.right - box.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_NE(seen.find('\n'), std::string::npos);
  std::erase(seen, '\n');
  EXPECT_EQ(seen, text) << "only line breaks are added";
}

}  // namespace

// A running TARVO.EXE with two frozen title lines, three frozen columns,
// marked lines and a mouse selection, saved as shots/commands.png.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/screen_shot.h"
#include "tests/support/program_under_test.h"
#include "tests/support/remote_viewer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"

namespace {
constexpr int kToggle = 131, kFreezeTitle = 136, kCopy = 171;

// The height of the viewer's default screen font ("Courier New", 10 points).
int ScreenLineHeight() {
  HDC dc = GetDC(nullptr);
  int height = (-35 - GetDeviceCaps(dc, LOGPIXELSY) * 10) / 72;
  HFONT font =
      CreateFontA(height, 0, 0, 0, 0, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New");
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

class Screen : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = dir_.path() + "\\TARVO.EXE";
    ASSERT_TRUE(CopyFileA(WinePathOf(TARVO_EXE_UNIX_PATH).c_str(), exe_.c_str(), FALSE));
    dir_.Write("TARVO.INI",
               "[Tarvo Setup]\nMasterProfile=1\n[Tarvo]\nFreezeColumns=3\n"
               "WindowPos=20,20,480,640\n");
    std::string text;
    char line[96];
    for (int i = 0; i < 200; ++i) {
      std::snprintf(line, sizeof line, "%04d | the quick brown fox jumps over the lazy dog %d\r\n",
                    i, i * i);
      text += line;
    }
    dir_.Write("fox.txt", text);
    lineHeight_ = ScreenLineHeight();
  }
  void Send(UINT msg, WPARAM wParam, int row = 0) {
    DWORD_PTR result;
    LPARAM at = MAKELPARAM(40, row * lineHeight_ + lineHeight_ / 2);
    ASSERT_TRUE(SendMessageTimeoutA(main_, msg, wParam, at, SMTO_ABORTIFHUNG, 10000, &result));
  }
  void Click(int row, WPARAM keys = 0) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON | keys, row);
    Send(WM_LBUTTONUP, keys, row);
  }
  void Settle() {
    UpdateWindow(main_);
    Send(WM_NULL, 0);
  }
  TempFolder dir_;
  std::string exe_;
  HWND main_ = nullptr;
  int lineHeight_ = 16;
};
}  // namespace

TEST_F(Screen, SelectionMarksTitlesAndFrozenColumns) {
  ProgramUnderTest tarvo(exe_, "fox.txt", dir_.path());
  ASSERT_TRUE(tarvo.started());
  main_ = tarvo.WaitForWindow("TARVO");
  ASSERT_NE(main_, nullptr);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main_) == "Tarvo - fox.txt"; }));
  // The caption comes before the lines are read: the clicks wait for them.
  ASSERT_TRUE(RemoteViewer(main_).TopLineBecomes("0000 | the quick brown fox jumps over the lazy dog 0"));
  Click(0);
  Click(1, MK_SHIFT);
  Send(WM_COMMAND, kFreezeTitle);  // rows 0 and 1 become titles; text rows start below them
  for (int i = 0; i < 8; ++i) Send(WM_KEYDOWN, VK_RIGHT);
  for (int row : {2 + 3, 2 + 4}) {
    Click(row);
    Send(WM_COMMAND, kToggle);
  }
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 2 + 7);  // a double click marks line 7
  Send(WM_LBUTTONUP, 0, 2 + 7);
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 2 + 7);
  Send(WM_LBUTTONUP, 0, 2 + 7);
  Settle();
  Click(2 + 9);
  Click(2 + 12, MK_SHIFT);
  Settle();

  std::string folder = WinePathOf(TARVO_SHOTS_UNIX_PATH);
  CreateDirectoryA(folder.c_str(), nullptr);
  EXPECT_TRUE(SaveWindowShot(main_, folder + "\\commands.png"));

  // The selection is lines 9-12 of the file (row 0 of the text is line 0).
  ASSERT_TRUE(WaitFor([] { return OpenClipboard(nullptr) != FALSE; }));
  EmptyClipboard();
  CloseClipboard();
  Send(WM_COMMAND, kCopy);
  ASSERT_TRUE(WaitFor([] { return OpenClipboard(nullptr) != FALSE; }));
  HANDLE data = GetClipboardData(CF_TEXT);
  std::string copied = data ? static_cast<const char*>(GlobalLock(data)) : "";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(copied.substr(0, 7), "0009 | ");
  EXPECT_EQ(copied.find("0013 |"), std::string::npos) << copied;
  EXPECT_NE(copied.find("0012 |"), std::string::npos) << copied;
  PostMessageA(main_, WM_CLOSE, 0, 0);
  EXPECT_EQ(tarvo.WaitForExit(), 0);
}

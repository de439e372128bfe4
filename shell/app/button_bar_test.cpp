// The button bar in this process: its buttons' places, faces, key letters
// and tool tips, greying by the command table, the keys that run buttons,
// the description window, a bar made while minimised, and Customize
// Toolbar with ZELTONTB.DLL of the build and without it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "shell/app/button_bar.h"
#include "shell/app/button_drawing.h"
#include "shell/app/button_table.h"
#include "shell/app/file_entry.h"
#include "shell/app/shell_windows_fixture.h"
#include "shell/app/viewer_command.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "tests/support/dialog_driver.h"
#include "toolbar/toolbar_ids.h"
#include "viewers/contract/viewer_messages.h"

namespace {

std::vector<UINT> gReceived;  // the stand-in viewer's messages from the shell

LRESULT CALLBACK StandInProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= kViewerMessageBase + 100 && message <= kViewerMessageBase + 140)
    gReceived.push_back(message);
  return DefWindowProcA(w, message, wParam, lParam);
}

std::vector<HWND> ButtonsOf(HWND bar) {
  std::vector<HWND> buttons;
  for (HWND b = GetWindow(bar, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT)) buttons.push_back(b);
  return buttons;
}

// The tool tips of a viewer window (owned by it, since their bar is a child).
BOOL CALLBACK CollectTip(HWND w, LPARAM tips) {
  auto* found = reinterpret_cast<std::vector<HWND>*>(tips);
  if (ClassOf(w) == "tooltips_class32" && GetWindow(w, GW_OWNER) == found->front())
    found->push_back(w);
  return TRUE;
}

std::vector<HWND> TipsOf(HWND viewer) {
  std::vector<HWND> found = {viewer};
  EnumThreadWindows(GetCurrentThreadId(), CollectTip, reinterpret_cast<LPARAM>(&found));
  found.erase(found.begin());
  return found;
}

// The pixels of a bitmap area, or of a button drawn as the bar draws it.
using Pixels = std::vector<COLORREF>;
Pixels Area(HDC dc, int x, int y, int width, int height) {
  Pixels pixels;
  for (int row = y; row < y + height; ++row)
    for (int column = x; column < x + width; ++column) pixels.push_back(GetPixel(dc, column, row));
  return pixels;
}

Pixels BitmapArea(HBITMAP bitmap, int x, int y, int width, int height) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  Pixels pixels = Area(dc, x, y, width, height);
  SelectObject(dc, old);
  DeleteDC(dc);
  return pixels;
}

// The upper part of the face at (2, 2), above the letter's corner, and the
// 8 x 8 corner at (19, 13).
constexpr int kFaceRows = 11;
struct DrawnButton {
  Pixels Face, Letter;
};

DrawnButton DrawButton(HWND bar, int index) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 30, 24);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_BUTTON;
  item.CtlID = index;
  item.itemAction = ODA_DRAWENTIRE;
  item.hwndItem = GetDlgItem(bar, index);
  item.hDC = dc;
  item.rcItem = {0, 0, 30, 24};
  SendMessageA(bar, WM_DRAWITEM, index, reinterpret_cast<LPARAM>(&item));
  DrawnButton drawn = {Area(dc, 2, 2, 19, kFaceRows), Area(dc, 19, 13, 8, 8)};
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return drawn;
}

class ButtonBar : public ShellWindows {
 protected:
  void SetUp() override {
    static bool registered = false;
    gReceived.clear();
    if (!registered) {
      WNDCLASSA standIn = {};
      standIn.lpfnWndProc = StandInProc;
      standIn.hInstance = GetModuleHandleA(nullptr);
      standIn.lpszClassName = "ZRXBUTTONSTANDIN";
      registered = RegisterClassA(&standIn) != 0;
    }
    ASSERT_TRUE(registered);
    ShellWindows::SetUp();
  }
  // The table read again from these keys of "mainbuttons".
  void Buttons(const std::vector<std::pair<const char*, const char*>>& keys) {
    for (const auto& [key, value] : keys)
      WritePrivateProfileStringA("mainbuttons", key, value, (temp_ / "ZR.INI").c_str());
    ASSERT_TRUE(ReadButtonTable());
  }
  // A viewer window of the text type whose child records what it is sent.
  HWND StandInViewer() {
    HWND viewer = CreateViewerWindow(0);
    ViewerRecord* record = RecordOf(viewer);
    record->Type = kTypeText;
    record->EditAvailable = true;
    record->Child =
        CreateWindowExA(0, "ZRXBUTTONSTANDIN", "", WS_CHILD | WS_VISIBLE, 0, kButtonBarHeight, 100,
                        100, viewer, nullptr, GetModuleHandleA(nullptr), nullptr);
    return viewer;
  }
};

TEST_F(ButtonBar, TheDefaultBarIsAGapTwelveButtonsWithTipsAndTheStatusAfterThem) {
  OpenFileInViewer(Text("notes.txt").c_str(), true);
  HWND bar = Current()->ButtonBar;
  const std::vector<HWND> buttons = ButtonsOf(bar);
  ASSERT_EQ(buttons.size(), 12u);
  for (size_t i = 0; i < buttons.size(); ++i) {
    RECT r;
    GetWindowRect(buttons[i], &r);
    MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 12 + 29 * static_cast<int>(i)) << i;
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right - r.left, 30);
    EXPECT_EQ(r.bottom - r.top, 24);
    EXPECT_EQ(GetDlgCtrlID(buttons[i]), static_cast<int>(i) + 1);
  }
  EXPECT_EQ(StatusTextLeft(), 364);
  const std::vector<HWND> tips = TipsOf(ShellState.CurrentViewer);
  ASSERT_EQ(tips.size(), 1u);
  EXPECT_EQ(SendMessageA(tips[0], TTM_GETTOOLCOUNT, 0, 0), 12);
  EXPECT_STREQ(ShellState.ButtonTable[2].Text, "Copy");
  EXPECT_STREQ(ShellState.ButtonTable[10].Text, "Zoom In");
}

TEST_F(ButtonBar, ButtonsShowTheirFaceAndKeyLetterAndGreyAsTheCommandTableSays) {
  Buttons({{"button6", "04099"}, {"button7", "04617"}});  // Copy without a key, Print on Ctrl+D
  HWND viewer = StandInViewer();
  ViewerRecord* record = RecordOf(viewer);
  record->HasSelection = true;
  HWND bar = record->ButtonBar;
  const DrawnButton copy = DrawButton(bar, 2), plainCopy = DrawButton(bar, 5),
                    print = DrawButton(bar, 6);
  EXPECT_EQ(copy.Face, BitmapArea(ShellState.ButtonFaces, 25 * 2, 0, 19, kFaceRows));
  EXPECT_EQ(copy.Letter, BitmapArea(ShellState.AltKeys, 8 * 2, 0, 8, 8)) << "Alt+C";
  EXPECT_NE(plainCopy.Letter, copy.Letter) << "4099: no letter";
  EXPECT_EQ(print.Letter, BitmapArea(ShellState.CtlKeys, 8 * 3, 0, 8, 8)) << "Ctrl+D";
  record->HasSelection = false;
  EXPECT_EQ(DrawButton(bar, 2).Face, BitmapArea(ShellState.GreyedFaces, 25 * 2, 0, 19, kFaceRows));
  EXPECT_NE(DrawButton(bar, 2).Letter, copy.Letter) << "a greyed button shows no letter";

  const struct {
    int Type, Zoom, Command;
    bool Greyed;
  } cases[] = {
      {kTypeHex, kZoom1X, CMD_PRINT, true},        {kTypeHex, kZoom1X, CMD_SELECT_ALL, true},
      {kTypeHex, kZoom1X, CMD_GOTO, false},        {kTypeText, kZoom1X, CMD_PRINT, false},
      {kTypeText, CMD_ZOOM_5X, CMD_ZOOM_IN, true}, {kTypeText, CMD_ZOOM_4X, CMD_ZOOM_IN, false},
      {kTypeText, kZoom1X, CMD_ZOOM_OUT, true},    {kTypeText, kZoom1X, CMD_GOTO, true},
      {kTypeText, kZoom1X, CMD_PLAY, true},        {kTypeText, kZoom1X, CMD_LAUNCH, false},
  };
  for (const auto& c : cases) {
    record->Type = c.Type;
    record->Zoom = c.Zoom;
    EXPECT_EQ(ButtonGreyed(viewer, c.Command), c.Greyed)
        << c.Type << " " << c.Zoom << " " << c.Command;
  }
  record->Type = kTypeText;
  record->EditAvailable = false;
  EXPECT_TRUE(ButtonGreyed(viewer, CMD_EDIT)) << "while editing";
}

TEST_F(ButtonBar, AltAndCtrlLettersRunTheirButtons) {
  Buttons({{"button6", "04099"}, {"button7", "04617"}});
  HWND viewer = StandInViewer();
  RecordOf(viewer)->HasSelection = true;
  SendMessageA(viewer, WM_SYSCOMMAND, SC_KEYMENU, 'c');
  EXPECT_EQ(gReceived, std::vector<UINT>{ZV_COPY}) << "Alt+C runs Copy";
  gReceived.clear();
  SendMessageA(viewer, WM_MENUCHAR, MAKEWPARAM('s', MF_POPUP), 0);
  EXPECT_EQ(gReceived, std::vector<UINT>{ZV_SELECTALL}) << "Alt+S as a menu character";
  gReceived.clear();
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageA(viewer, WM_KEYDOWN, 'D', 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(gReceived, std::vector<UINT>{ZV_PRINT}) << "Ctrl+D runs Print";
  gReceived.clear();
  EXPECT_EQ(ButtonForKey('c', true), -1) << "4099 is no Ctrl+C";
  EXPECT_EQ(SendMessageA(viewer, WM_SYSCOMMAND, SC_KEYMENU, 'q'), 0);
  EXPECT_TRUE(gReceived.empty());
}

TEST_F(ButtonBar, AShownDescriptionMovesToTheNextButtonAtOnceAndGoesWithThePointer) {
  OpenFileInViewer(Text("notes.txt").c_str(), true);
  HWND viewer = ShellState.CurrentViewer;
  ViewerRecord* record = Current();
  HWND bar = record->ButtonBar;
  SetForegroundWindow(viewer);
  SetActiveWindow(viewer);
  ASSERT_EQ(GetActiveWindow(), viewer);
  const std::vector<HWND> buttons = ButtonsOf(bar);
  RECT first;
  GetWindowRect(buttons[0], &first);
  SetCursorPos((first.left + first.right) / 2, (first.top + first.bottom) / 2);
  SendMessageA(bar, WM_SETCURSOR, reinterpret_cast<WPARAM>(buttons[0]), 0);
  EXPECT_EQ(record->Description.DescriptionShown, 0) << "not before a second's rest";
  ASSERT_TRUE(WaitFor([&] { return record->Description.DescriptionShown == 1; }, 3000));
  RECT shown;
  GetWindowRect(record->Description.DescriptionWindow, &shown);
  EXPECT_EQ(shown.left, first.left);

  SendMessageA(bar, WM_SETCURSOR, reinterpret_cast<WPARAM>(buttons[1]), 0);
  ASSERT_EQ(record->Description.DescriptionShown, 1) << "at once";
  RECT second;
  GetWindowRect(buttons[1], &second);
  GetWindowRect(record->Description.DescriptionWindow, &shown);
  EXPECT_EQ(shown.left, second.left);
  EXPECT_EQ(WindowText(record->Description.DescriptionWindow), "Copy");

  SendMessageA(viewer, WM_SETCURSOR, reinterpret_cast<WPARAM>(record->Child), 0);
  EXPECT_EQ(record->Description.DescriptionShown, 0) << "the pointer in the viewer hides it";
  ShowWindow(viewer, SW_HIDE);
}

TEST_F(ButtonBar, CustomizeToolbarStoresTheButtonsAndRebuildsABarMadeWhileMinimised) {
  OpenFileInViewer(Text("notes.txt").c_str(), true);
  HWND viewer = ShellState.CurrentViewer;
  ViewerRecord* record = Current();
  ShowWindow(viewer, SW_MINIMIZE);
  DestroyWindow(record->ButtonBar);
  record->ButtonBar = CreateButtonBar(viewer);
  EXPECT_TRUE(ButtonsOf(record->ButtonBar).empty()) << "made while minimised";
  ShowWindow(viewer, SW_RESTORE);

  // Launch and Copy go.
  DialogDriver driver([](HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_BUTTONS, LB_SETCURSEL, 1, 0);
    ClickButton(dialog, IDC_REMOVE);
    ClickButton(dialog, IDC_REMOVE);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_BUTTONS, LB_GETCOUNT, 0, 0), 11);
    ClickButton(dialog, IDOK);
  });
  SendMessageA(viewer, WM_COMMAND, CMD_CUSTOMIZE, 0);
  EXPECT_EQ(driver.seen(), 1);
  char value[16] = "";
  GetPrivateProfileStringA("mainbuttons", "num", "", value, sizeof value,
                           (temp_ / "ZR.INI").c_str());
  EXPECT_STREQ(value, "00011");
  GetPrivateProfileStringA("mainbuttons", "button2", "", value, sizeof value,
                           (temp_ / "ZR.INI").c_str());
  EXPECT_STREQ(value, "02434");
  EXPECT_EQ(ShellState.ButtonCount, 11);
  EXPECT_EQ(ButtonsOf(record->ButtonBar).size(), 10u) << "the bar is made again";
  const std::vector<HWND> tips = TipsOf(viewer);
  ASSERT_EQ(tips.size(), 1u) << "the old bar's tool tip goes with it";
  EXPECT_EQ(SendMessageA(tips[0], TTM_GETTOOLCOUNT, 0, 0), 10);
  EXPECT_EQ(WindowText(record->ButtonBar), record->StatusText);
}

// Creation refused for the first dialog only.
int gRefusals = 0;
LRESULT CALLBACK RefuseADialog(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && gRefusals > 0) {
    const char* name = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
    if (!HIWORD(name) && LOWORD(name) == 0x8002) {  // the dialog class
      --gRefusals;
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ButtonBar, AMissingToolbarLibraryAndADialogThatCannotBeMadeAreReported) {
  OpenFileInViewer(Text("notes.txt").c_str(), true);
  HWND viewer = ShellState.CurrentViewer;
  std::vector<std::string> boxes;
  DialogDriver driver([&](HWND box) {
    boxes.push_back(WindowText(box) + ": " + MessageBoxText(box));
    ClickButton(box, IDOK);
  });
  gRefusals = 1;
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseADialog, nullptr, GetCurrentThreadId());
  SendMessageA(viewer, WM_COMMAND, CMD_CUSTOMIZE, 0);
  UnhookWindowsHookEx(hook);
  CopyText(ShellState.ProgramDirSlash, temp_.path() + "\\");
  SendMessageA(viewer, WM_COMMAND, CMD_CUSTOMIZE, 0);
  EXPECT_EQ(boxes, (std::vector<std::string>{"Error: Error creating toolbar customize dialog box.",
                                             "Error: Unable to load ZELTONTB.DLL."}));
  EXPECT_EQ(ShellState.ButtonCount, 13);
}

}  // namespace

// Commands, keys and dialogs of the main window that need no file contents.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "tests/support/dialog_driver.h"
#include "tests/support/main_window_fixture.h"
#include "viewer/app/about_dialog.h"
#include "viewer/app/app_state.h"
#include "viewer/app/command_table.h"
#include "viewer/app/selection.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/view_options.h"
#include "viewer/settings/freeze_columns_dialog.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/view_blocks.h"

namespace {
// Whether a WM_VSCROLL with this code waits in the queue (it is taken out).
bool TakeVScroll(HWND hwnd, int code) {
  MSG msg;
  bool found = false;
  while (PeekMessageA(&msg, hwnd, WM_VSCROLL, WM_VSCROLL, PM_REMOVE))
    found |= LOWORD(msg.wParam) == code;
  return found;
}

void PressKey(HWND hwnd, WPARAM key, bool ctrl) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  SetKeyboardState(state);
  SendMessageA(hwnd, WM_KEYDOWN, key, 0);
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
}

class Commands : public MainWindowTest {};
}  // namespace

TEST_F(Commands, HomeAndEndSwapRolesWithCuaKeyboard) {
  for (int cua : {0, 1}) {
    gSetupSettings.CuaKeyboard = cua;
    PressKey(hwnd_, VK_HOME, false);
    EXPECT_EQ(TakeVScroll(hwnd_, SB_TOP), cua == 0) << "Home, CuaKeyboard " << cua;
    PressKey(hwnd_, VK_HOME, true);
    EXPECT_EQ(TakeVScroll(hwnd_, SB_TOP), cua == 1) << "Ctrl+Home, CuaKeyboard " << cua;
    PressKey(hwnd_, VK_END, false);
    EXPECT_EQ(TakeVScroll(hwnd_, SB_BOTTOM), cua == 0) << "End, CuaKeyboard " << cua;
  }
}

TEST_F(Commands, EscapeMinimizesOrClosesWithEscExit) {
  SendMessageA(hwnd_, WM_KEYDOWN, VK_ESCAPE, 0);
  PumpMessages();
  EXPECT_TRUE(IsIconic(hwnd_));
  gViewOptions.EscExit = 1;
  SendMessageA(hwnd_, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(hwnd_); }));
}

TEST_F(Commands, BackspaceIsTheHexDumpAccelerator) {
  HACCEL accel = LoadAcceleratorsA(GetModuleHandleA(nullptr), "TARVO");
  MSG msg = {hwnd_, WM_CHAR, 0x08, 0, 0, {0, 0}};
  EXPECT_TRUE(TranslateAcceleratorA(hwnd_, accel, &msg));
  PumpMessages();
  EXPECT_EQ(gViewOptions.Format, FORMAT_HEX);
}

TEST_F(Commands, FormatSwitchKeepsEachFormatsFlagsAndWrapTogglesBoth) {
  gViewOptions.CurrentFlags = gViewOptions.FormatFlags[0] = 0x220;
  Command(IDM_WRAP);
  EXPECT_EQ(gViewOptions.CurrentFlags & FMT_WRAP, FMT_WRAP);
  EXPECT_EQ(gViewOptions.FormatFlags[0] & FMT_WRAP, FMT_WRAP);
  Command(IDM_RAW);
  EXPECT_EQ(gViewOptions.Format, FORMAT_RAW);
  EXPECT_EQ(gViewOptions.CurrentFlags, gViewOptions.FormatFlags[2]);
  Command(IDM_TEXT);
  EXPECT_EQ(gViewOptions.CurrentFlags, 0x221u) << "Text's flags came back with their wrap bit";
}

TEST_F(Commands, MenusAreGreyedWithoutAFileAndChecksFollowTheFormat) {
  HMENU bar = GetMenu(hwnd_);
  HMENU edit = GetSubMenu(bar, 1), view = GetSubMenu(bar, 2), mark = GetSubMenu(bar, 4);
  SendMessageA(hwnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), MAKELPARAM(1, FALSE));
  SendMessageA(hwnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(mark), MAKELPARAM(4, FALSE));
  EXPECT_TRUE(GetMenuState(edit, IDM_SELECT_ALL, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(mark, IDM_FREEZE_TITLE, MF_BYCOMMAND) & MF_GRAYED);
  OpenName(folder_.Write("a.txt", "a"));
  SendMessageA(hwnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), MAKELPARAM(1, FALSE));
  SendMessageA(hwnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(mark), MAKELPARAM(4, FALSE));
  EXPECT_FALSE(GetMenuState(edit, IDM_SELECT_ALL, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(mark, IDM_FREEZE_TITLE, MF_BYCOMMAND) & MF_GRAYED);

  gViewOptions.Format = FORMAT_HEX;
  SendMessageA(hwnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), MAKELPARAM(2, FALSE));
  EXPECT_TRUE(GetMenuState(view, IDM_HEX, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(view, IDM_TEXT, MF_BYCOMMAND) & MF_CHECKED);
}

// Every menu item and accelerator is a row of the command table, and an item
// is greyed exactly when the router would not run its command.
TEST_F(Commands, MenuItemsAndAcceleratorsFollowTheCommandTable) {
  HMENU bar = GetMenu(hwnd_);
  for (int pass = 0; pass < 3; ++pass) {
    const bool withFile = pass > 0, readOnly = pass == 2;
    if (pass == 1) OpenName(folder_.Write("a.txt", "a"));
    gSetupSettings.ProfileReadOnly = readOnly;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
      HMENU popup = GetSubMenu(bar, i);
      SendMessageA(hwnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(i, FALSE));
      for (int k = 0; k < GetMenuItemCount(popup); ++k) {
        int id = static_cast<int>(GetMenuItemID(popup, k));
        if (id <= 0 || (id >= IDM_RECENT_FIRST && id <= IDM_RECENT_LAST)) continue;
        const CommandRow* row = FindCommand(id);
        ASSERT_NE(row, nullptr) << "menu item " << id;
        bool greyed = (GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
        EXPECT_EQ(greyed, !(row->Run && CommandAvailable(*row))) << id << " with file " << withFile;
        const bool needsFile =
            row->Rule == CommandRule::NeedsFile || row->Rule == CommandRule::StartsPrintJob;
        EXPECT_EQ((needsFile && !withFile) || (row->Rule == CommandRule::WritesProfile && readOnly),
                  greyed && row->Run)
            << id;
      }
    }
  }
  ACCEL keys[64];
  int n = CopyAcceleratorTableA(LoadAcceleratorsA(GetModuleHandleA(nullptr), "TARVO"), keys, 64);
  ASSERT_GT(n, 0);
  for (int i = 0; i < n; ++i) EXPECT_NE(FindCommand(keys[i].cmd), nullptr) << keys[i].cmd;
  for (const CommandRow& row : CommandTable())
    EXPECT_EQ(row.Run == nullptr, row.Rule == CommandRule::Unbuilt) << row.Id;
}

TEST_F(Commands, SelectAllCoversTheFileAndFreezeTitleNeedsASelection) {
  OpenName(folder_.Write("a.txt", "0123456789"));
  Command(IDM_SELECT_ALL);
  EXPECT_EQ(gSel.SelStart, 0);
  EXPECT_EQ(gSel.SelEnd, 10);
  EXPECT_EQ(gSel.AnchorEnd, 1);
  Command(IDM_UNSELECT);
  EXPECT_FALSE(HasSelection());
  Command(IDM_FREEZE_TITLE);  // beeps, allocates nothing
  EXPECT_EQ(gTitles.Alast, 0);
}

TEST_F(Commands, AboutShowsTheVersionAndBuildDate) {
  std::string version;
  DialogDriver driver([&](HWND dlg) {
    char text[128];
    GetDlgItemTextA(dlg, IDC_ABOUT_VERSION, text, sizeof text);
    version = text;
    ClickButton(dlg, IDOK);
  });
  EXPECT_EQ(ShowAboutDialog(hwnd_), 1);
  EXPECT_EQ(version.rfind("Version 1.0   [", 0), 0u) << version;
  EXPECT_EQ(version.back(), ']');
}

TEST_F(Commands, FreezeColumnsDialogTakesTheCaretColumnAndRefusesTooMany) {
  gViewOptions.FreezeColumns = 3;
  int stage = 0;
  std::string boxText;
  DialogDriver driver([&](HWND dlg) {
    if (stage++ > 0) {  // the range message
      boxText = MessageBoxText(dlg);
      ClickButton(dlg, IDOK);
      return;
    }
    EXPECT_EQ(GetDlgItemInt(dlg, 233, nullptr, FALSE), 3u);
    HWND sample = GetDlgItem(dlg, 232);
    SendMessageA(sample, EM_SETSEL, 0, 0);
    SendMessageA(sample, WM_KEYDOWN, VK_LEFT, 0);  // the caret stays before the first character
    PumpMessages();
    EXPECT_EQ(GetDlgItemInt(dlg, 233, nullptr, FALSE), 0u);
    SendMessageA(sample, EM_SETSEL, 9, 9);
    SendMessageA(sample, WM_KEYDOWN, VK_RIGHT, 0);  // after the tenth character
    PumpMessages();
    EXPECT_EQ(GetDlgItemInt(dlg, 233, nullptr, FALSE), 10u);
    SetDlgItemTextA(dlg, 233, "256");
    ClickButton(dlg, IDOK);  // refused: the message box is answered above
    EXPECT_TRUE(IsWindow(dlg)) << "the dialog stays open";
    SetDlgItemTextA(dlg, 233, "12");
    ClickButton(dlg, IDOK);
  });
  EXPECT_TRUE(FreezeColumnsDialog(hwnd_, "0123456789abcdef", gViewOptions));
  EXPECT_EQ(boxText, "Number of columns to lock must be a number between 0 and 255!");
  EXPECT_EQ(gViewOptions.FreezeColumns, 12);
  Command(IDM_CLEAR_COLUMNS);
  EXPECT_EQ(gViewOptions.FreezeColumns, 0);
}

TEST_F(Commands, FreezeColumnsShowsTheTopLineInASmallFontAndCountsClicksFromItsStart) {
  OpenNumberedLines(20);
  gViewOptions.FreezeColumns = 0;
  LONG fontHeight = 0;
  std::string sample;
  DialogDriver driver([&](HWND dlg) {
    char text[600];
    GetDlgItemTextA(dlg, 232, text, sizeof text);
    sample = text;
    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(dlg, 232, WM_GETFONT, 0, 0)), sizeof lf,
               &lf);
    fontHeight = lf.lfHeight;
    HWND ruler = GetDlgItem(dlg, 231);
    LRESULT at = SendMessageA(ruler, EM_POSFROMCHAR, 10, 0);  // left edge of the eleventh character
    LPARAM point = MAKELPARAM(LOWORD(at) + 1, HIWORD(at) + 2);
    SendMessageA(ruler, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(ruler, WM_LBUTTONUP, 0, point);
    PumpMessages();
    EXPECT_EQ(GetDlgItemInt(dlg, 233, nullptr, FALSE), 10u) << "the caret after the ruler's \"1\"";
    ClickButton(dlg, IDOK);
  });
  Command(IDM_FREEZE_COLUMNS);
  EXPECT_EQ(sample, "line 0000");
  HDC dc = GetDC(nullptr);
  EXPECT_EQ(fontHeight, -(8 * GetDeviceCaps(dc, LOGPIXELSY) + 35) / 72);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(gViewOptions.FreezeColumns, 10);
}

TEST_F(Commands, FreezeColumnsCountsTheCaretOfALongSampleFromTheLineStart) {
  std::string line(400, 'x');
  DialogDriver driver([&](HWND dlg) {
    HWND sample = GetDlgItem(dlg, 232);
    SendMessageA(sample, EM_SETSEL, 299, 299);
    SendMessageA(sample, WM_KEYDOWN, VK_RIGHT, 0);  // scrolled far into the edit
    PumpMessages();
    EXPECT_EQ(GetDlgItemInt(dlg, 233, nullptr, FALSE), 300u);
    ClickButton(dlg, IDCANCEL);
  });
  gViewOptions.FreezeColumns = 4;
  EXPECT_FALSE(FreezeColumnsDialog(hwnd_, line.c_str(), gViewOptions));
  EXPECT_EQ(gViewOptions.FreezeColumns, 4) << "Cancel keeps the count";
}

// The find and go-to dialogs run by the viewer window's commands: what they
// remember, what they ask the viewer and what they post to it. The record
// and cell dialogs talk to a stand-in viewer, there being no such library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/app/file_entry.h"
#include "shell/app/shell_windows_fixture.h"
#include "shell/app/viewer_command.h"
#include "shell/core/viewer_table.h"
#include "shell/resources/shell_ids.h"
#include "tests/support/dialog_driver.h"
#include "viewers/contract/viewer_messages.h"
#include "win32/message_report.h"

namespace {

constexpr char kFindCaption[] = "Skimmet for Win32 - Find";
constexpr char kGoToCaption[] = "Skimmet for Win32 - Go To";

// A viewer of a sheet of 1234 records, columns A-Z and 100 rows, that
// keeps where it was sent.
LPARAM gWentTo = -1;
LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case ZV_RECORDCOUNT: return 1234;
    case ZV_LASTCELL: return MAKELONG(25, 99);
    case ZV_GOTO: gWentTo = lParam; return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

std::vector<UINT> gBeeps;
BOOL WINAPI RecordBeep(UINT type) {
  gBeeps.push_back(type);
  return TRUE;
}

void Type(HWND dialog, int id, const char* keys) {
  for (const char* k = keys; *k; ++k)
    SendDlgItemMessageA(dialog, id, WM_CHAR, static_cast<BYTE>(*k), 1);
}

TEST_F(ShellWindows, FindReportsNoMatchAndReopensWithTheLastTextSelectedAndMatchCaseCleared) {
  OpenFileInViewer(Text("find.txt", "alpha beta\r\n").c_str(), true);
  std::vector<std::string> boxes;
  int opened = 0;
  std::string reopened;
  DWORD from = 1, to = 0;
  UINT matchCase = BST_INDETERMINATE;
  DialogDriver driver([&](HWND dialog) {
    if (WindowText(dialog) != kFindCaption) {
      boxes.push_back(WindowText(dialog) + ": " + MessageBoxText(dialog));
      ClickButton(dialog, IDOK);
      return;
    }
    if (opened++ == 0) {
      SetDlgItemTextA(dialog, IDC_FIND_TEXT, "gamma");
      CheckDlgButton(dialog, IDC_MATCH_CASE, BST_CHECKED);
      ClickButton(dialog, IDOK);
      EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays for the next search";
    } else {
      reopened = DialogItemText(dialog, IDC_FIND_TEXT);
      SendDlgItemMessageA(dialog, IDC_FIND_TEXT, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                          reinterpret_cast<LPARAM>(&to));
      matchCase = IsDlgButtonChecked(dialog, IDC_MATCH_CASE);
    }
    ClickButton(dialog, IDCANCEL);
  });
  ViewerCommand(ShellState.CurrentViewer, CMD_FIND, 0);
  ViewerCommand(ShellState.CurrentViewer, CMD_FIND, 0);
  EXPECT_EQ(boxes, std::vector<std::string>{"Skimmet - Find: There are no matches found."});
  EXPECT_EQ(reopened, "gamma");
  EXPECT_EQ(from, 0u);
  EXPECT_EQ(to, 5u);
  EXPECT_EQ(matchCase, static_cast<UINT>(BST_UNCHECKED));
}

TEST_F(ShellWindows, RecordAndCellGoToAskTheViewerAndPostWhereToGo) {
  static const bool registered = [] {
    WNDCLASSA standIn = {};
    standIn.lpfnWndProc = StandInProc;
    standIn.hInstance = GetModuleHandleA(nullptr);
    standIn.lpszClassName = "GoToStandIn";
    return RegisterClassA(&standIn) != 0;
  }();
  ASSERT_TRUE(registered);
  HWND viewer = CreateViewerWindow(0);
  ViewerRecord* record = RecordOf(viewer);
  record->Child = CreateWindowExA(0, "GoToStandIn", "", WS_CHILD, 0, 0, 10, 10, viewer, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
  CopyText(record->Files[0], "C:\\data\\sales.dbf");
  record->FileCount = 1;
  auto beep = gMessageBeep;
  gMessageBeep = RecordBeep;
  gBeeps.clear();

  std::string info;
  std::vector<std::string> boxes;
  std::vector<std::string> entries;  // what is typed, one OK each
  DialogDriver driver([&](HWND dialog) {
    if (WindowText(dialog) != kGoToCaption) {
      boxes.push_back(WindowText(dialog) + ": " + MessageBoxText(dialog));
      ClickButton(dialog, IDOK);
      return;
    }
    info = DialogItemText(dialog, IDC_GOTO_INFO);
    for (const std::string& entry : entries) {
      SetDlgItemTextA(dialog, IDC_GOTO_TEXT, "");
      Type(dialog, IDC_GOTO_TEXT, entry.c_str());
      ClickButton(dialog, IDOK);
      if (!IsWindow(dialog)) return;
    }
    ClickButton(dialog, IDCANCEL);
  });

  record->Type = kTypeDbf;
  entries = {"12x3"};
  ViewerCommand(viewer, CMD_GOTO, 0);
  PumpMessages();
  EXPECT_EQ(info, "sales.dbf contains 1234 records.");
  EXPECT_EQ(gBeeps, std::vector<UINT>{MB_ICONEXCLAMATION}) << "x is refused";
  EXPECT_STREQ(record->DbfGotoText, "123");
  EXPECT_EQ(gWentTo, 123);

  record->Type = kTypeWk;
  entries = {"ABCD1", "b12"};
  ViewerCommand(viewer, CMD_GOTO, 0);
  PumpMessages();
  EXPECT_EQ(info, "sales.dbf has columns ranging from A - Z and rows ranging from 1 - 100.");
  EXPECT_EQ(boxes, std::vector<std::string>{"Error: Cell value is out of range."});
  EXPECT_EQ(gWentTo, 11 * 65536 + 1);

  gWentTo = -1;
  record->Type = kTypeWksFF;  // a worksheet without a go-to dialog
  ViewerCommand(viewer, CMD_GOTO, 0);
  EXPECT_EQ(driver.seen(), 3);
  gMessageBeep = beep;
}

}  // namespace

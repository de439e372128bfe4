// The shell's dialogs driven in this process: the no-association dialog and
// the association it records, the print job with its "Printing" box, Save
// As, the button form of the dispatcher, and a viewer window whose button
// bar cannot be made. A stand-in viewer records what the shell sends it.
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

namespace {

std::string Lower(std::string text) {
  CharLowerA(text.data());
  return text;
}

constexpr int kFileNameField = 0x47c;     // cmb13 of the system's open and save dialogs
constexpr int kOldFileNameField = 0x480;  // edt1 of the oldest shell's template
constexpr int kSelectionRadio = 0x421;    // rad2 of the print dialog
constexpr int kFilterCombo = 0x470;       // cmb1

// What the stand-in viewer was sent, and what it does inside its print call.
struct StandIn {
  enum class WhilePrinting { Nothing, PressCancel, CloseTheWindow } Mode = WhilePrinting::Nothing;
  const PRINTDLGA* PrintRecord = nullptr;
  bool HadDc = false, Cancelled = false, EndDocFailed = false;
  std::string BoxCaption, BoxText;  // of the "Printing" box, seen while printing
  std::vector<std::pair<WPARAM, std::string>> Saves;
} gStandIn;

BOOL CALLBACK FindPrintingBox(HWND w, LPARAM found) {
  if (!GetDlgItem(w, IDC_PRINTING_TEXT)) return TRUE;
  *reinterpret_cast<HWND*>(found) = w;
  return FALSE;
}

LRESULT CALLBACK StandInProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case ZV_PRINT: {
      gStandIn.PrintRecord = reinterpret_cast<const PRINTDLGA*>(lParam);
      HDC dc = gStandIn.PrintRecord ? gStandIn.PrintRecord->hDC : nullptr;
      gStandIn.HadDc = dc != nullptr;
      HWND box = nullptr;
      EnumThreadWindows(GetCurrentThreadId(), FindPrintingBox, reinterpret_cast<LPARAM>(&box));
      if (box) {
        gStandIn.BoxCaption = WindowText(box);
        gStandIn.BoxText = DialogItemText(box, IDC_PRINTING_TEXT);
      }
      if (gStandIn.Mode == StandIn::WhilePrinting::PressCancel && box) {
        ClickButton(box, IDCANCEL);
      } else if (gStandIn.Mode == StandIn::WhilePrinting::CloseTheWindow && dc) {
        DOCINFOA doc = {sizeof doc, "stand-in", nullptr, nullptr, 0};
        StartDocA(dc, &doc);
        DestroyWindow(GetParent(w));
        gStandIn.EndDocFailed = EndDoc(dc) <= 0;  // aborted by the window's end
      }
      return 1;
    }
    case ZV_CANCELPRINT: gStandIn.Cancelled = true; return 0;
    case ZV_SAVEAS:
      gStandIn.Saves.emplace_back(wParam, Lower(reinterpret_cast<const char*>(lParam)));
      return 1;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}

class ShellDialogs : public ShellWindows {
 protected:
  void SetUp() override {
    static bool registered = false;
    gStandIn = StandIn();
    if (!registered) {
      WNDCLASSA standIn = {};
      standIn.lpfnWndProc = StandInProc;
      standIn.hInstance = GetModuleHandleA(nullptr);
      standIn.lpszClassName = "ZRXSTANDIN";
      registered = RegisterClassA(&standIn) != 0;
    }
    ASSERT_TRUE(registered);
    ShellWindows::SetUp();
  }
  // A viewer window showing path (a picture, by its type) in the stand-in.
  ViewerRecord* ShowInStandIn(const std::string& path, int type) {
    HWND viewer = CreateViewerWindow(0);
    ViewerRecord* record = RecordOf(viewer);
    record->Type = type;
    record->FileCount = 1;
    CopyText(record->Files[0], kListPathChars, path);
    record->Child = CreateWindowExA(0, "ZRXSTANDIN", "", WS_CHILD | WS_VISIBLE, 0, kButtonBarHeight,
                                    100, 100, viewer, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShellState.CurrentViewer = viewer;
    return record;
  }
};

// Names typed into the save dialog in turn, and the answers given to the
// overwrite question.
struct SaveRound {
  std::string Name;
  int Filter;  // position in the filter list
  int Answer;  // to the question, when it comes
};

TEST_F(ShellDialogs, PictureSaveAsAsksBeforeOverwritingAndTakesTheKindFromTheFilter) {
  const std::string existing = temp_.Write("old.gif", "GIF89a");
  const struct {
    std::vector<SaveRound> rounds;
    std::vector<std::pair<WPARAM, std::string>> saved;
    int questions;
  } cases[] = {
      {{{existing, 3, IDNO}, {temp_ / "new.gif", 3, 0}}, {{3, Lower(temp_ / "new.gif")}}, 1},
      {{{existing, 0, IDYES}}, {{0, Lower(existing)}}, 1},
      {{{existing, 0, IDCANCEL}}, {}, 1},
  };
  for (const auto& c : cases) {
    ViewerRecord* record = ShowInStandIn(temp_ / "shown.bmp", kTypeGraphics);
    gStandIn.Saves.clear();
    size_t round = 0;
    int questions = 0;
    DialogDriver driver([&](HWND dialog) {
      if (GetDlgItem(dialog, 0xFFFF)) {  // the question
        EXPECT_EQ(Lower(MessageBoxText(dialog)),
                  Lower("The file " + existing + " already exists. Do you want to overwrite it?"));
        EXPECT_EQ(WindowText(dialog), "Skimmet For Win 32");
        ++questions;
        ClickButton(dialog, c.rounds[round - 1].Answer);
        return;
      }
      ASSERT_LT(round, c.rounds.size());
      const SaveRound& r = c.rounds[round++];
      SendDlgItemMessageA(dialog, kFilterCombo, CB_SETCURSEL, r.Filter, 0);
      for (WORD note : {CBN_SELCHANGE, CBN_SELENDOK}) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kFilterCombo, note),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, kFilterCombo)));
      }
      SetDlgItemTextA(dialog, kFileNameField, r.Name.c_str());
      ClickButton(dialog, IDOK);
    });
    ViewerCommand(ShellState.CurrentViewer, CMD_SAVE_AS, 0);
    EXPECT_EQ(round, c.rounds.size());
    EXPECT_EQ(questions, c.questions);
    EXPECT_EQ(gStandIn.Saves, c.saved);
    DestroyWindow(record->Child);
    record->Child = nullptr;
  }
}

// The Open dialog on NT is the wide one: a name the code page cannot hold
// comes back whole and opens in the text library.
TEST_F(ShellDialogs, OpenTakesANameBeyondTheCodePage) {
  const std::wstring path = temp_.WriteWide(L"\u65E5\u672C\u8A9E.txt", "");
  OpenFileInViewer(temp_.Write("old.txt", "old\r\n").c_str(), true);
  DialogDriver driver([&](HWND dialog) {
    SetDlgItemTextW(dialog, kFileNameField, path.c_str());
    ClickButton(dialog, IDOK);
  });
  ViewerCommand(ShellState.CurrentViewer, CMD_OPEN, 0);
  ViewerRecord* record = RecordOf(ShellState.CurrentViewer);
  ASSERT_EQ(record->FileCount, 2);
  EXPECT_EQ(std::string(record->Files[0]),
            "<utf8>" + temp_.path() + "\\\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.TXT");
  wchar_t caption[80] = L"";
  GetWindowTextW(ShellState.CurrentViewer, caption, 80);
  EXPECT_STREQ(caption, L"Skimmet For Win 32 - \u65E5\u672C\u8A9E.TXT");
}

TEST_F(ShellDialogs, TextSaveAsOffersTheFileItselfAndNeverAsks) {
  const std::string text = temp_.Write("notes.txt", "some text\r\n");
  OpenFileInViewer(text.c_str(), true);
  std::vector<std::string> offered;
  DialogDriver driver([&](HWND dialog) {
    offered.push_back(DialogItemText(dialog, kFileNameField));
    ClickButton(dialog, IDOK);
  });
  ViewerCommand(ShellState.CurrentViewer, CMD_SAVE_AS, 0);
  ASSERT_EQ(offered.size(), 1u) << "no question about the file that exists";
  EXPECT_EQ(offered[0], "notes.TXT");
  EXPECT_EQ(ReadFileText(text), "some text\r\n");
}

TEST_F(ShellDialogs, PrintDialogOffersTheSelectionOnlyWhenTheViewerHasOne) {
  for (bool selection : {false, true}) {
    ViewerRecord* record = ShowInStandIn(temp_ / "shown.bmp", kTypeGraphics);
    record->HasSelection = selection;
    bool enabled = !selection, chosen = !selection;
    DialogDriver driver([&](HWND dialog) {
      enabled = IsWindowEnabled(GetDlgItem(dialog, kSelectionRadio));
      chosen = IsDlgButtonChecked(dialog, kSelectionRadio) == BST_CHECKED;
      ClickButton(dialog, IDCANCEL);
    });
    ViewerCommand(ShellState.CurrentViewer, CMD_PRINT, 0);
    EXPECT_EQ(enabled, selection);
    EXPECT_EQ(chosen, selection);
    EXPECT_EQ(gStandIn.PrintRecord, nullptr) << "a cancelled print dialog prints nothing";
  }
}

TEST_F(ShellDialogs, ThePrintingBoxHandsTheRecordToTheViewerAndItsCancelAbortsTheJob) {
  const std::string shown = temp_ / "shown.bmp";
  for (auto mode : {StandIn::WhilePrinting::Nothing, StandIn::WhilePrinting::PressCancel}) {
    ViewerRecord* record = ShowInStandIn(shown, kTypeGraphics);
    gStandIn = StandIn();
    gStandIn.Mode = mode;
    DialogDriver driver([&](HWND dialog) {
      if (!GetDlgItem(dialog, IDC_PRINTING_TEXT)) ClickButton(dialog, IDOK);  // the print dialog
    });
    ViewerCommand(ShellState.CurrentViewer, CMD_PRINT, 0);
    EXPECT_EQ(gStandIn.BoxCaption, "Skimmet For Win 32");
    EXPECT_EQ(gStandIn.BoxText, "Printing " + shown + ".");
    EXPECT_EQ(gStandIn.PrintRecord, &record->PrintDialog);
    EXPECT_TRUE(gStandIn.HadDc);
    EXPECT_EQ(gStandIn.Cancelled, mode == StandIn::WhilePrinting::PressCancel);
    EXPECT_FALSE(record->Printing);
    EXPECT_EQ(GetObjectType(record->PrintDialog.hDC), 0u) << "the job deleted its device context";
  }
}

TEST_F(ShellDialogs, ClosingTheWindowWhilePrintingAbortsTheDocument) {
  ShowInStandIn(temp_ / "shown.bmp", kTypeGraphics);
  CreateViewerWindow(0);  // so that the program goes on
  gStandIn.Mode = StandIn::WhilePrinting::CloseTheWindow;
  HWND printing = ShellState.ViewerList[0];
  DialogDriver driver([&](HWND dialog) {
    if (!GetDlgItem(dialog, IDC_PRINTING_TEXT)) ClickButton(dialog, IDOK);
  });
  ViewerCommand(printing, CMD_PRINT, 0);
  EXPECT_TRUE(gStandIn.HadDc);
  EXPECT_TRUE(gStandIn.EndDocFailed);
  EXPECT_FALSE(IsWindow(printing));
  EXPECT_EQ(ShellState.ViewerCount, 1);
}

// On the oldest shell the program is picked in the open dialog of our own
// template, with the focus in its name field.
TEST_F(ShellDialogs, NoAssociationDialogRecordsThePickedProgramForTheExtension) {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  const std::string program = std::string(system) + "\\hostname.exe";  // ends at once
  for (bool newShell : {true, false}) {
    ShellState.NewShell = newShell;
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".abc");
    ShowInStandIn(temp_.Write("notes.abc", "abc"), kTypeText);
    std::vector<std::string> seen;
    bool focusInName = false;
    DialogDriver driver([&](HWND dialog) {
      if (GetDlgItem(dialog, IDC_ASSOC_PERMANENT)) {
        const bool offered = IsWindowEnabled(GetDlgItem(dialog, IDC_ASSOC_PERMANENT));
        seen.push_back(WindowText(dialog) + (offered ? ": offered" : ": not offered"));
        CheckDlgButton(dialog, IDC_ASSOC_PERMANENT, BST_CHECKED);
        ClickButton(dialog, IDOK);
        return;
      }
      const int field = newShell ? kFileNameField : kOldFileNameField;
      // Another program's window may hold the foreground while tests run side
      // by side; activated, the dialog gives the focus back where it put it.
      SetForegroundWindow(dialog);
      focusInName = GetFocus() == GetDlgItem(dialog, field);
      seen.push_back(WindowText(dialog));
      SetDlgItemTextA(dialog, field, program.c_str());
      ClickButton(dialog, IDOK);
    });
    ViewerCommand(ShellState.CurrentViewer, CMD_LAUNCH, 0);
    ASSERT_EQ(seen, (std::vector<std::string>{"Skimmet For Win 32: offered", "Skimmet For Win 32"}))
        << newShell;
    EXPECT_TRUE(newShell || focusInName);
    char value[MAX_PATH + 8] = "";
    LONG size = sizeof value;
    EXPECT_EQ(RegQueryValueA(HKEY_CLASSES_ROOT, ".ABC\\shell\\open\\command", value, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(value, (program + " %1").c_str());
    CloseAllViewers();
  }
  RegDeleteTreeA(HKEY_CLASSES_ROOT, ".abc");
}

TEST_F(ShellDialogs, AButtonIndexRunsThatButtonsCommand) {
  for (const char* name : {"c.txt", "b.txt", "a.txt"})
    OpenFileInViewer(temp_.Write(name, "x").c_str(), true);
  ButtonEntry buttons[3] = {};
  buttons[1].Code = CMD_NEXT;
  buttons[2].Code = CMD_LAST;
  ButtonEntry* table = ShellState.ButtonTable;
  const int count = ShellState.ButtonCount;
  ShellState.ButtonTable = buttons;
  ShellState.ButtonCount = 3;
  HWND viewer = ShellState.CurrentViewer;
  const ViewerRecord* record = RecordOf(viewer);
  ViewerCommand(viewer, 2, kButtonIndexCode);
  EXPECT_EQ(record->CurrentIndex, 2);
  ViewerCommand(viewer, 1, kButtonIndexCode);
  EXPECT_EQ(record->CurrentIndex, 0);
  for (int index : {0, 3, -1}) ViewerCommand(viewer, index, kButtonIndexCode);  // a gap, outside
  EXPECT_EQ(record->CurrentIndex, 0);
  ShellState.ButtonTable = table;
  ShellState.ButtonCount = count;
}

// Creation refused for the button bar's class.
LRESULT CALLBACK RefuseButtonBars(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
    const char* name = create->lpcs->lpszClass;
    if (HIWORD(name) && lstrcmpiA(name, kButtonBarClass) == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ShellDialogs, AViewerWindowWithoutItsButtonBarIsRefusedAndTheProgramGoesOn) {
  std::string refusal;
  DialogDriver driver([&](HWND box) {
    refusal = WindowText(box) + ": " + MessageBoxText(box);
    ClickButton(box, IDOK);
  });
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseButtonBars, nullptr, GetCurrentThreadId());
  HWND viewer = CreateViewerWindow(0);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(viewer, nullptr);
  EXPECT_EQ(refusal, "Error: Unable to create viewer window.");
  EXPECT_EQ(ShellState.ViewerCount, 0);
  EXPECT_TRUE(IsWindow(ShellState.MainWindow)) << "the program goes on";
  char left[16] = "";
  GetPrivateProfileStringA("viewer", "left", "", left, sizeof left, (temp_ / "ZR.INI").c_str());
  EXPECT_STREQ(left, "") << "no last window's placement";
  EXPECT_NE(CreateViewerWindow(0), nullptr);
}

}  // namespace

// The Go To dialog and command on the real main window, with the real
// dialog template and the page index of the opened file.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/main_window_fixture.h"
#include "viewer/navigation/page_index.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/ui_seam.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_blocks.h"

namespace {
// The checked choice, the number field ("off": disabled), the range and
// the focus ("edit" with its selection).
std::string Shown(HWND dialog) {
  int checked = 0;
  for (int id = IDC_GOTO_TOP; id <= IDC_GOTO_PAGE; ++id)
    if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) checked = id;
  HWND edit = GetDlgItem(dialog, IDC_GOTO_NUMBER);
  std::string focus = std::to_string(GetDlgCtrlID(GetFocus()));
  if (GetFocus() == edit) {
    DWORD sel = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
    focus = "edit " + std::to_string(LOWORD(sel)) + "-" + std::to_string(HIWORD(sel));
  }
  return std::to_string(checked) + " [" + DialogItemText(dialog, IDC_GOTO_NUMBER) +
         (IsWindowEnabled(edit) ? "" : " off") + "] [" + DialogItemText(dialog, IDC_GOTO_RANGE) + "] " +
         focus;
}

class GoTo : public MainWindowTest {
 protected:
  // Runs Go To without handling what it posts; act answers the dialog.
  // Message boxes are kept as "caption: text" and closed.
  void Run(const std::function<void(HWND)>& act) {
    boxes_.clear();
    gBeeps.clear();
    DialogDriver driver([&](HWND dialog) {
      if (!GetDlgItem(dialog, IDC_GOTO_NUMBER)) {
        boxes_.push_back(WindowText(dialog) + ": " + MessageBoxText(dialog));
        ClickButton(dialog, IDOK);
        return;
      }
      ++dialogs_;
      act(dialog);
    });
    SendMessageA(hwnd_, WM_COMMAND, IDM_GOTO, 0);
  }
  // Chooses radio, types number and presses OK; a dialog that stays (the
  // number refused) is cancelled.
  void Choose(int radio, const char* number) {
    Run([&](HWND dialog) {
      ClickButton(dialog, radio);
      SetDlgItemTextA(dialog, IDC_GOTO_NUMBER, number);
      ClickButton(dialog, IDOK);
      if (IsWindowVisible(dialog)) ClickButton(dialog, IDCANCEL);
    });
  }
  FileOffset TopOffset() {
    PumpMessages();
    ViewLock view;
    return view.ok() ? gLines.Entries[gLines.Acur].Offset : -1;
  }
  void Scroll(int code) {
    SendMessageA(hwnd_, WM_VSCROLL, code, 0);
    PumpMessages();
  }

  std::vector<std::string> boxes_;
  int dialogs_ = 0;
};
}  // namespace

TEST_F(GoTo, OpensOnTopAndEachChoiceSetsUpTheNumberField) {
  Run([](HWND dialog) { ClickButton(dialog, IDCANCEL); });
  EXPECT_EQ(dialogs_, 0) << "no file, no Go To";
  OpenNumberedLines(2000);
  SendMessageA(hwnd_, PG_STOP, 0, 0);  // no page index
  std::vector<std::string> shown;
  bool pagesOffered = true;
  LRESULT limit = 0;
  Run([&](HWND dialog) {
    shown.push_back(Shown(dialog));
    pagesOffered = IsWindowEnabled(GetDlgItem(dialog, IDC_GOTO_PAGE));
    limit = SendDlgItemMessageA(dialog, IDC_GOTO_NUMBER, EM_GETLIMITTEXT, 0, 0);
    for (int radio : {IDC_GOTO_BYTE, IDC_GOTO_BOTTOM, IDC_GOTO_TOP}) {
      ClickButton(dialog, radio);
      shown.push_back(Shown(dialog));
    }
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_FALSE(pagesOffered);
  EXPECT_EQ(limit, 16);
  EXPECT_EQ(shown, (std::vector<std::string>{"191 [N/A off] [] 191",
                                             "193 [0x000000] [1 to 0x55F0] edit 0-8",
                                             "192 [N/A off] [] 192", "191 [N/A off] [] 191"}));
}

TEST_F(GoTo, ByteOffsetsInEveryBaseUpToTheFileSize) {
  std::string lines;  // lines short enough that a number misread lands on another line
  for (int i = 0; i < 5000; ++i) lines += "ab\r\n";
  OpenName(folder_.Write("lines.txt", lines));
  Scroll(SB_BOTTOM);
  const FileOffset end = TopOffset();
  struct Case {
    const char* text;
    const char* box;  // empty: accepted
    FileOffset top;
  } cases[] = {
      {"0x10", "", 16},
      {"16", "", 16},
      {"020", "", 16},
      {"20000", "", end},
      {"20001", "Bad Options: File Offset must be a number between 0 and 20000!", 0},
      {"", "Bad Options: File Offset must be a number between 0 and 20000!", 0},
      {"12a", "Bad Options: Invalid character \"a\" in File Offset.", 0},
  };
  for (const Case& c : cases) {
    Scroll(SB_TOP);
    Choose(IDC_GOTO_BYTE, c.text);
    EXPECT_EQ(TopOffset(), c.top) << c.text;
    EXPECT_EQ(boxes_.empty() ? "" : boxes_[0], c.box) << c.text;
    const std::vector<UINT> refused{MB_ICONHAND, MB_ICONASTERISK};
    EXPECT_EQ(gBeeps, *c.box ? refused : std::vector<UINT>{}) << c.text;
  }
}

TEST_F(GoTo, BottomIsTheScrollBarsBottomAndCancelMovesNothing) {
  OpenNumberedLines(2000);
  Choose(IDC_GOTO_BOTTOM, "");
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, hwnd_, WM_VSCROLL, WM_VSCROLL, PM_REMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(SB_BOTTOM));
  Run([](HWND dialog) {
    ClickButton(dialog, IDC_GOTO_BYTE);
    SetDlgItemTextA(dialog, IDC_GOTO_NUMBER, "16");
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(TopOffset(), 0);
}

TEST_F(GoTo, PageNumbersAreOfferedAsFarAsTheIndexHasFoundPages) {
  OpenName(folder_.Write("pages.txt", "a\r\n\fb\r\n\fc"));
  SendMessageA(hwnd_, PG_STOP, 0, 0);
  SendMessageA(hwnd_, PG_START, 0, 0);  // nothing scanned yet: page 1 only
  std::string shown;
  Run([&](HWND dialog) {
    ClickButton(dialog, IDC_GOTO_PAGE);
    shown = Shown(dialog);
    SetDlgItemTextA(dialog, IDC_GOTO_NUMBER, "2");
    ClickButton(dialog, IDOK);
    ClickButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(shown, "194 [1] [1 to 1] edit 0-1");
  EXPECT_EQ(boxes_,
            std::vector<std::string>{"Bad Options: Page Number must be a number between 1 and 1!"});

  ASSERT_TRUE(WaitFor([] { return gPageIndex.State == PG_DONE; }));
  Choose(IDC_GOTO_PAGE, "2");
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(TopOffset(), 3) << "the form feed's line";

  Run([&](HWND dialog) {
    ClickButton(dialog, IDC_GOTO_PAGE);
    SetDlgItemTextA(dialog, IDC_GOTO_NUMBER, "3");
    SendMessageA(hwnd_, PG_STOP, 0, 0);  // the index dropped meanwhile
    ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(boxes_, std::vector<std::string>{"Go To Page: Invalid page number."});
  EXPECT_EQ(gBeeps.back(), static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(TopOffset(), 3);
}

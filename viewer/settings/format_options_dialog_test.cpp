// The Display Formatting dialog, driven through the real template inside the
// main window.
#include "viewer/settings/format_options_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/dialog_driver.h"
#include "tests/support/main_window_fixture.h"
#include "viewer/resources/resource_ids.h"

namespace {
class FormatOptions : public MainWindowTest {
 protected:
  // Runs the dialog; each message box is answered with OK and its text kept.
  bool Run(std::function<void(HWND)> act) {
    DialogDriver driver([&](HWND dlg) {
      if (GetDlgItem(dlg, 0xFFFF) && !GetDlgItem(dlg, IDC_FORMAT_LIST)) {
        boxes_.push_back(MessageBoxText(dlg));
        ClickButton(dlg, IDOK);
        return;
      }
      act(dlg);
    });
    return FormatOptionsDialog(hwnd_, gViewOptions, gSetupSettings);
  }
  static void SelectFormat(HWND dlg, int index) {
    SendDlgItemMessageA(dlg, IDC_FORMAT_LIST, CB_SETCURSEL, index, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_FORMAT_LIST, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_FORMAT_LIST)));
  }
  static bool Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }
  std::vector<std::string> boxes_;
};
}  // namespace

TEST_F(FormatOptions, FieldsAreCheckedInOrderAndTheDialogStaysOpenUntilTheyPass) {
  bool stayedOpen = false;
  EXPECT_TRUE(Run([&](HWND dlg) {
    SetDlgItemTextA(dlg, IDC_LINE_LENGTH, "");
    ClickButton(dlg, IDOK);
    SetDlgItemTextA(dlg, IDC_LINE_LENGTH, "4");  // below the profile's 8, allowed here
    SetDlgItemTextA(dlg, IDC_TAB_LENGTH, "300");
    ClickButton(dlg, IDOK);
    stayedOpen = IsWindow(dlg) && GetFocus() == GetDlgItem(dlg, IDC_TAB_LENGTH);
    SendDlgItemMessageA(dlg, IDC_CODE_LIST, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetDlgItemTextA(dlg, IDC_TAB_LENGTH, "4");
    ClickButton(dlg, IDOK);
    SendDlgItemMessageA(dlg, IDC_CODE_LIST, CB_SETCURSEL, 2, 0);
    ClickButton(dlg, IDOK);
  }));
  ASSERT_EQ(boxes_.size(), 3u);
  EXPECT_EQ(boxes_[0], "Line length must be a number between 4 and 32767!");
  EXPECT_EQ(boxes_[1], "Tab length must be a number between 1 and 255!");
  EXPECT_EQ(boxes_[2], "You must choose a code !");
  EXPECT_TRUE(stayedOpen) << "the focus goes to the failing field";
  EXPECT_EQ(gViewOptions.LineLength, 4);
  EXPECT_EQ(gViewOptions.TabLength, 4);
  EXPECT_EQ(gViewOptions.CharCode, CODE_EBCDIC);
  EXPECT_EQ(gViewOptions.CurrentFlags & FMT_EBCDIC, FMT_EBCDIC) << "the code bits are applied";
}

TEST_F(FormatOptions, EachFormatKeepsItsBoxesAndCancelKeepsOnlyTheResetCurrentFlags) {
  gViewOptions.FormatFlags[0] = FMT_WRAP | FMT_SWITCH_O | FMT_FORM_FEEDS;
  gViewOptions.FormatFlags[1] = FMT_SHOW_BACKGROUND;
  gViewOptions.CurrentFlags = 0x7;  // as start-up switches left it
  bool hexShown = false, textKept = false;
  EXPECT_FALSE(Run([&](HWND dlg) {
    ClickButton(dlg, IDC_EXPAND_TABS);
    SelectFormat(dlg, 1);
    hexShown = Checked(dlg, IDC_SHOW_BACKGROUND) && !Checked(dlg, IDC_WRAP);
    SelectFormat(dlg, 0);
    textKept = Checked(dlg, IDC_WRAP) && Checked(dlg, IDC_EXPAND_TABS);
    ClickButton(dlg, IDCANCEL);
  }));
  EXPECT_TRUE(hexShown);
  EXPECT_TRUE(textKept);
  EXPECT_EQ(gViewOptions.FormatFlags[0], FMT_WRAP | FMT_SWITCH_O | FMT_FORM_FEEDS) << "cancelled";
  EXPECT_EQ(gViewOptions.CurrentFlags, gViewOptions.FormatFlags[0]);

  EXPECT_TRUE(Run([&](HWND dlg) { ClickButton(dlg, IDOK); }));
  EXPECT_EQ(gViewOptions.FormatFlags[0], FMT_WRAP | FMT_FORM_FEEDS) << "bit 0x2 is dropped";
}

TEST_F(FormatOptions, DiagModeShowsTheProfileAndAReadOnlyProfileCannotBeSavedTo) {
  gSetupSettings.DiagMode = 1;
  gSetupSettings.ProfileReadOnly = true;
  std::string shown;
  bool saveEnabled = true;
  Run([&](HWND dlg) {
    char text[300] = "";
    GetDlgItemTextA(dlg, IDC_PROFILE_PATH, text, sizeof text);
    shown = text;
    saveEnabled = IsWindowEnabled(GetDlgItem(dlg, IDC_SAVE_DEFAULTS));
    ClickButton(dlg, IDCANCEL);
  });
  EXPECT_EQ(shown, gSetupSettings.ProfilePath);
  EXPECT_FALSE(saveEnabled);
}

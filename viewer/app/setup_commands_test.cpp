// Save Options, Save Setup and Load Setup through the menu commands, their
// real dialogs and the profile file.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/main_window_fixture.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/color_table.h"
#include "viewer/settings/named_setups.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/selection.h"
#include "viewer/view/view_blocks.h"

namespace {
class SetupCommands : public MainWindowTest {
 protected:
  // Runs a command; act answers its dialog, message boxes are kept and closed.
  void Run(int command, const std::function<void(HWND)>& act) {
    DialogDriver driver([&](HWND dialog) {
      if (GetDlgItem(dialog, IDC_SETUP_NAME) || GetDlgItem(dialog, IDC_SETUP_FORMAT)) {
        act(dialog);
      } else {
        boxes_.push_back(MessageBoxText(dialog));
        ClickButton(dialog, IDOK);
      }
    });
    Command(command);
  }
  std::string Stored(const char* section, const char* key) const {
    char value[128] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, profile_.c_str());
    return value;
  }
  bool HasSection(const char* section) const {
    char keys[64] = "";
    return GetPrivateProfileStringA(section, nullptr, "", keys, sizeof keys, profile_.c_str()) > 0;
  }
  static void Type(HWND dialog, const std::string& name) {
    SendDlgItemMessageA(dialog, IDC_SETUP_NAME, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetDlgItemTextA(dialog, IDC_SETUP_NAME, name.c_str());
  }
  std::vector<std::string> boxes_;
};

bool SaveEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }
}  // namespace

TEST_F(SetupCommands, SaveOptionsGreysKeepDeletesAndWrites) {
  WritePrivateProfileStringA(kColorsSection, "TagText", "255", profile_.c_str());
  WritePrivateProfileStringA("Page Setup", "PrintOptions", "7", profile_.c_str());
  gViewOptions.Format = FORMAT_HEX;
  Run(IDM_SAVE_OPTIONS, [&](HWND dialog) {
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SETUP_PAGE_SETUP), BST_INDETERMINATE);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SETUP_COLORS), BST_CHECKED);
    // checked -> grey -> unchecked, as the platform's three-state boxes go
    for (int box : {IDC_SETUP_FORMAT, IDC_SETUP_TITLES, IDC_SETUP_COLORS}) ClickButton(dialog, box);
    ClickButton(dialog, IDC_SETUP_PRINT_SETUP);  // grey -> unchecked
    ClickButton(dialog, IDC_SETUP_PRINT_SETUP);  // -> checked
    ClickButton(dialog, IDC_SETUP_PRINT_SETUP);  // -> grey: all five grey
    EXPECT_FALSE(SaveEnabled(dialog));
    ClickButton(dialog, IDOK);
    EXPECT_TRUE(IsWindow(dialog)) << "all grey: Save does nothing";
    ClickButton(dialog, IDC_SETUP_FORMAT);  // -> unchecked
    ClickButton(dialog, IDC_SETUP_FORMAT);  // -> checked
    ClickButton(dialog, IDC_SETUP_COLORS);  // -> unchecked
    EXPECT_TRUE(SaveEnabled(dialog));
    ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(Stored("Tarvo", "Format"), "1");
  EXPECT_FALSE(HasSection(kColorsSection)) << "unchecked Colors deletes the colours and shades";
  EXPECT_EQ(Stored("Page Setup", "PrintOptions"), "7") << "grey keeps";
  EXPECT_FALSE(HasSection("Titles")) << "grey Titles is not written";
}

TEST_F(SetupCommands, SaveSetupRefusesBadNamesThenSavesAndLists) {
  gNamedSetup.LastGroupMask = SAVE_TITLES | SAVE_COLORS | SAVE_PRINT_SHADES;
  Run(IDM_SAVE_SETUP, [&](HWND dialog) {
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SETUP_FORMAT), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SETUP_COLORS), BST_CHECKED);
    for (const std::string& name : {std::string(), std::string("  two"), std::string(57, 'n')}) {
      Type(dialog, name);
      ClickButton(dialog, IDOK);
    }
    ClickButton(dialog, IDC_SETUP_TITLES);
    ClickButton(dialog, IDC_SETUP_COLORS);
    EXPECT_FALSE(SaveEnabled(dialog)) << "no box checked";
    ClickButton(dialog, IDC_SETUP_FORMAT);
    Type(dialog, std::string(56, 'n'));
    ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(boxes_, (std::vector<std::string>{"You must select a name.",
                                              "The setup name must not begin with a space.",
                                              "The selected setup name is too long."}));
  EXPECT_EQ(gBeeps, std::vector<UINT>(3, MB_ICONHAND));
  const std::string section = "Setup: " + std::string(56, 'n');
  EXPECT_STREQ(gNamedSetup.CurrentSetup, section.c_str());
  EXPECT_EQ(Stored(section.c_str(), "SaveOptions"), "1");
  EXPECT_EQ(Stored("Setup List", "Setup1"), std::string(56, 'n'));
}

TEST_F(SetupCommands, LoadSetupOffersTheCurrentOneAndLoadsTheChosen) {
  WritePrivateProfileStringA("Setup List", "Setup1", "beta", profile_.c_str());
  WritePrivateProfileStringA("Setup List", "Setup2", "alpha", profile_.c_str());
  WritePrivateProfileStringA("Setup: alpha", "SaveOptions", "1", profile_.c_str());
  WritePrivateProfileStringA("Setup: alpha", "Format", "2", profile_.c_str());
  std::strcpy(gNamedSetup.CurrentSetup, "Setup: BE");
  std::string offered;
  Run(IDM_LOAD_SETUP, [&](HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SETUP_NAME);
    const LRESULT at = SendMessageA(list, LB_GETCURSEL, 0, 0);
    char text[64] = "";
    SendMessageA(list, LB_GETTEXT, at, reinterpret_cast<LPARAM>(text));
    offered = text;
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ClickButton(dialog, IDOK);
    EXPECT_TRUE(IsWindow(dialog)) << "no selection: stays";
    SendMessageA(list, LB_SETCURSEL, 0, 0);  // sorted: alpha first
    ClickButton(dialog, IDOK);
  });
  EXPECT_EQ(offered, "beta") << "begins with the current setup's name";
  EXPECT_EQ(gBeeps, std::vector<UINT>{MB_ICONASTERISK});
  EXPECT_STREQ(gNamedSetup.CurrentSetup, "Setup: alpha");
  EXPECT_EQ(gViewOptions.Format, FORMAT_RAW);
  EXPECT_EQ(gNamedSetup.LastGroupMask, SAVE_FORMAT);
}

TEST_F(SetupCommands, ASetupWithoutTitlesKeepsTheFrozenOnes) {
  WritePrivateProfileStringA("Setup: plain", "SaveOptions", "1", profile_.c_str());
  WritePrivateProfileStringA("Setup: plain", "Format", "1", profile_.c_str());
  OpenNumberedLines(20);
  gSel = {0, 2 * kNumberedLineBytes, 0, kNumberedLineBytes};
  Command(IDM_FREEZE_TITLE);
  ASSERT_EQ(TitleRowCount(), 2);
  std::strcpy(gNamedSetup.CurrentSetup, "Setup: plain");
  Command(IDM_RELOAD_SETUP);
  EXPECT_EQ(gViewOptions.Format, FORMAT_HEX);
  EXPECT_EQ(TitleRowCount(), 2);
}

// The font choice and the Color Selection dialog, with the platform's font
// and colour dialogs driven like any other dialog of the thread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/main_window_fixture.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/services/ui_seam.h"
#include "viewer/settings/color_dialog.h"
#include "viewer/settings/format_options_dialog.h"
#include "viewer/settings/profile_groups.h"
#include "viewer/settings/view_font_win32.h"
#include "viewer/view/view_state.h"

namespace {
// Controls of the platform's dialogs: font face, style and size lists; the
// colour dialog's red, green and blue fields.
constexpr int kFontFace = 0x470, kFontStyle = 0x471, kFontSize = 0x472;
constexpr int kRed = 0x2C2, kGreen = 0x2C3, kBlue = 0x2C4;

void Choose(HWND dlg, int combo, const char* item) {
  HWND list = GetDlgItem(dlg, combo);
  LRESULT i = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(item));
  ASSERT_NE(i, CB_ERR) << item;
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

bool Lists(HWND dlg, int combo, const char* item) {
  return SendDlgItemMessageA(dlg, combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(item)) != CB_ERR;
}

// The font dialog answered with the first face that comes in 12-point bold
// (the prefix's fonts vary; bitmap faces lack that size).
void TwelvePointBold(HWND dlg) {
  HWND faces = GetDlgItem(dlg, kFontFace);
  const int count = static_cast<int>(SendMessageA(faces, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    SendMessageA(faces, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kFontFace, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(faces));
    if (Lists(dlg, kFontStyle, "Bold") && Lists(dlg, kFontSize, "12")) break;
  }
  Choose(dlg, kFontStyle, "Bold");
  Choose(dlg, kFontSize, "12");
  ClickButton(dlg, IDOK);
}

void PickRgb(HWND dlg, int r, int g, int b) {
  SetDlgItemInt(dlg, kRed, r, FALSE);
  SetDlgItemInt(dlg, kGreen, g, FALSE);
  SetDlgItemInt(dlg, kBlue, b, FALSE);
  ClickButton(dlg, IDOK);
}

int ListSelection(HWND dlg) {
  return static_cast<int>(SendDlgItemMessageA(dlg, IDC_COLOR_LIST, CB_GETCURSEL, 0, 0));
}

class FontColorDialogs : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ResetColors(kAllScreenColors);
    ResetColors(kAllPrintShades);
  }
  // own: Color Selection or Display Formatting; platform: the font or
  // colour dialog they open.
  static DialogDriver::Handler Driver(std::function<void(HWND)> own,
                                      std::function<void(HWND)> platform) {
    return [own, platform](HWND dlg) {
      (GetDlgItem(dlg, IDC_COLOR_LIST) || GetDlgItem(dlg, IDC_FORMAT_LIST) ? own : platform)(dlg);
    };
  }
  bool RunColors(
      std::function<void(HWND)> act,
      std::function<void(HWND)> platform = [](HWND) { ADD_FAILURE(); }) {
    DialogDriver driver(Driver(act, platform));
    return ColorDialog(hwnd_, gColors);
  }
};
}  // namespace

TEST_F(FontColorDialogs, ClickingASampleAlternatesItsTextAndBackgroundEntries) {
  std::vector<std::string> listed;
  std::vector<int> selected;
  EXPECT_FALSE(RunColors([&](HWND dlg) {
    char name[40];
    for (int i : {0, int{CLR_TAG_BGND}, int{CLR_WINDOW_BGND}, CLR_WINDOW_BGND + 1}) {
      if (SendDlgItemMessageA(dlg, IDC_COLOR_LIST, CB_GETLBTEXT, i,
                              reinterpret_cast<LPARAM>(name)) != CB_ERR)
        listed.push_back(name);
    }
    selected.push_back(ListSelection(dlg));
    for (int click = 0; click < 3; ++click) {
      ClickButton(dlg, IDC_SAMPLE_TAGGED);
      selected.push_back(ListSelection(dlg));
    }
    ClickButton(dlg, IDC_SAMPLE_BGND_BELOW);
    selected.push_back(ListSelection(dlg));
    ClickButton(dlg, IDCANCEL);
  }));
  EXPECT_EQ(listed,
            (std::vector<std::string>{"Text line", "Tagged background", "Window background"}));
  EXPECT_EQ(selected, (std::vector<int>{0, CLR_TAG, CLR_TAG_BGND, CLR_TAG, CLR_WINDOW_BGND}));
}

TEST_F(FontColorDialogs, ChangeTakesThePickedColourAndOnlyOkCommitsTheCopy) {
  const ColorTable before = gColors;
  auto changeErrorBackground = [](HWND dlg) {
    SendDlgItemMessageA(dlg, IDC_COLOR_LIST, CB_SETCURSEL, CLR_MESSAGE_BGND, 0);
    ClickButton(dlg, IDC_COLOR_CHANGE);
  };
  auto pick = [](HWND dlg) { PickRgb(dlg, 1, 2, 3); };
  EXPECT_FALSE(RunColors(
      [&](HWND dlg) {
        changeErrorBackground(dlg);
        ClickButton(dlg, IDCANCEL);
      },
      pick));
  EXPECT_EQ(gColors, before) << "Cancel changes nothing";

  EXPECT_TRUE(RunColors(
      [&](HWND dlg) {
        changeErrorBackground(dlg);
        EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_COLOR_LIST));
        ClickButton(dlg, IDOK);
      },
      pick));
  EXPECT_EQ(gColors[CLR_MESSAGE_BGND], 0x030201u);
}

TEST_F(FontColorDialogs, ResetAllRestoresTheScreenColoursAndKeepsTheShades) {
  gColors[CLR_MESSAGE] = 0x111111;
  gColors[CLR_MESSAGE_BGND] = 0x222222;
  gColors[CLR_TAG] = 0x333333;
  gColors[14] = ShadeToGrey(5);
  const ColorTable shades = gColors;
  EXPECT_TRUE(RunColors([](HWND dlg) {
    SendDlgItemMessageA(dlg, IDC_COLOR_LIST, CB_SETCURSEL, CLR_TAG, 0);
    ClickButton(dlg, IDC_COLOR_RESET);
    ClickButton(dlg, IDOK);
  }));
  EXPECT_EQ(gColors[CLR_TAG], DefaultColor(CLR_TAG)) << "Reset: the listed entry only";
  EXPECT_EQ(gColors[CLR_MESSAGE], 0x111111u);

  EXPECT_TRUE(RunColors([](HWND dlg) {
    ClickButton(dlg, IDC_COLOR_RESET_ALL);
    ClickButton(dlg, IDOK);
  }));
  EXPECT_EQ(gColors[CLR_MESSAGE], 0x000000u);
  EXPECT_EQ(gColors[CLR_MESSAGE_BGND], 0x0000FFu) << "black on red again";
  for (int i = CLR_FIRST_SHADE; i <= CLR_LAST_SHADE; ++i) EXPECT_EQ(gColors[i], shades[i]) << i;
}

TEST_F(FontColorDialogs, TwelvePointBoldFromTheMenuIsKeptMeasuredAndSaved) {
  const int lineHeight = gView.LineHeight;
  EXPECT_EQ(ViewLogFont(gViewOptions, -13).lfCharSet, DEFAULT_CHARSET)
      << "the profile names only the face";

  {
    DialogDriver driver(TwelvePointBold);
    Command(IDM_FONT);
    PumpMessages();
    EXPECT_EQ(driver.seen(), 1);
  }
  EXPECT_EQ(gViewOptions.FontSize, 12);
  EXPECT_EQ(gViewOptions.FontWeight, FW_BOLD);
  EXPECT_GT(gView.LineHeight, lineHeight) << "the main window measured the new font";

  EXPECT_NE(ViewLogFont(gViewOptions, -16).lfCharSet, DEFAULT_CHARSET)
      << "the dialog names the font's own set";

  ASSERT_TRUE(SaveViewOptions(kMainSection, nullptr));
  EXPECT_EQ(GetPrivateProfileIntA(kMainSection, "FontWeight", 0, profile_.c_str()), 700u);
}

TEST_F(FontColorDialogs, DisplayFormattingFontButtonBeepsOnCancelAndItsChoiceOutlivesCancel) {
  int fontDialogs = 0;
  DialogDriver driver(Driver(
      [](HWND dlg) {
        ClickButton(dlg, IDC_FONT);
        ClickButton(dlg, IDC_FONT);
        ClickButton(dlg, IDCANCEL);
      },
      [&](HWND dlg) {
        if (fontDialogs++ == 0)
          ClickButton(dlg, IDCANCEL);
        else
          TwelvePointBold(dlg);
      }));
  EXPECT_FALSE(FormatOptionsDialog(hwnd_, gViewOptions, gSetupSettings));
  EXPECT_EQ(fontDialogs, 2);
  EXPECT_EQ(gBeeps, std::vector<UINT>{MB_ICONASTERISK}) << "only the cancelled choice beeps";
  EXPECT_EQ(gViewOptions.FontSize, 12);
  EXPECT_EQ(gViewOptions.FontWeight, FW_BOLD);
}

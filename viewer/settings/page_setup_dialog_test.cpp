// The Page Setup and Print Shade Selection dialogs, driven through the real
// templates inside the main window.
#include "viewer/settings/page_setup_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/main_window_fixture.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/print_shades_dialog.h"

namespace {
// Sets a key of the system profile's regional section for one test.
class RegionalSetting {
 public:
  RegionalSetting(const char* key, const char* value) : key_(key) {
    had_ = GetProfileStringA("intl", key, "", old_, sizeof old_) > 0;
    WriteProfileStringA("intl", key, value);
  }
  ~RegionalSetting() { WriteProfileStringA("intl", key_, had_ ? old_ : nullptr); }

 private:
  const char* key_;
  char old_[32] = "";
  bool had_ = false;
};

class PageSetupDialogs : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    gPageSetup = PageSetupOptions{};
  }
  // Page Setup and Print Shade Selection each get their handler; every
  // message box is answered with OK and its text kept.
  DialogDriver::Handler Driver(std::function<void(HWND)> page, std::function<void(HWND)> shades) {
    return [this, page, shades](HWND dlg) {
      if (GetDlgItem(dlg, IDC_PAGE_TOP)) {
        page(dlg);
      } else if (GetDlgItem(dlg, IDC_SHADE_NORMAL)) {
        shades(dlg);
      } else {
        boxes_.push_back(MessageBoxText(dlg));
        ClickButton(dlg, IDOK);
      }
    };
  }
  bool RunPageSetup(
      std::function<void(HWND)> act,
      std::function<void(HWND)> shades = [](HWND) { ADD_FAILURE(); }) {
    DialogDriver driver(Driver(act, shades));
    return PageSetupDialog(hwnd_, gPageSetup, gSetupSettings);
  }
  bool RunShades(std::function<void(HWND)> act) {
    DialogDriver driver(Driver([](HWND) { ADD_FAILURE(); }, act));
    return PrintShadesDialog(hwnd_, gColors);
  }
  std::string Stored(const char* section, const char* key) const {
    char value[64] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, profile_.c_str());
    return value;
  }
  std::vector<std::string> boxes_;
};

std::string Text(HWND dlg, int id) {
  char text[64] = "";
  GetDlgItemTextA(dlg, id, text, sizeof text);
  return text;
}
}  // namespace

TEST_F(PageSetupDialogs, MarginsAreCheckedInTheirUnitsAndStoredInHundredthsOfAnInch) {
  struct Case {
    const char* measure;
    const char* separator;
    const char* refused;  // typed into the top margin first
    const char* message;
    const char* accepted;
    int top;
    const char* title;
    const char* leftShown;  // the initial half inch
  } cases[] = {
      {"1", ".", "3.01", "Page top margin must be a number between 0 and 3!", "3.001", 300,
       "Margins (in)", "0.5"},
      {"0", ".", "7.6", "Page top margin must be a number between 0 and 7.5!", "2.5", 100,
       "Margins (cm)", "1.2"},
      {"1", ",", "1.5", "Invalid character \".\" in Page top margin.", "1,5", 150, "Margins (in)",
       "0,5"},
  };
  for (const Case& c : cases) {
    RegionalSetting measure("iMeasure", c.measure);
    RegionalSetting separator("sDecimal", c.separator);
    gPageSetup = PageSetupOptions{};
    boxes_.clear();
    std::string title, leftShown;
    EXPECT_TRUE(RunPageSetup([&](HWND dlg) {
      title = Text(dlg, IDC_PAGE_MARGINS);
      leftShown = Text(dlg, IDC_PAGE_LEFT);
      SetDlgItemTextA(dlg, IDC_PAGE_TOP, c.refused);
      ClickButton(dlg, IDOK);
      EXPECT_TRUE(IsWindow(dlg) && GetFocus() == GetDlgItem(dlg, IDC_PAGE_TOP)) << c.refused;
      SetDlgItemTextA(dlg, IDC_PAGE_TOP, c.accepted);
      ClickButton(dlg, IDOK);
    }));
    EXPECT_EQ(boxes_, std::vector<std::string>{c.message});
    EXPECT_EQ(gPageSetup.Margins.Top, c.top) << c.accepted;
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(leftShown, c.leftShown);
  }
}

TEST_F(PageSetupDialogs, OkKeepsOnlyTheBoxesBitsSaveWritesAndCancelChangesNothing) {
  RegionalSetting measure("iMeasure", "1");
  RegionalSetting separator("sDecimal", ".");
  EXPECT_FALSE(RunPageSetup([](HWND dlg) {
    ClickButton(dlg, IDC_PAGE_FILE_NAME);
    SetDlgItemTextA(dlg, IDC_PAGE_TOP, "1");
    ClickButton(dlg, IDCANCEL);
  }));
  EXPECT_EQ(gPageSetup.PrintOptions, 0x6FFu);
  EXPECT_EQ(gPageSetup.Margins.Top, 0);
  EXPECT_EQ(Stored("Page Setup", "PrintOptions"), "");

  EXPECT_TRUE(RunPageSetup([](HWND dlg) { ClickButton(dlg, IDOK); }));
  EXPECT_EQ(gPageSetup.PrintOptions, 0x60Fu) << "0x10 to 0x80 have no box";
  EXPECT_EQ(Stored("Page Setup", "PrintOptions"), "") << "OK does not save";

  EXPECT_TRUE(RunPageSetup([](HWND dlg) {
    ClickButton(dlg, IDC_PAGE_SHADE_SELECTION);
    SetDlgItemTextA(dlg, IDC_PAGE_BOTTOM, ".25");
    ClickButton(dlg, IDC_PAGE_SAVE);
  }));
  EXPECT_EQ(Stored("Page Setup", "PrintOptions"), std::to_string(0x60F | PO_SHADE_SELECTION));
  EXPECT_EQ(Stored("Page Setup", "PageMargins"), "0,50,0,25");
}

TEST_F(PageSetupDialogs, ShadesAreCheckedResetAndCommittedOnlyOnOkOrSave) {
  gColors[11] = ShadeToGrey(5);
  const ColorTable before = gColors;
  std::string shown;
  // Opened from Page Setup, whose own result it leaves alone.
  EXPECT_FALSE(RunPageSetup(
      [](HWND dlg) {
        ClickButton(dlg, IDC_PAGE_SHADES);
        EXPECT_TRUE(IsWindow(dlg));
        ClickButton(dlg, IDCANCEL);
      },
      [&](HWND dlg) {
        shown = Text(dlg, IDC_SHADE_NORMAL) + Text(dlg, IDC_SHADE_TAGGED_BGND) +
                Text(dlg, IDC_SHADE_PAPER);
        EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_SHADE_NORMAL));
        ClickButton(dlg, IDC_SHADES_RESET);
        ClickButton(dlg, IDCANCEL);
      }));
  EXPECT_EQ(shown, "521");
  EXPECT_EQ(gColors, before);

  std::string afterReset;
  EXPECT_TRUE(RunShades([&](HWND dlg) {
    SetDlgItemTextA(dlg, IDC_SHADE_TAGGED_BGND, "5");
    ClickButton(dlg, IDC_SHADES_RESET);
    afterReset = Text(dlg, IDC_SHADE_NORMAL) + Text(dlg, IDC_SHADE_TAGGED_BGND);
    SetDlgItemTextA(dlg, IDC_SHADE_TAGGED_BGND, "4");
    SetDlgItemTextA(dlg, IDC_SHADE_HEADING, "");
    ClickButton(dlg, IDC_SHADES_SAVE);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_SHADE_HEADING));
    SetDlgItemTextA(dlg, IDC_SHADE_HEADING, "7");
    ClickButton(dlg, IDC_SHADES_SAVE);
  }));
  EXPECT_EQ(afterReset, "82");
  EXPECT_EQ(boxes_,
            std::vector<std::string>{"Heading text shade must be a number between 0 and 8!"});
  EXPECT_EQ(gColors[14], 0x808080u);
  EXPECT_EQ(gColors[15], 0x202020u);
  EXPECT_EQ(Stored("Tarvo Colors", "PrintTagB"), "8421504");
  EXPECT_EQ(Stored("Tarvo Colors", "PrintHead"), "2105376");
  EXPECT_EQ(gColors[11], 0u) << "reset to black";
  EXPECT_EQ(Stored("Tarvo Colors", "PrintText"), "") << "defaults are not stored";
}

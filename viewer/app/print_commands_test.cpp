// Printing without the dialog from the main window: a stored printer that
// cannot be opened is named, and nothing is printed elsewhere without the
// user's word.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/main_window_fixture.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/print_setup.h"

namespace {
class PrintCommands : public MainWindowTest {
 protected:
  PrintCommands() {
    profileText_ =
        "[Print Setup]\nPrtOrientation=1\nPrtDevice=Gone Printer\nPrtDriver=wineps.drv\n"
        "PrtOutput=LPT9:\n";
  }
};
}  // namespace

TEST_F(PrintCommands, AStoredPrinterThatCannotBeOpenedIsNamedAndNotReplaced) {
  OpenNumberedLines(10);
  ASSERT_STREQ(gPrintSetup.Device, "Gone Printer");
  std::vector<std::string> boxes;
  DialogDriver driver([&](HWND dialog) {
    boxes.push_back(MessageBoxText(dialog));
    ClickButton(dialog, GetDlgItem(dialog, IDNO) ? IDNO : IDCANCEL);  // no other printer
  });
  Command(IDM_PRINT_PAGE);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("Gone Printer"), std::string::npos) << boxes[0];
  EXPECT_STREQ(gPrintSetup.Device, "Gone Printer") << "the stored set-up is kept";
}

// The text library prints the file on the device context of the shell's
// print record, page by page, and stops when cancelled between pages. The
// test printer of the prefix writes each job to the file TARVO_PRINT_OUT
// names; without it (the tests as discovered) the tests are skipped.
#include <windows.h>

#include <commdlg.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tests/viewer_host.h"

namespace {
int CountOf(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class TextPrintTest : public testing::Test {
 protected:
  TempFolder dir;
  ViewerHost host{kTextLibrary};
  PRINTDLGA record{};
  std::string output;

  void SetUp() override {
    const char* out = std::getenv("TARVO_PRINT_OUT");
    record.lStructSize = sizeof record;
    record.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!out) GTEST_SKIP() << "TextPrintTest.OnTheTestPrinter runs these with the test printer";
    ASSERT_TRUE(PrintDlgA(&record)) << "no test printer";
    output = WinePathOf(out);
    DeleteFileA(output.c_str());
  }
  void TearDown() override {
    if (record.hDC) DeleteDC(record.hDC);
  }
  void OpenRows(int rows) const {
    std::string text;
    for (int i = 0; i < rows; ++i) text += "row " + std::to_string(i) + "\r\n";
    ASSERT_NE(host.Open(dir.Write("p.txt", text), 0), 0);
  }
  // The job's PostScript once the printer has written it all.
  std::string Printed() const {
    std::string ps;
    WaitFor([&] { return (ps = ReadFileText(output)).find("%%EOF") != std::string::npos; });
    return ps;
  }
};

TEST_F(TextPrintTest, PrintsTheFilePageByPage) {
  OpenRows(300);
  EXPECT_EQ(host.Send(ZV_PRINT, 0, reinterpret_cast<LPARAM>(&record)), 1);
  EXPECT_GE(CountOf(Printed(), "%%Page:"), 3) << "300 lines fill several pages";
}

TEST_F(TextPrintTest, ACancelBetweenPagesEndsTheJob) {
  OpenRows(3000);
  PostMessageA(host.child(), ZV_CANCELPRINT, 0, 0);  // handled after the first page
  EXPECT_EQ(host.Send(ZV_PRINT, 0, reinterpret_cast<LPARAM>(&record)), 0);
  EXPECT_LE(CountOf(ReadFileText(output), "%%Page:"), 1);
}
}  // namespace

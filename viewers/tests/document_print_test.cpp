// The document library prints its paragraphs wrapped again to the page: a
// paragraph far wider than the page fills more than one page by itself.
// Run with the test printer (DocumentPrintTest.OnTheTestPrinter); skipped
// without it.
#include <windows.h>

#include <commdlg.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/program_under_test.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_polling.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/documents/formats/test_documents.h"
#include "viewers/tests/viewer_host.h"

namespace {
TEST(DocumentPrintTest, WrapsAParagraphToThePageAcrossPages) {
  const char* out = std::getenv("TARVO_PRINT_OUT");
  if (!out) GTEST_SKIP() << "DocumentPrintTest.OnTheTestPrinter runs this with the test printer";
  PRINTDLGA record{};
  record.lStructSize = sizeof record;
  record.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
  ASSERT_TRUE(PrintDlgA(&record)) << "no test printer";
  const std::string output = WinePathOf(out);
  DeleteFileA(output.c_str());
  TempFolder dir;
  ViewerHost host{kWordProLibrary};
  std::string words;
  for (int i = 0; i < 3000; ++i) words += "word" + std::to_string(i) + " ";
  const DocumentBytes doc = MakeBeAbDocument({words});
  ASSERT_NE(host.Open(dir.Write("long.txd", std::string(doc.begin(), doc.end())), 26), 0);
  EXPECT_EQ(host.Send(ZV_PRINT, 0, reinterpret_cast<LPARAM>(&record)), 1);
  std::string ps;
  WaitFor([&] { return (ps = ReadFileText(output)).find("%%EOF") != std::string::npos; });
  EXPECT_NE(ps.find("%%Page: 2"), std::string::npos) << "one paragraph, wrapped, fills pages";
  DeleteDC(record.hDC);
}
}  // namespace

// ZRSP32.DLL in a stand-in viewer window: a WK1 sheet's cells under their
// column letters with row numbers; a workbook in a compound document shows
// its sheets as pages; the last cell, go to a cell, the keys that move
// the current cell and Find from the cell after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/temp_folder.h"
#include "viewers/compound/formats/test_compound.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/sheets/formats/test_sheets.h"
#include "viewers/tests/viewer_host.h"

namespace {

std::string Columns(char last) {
  std::string line = "";
  for (char c = 'A'; c <= last; ++c) line += std::string("\t") + c;
  return line + "\r\n";
}

class SheetLibraryTest : public ::testing::Test {
 protected:
  TempFolder dir;
  ViewerHost host{kSpreadsheetLibrary};
  std::string book = dir.Write("book.xls", MakeCompound({{"Workbook", sheet_bytes::Biff8Book()}}).Bytes);
};

TEST_F(SheetLibraryTest, ShowsAWk1SheetsCellsUnderColumnLettersWithRowNumbers) {
  ASSERT_NE(host.Open(dir.Write("s.wk1", sheet_bytes::Wk1Sheet()), 9), 0);
  EXPECT_EQ(host.Send(ZV_LASTCELL), 27 | 5 << 16);
  EXPECT_EQ(host.Send(ZV_SELECTALL), 1);
  const std::string copied = host.Copy();
  EXPECT_EQ(copied.substr(0, copied.find("\r\n")), "\tA\tB\tC\tD\tE\tF\tG\tH\tI\tJ\tK\tL\tM\tN\tO\tP\tQ\tR\tS\tT\tU\tV\tW\tX\tY\tZ\tAA\tAB");
  EXPECT_EQ(copied.substr(copied.find("\r\n") + 2),
            "1\tName\tTotal" + std::string(26, '\t') + "\r\n"
            "2\t-42\t3.14\t12.5%\t($1,234.50)\t31-Dec-99" + std::string(23, '\t') + "\r\n"
            "3" + std::string(28, '\t') + "\r\n"
            "4" + std::string(28, '\t') + "\r\n"
            "5\t\t\t7" + std::string(25, '\t') + "\r\n"
            "6" + std::string(25, '\t') + "\t1,234.50\t25%\tMade\r\n");
}

TEST_F(SheetLibraryTest, ShowsAWorkbooksSheetsAsPages) {
  ASSERT_NE(host.Open(book, 24), 0);
  EXPECT_EQ(std::count(host.toldParent.begin(), host.toldParent.end(), ZV_PAGES), 1);
  EXPECT_EQ(host.Status(), "First");
  EXPECT_EQ(host.Send(ZV_LASTCELL), 3 | 3 << 16);
  EXPECT_EQ(host.Send(ZV_SELECTALL), 1);
  EXPECT_EQ(host.Copy(), Columns('D') + "1\tRegion\t\t\t\r\n2\tNorth\t17\t\t\r\n3\t\t\t\tContinued!\r\n4\tInline\t\t\t\r\n");
  EXPECT_EQ(host.Send(ZV_SHOWPAGE, 1), 1);
  EXPECT_EQ(host.Status(), "Second");
  EXPECT_EQ(host.Send(ZV_LASTCELL), 2 | 9 << 16);
  EXPECT_EQ(host.Send(ZV_SHOWPAGE, 2), 0) << "there is no third sheet";
}

TEST_F(SheetLibraryTest, GoesToACellMovesItWithTheKeysAndFindsFromTheCellAfterIt) {
  ASSERT_NE(host.Open(book, 24), 0);
  const char inline_[] = "inline", region[] = "Region";
  EXPECT_EQ(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>(region)), 1) << "a sheet just shown: from A1 on";
  EXPECT_EQ(host.Copy(), "Region\r\n");
  host.Post(ZV_GOTO, 0, 2 << 16 | 3);  // D3
  EXPECT_EQ(host.Copy(), "Continued!\r\n") << "the current cell is copied";
  host.Send(ZV_FINDOPENING);
  EXPECT_EQ(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>(inline_)), 1);
  EXPECT_EQ(host.Copy(), "Inline\r\n");
  EXPECT_EQ(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>(region)), kFindNoFurther);
  for (WPARAM key : {VK_UP, VK_UP, VK_RIGHT, VK_LEFT, VK_LEFT, VK_RIGHT}) host.Post(WM_KEYDOWN, key);
  EXPECT_EQ(host.Copy(), "17\r\n") << "up twice from A4, then B2 (Left stops at A)";
  host.Post(WM_KEYDOWN, VK_END);
  EXPECT_EQ(host.Copy(), "\r\n") << "D2, the row's last cell, is empty";
}

TEST_F(SheetLibraryTest, RefusesWhatItCannotRead) {
  EXPECT_EQ(host.Open(dir.Write("words.xls", "plain words\r\n"), 10), 0);
  EXPECT_EQ(host.Open(dir.Write("words.wk1", std::string(600, 'x')), 9), 0);
}

}  // namespace

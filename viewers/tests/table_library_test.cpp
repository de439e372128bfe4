// ZRDB32.DLL in a stand-in viewer window: it shows a DBF table's records
// under the field headings, with the table's code page shown in the
// window's, counts them, goes to a record, finds from the current record
// on; it shows a .DB table given its type, and refuses what it cannot read.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/tables/formats/test_tables.h"
#include "viewers/tests/viewer_host.h"

namespace {

// A character of code page 437 as the window's ANSI code page writes it.
std::string AnsiOf(wchar_t c) {
  char ansi[4] = "";
  const int n = WideCharToMultiByte(CP_ACP, 0, &c, 1, ansi, sizeof ansi, nullptr, nullptr);
  return std::string(ansi, n > 0 ? n : 0);
}

class TableLibraryTest : public ::testing::Test {
 protected:
  TempFolder dir;
  ViewerHost host{kDatabaseLibrary};
  // 0x81 is u with diaeresis in code page 437 (mark 0x01).
  std::string table = dir.Write(
      "people.dbf",
      DbfFileBytes(
          {{"NAME", 'C', 8}, {"AGE", 'N', 3}, {"OK", 'L', 1}},
          {{false, {"M\x81ller", "42", "T"}}, {true, {"Bob", "7", "F"}}, {false, {"Cy", "", "?"}}},
          0x01));
};

TEST_F(TableLibraryTest, ShowsTheRecordsUnderTheHeadingsInTheWindowsCodePage) {
  ASSERT_NE(host.Open(table, 7), 0);
  EXPECT_EQ(host.Status(), "3 records");
  EXPECT_EQ(host.Send(ZV_RECORDCOUNT), 3);
  EXPECT_EQ(host.Send(ZV_SELECTALL), 1);
  EXPECT_EQ(host.Copy(),
            "Del\tNAME C(8)\tAGE N(3)\tOK L(1)\r\n"
            "\tM" +
                AnsiOf(L'\u00FC') +
                "ller\t42\tT\r\n"
                "*\tBob\t7\tF\r\n"
                "\tCy\t\t\r\n");
}

TEST_F(TableLibraryTest, GoesToARecordCountedFromOneAndFindsFromTheCurrentRecordOn) {
  ASSERT_NE(host.Open(table, 7), 0);
  host.Post(ZV_GOTO, 0, 3);
  EXPECT_EQ(host.Copy(), "Del\tNAME C(8)\tAGE N(3)\tOK L(1)\r\n\tCy\t\t\r\n");
  host.Post(ZV_GOTO, 0, 2);
  host.Send(ZV_FINDOPENING);
  const char bob[] = "bob", ller[] = "LLER";
  EXPECT_EQ(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>(bob)), 1);
  EXPECT_EQ(host.Send(ZV_FIND, 0, reinterpret_cast<LPARAM>(ller)), kFindNoFurther)
      << "the first record lies before the current one";
  EXPECT_EQ(host.Send(ZV_FIND, 1, reinterpret_cast<LPARAM>(bob)), kFindNoMatch) << "match case";
}

TEST_F(TableLibraryTest, ShowsADbTableGivenItsType) {
  const std::string ann = std::string("Ann\0\0\0\0\0", 8) + std::string("\x80\0\0\x05", 4);
  const std::string db =
      dir.Write("t.db", DbFileBytes({{"Name", 0x01, 8}, {"Count", 0x04, 4}}, {{ann}}, {1}));
  ASSERT_NE(host.Open(db, 8), 0);
  EXPECT_EQ(host.Send(ZV_SELECTALL), 1);
  EXPECT_EQ(host.Copy(), "Name A(8)\tCount I(4)\r\nAnn\t5\r\n");
}

TEST_F(TableLibraryTest, RefusesWhatItCannotRead) {
  EXPECT_EQ(host.Open(dir.Write("words.dbf", "plain words\r\n"), 7), 0);
  EXPECT_EQ(host.Open(table, 20), 0) << "a database of type 20 is not read";
  EXPECT_EQ(host.Open(table, 25), 0) << "nor one of type 25";
  EXPECT_EQ(host.Open(dir.Write("t.db", std::string(4096, '\0')), 8), 0);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "viewer/buffer/memory_files.h"
#include "viewers/compound/formats/test_compound.h"
#include "viewers/sheets/formats/sheet_source.h"
#include "viewers/sheets/formats/test_sheets.h"
#include "viewers/sheets/formats/workbook.h"

namespace {

using namespace sheet_bytes;

using Cells = std::map<std::string, std::string>;  // "B3" -> shown text

// Every cell of a sheet by its grid name.
Cells Shown(const Sheet& sheet) {
  SheetSource source(sheet);
  Cells cells;
  for (uint32_t r = 0; r < source.RowCount(); ++r)
    for (size_t c = 1; c < source.ColumnCount(); ++c)
      if (!source.Cell(r, c).empty())
        cells[source.Column(c).Heading + std::to_string(r + 1)] = source.Cell(r, c);
  return cells;
}

class SheetReadersTest : public ::testing::Test {
 protected:
  ~SheetReadersTest() override { UsePlatformFiles(); }
  std::unique_ptr<Workbook> Read(const Bytes& bytes, int type) {
    UseMemoryFiles().Files["s"].assign(bytes.begin(), bytes.end());
    return ReadWorkbook("s", type);
  }
};

TEST_F(SheetReadersTest, Wk1CellsShowTheirValuesInTheirFormats) {
  auto book = Read(Wk1Sheet(), 9);
  ASSERT_TRUE(book);
  ASSERT_EQ(book->Sheets.size(), 1u);
  EXPECT_EQ(Shown(book->Sheets[0]), (Cells{{"A1", "Name"}, {"B1", "Total"}, {"A2", "-42"}, {"B2", "3.14"},
                                           {"C2", "12.5%"}, {"D2", "($1,234.50)"}, {"E2", "31-Dec-99"},
                                           {"C5", "7"}, {"Z6", "1,234.50"}, {"AA6", "25%"}, {"AB6", "Made"}}));
  EXPECT_EQ(book->Sheets[0].LastColumn, 27);
  EXPECT_EQ(book->Sheets[0].LastRow, 5u);
  // Numbers, dates, percents and currency at the right of their cells,
  // labels at the left, the row numbers at the right.
  SheetSource source(book->Sheets[0]);
  struct Case {
    uint32_t Row;
    size_t Column;
    GridAlign Align;
  } cases[] = {{0, 1, GridAlign::Left},  {1, 1, GridAlign::Right}, {1, 3, GridAlign::Right},
               {1, 5, GridAlign::Right}, {5, 28, GridAlign::Left}, {2, 2, GridAlign::Left},
               {0, 0, GridAlign::Right}};
  for (const Case& c : cases) EXPECT_EQ(source.CellAlign(c.Row, c.Column), c.Align) << c.Row << "," << c.Column;
}

TEST_F(SheetReadersTest, Wk3SheetsByTheirNamesWithEveryKindOfNumber) {
  auto book = Read(Wk3Book(), 11);
  ASSERT_TRUE(book);
  ASSERT_EQ(book->Sheets.size(), 3u);
  EXPECT_EQ(book->Sheets[0].Name, "Budget");
  EXPECT_EQ(book->Sheets[1].Name, "Notes");
  EXPECT_EQ(book->Sheets[2].Name, "C") << "not named by the file";
  EXPECT_EQ(Shown(book->Sheets[0]), (Cells{{"A1", "Region"}, {"A2", "123"}, {"B2", "35000"}, {"C2", "1.25"},
                                           {"D2", "-0.015"}, {"A3", "123.45"}, {"B3", "-7000"}, {"C3", "2.5"},
                                           {"A4", "ERR"}, {"B4", "NA"}}));
  EXPECT_TRUE(book->Sheets[1].Cells.empty());
  EXPECT_EQ(Shown(book->Sheets[2]), (Cells{{"B2", "9"}}));
}

TEST_F(SheetReadersTest, Biff5StreamCellsAndFormulaResults) {
  const Bytes globals = Xf(0) + Xf(10) + Xf(14) + Rec(0x041E, Le(164, 2) + Le(8, 1) + "#,##0.0;") + Xf(164);
  const Bytes cells =
      Cell(0x0204, 0, 0, 0, Le(5, 2) + "Hello") + Cell(0x0203, 1, 0, 0, F64(2.5)) +
      Cell(0x027E, 1, 1, 1, Le(0x3F800000u & 0xFFFFFFFC, 4)) +  // 0.0078125 as the top of a double
      Cell(0x027E, 1, 2, 0, Le((12345u << 2) | 3, 4)) +           // 123.45
      Rec(0x00BD, At(2, 0) + Le(2, 2) + Le((40000u << 2) | 2, 4) + Le(3, 2) + Le((1u << 2) | 2, 4) + Le(1, 2)) +
      Cell(0x0203, 3, 0, 3, F64(1234567.89)) + Cell(0x0205, 3, 1, 0, Le(1, 1) + Le(0, 1)) +
      Cell(0x0205, 3, 2, 0, Le(7, 1) + Le(1, 1)) +
      Cell(0x0006, 4, 0, 0, F64(99) + Le(0, 2) + Le(0, 4) + Le(0, 2)) +
      Cell(0x0006, 4, 1, 0, Le(0, 6) + Le(0xFFFF, 2) + Le(0, 2) + Le(0, 4) + Le(0, 2)) +
      Rec(0x0207, Le(4, 2) + "Text") +
      Cell(0x0006, 4, 2, 0, Le(2, 2) + Le(0x2A, 4) + Le(0xFFFF, 2) + Le(0, 8));
  auto book = Read(BiffBook(false, {{"Data", cells}, {"Empty", ""}}, globals), 10);
  ASSERT_TRUE(book);
  ASSERT_EQ(book->Sheets.size(), 2u);
  EXPECT_EQ(book->Sheets[0].Name, "Data");
  EXPECT_EQ(book->Sheets[1].Name, "Empty");
  EXPECT_EQ(Shown(book->Sheets[0]),
            (Cells{{"A1", "Hello"}, {"A2", "2.5"}, {"B2", "0.78%"}, {"C2", "123.45"}, {"A3", "7/6/09"},
                   {"B3", "1.0"}, {"A4", "1,234,567.9"}, {"B4", "TRUE"}, {"C4", "#DIV/0!"},
                   {"A5", "99"}, {"B5", "Text"}, {"C5", "#N/A"}}));
}

TEST_F(SheetReadersTest, Biff8WorkbookInACompoundDocument) {
  auto book = Read(MakeCompound({{"Workbook", Biff8Book()}}).Bytes, 24);
  ASSERT_TRUE(book);
  ASSERT_EQ(book->Sheets.size(), 2u);
  EXPECT_EQ(book->Sheets[0].Name, "First");
  EXPECT_EQ(Shown(book->Sheets[0]),
            (Cells{{"A1", "Region"}, {"A2", "North"}, {"B2", "17"}, {"D3", "Continued!"}, {"A4", "Inline"}}));
  EXPECT_EQ(Shown(book->Sheets[1]), (Cells{{"C10", "5000%"}, {"A1", "TRUE"}}));
}

TEST_F(SheetReadersTest, DamagedStreamsShowWhatIsSound) {
  const Bytes wk1 = Wk1Sheet();
  const Bytes biff8 = Biff8Book();
  struct Case {
    const char* Name;
    Bytes File;
    int Type;
    size_t Cells;  // in all sheets; npos: declined
  };
  const Bytes cut = wk1.substr(0, 4 + 2 + 4 + 11 + 4 + 6);  // the second label runs past the end
  Bytes sstPastEnd = biff8;
  const size_t sst = sstPastEnd.find(Bytes("\xFC\x00", 2));
  sstPastEnd.replace(sst + 6, 4, Le(1000000, 4));  // more strings than the table holds
  Bytes boundNowhere = biff8;
  boundNowhere.replace(boundNowhere.find(Bytes("\x85\x00", 2)) + 4, 4, Le(0x7FFFFFF0, 4));
  // A shared string whose header (its count of formatting runs) goes on
  // in the CONTINUE record, before far fewer 16-bit characters than it
  // counts.
  const Bytes splitHeader =
      BiffBook(true, {{"S", Cell(0x00FD, 0, 0, 0, Le(0, 4))}},
               Xf(0) + Rec(0x00FC, Le(1, 4) + Le(1, 4) + Le(1000, 2) + Le(9, 1) + Le(0, 1)) +
                   Rec(0x003C, Le(0, 1) + "abc"));
  const std::vector<Case> cases = {
      {"biff8 string header across a continue", splitHeader, 10, 1},
      {"wk1 record past the end", cut, 9, 1},
      {"wk1 without records", "", 9, std::string::npos},
      {"biff8 shared strings claim more", sstPastEnd, 10, 7},
      {"biff8 first sheet nowhere", boundNowhere, 10, 2},
      {"biff8 cut in the first sheet", biff8.substr(0, biff8.size() - 60), 10, 5},
      {"not a worksheet", Bytes(600, 'x'), 10, std::string::npos},
      {"a notebook is not read", wk1, 14, std::string::npos},
  };
  for (const Case& c : cases) {
    auto book = Read(c.File, c.Type);
    if (c.Cells == std::string::npos) {
      EXPECT_FALSE(book) << c.Name;
      continue;
    }
    ASSERT_TRUE(book) << c.Name;
    size_t cells = 0;
    for (const Sheet& s : book->Sheets) cells += s.Cells.size();
    EXPECT_EQ(cells, c.Cells) << c.Name;
  }
}

}  // namespace

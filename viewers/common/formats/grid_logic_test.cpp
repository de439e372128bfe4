#include <gtest/gtest.h>

#include <vector>

#include "viewers/common/formats/grid_layout.h"
#include "viewers/common/formats/grid_text.h"

namespace {
class TableSource : public GridSource {
 public:
  std::vector<GridColumn> Columns{{"Name", 6, GridAlign::Left},
                                  {"Size", 4, GridAlign::Right},
                                  {"Note", 2, GridAlign::Left, false}};
  std::vector<std::vector<std::string>> Rows{
      {"alpha", "10", "beta"}, {"Beta", "200", "x"}, {"gamma", "3", "alpha"}};
  std::string Footer;
  size_t ColumnCount() const override { return Columns.size(); }
  GridColumn Column(size_t c) const override { return Columns[c]; }
  uint32_t RowCount() const override { return static_cast<uint32_t>(Rows.size()); }
  std::string Cell(uint32_t row, size_t c) override { return Rows[row][c]; }
  std::string FooterLine() override { return Footer; }
};

TEST(GridFind, LooksInSearchedColumnsFromThePlaceOn) {
  struct Case {
    const char* Text;
    bool MatchCase;
    GridPlace From;
    bool Found;
    uint32_t Row;
    size_t Column;
  } cases[] = {
      {"beta", false, {0, 0}, true, 1, 0},   // either case; "beta" in the unsearched note is skipped
      {"beta", true, {0, 0}, false, 0, 0},   // exact case finds only the unsearched note
      {"a", false, {0, 1}, true, 1, 0},      // the rest of row 0 first, then row 1
      {"a", false, {2, 0}, true, 2, 0},      // the starting cell itself counts
      {"20", false, {0, 0}, true, 1, 1},     // numbers are cells too
      {"zzz", false, {0, 0}, false, 0, 0},
      {"", false, {0, 0}, false, 0, 0},
      {"a", false, {9, 0}, false, 0, 0},     // from past the last row
  };
  TableSource source;
  for (const Case& c : cases) {
    GridPlace found{};
    EXPECT_EQ(FindInGrid(source, c.From, c.Text, c.MatchCase, &found), c.Found) << c.Text;
    if (c.Found) {
      EXPECT_EQ(found.Row, c.Row) << c.Text;
      EXPECT_EQ(found.Column, c.Column) << c.Text;
    }
  }
}

TEST(GridText, RowsUnderTheHeadingLineCutAtTheLimit) {
  TableSource source;
  bool complete = false;
  EXPECT_EQ(GridRowsText(source, 1, 2, 1000, &complete),
            "Name\tSize\tNote\r\nBeta\t200\tx\r\ngamma\t3\talpha\r\n");
  EXPECT_TRUE(complete);
  EXPECT_EQ(GridRowsText(source, 0, 0xFFFFFFFF, 1000, &complete).size(), 58u) << "every row";
  EXPECT_EQ(GridRowsText(source, 0, 2, 31, &complete), "Name\tSize\tNote\r\nalpha\t10\tbeta\r\n");
  EXPECT_FALSE(complete);
  source.Rows.clear();
  EXPECT_EQ(GridRowsText(source, 0, 0, 1000, &complete), "Name\tSize\tNote\r\n");
}

TEST(GridText, FooterLinesSplitAtNewLines) {
  TableSource source;
  EXPECT_TRUE(GridFooterLines(source).empty());
  source.Footer = "3 files\nA comment";
  EXPECT_EQ(GridFooterLines(source), (std::vector<std::string>{"3 files", "A comment"}));
}

TEST(GridLayout, ColumnsAtLeastTheirHeadingWithNumbersRightAligned) {
  TableSource source;
  GridLayout layout = LayOutGrid(source);
  EXPECT_EQ(layout.Starts, (std::vector<unsigned>{0, 8, 14, 20})) << "Note widens to its heading";
  EXPECT_EQ(LineWidth(layout), 20u);
  EXPECT_EQ(CellTextStart(layout, 0, 3), 0u);
  EXPECT_EQ(CellTextStart(layout, 1, 3), 9u);
  EXPECT_EQ(CellTextStart(layout, 1, 9), 8u) << "too long: from the left edge";
}

TEST(GridLayout, ScrollingKeepsTheLastPageFullAndTheRowInView) {
  EXPECT_EQ(RowsPerPage(100, 10), 9);
  EXPECT_EQ(RowsPerPage(5, 10), 1);
  struct Case {
    int64_t Top;
    uint32_t Lines;
    int PerPage;
    uint32_t Clamped;
  } cases[] = {{-5, 100, 10, 0}, {95, 100, 10, 90}, {40, 100, 10, 40}, {3, 4, 10, 0}};
  for (const Case& c : cases) EXPECT_EQ(ClampTopRow(c.Top, c.Lines, c.PerPage), c.Clamped);
  EXPECT_EQ(TopRowShowing(5, 10, 4), 5u);
  EXPECT_EQ(TopRowShowing(20, 10, 4), 17u);
  EXPECT_EQ(TopRowShowing(12, 10, 4), 10u);
}
}  // namespace

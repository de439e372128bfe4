#include <gtest/gtest.h>

#include <vector>

#include "viewers/common/formats/grid_cursor.h"
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
      {"beta", false, {0, 0}, true, 1, 0},  // either case; "beta" in the unsearched note is skipped
      {"beta", true, {0, 0}, false, 0, 0},  // exact case finds only the unsearched note
      {"a", false, {0, 1}, true, 1, 0},     // the rest of row 0 first, then row 1
      {"a", false, {2, 0}, true, 2, 0},     // the starting cell itself counts
      {"20", false, {0, 0}, true, 1, 1},    // numbers are cells too
      {"zzz", false, {0, 0}, false, 0, 0}, {"", false, {0, 0}, false, 0, 0},
      {"a", false, {9, 0}, false, 0, 0},  // from past the last row
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
  EXPECT_EQ(CellTextStart(layout, 0, 3, GridAlign::Left), 0u);
  EXPECT_EQ(CellTextStart(layout, 1, 3, GridAlign::Right), 9u);
  EXPECT_EQ(CellTextStart(layout, 0, 3, GridAlign::Right), 3u) << "a number in a text column";
  EXPECT_EQ(CellTextStart(layout, 1, 9, GridAlign::Right), 8u) << "too long: from the left edge";
}

TEST(GridText, ABlockOfCellsAloneWithoutTheHeadingLine) {
  TableSource source;
  bool complete = false;
  EXPECT_EQ(GridCellsText(source, {1, 1, 1, 1}, 1000, &complete), "200\r\n");
  EXPECT_EQ(GridCellsText(source, {0, 9, 1, 2}, 1000, &complete),
            "10\tbeta\r\n200\tx\r\n3\talpha\r\n");
  EXPECT_TRUE(complete);
  EXPECT_EQ(GridCellsText(source, {0, 2, 0, 0}, 14, &complete), "alpha\r\nBeta\r\n");
  EXPECT_FALSE(complete);
}

TEST(GridCursor, TheCurrentCellMovesWithinTheCellsAndNeverIntoFixedColumns) {
  const GridExtent sheet{10, 5, 1};  // rows 0-9, columns 1-4 (0 holds row numbers)
  struct Case {
    GridPlace From;
    GridMove Move;
    GridPlace To;
  } cases[] = {
      {{3, 2}, GridMove::Up, {2, 2}},       {{0, 2}, GridMove::Up, {0, 2}},
      {{9, 2}, GridMove::Down, {9, 2}},     {{3, 2}, GridMove::PageDown, {7, 2}},
      {{8, 2}, GridMove::PageDown, {9, 2}}, {{2, 2}, GridMove::PageUp, {0, 2}},
      {{3, 2}, GridMove::Left, {3, 1}},     {{3, 1}, GridMove::Left, {3, 1}},
      {{3, 4}, GridMove::Right, {3, 4}},    {{3, 3}, GridMove::RowStart, {3, 1}},
      {{3, 1}, GridMove::RowEnd, {3, 4}},   {{5, 3}, GridMove::First, {0, 1}},
      {{5, 3}, GridMove::Last, {9, 4}},     {{40, 0}, GridMove::Right, {9, 2}},  // brought in first
  };
  for (const Case& c : cases) {
    const GridPlace to = MovedPlace(c.From, c.Move, 4, sheet);
    EXPECT_EQ(to.Row, c.To.Row) << c.From.Row << "," << c.From.Column << " move " << int(c.Move);
    EXPECT_EQ(to.Column, c.To.Column)
        << c.From.Row << "," << c.From.Column << " move " << int(c.Move);
  }
  const GridPlace none = MovedPlace({3, 3}, GridMove::Down, 4, {0, 5, 1});
  EXPECT_EQ(none.Row, 0u) << "an empty grid";
}

// A sheet's layout: a fixed column of row numbers 2 wide, then columns of
// widths 8, 3 and 20, two characters apart.
class WideSource : public TableSource {
 public:
  WideSource() {
    Columns = {{"", 2, GridAlign::Right, false}, {"A", 8}, {"B", 3}, {"C", 20}};
    Rows.clear();
  }
  size_t FixedColumns() const override { return 1; }
};

TEST(GridLayout, ColumnsScrollUnderTheFixedOnesToShowTheCurrentCell) {
  WideSource source;
  const GridLayout layout = LayOutGrid(source);
  ASSERT_EQ(layout.Starts, (std::vector<unsigned>{0, 4, 14, 19, 41}));
  ASSERT_EQ(layout.Fixed, 1u);
  // 20 characters of window: 16 of them for the scrolling columns.
  struct Case {
    size_t Column;
    unsigned Left, Shown, Expected;
  } cases[] = {
      {1, 0, 20, 0},    // A is shown
      {2, 0, 14, 5},    // B ends at 15 (scroll coordinates), 10 shown: five more
      {3, 0, 20, 15},   // C, 22 wide with its gap, is wider than 16: its start
      {1, 15, 20, 0},   // back to A
      {2, 10, 20, 10},  // B already shown
      {0, 7, 20, 7},    // a fixed column never scrolls
      {3, 0, 3, 15},    // a window narrower than the fixed columns
  };
  for (const Case& c : cases)
    EXPECT_EQ(LeftShowing(layout, c.Column, c.Left, c.Shown), c.Expected)
        << c.Column << " from " << c.Left;
  EXPECT_EQ(ShownAt(layout, 0, 1, 10), 1) << "fixed";
  EXPECT_EQ(ShownAt(layout, 2, 14, 10), 4);
  EXPECT_EQ(ColumnAt(layout, 2, 10), 0u) << "over the row numbers";
  EXPECT_EQ(ColumnAt(layout, 4, 10), 2u) << "B, scrolled under the row numbers' edge";
  EXPECT_EQ(ColumnAt(layout, 9, 10), 3u);
  EXPECT_EQ(ColumnAt(layout, 40, 10), 4u) << "past the last column";
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

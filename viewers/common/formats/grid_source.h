// What a grid viewer shows: rows of cells under a heading line. The grid
// window asks for a row's cells only when it paints, finds, copies or
// prints that row, so a listing or a table of any size opens at once and
// a source keeps no more than a small record per row (or reads its rows
// from the file as they are asked for). Archive listings, tables and
// worksheets implement it; the grid window draws, selects, finds, copies
// and prints whatever implements it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

enum class GridAlign { Left, Right };

struct GridColumn {
  std::string Heading;                // the heading line's text
  unsigned Width = 0;                 // in characters, at least the heading's
  GridAlign Align = GridAlign::Left;  // numbers are right-aligned
  bool Searched = true;               // Find looks at this column's cells
};

class GridSource {
 public:
  virtual ~GridSource() = default;
  virtual size_t ColumnCount() const = 0;
  virtual GridColumn Column(size_t column) const = 0;
  virtual uint32_t RowCount() const = 0;
  // A cell's text as shown; a row that cannot be read gives empty cells.
  virtual std::string Cell(uint32_t row, size_t column) = 0;
  // Where a cell's text sits in its column; the column's alignment unless
  // the source tells its cells apart (a worksheet's numbers and labels).
  virtual GridAlign CellAlign(uint32_t, size_t column) const { return Column(column).Align; }
  // Whether the grid has a current cell that moves across the columns
  // (a worksheet) rather than a current row (a listing, a table).
  virtual bool SelectsCells() const { return false; }
  // Columns at the left that stay in place when the others scroll
  // sideways and that the current cell never enters (row numbers).
  virtual size_t FixedColumns() const { return 0; }
  // Lines shown under the last row (an archive's total, its comment),
  // separated by '\n'; empty for none. Printed, never copied.
  virtual std::string FooterLine() { return {}; }
  // Puts the rows in the order of column (asked again: the other way);
  // false where the source keeps the file's order.
  virtual bool SortBy(size_t) { return false; }
};

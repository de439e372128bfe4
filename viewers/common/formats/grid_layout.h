// The grid's geometry in character cells, the same on the screen and on
// paper: where each column starts, where a cell's text starts within its
// column, how many rows a page holds and how far the view may scroll, down
// and sideways. Sideways, the columns after the fixed ones scroll under
// them by `left` characters.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "viewers/common/formats/grid_source.h"

constexpr unsigned kGridColumnGap = 2;  // characters between two columns

struct GridLayout {
  // Start of each column in characters from the left edge; one more entry
  // than columns, the last being the width of the whole line.
  std::vector<unsigned> Starts;
  std::vector<GridColumn> Columns;
  size_t Fixed = 0;  // columns that never scroll sideways
};

GridLayout LayOutGrid(const GridSource& source);
unsigned LineWidth(const GridLayout& layout);
// The character at which a cell's text starts: right-aligned text ends at
// the column's right edge; text longer than the column starts at its left.
unsigned CellTextStart(const GridLayout& layout, size_t column, size_t textLength, GridAlign align);
// Where a character position of column lies in the window, `left`
// characters scrolled off: fixed columns stay, the others move.
int64_t ShownAt(const GridLayout& layout, size_t column, unsigned at, unsigned left);
// The column under character x of the window; Columns.size() past the last.
size_t ColumnAt(const GridLayout& layout, int64_t x, unsigned left);
// The `left` that shows column whole in `shown` characters of window
// (its start when it is too wide), moving as little as possible.
unsigned LeftShowing(const GridLayout& layout, size_t column, unsigned left, unsigned shown);
// Rows that fit under the heading line in a height of `height` pixels of
// rows rowHeight high (at least one).
int RowsPerPage(int height, int rowHeight);
// The first row shown, kept where the last page is full and never past
// the lines there are (rows and footer lines).
uint32_t ClampTopRow(int64_t top, uint32_t lines, int rowsPerPage);
// The top row that brings row into view, moving as little as possible.
uint32_t TopRowShowing(uint32_t row, uint32_t top, int rowsPerPage);

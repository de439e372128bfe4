// Where a key takes the grid's current cell: up and down by rows and
// pages, sideways by columns (never into the fixed ones), to the ends of
// the row and of the grid. The grid window moves its current row with the
// same rules when its source selects rows.
#pragma once
#include <cstddef>
#include <cstdint>

#include "viewers/common/formats/grid_text.h"

enum class GridMove { Up, Down, PageUp, PageDown, Left, Right, RowStart, RowEnd, First, Last };

// The cells a current cell may be in: rows 0..Rows-1, columns
// Fixed..Columns-1.
struct GridExtent {
  uint32_t Rows = 0;
  size_t Columns = 0;
  size_t Fixed = 0;
};

// The cell move leads to from at (pageRows rows a page); at itself is
// first brought into the extent.
GridPlace MovedPlace(GridPlace at, GridMove move, int pageRows, const GridExtent& extent);

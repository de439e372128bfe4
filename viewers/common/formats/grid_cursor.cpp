#include "viewers/common/formats/grid_cursor.h"

#include <algorithm>

GridPlace MovedPlace(GridPlace at, GridMove move, int pageRows, const GridExtent& extent) {
  if (!extent.Rows || extent.Fixed >= extent.Columns) return {0, extent.Fixed};
  const int64_t lastRow = int64_t{extent.Rows} - 1;
  const size_t lastColumn = extent.Columns - 1;
  int64_t row = std::min<int64_t>(at.Row, lastRow);
  size_t column = std::clamp(at.Column, extent.Fixed, lastColumn);
  switch (move) {
    case GridMove::Up: --row; break;
    case GridMove::Down: ++row; break;
    case GridMove::PageUp: row -= std::max(pageRows, 1); break;
    case GridMove::PageDown: row += std::max(pageRows, 1); break;
    case GridMove::Left: column = std::max(column, extent.Fixed + 1) - 1; break;
    case GridMove::Right: column = std::min(column + 1, lastColumn); break;
    case GridMove::RowStart: column = extent.Fixed; break;
    case GridMove::RowEnd: column = lastColumn; break;
    case GridMove::First: row = 0, column = extent.Fixed; break;
    case GridMove::Last: row = lastRow, column = lastColumn; break;
  }
  return {static_cast<uint32_t>(std::clamp<int64_t>(row, 0, lastRow)), column};
}

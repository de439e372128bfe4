#include "viewers/common/formats/grid_layout.h"

#include <algorithm>

GridLayout LayOutGrid(const GridSource& source) {
  GridLayout layout;
  unsigned x = 0;
  for (size_t c = 0; c < source.ColumnCount(); ++c) {
    GridColumn column = source.Column(c);
    column.Width = std::max<unsigned>(column.Width, static_cast<unsigned>(column.Heading.size()));
    layout.Starts.push_back(x);
    x += column.Width + kGridColumnGap;
    layout.Columns.push_back(std::move(column));
  }
  layout.Starts.push_back(x);
  layout.Fixed = std::min(source.FixedColumns(), layout.Columns.size());
  return layout;
}

unsigned LineWidth(const GridLayout& layout) { return layout.Starts.back(); }

unsigned CellTextStart(const GridLayout& layout, size_t column, size_t textLength,
                       GridAlign align) {
  const GridColumn& c = layout.Columns[column];
  const unsigned start = layout.Starts[column];
  if (align == GridAlign::Left || textLength >= c.Width) return start;
  return start + c.Width - static_cast<unsigned>(textLength);
}

int64_t ShownAt(const GridLayout& layout, size_t column, unsigned at, unsigned left) {
  return column < layout.Fixed ? at : int64_t{at} - left;
}

size_t ColumnAt(const GridLayout& layout, int64_t x, unsigned left) {
  if (x < 0) return layout.Columns.size();
  if (x >= layout.Starts[layout.Fixed]) x += left;
  auto after = std::upper_bound(layout.Starts.begin(), layout.Starts.end(), x);
  const size_t column = static_cast<size_t>(after - layout.Starts.begin()) - 1;
  return std::min(column, layout.Columns.size());
}

unsigned LeftShowing(const GridLayout& layout, size_t column, unsigned left, unsigned shown) {
  if (column < layout.Fixed || column >= layout.Columns.size()) return left;
  const unsigned fixed = layout.Starts[layout.Fixed];
  const unsigned start = layout.Starts[column] - fixed, end = layout.Starts[column + 1] - fixed;
  const unsigned room = shown > fixed ? shown - fixed : 0;
  if (start < left || end - start >= room) return start;
  if (end > left + room) return end - room;
  return left;
}

int RowsPerPage(int height, int rowHeight) {
  return std::max(1, height / std::max(1, rowHeight) - 1);
}

uint32_t ClampTopRow(int64_t top, uint32_t lines, int rowsPerPage) {
  const int64_t last = std::max<int64_t>(0, int64_t{lines} - rowsPerPage);
  return static_cast<uint32_t>(std::clamp<int64_t>(top, 0, last));
}

uint32_t TopRowShowing(uint32_t row, uint32_t top, int rowsPerPage) {
  if (row < top) return row;
  if (row >= top + static_cast<uint32_t>(rowsPerPage)) return row - rowsPerPage + 1;
  return top;
}

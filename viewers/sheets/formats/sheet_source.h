// One sheet of a workbook as the grid shows it: a fixed first column of
// row numbers, then a column per sheet column headed by its letters; the
// grid has a current cell, and numbers sit at the right of their cells.
#pragma once
#include "viewers/common/formats/grid_source.h"
#include "viewers/sheets/formats/workbook.h"

class SheetSource : public GridSource {
 public:
  explicit SheetSource(const Sheet& sheet);
  size_t ColumnCount() const override { return sheet_.LastColumn + 2u; }
  GridColumn Column(size_t column) const override;
  uint32_t RowCount() const override { return sheet_.LastRow + 1; }
  std::string Cell(uint32_t row, size_t column) override;
  GridAlign CellAlign(uint32_t row, size_t column) const override;
  bool SelectsCells() const override { return true; }
  size_t FixedColumns() const override { return 1; }

 private:
  const Sheet& sheet_;
  std::vector<unsigned> widths_;
};

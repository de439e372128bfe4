#include "viewers/sheets/formats/sheet_source.h"

#include <algorithm>

#include "shell/core/cell_address.h"

SheetSource::SheetSource(const Sheet& sheet) : sheet_(sheet), widths_(sheet.LastColumn + 1u, 9) {
  for (const auto& cell : sheet.Cells) {
    unsigned& width = widths_[cell.first & 0xFFFF];
    width = std::max<unsigned>(width, std::min<size_t>(cell.second.size(), 40));
  }
}

GridColumn SheetSource::Column(size_t column) const {
  if (column == 0) {
    const unsigned digits = static_cast<unsigned>(std::to_string(sheet_.LastRow + 1).size());
    return {"", std::max(digits, 1u), GridAlign::Right, false};
  }
  char name[4];
  ColumnName(static_cast<unsigned>(column - 1), name);
  return {name, widths_[column - 1], GridAlign::Left, true};
}

std::string SheetSource::Cell(uint32_t row, size_t column) {
  if (column == 0) return std::to_string(row + 1);
  const std::string* text = sheet_.Find(row, static_cast<uint16_t>(column - 1));
  return text ? *text : std::string();
}

GridAlign SheetSource::CellAlign(uint32_t row, size_t column) const {
  if (column == 0) return GridAlign::Right;
  return sheet_.IsNumber(row, static_cast<uint16_t>(column - 1)) ? GridAlign::Right
                                                                 : GridAlign::Left;
}

// A table's text shown in the window's ANSI code page: cells and headings
// are converted from the code page the table names, through Unicode. A
// code page the system does not have leaves the bytes as they are.
#pragma once
#include <memory>

#include "viewers/tables/formats/table_source.h"

class AnsiTable : public GridSource {
 public:
  explicit AnsiTable(std::unique_ptr<TableSource> table);

  size_t ColumnCount() const override { return table_->ColumnCount(); }
  GridColumn Column(size_t column) const override;
  uint32_t RowCount() const override { return table_->RowCount(); }
  std::string Cell(uint32_t row, size_t column) override;

 private:
  std::string ToAnsi(std::string text) const;

  std::unique_ptr<TableSource> table_;
  unsigned codePage_;
  bool convert_;
};

// A DBF table as rows of a grid: a first column "Del" marks deleted
// records with "*", then one column per field. Records are read as the
// grid asks for them, memo fields from the memo file beside the table.
#pragma once
#include <memory>

#include "viewers/tables/formats/dbf_header.h"
#include "viewers/tables/formats/memo_file.h"
#include "viewers/tables/formats/record_cache.h"
#include "viewers/tables/formats/table_source.h"

class DbfTable : public TableSource {
 public:
  static std::unique_ptr<DbfTable> Open(const std::string& path);

  size_t ColumnCount() const override { return layout_.Fields.size() + 1; }
  GridColumn Column(size_t column) const override;
  uint32_t RowCount() const override { return layout_.RecordCount; }
  std::string Cell(uint32_t row, size_t column) override;
  uint32_t CodePage() const override;

 private:
  DbfTable(const std::string& path, DbfLayout layout);

  DbfLayout layout_;
  MemoFile memos_;
  RecordCache records_;
};

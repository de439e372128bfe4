// A .DB table as rows of a grid: one column per field, the rows in the
// order of the block chain. A block's records are read when a row of it is
// asked for; the last two blocks read stay in memory.
#pragma once
#include <array>
#include <memory>
#include <vector>

#include "viewers/tables/formats/db_header.h"
#include "viewers/tables/formats/table_source.h"

class DbTable : public TableSource {
 public:
  static std::unique_ptr<DbTable> Open(const std::string& path);

  size_t ColumnCount() const override { return layout_.Fields.size(); }
  GridColumn Column(size_t column) const override;
  uint32_t RowCount() const override { return layout_.RowCount; }
  std::string Cell(uint32_t row, size_t column) override;
  uint32_t CodePage() const override { return layout_.CodePage; }

 private:
  DbTable(const std::string& path, DbLayout layout) : path_(path), layout_(std::move(layout)) {}
  const uint8_t* Record(uint32_t row);

  struct CachedBlock {
    uint16_t Number = 0;
    std::vector<uint8_t> Bytes;
  };
  std::string path_;
  DbLayout layout_;
  std::array<CachedBlock, 2> cache_;
  size_t nextSlot_ = 0;
};

// A field's bytes as its cell's text.
std::string DbCellText(const DbField& field, const uint8_t* raw);

#include "viewers/tables/formats/dbf_table.h"

#include "viewer/buffer/file_access.h"
#include "viewers/tables/formats/code_pages.h"
#include "viewers/tables/formats/dbf_cells.h"

namespace {
bool FoxMemos(uint8_t version) {
  return version == 0x30 || version == 0x31 || version == 0x32 || version == 0xF5 ||
         version == 0xFB;
}
}  // namespace

std::unique_ptr<DbfTable> DbfTable::Open(const std::string& path) {
  std::optional<DbfLayout> layout = ReadDbfLayout(path, QueryFileSize(path.c_str()));
  if (!layout) return nullptr;
  return std::unique_ptr<DbfTable>(new DbfTable(path, std::move(*layout)));
}

DbfTable::DbfTable(const std::string& path, DbfLayout layout)
    : layout_(std::move(layout)),
      memos_(path, FoxMemos(layout_.Version)),
      records_(path, layout_.HeaderLength, layout_.RecordLength, layout_.RecordCount) {}

GridColumn DbfTable::Column(size_t column) const {
  if (column == 0) return {"Del", 3, GridAlign::Left};
  if (column > layout_.Fields.size()) return {};
  return DbfFieldColumn(layout_.Fields[column - 1], layout_.Flavour);
}

std::string DbfTable::Cell(uint32_t row, size_t column) {
  const uint8_t* record = records_.Record(row);
  if (!record || column > layout_.Fields.size()) return {};
  if (column == 0) return record[0] == '*' ? "*" : "";
  return DbfCellText(layout_.Fields[column - 1], layout_.Flavour,
                     record + layout_.Fields[column - 1].Offset, memos_);
}

uint32_t DbfTable::CodePage() const { return TableCodePage(layout_.LanguageDriver); }

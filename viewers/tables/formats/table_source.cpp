#include "viewers/tables/formats/table_source.h"

#include "viewers/tables/formats/db_table.h"
#include "viewers/tables/formats/dbf_table.h"

namespace {
constexpr int kDbfTableType = 7;
constexpr int kDbTableType = 8;
}  // namespace

std::unique_ptr<TableSource> OpenTable(const std::string& path, int viewerType) {
  if (viewerType == kDbfTableType) return DbfTable::Open(path);
  if (viewerType == kDbTableType) return DbTable::Open(path);
  return nullptr;
}

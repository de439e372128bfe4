#include "viewers/tables/formats/table_source.h"

#include "viewers/tables/formats/db_table.h"
#include "viewers/tables/formats/dbf_table.h"

namespace {
constexpr int kDbTableType = 8;
constexpr int kWdbType = 20;
constexpr int kWdbCompoundType = 25;
}  // namespace

std::unique_ptr<TableSource> OpenTable(const std::string& path, int viewerType) {
  if (viewerType == kWdbType || viewerType == kWdbCompoundType) return nullptr;
  if (viewerType == kDbTableType) return DbTable::Open(path);
  return DbfTable::Open(path);
}

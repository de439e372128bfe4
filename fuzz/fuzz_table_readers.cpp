// The table viewer's readers on any bytes, as the table and as its memo
// file: every cell of the first rows and of the last one is read; the
// sanitizers catch any stray access, and the record count never exceeds
// what the file can hold.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/tables/formats/table_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["t.dbf"].assign(data, data + size);
  fs.Files["t.dbt"].assign(data, data + size);
  fs.Files["t.fpt"].assign(data, data + size);
  for (int type : {7, 8}) {
    auto table = OpenTable("t.dbf", type);
    if (!table) continue;
    if (table->RowCount() > size) std::abort();
    const uint32_t rows = table->RowCount();
    for (uint32_t r = 0; r < rows && r < 8; ++r)
      for (size_t c = 0; c < table->ColumnCount() && c < 64; ++c) table->Cell(r, c);
    if (rows)
      for (size_t c = 0; c < table->ColumnCount() && c < 64; ++c) table->Cell(rows - 1, c);
    for (size_t c = 0; c < table->ColumnCount() && c < 64; ++c)
      if (table->Column(c).Width == 0) std::abort();
  }
  return 0;
}

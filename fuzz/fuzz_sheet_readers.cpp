// The sheet viewer's readers on any bytes, as each worksheet type and in a
// compound document's workbook stream: every cell of the first rows and
// the last one is asked for through the grid source; the sanitizers catch
// any stray access.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/sheets/formats/sheet_source.h"
#include "viewers/sheets/formats/workbook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["s"].assign(data, data + size);
  for (int type : {9, 10, 11, 24}) {
    auto book = ReadWorkbook("s", type);
    if (!book) continue;
    for (const Sheet& sheet : book->Sheets) {
      if (sheet.Cells.size() > size) std::abort();
      SheetSource source(sheet);
      const uint32_t rows = source.RowCount();
      for (size_t c = 0; c < source.ColumnCount() && c < 64; ++c) {
        if (source.Column(c).Width == 0) std::abort();
        for (uint32_t r = 0; r < rows && r < 8; ++r) source.Cell(r, c);
        source.Cell(rows - 1, c);
      }
    }
  }
  return 0;
}

#include "viewers/sheets/formats/workbook.h"

#include "viewers/compound/formats/compound_file.h"
#include "viewers/graphics/formats/byte_source.h"
#include "viewers/sheets/formats/biff_reader.h"
#include "viewers/sheets/formats/wk_reader.h"

void Sheet::Set(uint32_t row, uint16_t column, std::string text, bool number) {
  const uint64_t key = static_cast<uint64_t>(row) << 16 | column;
  if (row > LastRow) LastRow = row;
  if (column > LastColumn) LastColumn = column;
  Numbers[key] = number;
  Cells[key] = std::move(text);
}

const std::string* Sheet::Find(uint32_t row, uint16_t column) const {
  auto at = Cells.find(static_cast<uint64_t>(row) << 16 | column);
  return at == Cells.end() ? nullptr : &at->second;
}

bool Sheet::IsNumber(uint32_t row, uint16_t column) const {
  auto at = Numbers.find(static_cast<uint64_t>(row) << 16 | column);
  return at != Numbers.end() && at->second;
}

Sheet& Workbook::Current(const char* name) {
  if (Sheets.empty()) Sheets.push_back(Sheet(name));
  return Sheets.back();
}

std::unique_ptr<Workbook> ReadWorkbook(const char* path, int type) {
  if (type == 14) return nullptr;  // notebooks' records are not read
  std::vector<uint8_t> bytes;
  {
    ByteSource file(path);
    if (!file.IsOpen()) return nullptr;
    uint8_t head[8] = {};
    file.ReadAt(0, head, sizeof head);
    if (IsCompoundSignature(head, sizeof head)) {
      CompoundFile compound(path);
      bytes = compound.ReadStream("Workbook");
      if (bytes.empty()) bytes = compound.ReadStream("Book");
    } else if (file.Size() < (int64_t{1} << 31)) {
      bytes.resize(static_cast<size_t>(file.Size()));
      bytes.resize(file.ReadAt(0, bytes.data(), bytes.size()));
    }
  }
  auto book = std::make_unique<Workbook>();
  if (type == 10 || type == 24)
    ReadBiff(bytes, *book);
  else
    ReadWk(bytes, *book);
  if (book->Sheets.empty()) return nullptr;
  return book;
}

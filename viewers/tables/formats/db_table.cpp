#include "viewers/tables/formats/db_table.h"

#include <algorithm>
#include <cstdio>

#include "viewer/buffer/file_access.h"
#include "viewers/tables/formats/cell_text.h"
#include "viewers/tables/formats/sortable_numbers.h"
#include "viewers/tables/formats/table_dates.h"
#include "viewers/tables/formats/table_file.h"

namespace {

constexpr unsigned kWidestColumn = 40;
constexpr int64_t kDayBeforeYearOne = 1721425;  // Julian day; day 1 is 0001-01-01

struct TypeInfo {
  uint8_t Type;
  char Letter;
  unsigned Width;  // 0: from the field's size
  bool Number;
};

constexpr TypeInfo kTypes[] = {
    {0x01, 'A', 0, false}, {0x02, 'D', 10, false}, {0x03, 'S', 6, true},  {0x04, 'I', 11, true},
    {0x05, '$', 20, true}, {0x06, 'N', 20, true},  {0x09, 'L', 1, false}, {0x0C, 'M', 0, false},
    {0x0D, 'B', 0, false}, {0x0E, 'F', 0, false},  {0x0F, 'O', 0, false}, {0x10, 'G', 0, false},
    {0x14, 'T', 8, false}, {0x15, '@', 19, false}, {0x16, '+', 11, true}, {0x17, '#', 0, false},
    {0x18, 'Y', 0, false},
};

const TypeInfo* InfoOf(uint8_t type) {
  for (const TypeInfo& t : kTypes)
    if (t.Type == type) return &t;
  return nullptr;
}

std::string Text(const uint8_t* raw, size_t n) {
  const auto* end = std::find(raw, raw + n, 0);
  std::string s = OneLine(reinterpret_cast<const char*>(raw), static_cast<size_t>(end - raw));
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

std::string ShortNumber(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

std::string Hex(const uint8_t* raw, size_t n) {
  static const char digits[] = "0123456789ABCDEF";
  std::string s;
  for (size_t i = 0; i < n; ++i) s += {digits[raw[i] >> 4], digits[raw[i] & 15]};
  return s;
}

}  // namespace

std::string DbCellText(const DbField& field, const uint8_t* raw) {
  const size_t n = field.Length;
  if (field.Type == 0x01) return Text(raw, n);
  if (NoValue(raw, n)) return {};
  switch (field.Type) {
    case 0x02:
      if (n == 4) return JulianDayText(kDayBeforeYearOne + SortableInteger(raw, 4));
      break;
    case 0x03:
      if (n == 2) return IntegerText(SortableInteger(raw, 2));
      break;
    case 0x04:
    case 0x16:
      if (n == 4) return IntegerText(SortableInteger(raw, 4));
      break;
    case 0x05:
      if (n == 8) return NumberText(SortableDouble(raw), 2);
      break;
    case 0x06:
      if (n == 8) return ShortNumber(SortableDouble(raw));
      break;
    case 0x09: return raw[0] == 0x81 ? "T" : raw[0] == 0x80 ? "F" : "";
    case 0x14:
      if (n == 4) return TimeOfDayText(SortableInteger(raw, 4));
      break;
    case 0x15:
      if (n == 8) return MillisecondTimeText(SortableDouble(raw), kDayBeforeYearOne);
      break;
    case 0x0C:
    case 0x0E:
      // The memo's first bytes lie in the record, before its 10-byte reference.
      return n > 10 ? Text(raw, n - 10) : std::string();
    case 0x0D:
    case 0x0F:
    case 0x10: return "(binary)";
    default: break;
  }
  return Hex(raw, n);
}

std::unique_ptr<DbTable> DbTable::Open(const std::string& path) {
  std::optional<DbLayout> layout = ReadDbLayout(path, QueryFileSize(path.c_str()));
  if (!layout) return nullptr;
  return std::unique_ptr<DbTable>(new DbTable(path, std::move(*layout)));
}

GridColumn DbTable::Column(size_t column) const {
  if (column >= layout_.Fields.size()) return {};
  const DbField& f = layout_.Fields[column];
  const TypeInfo* info = InfoOf(f.Type);
  GridColumn c;
  c.Heading = f.Name + " " + (info ? info->Letter : '?') + "(" + std::to_string(f.Length) + ")";
  const unsigned width = info && info->Width ? info->Width : f.Length;
  c.Width = std::max(std::min(width, kWidestColumn), static_cast<unsigned>(c.Heading.size()));
  c.Align = info && info->Number ? GridAlign::Right : GridAlign::Left;
  return c;
}

const uint8_t* DbTable::Record(uint32_t row) {
  if (row >= layout_.RowCount) return nullptr;
  const auto block = std::upper_bound(layout_.Blocks.begin(), layout_.Blocks.end(), row,
                                      [](uint32_t r, const DbBlock& b) { return r < b.FirstRow; }) -
                     1;
  const size_t at =
      kDbBlockHeader + static_cast<size_t>(row - block->FirstRow) * layout_.RecordLength;
  auto cached = std::find_if(cache_.begin(), cache_.end(),
                             [&](const CachedBlock& c) { return c.Number == block->Number; });
  if (cached == cache_.end()) {
    cached = cache_.begin() + static_cast<long>(nextSlot_);
    nextSlot_ = (nextSlot_ + 1) % cache_.size();
    cached->Number = block->Number;
    cached->Bytes.resize(layout_.BlockSize);
    const FileOffset start =
        layout_.HeaderLength + FileOffset{block->Number - 1} * layout_.BlockSize;
    cached->Bytes.resize(ReadTableBytes(path_, start, cached->Bytes.data(), cached->Bytes.size()));
  }
  return at + layout_.RecordLength <= cached->Bytes.size() ? cached->Bytes.data() + at : nullptr;
}

std::string DbTable::Cell(uint32_t row, size_t column) {
  const uint8_t* record = Record(row);
  if (!record || column >= layout_.Fields.size()) return {};
  const DbField& f = layout_.Fields[column];
  return DbCellText(f, record + f.Offset);
}

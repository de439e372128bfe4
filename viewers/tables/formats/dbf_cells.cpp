#include "viewers/tables/formats/dbf_cells.h"

#include <algorithm>
#include <bit>
#include <cinttypes>
#include <cstdio>

#include "viewers/tables/formats/cell_text.h"
#include "viewers/tables/formats/sortable_numbers.h"
#include "viewers/tables/formats/table_dates.h"
#include "viewers/tables/formats/table_file.h"

namespace {

constexpr unsigned kWidestColumn = 40;

std::string Trimmed(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  s.erase(0, std::min(s.find_first_not_of(' '), s.size()));
  return s;
}

std::string Currency(int64_t tenThousandths) {
  const uint64_t magnitude = tenThousandths < 0 ? 0 - static_cast<uint64_t>(tenThousandths)
                                                : static_cast<uint64_t>(tenThousandths);
  char text[32];
  std::snprintf(text, sizeof text, "%s%" PRIu64 ".%04u", tenThousandths < 0 ? "-" : "",
                magnitude / 10000, static_cast<unsigned>(magnitude % 10000));
  return text;
}

std::string MemoText(const Memo& memo) {
  if (!memo.Found) return {};
  if (memo.Binary) return "(binary, " + std::to_string(memo.Length) + " bytes)";
  return OneLine(memo.Text.data(), memo.Text.size());
}

// A memo field's block: ten digits in the older tables, a 4-byte integer
// in the visual Fox ones.
uint32_t MemoBlock(const DbfField& field, const uint8_t* raw) {
  if (field.Length == 4) return Le32(raw);
  const std::string digits = Trimmed(std::string(raw, raw + field.Length));
  uint32_t block = 0;
  for (char c : digits) {
    if (c < '0' || c > '9' || block > 400000000) return 0;
    block = block * 10 + static_cast<uint32_t>(c - '0');
  }
  return block;
}

std::string MemoCell(const DbfField& field, const uint8_t* raw, const MemoFile& memos,
                     bool binary) {
  const uint32_t block = MemoBlock(field, raw);
  if (block == 0) return {};
  if (!memos.Present()) return "(no memo file)";
  Memo memo = memos.Read(block);
  memo.Binary = memo.Binary || binary;
  return MemoText(memo);
}

bool IsNumeric(const DbfField& field, DbfFlavour flavour) {
  switch (field.Type) {
    case 'N':
    case 'F':
    case 'I':
    case '+':
    case 'Y':
    case 'O': return true;
    case 'B': return flavour == DbfFlavour::VisualFox;
    default: return false;
  }
}

}  // namespace

std::string DbfCellText(const DbfField& field, DbfFlavour flavour, const uint8_t* raw,
                        const MemoFile& memos) {
  const auto* text = reinterpret_cast<const char*>(raw);
  const size_t n = field.Length;
  const bool level7 = flavour == DbfFlavour::Level7;
  switch (field.Type) {
    case 'C': {
      std::string s = OneLine(text, n);
      s.erase(s.find_last_not_of(' ') + 1);
      return s;
    }
    case 'N':
    case 'F': return Trimmed(OneLine(text, n));
    case 'D': return DigitDateText(OneLine(text, n));
    case 'L':
      switch (raw[0]) {
        case 'T':
        case 't':
        case 'Y':
        case 'y': return "T";
        case 'F':
        case 'f':
        case 'N':
        case 'n': return "F";
        default: return {};
      }
    case 'M': return MemoCell(field, raw, memos, false);
    case 'G':
    case 'P': return MemoCell(field, raw, memos, true);
    case 'B':
      if (flavour != DbfFlavour::VisualFox) return MemoCell(field, raw, memos, true);
      if (n == 8) return NumberText(std::bit_cast<double>(Le64(raw)), field.Decimals);
      break;
    case 'I':
    case '+':
      if (n != 4) break;
      if (level7) return NoValue(raw, 4) ? std::string() : IntegerText(SortableInteger(raw, 4));
      return IntegerText(static_cast<int32_t>(Le32(raw)));
    case 'O':
      if (n != 8) break;
      return NoValue(raw, 8) ? std::string() : NumberText(SortableDouble(raw), field.Decimals);
    case 'Y':
      if (n == 8) return Currency(static_cast<int64_t>(Le64(raw)));
      break;
    case 'T':
      if (n != 8) break;
      return JulianTimeText(static_cast<int32_t>(Le32(raw)), static_cast<int32_t>(Le32(raw + 4)));
    case '@':
      if (n != 8) break;
      return NoValue(raw, 8) ? std::string() : MillisecondTimeText(SortableDouble(raw), 0);
    default: break;
  }
  return OneLine(text, n);
}

GridColumn DbfFieldColumn(const DbfField& field, DbfFlavour flavour) {
  GridColumn column;
  column.Heading = field.Name + " " + field.Type + "(" + std::to_string(field.Length);
  if (field.Decimals && (field.Type == 'N' || field.Type == 'F'))
    column.Heading += "," + std::to_string(field.Decimals);
  column.Heading += ")";
  unsigned width = field.Length;
  switch (field.Type) {
    case 'D': width = 10; break;
    case 'T':
    case '@': width = 19; break;
    case 'I':
    case '+': width = 11; break;
    case 'Y':
    case 'B':
    case 'O': width = 20; break;
    case 'M':
    case 'G':
    case 'P': width = kWidestColumn; break;
    default: break;
  }
  column.Width =
      std::max(std::min(width, kWidestColumn), static_cast<unsigned>(column.Heading.size()));
  column.Align = IsNumeric(field, flavour) ? GridAlign::Right : GridAlign::Left;
  return column;
}

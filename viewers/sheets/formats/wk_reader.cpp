#include "viewers/sheets/formats/wk_reader.h"

#include <cmath>
#include <cstring>

#include "viewers/graphics/formats/byte_source.h"
#include "viewers/sheets/formats/number_format.h"

namespace {

double Le64Double(const uint8_t* p) {
  uint64_t bits = static_cast<uint64_t>(Le32(p)) | static_cast<uint64_t>(Le32(p + 4)) << 32;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// A cell's format byte: the kind in bits 4-6, the decimals (or the special
// format) in bits 0-3.
NumberFormat WkFormat(uint8_t f) {
  const int kind = f >> 4 & 7, low = f & 15;
  switch (kind) {
    case 0: return {NumberFormat::Fixed, low};
    case 1: return {NumberFormat::Scientific, low};
    case 2: return {NumberFormat::Currency, low};
    case 3: return {NumberFormat::Percent, low};
    case 4: return {NumberFormat::Comma, low};
    case 7: if (low >= 2 && low <= 4) return {NumberFormat::DateDMY, 0}; break;
  }
  return {};
}

// The text of n bytes to its terminating zero.
std::string ZeroEnded(const uint8_t* p, size_t n) {
  size_t length = 0;
  while (length < n && p[length]) ++length;
  return std::string(p, p + length);
}

// A label's text after its alignment prefix, to its terminating zero.
std::string Label(const uint8_t* p, size_t n) {
  std::string text = ZeroEnded(p, n);
  if (!text.empty() && std::strchr("'\"^\\|", text[0])) text.erase(0, 1);
  return text;
}

// The 16-bit number of WK3 and WK4 cells: even, a whole number in its top
// 15 bits; odd, a 12-bit mantissa scaled by one of eight factors (bits
// 1-3), a negative factor dividing.
double SmallNumber(int16_t n) {
  if (!(n & 1)) return n >> 1;
  static const int kFactors[8] = {5000, 500, -20, -200, -2000, -20000, -16, -64};
  const int factor = kFactors[n >> 1 & 7];
  const double mantissa = n >> 4;
  return factor > 0 ? mantissa * factor : mantissa / -factor;
}

// The 32-bit packed number: a 26-bit magnitude, its sign in bit 5, and a
// power of ten in bits 0-3 that divides when bit 4 is set.
double PackedNumber(uint32_t n) {
  const double magnitude = (n >> 6) * (n & 0x20 ? -1.0 : 1.0);
  const double scale = std::pow(10.0, n & 15);
  return n & 0x10 ? magnitude / scale : magnitude * scale;
}

// The 10-byte float of WK3 and WK4 number cells.
double Extended(const uint8_t* p) {
  uint64_t mantissa = static_cast<uint64_t>(Le32(p)) | static_cast<uint64_t>(Le32(p + 4)) << 32;
  int exponent = Le16(p + 8) & 0x7FFF;
  double value = static_cast<double>(mantissa) * std::ldexp(1.0, exponent - 16383 - 63);
  return Le16(p + 8) & 0x8000 ? -value : value;
}

}  // namespace

void ReadWk(const std::vector<uint8_t>& bytes, Workbook& book) {
  bool wk3 = false;
  size_t namedSheets = 0;
  uint32_t formulaRow = UINT32_MAX;
  uint16_t formulaColumn = 0;
  size_t formulaSheet = 0;
  auto sheet = [&](size_t index) -> Sheet& {
    while (book.Sheets.size() <= index && book.Sheets.size() < 256) {
      std::string name(1, static_cast<char>('A' + book.Sheets.size() % 26));
      book.Sheets.push_back(Sheet(book.Sheets.size() < 26 ? name : "Sheet"));
    }
    return book.Sheets[index < book.Sheets.size() ? index : book.Sheets.size() - 1];
  };
  for (size_t at = 0; at + 4 <= bytes.size();) {
    const uint16_t type = Le16(&bytes[at]), length = Le16(&bytes[at + 2]);
    if (at + 4 + length > bytes.size()) break;
    const uint8_t* d = &bytes[at + 4];
    at += 4 + length;
    if (type == 0x00 && length >= 2) {  // the file's version; a sheet even when empty
      wk3 = Le16(d) >= 0x1000;
      sheet(0);
    }
    if (type == 0x01) break;
    if (!wk3) {
      if (length < 5) continue;
      const uint16_t column = Le16(d + 1), row = Le16(d + 3);
      const NumberFormat format = WkFormat(d[0]);
      if (type == 0x0D && length >= 7)
        sheet(0).Set(row, column, FormatNumber(static_cast<int16_t>(Le16(d + 5)), format), true);
      else if (type == 0x0E && length >= 13)
        sheet(0).Set(row, column, FormatNumber(Le64Double(d + 5), format), true);
      else if (type == 0x0F)
        sheet(0).Set(row, column, Label(d + 5, length - 5), false);
      else if (type == 0x10 && length >= 13) {
        sheet(0).Set(row, column, FormatNumber(Le64Double(d + 5), format), true);
        formulaRow = row, formulaColumn = column, formulaSheet = 0;
      } else if (type == 0x33 && row == formulaRow && column == formulaColumn)
        sheet(0).Set(row, column, Label(d + 5, length - 5), false);
      continue;
    }
    // WK3 and WK4: the sheets' names in order, each after ten bytes.
    if (type == 0x204) {
      const std::string name = length > 10 ? ZeroEnded(d + 10, length - 10) : std::string();
      Sheet& named = sheet(namedSheets++);
      if (!name.empty()) named.Name = name;
      continue;
    }
    // Their cells: row (16 bits), sheet (8), column (8), value.
    if (length < 4) continue;
    const uint16_t row = Le16(d);
    const uint8_t page = d[2], column = d[3];
    auto number = [&](double value) { sheet(page).Set(row, column, FormatNumber(value, {}), true); };
    if (type == 0x16)
      sheet(page).Set(row, column, Label(d + 4, length - 4), false);
    else if (type == 0x14)
      sheet(page).Set(row, column, "ERR", false);
    else if (type == 0x15)
      sheet(page).Set(row, column, "NA", false);
    else if (type == 0x17 && length >= 14)
      number(Extended(d + 4));
    else if (type == 0x18 && length >= 6)
      number(SmallNumber(static_cast<int16_t>(Le16(d + 4))));
    else if (type == 0x25 && length >= 8)
      number(PackedNumber(Le32(d + 4)));
    else if (type == 0x27 && length >= 12)
      number(Le64Double(d + 4));
    else if (type == 0x19 && length >= 14) {
      number(Extended(d + 4));
      formulaRow = row, formulaColumn = column, formulaSheet = page;
    } else if (type == 0x1A && row == formulaRow && column == formulaColumn && page == formulaSheet)
      sheet(page).Set(row, column, Label(d + 4, length - 4), false);
  }
}

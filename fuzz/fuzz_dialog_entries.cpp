// The shell's cell parser and hex conversions on any bytes: never past a
// buffer, a parsed cell always inside the sheet and named back to itself,
// and the ASCII and hex forms of a text giving each other back.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "shell/core/cell_address.h"
#include "shell/core/hex_pairs.h"

namespace {

void CheckCell(std::string_view text, unsigned lastColumn, unsigned lastRow) {
  uint32_t cell = 0;
  if (!ParseCell(text, lastColumn, lastRow, &cell)) return;
  const unsigned column = cell & 0xFFFF, row = cell >> 16;
  if (column > lastColumn || row > lastRow) __builtin_trap();
  // Three letters reach 676 of every 702 columns from AAA (702) to ZZZ
  // (18927); only those have a name that reads back.
  if (column > 18927 || (column >= 702 && column % 702 > 675)) return;
  char name[4];
  ColumnName(column, name);
  char again[16];
  std::snprintf(again, sizeof again, "%s%u", name, row + 1);
  uint32_t back = 0;
  if (!ParseCell(again, lastColumn, lastRow, &back) || back != cell) __builtin_trap();
}

void CheckPairs(std::string_view text, size_t capacity) {
  std::unique_ptr<char[]> digits(new char[capacity]);
  BytesToHexDigits(text, digits.get(), capacity);
  const size_t n = std::strlen(digits.get());
  if (n >= capacity || n % 2 || n > 2 * text.size()) __builtin_trap();
  std::unique_ptr<char[]> bytes(new char[capacity]);
  HexDigitsToBytes(std::string_view(digits.get(), n), bytes.get(), capacity);
  const std::string_view expected = text.substr(0, n / 2);
  const std::string_view shown(bytes.get());
  if (shown != expected.substr(0, expected.find('\0'))) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const unsigned lastColumn = data[0] | (data[1] & 0x7F) << 8;
  const unsigned lastRow = data[2] * 257u;
  const size_t capacity = 1 + data[3] % 40;
  std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);
  CheckCell(text, lastColumn, lastRow);
  CheckPairs(text, capacity);
  return 0;
}

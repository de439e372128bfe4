#include "shell/core/cell_address.h"

void ColumnName(unsigned k, char (&out)[4]) {
  auto letter = [](unsigned n) { return static_cast<char>('A' + n); };
  if (k >= 702) {
    out[0] = letter(k / 702 - 1);
    out[1] = letter(k % 702 / 26);
    out[2] = letter(k % 702 % 26);
    out[3] = '\0';
  } else if (k >= 26) {
    out[0] = letter(k / 26 - 1);
    out[1] = letter(k % 26);
    out[2] = '\0';
  } else {
    out[0] = letter(k);
    out[1] = '\0';
  }
}

bool ParseCell(std::string_view text, unsigned lastColumn, unsigned lastRow, uint32_t* cell) {
  int letters[3];
  int count = 0;
  size_t i = 0;
  for (; i < text.size(); ++i) {
    int c = static_cast<unsigned char>(text[i]);
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    if (c < 'A' || c > 'Z') break;
    if (count == 3) return false;
    letters[count++] = c;
  }
  int column = -1;
  if (count == 3) column = (letters[0] - 64) * 702 + (letters[1] - 65) * 26 + (letters[2] - 65);
  if (count == 2) column = (letters[0] - 64) * 26 + (letters[1] - 65);
  if (count == 1) column = letters[0] - 65;
  if (static_cast<unsigned>(column) > lastColumn) return false;
  uint32_t number = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    number = number * 10 + (text[i] - '0');
  const uint32_t row = number - 1;  // no digits: -1, out of every range
  if (row > lastRow) return false;
  *cell = row * 65536 + static_cast<uint32_t>(column);
  return true;
}

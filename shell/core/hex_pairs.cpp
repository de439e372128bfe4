#include "shell/core/hex_pairs.h"

unsigned HexDigitValue(char c) {
  const unsigned u = static_cast<unsigned char>(c);
  return u <= '9' ? u - '0' : u - 55;
}

void BytesToHexDigits(std::string_view text, char* out, size_t size) {
  if (size == 0) return;
  constexpr char kDigits[] = "0123456789ABCDEF";
  size_t n = 0;
  for (char c : text) {
    if (n + 2 >= size) break;
    const unsigned byte = static_cast<unsigned char>(c);
    out[n++] = kDigits[byte >> 4];
    out[n++] = kDigits[byte & 15];
  }
  out[n] = '\0';
}

void HexDigitsToBytes(std::string_view digits, char* out, size_t size) {
  if (size == 0) return;
  size_t n = 0;
  for (size_t i = 0; i + 1 < digits.size() && n + 1 < size; i += 2) {
    out[n++] = static_cast<char>(HexDigitValue(digits[i]) * 16 + HexDigitValue(digits[i + 1]));
  }
  out[n] = '\0';
}

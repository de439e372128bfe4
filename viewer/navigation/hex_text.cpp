#include "viewer/navigation/hex_text.h"

#include <cstdio>

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

int ParseHexText(std::string_view text, uint8_t* out, int capacity) {
  int count = 0;
  bool pending = false;  // a byte with its high nibble only
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') {
      pending = false;
      continue;
    }
    int digit = HexDigit(text[i]);
    if (digit < 0) return -1 - static_cast<int>(i);
    if (pending) {
      if (count - 1 < capacity) out[count - 1] = static_cast<uint8_t>(out[count - 1] | digit);
      pending = false;
    } else {
      if (count < capacity) out[count] = static_cast<uint8_t>(digit << 4);
      ++count;
      pending = true;
    }
  }
  return count;
}

HexTextResult CheckHexText(std::string_view text, int minChars, uint8_t* out, int capacity) {
  int chars = static_cast<int>(text.size());
  if (chars < minChars || chars > kHexTextMaxChars) return {HexTextCheck::BadLength, 0, 0};
  int n = ParseHexText(text, out, capacity);
  if (n < 0) return {HexTextCheck::BadDigit, 0, -1 - n};
  return {HexTextCheck::Ok, n < capacity ? n : capacity, 0};
}

int HexLengthMessage(char* out, int size) {
  return std::snprintf(out, static_cast<size_t>(size),
                       "Number of hex digits must be between %d and %d!", 1, kHexTextMaxChars);
}

int InvalidHexDigitLine(char bad, char* out, int size) {
  return std::snprintf(out, static_cast<size_t>(size), "Invalid hex digit \"%c\"!", bad);
}

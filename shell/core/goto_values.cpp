#include "shell/core/goto_values.h"

#include "shell/core/hex_pairs.h"

uint32_t HexGotoValue(std::string_view text) {
  uint32_t value = 0;
  for (char c : text) value = value * 16 + HexDigitValue(c);
  return value;
}

int32_t RecordNumberValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10 + (text[i] - '0');
  return static_cast<int32_t>(negative ? 0u - value : value);
}

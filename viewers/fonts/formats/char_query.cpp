#include "viewers/fonts/formats/char_query.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The value of text when it is hex digits only and names a code point.
bool HexCode(std::string_view text, uint32_t& code) {
  if (text.empty() || text.size() > 8) return false;
  code = 0;
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    code = code << 4 | static_cast<uint32_t>(digit);
  }
  return code <= 0x10FFFF;
}

}  // namespace

CharQuery ParseCharQuery(std::string_view text) {
  CharQuery query;
  if (text.empty()) return query;
  if (text.size() > 2 && (text[0] == 'U' || text[0] == 'u') && text[1] == '+') {
    query.Valid = HexCode(text.substr(2), query.Code);
    return query;
  }
  if (text.size() >= 2 && HexCode(text, query.Code)) {
    query.Valid = true;
    return query;
  }
  query = {true, static_cast<uint8_t>(text[0]), static_cast<uint8_t>(text[0]) >= 0x80};
  return query;
}

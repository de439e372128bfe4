#include "common/auto_base_number.h"

namespace {
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The digit's value in bases up to 36; 36 for any other character.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 36;
}

int64_t Bits(uint64_t v) { return static_cast<int64_t>(v); }
}  // namespace

AutoBaseNumber ParseAutoBaseNumber(const char* text, bool isSigned) {
  const char* p = text;
  while (IsSpace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  int base = 10;
  if (*p == '0') {
    base = 8;
    // "0x" without a hex digit after it is the number 0 followed by an "x".
    if ((p[1] == 'x' || p[1] == 'X') && DigitValue(p[2]) < 16) base = 16, p += 2;
  }
  const char* digits = p;
  uint64_t magnitude = 0;
  bool overflow = false;
  for (int d; (d = DigitValue(*p)) < base; ++p) {
    if (magnitude > (UINT64_MAX - d) / base)
      overflow = true;
    else
      magnitude = magnitude * base + d;
  }
  if (p == digits) return {};
  AutoBaseNumber number;
  number.Length = static_cast<size_t>(p - text);
  constexpr uint64_t kLargestMagnitude = uint64_t{1} << 63;  // of INT64_MIN
  if (!isSigned)
    number.Value = overflow ? Bits(UINT64_MAX) : Bits(negative ? 0 - magnitude : magnitude);
  else if (negative)
    number.Value = overflow || magnitude > kLargestMagnitude ? INT64_MIN : Bits(0 - magnitude);
  else
    number.Value = overflow || magnitude > INT64_MAX ? INT64_MAX : Bits(magnitude);
  return number;
}

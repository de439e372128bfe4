#include "common/decimal_number.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kMostDecimals = 9;
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
const char* SkipBlanks(const char* p) {
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}
// Accumulates in 64 bits and stops growing at the int32 range, so a long
// run of digits saturates instead of overflowing.
int64_t Push(int64_t v, int digit) { return std::min<int64_t>(v * 10 + digit, INT32_MAX); }
}  // namespace

int ParseDecimal(const char* text, char separator, int decimals, int32_t* value) {
  decimals = std::clamp(decimals, 0, kMostDecimals);
  const char* p = SkipBlanks(text);
  bool negative = *p == '-';
  if (negative) ++p;
  int64_t v = 0;
  if (!*p) {
    *value = 0;
    return static_cast<int>(p - text) + 1;
  }
  for (; IsDigit(*p); ++p) v = Push(v, *p - '0');
  int given = 0;
  if (*p == separator) {
    for (++p; IsDigit(*p); ++p)
      if (given < decimals) v = Push(v, *p - '0'), ++given;
  }
  p = SkipBlanks(p);
  for (; given < decimals; ++given) v = Push(v, 0);
  *value = static_cast<int32_t>(negative ? -v : v);
  return *p ? static_cast<int>(p - text) + 1 : 0;
}

int FormatDecimal(char* buffer, char separator, int decimals, int32_t value) {
  decimals = std::clamp(decimals, 0, kMostDecimals);
  int64_t magnitude = value < 0 ? -int64_t{value} : value;
  int64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  int64_t whole = magnitude / scale, fraction = magnitude % scale;
  int n = std::snprintf(buffer, 24, "%s%lld", value < 0 ? "-" : "", static_cast<long long>(whole));
  if (fraction == 0) return n;
  int digits = decimals;
  while (fraction % 10 == 0) fraction /= 10, --digits;
  return n + std::snprintf(buffer + n, 24 - n, "%c%0*lld", separator, digits,
                           static_cast<long long>(fraction));
}

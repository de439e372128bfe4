#include "viewers/tables/formats/cell_text.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

std::string OneLine(const char* p, size_t n) {
  std::string s;
  s.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(p[i]);
    if (c == '\n' && i > 0 && p[i - 1] == '\r') continue;
    s.push_back(c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c));
  }
  return s;
}

std::string NumberText(double value, int decimals) {
  char text[400];
  std::snprintf(text, sizeof text, "%.*f", std::clamp(decimals, 0, 15), value);
  return text;
}

std::string IntegerText(int64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%" PRId64, value);
  return text;
}

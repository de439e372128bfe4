#include "common/profile_store.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {
constexpr char kMissing[] = "\x01missing\x01";
}  // namespace

int64_t ParseProfileNumber(const char* text) {
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  constexpr uint64_t kLimit = static_cast<uint64_t>(INT64_MAX) + 1;
  uint64_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value > kLimit / 10 ? kLimit : value * 10 + static_cast<uint64_t>(*p - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return value == kLimit ? INT64_MIN : -static_cast<int64_t>(value);
  return value >= kLimit ? INT64_MAX : static_cast<int64_t>(value);
}

int ParseProfileInt(const char* text) {
  int64_t v = ParseProfileNumber(text);
  return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

int ProfileStore::GetInt(const char* section, const char* key, int def) {
  char buf[64];
  GetString(section, key, kMissing, buf, sizeof buf);
  if (std::strcmp(buf, kMissing) == 0) return def;
  return ParseProfileInt(buf);
}

bool ProfileStore::WriteInt(const char* section, const char* key, long long value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%lld", value);
  return WriteString(section, key, buf);
}

// Five digits hold 0-99999; a value outside is stored as the nearest of those.
bool ProfileStore::WriteFiveDigits(const char* section, const char* key, int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%05d", std::clamp(value, 0, 99999));
  return WriteString(section, key, text);
}

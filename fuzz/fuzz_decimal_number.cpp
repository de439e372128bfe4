// Dialog number fields: any text parses without reading past its end; a
// fixed-point number that parses formats back to text that parses to the
// same value; a number with automatic base reads as strtoull and strtoll
// read it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/auto_base_number.h"
#include "common/decimal_number.h"

namespace {
void CheckAutoBase(const std::string& text) {
  char* end = nullptr;
  const uint64_t unsignedValue = std::strtoull(text.c_str(), &end, 0);
  AutoBaseNumber n = ParseAutoBaseNumber(text.c_str(), false);
  if (static_cast<uint64_t>(n.Value) != unsignedValue) __builtin_trap();
  if (n.Length != static_cast<size_t>(end - text.c_str())) __builtin_trap();
  const int64_t signedValue = std::strtoll(text.c_str(), &end, 0);
  n = ParseAutoBaseNumber(text.c_str(), true);
  if (n.Value != signedValue || n.Length != static_cast<size_t>(end - text.c_str()))
    __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const char separator = (data[0] & 1) ? ',' : '.';
  const int decimals = data[1] % 4;
  std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
  text = text.substr(0, text.find('\0'));
  CheckAutoBase(text);
  int32_t value = 0;
  int result = ParseDecimal(text.c_str(), separator, decimals, &value);
  if (result < 0 || result > static_cast<int>(text.size()) + 1) __builtin_trap();
  if (result != 0 || value == INT32_MAX || value == -INT32_MAX) return 0;
  char formatted[24];
  FormatDecimal(formatted, separator, decimals, value);
  int32_t again = 0;
  if (ParseDecimal(formatted, separator, decimals, &again) != 0 || again != value) __builtin_trap();
  return 0;
}

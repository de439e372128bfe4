// Dialog number fields: any text parses without reading past its end, and a
// number that parses formats back to text that parses to the same value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/decimal_number.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const char separator = (data[0] & 1) ? ',' : '.';
  const int decimals = data[1] % 4;
  std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
  text = text.substr(0, text.find('\0'));
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

#include "viewer/navigation/search_text_code.h"

#include <cstring>

#include "viewer/buffer/format_flags.h"

namespace {
AnsiToOemConversion gAnsiToOem = nullptr;
const uint8_t* gEbcdicReverse = nullptr;
}  // namespace

void SetAnsiToOem(AnsiToOemConversion convert) { gAnsiToOem = convert; }
void SetEbcdicReverseTable(const uint8_t* reverse) { gEbcdicReverse = reverse; }

int TypedTextToFileCode(std::string_view typed, int charCode, uint8_t* out, int capacity) {
  if (capacity <= 0) return 0;
  int n = typed.size() < static_cast<size_t>(capacity) ? static_cast<int>(typed.size()) : capacity;
  std::memcpy(out, typed.data(), static_cast<size_t>(n));
  if (charCode == CODE_ASCII && gAnsiToOem) {
    gAnsiToOem(typed.data(), reinterpret_cast<char*>(out), n);
  } else if (charCode == CODE_EBCDIC && gEbcdicReverse) {
    for (int i = 0; i < n; ++i) out[i] = gEbcdicReverse[out[i]];
  }
  return n;
}

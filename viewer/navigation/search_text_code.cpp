#include "viewer/navigation/search_text_code.h"

#include <algorithm>
#include <cstring>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/utf_decode.h"
#include "viewer/navigation/search_state.h"

namespace {
AnsiToOemConversion gAnsiToOem = nullptr;
const uint8_t* gEbcdicReverse = nullptr;
AnsiToWideConversion gAnsiToWide = nullptr;

int ToUnicodeCode(std::string_view typed, uint32_t code, uint8_t* out, int capacity) {
  uint16_t wide[512];
  int units = 0;
  const int length = static_cast<int>(typed.size() < 512 ? typed.size() : 512);
  if (gAnsiToWide)
    units = gAnsiToWide(typed.data(), length, wide, 512);
  else
    for (; units < length; ++units) wide[units] = static_cast<uint8_t>(typed[units]);
  int n = 0;
  for (int i = 0; i < units; ++i) {
    uint32_t ch = wide[i];
    if (ch >= 0xD800 && ch < 0xDC00 && i + 1 < units && wide[i + 1] >= 0xDC00 &&
        wide[i + 1] < 0xE000)
      ch = 0x10000 + ((ch - 0xD800) << 10 | (wide[++i] - 0xDC00));
    uint8_t bytes[4];
    const int count = EncodeUtf(code, ch, bytes);
    if (n + count > capacity) break;
    std::memcpy(out + n, bytes, static_cast<size_t>(count));
    n += count;
  }
  return n;
}
}  // namespace

void SetAnsiToWide(AnsiToWideConversion convert) { gAnsiToWide = convert; }

void SetAnsiToOem(AnsiToOemConversion convert) { gAnsiToOem = convert; }
void SetEbcdicReverseTable(const uint8_t* reverse) { gEbcdicReverse = reverse; }

int TypedTextToFileCode(std::string_view typed, int charCode, uint8_t* out, int capacity) {
  if (capacity <= 0) return 0;
  if (const uint32_t unicode = CodeFlagBits(charCode) & FMT_UTF_MASK)
    return ToUnicodeCode(typed, unicode, out, capacity);
  int n = typed.size() < static_cast<size_t>(capacity) ? static_cast<int>(typed.size()) : capacity;
  std::memcpy(out, typed.data(), static_cast<size_t>(n));
  if (charCode == CODE_ASCII && gAnsiToOem) {
    gAnsiToOem(typed.data(), reinterpret_cast<char*>(out), n);
  } else if (charCode == CODE_EBCDIC && gEbcdicReverse) {
    for (int i = 0; i < n; ++i) out[i] = gEbcdicReverse[out[i]];
  }
  return n;
}

int StoredTextToPattern(std::string_view stored, int charCode, uint8_t* pattern) {
  if (CodeFlagBits(charCode) & FMT_UTF_MASK)
    return TypedTextToFileCode(stored, charCode, pattern, kSearchPatternBytes);
  const int n = static_cast<int>(std::min<size_t>(stored.size(), kSearchPatternBytes));
  std::memcpy(pattern, stored.data(), static_cast<size_t>(n));
  return n;
}

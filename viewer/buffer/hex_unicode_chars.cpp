#include "viewer/buffer/hex_unicode_chars.h"

#include "viewer/buffer/utf_decode.h"

namespace {
constexpr uint16_t kBlank = ' ', kMiddleDot = 0xB7;

bool IsLowSurrogate(uint32_t code, const uint8_t* unit) {
  const uint8_t high = (code & FMT_UTF16BE) ? unit[0] : unit[1];
  return (high & 0xFC) == 0xDC;
}

uint32_t Shown(uint32_t ch) {
  return ch < 0x20 || (ch >= 0x7F && ch < 0xA0) ? kMiddleDot : ch;
}

// Whether the UTF-8 continuation byte at p belongs to a character that
// starts within the three bytes before it. One that starts on the line
// before counts as such: a line is decoded alike whatever was read before
// it. The bytes of a character cut off by the end of the file are marks.
bool InsideUtf8Char(const HexCharBytes& line, int32_t p) {
  for (int32_t q = p - 1; q >= p - 3; --q) {
    if (q < line.from) return true;
    if ((line.data[q] & 0xC0) == 0x80) continue;
    const UtfChar c = DecodeUtf8(line.data + q, line.size - q);
    if (c.Step == UtfStep::Cut) return !line.atFileEnd;
    return c.Step == UtfStep::Char && q + c.Bytes > p;
  }
  return false;
}
}  // namespace

int32_t DecodeHexChars(uint32_t code, const HexCharBytes& line, uint16_t* out, bool& cut) {
  cut = false;
  const bool utf8 = (code & FMT_UTF8) != 0;
  const int32_t count = line.to - line.from;
  int32_t written = count;
  for (int32_t j = 0; j < count; ++j) out[j] = kBlank;
  for (int32_t j = 0; j < count; ++j) {
    const int32_t p = line.from + j;
    const uint8_t* at = line.data + p;
    if (utf8 ? (*at & 0xC0) == 0x80 : ((line.dataOffset + p) & 1) != 0) {
      if (utf8 && !InsideUtf8Char(line, p)) out[j] = kReplacementChar;
      continue;
    }
    const UtfChar c = DecodeUtf(code, at, line.size - p);
    // The second half of a pair that starts on the line before.
    if (!utf8 && j == 0 && c.Step == UtfStep::Invalid && IsLowSurrogate(code, at)) continue;
    if (c.Step == UtfStep::Cut) {
      if (line.atFileEnd)
        out[j] = kReplacementChar;
      else
        cut = true;
      continue;
    }
    uint16_t units[2];
    const int32_t n = ToUtf16Units(Shown(c.Char), units);
    out[j] = units[0];
    if (n == 2) {
      out[j + 1] = units[1];
      if (j + 1 >= written) written = j + 2;
    }
    if (c.Step == UtfStep::Invalid) continue;
    j += c.Bytes - 1;  // the columns of its other bytes stay blank
  }
  return written;
}

#include "viewer/buffer/utf_decode.h"

int32_t ByteOrderMarkLength(uint32_t codeFlag, const uint8_t* d, int32_t n) {
  if (codeFlag & FMT_UTF8) return n >= 3 && d[0] == 0xEF && d[1] == 0xBB && d[2] == 0xBF ? 3 : 0;
  if (n < 2) return 0;
  if (codeFlag & FMT_UTF16LE) return d[0] == 0xFF && d[1] == 0xFE ? 2 : 0;
  if (codeFlag & FMT_UTF16BE) return d[0] == 0xFE && d[1] == 0xFF ? 2 : 0;
  return 0;
}

CharCode DetectCharCode(const uint8_t* d, int32_t n, bool wholeFile) {
  if (ByteOrderMarkLength(FMT_UTF8, d, n)) return CODE_UTF8;
  if (ByteOrderMarkLength(FMT_UTF16LE, d, n)) return CODE_UTF16LE;
  if (ByteOrderMarkLength(FMT_UTF16BE, d, n)) return CODE_UTF16BE;
  // Text in UTF-16 that is mostly Latin has a zero in every other byte;
  // a binary file has zeros on both sides.
  int32_t zeros[2] = {0, 0};
  for (int32_t i = 0; i < n; ++i) zeros[i & 1] += d[i] == 0;
  const int32_t pairs = n / 2;
  if (pairs >= 1) {
    if (zeros[1] * 2 > pairs && zeros[0] * 8 < pairs) return CODE_UTF16LE;
    if (zeros[0] * 2 > pairs && zeros[1] * 8 < pairs) return CODE_UTF16BE;
  }
  if (zeros[0] + zeros[1] > 0) return CODE_NONE;
  bool high = false;
  for (int32_t i = 0; i < n;) {
    if (d[i] < 0x80) {
      ++i;
      continue;
    }
    const UtfChar c = DecodeUtf8(d + i, n - i);
    if (c.Step == UtfStep::Cut && !wholeFile) break;
    if (c.Step != UtfStep::Char) return CODE_NONE;
    high = true;
    i += c.Bytes;
  }
  return high ? CODE_UTF8 : CODE_NONE;
}

int32_t EncodeUtf(uint32_t codeFlag, uint32_t ch, uint8_t out[4]) {
  if (codeFlag & FMT_UTF8) {
    if (ch < 0x80) return out[0] = static_cast<uint8_t>(ch), 1;
    if (ch < 0x800) {
      out[0] = static_cast<uint8_t>(0xC0 | ch >> 6);
      out[1] = static_cast<uint8_t>(0x80 | (ch & 0x3F));
      return 2;
    }
    if (ch < 0x10000) {
      out[0] = static_cast<uint8_t>(0xE0 | ch >> 12);
      out[1] = static_cast<uint8_t>(0x80 | (ch >> 6 & 0x3F));
      out[2] = static_cast<uint8_t>(0x80 | (ch & 0x3F));
      return 3;
    }
    out[0] = static_cast<uint8_t>(0xF0 | ch >> 18);
    out[1] = static_cast<uint8_t>(0x80 | (ch >> 12 & 0x3F));
    out[2] = static_cast<uint8_t>(0x80 | (ch >> 6 & 0x3F));
    out[3] = static_cast<uint8_t>(0x80 | (ch & 0x3F));
    return 4;
  }
  uint16_t units[2];
  const int32_t count = ToUtf16Units(ch, units);
  const bool big = (codeFlag & FMT_UTF16BE) != 0;
  for (int32_t i = 0; i < count; ++i) {
    out[2 * i + (big ? 1 : 0)] = static_cast<uint8_t>(units[i]);
    out[2 * i + (big ? 0 : 1)] = static_cast<uint8_t>(units[i] >> 8);
  }
  return 2 * count;
}

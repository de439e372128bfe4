#include "viewer/buffer/utf_decode.h"

namespace {
constexpr UtfChar kInvalid{kReplacementChar, 1, UtfStep::Invalid};
constexpr UtfChar kCut{kReplacementChar, 0, UtfStep::Cut};

inline bool IsContinuation(uint8_t b) { return (b & 0xC0) == 0x80; }

inline uint32_t Unit(const uint8_t* d, bool bigEndian) {
  return bigEndian ? (uint32_t{d[0]} << 8 | d[1]) : (uint32_t{d[1]} << 8 | d[0]);
}
}  // namespace

UtfChar DecodeUtf8(const uint8_t* d, int32_t n) {
  const uint8_t b = d[0];
  if (b < 0x80) return {b, 1, UtfStep::Char};
  int32_t length;
  uint32_t ch;
  // The second byte's range excludes overlong forms, surrogates and code
  // points past U+10FFFF.
  uint8_t low = 0x80, high = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2, ch = b & 0x1F;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3, ch = b & 0x0F;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4, ch = b & 0x07;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return kInvalid;
  }
  for (int32_t i = 1; i < length; ++i) {
    if (i >= n) return kCut;
    const uint8_t c = d[i];
    if (i == 1 ? (c < low || c > high) : !IsContinuation(c)) return kInvalid;
    ch = ch << 6 | (c & 0x3F);
  }
  return {ch, length, UtfStep::Char};
}

UtfChar DecodeUtf16(const uint8_t* d, int32_t n, bool bigEndian) {
  if (n < 2) return kCut;
  const uint32_t u = Unit(d, bigEndian);
  if (u < 0xD800 || u > 0xDFFF) return {u, 2, UtfStep::Char};
  const UtfChar lone{kReplacementChar, 2, UtfStep::Invalid};
  if (u >= 0xDC00) return lone;
  if (n < 4) return kCut;
  const uint32_t v = Unit(d + 2, bigEndian);
  if (v < 0xDC00 || v > 0xDFFF) return lone;
  return {0x10000 + ((u - 0xD800) << 10 | (v - 0xDC00)), 4, UtfStep::Char};
}

UtfChar DecodeUtf(uint32_t codeFlag, const uint8_t* data, int32_t n) {
  if (codeFlag & FMT_UTF8) return DecodeUtf8(data, n);
  return DecodeUtf16(data, n, (codeFlag & FMT_UTF16BE) != 0);
}

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

int32_t ToUtf16Units(uint32_t ch, uint16_t out[2]) {
  if (ch < 0x10000) {
    out[0] = static_cast<uint16_t>(ch);
    return 1;
  }
  ch -= 0x10000;
  out[0] = static_cast<uint16_t>(0xD800 + (ch >> 10));
  out[1] = static_cast<uint16_t>(0xDC00 + (ch & 0x3FF));
  return 2;
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

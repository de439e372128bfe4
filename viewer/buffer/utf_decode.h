// Decoding UTF-8 and UTF-16 one character at a time, for the formatters and
// the search, and telling a block's character code from its first bytes.
#pragma once
#include <cstdint>

#include "viewer/buffer/format_flags.h"

constexpr uint32_t kReplacementChar = 0xFFFD;

enum class UtfStep : uint8_t {
  Char,     // a valid character
  Invalid,  // not a character: shown as one replacement mark, Bytes 1 (UTF-16: 2)
  Cut,      // a character that the end of the data cuts off
};

struct UtfChar {
  uint32_t Char = 0;  // the code point; kReplacementChar unless Char
  int32_t Bytes = 0;  // bytes it takes (0 when cut)
  UtfStep Step = UtfStep::Char;
};

// The character at data[0] of the n (> 0) bytes available. An invalid byte
// never swallows the bytes after it, so offsets after it stay where they are.
inline UtfChar DecodeUtf8(const uint8_t* data, int32_t n);
// bigEndian: UTF-16 BE, else LE. A lone surrogate is Invalid (2 bytes); one
// byte alone is Cut.
inline UtfChar DecodeUtf16(const uint8_t* data, int32_t n, bool bigEndian);
// By the code's flag bit (FMT_UTF8, FMT_UTF16LE or FMT_UTF16BE).
inline UtfChar DecodeUtf(uint32_t codeFlag, const uint8_t* data, int32_t n);

// The byte-order mark's length at the start of a file in that code (3 or
// 2), or 0 when data does not start with it.
int32_t ByteOrderMarkLength(uint32_t codeFlag, const uint8_t* data, int32_t n);

// The code of a file whose first n bytes are data (the whole file when
// wholeFile): by its byte-order mark; else UTF-16 where every other byte is
// mostly zero; else UTF-8 where the bytes above 0x7F make valid UTF-8 (one
// cut off at a block's end allowed). CODE_NONE when nothing says so (a
// plain ASCII file reads the same in every code).
CharCode DetectCharCode(const uint8_t* data, int32_t n, bool wholeFile);

// The character's UTF-16 units in out (1 or 2); returns the count.
inline int32_t ToUtf16Units(uint32_t ch, uint16_t out[2]);
// The character in that code's bytes (at most 4) in out; returns the count.
int32_t EncodeUtf(uint32_t codeFlag, uint32_t ch, uint8_t out[4]);

// The decoders are inline: the formatters call them for every character.
namespace utf_detail {
inline constexpr UtfChar kInvalid{kReplacementChar, 1, UtfStep::Invalid};
inline constexpr UtfChar kCut{kReplacementChar, 0, UtfStep::Cut};

inline bool IsContinuation(uint8_t b) { return (b & 0xC0) == 0x80; }

inline uint32_t Unit(const uint8_t* d, bool bigEndian) {
  return bigEndian ? (uint32_t{d[0]} << 8 | d[1]) : (uint32_t{d[1]} << 8 | d[0]);
}
}  // namespace utf_detail

inline UtfChar DecodeUtf8(const uint8_t* d, int32_t n) {
  using namespace utf_detail;
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

inline UtfChar DecodeUtf16(const uint8_t* d, int32_t n, bool bigEndian) {
  using namespace utf_detail;
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

inline UtfChar DecodeUtf(uint32_t codeFlag, const uint8_t* data, int32_t n) {
  if (codeFlag & FMT_UTF8) return DecodeUtf8(data, n);
  return DecodeUtf16(data, n, (codeFlag & FMT_UTF16BE) != 0);
}

inline int32_t ToUtf16Units(uint32_t ch, uint16_t out[2]) {
  if (ch < 0x10000) {
    out[0] = static_cast<uint16_t>(ch);
    return 1;
  }
  ch -= 0x10000;
  out[0] = static_cast<uint16_t>(0xD800 + (ch >> 10));
  out[1] = static_cast<uint16_t>(0xDC00 + (ch & 0x3FF));
  return 2;
}

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
UtfChar DecodeUtf8(const uint8_t* data, int32_t n);
// bigEndian: UTF-16 BE, else LE. A lone surrogate is Invalid (2 bytes); one
// byte alone is Cut.
UtfChar DecodeUtf16(const uint8_t* data, int32_t n, bool bigEndian);
// By the code's flag bit (FMT_UTF8, FMT_UTF16LE or FMT_UTF16BE).
UtfChar DecodeUtf(uint32_t codeFlag, const uint8_t* data, int32_t n);

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
int32_t ToUtf16Units(uint32_t ch, uint16_t out[2]);
// The character in that code's bytes (at most 4) in out; returns the count.
int32_t EncodeUtf(uint32_t codeFlag, uint32_t ch, uint8_t out[4]);

// The characters column of a hex dump in UTF-8 and UTF-16: each character
// stands in the column of its first byte, the columns of its other bytes
// stay blank (also those at a line's start of one begun on the line
// before), and a byte that starts no character is a replacement mark.
#pragma once
#include <cstdint>

#include "viewer/buffer/file_offset.h"

// The bytes of one line: data[from .. to) of the size bytes of a window
// whose data[0] is at file offset dataOffset; atFileEnd when the window
// reaches the end of the file (a character cut there is a mark; one cut by
// the window's end alone stays blank).
struct HexCharBytes {
  const uint8_t* data;
  int32_t size;
  FileOffset dataOffset;
  bool atFileEnd;
  int32_t from, to;
};

// Writes a unit for each byte to out[0 .. to - from), and one more when the
// last character is a surrogate pair that starts on the line's last byte.
// Returns the units written. code: FMT_UTF8, FMT_UTF16LE or FMT_UTF16BE.
// cut: whether a character ran into the window's end before the file's.
int32_t DecodeHexChars(uint32_t code, const HexCharBytes& line, uint16_t* out, bool& cut);

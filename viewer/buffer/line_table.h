// Formatted lines: the fixed line table, its text arena and the status word
// shared by the formatters, the line buffer, copying and printing.
#pragma once
#include <cstdint>

#include "viewer/buffer/file_offset.h"

// One formatted line (24 bytes: the file offset and four int32 fields, in
// this order).
struct LineEntry {
  FileOffset Offset;   // file offset of the line's first byte
  int32_t TextOffset;  // where its characters start in the text arena
  int32_t Length;      // number of characters; -1 marks the end entry
  int32_t PageLine;    // line number within the page (page padding)
  int32_t Flags;       // LF_* bits
};
static_assert(sizeof(LineEntry) == 24, "a line entry is a 64-bit offset and four int32 fields");

// Line flags.
constexpr int32_t LF_TAG_MASK = 0xF;
constexpr int32_t LF_MESSAGE = 0x10;
constexpr int32_t LF_PAGE_BREAK = 0x40;
constexpr int32_t LF_TRUNCATED = 0x100;
constexpr int32_t LF_INCOMPLETE = 0x200;
constexpr int32_t LF_PAGE_GAP = 0x1000;
constexpr int32_t LF_WIDE = 0x2000;  // characters are UTF-16 units, two bytes each

// A fixed array of lines. Valid entries are Afirst .. Alast-1; Alast is the
// end entry. Acur is the top line shown.
struct LineTable {
  LineEntry* Entries = nullptr;
  int16_t Acnt = 0;
  int16_t Acur = 0;
  int16_t Afirst = 0;
  int16_t Alast = 0;
};

// Append-only character store of a line table.
struct TextArena {
  char* Base = nullptr;
  int32_t Tlen = 0;  // capacity in bytes
  int32_t Tend = 0;  // bytes used
};

// Status word.
constexpr uint16_t ST_EOF = 0x2;
constexpr uint16_t ST_TRUNCATED = 0x4;
constexpr uint16_t ST_EMPTY = 0x8;
constexpr uint16_t ST_TOO_NARROW = 0x10;
constexpr uint16_t ST_FAILED = 0x100;

// Capacities and block sizes of the main view and of the frozen titles.
constexpr int16_t kLineTableEntries = 1638;
constexpr int16_t kTitleTableEntries = 16;
constexpr int32_t kLineTableBlockBytes = kLineTableEntries * sizeof(LineEntry);
constexpr int32_t kTextArenaBlockBytes = 65530;
constexpr int32_t kTitleTableBlockBytes = kTitleTableEntries * sizeof(LineEntry);
constexpr int32_t kTitleArenaBlockBytes = 32760;  // 32759 used
constexpr int32_t kTitleArenaCapacity = kTitleArenaBlockBytes - 1;

// The vocabulary of formatting: the format flag bits, the three formats and
// the character codes a file may be shown in.
#pragma once
#include <cstdint>

// Format flag bits.
constexpr uint32_t FMT_WRAP = 0x1;
constexpr uint32_t FMT_SWITCH_O = 0x2;  // set by switch O only; carried, never read
constexpr uint32_t FMT_SHOW_BACKGROUND = 0x8;
constexpr uint32_t FMT_FIXED_LENGTH = 0x10;
constexpr uint32_t FMT_EXPAND_TABS = 0x20;
constexpr uint32_t FMT_OEM = 0x40;
constexpr uint32_t FMT_EBCDIC = 0x80;
constexpr uint32_t FMT_KEEP_FF = 0x100;
constexpr uint32_t FMT_FORM_FEEDS = 0x200;
constexpr uint32_t FMT_PAGE_GAP = 0x800;
// The Unicode codes: the Text and Raw Text formatters then write two-byte
// display characters (UTF-16 units) into the text buffer.
constexpr uint32_t FMT_UTF8 = 0x2000;
constexpr uint32_t FMT_UTF16LE = 0x4000;
constexpr uint32_t FMT_UTF16BE = 0x8000;
constexpr uint32_t FMT_UTF_MASK = FMT_UTF8 | FMT_UTF16LE | FMT_UTF16BE;
constexpr uint32_t FMT_CODE_MASK = FMT_OEM | FMT_EBCDIC | FMT_UTF_MASK;

enum Format : int { FORMAT_TEXT = 0, FORMAT_HEX = 1, FORMAT_RAW = 2, FORMAT_NONE = 3 };
// 3 stands for no code (read as ANSI); the Unicode codes follow it.
enum CharCode : int {
  CODE_ANSI = 0,
  CODE_ASCII = 1,
  CODE_EBCDIC = 2,
  CODE_NONE = 3,
  CODE_UTF8 = 4,
  CODE_UTF16LE = 5,
  CODE_UTF16BE = 6,
};
// The flag bits of a code (0 for ANSI and none).
constexpr uint32_t CodeFlagBits(int code) {
  switch (code) {
    case CODE_ASCII: return FMT_OEM;
    case CODE_EBCDIC: return FMT_EBCDIC;
    case CODE_UTF8: return FMT_UTF8;
    case CODE_UTF16LE: return FMT_UTF16LE;
    case CODE_UTF16BE: return FMT_UTF16BE;
    default: return 0;
  }
}
// The Unicode code whose bit flags carry, else ANSI.
constexpr CharCode UnicodeCodeOf(uint32_t flags) {
  return (flags & FMT_UTF8)      ? CODE_UTF8
         : (flags & FMT_UTF16LE) ? CODE_UTF16LE
         : (flags & FMT_UTF16BE) ? CODE_UTF16BE
                                 : CODE_ANSI;
}

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

enum Format : int { FORMAT_TEXT = 0, FORMAT_HEX = 1, FORMAT_RAW = 2, FORMAT_NONE = 3 };
enum CharCode : int { CODE_ANSI = 0, CODE_ASCII = 1, CODE_EBCDIC = 2, CODE_NONE = 3 };

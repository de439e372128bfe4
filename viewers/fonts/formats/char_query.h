// What a Find or Go To asks the font viewer for: a character code. Find's
// text is "U+0041" (or "u+41"), or two or more hex digits as the hex find
// dialog sends them ("41"), or else its first character; Go To brings the
// code as a number.
#pragma once
#include <cstdint>
#include <string_view>

struct CharQuery {
  bool Valid = false;
  uint32_t Code = 0;
  // Code is a byte of the system's ANSI code page, still to be turned into
  // Unicode.
  bool AnsiByte = false;
};

CharQuery ParseCharQuery(std::string_view text);

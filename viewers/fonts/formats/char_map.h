// A font's character map as (code, glyph) pairs in code order, from the
// subtable that serves best: full Unicode (format 12), then the Unicode
// basic plane (format 4), then a symbol font's codes, then the Macintosh
// Roman table (formats 0 and 6). Glyph 0 (the missing glyph) and glyphs
// the font does not have are left out.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/fonts/formats/font_file.h"

struct CharMapEntry {
  uint32_t Code;
  uint16_t Glyph;
};
using CharMap = std::vector<CharMapEntry>;

// At most this many entries are kept, and at most kMostCodesVisited codes
// are looked at, so that counts and ranges a subtable claims cost nothing.
constexpr size_t kMostCharMapEntries = 65536;
constexpr uint32_t kMostCodesVisited = 1 << 20;

CharMap ReadCharMap(const FontFile& font, uint32_t glyphCount);

// The glyph of code, or 0.
uint16_t GlyphOf(const CharMap& map, uint32_t code);
// The entry of code in map, or map.size().
size_t EntryOf(const CharMap& map, uint32_t code);

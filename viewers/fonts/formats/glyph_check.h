// The glyph outlines of a TrueType font as the rasteriser reads them, and
// the check that a glyph can be handed to it: stb_truetype trusts every
// offset and count it meets, so each byte it will read is checked here
// first, with the same reading of the data that it makes.
#pragma once
#include <cstdint>

#include "viewers/fonts/formats/font_file.h"

struct GlyphTables {
  const FontFile* Font = nullptr;
  uint32_t Loca = 0, Glyf = 0, GlyfLength = 0;  // file offsets, glyf's length
  int LocaFormat = 0;                           // 0: 16-bit halves, 1: 32-bit offsets
  // Glyphs below it have both loca entries within the table; the
  // rasteriser draws nothing for the others.
  uint32_t GlyphCount = 0;
};

// The glyph tables of a font whose head, loca and glyf are sound; false
// when there are none to draw with.
bool FindGlyphTables(const FontFile& font, GlyphTables& tables);

// Whether the rasteriser may be given glyph: its bytes within glyf and its
// loca offsets ascending; a simple glyph's contours, flags and coordinates
// within its bytes; a composite's components within its bytes, nested at
// most a few deep (so no cycle), few in all, and their transforms keeping
// coordinates within 16 bits.
bool GlyphIsSound(const GlyphTables& tables, uint32_t glyph);

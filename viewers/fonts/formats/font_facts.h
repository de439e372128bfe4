// What a font says of itself: its names, glyph count, the encodings of its
// character map, whether it may be embedded in documents and how its
// outlines are kept. Read from the tables of a FontFile.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "viewers/fonts/formats/font_file.h"

struct CmapEncoding {
  uint16_t Platform = 0, Encoding = 0,
           Format = 0;  // Format 0: the subtable is not within the table
};

struct FontFacts {
  std::string Family, Style, FullName, Version, Copyright;  // Latin-1
  uint32_t GlyphCount = 0;                                  // as maxp says
  bool HasEmbedding = false;                                // an OS/2 table gives the permission
  uint16_t EmbeddingFlags = 0;                              // its fsType
  std::vector<CmapEncoding> Encodings;
  SfntKind Outlines = SfntKind::None;
  uint32_t FaceCount = 1;
};

FontFacts ReadFontFacts(const FontFile& font);

// The embedding permission in words.
std::string DescribeEmbedding(const FontFacts& facts);
// "Tahoma Regular, 1234 glyphs", with the collection's face count.
std::string DescribeFont(const FontFacts& facts);

struct FactLine {
  std::string Label, Value;
};
// The facts as the window lists them and Copy copies them.
std::vector<FactLine> FontFactLines(const FontFacts& facts);

// An open font as the viewer shows it: the file, its facts and character
// map, its rasteriser, and the glyph masks drawn so far.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "viewers/fonts/formats/char_map.h"
#include "viewers/fonts/formats/font_facts.h"
#include "viewers/fonts/formats/font_raster.h"

class FontDocument {
 public:
  // nullptr when path is no font this viewer reads.
  static std::unique_ptr<FontDocument> Open(const char* path);

  const FontFacts& Facts() const { return facts_; }
  const std::vector<FactLine>& FactLines() const { return lines_; }
  const CharMap& Map() const { return map_; }
  const FontRaster& Raster() const { return *raster_; }

  // The glyph of a character; a symbol font's characters lie at F000 up.
  uint16_t GlyphOfChar(uint32_t code) const;
  // The entry of code in the map (or of its symbol-font place); Map().size()
  // when there is none.
  size_t EntryOfCode(uint32_t code) const;
  // The glyph drawn at a size, kept for the next paint.
  const GlyphMask& Mask(uint16_t glyph, float pixelsPerEm);

 private:
  explicit FontDocument(FontFile file);
  FontFile file_;
  FontFacts facts_;
  std::vector<FactLine> lines_;
  CharMap map_;
  std::unique_ptr<FontRaster> raster_;
  std::map<uint64_t, GlyphMask> masks_;
};

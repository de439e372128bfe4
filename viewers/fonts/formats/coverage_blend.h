// Glyph masks blended into a row-major 32-bit picture (0x00RRGGBB) from
// the background to the ink colour in proportion to their coverage; a
// glyph that could not be drawn is an empty box of the ink colour.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/fonts/formats/font_raster.h"

struct CoveragePicture {
  int Width = 0, Height = 0;
  std::vector<uint32_t> Pixels;
  CoveragePicture(int width, int height, uint32_t back)
      : Width(width), Height(height), Pixels(static_cast<size_t>(width) * height, back) {}
};

// The mask with its pen at (x, baseline); what falls outside is clipped.
void BlendMask(CoveragePicture& picture, const GlyphMask& mask, int x, int baseline, uint32_t back,
               uint32_t ink);
// The outline of a box from (left, top), width by height.
void DrawEmptyBox(CoveragePicture& picture, int left, int top, int width, int height, uint32_t ink);

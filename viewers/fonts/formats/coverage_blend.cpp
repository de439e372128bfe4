#include "viewers/fonts/formats/coverage_blend.h"

#include <algorithm>

namespace {

uint32_t Mix(uint32_t back, uint32_t ink, unsigned coverage) {
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned b = back >> shift & 0xFF, i = ink >> shift & 0xFF;
    out |= ((b * (255 - coverage) + i * coverage + 127) / 255) << shift;
  }
  return out;
}

void Put(CoveragePicture& p, int x, int y, uint32_t colour) {
  if (x >= 0 && y >= 0 && x < p.Width && y < p.Height)
    p.Pixels[static_cast<size_t>(y) * p.Width + x] = colour;
}

}  // namespace

void BlendMask(CoveragePicture& picture, const GlyphMask& mask, int x, int baseline, uint32_t back,
               uint32_t ink) {
  const int left = x + mask.Left, top = baseline + mask.Top;
  const int fromY = std::max(0, -top), toY = std::min(mask.Height, picture.Height - top);
  const int fromX = std::max(0, -left), toX = std::min(mask.Width, picture.Width - left);
  for (int my = fromY; my < toY; ++my) {
    const uint8_t* row = mask.Coverage.data() + static_cast<size_t>(my) * mask.Width;
    uint32_t* out = picture.Pixels.data() + static_cast<size_t>(top + my) * picture.Width + left;
    for (int mx = fromX; mx < toX; ++mx)
      if (row[mx]) out[mx] = Mix(back, ink, row[mx]);
  }
}

void DrawEmptyBox(CoveragePicture& picture, int left, int top, int width, int height,
                  uint32_t ink) {
  for (int i = 0; i < width; ++i)
    Put(picture, left + i, top, ink), Put(picture, left + i, top + height - 1, ink);
  for (int i = 0; i < height; ++i)
    Put(picture, left, top + i, ink), Put(picture, left + width - 1, top + i, ink);
}

// Glyphs of a TrueType font drawn as coverage masks by stb_truetype, with
// the metrics to set them in a line. A glyph the checks refuse comes back
// as Failed, to be drawn as an empty box.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "viewers/fonts/formats/font_file.h"

struct GlyphMask {
  int Left = 0, Top = 0;  // of the mask from the pen, on the baseline, y down
  int Width = 0, Height = 0;
  std::vector<uint8_t> Coverage;  // Width x Height, 0-255, rows from the top
  bool Failed = false;
};

// Masks larger than this on a side are not drawn (Failed).
constexpr int kMostGlyphPixels = 2048;

class FontRaster {
 public:
  // font must outlive the raster; it is not copied.
  explicit FontRaster(const FontFile& font);
  ~FontRaster();
  FontRaster(const FontRaster&) = delete;
  FontRaster& operator=(const FontRaster&) = delete;

  bool Drawable() const { return drawable_; }
  int UnitsPerEm() const { return unitsPerEm_; }
  // Above and below the baseline, in font units (Descent is positive).
  int Ascent() const { return ascent_; }
  int Descent() const { return descent_; }
  int Advance(uint16_t glyph) const;  // font units
  GlyphMask Render(uint16_t glyph, float pixelsPerEm) const;

 private:
  struct Stb;
  std::unique_ptr<Stb> stb_;
  bool drawable_ = false;
  int unitsPerEm_ = 1000, ascent_ = 800, descent_ = 200;
  uint32_t hmtx_ = 0, hmtxLength_ = 0, longMetrics_ = 0;
  const FontFile& font_;
};

#include "viewers/fonts/formats/font_raster.h"

#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "viewers/fonts/formats/glyph_check.h"

struct FontRaster::Stb {
  GlyphTables Tables;
  stbtt_fontinfo Info;
};

FontRaster::FontRaster(const FontFile& font) : font_(font) {
  GlyphTables tables;
  const FontTable head = font.Find("head");
  if (!FindGlyphTables(font, tables)) return;
  const int units = font.U16(head.Offset + 18);
  if (units < 16 || units > 16384) return;
  unitsPerEm_ = units;
  ascent_ = units * 4 / 5;
  descent_ = units / 5;
  const FontTable hhea = font.Find("hhea"), hmtx = font.Find("hmtx");
  if (hhea.Length >= 36) {
    ascent_ = std::clamp<int>(font.S16(hhea.Offset + 4), 0, 4 * units);
    descent_ = std::clamp<int>(-font.S16(hhea.Offset + 6), 0, 4 * units);
    longMetrics_ = font.U16(hhea.Offset + 34);
  }
  hmtx_ = hmtx.Offset;
  hmtxLength_ = hmtx.Length;
  // The rasteriser's record is filled from the checked tables, not by its
  // own reading of the table directory: it then reads only loca and glyf.
  stb_ = std::make_unique<Stb>();
  stb_->Tables = tables;
  stbtt_fontinfo& info = stb_->Info;
  std::memset(&info, 0, sizeof info);
  info.data = const_cast<unsigned char*>(font.Bytes.data());
  info.fontstart = static_cast<int>(font.FaceOffset);
  info.numGlyphs = static_cast<int>(tables.GlyphCount);
  info.loca = static_cast<int>(tables.Loca);
  info.glyf = static_cast<int>(tables.Glyf);
  info.head = static_cast<int>(head.Offset);
  info.indexToLocFormat = tables.LocaFormat;
  drawable_ = true;
}

FontRaster::~FontRaster() = default;

int FontRaster::Advance(uint16_t glyph) const {
  const uint32_t entry = std::min<uint32_t>(glyph, longMetrics_ ? longMetrics_ - 1 : 0);
  if (longMetrics_ == 0 || !Within(entry * 4, 2, hmtxLength_)) return unitsPerEm_ / 2;
  return std::max<int>(0, font_.U16(hmtx_ + entry * 4));
}

GlyphMask FontRaster::Render(uint16_t glyph, float pixelsPerEm) const {
  GlyphMask mask;
  if (!drawable_ || !GlyphIsSound(stb_->Tables, glyph)) {
    mask.Failed = true;
    return mask;
  }
  stbtt_vertex* vertices = nullptr;
  const int count = stbtt_GetGlyphShape(&stb_->Info, glyph, &vertices);
  if (count <= 0) return mask;  // a blank glyph
  const float scale = pixelsPerEm / unitsPerEm_;
  int minX = 32767, minY = 32767, maxX = -32768, maxY = -32768;
  for (int i = 0; i < count; ++i) {
    const stbtt_vertex& v = vertices[i];
    minX = std::min<int>({minX, v.x, v.type == STBTT_vcurve ? v.cx : v.x});
    maxX = std::max<int>({maxX, v.x, v.type == STBTT_vcurve ? v.cx : v.x});
    minY = std::min<int>({minY, v.y, v.type == STBTT_vcurve ? v.cy : v.y});
    maxY = std::max<int>({maxY, v.y, v.type == STBTT_vcurve ? v.cy : v.y});
  }
  // The mask covers every point with a pixel to spare, so the rasteriser
  // never meets an edge outside it.
  const int left = static_cast<int>(std::floor(minX * scale)) - 1,
            top = static_cast<int>(std::floor(-maxY * scale)) - 1;
  const int right = static_cast<int>(std::ceil(maxX * scale)) + 1,
            bottom = static_cast<int>(std::ceil(-minY * scale)) + 1;
  if (right - left > kMostGlyphPixels || bottom - top > kMostGlyphPixels) {
    stbtt_FreeShape(&stb_->Info, vertices);
    mask.Failed = true;
    return mask;
  }
  mask = {left, top, right - left, bottom - top, {}, false};
  mask.Coverage.assign(static_cast<size_t>(mask.Width) * mask.Height, 0);
  stbtt__bitmap bitmap{mask.Width, mask.Height, mask.Width, mask.Coverage.data()};
  stbtt_Rasterize(&bitmap, 0.35f, vertices, count, scale, scale, 0, 0, left, top, 1, nullptr);
  stbtt_FreeShape(&stb_->Info, vertices);
  return mask;
}

#include "viewers/fonts/sheet_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "viewers/fonts/formats/coverage_blend.h"

namespace {

uint32_t AsPixel(COLORREF c) {
  return static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

void PutPicture(HDC dc, int x, int y, const CoveragePicture& picture) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = picture.Width;
  header.biHeight = -picture.Height;  // top row first
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  StretchDIBits(dc, x, y, picture.Width, picture.Height, 0, 0, picture.Width, picture.Height,
                picture.Pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                SRCCOPY);
}

void Text(HDC dc, int x, int y, const std::string& text) {
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

void SheetPainter::Draw(HDC dc, const SheetBand& band, int y) const {
  const int margin = layout_.Margin;
  switch (band.Kind) {
    case BandKind::Fact: {
      const FactLine& line = document_.FactLines()[static_cast<size_t>(band.Index)];
      Text(dc, margin, y, line.Label + ": " + line.Value);
      break;
    }
    case BandKind::Sample:
      if (band.Index >= 100) {
        DrawGlyphLine(dc, band, y, kAlphabetLines[static_cast<size_t>(band.Index - 100)],
                      margin + metrics_.LabelWidth);
      } else {
        DrawGlyphLine(dc, band, y, kSampleText, margin + metrics_.LabelWidth);
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        Text(dc, margin, y + band.Baseline - tm.tmAscent,
             std::to_string(kSamplePoints[static_cast<size_t>(band.Index)]) + " pt");
      }
      break;
    case BandKind::Heading:
      Text(dc, margin, y,
           "Character map: " + std::to_string(document_.Map().size()) + " characters");
      break;
    case BandKind::GridRow: DrawGridRow(dc, band, y); break;
  }
}

void SheetPainter::DrawGlyphLine(HDC dc, const SheetBand& band, int y, const char* text,
                                 int x) const {
  const FontRaster& raster = document_.Raster();
  if (!raster.Drawable()) return;
  CoveragePicture picture(metrics_.Width - x, band.Height, AsPixel(ink_.Back));
  const float scale = band.PixelsPerEm / static_cast<float>(raster.UnitsPerEm());
  float pen = 0;
  for (const char* c = text; *c && pen < picture.Width; ++c) {
    const uint16_t glyph = document_.GlyphOfChar(static_cast<uint8_t>(*c));
    const int advance = static_cast<int>(std::lround(raster.Advance(glyph) * scale));
    const GlyphMask& mask = document_.Mask(glyph, band.PixelsPerEm);
    if (mask.Failed) {
      const int height = static_cast<int>(raster.Ascent() * scale);
      DrawEmptyBox(picture, static_cast<int>(pen) + 1, band.Baseline - height,
                   std::max(advance - 2, 2), height, AsPixel(ink_.Text));
    } else {
      BlendMask(picture, mask, static_cast<int>(std::lround(pen)), band.Baseline,
                AsPixel(ink_.Back), AsPixel(ink_.Text));
    }
    pen += raster.Advance(glyph) * scale;
  }
  PutPicture(dc, x, y, picture);
}

void SheetPainter::DrawGridRow(HDC dc, const SheetBand& band, int y) const {
  const CharMap& map = document_.Map();
  const FontRaster& raster = document_.Raster();
  const int margin = layout_.Margin, width = layout_.CellWidth;
  const size_t first = static_cast<size_t>(band.Index) * layout_.Columns;
  const size_t last = std::min(map.size(), first + layout_.Columns);
  CoveragePicture picture(metrics_.Width - margin, band.Height, AsPixel(ink_.Back));
  const uint32_t back = AsPixel(ink_.Back), ink = AsPixel(ink_.Text);
  const uint32_t rule = (back >> 1 & 0x7F7F7F) + (ink >> 2 & 0x3F3F3F) + (back >> 2 & 0x3F3F3F);
  const float scale = layout_.CellPixelsPerEm / static_cast<float>(raster.UnitsPerEm());
  for (size_t e = first; e < last; ++e) {
    const int left = static_cast<int>(e - first) * width;
    DrawEmptyBox(picture, left, 0, width + 1, band.Height + 1, rule);
    if (!raster.Drawable()) continue;
    const uint16_t glyph = map[e].Glyph;
    const GlyphMask& mask = document_.Mask(glyph, layout_.CellPixelsPerEm);
    const int advance = static_cast<int>(std::lround(raster.Advance(glyph) * scale));
    const int x = left + (width - advance) / 2;
    if (mask.Failed) {
      const int height = static_cast<int>(raster.Ascent() * scale);
      DrawEmptyBox(picture, x, layout_.CellBaseline - height, std::max(advance, 4), height, ink);
    } else {
      BlendMask(picture, mask, x, layout_.CellBaseline, back, ink);
    }
  }
  PutPicture(dc, margin, y, picture);
  SIZE size;
  for (size_t e = first; e < last; ++e) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04lX", static_cast<unsigned long>(map[e].Code));
    GetTextExtentPoint32A(dc, code, static_cast<int>(std::strlen(code)), &size);
    const int left = margin + static_cast<int>(e - first) * width;
    Text(dc, left + (width - size.cx) / 2, y + band.Height - metrics_.TextHeight - 2, code);
    if (e == Marked) {
      RECT cell = {left, y, left + width + 1, y + band.Height + 1};
      HBRUSH mark = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
      FrameRect(dc, &cell, mark);
      cell = {cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
      FrameRect(dc, &cell, mark);
      DeleteObject(mark);
    }
  }
}

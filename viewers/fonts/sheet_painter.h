// Draws the bands of a font sheet on a device context: the facts and
// labels as text, the glyphs as coverage masks blended from the
// background to the ink colour and put on the device as one DIB a band.
// The window paints with it, and so does the printed sample sheet.
#pragma once
#include <windows.h>

#include <cstddef>

#include "viewers/fonts/formats/font_document.h"
#include "viewers/fonts/formats/font_sheet.h"

struct SheetInk {
  COLORREF Back, Text;
};

class SheetPainter {
 public:
  SheetPainter(FontDocument& document, const SheetLayout& layout, const SheetMetrics& metrics,
               SheetInk ink)
      : document_(document), layout_(layout), metrics_(metrics), ink_(ink) {}
  // Draws band with its top at y; the text font is selected in dc.
  void Draw(HDC dc, const SheetBand& band, int y) const;
  // The cell of the marked entry gets a frame.
  size_t Marked = static_cast<size_t>(-1);

 private:
  void DrawGlyphLine(HDC dc, const SheetBand& band, int y, const char* text, int x) const;
  void DrawGridRow(HDC dc, const SheetBand& band, int y) const;

  FontDocument& document_;
  const SheetLayout& layout_;
  const SheetMetrics& metrics_;
  SheetInk ink_;
};

#include "viewers/fonts/formats/font_sheet.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kGap = 4;

SheetBand GlyphBand(const SheetMetrics& m, int index, int top, float ppem) {
  const float scale = ppem / static_cast<float>(m.UnitsPerEm);
  const int above = static_cast<int>(std::ceil(m.Ascent * scale)),
            below = static_cast<int>(std::ceil(m.Descent * scale));
  const int height = std::max(above + below, m.TextHeight) + kGap;
  return {BandKind::Sample, index, top, height, ppem, kGap / 2 + std::max(above, m.TextHeight)};
}

}  // namespace

float PixelsPerEm(const SheetMetrics& m, int points) {
  return static_cast<float>(points) * m.Dpi / 72.0f * m.Zoom;
}

SheetLayout LayOutSheet(const SheetMetrics& m) {
  SheetLayout layout;
  layout.Margin = std::max(8, m.Dpi / 12);
  int y = layout.Margin;
  for (size_t i = 0; i < m.FactLines; ++i, y += m.TextHeight)
    layout.Bands.push_back({BandKind::Fact, static_cast<int>(i), y, m.TextHeight});
  y += m.TextHeight;
  for (size_t i = 0; i < kSamplePoints.size(); ++i) {
    layout.Bands.push_back(GlyphBand(m, static_cast<int>(i), y, PixelsPerEm(m, kSamplePoints[i])));
    y += layout.Bands.back().Height;
  }
  y += m.TextHeight;
  for (size_t i = 0; i < kAlphabetLines.size(); ++i) {
    layout.Bands.push_back(
        GlyphBand(m, 100 + static_cast<int>(i), y, PixelsPerEm(m, kAlphabetPoints)));
    y += layout.Bands.back().Height;
  }
  if (m.MapEntries > 0) {
    y += m.TextHeight;
    layout.Bands.push_back({BandKind::Heading, 0, y, m.TextHeight});
    y += m.TextHeight + kGap;
    const float ppem = PixelsPerEm(m, kGridPoints);
    const float scale = ppem / static_cast<float>(m.UnitsPerEm);
    const int above = static_cast<int>(std::ceil(m.Ascent * scale)),
              below = static_cast<int>(std::ceil(m.Descent * scale));
    layout.CellPixelsPerEm = ppem;
    layout.CellWidth = std::max(static_cast<int>(ppem * 1.5f), m.CodeWidth + 2 * kGap);
    layout.CellHeight = above + below + m.TextHeight + 3 * kGap;
    layout.CellBaseline = kGap + above;
    layout.Columns = std::max(1, (m.Width - 2 * layout.Margin) / layout.CellWidth);
    const size_t rows = (m.MapEntries + layout.Columns - 1) / layout.Columns;
    layout.FirstGridBand = layout.Bands.size();
    for (size_t r = 0; r < rows; ++r, y += layout.CellHeight)
      layout.Bands.push_back({BandKind::GridRow, static_cast<int>(r), y, layout.CellHeight});
  }
  layout.Height = y + layout.Margin;
  return layout;
}

const SheetBand* BandOfEntry(const SheetLayout& layout, size_t entry) {
  const size_t band = layout.FirstGridBand + entry / static_cast<size_t>(layout.Columns);
  if (layout.FirstGridBand == 0 || band >= layout.Bands.size()) return nullptr;
  return &layout.Bands[band];
}

#include "viewers/drawings/display_list_gdi.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Drawing units to device pixels.
struct Mapping {
  double Scale = 1, Left = 0, Top = 0, X0 = 0, Y0 = 0;
  POINT Map(DrawPoint p) const {
    return {static_cast<LONG>(std::lround(std::clamp(X0 + (p.X - Left) * Scale, -1e8, 1e8))),
            static_cast<LONG>(std::lround(std::clamp(Y0 + (Top - p.Y) * Scale, -1e8, 1e8)))};
  }
  int Length(double units) const { return static_cast<int>(std::min(units * Scale, 1e6)); }
};

Mapping MappingFor(const DrawBounds& bounds, const RECT& into) {
  const double width = into.right - into.left, height = into.bottom - into.top;
  const double bw = bounds.Width(), bh = bounds.Height();
  Mapping m;
  if (bw > 0 && bh > 0)
    m.Scale = std::min(width / bw, height / bh);
  else if (bw > 0)
    m.Scale = width / bw;
  else if (bh > 0)
    m.Scale = height / bh;
  m.Left = bounds.Left;
  m.Top = bounds.Top;
  m.X0 = into.left + (width - bw * m.Scale) / 2;
  m.Y0 = into.top + (height - bh * m.Scale) / 2;
  return m;
}

COLORREF ColourOf(const Shape& shape, COLORREF ink) {
  if (shape.Colour == kInkColour) return ink;
  return RGB(shape.Colour >> 16 & 0xFF, shape.Colour >> 8 & 0xFF, shape.Colour & 0xFF);
}

void DrawText(HDC dc, const Shape& shape, const Mapping& m, COLORREF colour) {
  const int height = m.Length(shape.Height);
  if (height < 2 || shape.Points.empty()) return;
  const int tenths = static_cast<int>(std::lround(std::fmod(shape.AngleDegrees, 360.0) * 10));
  HFONT font = CreateFontA(-height, 0, tenths, tenths, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                           VARIABLE_PITCH | FF_SWISS, "Arial");
  HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, colour);
  const POINT at = m.Map(shape.Points[0]);
  TextOutA(dc, at.x, at.y, shape.Text.c_str(), static_cast<int>(shape.Text.size()));
  SelectObject(dc, old);
  DeleteObject(font);
}

}  // namespace

void DrawDisplayList(HDC dc, const DrawingPage& page, const RECT& into, COLORREF ink) {
  const Mapping m = MappingFor(page.Bounds, into);
  const int savedDc = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
  std::vector<POINT> points;
  for (const Shape& shape : page.Shapes) {
    const COLORREF colour = ColourOf(shape, ink);
    if (shape.Kind == ShapeKind::Text) {
      DrawText(dc, shape, m, colour);
      continue;
    }
    const int width = std::max(1, m.Length(shape.Width));
    HPEN pen = CreatePen(shape.Dashed && width == 1 ? PS_DASH : PS_SOLID, width, colour);
    HBRUSH brush = shape.Kind == ShapeKind::Polygon ? CreateSolidBrush(colour) : nullptr;
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush =
        SelectObject(dc, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
    points.clear();
    const std::vector<DrawPoint> arc =
        shape.Kind == ShapeKind::Arc && !shape.Points.empty()
            ? ArcPoints(shape.Points[0], shape.Radius, shape.StartDegrees, shape.SweepDegrees)
            : std::vector<DrawPoint>{};
    for (const DrawPoint& p : shape.Kind == ShapeKind::Arc ? arc : shape.Points)
      points.push_back(m.Map(p));
    if (shape.Closed && !points.empty()) points.push_back(points[0]);
    const int count = static_cast<int>(points.size());
    switch (shape.Kind) {
      case ShapeKind::Polyline:
      case ShapeKind::Arc:
        if (count >= 2) Polyline(dc, points.data(), count);
        break;
      case ShapeKind::Polygon:
        if (count >= 3) Polygon(dc, points.data(), count);
        break;
      case ShapeKind::Circle:
        if (count >= 1) {
          const int r = m.Length(shape.Radius);
          Ellipse(dc, points[0].x - r, points[0].y - r, points[0].x + r + 1, points[0].y + r + 1);
        }
        break;
      case ShapeKind::Point:
        if (count >= 1) {
          const RECT dot = {points[0].x - 1, points[0].y - 1, points[0].x + 2, points[0].y + 2};
          HBRUSH fill = CreateSolidBrush(colour);
          FillRect(dc, &dot, fill);
          DeleteObject(fill);
        }
        break;
      case ShapeKind::Text: break;
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    if (brush) DeleteObject(brush);
  }
  RestoreDC(dc, savedDc);
}

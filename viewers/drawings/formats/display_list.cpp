#include "viewers/drawings/formats/display_list.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

void DrawBounds::Include(DrawPoint p) {
  if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return;
  if (Empty) {
    Left = Right = p.X;
    Bottom = Top = p.Y;
    Empty = false;
    return;
  }
  Left = std::min(Left, p.X);
  Right = std::max(Right, p.X);
  Bottom = std::min(Bottom, p.Y);
  Top = std::max(Top, p.Y);
}

bool Drawing::Full() const {
  size_t shapes = 0;
  for (const DrawingPage& page : Pages) shapes += page.Shapes.size();
  return shapes >= kMostShapes || Points >= kMostPoints;
}

bool Drawing::Add(DrawingPage& page, Shape shape) {
  if (Points >= kMostPoints) return false;
  size_t shapes = 0;
  for (const DrawingPage& p : Pages) shapes += p.Shapes.size();
  if (shapes >= kMostShapes) return false;
  for (DrawPoint& p : shape.Points) {
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return true;  // an absurd shape is left out
  }
  if (!std::isfinite(shape.Radius) || !std::isfinite(shape.Height)) return true;
  switch (shape.Kind) {
    case ShapeKind::Circle:
    case ShapeKind::Arc: {
      const DrawPoint c = shape.Points.empty() ? DrawPoint{} : shape.Points[0];
      page.Bounds.Include({c.X - shape.Radius, c.Y - shape.Radius});
      page.Bounds.Include({c.X + shape.Radius, c.Y + shape.Radius});
      break;
    }
    case ShapeKind::Text: {
      // About the text's extent: letters as wide as six tenths of their height.
      const DrawPoint s = shape.Points.empty() ? DrawPoint{} : shape.Points[0];
      const double length = shape.Height * 0.6 * static_cast<double>(shape.Text.size());
      const double a = shape.AngleDegrees * kPi / 180;
      page.Bounds.Include(s);
      page.Bounds.Include({s.X + length * std::cos(a), s.Y + length * std::sin(a)});
      page.Bounds.Include({s.X - shape.Height * std::sin(a), s.Y + shape.Height * std::cos(a)});
      break;
    }
    default:
      for (const DrawPoint& p : shape.Points) page.Bounds.Include(p);
  }
  Points += std::max<size_t>(shape.Points.size(), 1);
  page.Shapes.push_back(std::move(shape));
  return true;
}

std::vector<DrawPoint> ArcPoints(DrawPoint centre, double radius, double startDegrees,
                                 double sweepDegrees) {
  const double sweep = std::clamp(sweepDegrees, -360.0, 360.0);
  const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / 5)));
  std::vector<DrawPoint> points;
  points.reserve(static_cast<size_t>(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    const double a = (startDegrees + sweep * i / steps) * kPi / 180;
    points.push_back({centre.X + radius * std::cos(a), centre.Y + radius * std::sin(a)});
  }
  return points;
}

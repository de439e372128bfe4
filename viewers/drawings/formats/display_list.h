// A drawing as the drawing viewer keeps it: pages of shapes (polylines,
// filled polygons, circles, arcs, points and texts) in the drawing's own
// units with y growing upwards, and the bounds of each page. The readers
// of HPGL and DXF fill it; the window draws it scaled into any rectangle.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DrawPoint {
  double X = 0, Y = 0;
};

// 0xRRGGBB, or kInkColour: the window's text colour.
inline constexpr uint32_t kInkColour = 0xFF000000u;

enum class ShapeKind { Polyline, Polygon, Circle, Arc, Point, Text };

struct Shape {
  ShapeKind Kind = ShapeKind::Polyline;
  uint32_t Colour = kInkColour;
  double Width = 0;     // of the line in drawing units; 0 is the thinnest line
  bool Dashed = false;  // a line type other than solid
  bool Closed = false;  // a polyline whose last point joins its first
  std::vector<DrawPoint>
      Points;         // polyline and polygon corners; the centre, the point or the text's start
  double Radius = 0;  // circles and arcs
  double StartDegrees = 0, SweepDegrees = 0;  // arcs, anticlockwise from the x axis
  std::string Text;                           // in Windows-1252
  double Height = 0, AngleDegrees = 0;        // texts: the capital height and the baseline's angle
};

struct DrawBounds {
  double Left = 0, Bottom = 0, Right = 0, Top = 0;
  bool Empty = true;
  void Include(DrawPoint p);
  double Width() const { return Empty ? 0 : Right - Left; }
  double Height() const { return Empty ? 0 : Top - Bottom; }
};

struct DrawingPage {
  std::string Name;
  std::vector<Shape> Shapes;
  DrawBounds Bounds;
};

// Every reader stops adding shapes and points at these, whatever the file
// asks for, so that a drawing's memory has a bound.
inline constexpr size_t kMostShapes = 400000;
inline constexpr size_t kMostPoints = 4000000;

struct Drawing {
  const char* Format = "";
  const char* Unit = "units";     // of the status text's size
  double UnitsPerMillimetre = 0;  // 0 when the drawing's units are not lengths
  std::vector<DrawingPage> Pages;
  size_t Points = 0;  // of every shape, against kMostPoints

  bool Full() const;
  // Adds the shape to the page and its bounds; false once the drawing is
  // full.
  bool Add(DrawingPage& page, Shape shape);
};

// Points along an arc, as many as its sweep needs to look round.
std::vector<DrawPoint> ArcPoints(DrawPoint centre, double radius, double startDegrees,
                                 double sweepDegrees);

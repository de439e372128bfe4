// DXF entities as shapes: each entity of model space (and of each
// paper-space layout, a page each) in the drawing's units, a block's
// entities placed by its INSERT with scale and rotation, to a bounded depth
// and never inside itself; colours by number, by layer or by block.
#include <cmath>
#include <set>
#include <string>

#include "viewers/drawings/formats/drawing_readers.h"
#include "viewers/drawings/formats/dxf_groups.h"
#include "viewers/drawings/formats/dxf_text.h"

namespace {

constexpr int kDeepestInsert = 16;
constexpr double kPi = 3.14159265358979323846;
constexpr int kByBlock = 0, kByLayer = 256;

// Where a block's entities land: scaled, turned and moved.
struct Placement {
  double Sx = 1, Sy = 1, Degrees = 0, Dx = 0, Dy = 0, BaseX = 0, BaseY = 0;
  uint32_t BlockColour = kInkColour;

  DrawPoint Apply(double x, double y) const {
    const double a = Degrees * kPi / 180;
    const double u = (x - BaseX) * Sx, v = (y - BaseY) * Sy;
    return {Dx + u * std::cos(a) - v * std::sin(a), Dy + u * std::sin(a) + v * std::cos(a)};
  }
  bool Uniform() const { return std::fabs(Sx - Sy) < 1e-9 * std::fabs(Sx) && Sx > 0; }
  // Within another placement: this one first, then outer.
  Placement Within(const Placement& outer) const {
    Placement p = *this;
    const DrawPoint moved = outer.Apply(Dx, Dy);
    p.Dx = moved.X, p.Dy = moved.Y;
    p.Sx *= outer.Sx, p.Sy *= outer.Sy;
    p.Degrees += outer.Degrees;  // exact for uniform scales; near enough otherwise
    return p;
  }
};

class DxfReader {
 public:
  explicit DxfReader(DxfFile dxf) : dxf_(std::move(dxf)) { drawing_.Format = "DXF"; }

  Drawing Read() {
    drawing_.Pages.push_back({"Model", {}, {}});
    DrawingPage paper{"Layout 1", {}, {}};
    for (const DxfEntity& e : dxf_.Entities) {
      if (e.Number(67) == 1)
        Entity(e, {}, paper, 0);
      else
        Entity(e, {}, drawing_.Pages[0], 0);
    }
    if (!paper.Shapes.empty()) drawing_.Pages.push_back(std::move(paper));
    // The other layouts' paper space is kept in blocks *PAPER_SPACE0, 1, ...
    for (const auto& [name, block] : dxf_.Blocks) {
      if (name.rfind("*PAPER_SPACE", 0) != 0 || name.size() == 12 || block.Entities.empty())
        continue;
      DrawingPage page{"Layout " + std::to_string(drawing_.Pages.size()), {}, {}};
      Placement at;
      at.BaseX = block.BaseX, at.BaseY = block.BaseY;
      for (const DxfEntity& e : block.Entities) Entity(e, at, page, 1);
      if (!page.Shapes.empty()) drawing_.Pages.push_back(std::move(page));
    }
    return std::move(drawing_);
  }

 private:
  uint32_t ColourOf(const DxfEntity& e, const Placement& at) const {
    int number = e.Integer(62, kByLayer);
    if (number == kByBlock) return at.BlockColour;
    if (number == kByLayer || number < 0 || number > 255) {
      const auto layer = dxf_.LayerColours.find(UpperCase(e.Text(8)));
      number = layer == dxf_.LayerColours.end() ? 7 : std::abs(layer->second);
    }
    return number == 7 || number <= 0 || number > 255 ? kInkColour : DxfColour(number);
  }

  bool LayerOff(const DxfEntity& e) const {
    const auto layer = dxf_.LayerColours.find(UpperCase(e.Text(8)));
    return layer != dxf_.LayerColours.end() && layer->second < 0;
  }

  void Add(DrawingPage& page, Shape shape) { drawing_.Add(page, std::move(shape)); }

  // A circle or an arc: as one where the placement keeps circles round,
  // else as the points of one.
  void Round(const DxfEntity& e, const Placement& at, DrawingPage& page, Shape shape, double start,
             double sweep) {
    const double x = e.Number(10), y = e.Number(20), r = std::fabs(e.Number(40));
    if (at.Uniform()) {
      shape.Points.push_back(at.Apply(x, y));
      shape.Radius = r * at.Sx;
      shape.StartDegrees = start + at.Degrees;
      shape.SweepDegrees = sweep;
      return Add(page, std::move(shape));
    }
    shape.Closed = shape.Kind == ShapeKind::Circle;
    shape.Kind = ShapeKind::Polyline;
    for (const DrawPoint& p : ArcPoints({x, y}, r, start, sweep))
      shape.Points.push_back(at.Apply(p.X, p.Y));
    Add(page, std::move(shape));
  }

  void Entity(const DxfEntity& e, const Placement& at, DrawingPage& page, int depth) {
    if (drawing_.Full() || LayerOff(e)) return;
    Shape shape;
    shape.Colour = ColourOf(e, at);
    const std::string& type = e.Type;
    if (type == "LINE") {
      shape.Points = {at.Apply(e.Number(10), e.Number(20)), at.Apply(e.Number(11), e.Number(21))};
      Add(page, std::move(shape));
    } else if (type == "CIRCLE") {
      shape.Kind = ShapeKind::Circle;
      Round(e, at, page, std::move(shape), 0, 360);
    } else if (type == "ARC") {
      shape.Kind = ShapeKind::Arc;
      const double start = e.Number(50), end = e.Number(51, 360);
      double sweep = std::fmod(end - start, 360.0);
      if (sweep <= 0) sweep += 360;
      Round(e, at, page, std::move(shape), start, sweep);
    } else if (type == "LWPOLYLINE") {
      double x = 0;
      bool haveX = false;
      for (const DxfGroup& g : e.Groups) {
        if (g.Code == 10)
          x = DxfNumber(g.Value), haveX = true;
        else if (g.Code == 20 && haveX)
          shape.Points.push_back(at.Apply(x, DxfNumber(g.Value))), haveX = false;
      }
      shape.Closed = (e.Integer(70) & 1) != 0;
      shape.Width = std::fabs(e.Number(43)) * std::fabs(at.Sx);
      Add(page, std::move(shape));
    } else if (type == "POLYLINE") {
      for (const DxfEntity& v : e.Vertices)
        shape.Points.push_back(at.Apply(v.Number(10), v.Number(20)));
      shape.Closed = (e.Integer(70) & 1) != 0;
      Add(page, std::move(shape));
    } else if (type == "POINT") {
      shape.Kind = ShapeKind::Point;
      shape.Points.push_back(at.Apply(e.Number(10), e.Number(20)));
      Add(page, std::move(shape));
    } else if (type == "SOLID" || type == "TRACE") {
      // The third and fourth corners are stored the other way round.
      shape.Kind = ShapeKind::Polygon;
      shape.Points = {at.Apply(e.Number(10), e.Number(20)), at.Apply(e.Number(11), e.Number(21)),
                      at.Apply(e.Number(13, e.Number(12)), e.Number(23, e.Number(22))),
                      at.Apply(e.Number(12), e.Number(22))};
      shape.Closed = true;
      Add(page, std::move(shape));
    } else if (type == "TEXT" || type == "MTEXT") {
      Text(e, at, page, std::move(shape));
    } else if (type == "INSERT") {
      Insert(e, at, page, depth, shape.Colour);
    }
  }

  void Text(const DxfEntity& e, const Placement& at, DrawingPage& page, Shape shape) {
    const bool multi = e.Type == "MTEXT";
    std::string raw;
    if (multi)
      for (const DxfGroup& g : e.Groups)
        if (g.Code == 3) raw += g.Value;
    raw += e.Text(1);
    double degrees = e.Number(50);
    if (multi && e.Number(11) != 0 && e.Number(50) == 0)
      degrees = std::atan2(e.Number(21), e.Number(11)) * 180 / kPi;
    const double height = std::fabs(e.Number(40, 1)) * std::fabs(at.Sy);
    const std::vector<std::string> lines =
        multi ? PlainMtextLines(raw) : std::vector<std::string>{PlainText(raw)};
    // An MTEXT's point is the top left of its first line by default.
    double x = e.Number(10), y = e.Number(20) - (multi ? height : 0);
    const double a = degrees * kPi / 180;
    for (const std::string& line : lines) {
      Shape text = shape;
      text.Kind = ShapeKind::Text;
      text.Points = {at.Apply(x, y)};
      text.Text = line;
      text.Height = height;
      text.AngleDegrees = degrees + at.Degrees;
      if (!line.empty()) Add(page, std::move(text));
      const double step = std::fabs(e.Number(40, 1)) * 1.6;
      x += step * std::sin(a), y -= step * std::cos(a);
    }
  }

  void Insert(const DxfEntity& e, const Placement& at, DrawingPage& page, int depth,
              uint32_t colour) {
    const std::string name = UpperCase(e.Text(2));
    const auto found = dxf_.Blocks.find(name);
    if (found == dxf_.Blocks.end() || depth >= kDeepestInsert || inside_.count(name)) return;
    Placement inner;
    inner.Sx = e.Number(41, 1), inner.Sy = e.Number(42, 1), inner.Degrees = e.Number(50);
    inner.Dx = e.Number(10), inner.Dy = e.Number(20);
    inner = inner.Within(at);
    inner.BaseX = found->second.BaseX, inner.BaseY = found->second.BaseY;
    inner.BlockColour = colour;
    inside_.insert(name);
    for (const DxfEntity& child : found->second.Entities) Entity(child, inner, page, depth + 1);
    inside_.erase(name);
  }

  DxfFile dxf_;
  Drawing drawing_;
  std::set<std::string> inside_;  // the blocks being inserted, against a block inside itself
};

}  // namespace

Drawing ReadDxf(ByteSource& file) {
  DxfFile dxf = ReadDxfGroups(file);
  if (!dxf.Valid) return {};
  return DxfReader(std::move(dxf)).Read();
}

// HPGL: two-letter instructions with numbers after them, separated by
// commas, spaces or semicolons. The reader keeps the plotter's state (pen,
// position, absolute or relative, line type and width, the label size and
// direction) and turns pen-down moves, circles, arcs, rectangles and
// labels into shapes. Unknown instructions are skipped with their numbers.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "viewers/drawings/formats/drawing_readers.h"

namespace {

constexpr double kUnitsPerMm = 40;
constexpr double kFarthest = 1e7;   // plotter units: 250 m either way
constexpr int kMostNumbers = 4096;  // of one instruction; the rest are skipped
constexpr size_t kLongestLabel = 1024;
constexpr double kPi = 3.14159265358979323846;

// Plain ASCII tests, whatever the locale says of other bytes.
bool IsLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
int ToUpper(int c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

// Pen 1 draws in the window's text colour; the others as the default
// palette of colour plotters.
uint32_t PenColour(int pen) {
  static constexpr uint32_t kPens[] = {0xFF0000, 0x00A000, 0xC0C000, 0x0000FF, 0xFF00FF, 0x00C0C0};
  if (pen <= 1) return kInkColour;
  return kPens[(pen - 2) % 6];
}

class HpglReader {
 public:
  explicit HpglReader(ByteSource& file) : file_(file) {
    drawing_.Format = "HPGL";
    drawing_.Unit = "mm";
    drawing_.UnitsPerMillimetre = kUnitsPerMm;
    drawing_.Pages.emplace_back();
    Reset();
  }

  Drawing Read() {
    int known = 0, unknown = 0;
    for (;;) {
      int c = SkipSeparators();
      if (c < 0) break;
      const int second = file_.Get();
      if (!IsLetter(c) || second < 0 || !IsLetter(second)) {
        if (++unknown > 64 && known == 0) return {};  // not a plotter file
        continue;
      }
      const std::string name = {static_cast<char>(ToUpper(c)), static_cast<char>(ToUpper(second))};
      if (name == "LB") {
        Label();
        ++known;
        continue;
      }
      if (name == "DT") {
        const int t = file_.Get();
        if (t >= 0 && t != ';') terminator_ = t;
        ++known;
        continue;
      }
      ReadNumbers();
      known += Do(name);
      if (drawing_.Full()) break;
    }
    if (known == 0) return {};
    Flush();
    return std::move(drawing_);
  }

 private:
  int SkipSeparators() {
    for (;;) {
      const int c = file_.Get();
      if (c < 0 || !(IsSpace(c) || c == ';' || c == ',' || c == 0x1B)) return c;
    }
  }

  // The numbers after an instruction, up to the next letter or semicolon.
  void ReadNumbers() {
    numbers_.clear();
    std::string text;
    for (;;) {
      const int64_t at = file_.Position();
      const int c = file_.Get();
      if (c < 0 || c == ';' || IsLetter(c)) {
        Number(text);
        if (IsLetter(c)) file_.SeekTo(at);
        return;
      }
      if (IsDigit(c) || c == '.' || ((c == '-' || c == '+') && text.empty())) {
        if (text.size() < 32) text += static_cast<char>(c);
      } else {
        Number(text);
        if (c == '-' || c == '+') text = static_cast<char>(c);
      }
    }
  }

  void Number(std::string& text) {
    if (!text.empty() && text != "-" && text != "+" && text != "." &&
        numbers_.size() < kMostNumbers)
      numbers_.push_back(std::clamp(std::strtod(text.c_str(), nullptr), -kFarthest, kFarthest));
    text.clear();
  }

  double Arg(size_t i, double otherwise) const {
    return i < numbers_.size() ? numbers_[i] : otherwise;
  }

  void Reset() {
    Flush();
    at_ = {};
    penDown_ = false;
    relative_ = false;
    pen_ = 1;
    dashed_ = false;
    width_ = 0.35 * kUnitsPerMm;
    charWidth_ = 0.19 * 10 * kUnitsPerMm;
    charHeight_ = 0.27 * 10 * kUnitsPerMm;
    angle_ = 0;
    terminator_ = 3;
  }

  DrawPoint Target(double x, double y) const {
    const DrawPoint p = relative_ ? DrawPoint{at_.X + x, at_.Y + y} : DrawPoint{x, y};
    return {std::clamp(p.X, -kFarthest, kFarthest), std::clamp(p.Y, -kFarthest, kFarthest)};
  }

  void MoveTo(DrawPoint to) {
    if (penDown_ && pen_ > 0) {
      if (line_.Points.empty()) line_ = Styled(ShapeKind::Polyline), line_.Points.push_back(at_);
      line_.Points.push_back(to);
    } else {
      Flush();
    }
    at_ = to;
  }

  void Flush() {
    if (line_.Points.size() >= 2) drawing_.Add(drawing_.Pages[0], std::move(line_));
    line_ = Shape{};
  }

  Shape Styled(ShapeKind kind) const {
    Shape shape;
    shape.Kind = kind;
    shape.Colour = PenColour(pen_);
    shape.Width = width_;
    shape.Dashed = dashed_;
    return shape;
  }

  void AddShape(Shape shape) {
    Flush();
    if (pen_ > 0) drawing_.Add(drawing_.Pages[0], std::move(shape));
  }

  void Moves() {
    for (size_t i = 0; i + 1 < numbers_.size(); i += 2)
      MoveTo(Target(numbers_[i], numbers_[i + 1]));
  }

  void ArcAbout(DrawPoint centre, double sweep) {
    const double radius = std::sqrt((at_.X - centre.X) * (at_.X - centre.X) +
                                    (at_.Y - centre.Y) * (at_.Y - centre.Y));
    const double start = std::atan2(at_.Y - centre.Y, at_.X - centre.X) * 180 / kPi;
    sweep = std::clamp(sweep, -360.0, 360.0);
    if (penDown_) {
      Shape arc = Styled(ShapeKind::Arc);
      arc.Points.push_back(centre);
      arc.Radius = radius;
      arc.StartDegrees = start;
      arc.SweepDegrees = sweep;
      AddShape(std::move(arc));
    } else {
      Flush();
    }
    const double end = (start + sweep) * kPi / 180;
    at_ = {centre.X + radius * std::cos(end), centre.Y + radius * std::sin(end)};
  }

  void Rectangle(bool relative, bool filled) {
    if (numbers_.size() < 2) return;
    const DrawPoint to = relative ? DrawPoint{at_.X + numbers_[0], at_.Y + numbers_[1]}
                                  : DrawPoint{numbers_[0], numbers_[1]};
    Shape box = Styled(filled ? ShapeKind::Polygon : ShapeKind::Polyline);
    box.Points = {at_, {to.X, at_.Y}, to, {at_.X, to.Y}};
    box.Closed = true;
    AddShape(std::move(box));
  }

  void Label() {
    std::string text;
    for (;;) {
      const int c = file_.Get();
      if (c < 0 || c == terminator_) break;
      if (c == '\r' || c == '\n') {
        LabelLine(text);
        if (c == '\n') at_.Y -= charHeight_ * 2;
        continue;
      }
      if (text.size() < kLongestLabel) text += static_cast<char>(c);
    }
    LabelLine(text);
  }

  void LabelLine(std::string& text) {
    if (text.empty()) return;
    Shape label = Styled(ShapeKind::Text);
    label.Points.push_back(at_);
    label.Text = std::move(text);
    label.Height = charHeight_;
    label.AngleDegrees = angle_;
    const double advance = charWidth_ * 1.5 * static_cast<double>(label.Text.size());
    AddShape(std::move(label));
    at_.X += advance * std::cos(angle_ * kPi / 180);
    at_.Y += advance * std::sin(angle_ * kPi / 180);
    text.clear();
  }

  // Carries out one instruction; 1 when it was one of those known.
  int Do(const std::string& name) {
    if (name == "IN" || name == "DF")
      Reset();
    else if (name == "SP")
      Flush(), pen_ = static_cast<int>(Arg(0, 0));
    else if (name == "PU")
      penDown_ = false, Moves();
    else if (name == "PD")
      penDown_ = true, Moves();
    else if (name == "PA")
      relative_ = false, Moves();
    else if (name == "PR")
      relative_ = true, Moves();
    else if (name == "CI") {
      if (numbers_.empty()) return 1;
      Shape circle = Styled(ShapeKind::Circle);
      circle.Points.push_back(at_);
      circle.Radius = std::fabs(numbers_[0]);
      AddShape(std::move(circle));
    } else if (name == "AA" || name == "AR") {
      if (numbers_.size() < 3) return 1;
      const DrawPoint centre = name == "AR" ? DrawPoint{at_.X + numbers_[0], at_.Y + numbers_[1]}
                                            : DrawPoint{numbers_[0], numbers_[1]};
      ArcAbout(centre, numbers_[2]);
    } else if (name == "EA")
      Rectangle(false, false);
    else if (name == "ER")
      Rectangle(true, false);
    else if (name == "RA")
      Rectangle(false, true);
    else if (name == "RR")
      Rectangle(true, true);
    else if (name == "LT")
      Flush(), dashed_ = !numbers_.empty() && numbers_[0] != 0;
    else if (name == "PW")
      Flush(), width_ = std::clamp(Arg(0, 0.35), 0.0, 100.0) * kUnitsPerMm;
    else if (name == "SI") {
      if (numbers_.size() >= 2) {
        charWidth_ = std::clamp(std::fabs(numbers_[0]), 0.01, 100.0) * 10 * kUnitsPerMm;
        charHeight_ = std::clamp(std::fabs(numbers_[1]), 0.01, 100.0) * 10 * kUnitsPerMm;
      }
    } else if (name == "DI") {
      angle_ = numbers_.size() >= 2 && (numbers_[0] != 0 || numbers_[1] != 0)
                   ? std::atan2(numbers_[1], numbers_[0]) * 180 / kPi
                   : 0;
    } else
      return 0;
    return 1;
  }

  ByteSource& file_;
  Drawing drawing_;
  std::vector<double> numbers_;
  Shape line_;  // the pen-down moves not yet added
  DrawPoint at_;
  bool penDown_ = false, relative_ = false, dashed_ = false;
  int pen_ = 1;
  double width_ = 0, charWidth_ = 0, charHeight_ = 0, angle_ = 0;
  int terminator_ = 3;
};

}  // namespace

Drawing ReadHpgl(ByteSource& file) {
  if (!file.IsOpen()) return {};
  file.SeekTo(0);
  return HpglReader(file).Read();
}

#include "viewers/fonts/formats/glyph_check.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kMostNesting = 6;
constexpr int kMostComponents = 512;      // in one glyph, at every depth
constexpr uint32_t kMostPoints = 200000;  // the same
constexpr float kMostCoordinate = 32767;

struct Budget {
  int Components = 0;
  uint32_t Points = 0;
};

// The byte range of glyph within the file; an empty range for a glyph
// drawn as nothing; false when the range is unsound.
bool GlyphBytes(const GlyphTables& t, uint32_t glyph, uint32_t& from, uint32_t& to) {
  from = to = 0;
  if (glyph >= t.GlyphCount) return true;
  const FontFile& f = *t.Font;
  uint32_t a, b;
  if (t.LocaFormat == 0) {
    a = f.U16(t.Loca + glyph * 2) * 2u;
    b = f.U16(t.Loca + glyph * 2 + 2) * 2u;
  } else {
    a = f.U32(t.Loca + glyph * 4);
    b = f.U32(t.Loca + glyph * 4 + 4);
  }
  if (a == b) return true;
  if (a > b || b > t.GlyfLength || b - a < 10) return false;
  from = t.Glyf + a;
  to = t.Glyf + b;
  return true;
}

// A simple glyph read as the rasteriser reads it; bound gets the largest
// coordinate's magnitude.
bool SimpleIsSound(const FontFile& f, uint32_t at, uint32_t end, int contours, Budget& budget,
                   float& bound) {
  uint32_t p = at + 10;
  if (!Within(p, uint64_t(contours) * 2 + 2, end)) return false;
  int previous = -1;
  for (int c = 0; c < contours; ++c) {
    const int last = f.U16(p + c * 2);
    if (last <= previous) return false;
    // The rasteriser looks one point past a contour that starts off the
    // curve, past its array when that is the last contour's only point.
    if (c == contours - 1 && last == previous + 1) return false;
    previous = last;
  }
  const uint32_t points = static_cast<uint32_t>(previous) + 1;
  budget.Points += points;
  if (budget.Points > kMostPoints) return false;
  p += contours * 2;
  p += 2 + f.U16(p);  // the instructions
  if (p > end) return false;
  std::vector<uint8_t> flags(points);
  uint8_t flag = 0, repeat = 0;
  for (uint32_t i = 0; i < points; ++i) {
    if (repeat == 0) {
      if (p >= end) return false;
      flag = f.U8(p++);
      if (flag & 8) {
        if (p >= end) return false;
        repeat = f.U8(p++);
      }
    } else {
      --repeat;
    }
    flags[i] = flag;
  }
  float largest = 0;
  for (int axis = 0; axis < 2; ++axis) {
    const uint8_t shortBit = axis ? 4 : 2, sameBit = axis ? 32 : 16;
    int32_t v = 0;
    for (uint32_t i = 0; i < points; ++i) {
      if (flags[i] & shortBit) {
        if (p >= end) return false;
        const int32_t d = f.U8(p++);
        v += (flags[i] & sameBit) ? d : -d;
      } else if (!(flags[i] & sameBit)) {
        if (end - p < 2) return false;
        v += f.S16(p);
        p += 2;
      }
      largest = std::max(largest, std::fabs(static_cast<float>(static_cast<int16_t>(v))));
    }
  }
  bound = largest;
  return true;
}

bool IsSound(const GlyphTables& t, uint32_t glyph, int depth, Budget& budget, float& bound);

bool CompositeIsSound(const GlyphTables& t, uint32_t at, uint32_t end, int depth, Budget& budget,
                      float& bound) {
  const FontFile& f = *t.Font;
  uint32_t p = at + 10;
  bound = 0;
  for (bool more = true; more;) {
    if (++budget.Components > kMostComponents || end - p < 4) return false;
    const uint16_t flags = f.U16(p), child = f.U16(p + 2);
    p += 4;
    if (!(flags & 2)) return false;  // points matched instead of offsets: not drawn
    float m[6] = {1, 0, 0, 1, 0, 0};
    const uint32_t argBytes = (flags & 1) ? 4 : 2, scaleBytes = (flags & 8)     ? 2
                                                                : (flags & 64)  ? 4
                                                                : (flags & 128) ? 8
                                                                                : 0;
    if (end - p < argBytes + scaleBytes) return false;
    if (flags & 1) {
      m[4] = f.S16(p), m[5] = f.S16(p + 2);
    } else {
      m[4] = static_cast<int8_t>(f.U8(p)), m[5] = static_cast<int8_t>(f.U8(p + 1));
    }
    p += argBytes;
    const auto f2dot14 = [&](uint32_t i) { return f.S16(p + i * 2) / 16384.0f; };
    if (flags & 8) {
      m[0] = m[3] = f2dot14(0);
    } else if (flags & 64) {
      m[0] = f2dot14(0), m[3] = f2dot14(1);
    } else if (flags & 128) {
      m[0] = f2dot14(0), m[1] = f2dot14(1), m[2] = f2dot14(2), m[3] = f2dot14(3);
    }
    p += scaleBytes;
    float inner = 0;
    if (!IsSound(t, child, depth + 1, budget, inner)) return false;
    // The rasteriser's own scaling of a component, bounded.
    const float sx = std::sqrt(m[0] * m[0] + m[1] * m[1]),
                sy = std::sqrt(m[2] * m[2] + m[3] * m[3]);
    const float x = sx * ((std::fabs(m[0]) + std::fabs(m[2])) * inner + std::fabs(m[4]));
    const float y = sy * ((std::fabs(m[1]) + std::fabs(m[3])) * inner + std::fabs(m[5]));
    if (!(x <= kMostCoordinate && y <= kMostCoordinate)) return false;
    bound = std::max({bound, x, y});
    more = flags & 32;
  }
  return true;
}

bool IsSound(const GlyphTables& t, uint32_t glyph, int depth, Budget& budget, float& bound) {
  bound = 0;
  if (depth > kMostNesting) return false;
  uint32_t from, to;
  if (!GlyphBytes(t, glyph, from, to)) return false;
  if (from == to) return true;
  const int contours = t.Font->S16(from);
  if (contours > 0) return SimpleIsSound(*t.Font, from, to, contours, budget, bound);
  if (contours < 0) return CompositeIsSound(t, from, to, depth, budget, bound);
  return true;
}

}  // namespace

bool FindGlyphTables(const FontFile& font, GlyphTables& tables) {
  const FontTable head = font.Find("head"), loca = font.Find("loca"), glyf = font.Find("glyf"),
                  maxp = font.Find("maxp");
  if (font.Kind != SfntKind::TrueType || head.Length < 54 || !glyf.Present() || maxp.Length < 6)
    return false;
  const int format = font.S16(head.Offset + 50);
  if (format != 0 && format != 1) return false;
  const uint32_t entry = format == 0 ? 2 : 4, entries = loca.Length / entry;
  if (entries < 2) return false;
  tables = {&font,       loca.Offset, glyf.Offset,
            glyf.Length, format,      std::min<uint32_t>(font.U16(maxp.Offset + 4), entries - 1)};
  return true;
}

bool GlyphIsSound(const GlyphTables& tables, uint32_t glyph) {
  Budget budget;
  float bound;
  return IsSound(tables, glyph, 0, budget, bound);
}

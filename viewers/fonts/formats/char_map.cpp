#include "viewers/fonts/formats/char_map.h"

#include <algorithm>

namespace {

struct Collector {
  CharMap& Map;
  uint32_t GlyphCount;
  uint32_t Visited = 0;
  // False once the limits are reached.
  bool Add(uint32_t code, uint32_t glyph) {
    if (++Visited > kMostCodesVisited || Map.size() >= kMostCharMapEntries) return false;
    if (glyph != 0 && glyph < GlyphCount) Map.push_back({code, static_cast<uint16_t>(glyph)});
    return true;
  }
};

// Each subtable reader reads within [at, end) of the cmap table only.
void ReadFormat0(const FontFile& f, uint32_t at, uint32_t end, Collector& c) {
  if (!Within(at, 6 + 256, end)) return;
  for (uint32_t code = 0; code < 256; ++code) c.Add(code, f.U8(at + 6 + code));
}

void ReadFormat6(const FontFile& f, uint32_t at, uint32_t end, Collector& c) {
  if (!Within(at, 10, end)) return;
  const uint32_t first = f.U16(at + 6), count = f.U16(at + 8);
  for (uint32_t i = 0; i < count && Within(at + 10, (i + 1) * 2, end); ++i)
    if (!c.Add(first + i, f.U16(at + 10 + i * 2))) return;
}

void ReadFormat4(const FontFile& f, uint32_t at, uint32_t end, Collector& c) {
  if (!Within(at, 14, end)) return;
  const uint32_t segments = f.U16(at + 6) / 2;
  const uint32_t ends = at + 14, starts = ends + segments * 2 + 2, deltas = starts + segments * 2,
                 ranges = deltas + segments * 2;
  if (!Within(at + 14, segments * 8 + 2, end)) return;
  for (uint32_t s = 0; s < segments; ++s) {
    const uint32_t last = f.U16(ends + s * 2), first = f.U16(starts + s * 2);
    const uint16_t delta = f.U16(deltas + s * 2), range = f.U16(ranges + s * 2);
    for (uint32_t code = first; code <= last && code != 0xFFFF; ++code) {
      uint32_t glyph = 0;
      if (range == 0) {
        glyph = (code + delta) & 0xFFFF;
      } else {
        const uint64_t where = uint64_t{ranges} + s * 2 + range + (code - first) * 2;
        if (Within(where, 2, end)) {
          glyph = f.U16(static_cast<uint32_t>(where));
          if (glyph != 0) glyph = (glyph + delta) & 0xFFFF;
        }
      }
      if (!c.Add(code, glyph)) return;
    }
  }
}

void ReadFormat12(const FontFile& f, uint32_t at, uint32_t end, Collector& c) {
  if (!Within(at, 16, end)) return;
  const uint32_t groups = f.U32(at + 12);
  for (uint32_t g = 0; g < groups && Within(at + 16, (uint64_t{g} + 1) * 12, end); ++g) {
    const uint32_t group = at + 16 + g * 12;
    const uint32_t first = f.U32(group), last = std::min(f.U32(group + 4), 0x10FFFFu),
                   glyph = f.U32(group + 8);
    for (uint32_t code = first; code <= last; ++code)
      if (!c.Add(code, glyph + (code - first))) return;
  }
}

// How well a subtable serves, by platform, encoding and format; 0: not read.
int Rank(uint16_t platform, uint16_t encoding, uint16_t format) {
  const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
  if (format == 12 && unicode) return 5;
  if (format == 4 && unicode) return 4;
  if (format == 4 && platform == 3 && encoding == 0) return 3;
  if ((format == 0 || format == 6) && platform == 1 && encoding == 0) return 2;
  if (format == 0 || format == 6) return 1;
  return 0;
}

}  // namespace

CharMap ReadCharMap(const FontFile& font, uint32_t glyphCount) {
  CharMap map;
  const FontTable cmap = font.Find("cmap");
  if (!Within(0, 4, cmap.Length)) return map;
  const uint32_t end = cmap.Offset + cmap.Length;
  uint32_t best = 0;
  int bestRank = 0;
  const uint32_t count = font.U16(cmap.Offset + 2);
  for (uint32_t i = 0; i < count && Within(4 + i * 8, 8, cmap.Length); ++i) {
    const uint32_t record = cmap.Offset + 4 + i * 8, offset = font.U32(record + 4);
    if (!Within(offset, 2, cmap.Length)) continue;
    const int rank = Rank(font.U16(record), font.U16(record + 2), font.U16(cmap.Offset + offset));
    if (rank > bestRank) bestRank = rank, best = cmap.Offset + offset;
  }
  if (bestRank == 0) return map;
  Collector collector{map, glyphCount};
  switch (font.U16(best)) {
    case 0: ReadFormat0(font, best, end, collector); break;
    case 4: ReadFormat4(font, best, end, collector); break;
    case 6: ReadFormat6(font, best, end, collector); break;
    case 12: ReadFormat12(font, best, end, collector); break;
  }
  std::stable_sort(map.begin(), map.end(),
                   [](const CharMapEntry& a, const CharMapEntry& b) { return a.Code < b.Code; });
  map.erase(
      std::unique(map.begin(), map.end(),
                  [](const CharMapEntry& a, const CharMapEntry& b) { return a.Code == b.Code; }),
      map.end());
  return map;
}

size_t EntryOf(const CharMap& map, uint32_t code) {
  const auto it = std::lower_bound(map.begin(), map.end(), code,
                                   [](const CharMapEntry& e, uint32_t c) { return e.Code < c; });
  return it != map.end() && it->Code == code ? static_cast<size_t>(it - map.begin()) : map.size();
}

uint16_t GlyphOf(const CharMap& map, uint32_t code) {
  const size_t entry = EntryOf(map, code);
  return entry < map.size() ? map[entry].Glyph : 0;
}

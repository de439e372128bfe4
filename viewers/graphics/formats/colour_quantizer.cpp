#include "viewers/graphics/formats/colour_quantizer.h"

#include <algorithm>
#include <array>

namespace {

constexpr size_t kColours = 256;

uint32_t Opaque(uint32_t p) { return p | 0xFF000000u; }
int Key15(uint32_t p) { return static_cast<int>((p >> 19 & 31) << 10 | (p >> 11 & 31) << 5 | (p >> 3 & 31)); }

struct Box {
  std::vector<int> Keys;  // 15-bit colours with their counts in the histogram
  int Span(int channel) const {
    int low = 31, high = 0;
    for (int k : Keys) {
      const int v = k >> (10 - 5 * channel) & 31;
      low = std::min(low, v), high = std::max(high, v);
    }
    return high - low;
  }
};

}  // namespace

uint8_t Palette::IndexOf(uint32_t pixel) const {
  if (!Lookup.empty()) return Lookup[static_cast<size_t>(Key15(pixel))];
  auto at = std::lower_bound(Exact.begin(), Exact.end(), std::make_pair(Opaque(pixel), uint8_t{0}));
  return at != Exact.end() && at->first == Opaque(pixel) ? at->second : 0;
}

Palette ChoosePalette(const Picture& picture) {
  Palette palette;
  // A picture of few colours keeps them exactly.
  std::vector<uint32_t> seen;
  for (uint32_t p : picture.Pixels) {
    if (std::find(seen.end() - std::min<size_t>(seen.size(), 4), seen.end(), Opaque(p)) != seen.end()) continue;
    seen.push_back(Opaque(p));
    if (seen.size() > 4 * kColours) {
      std::sort(seen.begin(), seen.end());
      seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
      if (seen.size() > kColours) break;
    }
  }
  std::sort(seen.begin(), seen.end());
  seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
  if (seen.size() <= kColours) {
    palette.Colours = seen;
    for (size_t i = 0; i < seen.size(); ++i) palette.Exact.emplace_back(seen[i], static_cast<uint8_t>(i));
    return palette;
  }

  std::vector<uint32_t> counts(1 << 15);
  for (uint32_t p : picture.Pixels) ++counts[static_cast<size_t>(Key15(p))];
  std::vector<Box> boxes(1);
  for (int k = 0; k < (1 << 15); ++k)
    if (counts[static_cast<size_t>(k)]) boxes[0].Keys.push_back(k);
  // Cut the box of the widest span at the median of its pixels, until there are enough.
  while (boxes.size() < kColours) {
    size_t widest = 0;
    int widestSpan = -1, channel = 0;
    for (size_t b = 0; b < boxes.size(); ++b)
      for (int c = 0; c < 3; ++c)
        if (boxes[b].Keys.size() > 1 && boxes[b].Span(c) > widestSpan)
          widest = b, widestSpan = boxes[b].Span(c), channel = c;
    if (widestSpan <= 0) break;
    std::vector<int>& keys = boxes[widest].Keys;
    const int shift = 10 - 5 * channel;
    std::sort(keys.begin(), keys.end(), [&](int a, int b) { return (a >> shift & 31) < (b >> shift & 31); });
    uint64_t total = 0, half = 0;
    for (int k : keys) total += counts[static_cast<size_t>(k)];
    size_t cut = 0;
    while (cut + 1 < keys.size() && (half += counts[static_cast<size_t>(keys[cut])]) * 2 < total) ++cut;
    Box upper;
    upper.Keys.assign(keys.begin() + static_cast<std::ptrdiff_t>(cut + 1), keys.end());
    keys.resize(cut + 1);
    boxes.push_back(std::move(upper));
  }
  palette.Lookup.assign(1 << 15, 0);
  for (size_t b = 0; b < boxes.size(); ++b) {
    std::array<uint64_t, 3> sum = {};
    uint64_t n = 0;
    for (int k : boxes[b].Keys) {
      const uint64_t c = counts[static_cast<size_t>(k)];
      for (int ch = 0; ch < 3; ++ch) sum[static_cast<size_t>(ch)] += c * static_cast<uint64_t>((k >> (10 - 5 * ch) & 31) * 255 / 31);
      n += c;
      palette.Lookup[static_cast<size_t>(k)] = static_cast<uint8_t>(b);
    }
    palette.Colours.push_back(PixelOf(static_cast<uint8_t>(sum[0] / n), static_cast<uint8_t>(sum[1] / n),
                                      static_cast<uint8_t>(sum[2] / n)));
  }
  return palette;
}

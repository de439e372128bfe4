#include "viewers/graphics/formats/picture_transform.h"

#include <algorithm>

void FlipTopToBottom(Picture& p) {
  for (int32_t top = 0, bottom = p.Height - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(p.Row(top), p.Row(top) + p.Width, p.Row(bottom));
}

void ReverseLeftToRight(Picture& p) {
  for (int32_t y = 0; y < p.Height; ++y) std::reverse(p.Row(y), p.Row(y) + p.Width);
}

bool RotateClockwise(Picture& p) {
  Picture turned;
  if (!turned.Resize(p.Height, p.Width)) return false;
  for (int32_t y = 0; y < p.Height; ++y) {
    const uint32_t* row = p.Row(y);
    const int32_t column = p.Height - 1 - y;
    for (int32_t x = 0; x < p.Width; ++x) turned.Row(x)[column] = row[x];
  }
  p = std::move(turned);
  return true;
}

bool Orient(Picture& p, int orientation) {
  switch (orientation) {
    case 2: ReverseLeftToRight(p); return true;
    case 3: FlipTopToBottom(p), ReverseLeftToRight(p); return true;
    case 4: FlipTopToBottom(p); return true;
    case 5: ReverseLeftToRight(p); return RotateClockwise(p) && (FlipTopToBottom(p), ReverseLeftToRight(p), true);
    case 6: return RotateClockwise(p);
    case 7: ReverseLeftToRight(p); return RotateClockwise(p);
    case 8: return RotateClockwise(p) && (FlipTopToBottom(p), ReverseLeftToRight(p), true);
    default: return true;
  }
}

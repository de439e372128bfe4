#include "shell/core/window_arrangement.h"

ScreenRect NextViewerRect(ScreenRect rect, int screenWidth, int screenHeight) {
  rect.Left += 20, rect.Right += 20;
  rect.Top += 10, rect.Bottom += 10;
  if (rect.Left > screenWidth - 30) rect.Left -= 100, rect.Right -= 100;
  if (rect.Top > screenHeight - 30) rect.Top -= 100, rect.Bottom -= 100;
  return rect;
}

void CascadeRects(int count, const ScreenRect& first, ScreenRect* out) {
  for (int i = 0; i < count; ++i) {
    out[i] = {50 * i, 50 * i, 50 * i + first.Width(), 50 * i + first.Height()};
  }
}

namespace {

struct TileGrid {
  int Width, Height, PerColumn;
};

TileGrid GridFor(int count, TileDirection direction, int w, int h, const ScreenRect& first) {
  if (count == 2) {
    return direction == TileDirection::Vertical ? TileGrid{w / 2, first.Height(), 1}
                                                : TileGrid{first.Width(), h / 2, 2};
  }
  if (count <= 4) return {w / 2, h / 2, 2};
  if (count <= 6) return {w / 2, h / 3, 3};
  if (count <= 9) return {w / 3, h / 3, 3};
  return {w / 4, h / 3, 3};
}

}  // namespace

bool TileRects(int count, TileDirection direction, int screenWidth, int screenHeight,
               const ScreenRect& first, ScreenRect* out) {
  if (count < 2 || count > kMaxViewerWindows) return false;
  TileGrid grid = GridFor(count, direction, screenWidth, screenHeight, first);
  for (int i = 0; i < count; ++i) {
    int column = i / grid.PerColumn, row = i % grid.PerColumn;
    int x = column * grid.Width, y = row * grid.Height;
    out[i] = {x, y, x + grid.Width, y + grid.Height};
  }
  return true;
}

// Where viewer windows go: the place of the next new one, cascading and
// tiling. Screen coordinates in pixels.
#pragma once
#include "common/screen_rect.h"

constexpr int kMaxViewerWindows = 12;

// The rectangle for a new viewer window when others are open: 20 pixels
// right and 10 down, pulled back by 100 when it would start within 30
// pixels of the screen's right or bottom edge.
ScreenRect NextViewerRect(ScreenRect rect, int screenWidth, int screenHeight);

// Tiling two windows one above the other (horizontally) or side by side
// (vertically); from three on the grid is the same.
enum class TileDirection { Horizontal, Vertical };

// Cascade: every window the size of the first, window i at (50 i, 50 i).
void CascadeRects(int count, const ScreenRect& first, ScreenRect* out);

// Tile for 2 to 12 windows in list order, going down each
// column from (0, 0). first is the first window's rectangle (two windows
// keep one of its sides). False for fewer than 2 or more than 12 windows.
bool TileRects(int count, TileDirection direction, int screenWidth, int screenHeight,
               const ScreenRect& first, ScreenRect* out);

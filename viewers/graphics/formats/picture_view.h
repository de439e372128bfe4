// What of a picture a window shows: the zoom steps of the viewer's menu,
// the scroll positions that keep a point in the middle when the zoom
// changes, and the visible part drawn pixel by pixel, blended onto the
// window's background where the picture is not opaque.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/graphics/formats/picture.h"

// Zoom commands 299 (.25X), 300 (.5X), 301 (1X) ... 305 (5X) as a ratio.
struct ZoomRatio {
  int Times = 1, Parts = 1;  // shown pixels = picture pixels * Times / Parts
};
ZoomRatio ZoomOf(unsigned command);
int64_t Zoomed(int64_t pixels, ZoomRatio zoom);

// The scroll position (top or left of the window in shown pixels) that
// keeps the picture point in the middle of a window of the given size in
// place when the zoom goes from before to after, kept within the range.
int64_t KeepCentre(int64_t position, int64_t window, int64_t pictureSide, ZoomRatio before,
                   ZoomRatio after);
// The largest scroll position: 0 when the picture fits.
int64_t ScrollLimit(int64_t pictureSide, ZoomRatio zoom, int64_t window);

// pixel blended onto an opaque background by its alpha.
uint32_t BlendOnto(uint32_t pixel, uint32_t background);

// The window's width x height pixels (top row first) showing the picture at
// zoom from scroll position (left, top); a picture smaller than the window
// stands centred in the background.
void RenderView(const Picture& picture, ZoomRatio zoom, int64_t left, int64_t top, int32_t width,
                int32_t height, uint32_t background, std::vector<uint32_t>& out);

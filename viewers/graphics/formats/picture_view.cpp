#include "viewers/graphics/formats/picture_view.h"

#include <algorithm>

ZoomRatio ZoomOf(unsigned command) {
  switch (command) {
    case 299: return {1, 4};
    case 300: return {1, 2};
    default: return {static_cast<int>(std::clamp(command, 301u, 305u) - 300), 1};
  }
}

int64_t Zoomed(int64_t pixels, ZoomRatio zoom) { return std::max<int64_t>(1, pixels * zoom.Times / zoom.Parts); }

int64_t ScrollLimit(int64_t pictureSide, ZoomRatio zoom, int64_t window) {
  return std::max<int64_t>(0, Zoomed(pictureSide, zoom) - window);
}

int64_t KeepCentre(int64_t position, int64_t window, int64_t pictureSide, ZoomRatio before, ZoomRatio after) {
  // The picture point in the middle, in picture pixels, scaled to the new zoom.
  const int64_t middle = (position + window / 2) * before.Parts / before.Times;
  const int64_t moved = middle * after.Times / after.Parts - window / 2;
  return std::clamp<int64_t>(moved, 0, ScrollLimit(pictureSide, after, window));
}

uint32_t BlendOnto(uint32_t pixel, uint32_t background) {
  const uint32_t alpha = pixel >> 24;
  if (alpha == 255) return pixel;
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t p = pixel >> shift & 255, b = background >> shift & 255;
    out |= ((p * alpha + b * (255 - alpha) + 127) / 255) << shift;
  }
  return out;
}

void RenderView(const Picture& picture, ZoomRatio zoom, int64_t left, int64_t top, int32_t width,
                int32_t height, uint32_t background, std::vector<uint32_t>& out) {
  out.assign(static_cast<size_t>(std::max(width, 0)) * static_cast<size_t>(std::max(height, 0)), background);
  if (picture.Pixels.empty()) return;
  const int64_t shownWidth = Zoomed(picture.Width, zoom), shownHeight = Zoomed(picture.Height, zoom);
  // A picture narrower or lower than the window stands in its middle.
  const int64_t offsetX = shownWidth < width ? (width - shownWidth) / 2 : -left;
  const int64_t offsetY = shownHeight < height ? (height - shownHeight) / 2 : -top;
  std::vector<int32_t> columns(static_cast<size_t>(std::max(width, 0)), -1);
  for (int32_t x = 0; x < width; ++x) {
    const int64_t shown = x - offsetX;
    if (shown >= 0 && shown < shownWidth)
      columns[static_cast<size_t>(x)] =
          static_cast<int32_t>(std::min<int64_t>(shown * zoom.Parts / zoom.Times, picture.Width - 1));
  }
  for (int32_t y = 0; y < height; ++y) {
    const int64_t shown = y - offsetY;
    if (shown < 0 || shown >= shownHeight) continue;
    const uint32_t* row =
        picture.Row(static_cast<int32_t>(std::min<int64_t>(shown * zoom.Parts / zoom.Times, picture.Height - 1)));
    uint32_t* target = out.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    for (int32_t x = 0; x < width; ++x)
      if (columns[static_cast<size_t>(x)] >= 0) target[x] = BlendOnto(row[columns[static_cast<size_t>(x)]], background);
  }
}

// How the icon viewer shows a file's images: side by side at a zoom, each
// with its size under it, blended onto the window's background; which
// image Copy takes; the status text. Portable, so that the window only
// measures text and draws.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "viewers/icons/formats/icon_reader.h"

// The zoom commands .25X, .5X, 1X ... 5X as quarters of the size; 0 for
// any other command.
int ZoomQuarters(unsigned command);
// A side at a zoom: at least one pixel.
int32_t Zoomed(int32_t side, int quarters);

// One image's place: the image's top left corner and the label's under it.
struct IconCell {
  int32_t Width = 0, Height = 0;  // of the image as shown
  int32_t LabelWidth = 0;
  int32_t X = 0, Y = 0, LabelX = 0, LabelY = 0;  // filled by LayOutIcons
};
constexpr int32_t kIconGap = 12;
// Places the cells left to right, kIconGap apart and from the edges, the
// labels lineHeight high; returns the width and height all of it takes.
struct IconExtent {
  int32_t Width = 0, Height = 0;
};
IconExtent LayOutIcons(std::vector<IconCell>& cells, int32_t lineHeight);

// "W x H, N bits".
std::string IconLabel(const IconImage& image);
// "ICO, 3 images", "CUR, 1 image".
std::string IconStatus(const IconFile& file);
// The image with the most pixels (the deepest of equals); the first at a tie.
size_t LargestImage(const std::vector<IconImage>& images);

// The picture as shown: scaled by quarters (nearest pixel) and blended
// onto an opaque background.
Picture ShownPixels(const Picture& image, int quarters, uint32_t background);

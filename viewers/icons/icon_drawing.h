// Drawing an icon file's images on a screen or a printer: the images side
// by side as icon_view.h lays them out, with their labels in the device
// context's font.
#pragma once
#include <windows.h>

#include <vector>

#include "viewers/icons/formats/icon_view.h"

inline uint32_t PixelOfColour(COLORREF colour) {
  return PixelOf(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

struct IconColours {
  COLORREF Back;
  COLORREF Text;
};

// The cells of images at the zoom, with the labels measured on dc, and
// the extent of all of them.
IconExtent PlaceIcons(HDC dc, const std::vector<IconImage>& images, int quarters,
                      std::vector<IconCell>& cells);

// Draws the images and labels shifted by origin (the background is the
// caller's), a frame around the selected image (none when -1), and only
// what meets area.
void DrawIcons(HDC dc, const std::vector<IconImage>& images, const std::vector<IconCell>& cells,
               int quarters, POINT origin, const RECT& area, IconColours colours, int selected);

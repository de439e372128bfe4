// Pictures as device-independent bitmaps: drawn on a device, put on the
// clipboard, and written to a file.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "viewers/graphics/formats/picture.h"
#include "viewers/graphics/formats/picture_writers.h"

// Draws width x height pixels (top row first) at (x, y) of dc.
void DrawPixels(HDC dc, int x, int y, int width, int height, const uint32_t* pixels);
// Draws the picture stretched into the rectangle.
void StretchPicture(HDC dc, const RECT& into, const Picture& picture);
// The picture as a bottom-up CF_DIB block, or nullptr without memory.
HGLOBAL DibOfPicture(const Picture& picture);
// Puts the picture on the clipboard as CF_DIB; false when it could not.
bool CopyPictureToClipboard(HWND owner, const Picture& picture);
// Writes the picture to path in the kind; false, with no file left behind,
// when it could not.
bool SavePictureFile(const Picture& picture, SaveKind kind, const char* path);

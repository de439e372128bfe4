// Metafile files for the viewers that show them (the graphics viewer and
// the drawing viewer): a Windows metafile (with or without the placeable
// header that gives its size) or an enhanced one, as an enhanced metafile
// handle the platform plays at any size; and a drawing rendered into a
// picture at a given size.
#pragma once
#include <windows.h>

#include <functional>

#include "viewers/graphics/formats/picture.h"

// The metafile at path, or nullptr when it is none; enhanced tells which
// kind the file was.
HENHMETAFILE OpenMetafileFile(const char* path, bool* enhanced);
// The metafile's frame in pixels of a 96 dots-per-inch screen, each side
// from 1 to largestSide.
SIZE MetafileSize(HENHMETAFILE metafile, LONG largestSide);
// A picture of width x height opaque pixels on white paper, drawn by draw
// into the rectangle (0, 0, width, height) of a memory device context.
bool RenderPicture(int width, int height, const std::function<void(HDC, const RECT&)>& draw,
                   Picture& out);

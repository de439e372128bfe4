// A page of a drawing's display list drawn on any device (the window, a
// printer page, a bitmap, an enhanced metafile): scaled to fit into a
// rectangle, centred, with y turned downwards; the shapes of the text
// colour drawn in ink.
#pragma once
#include <windows.h>

#include "viewers/drawings/formats/display_list.h"

void DrawDisplayList(HDC dc, const DrawingPage& page, const RECT& into, COLORREF ink);

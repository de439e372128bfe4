// The vertical resolution of a window's screen, for font heights
// (common/font_height.h).
#pragma once
#include <windows.h>

// Pixels per logical inch of the screen that `window` (nullptr: the whole
// screen) is on.
int ScreenPixelsPerInchY(HWND window);

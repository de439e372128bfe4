// The screen font of the main window and its zoom.
#pragma once
#include <windows.h>

struct ScreenFont {
  HFONT Font = nullptr;
  bool Stock = false;  // the system's fixed font: never deleted
};

extern ScreenFont gScreenFont;

// VW_MAKEFONT: builds the font from the display options and the zoom level
// and takes the line height and character width from it.
void OnMakeFont(HWND hwnd);
// Deletes the font unless it is the stock one.
void DeleteScreenFont();
// Commands 317-319: zoom in, out, back to the set size.
void OnZoom(HWND hwnd, int command);

// The font a library shows text in: the shell's shared font or a fixed
// default, made at the zoom, and its character cell on the screen.
#pragma once
#include <windows.h>

// The fixed font of a library whose shell shares none.
LOGFONTA DefaultViewerFont();
// base at zoom times its height and width; nullptr when it cannot be made.
HFONT CreateZoomedFont(LOGFONTA base, int zoom);
// The metrics of font on window's screen; false when they cannot be read.
bool MeasureFont(HWND window, HFONT font, TEXTMETRICA* tm);

// Scroll bars of the main window. Vertical moves go through repositioning
// (VW_SHOWOFFSET); horizontal ones only change HScroll and repaint.
#pragma once
#include <windows.h>

// code and thumb: the message's low and high word. False for codes left to
// the default window procedure.
bool OnVScroll(HWND hwnd, int code, int thumb);
bool OnHScroll(HWND hwnd, int code, int thumb);

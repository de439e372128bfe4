// Scroll bars of the main window. Vertical moves go through repositioning
// (VW_SHOWOFFSET); horizontal ones only change HScroll and repaint.
#pragma once
#include <windows.h>

// False for codes left to the default window procedure.
bool OnVScroll(HWND hwnd, int code);
bool OnHScroll(HWND hwnd, int code);

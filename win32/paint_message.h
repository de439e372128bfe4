// WM_PAINT and WM_PRINTCLIENT share one paint function, so that tests can
// paint a window into a memory DC and look at the pixels.
#pragma once
#include <windows.h>

// Paints `area` (the update rectangle, or the whole client area) into dc.
using PaintContentFunction = void (*)(HWND window, HDC dc, const RECT& area);

// For WM_PAINT: BeginPaint, paint the update rectangle, EndPaint. For
// WM_PRINTCLIENT: paint the client area into the DC in wParam. Returns 0.
LRESULT OnPaintMessage(HWND window, UINT message, WPARAM wParam, PaintContentFunction paint);

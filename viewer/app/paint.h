// Painting of the main window: titles, text rows, frozen columns, notes,
// page breaks, the selection, and the scroll bars that every paint sets.
#pragma once
#include <windows.h>

// Paints the rows that meet `update` into dc (WM_PAINT and WM_PRINTCLIENT).
void PaintContent(HDC dc, const RECT& update);
void OnPaint(HWND hwnd);
// Title and text rows drawn by the last PaintContent.
int LastPaintRows();
// Ranges and positions of both scroll bars for the current view.
void UpdateScrollBars(HWND hwnd);
LRESULT OnEraseBackground(HWND hwnd, WPARAM wParam, LPARAM lParam);

// The selection: a range of file offsets; -1 in both ends means none. The
// mouse selects whole lines, a search selects the bytes it found.
#pragma once
#include <windows.h>

#include <cstdint>

struct Selection {
  int32_t SelStart = -1;
  int32_t SelEnd = -1;
  int32_t AnchorStart = -1;  // the line where a mouse selection began
  int32_t AnchorEnd = -1;
};

extern Selection gSel;

inline void ClearSelection() { gSel = Selection{}; }
inline bool HasSelection() { return gSel.SelStart >= 0 && gSel.SelEnd >= 0; }

// VW_SELECTLINE and VW_EXTENDSEL, with the mouse message's wParam and lParam.
void OnSelectLine(HWND hwnd, LPARAM mousePos);
void OnExtendSelection(HWND hwnd, LPARAM mousePos);
// Mouse buttons on the text rows.
void OnLeftButtonDown(HWND hwnd, WPARAM keys, LPARAM mousePos);
void OnLeftButtonDoubleClick(HWND hwnd, LPARAM mousePos);
void OnLeftButtonUp(HWND hwnd);
void OnRightButtonDown(HWND hwnd);

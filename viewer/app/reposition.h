// Moving the main view: VW_REFORMAT, VW_SHOWOFFSET and VW_GOTOBYTE.
#pragma once
#include <windows.h>

#include <cstdint>

// The next VW_SHOWOFFSET that scrolling has asked for; reset after every
// move.
struct PendingMove {
  int32_t Delta = 0;
  int32_t Target = -1;
};
extern PendingMove gPendingMove;

// wParam: line delta; lParam: target offset or -1.
void OnReposition(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

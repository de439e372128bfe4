// The scroll bars of a viewer window that shows more than fits: setting a
// bar, the position a bar's code asks for, and the keys that scroll. The
// window keeps its own positions and units (pixels, rows, characters).
#pragma once
#include <windows.h>

#include <cstdint>

// Sets bar to scroll from 0 to limit with page units shown at pos; with
// limit 0 the bar is shown disabled.
void SetScrollBar(HWND window, int bar, int64_t limit, int64_t page, int64_t pos);
// The position code (SB_LINEUP ... SB_BOTTOM, the thumb) asks for on bar,
// from at, a line being lineStep and a page page; the thumb and the end
// come from the bar. False for a code that moves nothing.
bool ScrollBarTarget(HWND window, int bar, WORD code, int64_t at, int64_t lineStep, int64_t page,
                     int64_t* to);
// The bar and the code of WM_HSCROLL, WM_VSCROLL or a key that scrolls
// (WM_KEYDOWN): the left and right arrows the horizontal bar a line; the up
// and down arrows, Page Up, Page Down, Home and End the vertical bar. False
// for any other message or key.
bool ScrollRequest(UINT msg, WPARAM wParam, int* bar, WORD* code);

// The scroll positions of a picture or drawing that may be larger than the
// window, in shown pixels both ways.
struct PixelScroll {
  int64_t Left = 0, Top = 0;
  // Keeps the positions within limitX and limitY (how far the content
  // passes the client area each way) and sets both bars.
  void Update(HWND window, SIZE client, int64_t limitX, int64_t limitY);
  // Moves the position of bar as code asks, a line being lineStep pixels
  // and a page the client area; false when code moves nothing (the window
  // then needs neither its bars set again nor a paint).
  bool Move(HWND window, int bar, WORD code, int64_t lineStep);
};

#include "viewers/base/viewer_scroll.h"

#include <algorithm>

void SetScrollBar(HWND window, int bar, int64_t limit, int64_t page, int64_t pos) {
  SCROLLINFO info = {sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  if (limit > 0) {  // 32-bit bars: what the libraries scroll stays well within them
    info.nMax = static_cast<int>(limit + page - 1);
    info.nPage = static_cast<UINT>(page);
    info.nPos = static_cast<int>(pos);
  }
  SetScrollInfo(window, bar, &info, TRUE);
}

bool ScrollBarTarget(HWND window, int bar, WORD code, int64_t at, int64_t lineStep, int64_t page,
                     int64_t* to) {
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(window, bar, &info);
  switch (code) {
    case SB_LINEUP: *to = at - lineStep; return true;
    case SB_LINEDOWN: *to = at + lineStep; return true;
    case SB_PAGEUP: *to = at - page; return true;
    case SB_PAGEDOWN: *to = at + page; return true;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: *to = info.nTrackPos; return true;
    case SB_TOP: *to = 0; return true;
    case SB_BOTTOM: *to = info.nMax; return true;
  }
  return false;
}

namespace {
bool KeyCode(WPARAM key, WORD* code) {
  switch (key) {
    case VK_UP:
    case VK_LEFT: *code = SB_LINEUP; return true;
    case VK_DOWN:
    case VK_RIGHT: *code = SB_LINEDOWN; return true;
    case VK_PRIOR: *code = SB_PAGEUP; return true;
    case VK_NEXT: *code = SB_PAGEDOWN; return true;
    case VK_HOME: *code = SB_TOP; return true;
    case VK_END: *code = SB_BOTTOM; return true;
  }
  return false;
}
}  // namespace

bool ScrollRequest(UINT msg, WPARAM wParam, int* bar, WORD* code) {
  switch (msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      *bar = msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
      *code = LOWORD(wParam);
      return true;
    case WM_KEYDOWN:
      *bar = wParam == VK_LEFT || wParam == VK_RIGHT ? SB_HORZ : SB_VERT;
      return KeyCode(wParam, code);
  }
  return false;
}

void PixelScroll::Update(HWND window, SIZE client, int64_t limitX, int64_t limitY) {
  Left = std::clamp<int64_t>(Left, 0, limitX);
  Top = std::clamp<int64_t>(Top, 0, limitY);
  SetScrollBar(window, SB_HORZ, limitX, client.cx, Left);
  SetScrollBar(window, SB_VERT, limitY, client.cy, Top);
}

bool PixelScroll::Move(HWND window, int bar, WORD code, int64_t lineStep) {
  RECT client;
  GetClientRect(window, &client);
  int64_t& at = bar == SB_HORZ ? Left : Top;
  return ScrollBarTarget(window, bar, code, at, lineStep,
                         bar == SB_HORZ ? client.right : client.bottom, &at);
}

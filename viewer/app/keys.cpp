// Keys handled by the main window itself (the rest are accelerators).
#include "viewer/app/keys.h"

#include "viewer/settings/view_options.h"

namespace {
bool CtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

// Home and End work on columns with Ctrl (or without it under CUA keys),
// otherwise on the file.
bool ColumnKey() { return CtrlDown() != (gSetupSettings.CuaKeyboard != 0); }
}  // namespace

bool OnKeyDown(HWND hwnd, WPARAM key) {
  switch (key) {
    case VK_ESCAPE:
      if (gViewOptions.EscExit)
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
      else
        ShowWindow(hwnd, SW_MINIMIZE);
      return true;
    case VK_PRIOR: PostMessageA(hwnd, WM_VSCROLL, SB_PAGEUP, 0); return true;
    case VK_NEXT: PostMessageA(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0); return true;
    case VK_UP: PostMessageA(hwnd, WM_VSCROLL, SB_LINEUP, 0); return true;
    case VK_DOWN: PostMessageA(hwnd, WM_VSCROLL, SB_LINEDOWN, 0); return true;
    case VK_LEFT:
      SendMessageA(hwnd, WM_HSCROLL, CtrlDown() ? SB_PAGELEFT : SB_LINELEFT, 0);
      return true;
    case VK_RIGHT:
      SendMessageA(hwnd, WM_HSCROLL, CtrlDown() ? SB_PAGERIGHT : SB_LINERIGHT, 0);
      return true;
    case VK_HOME:
      if (ColumnKey())
        SendMessageA(hwnd, WM_HSCROLL, SB_LEFT, 0);
      else
        PostMessageA(hwnd, WM_VSCROLL, SB_TOP, 0);
      return true;
    case VK_END:
      if (ColumnKey())
        SendMessageA(hwnd, WM_HSCROLL, SB_RIGHT, 0);
      else
        PostMessageA(hwnd, WM_VSCROLL, SB_BOTTOM, 0);
      return true;
  }
  return false;
}

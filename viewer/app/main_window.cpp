#include "viewer/app/main_window.h"

#include "viewer/app/app_state.h"
#include "viewer/app/messages.h"
#include "viewer/app/reposition.h"
#include "viewer/app/selection.h"

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate(hwnd, lParam);
    case WM_DESTROY:
      OnDestroy(hwnd);
      return 0;
    case WM_COMMAND:
      OnCommand(hwnd, LOWORD(wParam));
      return 0;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(hwnd, reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam) != 0);
      return 0;
    case WM_DROPFILES:
      OnDropFiles(hwnd, reinterpret_cast<HDROP>(wParam));
      return 0;
    case VW_STARTOPEN:
      OnStartOpen(hwnd, reinterpret_cast<const char*>(lParam));
      return 0;
    case VW_OPENNAME:
      return OnOpenName(hwnd, wParam == 1, reinterpret_cast<const char*>(lParam));
    case VW_OPENFILE:
      OnOpenFile(hwnd, reinterpret_cast<const char*>(lParam));
      return 0;
    case VW_REFORMAT:
    case VW_SHOWOFFSET:
    case VW_GOTOBYTE:
      OnReposition(hwnd, msg, wParam, lParam);
      return 0;
    case VW_CLEARSEL:
      ClearSelection();
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

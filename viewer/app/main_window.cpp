#include "viewer/app/main_window.h"

#include "viewer/app/app_state.h"
#include "viewer/app/auto_scroll.h"
#include "viewer/app/follow_mode.h"
#include "viewer/app/keys.h"
#include "viewer/app/layout.h"
#include "viewer/app/mouse_wheel.h"
#include "viewer/app/paint.h"
#include "viewer/app/reposition.h"
#include "viewer/app/screen_font.h"
#include "viewer/app/scrolling.h"
#include "viewer/app/selection.h"
#include "viewer/navigation/page_index_requests.h"
#include "viewer/services/print_job_guard.h"
#include "viewer/view/messages.h"

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: return OnCreate(hwnd, lParam);
    case WM_CLOSE:
      if (!PrintJobRunning()) break;
      CloseAfterPrintJob();
      return 0;
    case WM_DESTROY: OnDestroy(hwnd); return 0;
    case WM_COMMAND: OnCommand(hwnd, LOWORD(wParam)); return 0;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(hwnd, reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam) != 0);
      return 0;
    case WM_DROPFILES: OnDropFiles(hwnd, reinterpret_cast<HDROP>(wParam)); return 0;
    case VW_STARTOPEN: OnStartOpen(hwnd, reinterpret_cast<const char*>(lParam)); return 0;
    case VW_OPENNAME: return OnOpenName(hwnd, wParam == 1, reinterpret_cast<const char*>(lParam));
    case VW_OPENFILE: OnOpenFile(hwnd, reinterpret_cast<const char*>(lParam)); return 0;
    case WM_SIZE: OnSize(hwnd, wParam, lParam); return 0;
    case WM_PAINT: OnPaint(hwnd); return 0;
    case WM_PRINTCLIENT:
      PaintContent(reinterpret_cast<HDC>(wParam), RECT{0, 0, 32767, 32767});
      return 0;
    case WM_ERASEBKGND: return OnEraseBackground(hwnd, wParam, lParam);
    case WM_VSCROLL:
      if (OnVScroll(hwnd, LOWORD(wParam), HIWORD(wParam))) return 0;
      break;
    case WM_HSCROLL:
      if (OnHScroll(hwnd, LOWORD(wParam), HIWORD(wParam))) return 0;
      break;
    case WM_MOUSEMOVE: AutoScrollMouseMove(hwnd, wParam, lParam); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(hwnd, wParam); return 0;
    case WM_MOUSEHWHEEL: OnMouseHWheel(hwnd, wParam); return 0;
    case WM_TIMER:
      if (wParam == kAutoScrollUpTimer || wParam == kAutoScrollDownTimer)
        AutoScrollTick(hwnd, wParam);
      else if (wParam == IDT_PAGE_INDEX)
        PostMessageA(hwnd, PG_CONT, 0, 0);
      else if (wParam == IDT_FOLLOW)
        FollowTick(hwnd);
      return 0;
    case PG_START:
    case PG_CONT:
    case PG_STOP:
    case PG_CLOSE: OnPageIndexMessage(hwnd, msg); return 0;
    case VW_LAYOUT: return OnLayout(hwnd, false);
    case VW_MAKEFONT: OnMakeFont(hwnd); return 0;
    case VW_REFORMAT:
    case VW_SHOWOFFSET:
    case VW_GOTOBYTE: OnReposition(hwnd, msg, wParam, lParam); return 0;
    case VW_CLEARSEL: ClearSelection(); return 0;
    case VW_SELECTLINE: OnSelectLine(hwnd, lParam); return 0;
    case VW_EXTENDSEL: OnExtendSelection(hwnd, lParam); return 0;
    case WM_KEYDOWN:
      if (OnKeyDown(hwnd, wParam)) return 0;
      break;
    case WM_LBUTTONDOWN: OnLeftButtonDown(hwnd, wParam, lParam); return 0;
    case WM_LBUTTONDBLCLK: OnLeftButtonDoubleClick(hwnd, lParam); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp(hwnd); return 0;
    case WM_RBUTTONDOWN: OnRightButtonDown(hwnd); return 0;
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

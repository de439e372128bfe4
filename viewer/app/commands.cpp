// The one command router of the main window: menu items and accelerators.
#include "viewer/app/always_on_top.h"
#include "viewer/app/app_state.h"
#include "viewer/app/main_window.h"
#include "viewer/app/screen_font.h"
#include "viewer/resources/resource_ids.h"

void OnCommand(HWND hwnd, int id) {
  switch (id) {
    case IDM_OPEN:
      RunOpenDialog(hwnd);
      break;
    case IDM_CLOSE:
      CloseFile(hwnd);
      break;
    case IDM_EXIT:
      SendMessageA(hwnd, WM_CLOSE, 0, 0);
      break;
    case IDM_ALWAYS_ON_TOP:
    case IDM_FORCE_ON_TOP:
      OnAlwaysOnTop(hwnd, id);
      break;
    case IDM_ZOOM_IN:
    case IDM_ZOOM_OUT:
    case IDM_RESET_ZOOM:
      OnZoom(hwnd, id);
      break;
    default:
      if (id >= IDM_RECENT_FIRST && id <= IDM_RECENT_LAST) OnRecentFile(hwnd, id - IDM_RECENT_FIRST);
      break;
  }
}

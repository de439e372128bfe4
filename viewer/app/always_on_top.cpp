#include "viewer/app/always_on_top.h"

#include "viewer/resources/resource_ids.h"
#include "viewer/view/view_state.h"

void OnAlwaysOnTop(HWND hwnd, int command) {
  gView.AlwaysOnTop = command == IDM_FORCE_ON_TOP ? true : !gView.AlwaysOnTop;
  HWND after = gView.AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST;
  if (!SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE))
    MessageBeep(MB_ICONEXCLAMATION);
}

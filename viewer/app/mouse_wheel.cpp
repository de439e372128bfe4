#include "viewer/app/mouse_wheel.h"

#include "viewer/app/display_rules.h"
#include "viewer/app/screen_font.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/view/messages.h"
#include "viewer/view/move_target.h"
#include "viewer/view/view_state.h"

namespace {
// What is left of partial notches, one carry for each use of the wheel.
int gLinesCarry = 0, gZoomCarry = 0, gColumnsCarry = 0;

// A system setting; the default where the system does not know it (the
// horizontal wheel's setting is newer than the vertical one's).
UINT SystemSetting(UINT action, UINT fallback) {
  UINT value = fallback;
  if (!SystemParametersInfoA(action, 0, &value, 0)) value = fallback;
  return value;
}

int WheelDelta(WPARAM wParam) { return static_cast<short>(HIWORD(wParam)); }
}  // namespace

void OnMouseWheel(HWND hwnd, WPARAM wParam) {
  int delta = WheelDelta(wParam);
  if (LOWORD(wParam) & MK_CONTROL) {
    for (int steps = WheelSteps(&gZoomCarry, delta, 1); steps != 0; steps += steps > 0 ? -1 : 1)
      OnZoom(hwnd, steps > 0 ? IDM_ZOOM_IN : IDM_ZOOM_OUT);
    return;
  }
  UINT perNotch = SystemSetting(SPI_GETWHEELSCROLLLINES, 3);
  int lines = perNotch == WHEEL_PAGESCROLL || perNotch > 10000
                  ? WheelSteps(&gLinesCarry, delta, gView.LinesPerScreen)
                  : WheelSteps(&gLinesCarry, delta, static_cast<int>(perNotch));
  if (lines == 0) return;
  // Turning the wheel away from the user moves the text down the file.
  gView.PendingDelta = -lines;
  PostMessageA(hwnd, VW_SHOWOFFSET, static_cast<WPARAM>(gView.PendingDelta),
               TargetParam(gView.PendingTarget));
}

void OnMouseHWheel(HWND hwnd, WPARAM wParam) {
  int perNotch = static_cast<int>(SystemSetting(SPI_GETWHEELSCROLLCHARS, 3));
  int columns = WheelSteps(&gColumnsCarry, WheelDelta(wParam), perNotch);
  if (columns == 0) return;
  gView.HScroll = ClampHScroll(gView.HScroll + columns, gView.FormatLength);
  InvalidateRect(hwnd, nullptr, FALSE);
}

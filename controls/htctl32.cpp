// The library's entry point and its small helpers for dialogs: centring,
// colours and the status-text font.
#include "controls/htctl32.h"

#include "common/font_height.h"
#include "controls/button_description.h"
#include "controls/control_classes.h"

namespace {

HINSTANCE gModule = nullptr;
HBRUSH gFaceBrush = nullptr;  // made on first use, deleted when the library goes

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    gModule = module;
  } else if (reason == DLL_PROCESS_DETACH) {
    UnregisterControlClasses(module);
    UnregisterDescriptionClass(module);
    if (gFaceBrush) DeleteObject(gFaceBrush);
  }
  return TRUE;
}

HTCTLAPI BOOL WINAPI InitControls(void) {
  return RegisterControlClasses(gModule) && RegisterDescriptionClass(gModule);
}

HTCTLAPI void WINAPI CenterWindow(HWND window) {
  RECT r, over;
  GetWindowRect(window, &r);
  HWND owner = GetWindow(window, GW_OWNER);
  if (!owner) owner = GetParent(window);
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
    GetWindowRect(owner, &over);
  } else {
    SetRect(&over, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  }
  int width = r.right - r.left, height = r.bottom - r.top;
  int x = over.left + (over.right - over.left - width) / 2;
  int y = over.top + (over.bottom - over.top - height) / 2;
  // Kept on the screen, its top left corner first.
  int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (x > screenWidth - width) x = screenWidth - width;
  if (y > screenHeight - height) y = screenHeight - height;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HTCTLAPI HBRUSH WINAPI DoCtlColor(WPARAM wParam, LPARAM) {
  auto dc = reinterpret_cast<HDC>(wParam);
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  if (!gFaceBrush) gFaceBrush = CreateSolidBrush(face);
  SetBkColor(dc, face);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  return gFaceBrush;
}

HTCTLAPI HFONT WINAPI SelectBottomFont(HDC dc) {
  LOGFONTA font = {};
  font.lfHeight = PointsToHeightRounded(8, GetDeviceCaps(dc, LOGPIXELSY));
  font.lfWeight = FW_NORMAL;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  lstrcpyA(font.lfFaceName, "MS Sans Serif");
  return static_cast<HFONT>(SelectObject(dc, CreateFontIndirectA(&font)));
}

#include "viewer/app/screen_font.h"

#include "viewer/app/display_rules.h"
#include "viewer/resources/resource_ids.h"
#include "viewer/settings/view_font_win32.h"
#include "viewer/settings/view_options.h"
#include "viewer/view/messages.h"
#include "viewer/view/view_state.h"

ScreenFont gScreenFont;

void DeleteScreenFont() {
  if (gScreenFont.Font && !gScreenFont.Stock) DeleteObject(gScreenFont.Font);
  gScreenFont = ScreenFont{};
}

void OnMakeFont(HWND hwnd) {
  HDC dc = GetDC(hwnd);
  const LOGFONTA lf = ViewLogFont(
      gViewOptions,
      ZoomedFontHeight(PointSizeToHeight(gViewOptions.FontSize, GetDeviceCaps(dc, LOGPIXELSY)),
                       gView.ZoomLevel));
  DeleteScreenFont();
  gScreenFont.Font = CreateFontIndirectA(&lf);
  if (!gScreenFont.Font) {
    gScreenFont.Font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    gScreenFont.Stock = true;
  }
  HGDIOBJ old = SelectObject(dc, gScreenFont.Font);
  TEXTMETRICA tm = {};
  GetTextMetricsA(dc, &tm);
  gView.LineHeight = tm.tmHeight;
  gView.CharWidth = tm.tmAveCharWidth;
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
}

void OnZoom(HWND hwnd, int command) {
  if (command == IDM_ZOOM_IN) ++gView.ZoomLevel;
  if (command == IDM_ZOOM_OUT) --gView.ZoomLevel;
  if (command == IDM_RESET_ZOOM) gView.ZoomLevel = 0;
  SendMessageA(hwnd, VW_MAKEFONT, 0, 0);
  InvalidateRect(hwnd, nullptr, FALSE);
}

#include "viewer/app/screen_font.h"

#include "common/text_copy.h"
#include "viewer/app/display_rules.h"
#include "viewer/resources/resource_ids.h"
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
  LOGFONTA lf = {};
  lf.lfHeight = ZoomedFontHeight(
      PointSizeToHeight(gViewOptions.FontSize, GetDeviceCaps(dc, LOGPIXELSY)), gView.ZoomLevel);
  lf.lfWeight = gViewOptions.FontWeight;
  lf.lfItalic = gViewOptions.FontItalic;
  // Columns must line up: when the face is missing the mapper picks another fixed font.
  lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  CopyText(lf.lfFaceName, gViewOptions.FontName);
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

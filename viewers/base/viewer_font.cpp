#include "viewers/base/viewer_font.h"

#include "common/text_copy.h"

LOGFONTA DefaultViewerFont() {
  LOGFONTA lf{};
  lf.lfHeight = -13;
  lf.lfCharSet = ANSI_CHARSET;
  lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  CopyText(lf.lfFaceName, "Courier New");
  return lf;
}

HFONT CreateZoomedFont(LOGFONTA base, int zoom) {
  base.lfHeight *= zoom;
  base.lfWidth *= zoom;
  return CreateFontIndirectA(&base);
}

bool MeasureFont(HWND window, HFONT font, TEXTMETRICA* tm) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  const bool measured = GetTextMetricsA(dc, tm) != 0;
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return measured;
}

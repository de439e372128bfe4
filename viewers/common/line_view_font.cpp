// The view's font: the shell's shared font (or a fixed default), its height
// times the zoom, and the character cell that sets lines per screen and
// columns.
#include <algorithm>

#include "common/text_copy.h"
#include "viewers/common/line_view_parts.h"
#include "viewers/base/viewer_parent.h"

namespace {
LOGFONTA DefaultFont() {
  LOGFONTA lf{};
  lf.lfHeight = -13;
  lf.lfCharSet = ANSI_CHARSET;
  lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  CopyText(lf.lfFaceName, "Courier New");
  return lf;
}
}  // namespace

void SetBaseFont(LineView& v, const LOGFONTA* font) {
  if (!font) font = AskSharedFont(v.Window);
  v.BaseFont = font ? *font : DefaultFont();
}

void UpdateFont(LineView& v) {
  LOGFONTA lf = v.BaseFont;
  lf.lfHeight *= v.Zoom;
  lf.lfWidth *= v.Zoom;
  HFONT font = CreateFontIndirectA(&lf);
  if (!font) return;
  if (v.Font) DeleteObject(v.Font);
  v.Font = font;
  HDC dc = GetDC(v.Window);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm;
  if (GetTextMetricsA(dc, &tm)) {
    v.LineHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    v.CharWidth = std::max<int>(1, tm.tmAveCharWidth);
  }
  SelectObject(dc, old);
  ReleaseDC(v.Window, dc);
  UpdateLayout(v);
}

void UpdateLayout(LineView& v) {
  RECT r;
  GetClientRect(v.Window, &r);
  v.LinesPerScreen = std::max<int>(1, (r.bottom - r.top) / v.LineHeight);
  v.Columns = std::max<int>(1, (r.right - r.left) / v.CharWidth);
}

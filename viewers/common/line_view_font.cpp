// The view's font: the shell's shared font (or a fixed default), its height
// times the zoom, and the character cell that sets lines per screen and
// columns.
#include <algorithm>

#include "viewers/base/viewer_font.h"
#include "viewers/base/viewer_parent.h"
#include "viewers/common/line_view_parts.h"

void SetBaseFont(LineView& v, const LOGFONTA* font) {
  if (!font) font = AskSharedFont(v.Window);
  v.BaseFont = font ? *font : DefaultViewerFont();
}

void UpdateFont(LineView& v) {
  HFONT font = CreateZoomedFont(v.BaseFont, v.Zoom);
  if (!font) return;
  if (v.Font) DeleteObject(v.Font);
  v.Font = font;
  TEXTMETRICA tm;
  if (MeasureFont(v.Window, font, &tm)) {
    v.LineHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    v.CharWidth = std::max<int>(1, tm.tmAveCharWidth);
  }
  UpdateLayout(v);
}

void UpdateLayout(LineView& v) {
  RECT r;
  GetClientRect(v.Window, &r);
  v.LinesPerScreen = std::max<int>(1, (r.bottom - r.top) / v.LineHeight);
  v.Columns = std::max<int>(1, (r.right - r.left) / v.CharWidth);
}

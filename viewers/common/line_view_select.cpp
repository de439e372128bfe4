// Selecting whole lines: a click selects the line under the mouse, a
// shift-click or a drag extends from the line where the selection began.
// The parent hears whenever "a selection exists" changes.
#include <algorithm>

#include "viewers/common/line_view_parts.h"
#include "viewers/base/viewer_parent.h"

namespace {
void SelectionChanged(LineView& v) {
  bool has = HasSelection(v);
  if (has != v.SelectionReported) {
    v.SelectionReported = has;
    ReportSelection(v.Window, has);
  }
  InvalidateRect(v.Window, nullptr, FALSE);
}

// The file range of the line shown at y; false below the last line or on
// a message line.
bool LineAt(const LineView& v, int y, FileOffset* start, FileOffset* end) {
  const LineTable& t = v.Table;
  if (!v.Open || y < 0 || t.Acur < t.Afirst) return false;
  int i = t.Acur + y / v.LineHeight;
  if (i >= t.Alast || (t.Entries[i].Flags & LF_MESSAGE)) return false;
  *start = t.Entries[i].Offset;
  *end = t.Entries[i + 1].Offset;
  return true;
}

void ExtendTo(LineView& v, FileOffset start, FileOffset end) {
  SelectLines(v, std::min(v.AnchorStart, start), std::max(v.AnchorEnd, end));
}
}  // namespace

void SelectLines(LineView& v, FileOffset start, FileOffset end) {
  v.SelStart = start;
  v.SelEnd = end;
  SelectionChanged(v);
}

void ClearSelection(LineView& v) {
  v.AnchorStart = v.AnchorEnd = -1;
  SelectLines(v, -1, -1);
}

void SelectAll(LineView& v) {
  if (!v.Open || v.File.Flen <= 0) return;
  v.AnchorStart = 0;
  v.AnchorEnd = v.File.Flen;
  SelectLines(v, 0, v.File.Flen);
}

void OnMouse(LineView& v, UINT msg, WPARAM wParam, int y) {
  FileOffset start, end;
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetFocus(v.Window);
      if (!LineAt(v, y, &start, &end)) return;
      if ((wParam & MK_SHIFT) && v.AnchorStart >= 0) {
        ExtendTo(v, start, end);
      } else {
        v.AnchorStart = start;
        v.AnchorEnd = end;
        SelectLines(v, start, end);
      }
      v.Dragging = true;
      SetCapture(v.Window);
      return;
    case WM_MOUSEMOVE:
      if (v.Dragging && LineAt(v, y, &start, &end)) ExtendTo(v, start, end);
      return;
    case WM_LBUTTONUP:
      if (v.Dragging) ReleaseCapture();
      v.Dragging = false;
      return;
    case WM_CAPTURECHANGED: v.Dragging = false; return;
  }
}

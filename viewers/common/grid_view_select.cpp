// Selecting rows with the mouse: a click selects the row under it and
// makes it current, a shift-click or a drag extends from where the
// selection began, a click on a heading sorts by that column. The parent
// hears whenever "a selection exists" changes.
#include <algorithm>

#include "viewers/base/viewer_parent.h"
#include "viewers/common/grid_view.h"

namespace {
constexpr int kLeftMargin = 2;
}  // namespace

void GridViewWindow::SelectRows(int64_t first, int64_t last) {
  selFirst_ = first;
  selLast_ = last;
  const bool has = first >= 0;
  if (has != selectionReported_) {
    selectionReported_ = has;
    ReportSelection(Window(), has);
  }
  InvalidateRect(Window(), nullptr, FALSE);
}

void GridViewWindow::SortByColumnAt(int x) {
  const int64_t at = (x - kLeftMargin) / charWidth_ + int64_t{left_};
  for (size_t c = 0; c < layout_.Columns.size(); ++c) {
    if (at >= layout_.Starts[c] && at < layout_.Starts[c + 1]) {
      if (!source_->SortBy(c)) return;
      current_ = 0;
      anchor_ = -1;
      findFrom_ = {};
      SelectRows(-1, -1);
      ScrollTo(0, left_);
      return;
    }
  }
}

void GridViewWindow::OnMouse(UINT msg, WPARAM wParam, int x, int y) {
  if (!source_) return;
  const int64_t row = int64_t{top_} + y / rowHeight_ - 1;
  const bool onRow = y >= rowHeight_ && row < source_->RowCount();
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetFocus(Window());
      if (y < rowHeight_) {
        SortByColumnAt(x);
      } else if (onRow) {
        MoveCurrent(row, (wParam & MK_SHIFT) != 0);
        dragging_ = true;
        SetCapture(Window());
      }
      return;
    case WM_MOUSEMOVE:
      if (dragging_ && y >= rowHeight_) MoveCurrent(row, true);
      return;
    case WM_LBUTTONUP:
      if (dragging_) ReleaseCapture();
      dragging_ = false;
      return;
    case WM_CAPTURECHANGED: dragging_ = false; return;
  }
}

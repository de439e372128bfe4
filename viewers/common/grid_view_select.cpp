// Selecting with the mouse: a click makes the row (or the cell) under it
// current and selects it, a shift-click or a drag extends from where the
// selection began, a click on a heading sorts by that column. The parent
// hears whenever "a selection exists" changes.
#include <algorithm>

#include "viewers/base/viewer_parent.h"
#include "viewers/common/grid_view.h"

namespace {
constexpr int kLeftMargin = 2;
}  // namespace

void GridViewWindow::Select(bool has, GridRange range) {
  selected_ = has;
  selection_ = range;
  if (has != selectionReported_) {
    selectionReported_ = has;
    ReportSelection(Window(), has);
  }
  InvalidateRect(Window(), nullptr, FALSE);
}

bool GridViewWindow::Selected(uint32_t row, size_t column) const {
  return selected_ && row >= selection_.FirstRow && row <= selection_.LastRow &&
         column >= selection_.FirstColumn && column <= selection_.LastColumn;
}

void GridViewWindow::SortByColumnAt(int x) {
  const size_t column = ColumnAt(layout_, (x - kLeftMargin) / charWidth_, left_);
  if (column >= layout_.Columns.size() || !source_->SortBy(column)) return;
  current_ = {0, 0};
  anchor_ = current_;
  findFrom_ = {};
  Select(false, {});
  ScrollTo(0, left_);
}

void GridViewWindow::OnMouse(UINT msg, WPARAM wParam, int x, int y) {
  if (!source_) return;
  const int64_t row = int64_t{top_} + y / rowHeight_ - 1;
  const bool onRow = y >= rowHeight_ && row < source_->RowCount();
  size_t column = current_.Column;
  if (cells_) {
    column = ColumnAt(layout_, (x - kLeftMargin) / charWidth_, left_);
    if (column < layout_.Fixed || column >= layout_.Columns.size()) column = current_.Column;
  }
  const GridPlace place{static_cast<uint32_t>(std::max<int64_t>(row, 0)), column};
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetFocus(Window());
      if (y < rowHeight_) {
        SortByColumnAt(x);
      } else if (onRow) {
        MoveCurrent(place, (wParam & MK_SHIFT) != 0);
        dragging_ = true;
        SetCapture(Window());
      }
      return;
    case WM_MOUSEMOVE:
      if (dragging_ && y >= rowHeight_) MoveCurrent(place, true);
      return;
    case WM_LBUTTONUP:
      if (dragging_) ReleaseCapture();
      dragging_ = false;
      return;
    case WM_CAPTURECHANGED: dragging_ = false; return;
  }
}

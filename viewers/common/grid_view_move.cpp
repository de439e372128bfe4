// Scrolling the grid and moving its current row or cell: the scroll bars,
// the keys and the wheel. The heading line stays at the top; rows scroll
// under it and the footer's lines follow the last row; sideways, columns
// scroll under the fixed ones.
#include <algorithm>

#include "viewers/base/viewer_scroll.h"
#include "viewers/common/grid_view.h"

namespace {
constexpr unsigned kSideStep = 4;  // characters a Left or Right key scrolls

bool KeyDown(int key) { return GetKeyState(key) < 0; }
}  // namespace

int GridViewWindow::RowsShown() const {
  RECT client;
  GetClientRect(Window(), &client);
  return RowsPerPage(client.bottom - client.top, rowHeight_);
}

unsigned GridViewWindow::CharsShown() const {
  RECT client;
  GetClientRect(Window(), &client);
  return static_cast<unsigned>(std::max<int>(1, (client.right - client.left) / charWidth_));
}

GridExtent GridViewWindow::Extent() const {
  if (!source_) return {};
  return {source_->RowCount(), layout_.Columns.size(), cells_ ? layout_.Fixed : 0};
}

uint32_t GridViewWindow::LineCount() const {
  return source_ ? source_->RowCount() + static_cast<uint32_t>(footer_.size()) : 0;
}

void GridViewWindow::UpdateScrollBars() {
  const int columnsShown = static_cast<int>(CharsShown());
  const unsigned width = source_ ? LineWidth(layout_) : 0;
  top_ = ClampTopRow(top_, LineCount(), RowsShown());
  left_ = static_cast<unsigned>(
      std::clamp<int64_t>(left_, 0, std::max<int64_t>(0, int64_t{width} - columnsShown)));
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMax = static_cast<int>(std::max<uint32_t>(LineCount(), 1) - 1);
  info.nPage = static_cast<UINT>(RowsShown());
  info.nPos = static_cast<int>(top_);
  SetScrollInfo(Window(), SB_VERT, &info, TRUE);
  info.nMax = static_cast<int>(std::max<unsigned>(width, 1) - 1);
  info.nPage = static_cast<UINT>(columnsShown);
  info.nPos = static_cast<int>(left_);
  SetScrollInfo(Window(), SB_HORZ, &info, TRUE);
}

void GridViewWindow::ScrollTo(int64_t top, int64_t left) {
  const uint32_t oldTop = top_;
  const unsigned oldLeft = left_;
  top_ = ClampTopRow(top, LineCount(), RowsShown());
  left_ = static_cast<unsigned>(std::max<int64_t>(left, 0));
  UpdateScrollBars();
  if (top_ != oldTop || left_ != oldLeft) InvalidateRect(Window(), nullptr, FALSE);
}

void GridViewWindow::MoveCurrent(GridPlace to, bool extend) {
  const GridExtent extent = Extent();
  if (!extent.Rows || extent.Fixed >= extent.Columns) return;
  current_.Row = std::min(to.Row, extent.Rows - 1);
  current_.Column = cells_ ? std::clamp(to.Column, extent.Fixed, extent.Columns - 1) : 0;
  if (!extend) anchor_ = current_;
  const GridPlace& a = anchor_;
  const GridPlace& c = current_;
  if (cells_) {
    Select(true, {std::min(a.Row, c.Row), std::max(a.Row, c.Row), std::min(a.Column, c.Column),
                  std::max(a.Column, c.Column)});
    findFrom_ = {c.Row, c.Column + 1};
  } else {
    Select(true, {std::min(a.Row, c.Row), std::max(a.Row, c.Row), 0, extent.Columns - 1});
  }
  const unsigned left = cells_ ? LeftShowing(layout_, c.Column, left_, CharsShown()) : left_;
  ScrollTo(TopRowShowing(c.Row, top_, RowsShown()), left);
}

void GridViewWindow::OnKey(WPARAM key) {
  const bool shift = KeyDown(VK_SHIFT), control = KeyDown(VK_CONTROL);
  const auto move = [&](GridMove m) {
    MoveCurrent(MovedPlace(current_, m, RowsShown(), Extent()), shift);
  };
  switch (key) {
    case VK_UP: move(GridMove::Up); break;
    case VK_DOWN: move(GridMove::Down); break;
    case VK_PRIOR: move(GridMove::PageUp); break;
    case VK_NEXT: move(GridMove::PageDown); break;
    case VK_HOME:
      if (control)
        move(GridMove::First);
      else if (cells_)
        move(GridMove::RowStart);
      else
        ScrollTo(top_, 0);
      break;
    case VK_END:
      if (control) {
        move(GridMove::Last);
        if (!cells_) ScrollTo(LineCount(), left_);  // the footer's lines come into view too
      } else if (cells_) {
        move(GridMove::RowEnd);
      } else {
        ScrollTo(top_, source_ ? LineWidth(layout_) : 0);
      }
      break;
    case VK_LEFT:
      if (cells_)
        move(GridMove::Left);
      else
        ScrollTo(top_, int64_t{left_} - kSideStep);
      break;
    case VK_RIGHT:
      if (cells_)
        move(GridMove::Right);
      else
        ScrollTo(top_, int64_t{left_} + kSideStep);
      break;
  }
}

void GridViewWindow::OnScroll(int bar, int code) {
  const int64_t page = std::max<int64_t>(1, bar == SB_VERT ? RowsShown() : CharsShown());
  int64_t pos;
  if (!ScrollBarTarget(Window(), bar, static_cast<WORD>(code), bar == SB_VERT ? top_ : left_, 1,
                       page, &pos))
    return;
  if (bar == SB_VERT)
    ScrollTo(pos, left_);
  else
    ScrollTo(top_, pos);
}

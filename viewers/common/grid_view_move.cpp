// Scrolling the grid and moving its current row: the scroll bars, the keys
// and the wheel. The heading line stays at the top; rows scroll under it
// and the footer's lines follow the last row.
#include <algorithm>

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

uint32_t GridViewWindow::LineCount() const {
  return source_ ? source_->RowCount() + static_cast<uint32_t>(footer_.size()) : 0;
}

void GridViewWindow::UpdateScrollBars() {
  RECT client;
  GetClientRect(Window(), &client);
  const int columnsShown = std::max<int>(1, (client.right - client.left) / charWidth_);
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

void GridViewWindow::MoveCurrent(int64_t row, bool extend) {
  if (!source_ || !source_->RowCount()) return;
  const uint32_t rows = source_->RowCount();
  current_ = static_cast<uint32_t>(std::clamp<int64_t>(row, 0, rows - 1));
  if (extend && anchor_ >= 0) {
    SelectRows(std::min<int64_t>(anchor_, current_), std::max<int64_t>(anchor_, current_));
  } else {
    anchor_ = current_;
    SelectRows(current_, current_);
  }
  ScrollTo(TopRowShowing(current_, top_, RowsShown()), left_);
}

void GridViewWindow::OnKey(WPARAM key) {
  const bool shift = KeyDown(VK_SHIFT);
  const int64_t page = RowsShown();
  const int64_t last = source_ ? int64_t{source_->RowCount()} - 1 : 0;
  switch (key) {
    case VK_UP: MoveCurrent(int64_t{current_} - 1, shift); break;
    case VK_DOWN: MoveCurrent(int64_t{current_} + 1, shift); break;
    case VK_PRIOR: MoveCurrent(int64_t{current_} - page, shift); break;
    case VK_NEXT: MoveCurrent(int64_t{current_} + page, shift); break;
    case VK_HOME:
      if (KeyDown(VK_CONTROL)) MoveCurrent(0, shift);
      else ScrollTo(top_, 0);
      break;
    case VK_END:
      if (KeyDown(VK_CONTROL)) MoveCurrent(last, shift);
      else ScrollTo(top_, source_ ? LineWidth(layout_) : 0);
      break;
    case VK_LEFT: ScrollTo(top_, int64_t{left_} - kSideStep); break;
    case VK_RIGHT: ScrollTo(top_, int64_t{left_} + kSideStep); break;
  }
}

void GridViewWindow::OnScroll(int bar, int code) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(Window(), bar, &info);
  int64_t pos = bar == SB_VERT ? top_ : left_;
  const int64_t page = std::max<int64_t>(1, info.nPage);
  switch (code) {
    case SB_LINEUP: pos -= 1; break;
    case SB_LINEDOWN: pos += 1; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = info.nMax; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    default: return;
  }
  if (bar == SB_VERT) ScrollTo(pos, left_);
  else ScrollTo(top_, pos);
}

// Painting the grid in the parent's colours: the heading line with a rule
// under it, then only the rows that fall in the area to paint, each cell
// clipped to its column and aligned as its source says; the fixed columns
// stay while the others scroll sideways under them. Selected rows or cells
// are inverted; the current row is framed with the focus frame, the
// current cell with a solid frame. The footer's lines follow the last row.
// WM_PAINT and WM_PRINTCLIENT share it.
#include <algorithm>

#include "viewers/base/viewer_parent.h"
#include "viewers/common/grid_view.h"

namespace {
constexpr int kLeftMargin = 2;

void PaintText(HDC dc, int x, int y, const RECT& clip, const std::string& text) {
  ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, text.data(), static_cast<UINT>(text.size()), nullptr);
}
}  // namespace

// The cell's rectangle in the window, cut where the fixed columns end.
RECT GridViewWindow::CellRect(int y, size_t column) const {
  const auto at = [&](unsigned chars) {
    return kLeftMargin + static_cast<int>(ShownAt(layout_, column, chars, left_)) * charWidth_;
  };
  RECT cell{at(layout_.Starts[column]), y, at(layout_.Starts[column + 1]), y + rowHeight_};
  if (column >= layout_.Fixed)
    cell.left = std::max<LONG>(
        cell.left, kLeftMargin + static_cast<int>(layout_.Starts[layout_.Fixed]) * charWidth_);
  return cell;
}

void GridViewWindow::PaintHeading(HDC dc, int right) {
  RECT line{0, 0, right, rowHeight_};
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &line, "", 0, nullptr);
  for (size_t c = 0; c < layout_.Columns.size(); ++c) {
    const GridColumn& column = layout_.Columns[c];
    RECT clip = CellRect(0, c);
    clip.bottom = rowHeight_ - 1;
    if (clip.right <= clip.left || clip.left >= right) continue;
    const unsigned at = CellTextStart(layout_, c, column.Heading.size(), column.Align);
    PaintText(dc, kLeftMargin + static_cast<int>(ShownAt(layout_, c, at, left_)) * charWidth_, 0,
              clip, column.Heading);
  }
  MoveToEx(dc, 0, rowHeight_ - 1, nullptr);
  LineTo(dc, right, rowHeight_ - 1);
}

void GridViewWindow::PaintRow(HDC dc, int y, int right, uint32_t row) {
  RECT line{0, y, right, y + rowHeight_};
  ExtTextOutA(dc, 0, y, ETO_OPAQUE, &line, "", 0, nullptr);
  const uint32_t rows = source_->RowCount();
  if (row >= rows) {  // a footer line
    const std::string& text = footer_[row - rows];
    PaintText(dc, kLeftMargin - static_cast<int>(left_) * charWidth_, y, line, text);
    return;
  }
  for (size_t c = 0; c < layout_.Columns.size(); ++c) {
    const RECT cell = CellRect(y, c);
    if (cell.right <= cell.left || cell.right <= 0 || cell.left >= right) continue;
    const std::string text = source_->Cell(row, c);
    const unsigned at = CellTextStart(layout_, c, text.size(), source_->CellAlign(row, c));
    PaintText(dc, kLeftMargin + static_cast<int>(ShownAt(layout_, c, at, left_)) * charWidth_, y,
              cell, text);
    const bool current = row == current_.Row && c == current_.Column;
    if (cells_ && Selected(row, c) && !current) InvertRect(dc, &cell);
  }
  if (!cells_ && Selected(row, 0)) InvertRect(dc, &line);
  if (!cells_ && row == current_.Row) DrawFocusRect(dc, &line);
}

void GridViewWindow::PaintCurrentCell(HDC dc, int y, HBRUSH ink) {
  RECT cell = CellRect(y, current_.Column);
  if (cell.right <= cell.left) return;
  FrameRect(dc, &cell, ink);
  const RECT inner{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
  FrameRect(dc, &inner, ink);
}

void GridViewWindow::Paint(HDC dc, const RECT& area) {
  RECT client;
  GetClientRect(Window(), &client);
  const COLORREF backColor = AskBackColor(Window());
  const COLORREF textColor = AskTextColor(Window());
  HBRUSH back = CreateSolidBrush(backColor);
  HBRUSH ink = CreateSolidBrush(textColor);
  HPEN pen = CreatePen(PS_SOLID, 1, textColor);
  HGDIOBJ oldFont = SelectObject(dc, font_);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  SetTextColor(dc, textColor);
  SetBkColor(dc, backColor);
  SetBkMode(dc, OPAQUE);
  int y = 0;
  if (source_) {
    if (area.top < rowHeight_) PaintHeading(dc, client.right);
    y = rowHeight_;
    const uint32_t lines = LineCount();
    for (uint32_t row = top_; row < lines && y < area.bottom; ++row, y += rowHeight_) {
      if (y + rowHeight_ <= area.top) continue;
      PaintRow(dc, y, client.right, row);
      if (cells_ && row == current_.Row && row < source_->RowCount()) PaintCurrentCell(dc, y, ink);
    }
  }
  RECT rest{0, std::max<int>(y, area.top), client.right, client.bottom};
  if (rest.top < rest.bottom) FillRect(dc, &rest, back);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldFont);
  DeleteObject(pen);
  DeleteObject(ink);
  DeleteObject(back);
}

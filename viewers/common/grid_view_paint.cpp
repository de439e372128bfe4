// Painting the grid in the parent's colours: the heading line with a rule
// under it, then only the rows that fall in the area to paint, each cell
// clipped to its column, selected rows inverted and the current row
// framed; the footer's lines after the last row. WM_PAINT and
// WM_PRINTCLIENT share it.
#include <algorithm>

#include "viewers/base/viewer_parent.h"
#include "viewers/common/grid_view.h"

namespace {
constexpr int kLeftMargin = 2;

void PaintText(HDC dc, int x, int y, const RECT& clip, const std::string& text) {
  ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, text.data(), static_cast<UINT>(text.size()), nullptr);
}
}  // namespace

void GridViewWindow::PaintHeading(HDC dc, int right) {
  RECT line{0, 0, right, rowHeight_};
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &line, "", 0, nullptr);
  const int origin = kLeftMargin - static_cast<int>(left_) * charWidth_;
  for (size_t c = 0; c < layout_.Columns.size(); ++c) {
    const std::string& heading = layout_.Columns[c].Heading;
    RECT clip{origin + static_cast<int>(layout_.Starts[c]) * charWidth_, 0,
              origin + static_cast<int>(layout_.Starts[c + 1]) * charWidth_, rowHeight_ - 1};
    PaintText(dc, origin + static_cast<int>(CellTextStart(layout_, c, heading.size())) * charWidth_,
              0, clip, heading);
  }
  MoveToEx(dc, 0, rowHeight_ - 1, nullptr);
  LineTo(dc, right, rowHeight_ - 1);
}

void GridViewWindow::PaintRow(HDC dc, int y, int right, uint32_t row) {
  RECT line{0, y, right, y + rowHeight_};
  ExtTextOutA(dc, 0, y, ETO_OPAQUE, &line, "", 0, nullptr);
  const int origin = kLeftMargin - static_cast<int>(left_) * charWidth_;
  const uint32_t rows = source_->RowCount();
  if (row >= rows) {  // a footer line
    const std::string& text = footer_[row - rows];
    PaintText(dc, origin, y, line, text);
    return;
  }
  for (size_t c = 0; c < layout_.Columns.size(); ++c) {
    const int x0 = origin + static_cast<int>(layout_.Starts[c]) * charWidth_;
    const int x1 = origin + static_cast<int>(layout_.Starts[c + 1]) * charWidth_;
    if (x1 <= 0 || x0 >= right) continue;
    const std::string text = source_->Cell(row, c);
    RECT clip{x0, y, x1, y + rowHeight_};
    PaintText(dc, origin + static_cast<int>(CellTextStart(layout_, c, text.size())) * charWidth_,
              y, clip, text);
  }
  if (selFirst_ >= 0 && row >= selFirst_ && row <= selLast_) InvertRect(dc, &line);
  if (row == current_) DrawFocusRect(dc, &line);
}

void GridViewWindow::Paint(HDC dc, const RECT& area) {
  RECT client;
  GetClientRect(Window(), &client);
  const COLORREF backColor = AskBackColor(Window());
  const COLORREF textColor = AskTextColor(Window());
  HBRUSH back = CreateSolidBrush(backColor);
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
      if (y + rowHeight_ > area.top) PaintRow(dc, y, client.right, row);
    }
  }
  RECT rest{0, std::max<int>(y, area.top), client.right, client.bottom};
  if (rest.top < rest.bottom) FillRect(dc, &rest, back);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldFont);
  DeleteObject(pen);
  DeleteObject(back);
}

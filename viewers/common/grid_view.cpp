// The grid window's contract handlers and the switch that hands its own
// messages to the handlers in the other grid_view files.
#include "viewers/common/grid_view.h"

#include <algorithm>

#include "common/text_copy.h"
#include "viewers/base/viewer_font.h"
#include "viewers/base/viewer_parent.h"

namespace {
constexpr UINT kMouseWheel = 0x020A;  // not in the headers of the oldest targets
constexpr int kWheelRows = 3;
}  // namespace

GridViewWindow::GridViewWindow(HWND window) : ViewerWindow(window) {
  const LOGFONTA* shared = AskSharedFont(window);
  baseFont_ = shared ? *shared : DefaultViewerFont();
  UpdateFont();
}

GridViewWindow::~GridViewWindow() {
  if (font_) DeleteObject(font_);
}

void GridViewWindow::ShowSource(std::unique_ptr<GridSource> source, const char* path) {
  source_ = std::move(source);
  layout_ = LayOutGrid(*source_);
  footer_ = GridFooterLines(*source_);
  cells_ = source_->SelectsCells();
  CopyText(path_, path);
  top_ = 0;
  left_ = 0;
  current_ = {0, layout_.Fixed};
  anchor_ = current_;
  findFrom_ = current_;
  if (cells_ && source_->RowCount() && layout_.Fixed < layout_.Columns.size())
    Select(true, {0, 0, current_.Column, current_.Column});
  else
    Select(false, {});
  UpdateScrollBars();
  InvalidateRect(Window(), nullptr, FALSE);
}

uint32_t GridViewWindow::RecordCount() { return source_ ? source_->RowCount() : 0; }

unsigned GridViewWindow::Find(bool matchCase, const char* text) {
  if (!source_ || !text || !*text) return kFindNoMatch;
  GridPlace found;
  if (!FindInGrid(*source_, findFrom_, text, matchCase, &found)) {
    bool before =
        (findFrom_.Row || findFrom_.Column) && FindInGrid(*source_, {}, text, matchCase, &found);
    return before ? kFindNoFurther : kFindNoMatch;
  }
  MoveCurrent(found, false);
  findFrom_ = {found.Row, found.Column + 1};
  return 1;
}

void GridViewWindow::FindOpening() {
  if (!cells_) findFrom_ = {current_.Row, 0};
}

void GridViewWindow::GoTo(uint32_t row) {
  if (source_ && source_->RowCount()) MoveCurrent({std::max<uint32_t>(row, 1) - 1, 0}, false);
}

void GridViewWindow::GoToCell(GridPlace cell) {
  if (source_ && source_->RowCount()) MoveCurrent(cell, false);
}

bool GridViewWindow::SetFont(const LOGFONTA& font) {
  baseFont_ = font;
  UpdateFont();
  return true;
}

bool GridViewWindow::Zoom(unsigned command) {
  if (command < kZoom1X || command > kZoom5X) return false;
  zoom_ = static_cast<int>(command - kZoom1X) + 1;
  UpdateFont();
  return true;
}

bool GridViewWindow::SelectAll() {
  if (!source_ || !source_->RowCount() || layout_.Columns.empty()) return false;
  selectionReported_ = false;  // told again, though a current cell was selected already
  Select(true, {0, source_->RowCount() - 1, 0, layout_.Columns.size() - 1});
  return true;
}

void GridViewWindow::UpdateFont() {
  HFONT font = CreateZoomedFont(baseFont_, zoom_);
  if (!font) return;
  if (font_) DeleteObject(font_);
  font_ = font;
  TEXTMETRICA tm;
  if (MeasureFont(Window(), font, &tm)) {
    rowHeight_ = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    charWidth_ = std::max<int>(1, tm.tmAveCharWidth);
  }
  UpdateScrollBars();
  InvalidateRect(Window(), nullptr, FALSE);
}

bool GridViewWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  switch (msg) {
    case WM_SIZE: UpdateScrollBars(); return true;
    case WM_KEYDOWN: OnKey(wParam); return true;
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return true;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return true;
    case kMouseWheel:
      ScrollTo(int64_t{top_} - static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * kWheelRows,
               left_);
      return true;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      OnMouse(msg, wParam, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      return true;
  }
  return false;
}

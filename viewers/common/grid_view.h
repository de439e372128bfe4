// The grid window the archive, table and sheet libraries share: rows of
// cells under a frozen heading line, read from a GridSource only for the
// rows it paints, finds, copies or prints. Its current place is a row, or
// a cell where the source selects cells. A library derives from it, and
// when its Open has read the file it hands the source over with
// ShowSource.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "viewers/base/viewer_window.h"
#include "viewers/common/formats/grid_cursor.h"
#include "viewers/common/formats/grid_layout.h"
#include "viewers/common/formats/grid_source.h"
#include "viewers/common/formats/grid_text.h"

class GridViewWindow : public ViewerWindow {
 public:
  explicit GridViewWindow(HWND window);
  ~GridViewWindow() override;

  // Shows source from its first row, the path naming the print job; the
  // window owns the source from now on.
  void ShowSource(std::unique_ptr<GridSource> source, const char* path);
  GridSource* Source() const { return source_.get(); }

  uint32_t RecordCount() override;
  // Looks from the cell after the current one (in a grid just shown: from
  // its first cell; where rows are selected, after FindOpening: from the
  // current row) and makes the cell or row found current.
  unsigned Find(bool matchCase, const char* text) override;
  void FindOpening() override;
  // Rows are numbered from 1 here, as the user counts records.
  void GoTo(uint32_t row) override;
  // Makes the cell (the source's row and column) current and shows it.
  void GoToCell(GridPlace cell);
  bool SetFont(const LOGFONTA& font) override;
  bool Zoom(unsigned command) override;
  bool Copy() override;
  bool SelectAll() override;
  bool Print(const PRINTDLGA* record) override;
  bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Paint(HDC dc, const RECT& area) override;

 private:
  // grid_view.cpp
  void UpdateFont();
  // grid_view_paint.cpp
  void PaintRow(HDC dc, int y, int right, uint32_t row);
  void PaintHeading(HDC dc, int right);
  void PaintCurrentCell(HDC dc, int y, HBRUSH ink);
  RECT CellRect(int y, size_t column) const;
  // grid_view_move.cpp: scrolling and the current row or cell
  int RowsShown() const;
  unsigned CharsShown() const;
  uint32_t LineCount() const;  // rows and footer lines
  GridExtent Extent() const;
  void UpdateScrollBars();
  void ScrollTo(int64_t top, int64_t left);
  void OnKey(WPARAM key);
  void OnScroll(int bar, int code);
  void MoveCurrent(GridPlace to, bool extend);
  // grid_view_select.cpp
  void Select(bool has, GridRange range);
  bool Selected(uint32_t row, size_t column) const;
  void OnMouse(UINT msg, WPARAM wParam, int x, int y);
  void SortByColumnAt(int x);

  std::unique_ptr<GridSource> source_;
  GridLayout layout_;
  std::vector<std::string> footer_;
  char path_[MAX_PATH] = "";
  LOGFONTA baseFont_{};
  HFONT font_ = nullptr;
  int zoom_ = 1;
  int rowHeight_ = 16;
  int charWidth_ = 8;
  uint32_t top_ = 0;    // first row shown under the heading
  unsigned left_ = 0;   // characters the scrolling columns moved to the left
  bool cells_ = false;  // the source selects cells, not rows
  GridPlace current_;
  GridPlace anchor_;  // where a shift-extended selection began
  bool selected_ = false;
  GridRange selection_;
  bool dragging_ = false;
  bool selectionReported_ = false;
  GridPlace findFrom_;
};

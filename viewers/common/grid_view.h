// The grid window the archive and table libraries share: rows of cells
// under a frozen heading line, read from a GridSource only for the rows it
// paints, finds, copies or prints. A library derives from it, and when its
// Open has read the file it hands the source over with ShowSource.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "viewers/base/viewer_window.h"
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
  // Looks from the cell after the last match (after FindOpening: from the
  // current row) and selects the row found.
  unsigned Find(bool matchCase, const char* text) override;
  void FindOpening() override;
  // Rows are numbered from 1 here, as the user counts records.
  void GoTo(uint32_t row) override;
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
  // grid_view_move.cpp: scrolling and the current row
  int RowsShown() const;
  uint32_t LineCount() const;  // rows and footer lines
  void UpdateScrollBars();
  void ScrollTo(int64_t top, int64_t left);
  void OnKey(WPARAM key);
  void OnScroll(int bar, int code);
  void MoveCurrent(int64_t row, bool extend);
  // grid_view_select.cpp
  void SelectRows(int64_t first, int64_t last);
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
  uint32_t top_ = 0;   // first row shown under the heading
  unsigned left_ = 0;  // characters scrolled off to the left
  uint32_t current_ = 0;
  int64_t anchor_ = -1;  // where a shift-extended selection began
  int64_t selFirst_ = -1, selLast_ = -1;
  bool dragging_ = false;
  bool selectionReported_ = false;
  GridPlace findFrom_;
};

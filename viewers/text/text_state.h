// The text library's window: the shared line view with edit mode, Save As
// and printing on top.
#pragma once
#include <windows.h>

#include "viewers/common/line_view.h"

// What the text library keeps besides the line view: the edit control of
// edit mode.
struct TextState {
  HWND Edit = nullptr;  // edit mode while not null
  WNDPROC EditProc = nullptr;
};

class TextWindow : public LineViewWindow {
 public:
  explicit TextWindow(HWND window);

  bool Copy() override;
  bool SelectAll() override;
  bool SetFont(const LOGFONTA& font) override;
  bool Zoom(unsigned command) override;
  bool Print(const PRINTDLGA* record) override;
  bool SaveAs(unsigned kind, const char* name) override;
  bool SetMode(bool edit) override;
  bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  LineView& View() { return view_; }
  TextState& State() { return state_; }

 private:
  TextState state_;
};

// The text window that view is (the parent of the edit control).
TextWindow& TextWindowOf(HWND view);

// The line view the text and hex libraries share: a viewer window that
// shows a file of any size line by line through the portable line buffer,
// never loading it whole. Each library makes it with the kind of view it
// shows, and the text library adds its own messages on top.
#pragma once
#include <windows.h>

#include <cstdint>

#include "viewers/base/viewer_window.h"
#include "viewers/common/line_view_state.h"

class LineViewWindow : public ViewerWindow {
 public:
  LineViewWindow(HWND window, const LineViewKind& kind);
  ~LineViewWindow() override;

  bool Open(const char* path, int type, bool wrap) override;
  const char* StatusText() override;
  uint32_t FileSize() override;
  unsigned Find(bool matchCase, const char* text) override;
  void FindOpening() override { view_.FindFrom = 0; }
  void GoTo(uint32_t offset) override;
  bool SetWordWrap(bool wrap) override;
  bool SetFont(const LOGFONTA& font) override;
  bool Zoom(unsigned command) override;
  bool Copy() override;
  bool SelectAll() override;
  bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Paint(HDC dc, const RECT& area) override;

 protected:
  LineView view_;
};

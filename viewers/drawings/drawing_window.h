// The drawing viewer's window: a metafile played by the platform, or the
// display list of an HPGL or DXF drawing, fitted to the window at 1X and
// zoomed about the centre with scroll bars; printed fitted to the page,
// copied as a metafile and a bitmap, and saved as a picture.
#pragma once
#include <windows.h>

#include <cstdint>

#include "viewers/base/viewer_scroll.h"
#include "viewers/base/viewer_window.h"
#include "viewers/drawings/formats/display_list.h"
#include "viewers/graphics/formats/picture.h"

class DrawingWindow : public ViewerWindow {
 public:
  explicit DrawingWindow(HWND window) : ViewerWindow(window) {}
  ~DrawingWindow() override;

  bool Open(const char* path, int type, bool wrap) override;
  uint32_t FileSize() override { return fileSize_; }
  bool Zoom(unsigned command) override;
  bool ShowPage(unsigned page) override;
  bool Copy() override;
  bool SelectAll() override;
  bool Print(const PRINTDLGA* record) override;
  bool SaveAs(unsigned kind, const char* name) override;
  bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Paint(HDC dc, const RECT& area) override;

 private:
  bool Shown() const { return metafile_ || !drawing_.Pages.empty(); }
  // The drawing's own size in pixels: a metafile's frame, or a drawing's
  // bounds within kLargestSide.
  SIZE NaturalSize() const;
  // The drawing's size at 1X: as large as fits into the window.
  SIZE FittedSize() const;
  void DrawInto(HDC dc, const RECT& into, COLORREF ink) const;
  bool RenderNatural(Picture& out) const;
  void OnScrollBar(int bar, WORD code);
  void UpdateScrollBars();
  void UpdateStatus();
  void Close();

  char path_[MAX_PATH] = "";
  HENHMETAFILE metafile_ = nullptr;
  const char* metafileKind_ = "";
  Drawing drawing_;
  uint32_t fileSize_ = 0;
  unsigned page_ = 0;
  unsigned zoom_ = 301;
  PixelScroll scroll_;
};

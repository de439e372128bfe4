// The graphics viewer's window: one picture document, shown at a zoom with
// scroll bars, turned by the Rotate commands, paged (TIFF pages, GIF
// frames) and played (GIF), copied, printed and saved as shown.
#pragma once
#include <string>
#include <vector>

#include "viewers/base/viewer_scroll.h"
#include "viewers/base/viewer_window.h"
#include "viewers/graphics/formats/picture_document.h"
#include "viewers/graphics/formats/picture_view.h"

class GraphicsWindow : public ViewerWindow {
 public:
  explicit GraphicsWindow(HWND window) : ViewerWindow(window) {}
  ~GraphicsWindow() override;

  bool Open(const char* path, int type, bool wrap) override;
  uint32_t FileSize() override { return fileSize_; }
  bool Zoom(unsigned command) override;
  bool ShowPage(unsigned page) override;
  bool Play() override;
  bool Copy() override;
  bool SelectAll() override;
  bool Print(const PRINTDLGA* record) override;
  bool SaveAs(unsigned kind, const char* name) override;
  bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Paint(HDC dc, const RECT& area) override;

 private:
  Picture& Shown() { return document_.Frames[static_cast<size_t>(frame_)]; }
  bool Turn(unsigned command);
  void OnScrollBar(int bar, WORD code);
  void UpdateScrollBars();
  void UpdateStatus();
  void ReportPages();
  void NextFrame();

  std::string path_;
  PictureDocument document_;
  uint32_t fileSize_ = 0;
  int frame_ = 0;  // of Frames: the GIF frame shown
  int page_ = 0;   // the page shown, from 0
  unsigned zoom_ = 301;
  PixelScroll scroll_;
  bool playing_ = false;
  std::vector<uint32_t> view_;  // the pixels of the last paint
};

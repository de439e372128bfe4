// The font viewer's window: the sheet of an open font (facts, samples at
// each size, the alphabet, the character map as a grid) scrolled up and
// down, zoomed, searched by character, printed as a sample sheet and
// copied as its facts.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "viewers/base/viewer_window.h"
#include "viewers/fonts/formats/font_document.h"
#include "viewers/fonts/formats/font_sheet.h"

class FontWindow : public ViewerWindow {
 public:
  explicit FontWindow(HWND window) : ViewerWindow(window) {}
  ~FontWindow() override;

  bool Open(const char* path, int type, bool wrap) override;
  uint32_t FileSize() override { return fileSize_; }
  unsigned Find(bool matchCase, const char* text) override;
  void FindOpening() override { findStarted_ = true; }
  void GoTo(uint32_t code) override;
  bool SetFont(const LOGFONTA& font) override;
  bool Zoom(unsigned command) override;
  bool Copy() override;
  bool SelectAll() override;
  bool Print(const PRINTDLGA* record) override;
  bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Paint(HDC dc, const RECT& area) override;

 private:
  void LayOut();
  void ScrollTo(int top);
  void OnScrollBar(WORD code);
  bool ShowEntry(size_t entry);
  HFONT TextFont() const;

  std::unique_ptr<FontDocument> document_;
  std::string path_;
  uint32_t fileSize_ = 0;
  SheetMetrics metrics_;
  SheetLayout layout_;
  float zoom_ = 1;
  int top_ = 0;
  size_t marked_ = static_cast<size_t>(-1);
  bool findStarted_ = true;
  HFONT font_ = nullptr;
};

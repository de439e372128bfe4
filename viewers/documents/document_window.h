// The document viewer's window: the document's paragraphs wrapped to the
// window's width in the shared font, scrolled by lines, with a selection
// of text that Find, Select All and Copy make and use.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "viewers/base/viewer_window.h"
#include "viewers/documents/formats/document_text.h"
#include "viewers/documents/formats/paragraph_lines.h"

class DocumentWindow : public ViewerWindow {
 public:
  explicit DocumentWindow(HWND window);
  ~DocumentWindow() override;

  bool Open(const char* path, int type, bool wrap) override;
  uint32_t FileSize() override { return size_; }
  unsigned Find(bool matchCase, const char* text) override;
  void FindOpening() override { findFrom_ = {}; }
  bool SetFont(const LOGFONTA& font) override;
  bool Zoom(unsigned command) override;
  bool Copy() override;
  bool SelectAll() override;
  bool Print(const PRINTDLGA* record) override;
  bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Paint(HDC dc, const RECT& area) override;

 private:
  void UpdateFont();
  void Rewrap();  // after the text, the font or the width changed
  int LinesPerScreen() const;
  void ScrollTo(int line);
  void OnScrollBar(WORD code);
  void Select(TextPos start, TextPos end);
  int LineOf(TextPos at) const;
  std::string SelectedText() const;

  DocumentText text_;
  std::vector<TextLine> lines_;
  char path_[MAX_PATH] = "";
  uint32_t size_ = 0;
  LOGFONTA baseFont_{};
  HFONT font_ = nullptr;
  int zoom_ = 1;
  int lineHeight_ = 16;
  int top_ = 0;                // the first line shown
  TextPos selStart_, selEnd_;  // empty when equal
  TextPos findFrom_;
};

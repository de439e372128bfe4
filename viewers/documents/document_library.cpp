// ZRVWP32.DLL: the word-processor document viewer. The portable readers of
// formats/ give the paragraphs; this window wraps, scrolls, finds, copies
// and prints them.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewers/base/viewer_class.h"
#include "viewers/base/viewer_font.h"
#include "viewers/base/viewer_parent.h"
#include "viewers/contract/viewer_names.h"
#include "viewers/documents/document_window.h"

DocumentWindow::DocumentWindow(HWND window) : ViewerWindow(window) {
  if (const LOGFONTA* shared = AskSharedFont(window))
    baseFont_ = *shared;
  else {
    baseFont_.lfHeight = -13;
    baseFont_.lfCharSet = ANSI_CHARSET;
    CopyText(baseFont_.lfFaceName, "Arial");
  }
  UpdateFont();
}

DocumentWindow::~DocumentWindow() {
  if (font_) DeleteObject(font_);
}

bool DocumentWindow::Open(const char* path, int type, bool) {
  DocumentText text;
  if (!ReadDocumentText(path, type, text)) return false;
  text_ = std::move(text);
  CopyText(path_, path);
  size_ = static_cast<uint32_t>(std::min<FileOffset>(QueryFileSize(path), 0xFFFFFFFF));
  selStart_ = selEnd_ = findFrom_ = {};
  top_ = 0;
  Rewrap();
  char status[128];
  std::snprintf(status, sizeof status, "%s, %lu paragraphs", text_.FormatName,
                static_cast<unsigned long>(text_.Paragraphs.size()));
  SetStatus(status);
  ReportSelection(Window(), false);
  InvalidateRect(Window(), nullptr, FALSE);
  return true;
}

bool DocumentWindow::SetFont(const LOGFONTA& font) {
  baseFont_ = font;
  UpdateFont();
  Rewrap();
  return true;
}

bool DocumentWindow::Zoom(unsigned command) {
  if (command < kZoom1X || command > kZoom5X) return false;
  zoom_ = static_cast<int>(command - kZoom1X) + 1;
  UpdateFont();
  Rewrap();
  return true;
}

void DocumentWindow::UpdateFont() {
  HFONT font = CreateZoomedFont(baseFont_, zoom_);
  if (!font) return;
  if (font_) DeleteObject(font_);
  font_ = font;
  TEXTMETRICA tm;
  if (MeasureFont(Window(), font_, &tm))
    lineHeight_ = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
  return ViewerLibraryMain<DocumentWindow>(dll, reason, kWordProLibrary.WindowClass);
}

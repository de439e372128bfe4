// The line view's contract handlers and the switch that hands the window's
// own messages to the handlers in the other line_view files.
#include "viewers/common/line_view.h"

#include <algorithm>
#include <cstdio>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewer/buffer/file_code.h"
#include "viewers/common/line_view_parts.h"

namespace {
constexpr UINT kMouseWheel = 0x020A;  // not in the headers of the oldest targets
constexpr FileOffset kMaxReportedSize = 0xFFFFFFFF;
}  // namespace

LineViewWindow::LineViewWindow(HWND window, const LineViewKind& kind) : ViewerWindow(window) {
  view_.Window = window;
  view_.Kind = kind;
  view_.Table.Entries = view_.Entries.data();
  view_.Table.Acnt = kLineTableEntries;
  view_.Arena.Base = view_.Characters.data();
  view_.Arena.Tlen = kTextArenaBlockBytes;
  SetBaseFont(view_, nullptr);
  UpdateFont(view_);
}

LineViewWindow::~LineViewWindow() {
  if (view_.Font) DeleteObject(view_.Font);
}

// The file must open now; afterwards it is opened again for every read.
bool LineViewWindow::Open(const char* path, int, bool wrap) {
  FileHandle f = Files().Open(path);
  if (f == kNoFile) return false;
  FileOffset size = Files().Size(f);
  Files().Close(f);
  if (size < 0) return false;
  LineView& v = view_;
  CopyText(v.File.Path, path);
  // Text in UTF-8 or UTF-16 is told by its byte-order mark or its first block.
  if (v.Kind.Format == FORMAT_TEXT)
    v.Kind.Flags = (v.Kind.Flags & ~FMT_UTF_MASK) | CodeFlagBits(DetectFileCode(path));
  v.File.Flen = size;
  v.File.Fcur = 0;
  v.Open = true;
  v.Wrap = v.Kind.CanWrap && wrap;
  v.FindFrom = 0;
  v.HScroll = 0;
  ClearSelection(v);
  ShowOffset(v, 0);
  return true;
}

const char* LineViewWindow::StatusText() {
  if (!view_.Open) return nullptr;
  char text[96];
  std::snprintf(text, sizeof text, "%lld bytes%s%s", static_cast<long long>(view_.File.Flen),
                view_.ModeWord ? " - " : "", view_.ModeWord ? view_.ModeWord : "");
  SetStatus(text);
  return ViewerWindow::StatusText();
}

// The answer is 32 bits wide: files of 4 GiB and more report the largest value.
uint32_t LineViewWindow::FileSize() {
  return static_cast<uint32_t>(std::min(view_.File.Flen, kMaxReportedSize));
}

unsigned LineViewWindow::Find(bool matchCase, const char* text) {
  return static_cast<unsigned>(OnFind(view_, matchCase, text));
}

void LineViewWindow::GoTo(uint32_t offset) {
  if (view_.Kind.CanGoTo) OnGoTo(view_, static_cast<FileOffset>(offset));
}

bool LineViewWindow::SetWordWrap(bool wrap) {
  if (!view_.Kind.CanWrap) return false;
  view_.Wrap = wrap;
  Reformat(view_);
  return true;
}

bool LineViewWindow::SetFont(const LOGFONTA& font) {
  SetBaseFont(view_, &font);
  UpdateFont(view_);
  Reformat(view_);
  return true;
}

bool LineViewWindow::Zoom(unsigned command) {
  if (!view_.Kind.CanZoom || command < kZoom1X || command > kZoom5X) return false;
  view_.Zoom = static_cast<int>(command - kZoom1X) + 1;
  UpdateFont(view_);
  Reformat(view_);
  return true;
}

bool LineViewWindow::Copy() {
  if (!HasSelection(view_)) return false;
  CopySelection(view_);
  return true;
}

bool LineViewWindow::SelectAll() {
  if (!view_.Open) return false;
  ::SelectAll(view_);
  return true;
}

void LineViewWindow::Paint(HDC dc, const RECT& area) { PaintContent(view_, dc, area); }

bool LineViewWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  LineView& v = view_;
  *result = 0;
  switch (msg) {
    case WM_SIZE:
      UpdateLayout(v);
      if (v.Wrap) Reformat(v);
      return true;
    case WM_KEYDOWN: OnKey(v, wParam); return true;
    case WM_VSCROLL: OnVScroll(v, LOWORD(wParam)); return true;
    case WM_HSCROLL: OnHScroll(v, LOWORD(wParam), HIWORD(wParam)); return true;
    case kMouseWheel: OnWheel(v, static_cast<short>(HIWORD(wParam))); return true;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      OnMouse(v, msg, wParam, static_cast<short>(HIWORD(lParam)));
      return true;
  }
  return false;
}

// The line view's window procedure: a switch that hands each message to its
// handler, and the handlers of the window's life and its file.
#include "viewers/common/line_view.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <new>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewers/common/line_view_parts.h"
#include "viewers/contract/viewer_messages.h"

namespace {
constexpr UINT kMouseWheel = 0x020A;  // not in the headers of the oldest targets
constexpr FileOffset kMaxReportedSize = 0xFFFFFFFF;

bool OnCreate(HWND hwnd, const LineViewKind& kind) {
  LineView* v = nullptr;
  try {
    v = new LineView;
  } catch (const std::bad_alloc&) {
    return false;
  }
  v->Window = hwnd;
  v->Kind = kind;
  v->Table.Entries = v->Entries.data();
  v->Table.Acnt = kLineTableEntries;
  v->Arena.Base = v->Characters.data();
  v->Arena.Tlen = kTextArenaBlockBytes;
  SetWindowLongA(hwnd, 0, reinterpret_cast<LONG>(v));
  SetBaseFont(*v, nullptr);
  UpdateFont(*v);
  return true;
}

void OnDestroy(HWND hwnd, LineView* v) {
  SetWindowLongA(hwnd, 0, 0);
  if (v->Font) DeleteObject(v->Font);
  delete v;
}

// The file must open now; afterwards it is opened again for every read.
LRESULT OnOpen(LineView& v, WPARAM wParam, const char* path) {
  if (!path) return 0;
  FileHandle f = Files().Open(path);
  if (f == kNoFile) return 0;
  FileOffset size = Files().Size(f);
  Files().Close(f);
  if (size < 0) return 0;
  CopyText(v.File.Path, path);
  v.File.Flen = size;
  v.File.Fcur = 0;
  v.Open = true;
  v.Wrap = v.Kind.CanWrap && (wParam >> 8) != 0;
  v.FindFrom = 0;
  v.HScroll = 0;
  ClearSelection(v);
  ShowOffset(v, 0);
  return 1;
}

const char* StatusText(LineView& v) {
  if (!v.Open) return nullptr;
  char text[sizeof v.Status];
  std::snprintf(text, sizeof text, "%lld bytes%s%s", static_cast<long long>(v.File.Flen),
                v.ModeWord ? " - " : "", v.ModeWord ? v.ModeWord : "");
  CopyText(v.Status, text);
  return v.Status;
}

LRESULT OnZoom(LineView& v, WPARAM command) {
  if (!v.Kind.CanZoom || command < kZoom1X || command > kZoom5X) return 0;
  v.Zoom = static_cast<int>(command - kZoom1X) + 1;
  UpdateFont(v);
  Reformat(v);
  return 1;
}

void OnPaint(LineView& v) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(v.Window, &ps);
  PaintContent(v, dc, ps.rcPaint);
  EndPaint(v.Window, &ps);
}

void OnPrintClient(LineView& v, HDC dc) {
  RECT r;
  GetClientRect(v.Window, &r);
  PaintContent(v, dc, r);
}

// The viewer messages of the contract.
LRESULT OnViewerMessage(LineView& v, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case ZV_OPEN: return OnOpen(v, wParam, reinterpret_cast<const char*>(lParam));
    case ZV_STATUSTEXT: return reinterpret_cast<LRESULT>(StatusText(v));
    case ZV_FILESIZE:
      // The answer is 32 bits wide: files of 4 GiB and more report the largest value.
      return static_cast<LRESULT>(std::min(v.File.Flen, kMaxReportedSize));
    case ZV_WORDWRAP:
      if (!v.Kind.CanWrap) return 0;
      v.Wrap = wParam != 0;
      Reformat(v);
      return 1;
    case ZV_FIND: return OnFind(v, wParam != 0, reinterpret_cast<const char*>(lParam));
    case ZV_FINDOPENING: v.FindFrom = 0; return 0;
    case ZV_GOTO:
      if (v.Kind.CanGoTo) OnGoTo(v, static_cast<FileOffset>(static_cast<DWORD>(lParam)));
      return 0;
    case ZV_FONT:
      SetBaseFont(v, reinterpret_cast<const LOGFONTA*>(lParam));
      UpdateFont(v);
      Reformat(v);
      return 1;
    case ZV_ZOOM: return OnZoom(v, wParam);
    case ZV_COPY: CopySelection(v); return 0;
    case ZV_SELECTALL: SelectAll(v); return 0;
  }
  return 0;
}

LRESULT OnMessage(LineView& v, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: OnPaint(v); return 0;
    case WM_PRINTCLIENT: OnPrintClient(v, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // painting fills every pixel
    case WM_SIZE:
      UpdateLayout(v);
      if (v.Wrap) Reformat(v);
      return 0;
    case WM_KEYDOWN: OnKey(v, wParam); return 0;
    case WM_VSCROLL: OnVScroll(v, LOWORD(wParam)); return 0;
    case WM_HSCROLL: OnHScroll(v, LOWORD(wParam), HIWORD(wParam)); return 0;
    case kMouseWheel: OnWheel(v, static_cast<short>(HIWORD(wParam))); return 0;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: OnMouse(v, msg, wParam, static_cast<short>(HIWORD(lParam))); return 0;
  }
  if (msg >= kViewerMessageBase && msg < kViewerMessageBase + 0x100)
    return OnViewerMessage(v, msg, wParam, lParam);
  return DefWindowProcA(v.Window, msg, wParam, lParam);
}
}  // namespace

LineView* LineViewOf(HWND hwnd) { return reinterpret_cast<LineView*>(GetWindowLongA(hwnd, 0)); }

LRESULT LineViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, const LineViewKind& kind) {
  if (msg == WM_CREATE) return OnCreate(hwnd, kind) ? 0 : -1;
  LineView* v = LineViewOf(hwnd);
  if (!v) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_DESTROY) {
    OnDestroy(hwnd, v);
    return 0;
  }
  try {
    return OnMessage(*v, msg, wParam, lParam);
  } catch (const std::exception&) {  // out of memory: the message does nothing
    MessageBeep(MB_ICONEXCLAMATION);
    return 0;
  }
}

bool RegisterLineViewClass(HINSTANCE dll, const char* className, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = kLineViewWindowBytes;
  wc.hInstance = dll;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = className;
  return RegisterClassA(&wc) != 0;
}

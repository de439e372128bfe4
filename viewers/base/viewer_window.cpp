#include "viewers/base/viewer_window.h"

#include "common/text_copy.h"
#include "viewers/base/viewer_parent.h"
#include "win32/paint_message.h"

namespace {
constexpr int kObjectIndex = 0;  // window bytes: the ViewerWindow pointer

bool InContract(UINT msg) { return msg >= kViewerMessageBase && msg < kViewerMessageBase + 0x100; }

LRESULT OnContractMessage(ViewerWindow& w, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto text = reinterpret_cast<const char*>(lParam);
  switch (msg) {
    case ZV_OPEN: return text && w.Open(text, static_cast<int>(wParam & 0xFF), (wParam >> 8) != 0);
    case ZV_STATUSTEXT: return reinterpret_cast<LRESULT>(w.StatusText());
    case ZV_FILESIZE: return static_cast<LRESULT>(w.FileSize());
    case ZV_RECORDCOUNT: return static_cast<LRESULT>(w.RecordCount());
    case ZV_LASTCELL: return static_cast<LRESULT>(w.LastCell());
    case ZV_FIND: return text ? w.Find(wParam != 0, text) : kFindNoMatch;
    case ZV_FINDOPENING: w.FindOpening(); return 0;
    case ZV_GOTO: w.GoTo(static_cast<uint32_t>(lParam)); return 0;
    case ZV_WORDWRAP: return w.SetWordWrap(wParam != 0);
    case ZV_FONT: return lParam && w.SetFont(*reinterpret_cast<const LOGFONTA*>(lParam));
    case ZV_ZOOM: return w.Zoom(static_cast<unsigned>(wParam));
    case ZV_SHOWPAGE: return w.ShowPage(static_cast<unsigned>(wParam));
    case ZV_PLAY: return w.Play();
    case ZV_COPY: return w.Copy();
    case ZV_SELECTALL: return w.SelectAll();
    case ZV_PRINT: return w.Print(reinterpret_cast<const PRINTDLGA*>(lParam));
    case ZV_CANCELPRINT: w.PrintCancelled() = true; return 0;
    case ZV_SAVEAS: return text && w.SaveAs(static_cast<unsigned>(wParam), text);
    case ZV_MODE: return w.SetMode(wParam != 0);
  }
  return 0;
}

// What a message that failed answers: a find found nothing, everything
// else was refused.
LRESULT Refusal(UINT msg) { return msg == ZV_FIND ? kFindNoMatch : 0; }

LRESULT OnMessage(ViewerWindow& w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (InContract(msg)) return OnContractMessage(w, msg, wParam, lParam);
  switch (msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return OnPaintMessage(w.Window(), msg, wParam, [](HWND window, HDC dc, const RECT& area) {
        ViewerWindowOf(window)->Paint(dc, area);
      });
    case WM_ERASEBKGND: return 1;  // Paint fills every pixel
  }
  LRESULT result = 0;
  if (w.OnWindowMessage(msg, wParam, lParam, &result)) return result;
  return DefWindowProcA(w.Window(), msg, wParam, lParam);
}

bool Create(HWND window, ViewerFactory create) {
  ViewerWindow* w = nullptr;
  try {
    w = create(window);
  } catch (...) {  // out of memory, or the library failed
    return false;
  }
  if (!w) return false;
  SetWindowLongA(window, kObjectIndex, reinterpret_cast<LONG>(w));
  return true;
}

void Destroy(HWND window, ViewerWindow* w) {
  SetWindowLongA(window, kObjectIndex, 0);
  delete w;
}
}  // namespace

void ViewerWindow::Paint(HDC dc, const RECT& area) {
  HBRUSH back = CreateSolidBrush(AskBackColor(window_));
  FillRect(dc, &area, back);
  DeleteObject(back);
}

void ViewerWindow::SetStatus(const char* text) { CopyText(status_, text); }

ViewerWindow* ViewerWindowOf(HWND window) {
  return reinterpret_cast<ViewerWindow*>(GetWindowLongA(window, kObjectIndex));
}

LRESULT ViewerWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                            ViewerFactory create) {
  if (msg == WM_CREATE) return Create(window, create) ? 0 : -1;
  ViewerWindow* w = ViewerWindowOf(window);
  if (!w) return DefWindowProcA(window, msg, wParam, lParam);
  if (msg == WM_DESTROY) {
    Destroy(window, w);
    return 0;
  }
  try {
    return OnMessage(*w, msg, wParam, lParam);
  } catch (...) {  // a library's fault ends this message, not the shell
    MessageBeep(MB_ICONEXCLAMATION);
    return Refusal(msg);
  }
}

#include "shell/app/arrange_windows.h"

#include "shell/app/shell_state.h"

namespace {

ScreenRect FirstViewerRect() {
  RECT r;
  GetWindowRect(ShellState.ViewerList[0], &r);
  return {r.left, r.top, r.right, r.bottom};
}

// Every window restored and moved in one deferred batch; after is the
// window each goes below (nullptr: the z-order stays).
bool MoveViewers(const ScreenRect* rects, const HWND* after, UINT flags) {
  int count = ShellState.ViewerCount;
  HDWP batch = BeginDeferWindowPos(count);
  for (int i = 0; i < count && batch; ++i) {
    HWND window = ShellState.ViewerList[i];
    ShowWindow(window, SW_RESTORE);
    const ScreenRect& r = rects[i];
    batch = DeferWindowPos(batch, window, after ? after[i] : nullptr, r.Left, r.Top, r.Width(),
                           r.Height(), flags | SWP_SHOWWINDOW);
  }
  return batch && EndDeferWindowPos(batch);
}

}  // namespace

void CascadeViewers() {
  int count = ShellState.ViewerCount;
  if (count < 2) return;
  ScreenRect rects[kMaxViewerWindows];
  CascadeRects(count, FirstViewerRect(), rects);
  HWND after[kMaxViewerWindows];
  for (int i = 0; i < count; ++i) {
    after[i] = i == count - 1 ? HWND_TOP : i == 0 ? HWND_BOTTOM : ShellState.ViewerList[i + 1];
  }
  MoveViewers(rects, after, 0);
  SetForegroundWindow(ShellState.ViewerList[count - 1]);
}

void TileViewers(TileDirection direction) {
  ScreenRect rects[kMaxViewerWindows];
  if (!TileRects(ShellState.ViewerCount, direction, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), FirstViewerRect(), rects)) {
    return;
  }
  MoveViewers(rects, nullptr, SWP_NOZORDER);
}

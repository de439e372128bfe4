#include "shell/app/viewer_windows.h"

#include <algorithm>
#include <cstring>

#include "common/text_copy.h"
#include "shell/app/button_bar.h"
#include "shell/app/shell_messages.h"
#include "shell/app/shell_settings.h"
#include "shell/app/shell_state.h"
#include "shell/app/show_file.h"
#include "shell/app/viewer_record.h"
#include "shell/core/shell_settings.h"
#include "shell/resources/shell_ids.h"
#include "viewers/contract/viewer_messages.h"
#include "win32/file_names_win32.h"

ViewerRecord* RecordOf(HWND window) {
  char name[16];
  if (!window || !GetClassNameA(window, name, sizeof name) || lstrcmpiA(name, kViewerClass) != 0) {
    return nullptr;
  }
  return reinterpret_cast<ViewerRecord*>(GetWindowLongA(window, kRecordOffset));
}

bool IsOpenViewer(HWND window) {
  return window && IsWindow(window) &&
         std::find(ShellState.ViewerList, ShellState.ViewerList + ShellState.ViewerCount, window) !=
             ShellState.ViewerList + ShellState.ViewerCount;
}

namespace {

bool TooManyViewers() {
  if (ShellState.ViewerCount < kMaxViewerWindows) return false;
  ShellError(ShellState.MainWindow, IDS_TOO_MANY_VIEWERS, MB_ICONSTOP);
  return true;
}

void PlaceNextViewer() {
  if (ShellState.ViewerCount == 0) return;
  ShellState.DefaultViewerRect = NextViewerRect(
      ShellState.DefaultViewerRect, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

HWND CreateFrame() {
  const ScreenRect& r = ShellState.DefaultViewerRect;
  HWND frame = CreateWindowExA(
      0, kViewerClass, ShellState.AppTitle, WS_POPUP | WS_VISIBLE | WS_OVERLAPPEDWINDOW, r.Left,
      r.Top, r.Width(), r.Height(), nullptr, nullptr, ShellState.instance, nullptr);
  KeepWideCaption(frame);
  if (frame && ReadViewerNumber(ShellIni(), "maximized", 0)) {
    ShowWindow(frame, SW_SHOWMAXIMIZED);
  }
  return frame;
}

}  // namespace

HWND CreateViewerWindow(int n) { return CreateViewerWindowWith(ShellState.PendingFiles, n); }

HWND CreateViewerWindowWith(const ListPath* paths, int n) {
  if (TooManyViewers()) return nullptr;
  PlaceNextViewer();
  HWND frame = CreateFrame();
  HWND bar = frame ? CreateButtonBar(frame) : nullptr;
  if (!frame || !bar) {
    if (frame) DestroyWindow(frame);
    ShellError(ShellState.MainWindow, IDS_CANNOT_CREATE_VIEWER, MB_ICONSTOP);
    return nullptr;
  }
  ViewerRecord* record = RecordOf(frame);
  record->ButtonBar = bar;
  ShellState.ViewerList[ShellState.ViewerCount++] = frame;
  DragAcceptFiles(frame, TRUE);
  n = std::clamp(n, 0, kMaxListFiles);
  record->FileCount = PrependPaths(record->Files, 0, paths, n);
  record->CurrentIndex = 0;
  if (n > 0) OpenListEntry(frame, 0, true);
  return frame;
}

void CloseAllViewers() {
  // Collected first: each WM_CLOSE changes the list.
  HWND open[kMaxViewerWindows];
  int count = ShellState.ViewerCount;
  std::copy(ShellState.ViewerList, ShellState.ViewerList + count, open);
  for (int i = 0; i < count; ++i) {
    if (IsWindow(open[i])) SendMessageA(open[i], WM_CLOSE, 0, 0);
  }
}

bool AttachViewerRecord(HWND window) {
  HGLOBAL memory = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, sizeof(ViewerRecord));
  if (!memory) return false;
  auto* record = static_cast<ViewerRecord*>(GlobalLock(memory));
  record->Memory = memory;
  record->LoadedType = -1;
  record->Zoom = kZoom1X;
  SetWindowLongA(window, kRecordOffset, reinterpret_cast<LONG>(record));
  return true;
}

namespace {

// False when the window was not in the list (its creation failed).
bool RemoveFromList(HWND window) {
  HWND* end = ShellState.ViewerList + ShellState.ViewerCount;
  HWND* at = std::find(ShellState.ViewerList, end, window);
  if (at == end) return false;
  std::copy(at + 1, end, at);
  --ShellState.ViewerCount;
  ShellState.ViewerList[ShellState.ViewerCount] = nullptr;
  return true;
}

// The first open viewer window among the top-level windows.
BOOL CALLBACK FindOpenViewer(HWND w, LPARAM found) {
  if (!IsOpenViewer(w)) return TRUE;
  *reinterpret_cast<HWND*>(found) = w;
  return FALSE;
}

HWND AnotherViewer() {
  HWND found = nullptr;
  EnumWindows(FindOpenViewer, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

void DetachViewerWindow(HWND window) {
  ViewerRecord* record = RecordOf(window);
  if (!record) return;
  // While printing, the library is still inside its print call: the print
  // job frees it (and the device context) when that call returns.
  const bool printing = record->Printing;
  if (printing && record->PrintDialog.hDC) AbortDoc(record->PrintDialog.hDC);
  if (record->Child && IsWindow(record->Child)) DestroyWindow(record->Child);
  if (record->Library && !printing) FreeLibrary(record->Library);
  const bool listed = RemoveFromList(window);
  SetWindowLongA(window, kRecordOffset, 0);
  HGLOBAL memory = record->Memory;
  GlobalUnlock(memory);
  GlobalFree(memory);
  // A window whose creation failed was never open: it is no last window.
  if (!listed) return;
  if (ShellState.ViewerCount > 0) {
    if (ShellState.CurrentViewer == window) ShellState.CurrentViewer = AnotherViewer();
    return;
  }
  SaveViewerPlacement(window);
  if (ShellState.NewShell && ShellState.MainWindow) {
    SendMessageA(ShellState.MainWindow, WM_CLOSE, 0, 0);
  }
}

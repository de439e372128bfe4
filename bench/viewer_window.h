// The benchmark programs that drive a running TARVO.EXE find its main window
// once it shows a file.
#pragma once
#include <windows.h>

#include <cstring>

namespace viewer_window {
struct Search {
  DWORD pid;
  HWND hwnd;
};
inline BOOL CALLBACK Match(HWND hwnd, LPARAM lParam) {
  auto* s = reinterpret_cast<Search*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[16] = "", caption[300] = "";
  GetClassNameA(hwnd, cls, sizeof cls);
  GetWindowTextA(hwnd, caption, sizeof caption);
  if (pid != s->pid || lstrcmpA(cls, "TARVO") != 0 || !std::strchr(caption, '-')) return TRUE;
  s->hwnd = hwnd;
  return FALSE;
}
}  // namespace viewer_window

// The main window of process pid once its caption names a file, polling up
// to timeoutMs; nullptr when none came.
inline HWND WaitForViewerWindow(DWORD pid, DWORD timeoutMs) {
  viewer_window::Search search{pid, nullptr};
  for (DWORD start = GetTickCount(); !search.hwnd && GetTickCount() - start < timeoutMs; Sleep(20))
    EnumWindows(viewer_window::Match, reinterpret_cast<LPARAM>(&search));
  return search.hwnd;
}

// What the viewer-library benchmarks share: a host window that answers a
// library's colour questions as the shell does, the library's window in it,
// the seconds since a start, and the process's peak working set.
#pragma once
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>

#include "viewers/contract/viewer_messages.h"

namespace library_bench {
using Clock = std::chrono::steady_clock;

inline double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

inline unsigned long PeakKiB() {
  PROCESS_MEMORY_COUNTERS m{};
  m.cb = sizeof m;
  GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
  return static_cast<unsigned long>(m.PeakWorkingSetSize / 1024);
}

inline LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case ZV_TEXTCOLOR: return GetSysColor(COLOR_WINDOWTEXT);
    case ZV_BACKCOLOR: return GetSysColor(COLOR_WINDOW);
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);  // ZV_GETFONT: 0, the default font
}

// Registers the host's class; once a process.
inline void RegisterHost() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "BenchHost";
  RegisterClassA(&wc);
}

// For a benchmark whose arguments are DLL FILE RUNS: loads the library and
// registers the host; false, with the usage printed, when it cannot.
inline bool StartWithLibrary(int argc, char** argv, const char* program) {
  if (argc != 4 || !LoadLibraryA(argv[1])) {
    std::fprintf(stderr, "usage: %s DLL FILE RUNS\n", program);
    return false;
  }
  RegisterHost();
  return true;
}

// A shown host window with a window of the library's class in it, as large
// as a viewer window's; destroying *host destroys both.
inline HWND CreateLibraryWindow(const char* windowClass, HWND* host) {
  *host = CreateWindowExA(0, "BenchHost", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 700,
                          nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  return CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 28,
                         780, 600, *host, nullptr, GetModuleHandleA(nullptr), nullptr);
}
}  // namespace library_bench

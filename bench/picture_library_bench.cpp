// Opening a picture in ZRG32.DLL's window until it is painted, one file a
// process so that the peak memory is the file's own; bench/pictures.sh
// runs it under Wine next to the native decode.
//   picture_library_bench DLL FILE RUNS
// Prints "seconds peak-KiB", the seconds being the best of RUNS and the
// memory the process's peak working set.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "viewers/contract/viewer_messages.h"
#include "viewers/contract/viewer_names.h"

namespace {
LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == ZV_BACKCOLOR) return GetSysColor(COLOR_WINDOW);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

double Run(const char* path) {
  HWND host = CreateWindowExA(0, "BenchHost", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 700,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND child = CreateWindowExA(0, kGraphicsLibrary.WindowClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                               0, 28, 780, 600, host, nullptr, GetModuleHandleA(nullptr), nullptr);
  const auto start = std::chrono::steady_clock::now();
  const bool opened = SendMessageA(child, ZV_OPEN, 2, reinterpret_cast<LPARAM>(path)) != 0;
  UpdateWindow(child);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  DestroyWindow(host);
  return opened ? seconds : -1;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || !LoadLibraryA(argv[1])) {
    std::fprintf(stderr, "usage: picture_library_bench DLL FILE RUNS\n");
    return 2;
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "BenchHost";
  RegisterClassA(&wc);
  double best = 1e9;
  for (int i = 0; i < std::atoi(argv[3]); ++i) {
    const double s = Run(argv[2]);
    if (s < 0) return 1;
    best = std::min(best, s);
  }
  PROCESS_MEMORY_COUNTERS m{};
  m.cb = sizeof m;
  GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
  std::printf("%.3f %lu\n", best, static_cast<unsigned long>(m.PeakWorkingSetSize / 1024));
  return 0;
}

// Opening a ZIP archive in ZRCP32.DLL's window until its listing is
// painted, then selecting and copying the whole listing; bench/archives.sh
// runs it under Wine next to `unzip -l` of the same file.
//   archive_library_bench DLL FILE RUNS
// Prints "open-seconds copy-seconds peak-KiB copied-bytes", the seconds
// being the best of RUNS and the memory the process's peak working set.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "viewers/contract/viewer_messages.h"
#include "viewers/contract/viewer_names.h"

namespace {
using Clock = std::chrono::steady_clock;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == ZV_BACKCOLOR) return GetSysColor(COLOR_WINDOW);
  if (msg == ZV_TEXTCOLOR) return GetSysColor(COLOR_WINDOWTEXT);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

size_t ClipboardBytes() {
  size_t n = 0;
  if (!OpenClipboard(nullptr)) return 0;
  if (HANDLE text = GetClipboardData(CF_TEXT)) {
    n = std::strlen(static_cast<const char*>(GlobalLock(text)));
    GlobalUnlock(text);
  }
  CloseClipboard();
  return n;
}

bool Run(const char* path, double* open, double* copy, size_t* copied) {
  HWND host = CreateWindowExA(0, "BenchHost", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800,
                              700, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND child = CreateWindowExA(0, kArchiveLibrary.WindowClass, "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 28, 780, 600,
                               host, nullptr, GetModuleHandleA(nullptr), nullptr);
  auto start = Clock::now();
  const bool opened = SendMessageA(child, ZV_OPEN, 12, reinterpret_cast<LPARAM>(path)) != 0;
  UpdateWindow(child);
  *open = Since(start);
  start = Clock::now();
  SendMessageA(child, ZV_SELECTALL, 0, 0);
  SendMessageA(child, ZV_COPY, 0, 0);
  *copy = Since(start);
  *copied = ClipboardBytes();
  DestroyWindow(host);
  return opened;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || !LoadLibraryA(argv[1])) {
    std::fprintf(stderr, "usage: archive_library_bench DLL FILE RUNS\n");
    return 2;
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "BenchHost";
  RegisterClassA(&wc);
  double bestOpen = 1e9, bestCopy = 1e9;
  size_t copied = 0;
  for (int i = 0; i < std::atoi(argv[3]); ++i) {
    double open, copy;
    if (!Run(argv[2], &open, &copy, &copied)) return 1;
    bestOpen = std::min(bestOpen, open);
    bestCopy = std::min(bestCopy, copy);
  }
  PROCESS_MEMORY_COUNTERS m{};
  m.cb = sizeof m;
  GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
  std::printf("%.3f %.3f %lu %lu\n", bestOpen, bestCopy,
              static_cast<unsigned long>(m.PeakWorkingSetSize / 1024),
              static_cast<unsigned long>(copied));
  return 0;
}

// Opening a file and jumping to its end, in ZREDIT32.DLL's window and
// directly with the line buffer as TARVO.EXE does it; one way per process,
// so that its peak working set is its own. bench/viewer_libraries.sh runs it.
//   viewer_library_bench library DLL FILE RUNS   the window: ZV_OPEN, then End, then painted
//   viewer_library_bench core FILE RUNS          LoadLinesAround at the start, then at the end
// Prints "seconds peak-KiB", the seconds being the best of RUNS.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/line_buffer.h"
#include "viewers/contract/viewer_messages.h"
#include "viewers/contract/viewer_names.h"

namespace {
constexpr int kLinesPerScreen = 40;
constexpr int32_t kLineLength = 1024;

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

unsigned long PeakKiB() {
  PROCESS_MEMORY_COUNTERS m{};
  m.cb = sizeof m;
  GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
  return static_cast<unsigned long>(m.PeakWorkingSetSize / 1024);
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case ZV_TEXTCOLOR: return GetSysColor(COLOR_WINDOWTEXT);
    case ZV_BACKCOLOR: return GetSysColor(COLOR_WINDOW);
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);  // ZV_GETFONT: 0, the default font
}

double LibraryRun(const char* path) {
  HWND host = CreateWindowExA(0, "BenchHost", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800,
                              700, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND child = CreateWindowExA(0, kTextLibrary.WindowClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0,
                               28, 780, 600, host, nullptr, GetModuleHandleA(nullptr), nullptr);
  auto start = std::chrono::steady_clock::now();
  bool opened = SendMessageA(child, ZV_OPEN, 0, reinterpret_cast<LPARAM>(path)) != 0;
  SendMessageA(child, WM_KEYDOWN, VK_END, 0);
  UpdateWindow(child);
  double seconds = Seconds(start);
  DestroyWindow(host);
  return opened ? seconds : -1;
}

double CoreRun(const char* path) {
  std::vector<LineEntry> entries(kLineTableEntries);
  std::vector<char> characters(kTextArenaBlockBytes);
  LineTable table{entries.data(), kLineTableEntries, 0, 0, 0};
  TextArena arena{characters.data(), kTextArenaBlockBytes, 0};
  FileRef file;
  CopyText(file.Path, path);
  auto start = std::chrono::steady_clock::now();
  file.Flen = QueryFileSize(path);
  uint16_t status = LoadLinesAround(0, 0, kLinesPerScreen, kLineLength, file, table, arena, nullptr,
                                    FormatText, FMT_EXPAND_TABS, 8);
  status |= LoadLinesAround(file.Flen, 0, kLinesPerScreen, kLineLength, file, table, arena, nullptr,
                            FormatText, FMT_EXPAND_TABS, 8);
  double seconds = Seconds(start);
  return (status & ST_FAILED) ? -1 : seconds;
}
}  // namespace

int main(int argc, char** argv) {
  bool library = argc == 5 && std::strcmp(argv[1], "library") == 0;
  bool core = argc == 4 && std::strcmp(argv[1], "core") == 0;
  if (!library && !core) {
    std::fprintf(stderr, "usage: see the top of viewer_library_bench.cpp\n");
    return 2;
  }
  if (library) {
    if (!LoadLibraryA(argv[2])) return 1;
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchHost";
    RegisterClassA(&wc);
  }
  const char* path = library ? argv[3] : argv[2];
  int runs = std::atoi(library ? argv[4] : argv[3]);
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    double s = library ? LibraryRun(path) : CoreRun(path);
    if (s < 0) return 1;
    best = std::min(best, s);
  }
  std::printf("%.4f %lu\n", best, PeakKiB());
  return 0;
}

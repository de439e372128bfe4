// Opening a file and jumping to its end, in ZREDIT32.DLL's window and
// directly with the line buffer as TARVO.EXE does it; one way per process,
// so that its peak working set is its own. bench/viewer_libraries.sh runs it.
//   viewer_library_bench library DLL FILE RUNS   the window: ZV_OPEN, then End, then painted
//   viewer_library_bench core FILE RUNS          LoadLinesAround at the start, then at the end
// Prints "seconds peak-KiB", the seconds being the best of RUNS.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/library_bench.h"
#include "common/text_copy.h"
#include "viewer/buffer/file_access.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/line_buffer.h"
#include "viewers/contract/viewer_names.h"

namespace {
using library_bench::Clock;
using library_bench::Since;

constexpr int kLinesPerScreen = 40;
constexpr int32_t kLineLength = 1024;

double LibraryRun(const char* path) {
  HWND host;
  HWND child = library_bench::CreateLibraryWindow(kTextLibrary.WindowClass, &host);
  auto start = Clock::now();
  bool opened = SendMessageA(child, ZV_OPEN, 0, reinterpret_cast<LPARAM>(path)) != 0;
  SendMessageA(child, WM_KEYDOWN, VK_END, 0);
  UpdateWindow(child);
  double seconds = Since(start);
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
  auto start = Clock::now();
  file.Flen = QueryFileSize(path);
  uint16_t status = LoadLinesAround(0, 0, kLinesPerScreen, kLineLength, file, table, arena, nullptr,
                                    FormatText, FMT_EXPAND_TABS, 8);
  status |= LoadLinesAround(file.Flen, 0, kLinesPerScreen, kLineLength, file, table, arena, nullptr,
                            FormatText, FMT_EXPAND_TABS, 8);
  double seconds = Since(start);
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
    library_bench::RegisterHost();
  }
  const char* path = library ? argv[3] : argv[2];
  int runs = std::atoi(library ? argv[4] : argv[3]);
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    double s = library ? LibraryRun(path) : CoreRun(path);
    if (s < 0) return 1;
    best = std::min(best, s);
  }
  std::printf("%.4f %lu\n", best, library_bench::PeakKiB());
  return 0;
}

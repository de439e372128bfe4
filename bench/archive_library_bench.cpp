// Opening a ZIP archive in ZRCP32.DLL's window until its listing is
// painted, then selecting and copying the whole listing; bench/archives.sh
// runs it under Wine next to `unzip -l` of the same file.
//   archive_library_bench DLL FILE RUNS
// Prints "open-seconds copy-seconds peak-KiB copied-bytes", the seconds
// being the best of RUNS and the memory the process's peak working set.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/library_bench.h"
#include "viewers/contract/viewer_names.h"

namespace {
using library_bench::Clock;
using library_bench::Since;

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
  HWND host;
  HWND child = library_bench::CreateLibraryWindow(kArchiveLibrary.WindowClass, &host);
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
  if (!library_bench::StartWithLibrary(argc, argv, "archive_library_bench")) return 2;
  double bestOpen = 1e9, bestCopy = 1e9;
  size_t copied = 0;
  for (int i = 0; i < std::atoi(argv[3]); ++i) {
    double open, copy;
    if (!Run(argv[2], &open, &copy, &copied)) return 1;
    bestOpen = std::min(bestOpen, open);
    bestCopy = std::min(bestCopy, copy);
  }
  std::printf("%.3f %.3f %lu %lu\n", bestOpen, bestCopy, library_bench::PeakKiB(),
              static_cast<unsigned long>(copied));
  return 0;
}

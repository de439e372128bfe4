// Opening a picture in ZRG32.DLL's window until it is painted, one file a
// process so that the peak memory is the file's own; bench/pictures.sh
// runs it under Wine next to the native decode.
//   picture_library_bench DLL FILE RUNS
// Prints "seconds peak-KiB", the seconds being the best of RUNS and the
// memory the process's peak working set.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/library_bench.h"
#include "viewers/contract/viewer_names.h"

namespace {
double Run(const char* path) {
  HWND host;
  HWND child = library_bench::CreateLibraryWindow(kGraphicsLibrary.WindowClass, &host);
  const auto start = library_bench::Clock::now();
  const bool opened = SendMessageA(child, ZV_OPEN, 2, reinterpret_cast<LPARAM>(path)) != 0;
  UpdateWindow(child);
  const double seconds = library_bench::Since(start);
  DestroyWindow(host);
  return opened ? seconds : -1;
}
}  // namespace

int main(int argc, char** argv) {
  if (!library_bench::StartWithLibrary(argc, argv, "picture_library_bench")) return 2;
  double best = 1e9;
  for (int i = 0; i < std::atoi(argv[3]); ++i) {
    const double s = Run(argv[2]);
    if (s < 0) return 1;
    best = std::min(best, s);
  }
  std::printf("%.3f %lu\n", best, library_bench::PeakKiB());
  return 0;
}

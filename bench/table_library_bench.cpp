// Opening a large DBF table in ZRDB32.DLL's window until it is painted,
// then going to its last record until that is painted, next to reading
// that record with a plain seek in the same process; bench/tables.sh runs
// it under Wine.
//   table_library_bench DLL FILE RUNS
// Prints "open-s last-s seek-s peak-KiB", the seconds being the best of
// RUNS and the memory the process's peak working set.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/library_bench.h"
#include "viewers/contract/viewer_names.h"

namespace {
using library_bench::Clock;
using library_bench::Since;

// Seconds to open and paint, and to go to the last record and paint.
bool Run(const char* path, double* open, double* last) {
  HWND host;
  HWND child = library_bench::CreateLibraryWindow(kDatabaseLibrary.WindowClass, &host);
  auto start = Clock::now();
  const bool opened = SendMessageA(child, ZV_OPEN, 7, reinterpret_cast<LPARAM>(path)) != 0;
  UpdateWindow(child);
  *open = Since(start);
  start = Clock::now();
  SendMessageA(child, ZV_GOTO, 0, SendMessageA(child, ZV_RECORDCOUNT, 0, 0));
  UpdateWindow(child);
  *last = Since(start);
  DestroyWindow(host);
  return opened;
}

// The last record read straight from the file by its header's numbers.
double PlainSeek(const char* path) {
  const auto start = Clock::now();
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  BYTE header[32];
  DWORD got = 0;
  ReadFile(file, header, sizeof header, &got, nullptr);
  const uint32_t records = header[4] | header[5] << 8 | header[6] << 16 | header[7] << 24;
  const uint32_t headerLength = header[8] | header[9] << 8,
                 recordLength = header[10] | header[11] << 8;
  const LONGLONG at = headerLength + static_cast<LONGLONG>(records - 1) * recordLength;
  LONG high = static_cast<LONG>(at >> 32);
  SetFilePointer(file, static_cast<LONG>(at & 0xFFFFFFFF), &high, FILE_BEGIN);
  std::vector<BYTE> record(recordLength);
  ReadFile(file, record.data(), recordLength, &got, nullptr);
  CloseHandle(file);
  return got == recordLength ? Since(start) : -1;
}
}  // namespace

int main(int argc, char** argv) {
  if (!library_bench::StartWithLibrary(argc, argv, "table_library_bench")) return 2;
  double open = 1e9, last = 1e9, seek = 1e9;
  for (int i = 0; i < std::atoi(argv[3]); ++i) {
    double o, l;
    if (!Run(argv[2], &o, &l)) return 1;
    open = std::min(open, o), last = std::min(last, l), seek = std::min(seek, PlainSeek(argv[2]));
  }
  std::printf("%.4f %.4f %.6f %lu\n", open, last, seek, library_bench::PeakKiB());
  return 0;
}

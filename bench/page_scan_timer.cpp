// The reference for the viewer's page index under the same Wine: the file
// read flat out in chunks of 8192 bytes (the viewer's default buffer) with
// ReadFile, its page starts found with the search's vector scan. No window,
// no index file.
//   page_scan_timer FILE RUNS
// Prints "seconds pages", the seconds being the best of RUNS.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "viewer/navigation/pattern_scan.h"

namespace {
constexpr DWORD kChunk = 8192;

double Seconds(LARGE_INTEGER from) {
  LARGE_INTEGER to, f;
  QueryPerformanceCounter(&to);
  QueryPerformanceFrequency(&f);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

long CountPages(const char* path) {
  HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return -1;
  static const uint8_t kFormFeed = '\f';
  const PatternScanner formFeeds(&kFormFeed, 1, true);
  static uint8_t buffer[kChunk];
  long pages = 1;
  uint8_t before = 0;
  for (DWORD n; ReadFile(f, buffer, kChunk, &n, nullptr) && n > 0;) {
    for (size_t at = 0; at < n;) {
      const ptrdiff_t i = formFeeds.Find(buffer + at, n - at);
      if (i < 0) break;
      const uint8_t previous = at + i == 0 ? before : buffer[at + i - 1];
      pages += previous == '\n' || previous == '\r';
      at += static_cast<size_t>(i) + 1;
    }
    before = buffer[n - 1];
  }
  CloseHandle(f);
  return pages;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: page_scan_timer FILE RUNS\n");
    return 2;
  }
  double best = 1e9;
  long pages = 0;
  for (int run = 0; run < std::atoi(argv[2]); ++run) {
    LARGE_INTEGER began;
    QueryPerformanceCounter(&began);
    pages = CountPages(argv[1]);
    const double s = Seconds(began);
    if (s < best) best = s;
  }
  std::printf("%.3f %ld\n", best, pages);
  return pages > 0 ? 0 : 1;
}

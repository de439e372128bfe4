// Decoding a picture file with the graphics viewer's readers, natively:
// the reference for the viewer library's time to its first paint under
// Wine (bench/pictures.sh runs both).
//   picture_decode_bench FILE RUNS
// Prints "seconds peak-KiB status", the seconds being the best of RUNS.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "viewers/graphics/formats/picture_document.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: picture_decode_bench FILE RUNS\n");
    return 2;
  }
  double best = 1e9;
  const char* status = "decoded";
  for (int i = 0; i < std::atoi(argv[2]); ++i) {
    const auto start = std::chrono::steady_clock::now();
    PictureDocument document = OpenPictureDocument(argv[1]);
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (document.Status == DecodeStatus::TooLarge) status = "too-large";
    else if (document.Frames.empty()) status = "declined";
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%.3f %ld %s\n", best, usage.ru_maxrss, status);
  return 0;
}

// Figures for the page index; bench/page_index.sh runs it next to grep.
//   page_index_bench generate PATH MIB   text lines of 40-120 bytes, a form feed every 60 lines
//   page_index_bench index PATH BUFFER RUNS
//                                        the whole index made chunk by chunk through the file
//                                        seam (temporary file included), buffer bytes a chunk
//   page_index_bench memchr PATH BUFFER RUNS
//                                        reads of the same size and a memchr for form feeds
// index and memchr print "pages seconds", the seconds being the best of RUNS.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "viewer/buffer/file_access.h"
#include "viewer/navigation/page_index.h"

namespace {
double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

int Generate(const char* path, long mib) {
  std::FILE* out = std::fopen(path, "wb");
  if (!out) return 1;
  std::mt19937 rng(7);
  std::string block;
  for (int line = 1; block.size() < (1u << 20); ++line) {
    block.append(40 + rng() % 80, static_cast<char>('a' + rng() % 26));
    block += line % 60 ? "\r\n" : "\r\n\f";
  }
  for (long i = 0; i < mib; ++i) std::fwrite(block.data(), 1, 1u << 20, out);
  return std::fclose(out) == 0 ? 0 : 1;
}

// Form feeds after a line end, found with plain reads and memchr.
long MemchrPass(const char* path, int32_t bufferBytes) {
  const FileSystem& fs = Files();
  FileHandle f = fs.Open(path);
  std::vector<uint8_t> buffer(static_cast<size_t>(bufferBytes));
  long pages = 1;
  uint8_t before = 0;
  for (int32_t n; (n = fs.Read(f, buffer.data(), bufferBytes)) > 0;) {
    const uint8_t* end = buffer.data() + n;
    for (const uint8_t* p = buffer.data();
         (p = static_cast<const uint8_t*>(std::memchr(p, '\f', end - p))); ++p) {
      uint8_t previous = p == buffer.data() ? before : p[-1];
      pages += previous == '\n' || previous == '\r';
    }
    before = end[-1];
  }
  fs.Close(f);
  return pages;
}

long Index(const char* path, int32_t bufferBytes) {
  PageIndex index;
  if (PageIndexStart(index, path, bufferBytes) != PageIndexError::kNone) return -1;
  while (index.State == PG_ACTIVE)
    if (PageIndexChunk(index) != PageIndexError::kNone) return -1;
  long pages = index.PageCount;
  PageIndexClose(index);
  return pages;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "generate") == 0) return Generate(argv[2], std::atol(argv[3]));
  if (argc != 5) {
    std::fprintf(stderr, "usage: see the top of page_index_bench.cpp\n");
    return 2;
  }
  const bool index = std::strcmp(argv[1], "index") == 0;
  const int32_t buffer = std::atoi(argv[3]);
  const int runs = std::atoi(argv[4]);
  double best = 1e9;
  long pages = 0;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    pages = index ? Index(argv[2], buffer) : MemchrPass(argv[2], buffer);
    best = std::min(best, Seconds(start));
  }
  std::printf("%ld %.4f\n", pages, best);
  return pages > 0 ? 0 : 1;
}

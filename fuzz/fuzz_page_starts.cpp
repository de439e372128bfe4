// The page index against a plain reading of the whole file: the page-start
// scan in chunks of any size finds the same starts in order, and the index
// made chunk by chunk through the file seam, with lookups between the
// chunks, holds exactly those records and answers every lookup with them.
#include <cstdint>
#include <vector>

#include "viewer/buffer/memory_files.h"
#include "viewer/navigation/page_index.h"
#include "viewer/navigation/page_starts.h"

namespace {
void CheckScan(const uint8_t* file, size_t length, size_t chunk,
               const std::vector<int64_t>& expected) {
  std::vector<int64_t> found;
  uint8_t before = 0;
  for (size_t at = 0; at < length; at += chunk) {
    size_t n = length - at < chunk ? length - at : chunk;
    before = ForEachPageStart(file + at, n, before, static_cast<int64_t>(at), [&](int64_t o) {
      found.push_back(o);
      return true;
    });
  }
  if (found != expected) __builtin_trap();
}

void CheckIndex(const uint8_t* file, size_t length, int32_t chunk,
                const std::vector<int64_t>& starts) {
  MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"].assign(file, file + length);
  PageIndex index;
  if (PageIndexStart(index, "f", chunk) != PageIndexError::kNone) __builtin_trap();
  for (int32_t probe = 1; index.State == PG_ACTIVE; ++probe) {
    if (PageIndexChunk(index) != PageIndexError::kNone) __builtin_trap();
    int32_t page = 1 + probe % (index.PageCount + 1);  // now and then one past the count
    FileOffset at = PageIndexLookup(index, page, index.PageCount);
    FileOffset want = page == 1 ? 0 : page <= index.PageCount ? starts[page - 2] : kPageOutOfRange;
    if (at != want) __builtin_trap();
  }
  if (index.State != PG_DONE || index.PageCount != static_cast<int32_t>(starts.size()) + 1)
    __builtin_trap();
  for (int32_t page = 1; page <= index.PageCount; ++page)
    if (PageIndexLookup(index, page, 0) != (page == 1 ? 0 : starts[page - 2])) __builtin_trap();
  PageIndexClose(index);
  UsePlatformFiles();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const size_t chunk = 1 + data[0] % 64;
  const uint8_t* file = data + 1;
  const size_t length = size - 1;
  std::vector<int64_t> expected;
  for (size_t i = 1; i < length; ++i)
    if (file[i] == '\f' && IsLineEnd(file[i - 1])) expected.push_back(static_cast<int64_t>(i));
  CheckScan(file, length, chunk, expected);
  CheckIndex(file, length, static_cast<int32_t>(chunk), expected);
  return 0;
}

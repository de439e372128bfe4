// The page-start scan in chunks of any size against a plain reading of the
// whole file: the same page starts, in order.
#include <cstdint>
#include <vector>

#include "viewer/navigation/page_starts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const size_t chunk = 1 + data[0] % 64;
  const uint8_t* file = data + 1;
  const size_t length = size - 1;
  std::vector<int64_t> expected, found;
  for (size_t i = 1; i < length; ++i)
    if (file[i] == '\f' && IsLineEnd(file[i - 1])) expected.push_back(static_cast<int64_t>(i));
  uint8_t before = 0;
  for (size_t at = 0; at < length; at += chunk) {
    size_t n = length - at < chunk ? length - at : chunk;
    before = ForEachPageStart(file + at, n, before, static_cast<int64_t>(at), [&](int64_t o) {
      found.push_back(o);
      return true;
    });
  }
  if (found != expected) __builtin_trap();
  return 0;
}

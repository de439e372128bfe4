#include "viewer/navigation/page_starts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// The page starts of text scanned in chunks of the given size.
std::vector<int64_t> Starts(const std::string& text, size_t chunk) {
  std::vector<int64_t> starts;
  uint8_t before = 0;
  for (size_t at = 0; at < text.size(); at += chunk) {
    size_t n = std::min(chunk, text.size() - at);
    before = ForEachPageStart(reinterpret_cast<const uint8_t*>(text.data()) + at, n, before,
                              static_cast<int64_t>(at), [&](int64_t o) {
                                starts.push_back(o);
                                return true;
                              });
  }
  return starts;
}
}  // namespace

TEST(PageStarts, FormFeedsAfterALineEndStartPagesWhereverTheChunksEnd) {
  struct Case {
    std::string text;
    std::vector<int64_t> starts;
  } cases[] = {
      {"", {}},
      {"\fa", {}},  // at offset 0: page 1 already starts there
      {"a\fb", {}},
      {"a\r\n\fb", {3}},  // CR LF FF once
      {"a\n\f\fb", {2}},  // LF FF FF once
      {"a\r\fb\n\fc", {2, 5}},
      {"\n\f", {1}},
      // Long enough for the vector scan: form feeds on both sides of its steps.
      {std::string(130, 'x') + "\n\f" + std::string(61, 'y') + "\r\f" + std::string(70, 'z') +
           "\f" + std::string(62, 'w') + "\n\f",
       {131, 194, 329}},
  };
  for (const Case& c : cases)
    for (size_t chunk : {1, 2, 3, 64, 1000}) EXPECT_EQ(Starts(c.text, chunk), c.starts) << chunk;
}

TEST(PageStarts, TheCallerMayStopTheScan) {
  const std::string text = "\n\f\n\f\n\f";
  int calls = 0;
  ForEachPageStart(reinterpret_cast<const uint8_t*>(text.data()), text.size(), 0, 100,
                   [&](int64_t o) {
                     EXPECT_EQ(o, 101);
                     return ++calls < 1;
                   });
  EXPECT_EQ(calls, 1);
}

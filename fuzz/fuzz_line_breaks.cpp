// Breaking long lines: only "\n" is ever added, every line but the last
// piece of a broken one fits (or is one character), and nothing is lost.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/line_breaks.h"

namespace {
int Width(std::string_view piece) {
  int width = 0;
  for (unsigned char c : piece) width += 1 + c % 7;
  return width;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int maxWidth = 1 + data[0] % 64;
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string broken = BreakLongLines(text, maxWidth, Width);

  std::string kept;
  size_t i = 0;
  for (char c : broken) {
    if (i < text.size() && text[i] == c) {
      kept += c;
      ++i;
    } else if (c != '\n') {
      std::abort();  // something other than a line break was added
    }
  }
  if (kept != text) std::abort();

  size_t start = 0;
  while (start <= broken.size()) {
    size_t end = broken.find('\n', start);
    std::string_view line = std::string_view(broken).substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > 1 && Width(line) > maxWidth) std::abort();
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return 0;
}

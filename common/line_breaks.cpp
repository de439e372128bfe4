#include "common/line_breaks.h"

namespace {

// The length of the longest start of line that fits, at least 1.
size_t FittingLength(std::string_view line, int maxWidth,
                     const std::function<int(std::string_view)>& widthOf) {
  size_t low = 1, high = line.size();
  while (low < high) {
    size_t middle = (low + high + 1) / 2;
    if (widthOf(line.substr(0, middle)) <= maxWidth)
      low = middle;
    else
      high = middle - 1;
  }
  return low;
}

void AppendBrokenLine(std::string_view line, int maxWidth,
                      const std::function<int(std::string_view)>& widthOf, std::string& out) {
  while (line.size() > 1 && widthOf(line) > maxWidth) {
    size_t fits = FittingLength(line, maxWidth, widthOf);
    size_t split = line.substr(0, fits).find_last_of(" \\");
    size_t cut = split == std::string_view::npos || split == 0 ? fits : split + 1;
    out.append(line.substr(0, cut));
    out += '\n';
    line.remove_prefix(cut);
  }
  out.append(line);
}

}  // namespace

std::string BreakLongLines(std::string_view text, int maxWidth,
                           const std::function<int(std::string_view)>& widthOf) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (;;) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    bool returns = !line.empty() && line.back() == '\r';
    AppendBrokenLine(returns ? line.substr(0, line.size() - 1) : line, maxWidth, widthOf, out);
    if (returns) out += '\r';
    if (end == std::string_view::npos) return out;
    out += '\n';
    text.remove_prefix(end + 1);
  }
}

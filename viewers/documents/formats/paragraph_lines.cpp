#include "viewers/documents/formats/paragraph_lines.h"

#include <algorithm>

namespace {
// No line of a window or a page holds more bytes than this; measuring
// never looks further, however long the paragraph.
constexpr uint32_t kLongestLine = 2048;

// How many bytes from start fit the width, at least one.
uint32_t FittingBytes(std::string_view rest, int width, const TextWidth& measure) {
  uint32_t low = 1, high = static_cast<uint32_t>(std::min<size_t>(rest.size(), kLongestLine));
  if (measure(rest.substr(0, high)) <= width) return high;
  while (low < high) {  // the longest prefix that fits, by halving
    const uint32_t mid = (low + high + 1) / 2;
    if (measure(rest.substr(0, mid)) <= width)
      low = mid;
    else
      high = mid - 1;
  }
  return low;
}
}  // namespace

std::vector<TextLine> BreakLines(const std::vector<std::string>& paragraphs, int width,
                                 const TextWidth& measure) {
  std::vector<TextLine> lines;
  for (uint32_t p = 0; p < paragraphs.size(); ++p) {
    const std::string_view text = paragraphs[p];
    uint32_t start = 0;
    do {
      const std::string_view rest = text.substr(start);
      uint32_t n = FittingBytes(rest, width, measure);
      if (n < rest.size()) {
        // Back to the last space that fits; spaces after it stay on this line.
        const size_t space = rest.substr(0, n + 1).find_last_of(' ');
        if (space != std::string_view::npos && space > 0) n = static_cast<uint32_t>(space + 1);
        while (n < rest.size() && rest[n] == ' ') ++n;
      }
      lines.push_back({p, start, n});
      start += n;
    } while (start < text.size());
  }
  return lines;
}

bool FindInParagraphs(const std::vector<std::string>& paragraphs, TextPos from,
                      std::string_view needle, const unsigned char* fold, TextPos& found) {
  if (needle.empty()) return false;
  auto same = [fold](char a, char b) {
    if (!fold) return a == b;
    return fold[static_cast<unsigned char>(a)] == fold[static_cast<unsigned char>(b)];
  };
  for (uint32_t p = from.Paragraph; p < paragraphs.size(); ++p) {
    const std::string& text = paragraphs[p];
    const size_t first = p == from.Paragraph ? from.Offset : 0;
    if (first > text.size()) continue;
    auto at = std::search(text.begin() + first, text.end(), needle.begin(), needle.end(), same);
    if (at != text.end()) {
      found = {p, static_cast<uint32_t>(at - text.begin())};
      return true;
    }
  }
  return false;
}

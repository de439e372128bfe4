#include "viewers/common/formats/grid_text.h"

#include <algorithm>

namespace {
char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Holds(std::string_view cell, std::string_view text, bool matchCase) {
  if (matchCase) return cell.find(text) != std::string_view::npos;
  auto at = std::search(cell.begin(), cell.end(), text.begin(), text.end(),
                        [](char a, char b) { return Folded(a) == Folded(b); });
  return at != cell.end();
}

void AppendLine(std::string& out, GridSource& source, uint32_t row) {
  for (size_t c = 0; c < source.ColumnCount(); ++c) {
    if (c) out += '\t';
    out += source.Cell(row, c);
  }
  out += "\r\n";
}
}  // namespace

bool FindInGrid(GridSource& source, GridPlace from, std::string_view text, bool matchCase,
                GridPlace* found) {
  if (text.empty()) return false;
  const size_t columns = source.ColumnCount();
  const uint32_t rows = source.RowCount();
  for (uint32_t row = from.Row; row < rows; ++row) {
    for (size_t c = row == from.Row ? from.Column : 0; c < columns; ++c) {
      if (!source.Column(c).Searched) continue;
      if (Holds(source.Cell(row, c), text, matchCase)) {
        *found = {row, c};
        return true;
      }
    }
  }
  return false;
}

std::string GridHeadingLine(GridSource& source) {
  std::string line;
  for (size_t c = 0; c < source.ColumnCount(); ++c) {
    if (c) line += '\t';
    line += source.Column(c).Heading;
  }
  return line;
}

std::string GridRowsText(GridSource& source, uint32_t first, uint32_t last, size_t limitBytes,
                         bool* complete) {
  std::string text = GridHeadingLine(source) + "\r\n";
  *complete = true;
  last = std::min(last, source.RowCount() ? source.RowCount() - 1 : 0);
  std::string line;
  for (uint32_t row = first; source.RowCount() && row <= last; ++row) {
    line.clear();
    AppendLine(line, source, row);
    if (text.size() + line.size() > limitBytes) {
      *complete = false;
      break;
    }
    text += line;
    if (row == last) break;  // last may be the largest row number
  }
  return text;
}

std::vector<std::string> GridFooterLines(GridSource& source) {
  std::vector<std::string> lines;
  const std::string footer = source.FooterLine();
  size_t start = 0;
  while (start < footer.size()) {
    size_t end = footer.find('\n', start);
    if (end == std::string::npos) end = footer.size();
    lines.push_back(footer.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

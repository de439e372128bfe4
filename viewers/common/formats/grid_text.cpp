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

void AppendLine(std::string& out, GridSource& source, uint32_t row, size_t first, size_t last) {
  for (size_t c = first; c <= last; ++c) {
    if (c > first) out += '\t';
    out += source.Cell(row, c);
  }
  out += "\r\n";
}

// Appends the lines of range to text while they fit in limitBytes.
void AppendRange(std::string& text, GridSource& source, GridRange range, size_t limitBytes,
                 bool* complete) {
  *complete = true;
  const uint32_t rows = source.RowCount();
  const size_t columns = source.ColumnCount();
  if (!rows || !columns || range.FirstColumn > range.LastColumn) return;
  const uint32_t last = std::min(range.LastRow, rows - 1);
  const size_t lastColumn = std::min(range.LastColumn, columns - 1);
  std::string line;
  for (uint32_t row = range.FirstRow; row <= last; ++row) {
    line.clear();
    AppendLine(line, source, row, range.FirstColumn, lastColumn);
    if (text.size() + line.size() > limitBytes) {
      *complete = false;
      break;
    }
    text += line;
    if (row == last) break;  // last may be the largest row number
  }
}
}  // namespace

bool FindInGrid(GridSource& source, GridPlace from, std::string_view text, bool matchCase,
                GridPlace* found) {
  if (text.empty()) return false;
  std::vector<bool> searched;
  for (size_t c = 0; c < source.ColumnCount(); ++c) searched.push_back(source.Column(c).Searched);
  const uint32_t rows = source.RowCount();
  for (uint32_t row = from.Row; row < rows; ++row) {
    for (size_t c = row == from.Row ? from.Column : 0; c < searched.size(); ++c) {
      if (!searched[c]) continue;
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
  const size_t columns = source.ColumnCount();
  AppendRange(text, source, {first, last, 0, columns ? columns - 1 : 0}, limitBytes, complete);
  return text;
}

std::string GridCellsText(GridSource& source, GridRange range, size_t limitBytes, bool* complete) {
  std::string text;
  AppendRange(text, source, range, limitBytes, complete);
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

#include "viewers/tables/ansi_table.h"

#include <windows.h>

#include <algorithm>
#include <vector>

AnsiTable::AnsiTable(std::unique_ptr<TableSource> table)
    : table_(std::move(table)),
      codePage_(table_->CodePage()),
      convert_(codePage_ != GetACP() && IsValidCodePage(codePage_)) {}

GridColumn AnsiTable::Column(size_t column) const {
  GridColumn c = table_->Column(column);
  c.Heading = ToAnsi(std::move(c.Heading));
  return c;
}

std::string AnsiTable::Cell(uint32_t row, size_t column) {
  return ToAnsi(table_->Cell(row, column));
}

std::string AnsiTable::ToAnsi(std::string text) const {
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) { return c >= 0; });
  if (!convert_ || plain || text.size() > 0x10000) return text;
  const int n = static_cast<int>(text.size());
  std::vector<wchar_t> wide(text.size());
  const int chars = MultiByteToWideChar(codePage_, 0, text.data(), n, wide.data(), n);
  if (chars <= 0) return text;
  std::string ansi(static_cast<size_t>(chars) * 2, '\0');
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), chars, ansi.data(),
                                        static_cast<int>(ansi.size()), nullptr, nullptr);
  if (bytes <= 0) return text;
  ansi.resize(static_cast<size_t>(bytes));
  return ansi;
}

// Printing the whole grid in the view's font at the printer's resolution:
// the heading line with a rule under it at the top of every page, then the
// rows in their current order, then the footer's lines.
#include <algorithm>
#include <cstring>

#include "viewers/base/viewer_print_font.h"
#include "viewers/common/grid_view.h"

namespace {
struct PaperGrid {
  HDC Dc;
  int RowHeight;
  int CharWidth;
  int Width;
};

void PrintCells(const PaperGrid& paper, const GridLayout& layout, int y,
                const std::vector<std::string>& cells, const std::vector<GridAlign>& aligns) {
  for (size_t c = 0; c < cells.size(); ++c) {
    RECT clip{static_cast<int>(layout.Starts[c]) * paper.CharWidth, y,
              static_cast<int>(layout.Starts[c + 1]) * paper.CharWidth, y + paper.RowHeight};
    const int x =
        static_cast<int>(CellTextStart(layout, c, cells[c].size(), aligns[c])) * paper.CharWidth;
    ExtTextOutA(paper.Dc, x, y, ETO_CLIPPED, &clip, cells[c].data(),
                static_cast<UINT>(cells[c].size()), nullptr);
  }
}

void PrintHeading(const PaperGrid& paper, const GridLayout& layout) {
  std::vector<std::string> headings;
  std::vector<GridAlign> aligns;
  for (const GridColumn& column : layout.Columns) {
    headings.push_back(column.Heading);
    aligns.push_back(column.Align);
  }
  PrintCells(paper, layout, 0, headings, aligns);
  MoveToEx(paper.Dc, 0, paper.RowHeight - 1, nullptr);
  LineTo(paper.Dc, paper.Width, paper.RowHeight - 1);
}
}  // namespace

bool GridViewWindow::Print(const PRINTDLGA* record) {
  if (!source_) return false;
  const char* slash = std::strrchr(path_, '\\');
  const PrintContent grid = [&](PrintJob& job) {
    TEXTMETRICA tm{};
    GetTextMetricsA(job.Dc(), &tm);
    const PaperGrid paper{job.Dc(), std::max<int>(1, tm.tmHeight + tm.tmExternalLeading),
                          std::max<int>(1, tm.tmAveCharWidth), GetDeviceCaps(job.Dc(), HORZRES)};
    const int perPage = RowsPerPage(GetDeviceCaps(job.Dc(), VERTRES), paper.RowHeight);
    const uint32_t rows = source_->RowCount();
    const uint32_t lines = rows + static_cast<uint32_t>(footer_.size());
    std::vector<std::string> cells(layout_.Columns.size());
    std::vector<GridAlign> aligns(cells.size());
    bool ok = true;
    for (uint32_t line = 0; ok && line < lines; ++line) {
      const int slot = static_cast<int>(line % static_cast<uint32_t>(perPage));
      if (slot == 0 && line > 0) ok = job.NextPage();
      if (!ok) break;
      if (slot == 0) PrintHeading(paper, layout_);
      const int y = (slot + 1) * paper.RowHeight;
      if (line < rows) {
        for (size_t c = 0; c < cells.size(); ++c) {
          cells[c] = source_->Cell(line, c);
          aligns[c] = source_->CellAlign(line, c);
        }
        PrintCells(paper, layout_, y, cells, aligns);
      } else {
        const std::string& text = footer_[line - rows];
        TextOutA(job.Dc(), 0, y, text.data(), static_cast<int>(text.size()));
      }
    }
    if (lines == 0) PrintHeading(paper, layout_);
    return ok;
  };
  return RunPrintJob(*this, record, slash ? slash + 1 : path_,
                     [&](PrintJob& job) { return PrintInFont(Window(), baseFont_, job, grid); });
}

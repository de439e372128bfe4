// The grid's text work that needs no window: finding a text in the cells,
// the tab-separated text of a range of rows under the heading line or of a
// block of cells, and the footer's lines.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "viewers/common/formats/grid_source.h"

// A cell of the grid.
struct GridPlace {
  uint32_t Row = 0;
  size_t Column = 0;
};

// A block of cells, both corners included.
struct GridRange {
  uint32_t FirstRow = 0, LastRow = 0;
  size_t FirstColumn = 0, LastColumn = 0;
};

// The first cell from `from` on (that cell included, then row by row) of a
// searched column whose text holds `text`; false when none does. ASCII
// letters match either case unless matchCase.
bool FindInGrid(GridSource& source, GridPlace from, std::string_view text, bool matchCase,
                GridPlace* found);

// The headings, tab-separated.
std::string GridHeadingLine(GridSource& source);
// The heading line and the rows first..last (inclusive), tab-separated,
// CR LF after every line. Stops before a line that would take the text
// past limitBytes; *complete says whether every row fit.
std::string GridRowsText(GridSource& source, uint32_t first, uint32_t last, size_t limitBytes,
                         bool* complete);
// The cells of range alone, as GridRowsText lays out rows.
std::string GridCellsText(GridSource& source, GridRange range, size_t limitBytes, bool* complete);
// The footer's lines, none when it is empty.
std::vector<std::string> GridFooterLines(GridSource& source);

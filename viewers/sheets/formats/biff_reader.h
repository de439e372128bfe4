// The record layouts of XL worksheets: single-sheet streams of the first
// three layouts, and workbooks (the fifth layout as a stream or in a
// compound document, the eighth in one, with its shared string table).
// Every record is (id, length, data); one whose length runs past the
// stream ends the reading.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/sheets/formats/workbook.h"

void ReadBiff(const std::vector<uint8_t>& stream, Workbook& book);

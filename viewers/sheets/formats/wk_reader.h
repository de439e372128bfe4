// The worksheets of the WK family: a stream of records (type, length,
// data), one sheet in WKS, WK1, WR1 and WQ1 files, several in WK3 and WK4
// files, whose cells name their sheet and whose sheets are lettered A, B,
// ... unless the file names them.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/sheets/formats/workbook.h"

// Adds the sheets of the record stream bytes to book; records whose
// length runs past the stream end the reading.
void ReadWk(const std::vector<uint8_t>& bytes, Workbook& book);

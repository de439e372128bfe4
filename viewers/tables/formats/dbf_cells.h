// A DBF field's bytes as the text of its cell, and the column a field
// gets: its heading (name and type, as "NAME C(20)" or "PRICE N(8,2)"),
// width and alignment.
#pragma once
#include <cstdint>
#include <string>

#include "viewers/common/formats/grid_source.h"
#include "viewers/tables/formats/dbf_header.h"
#include "viewers/tables/formats/memo_file.h"

// raw holds the field's Length bytes. Character fields keep their bytes in
// the table's code page; control characters become spaces, so that a cell
// stays one line.
std::string DbfCellText(const DbfField& field, DbfFlavour flavour, const uint8_t* raw,
                        const MemoFile& memos);

GridColumn DbfFieldColumn(const DbfField& field, DbfFlavour flavour);

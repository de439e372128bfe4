// Spreadsheet cells as the go-to dialog of a worksheet names them: columns
// A ... Z, AA ... ZZ, AAA ..., rows from 1.
#pragma once
#include <cstdint>
#include <string_view>

// The name of column index k (A = 0) into out, at least 4 characters.
void ColumnName(unsigned k, char (&out)[4]);

// Parses text as a cell of a sheet with columns 0 ... lastColumn and rows
// 0 ... lastRow: at most three letters, then the row number from 1. On
// success *cell = row * 65536 + column and true; false when the text names
// no cell of the sheet.
bool ParseCell(std::string_view text, unsigned lastColumn, unsigned lastRow, uint32_t* cell);

// Worksheet files the tests make: records built from their parts, a WK1
// sheet and a workbook of the eighth XL layout with two sheets, whose cells
// the native tests list.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sheet_bytes {

using Bytes = std::string;

Bytes Le(uint64_t v, int n);
Bytes F64(double v);
Bytes Rec(uint16_t id, const Bytes& data);  // id, length, data
Bytes At(int row, int column);
// A workbook of the fifth or the eighth layout: the globals, then each
// (name, records) sheet where its BOUNDSHEET record says.
Bytes BiffBook(bool eighth, const std::vector<std::pair<Bytes, Bytes>>& sheets, const Bytes& globals);
Bytes Xf(int format);  // a cell format of number format index format
Bytes Cell(uint16_t id, int row, int column, int xf, const Bytes& value);
Bytes U16(const std::string& s, bool wide);  // a string of the eighth layout

// A1 Name, B1 Total, A2 -42, B2 3.14, C2 12.5%, D2 ($1,234.50), E2 31-Dec-99,
// C5 7, Z6 1,234.50, AA6 25%, AB6 Made.
Bytes Wk1Sheet();
// Sheets "Budget" and "Notes" (named by the file) and a third left
// unnamed: Budget's A1 Region, row 2 small numbers 123, 35000, 1.25,
// -0.015, row 3 packed numbers 123.45, -7000 and the double 2.5, row 4 ERR
// and NA; the third sheet's B2 9.
Bytes Wk3Book();
// "First": A1 Region, A2 North, B2 17, D3 Continued!, A4 Inline;
// "Second": A1 TRUE, C10 5000%. The Workbook stream of a compound document.
Bytes Biff8Book();

}  // namespace sheet_bytes

// What the go-to dialogs post for the text of their field: a byte offset
// written in hex, or a record number written in decimal.
#pragma once
#include <cstdint>
#include <string_view>

// The digits as a hex number, most significant first (each digit as
// HexDigitValue gives it), kept to 32 bits.
uint32_t HexGotoValue(std::string_view text);
// Leading white space, one sign, then the digits up to the first
// non-digit; 0 when there are none. Kept to 32 bits.
int32_t RecordNumberValue(std::string_view text);

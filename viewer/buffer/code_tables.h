// The 256-entry display tables of the three character codes: a file byte b
// is shown as table[b].
#pragma once
#include <cstdint>

using CodeTable = const uint8_t*;

// EbcdicTable with FMT_EBCDIC, else OemTable with FMT_OEM, else AnsiTable.
// The ANSI and OEM tables are built on first use; their form-feed entry
// follows FMT_KEEP_FF of every call (code 12 with it, 0xF0 without).
CodeTable SelectCodeTable(uint32_t flags);
// Character to EBCDIC byte, for searching EBCDIC files (0 where none).
CodeTable EbcdicReverseTable();

// The OEM-to-ANSI conversion of the 256 byte values that OemTable is made
// from: the platform's code pages in the program, identity natively.
void PlatformOemToAnsi(uint8_t conversions[256]);
// Replaces the platform's conversion (tests); nullptr restores it. The OEM
// table is rebuilt at its next selection.
void SetOemConversion(const uint8_t* conversions);

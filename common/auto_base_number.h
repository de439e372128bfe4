// Whole numbers typed into dialog fields, their base told by a prefix:
// "0x" or "0X" hexadecimal, a leading 0 octal, else decimal. They are read
// as the C library's strtoull and strtoll read them with base 0 (blanks
// skipped first, then an optional sign), in 64 bits, which the C runtime of
// the shipped programs does not offer.
#pragma once
#include <cstddef>
#include <cstdint>

struct AutoBaseNumber {
  int64_t Value = 0;
  size_t Length = 0;  // characters read; 0 when the text starts with no number
};

// Unsigned: a minus sign negates modulo 2^64 and a number beyond 64 bits
// reads UINT64_MAX, as strtoull does; Value holds those 64 bits. Signed: a
// number beyond the int64 range reads its nearer end, as strtoll does.
AutoBaseNumber ParseAutoBaseNumber(const char* text, bool isSigned);

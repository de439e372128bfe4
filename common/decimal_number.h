// Fixed-point numbers typed into dialog fields (margins in inches or
// centimetres): value is the number in units of 10^-decimals.
#pragma once
#include <cstdint>

// 0 when text is a valid number, else the 1-based position of the first
// character that is not part of one (just past the end when nothing but
// blanks or a minus sign was given). Digits beyond `decimals` are cut off.
int ParseDecimal(const char* text, char separator, int decimals, int32_t* value);
// Writes value with its fraction, leaving out trailing zeros of the fraction
// (and the separator when nothing is left of it); the length written.
// buffer holds at least 24 characters.
int FormatDecimal(char* buffer, char separator, int decimals, int32_t value);

// The hex find dialog's two fields show the same bytes: the ASCII field as
// characters, the hex field as two upper-case digits per byte. Each field's
// filter rewrites the other after every keystroke.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Every byte of text as "%02X" into out (terminated, cut to size).
void BytesToHexDigits(std::string_view text, char* out, size_t size);
// The complete digit pairs of digits as bytes into out, terminated and cut
// to size; a last odd digit is ignored, and the first 00 byte ends the text.
void HexDigitsToBytes(std::string_view digits, char* out, size_t size);
// The value of one digit: c - '0' up to '9', c - 55 above (A-F give 10-15;
// what else the field lets through goes by the same rule).
unsigned HexDigitValue(char c);

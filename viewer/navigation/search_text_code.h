// A typed search text turned into the bytes of the file's character code,
// so that the search compares raw file bytes: ANSI stays as typed, ASCII
// (OEM) goes through the platform's ANSI-to-OEM conversion, EBCDIC through
// the reverse of the EBCDIC display table.
#pragma once
#include <cstdint>
#include <string_view>

// Converts length bytes of ANSI text into OEM text (the platform's call).
using AnsiToOemConversion = void (*)(const char* ansi, char* oem, int length);

// The program installs the platform's conversion at start-up; without one
// the text stays as typed.
void SetAnsiToOem(AnsiToOemConversion convert);
// Converts length bytes of ANSI text into at most capacity UTF-16 units;
// returns the count (the platform's call).
using AnsiToWideConversion = int (*)(const char* ansi, int length, uint16_t* wide, int capacity);
// Without one, each byte is the Latin-1 character of its value.
void SetAnsiToWide(AnsiToWideConversion convert);
// 256 entries: display character -> EBCDIC byte (the display placeholder of
// undisplayable bytes maps back to 0). nullptr: the text stays as typed.
void SetEbcdicReverseTable(const uint8_t* reverse);

// Converts typed (cut to capacity) for charCode (CODE_ANSI, CODE_ASCII,
// CODE_EBCDIC, the Unicode codes; CODE_NONE counts as ANSI). A UTF-16 text
// holds zero bytes: its length is the count returned, never a NUL. Returns
// the number of bytes stored; a character that does not fit is left out.
int TypedTextToFileCode(std::string_view typed, int charCode, uint8_t* out, int capacity);

// A recent-list entry as the pattern (at most kSearchPatternBytes there):
// in the byte codes the list keeps the converted bytes, given as they are;
// in UTF-8 and UTF-16 it keeps the typed text, converted each time (UTF-16
// holds zero bytes). Returns the pattern's length.
int StoredTextToPattern(std::string_view stored, int charCode, uint8_t* pattern);

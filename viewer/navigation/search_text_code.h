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
// 256 entries: display character -> EBCDIC byte (the display placeholder of
// undisplayable bytes maps back to 0). nullptr: the text stays as typed.
void SetEbcdicReverseTable(const uint8_t* reverse);

// Converts typed (cut to capacity) for charCode (CODE_ANSI, CODE_ASCII,
// CODE_EBCDIC; CODE_NONE counts as ANSI). Returns the number of bytes stored.
int TypedTextToFileCode(std::string_view typed, int charCode, uint8_t* out, int capacity);

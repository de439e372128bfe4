// Hex texts of the Find Hex dialog and DDE Find: hex digits, high nibble
// first, spaces between bytes ("41 42" and "4142" are both 0x41 0x42; a
// byte with one digit before a space or the end keeps it as its high
// nibble, so "4 1" is 0x40 0x10).
#pragma once
#include <cstdint>
#include <string_view>

constexpr int kHexTextMaxChars = 64;

// Parses text into out. Returns the number of bytes the text describes, or
// -1 - i for a bad character at index i. Bytes past capacity are checked
// but not stored.
int ParseHexText(std::string_view text, uint8_t* out, int capacity);

// The dialog's check of a hex text: its length in characters (spaces
// included) must lie within minChars .. kHexTextMaxChars, then it must parse.
enum class HexTextCheck { Ok, BadLength, BadDigit };
struct HexTextResult {
  HexTextCheck check;
  int count;     // bytes stored (Ok)
  int badIndex;  // index of the bad character (BadDigit)
};
HexTextResult CheckHexText(std::string_view text, int minChars, uint8_t* out, int capacity);

// "Number of hex digits must be between 1 and 64!" for the message box.
int HexLengthMessage(char* out, int size);
// "Invalid hex digit "c"!" for the dialog's message line.
int InvalidHexDigitLine(char bad, char* out, int size);

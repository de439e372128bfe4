// The main text of a document stored in a compound file: the
// "WordDocument" stream starts with a file information block that says
// which table stream ("0Table" or "1Table") holds the piece table, where
// in it, and how many characters the main text has; each piece of the
// table is a run of characters in the "WordDocument" stream, either 8-bit
// or 16-bit.
#pragma once
#include <cstdint>

class ParagraphBuilder;

// False when the file is not a compound document with such a stream or its
// piece table lies outside its table stream; pieces that point outside the
// text stream end the text there.
bool ReadPieceTableText(const char* path, ParagraphBuilder& text);

// A 16-bit character in the code page of the window (Windows Latin 1):
// the Latin-1 range as it is, the common punctuation above it, else '?'.
unsigned char LatinByteOf(char16_t c);

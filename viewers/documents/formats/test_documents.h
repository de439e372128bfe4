// Documents the tests write, natively and under Wine: each holds the given
// paragraphs.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

using DocumentBytes = std::vector<uint8_t>;
using Paragraphs = std::vector<std::string>;

// A 128-byte header with BE 00 00 00 AB at bytes 1-5, the paragraphs
// joined by CR LF, the end of text at byte 14.
DocumentBytes MakeBeAbDocument(const Paragraphs& paragraphs);
// The FF 57 50 43 prefix with version byte 0 (or 2 for sixth), and the
// paragraphs with hard returns; in each, spaces become soft returns every
// other time and a format code of every kind stands before the text.
DocumentBytes MakeWpcDocument(const Paragraphs& paragraphs, bool sixth);

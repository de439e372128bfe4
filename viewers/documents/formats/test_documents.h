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

// The streams of a document in a compound file: "WordDocument" with the
// paragraphs (each ended by 0D) at byte 0x400, the first half of the
// characters in an 8-bit piece and the rest in a 16-bit one, and "1Table"
// with the piece table.
struct PieceTableStreams {
  std::string WordDocument;
  std::string Table;
};
PieceTableStreams MakePieceTableStreams(const Paragraphs& paragraphs);
// Those streams in a compound file.
DocumentBytes MakePieceTableDocument(const Paragraphs& paragraphs);

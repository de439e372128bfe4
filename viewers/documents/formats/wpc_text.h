// Documents with the FF 57 50 43 prefix: a 16-byte prefix whose bytes 4-7
// give where the document area starts, and text in which format codes
// stand between the characters. Version byte 0 (type 5) and version byte 2
// (type 22) code them differently; both have single-byte codes, codes of a
// fixed length and codes that carry their own length.
#pragma once
#include "viewers/graphics/formats/byte_source.h"

class ParagraphBuilder;

// False when the prefix is not there or the document area lies past the end.
bool ReadWpcText(ByteSource& file, int type, ParagraphBuilder& text);

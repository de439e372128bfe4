// A check of a JPEG file's Huffman tables before the decoder sees them.
// The decoder builds each table in room for 256 codes and trusts the count
// the file gives, so a table that claims more would be written past its
// end; and a scan that names a table the file never defined would be
// decoded with whatever its memory held. Every table and scan of the file
// counts, those of each pass of a progressive picture too.
#pragma once
#include "viewers/graphics/formats/byte_source.h"

bool JpegTablesSound(ByteSource& file);

// A check of a PNG file's chunks before the decoder sees them: the decoder
// makes room for a data chunk as large as its header says before reading
// it, so a chunk that claims more than the file holds is refused here.
#pragma once
#include <cstddef>
#include <cstdint>

#include "viewers/graphics/formats/byte_source.h"

bool PngChunksFit(ByteSource& file);
// The same check of a PNG file held in memory (a PNG image inside another
// file, such as an icon).
bool PngChunksFit(const uint8_t* bytes, size_t size);

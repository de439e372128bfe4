// PNG pictures read row by row: zlib inflates the compressed rows as they
// are needed, so a picture costs its pixels and two rows of the file, and
// one larger than the limit is reduced while it is read. Every colour type
// and depth, the transparency of palette entries and of a key colour, and
// interlaced pictures. A file that breaks off shows the rows before the
// break.
#pragma once
#include <cstddef>
#include <cstdint>

#include "viewers/graphics/formats/byte_source.h"
#include "viewers/graphics/formats/picture.h"

DecodedPicture ReadPng(ByteSource& file, const DecodeLimits& limits = {});
// A PNG picture held in memory (an image inside another file, such as an
// icon).
DecodedPicture ReadPngBlock(const uint8_t* bytes, size_t size, const DecodeLimits& limits = {});

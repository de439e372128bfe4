// Targa pictures: colour-mapped (8 and 16-bit indexes), true colour (15,
// 16, 24 and 32 bits, alpha when the header counts alpha bits) and grey (8
// bits, 16 with alpha), plain or run-length, in any of the four corner
// orders. Targa files carry no signature, so the header is checked closely.
// A picture over the limit is reduced while it is read.
#pragma once
#include "viewers/graphics/formats/byte_source.h"
#include "viewers/graphics/formats/picture.h"

DecodedPicture ReadTga(ByteSource& file, const DecodeLimits& limits = {});

// PC Paintbrush pictures: 1 bit (black and white), 1 bit in 4 planes and
// 4 bits (16 colours of the header's palette), 8 bits (the 256-colour
// palette at the end, else grey) and 8 bits in 3 or 4 planes (true colour,
// with alpha). Run-length rows, decoded in order; a picture over the limit
// is reduced while it is read.
#pragma once
#include "viewers/graphics/formats/byte_source.h"
#include "viewers/graphics/formats/picture.h"

DecodedPicture ReadPcx(ByteSource& file, const DecodeLimits& limits = {});

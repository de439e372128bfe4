// Windows and OS/2 bitmaps: 1, 2, 4, 8, 16, 24 and 32 bits per pixel,
// palettes, bit fields, RLE8 and RLE4, bottom-up and top-down. A bitmap
// larger than the limit is reduced while it is read; a file that ends
// early is shown as far as it goes.
#pragma once
#include "viewers/graphics/formats/byte_source.h"
#include "viewers/graphics/formats/picture.h"

DecodedPicture ReadBmp(ByteSource& file, const DecodeLimits& limits = {});

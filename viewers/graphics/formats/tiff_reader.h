// Baseline TIFF pictures: stored, PackBits or LZW data (with horizontal
// differencing), in strips or tiles, black-is-zero and white-is-zero grey,
// palette, RGB and CMYK, 1 to 16 bits a sample, with alpha. Each directory
// is a page. Strips are read in turn, and a page over the limit is reduced
// while it is read.
#pragma once
#include "viewers/graphics/formats/byte_source.h"
#include "viewers/graphics/formats/picture.h"

// How many pages the file holds; 0 when it is no TIFF.
int CountTiffPages(ByteSource& file);

DecodedPicture ReadTiff(ByteSource& file, const DecodeLimits& limits = {}, int page = 0);

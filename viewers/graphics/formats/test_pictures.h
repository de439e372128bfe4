// Pictures the tests make, and bitmap files made from them, so that every
// reader is checked against the pixels a file was made from.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/graphics/formats/picture.h"

using Bytes = std::vector<uint8_t>;

// A width x height picture whose pixels a file of the given depth can hold
// exactly: palette colours up to 8 bits, 5 bits a channel for 16, any for
// 24 and 32 (with varied alpha when asked, else opaque).
Picture TestPicture(int32_t width, int32_t height, int bits, bool alpha);
// The palette TestPicture uses for a depth of 8 bits or less.
std::vector<uint32_t> TestPalette(int bits);

enum class BmpShape {
  Info,     // 40-byte header, plain rows, bottom-up
  Core,     // the 12-byte OS/2 header with three-byte palette entries
  TopDown,  // 40-byte header, negative height
  Fields,   // 40-byte header with 5-5-5 bit fields after it (16 bits)
  V5Alpha,  // 124-byte header with an alpha mask (32 bits)
  Rle,      // RLE8 or RLE4, runs and absolute pieces
};
Bytes MakeBmp(const Picture& picture, int bits, BmpShape shape);

void ExpectSamePixels(const Picture& got, const Picture& want);

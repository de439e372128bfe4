// Pictures the tests make, and bitmap files made from them, so that every
// reader is checked against the pixels a file was made from.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "viewers/graphics/formats/byte_source.h"
#include "viewers/graphics/formats/picture.h"

using Bytes = std::vector<uint8_t>;

// A width x height picture whose pixels a file of the given depth can hold
// exactly: colours of the palette (TestPalette when none is given) up to 8
// bits, 5 bits a channel for 16, any for 24 and 32 (with varied alpha when
// asked, else opaque).
Picture TestPicture(int32_t width, int32_t height, int bits, bool alpha,
                    std::vector<uint32_t> palette = {});
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

// PCX with bits per pixel in each of planes planes, run-length encoded;
// palette is what the indexes of a 1 to 8-bit picture refer to.
Bytes MakePcx(const Picture& picture, int bits, int planes, const std::vector<uint32_t>& palette);

// Targa of the given image type (1, 2, 3, or 9, 10, 11 run-length) and
// depth; descriptor's bits 4 and 5 choose the corner order, and its low
// bits the alpha bits. Colour-mapped files map 8-bit indexes into palette.
Bytes MakeTga(const Picture& picture, int type, int bits, int descriptor,
              const std::vector<uint32_t>& palette = {});

// PNG with alpha, written by the stb encoder.
Bytes MakePng(const Picture& picture);

void ExpectSamePixels(const Picture& got, const Picture& want);

// What reader makes of bytes, read from an in-memory file.
using PictureReader = std::function<DecodedPicture(ByteSource&, const DecodeLimits&)>;
DecodedPicture ReadBytes(PictureReader reader, const Bytes& bytes, const DecodeLimits& limits = {});

// Bytes with patch written over them at offset at.
Bytes Patched(Bytes bytes, size_t at, std::initializer_list<uint8_t> patch);
Bytes Cut(const Bytes& bytes, size_t size);

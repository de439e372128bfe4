// One image of an icon file kept as a bitmap: a bitmap header (with twice
// the image's height, for the colour rows and the mask rows), the palette,
// the colour rows and the 1-bit mask rows, all bottom-up.
#pragma once
#include <cstddef>
#include <cstdint>

#include "viewers/graphics/formats/picture.h"

struct IconBitmapHeader {
  uint32_t HeaderSize = 0;
  int32_t Width = 0;
  int32_t Height = 0;  // of the image, half the header's
  int Bits = 0;
  uint32_t Colours = 0;  // palette entries after the header

  int64_t ColourStride() const { return (static_cast<int64_t>(Width) * Bits + 31) / 32 * 4; }
  int64_t MaskStride() const { return (static_cast<int64_t>(Width) + 31) / 32 * 4; }
  // The bytes the whole image takes.
  int64_t Bytes() const {
    return HeaderSize + 4LL * Colours + (ColourStride() + MaskStride()) * Height;
  }
};

// False when the header is not one this reader shows (size, depth,
// compression, palette or dimensions out of bounds).
bool ReadIconBitmapHeader(const uint8_t* bytes, size_t size, IconBitmapHeader& header);

// The image from bytes that start with its header (as many of Bytes() as
// the file holds): Decoded, Partial when they end early (the rest opaque
// black), or Declined when there is no memory for it. Pixels the mask
// marks are transparent; a 32-bit image with any alpha uses its alpha
// instead of the mask.
DecodedPicture DecodeIconBitmap(const IconBitmapHeader& header, const uint8_t* bytes, size_t size);

// Icon and cursor files: a directory of images, each either a bitmap with
// its transparency mask (1, 4, 8, 24 or 32 bits, alpha with 32) or a PNG
// picture. Every image that can be shown is decoded at once; an image that
// ends early shows as far as it goes, and one whose header lies is left out.
#pragma once
#include <vector>

#include "viewers/graphics/formats/byte_source.h"
#include "viewers/graphics/formats/picture.h"

struct IconImage {
  DecodeStatus Status = DecodeStatus::Decoded;  // Decoded or Partial
  int Bits = 0;                                 // per pixel, as the image holds them
  bool Png = false;
  Picture Image;  // never empty
};

struct IconFile {
  bool IsIcon = false;  // the file starts as an icon or cursor directory
  bool Cursor = false;
  std::vector<IconImage> Images;  // the ones that can be shown, in the directory's order
};

// All images together stay within limits.MaxPixels; those past it are left out.
IconFile ReadIconFile(ByteSource& file, const DecodeLimits& limits = {});

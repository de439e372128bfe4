// What the JPEG decoder will need for a picture, from its frame header:
// the planes of its components at their sampling, and for a progressive
// picture the coefficients it keeps until the last pass (two bytes each).
// A picture larger than the viewer shows whole is reduced while it is
// decoded only when this fits in the decoder's share of memory.
#pragma once
#include <cstdint>

#include "viewers/graphics/formats/byte_source.h"

struct JpegFrame {
  int Components = 0;
  bool Progressive = false;
  int64_t DecoderBytes = 0;  // 0 when the file has no frame header
};
JpegFrame ReadJpegFrame(ByteSource& file);

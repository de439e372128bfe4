// JPEG and GIF pictures through the stb decoder compiled into the
// library. A JPEG picture is turned as its EXIF orientation says; one over
// the limit is reduced as its rows are converted where it has three colour
// components and the decoder's planes fit in memory, and is declined as
// too large otherwise. A GIF gives its frames and their delays, as many as
// fit within the limit together; one over the limit is declined.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "viewers/graphics/formats/byte_source.h"
#include "viewers/graphics/formats/picture.h"

DecodedPicture ReadJpeg(ByteSource& file, const DecodeLimits& limits = {});

struct GifFrames {
  DecodedPicture First;         // status, info, and the first frame
  std::vector<Picture> Others;  // the frames after it, whole (composed as shown)
  std::vector<int> DelaysMs;    // of every frame, the first included
};
GifFrames ReadGif(ByteSource& file, const DecodeLimits& limits = {});

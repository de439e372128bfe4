// JPEG and GIF pictures through the stb decoder compiled into the
// library. stb cannot reduce while it decodes, so a picture over the limit
// is declined as too large before any pixel is decoded. A JPEG picture is
// turned as its EXIF orientation says; a GIF gives its frames and their
// delays, as many as fit within the limit together.
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

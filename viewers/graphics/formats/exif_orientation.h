// The orientation a camera records in a JPEG file's EXIF data (tag 0x0112
// of the first directory of the APP1 "Exif" segment): 1 to 8, or 1 when the
// file records none.
#pragma once
#include "viewers/graphics/formats/byte_source.h"

int JpegOrientation(ByteSource& file);

// Enhanced and Windows metafiles, drawn by the platform into a picture at
// their own size (at most 4000 pixels a side), so that zoom, Rotate, Copy
// and Save As treat them as any other picture.
#pragma once
#include "viewers/graphics/formats/picture_document.h"

// The metafile at path as a one-page document; NotThisFormat when it is
// none.
PictureDocument OpenMetafile(const char* path);

// Saving a picture as shown, in the six kinds of the Save As dialog. The
// bytes go to a sink piece by piece, so that a large picture is never held
// twice as a file image; a sink that fails ends the writing.
#pragma once
#include <cstddef>
#include <functional>

#include "viewers/graphics/formats/picture.h"

enum class SaveKind { Bmp = 0, Pcx = 1, Tif = 2, Gif = 3, Jpg = 4, Tga = 5 };

using ByteSink = std::function<bool(const void* bytes, size_t count)>;

bool WriteBmp(const Picture& picture, const ByteSink& sink);  // 24 bits, or 32 with alpha
bool WritePcx(const Picture& picture, const ByteSink& sink);  // 8 bits in 3 planes, run lengths
bool WriteTif(const Picture& picture, const ByteSink& sink);  // RGB or RGBA strips
bool WriteGif(const Picture& picture, const ByteSink& sink);  // 256 colours chosen for the picture
bool WriteJpg(const Picture& picture, const ByteSink& sink);  // quality 90
bool WriteTga(const Picture& picture, const ByteSink& sink);  // 24 or 32 bits, run lengths

bool WritePicture(const Picture& picture, SaveKind kind, const ByteSink& sink);

// Whether any pixel is less than opaque.
bool HasAlpha(const Picture& picture);

// stb's JPEG decoder with the rows of a picture of three colour components
// (nearly every photograph) handed over one at a time as they are colour
// converted, so that the caller writes each where it belongs, turned as
// the picture should stand. Behind the conversion the decoder's planes are
// given back row by row, and its coefficients (of a progressive picture)
// as soon as the conversion starts: a large picture is never held twice.
// stb's own output is then never written, and costs nothing; pictures of
// one or four components come back whole in it as stb makes them.
#pragma once
#include <stb_image.h>

#include <cstdint>
#include <functional>

// row gets the rows from the top, red, green, blue and alpha each.
using JpegRow = std::function<void(int y, const uint8_t* rgba, int width)>;
// stb's output (red, green, blue, alpha; free it with stbi_image_free),
// or nullptr when the picture cannot be decoded.
unsigned char* StbLoadJpegRows(const stbi_io_callbacks& io, void* user, int* width, int* height,
                               const JpegRow& row);

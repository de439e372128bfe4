// The stb picture decoder, built once into the graphics viewer for the
// formats it reads: JPEG (baseline and progressive) and GIF.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_ONLY_JPEG
#define STBI_ONLY_GIF
#include <stb_image.h>

#include <cstring>
#include <vector>

#include "viewers/graphics/formats/stb_gif_frames.h"

int StbGifFrames(const unsigned char* bytes, int length,
                 const std::function<bool(const unsigned char*, int, int, int)>& frame) {
  stbi__context context;
  stbi__start_mem(&context, bytes, length);
  if (!stbi__gif_test(&context)) return 0;
  stbi__gif gif;
  std::memset(&gif, 0, sizeof gif);
  std::vector<unsigned char> previous, beforePrevious;
  int channels = 0, count = 0;
  for (;;) {
    unsigned char* composed =
        stbi__gif_load_next(&context, &gif, &channels, 4, beforePrevious.empty() ? nullptr : beforePrevious.data());
    if (!composed || composed == reinterpret_cast<unsigned char*>(&context)) break;
    ++count;
    if (!frame(composed, gif.w, gif.h, gif.delay)) break;
    beforePrevious.swap(previous);
    previous.assign(composed, composed + static_cast<size_t>(gif.w) * gif.h * 4);
  }
  STBI_FREE(gif.out);
  STBI_FREE(gif.history);
  STBI_FREE(gif.background);
  return count;
}

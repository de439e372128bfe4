// The stb picture decoder, built once into the graphics viewer for the
// formats it reads: JPEG (baseline and progressive) and GIF. Its memory
// comes from the large-block allocator, so that its planes can be given
// back in part while it converts them.
#include <cstddef>
#include <cstring>
#include <vector>

#include "viewers/graphics/formats/large_blocks.h"
#include "viewers/graphics/formats/stb_gif_frames.h"
#include "viewers/graphics/formats/stb_jpeg_rows.h"

namespace {
void* StbReallocate(void* block, size_t before, size_t after) {
  void* moved = AllocateBlock(after);
  if (moved && block) std::memcpy(moved, block, before < after ? before : after);
  if (moved) FreeBlock(block);
  return moved;
}
}  // namespace

#define STBI_MALLOC(bytes) AllocateBlock(bytes)
#define STBI_REALLOC_SIZED(block, before, after) StbReallocate(block, before, after)
#define STBI_FREE(block) FreeBlock(block)
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_ONLY_JPEG
#define STBI_ONLY_GIF
#include <stb_image.h>

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

namespace {

using Converter = void (*)(stbi_uc* out, const stbi_uc* y, const stbi_uc* cb, const stbi_uc* cr, int count, int step);

// The decoding under way on this thread: where its rows go and how far
// its planes have been given back.
struct JpegRows {
  const JpegRow* Row;
  stbi__jpeg* Jpeg;
  Converter Convert;  // stb's own
  int Next = 0;       // the row the conversion comes to next
  bool CoefficientsGiven = false;
  size_t PlaneGiven[3] = {};  // bytes from each plane's start
  std::vector<stbi_uc> Rgba;
};
thread_local JpegRows* tRows = nullptr;

// Planes are given back a megabyte at a time: each time costs a call to
// the system.
constexpr size_t kGiveBackAtOnce = 1u << 20;

// The conversion has passed row: the plane rows it will not read again,
// two behind to leave the upsampling its neighbours, are given back, and
// the coefficients, which the planes were made from, at once.
void GiveBackBehind(JpegRows& rows) {
  stbi__jpeg& j = *rows.Jpeg;
  if (!rows.CoefficientsGiven) {
    rows.CoefficientsGiven = true;
    for (int k = 0; k < 3; ++k)
      if (j.img_comp[k].raw_coeff)
        DiscardWithin(j.img_comp[k].raw_coeff,
                      static_cast<size_t>(j.img_comp[k].w2) * static_cast<size_t>(j.img_comp[k].h2) * sizeof(short) + 15);
  }
  for (int k = 0; k < 3; ++k) {
    const auto& plane = j.img_comp[k];
    const int done = rows.Next * plane.v / j.img_v_max - 2;
    if (done <= 0) continue;
    const size_t upTo = static_cast<size_t>(plane.data - static_cast<stbi_uc*>(plane.raw_data)) +
                        static_cast<size_t>(done) * static_cast<size_t>(plane.w2);
    if (upTo < rows.PlaneGiven[k] + kGiveBackAtOnce) continue;
    DiscardWithin(static_cast<stbi_uc*>(plane.raw_data) + rows.PlaneGiven[k], upTo - rows.PlaneGiven[k]);
    rows.PlaneGiven[k] = upTo;
  }
}

// stb calls this for each row of a picture of three or four components;
// rows of three go to the caller instead of stb's output.
void ConvertRow(stbi_uc* out, const stbi_uc* y, const stbi_uc* cb, const stbi_uc* cr, int count, int step) {
  JpegRows& rows = *tRows;
  if (rows.Jpeg->s->img_n != 3) {
    rows.Convert(out, y, cb, cr, count, step);  // stb goes on with the fourth component in out
    return;
  }
  rows.Rgba.resize(static_cast<size_t>(count) * 4);
  rows.Convert(rows.Rgba.data(), y, cb, cr, count, 4);
  (*rows.Row)(rows.Next++, rows.Rgba.data(), count);
  GiveBackBehind(rows);
}

}  // namespace

unsigned char* StbLoadJpegRows(const stbi_io_callbacks& io, void* user, int* width, int* height,
                               const JpegRow& row) {
  stbi__context context;
  stbi__start_callbacks(&context, const_cast<stbi_io_callbacks*>(&io), user);
  auto* jpeg = static_cast<stbi__jpeg*>(stbi__malloc(sizeof(stbi__jpeg)));
  if (!jpeg) return nullptr;
  std::memset(jpeg, 0, sizeof *jpeg);
  jpeg->s = &context;
  stbi__setup_jpeg(jpeg);
  JpegRows rows{&row, jpeg, jpeg->YCbCr_to_RGB_kernel};
  jpeg->YCbCr_to_RGB_kernel = ConvertRow;
  tRows = &rows;
  int components;
  unsigned char* out = load_jpeg_image(jpeg, width, height, &components, 4);
  tRows = nullptr;
  STBI_FREE(jpeg);
  return out;
}

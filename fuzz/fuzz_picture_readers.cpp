// The graphics viewer's own picture readers on any bytes: each declines,
// or gives a picture of the size its info names at the reduction it chose,
// never more pixels than the limit; the sanitizers catch any stray access.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/graphics/formats/bmp_reader.h"
#include "viewers/graphics/formats/pcx_reader.h"
#include "viewers/graphics/formats/png_reader.h"
#include "viewers/graphics/formats/tga_reader.h"
#include "viewers/graphics/formats/tiff_reader.h"

namespace {
void Check(const DecodedPicture& got, const DecodeLimits& limits) {
  if (got.Status != DecodeStatus::Decoded && got.Status != DecodeStatus::Partial) {
    if (!got.Image.Pixels.empty()) std::abort();
    return;
  }
  const int r = got.Info.Reduction;
  if (r < 1 || got.Image.Width != (got.Info.Width + r - 1) / r ||
      got.Image.Height != (got.Info.Height + r - 1) / r ||
      static_cast<int64_t>(got.Image.Pixels.size()) > limits.MaxPixels ||
      got.Image.Pixels.size() != static_cast<size_t>(got.Image.Width) * got.Image.Height)
    std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"].assign(data, data + size);
  const DecodeLimits limits{1 << 16};
  for (auto reader : {ReadBmp, ReadPcx, ReadTga, ReadPng}) {
    ByteSource file("f");
    Check(reader(file, limits), limits);
  }
  ByteSource file("f");
  const int pages = CountTiffPages(file);
  for (int page = 0; page < pages && page < 3; ++page) Check(ReadTiff(file, limits, page), limits);
  return 0;
}

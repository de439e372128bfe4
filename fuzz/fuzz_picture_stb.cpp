// The stb path of the graphics viewer (JPEG, GIF, and the EXIF
// orientation) on any bytes: declined, too large, or a picture whose
// pixels match its size; the sanitizers catch any stray access.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/graphics/formats/stb_reader.h"

namespace {
void Check(const DecodedPicture& got) {
  if (got.Status != DecodeStatus::Decoded) return;
  if (got.Image.Width <= 0 || got.Image.Height <= 0 ||
      got.Image.Pixels.size() != static_cast<size_t>(got.Image.Width) * got.Image.Height)
    std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"].assign(data, data + size);
  const DecodeLimits limits{1 << 16};
  ByteSource file("f");
  Check(ReadJpeg(file, limits));
  GifFrames gif = ReadGif(file, limits);
  Check(gif.First);
  for (const Picture& frame : gif.Others)
    if (frame.Width != gif.First.Image.Width || frame.Height != gif.First.Image.Height) std::abort();
  return 0;
}

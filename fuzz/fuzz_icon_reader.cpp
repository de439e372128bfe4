// The icon viewer's reader on any bytes: every image it gives is whole
// (pixels for its size) and they stay within the pixel limit together;
// the sanitizers catch any stray access.
#include <cstdint>
#include <cstdlib>

#include "viewer/buffer/memory_files.h"
#include "viewers/icons/formats/icon_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"].assign(data, data + size);
  const DecodeLimits limits{1 << 16};
  ByteSource file("f");
  const IconFile icons = ReadIconFile(file, limits);
  int64_t pixels = 0;
  for (const IconImage& image : icons.Images) {
    const Picture& p = image.Image;
    if (p.Width <= 0 || p.Height <= 0 || p.Pixels.size() != static_cast<size_t>(p.Width) * p.Height)
      std::abort();
    pixels += static_cast<int64_t>(p.Width) * p.Height;
  }
  if (pixels > limits.MaxPixels || (!icons.IsIcon && !icons.Images.empty())) std::abort();
  return 0;
}

#include "tests/support/icon_bytes.h"

namespace {
void Put16(std::string& b, uint32_t v) {
  b.push_back(static_cast<char>(v & 255)), b.push_back(static_cast<char>(v >> 8 & 255));
}
void Put32(std::string& b, uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }

std::string Bitmap(const SolidIconImage& image) {
  std::string b;
  Put32(b, 40), Put32(b, image.Width), Put32(b, 2 * image.Height), Put16(b, 1), Put16(b, 32);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  for (int i = 0; i < image.Width * image.Height; ++i)
    b += {static_cast<char>(image.Blue), static_cast<char>(image.Green),
          static_cast<char>(image.Red), static_cast<char>(image.Alpha)};
  b.append(static_cast<size_t>((image.Width + 31) / 32 * 4 * image.Height), '\0');  // the mask
  return b;
}
}  // namespace

std::string IconFileBytes(const std::vector<SolidIconImage>& images) {
  std::string file;
  Put16(file, 0), Put16(file, 1), Put16(file, static_cast<uint32_t>(images.size()));
  std::string data;
  for (const SolidIconImage& image : images) {
    const std::string bitmap = Bitmap(image);
    file += {static_cast<char>(image.Width), static_cast<char>(image.Height), 0, 0, 1, 0, 32, 0};
    Put32(file, static_cast<uint32_t>(bitmap.size()));
    Put32(file, static_cast<uint32_t>(6 + 16 * images.size() + data.size()));
    data += bitmap;
  }
  return file + data;
}

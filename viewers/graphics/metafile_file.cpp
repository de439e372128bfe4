#include "viewers/graphics/metafile_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "viewers/graphics/formats/byte_source.h"

namespace {

constexpr int64_t kLargestFile = 64LL << 20;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableHeader = 22;

// A Windows metafile (with or without the placeable header that gives its
// size in inches) as an enhanced one.
HENHMETAFILE FromWindowsMetafile(const char* path) {
  ByteSource file(path);
  if (!file.IsOpen() || file.Size() < 18 || file.Size() > kLargestFile) return nullptr;
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  if (file.ReadAt(0, bytes.data(), bytes.size()) < bytes.size()) return nullptr;
  const bool placeable = Le32(bytes.data()) == kPlaceableKey;
  const size_t start = placeable ? kPlaceableHeader : 0;
  if (bytes.size() < start + 18) return nullptr;
  const uint8_t* header = bytes.data() + start;
  if ((Le16(header) != 1 && Le16(header) != 2) || Le16(header + 2) != 9) return nullptr;
  METAFILEPICT picture = {MM_ANISOTROPIC, 0, 0, nullptr};
  if (placeable) {
    const int inch = std::max<int>(Le16(bytes.data() + 14), 1);
    const int width = static_cast<int16_t>(Le16(bytes.data() + 10)) -
                      static_cast<int16_t>(Le16(bytes.data() + 6));
    const int height = static_cast<int16_t>(Le16(bytes.data() + 12)) -
                       static_cast<int16_t>(Le16(bytes.data() + 8));
    picture.xExt = std::abs(width) * 2540 / inch;  // hundredths of a millimetre
    picture.yExt = std::abs(height) * 2540 / inch;
  }
  return SetWinMetaFileBits(static_cast<UINT>(bytes.size() - start), header, nullptr,
                            placeable ? &picture : nullptr);
}

}  // namespace

HENHMETAFILE OpenMetafileFile(const char* path, bool* enhanced) {
  *enhanced = [&] {
    ByteSource file(path);
    uint8_t head[44] = {};
    return file.ReadAt(0, head, sizeof head) == sizeof head && Le32(head) == EMR_HEADER &&
           std::memcmp(head + 40, " EMF", 4) == 0;
  }();
  return *enhanced ? GetEnhMetaFileA(path) : FromWindowsMetafile(path);
}

SIZE MetafileSize(HENHMETAFILE metafile, LONG largestSide) {
  ENHMETAHEADER header = {};
  GetEnhMetaFileHeader(metafile, sizeof header, &header);
  const RECTL& frame = header.rclFrame;
  LONG width = (frame.right - frame.left) * 96 / 2540,
       height = (frame.bottom - frame.top) * 96 / 2540;
  if (width <= 0 || height <= 0) {
    width = header.rclBounds.right - header.rclBounds.left;
    height = header.rclBounds.bottom - header.rclBounds.top;
  }
  return {std::clamp<LONG>(width, 1, largestSide), std::clamp<LONG>(height, 1, largestSide)};
}

bool RenderPicture(int width, int height, const std::function<void(HDC, const RECT&)>& draw,
                   Picture& out) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !out.Resize(width, height)) {
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(dc);
    return false;
  }
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all = {0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  draw(dc, all);
  GdiFlush();
  std::memcpy(out.Pixels.data(), bits, out.Pixels.size() * 4);
  for (uint32_t& p : out.Pixels) p |= 0xFF000000u;
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return true;
}

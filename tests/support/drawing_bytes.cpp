#include "tests/support/drawing_bytes.h"

#include <cstdint>
#include <vector>

namespace {

void FillMiddle(HDC dc, int side, COLORREF fill) {
  HBRUSH brush = CreateSolidBrush(fill);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  Rectangle(dc, side / 4, side / 4, side * 3 / 4 + 1, side * 3 / 4 + 1);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
}

void Put16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

}  // namespace

std::string PlaceableWmfBytes(COLORREF fill) {
  constexpr int kSide = 1000;  // logical units, 1000 to the inch
  HDC dc = CreateMetaFileA(nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  SetWindowExtEx(dc, kSide, kSide, nullptr);
  FillMiddle(dc, kSide, fill);
  HMETAFILE metafile = CloseMetaFile(dc);
  std::vector<char> bits(GetMetaFileBitsEx(metafile, 0, nullptr));
  GetMetaFileBitsEx(metafile, static_cast<UINT>(bits.size()), bits.data());
  DeleteMetaFile(metafile);
  std::string out;
  const uint16_t header[] = {0xCDD7, 0x9AC6, 0, 0, 0, kSide, kSide, kSide, 0, 0};
  for (uint16_t v : header) Put16(out, v);
  uint16_t sum = 0;
  for (uint16_t v : header) sum ^= v;
  Put16(out, sum);
  return out + std::string(bits.begin(), bits.end());
}

bool WriteEmfFile(const std::string& path, COLORREF fill) {
  HDC screen = GetDC(nullptr);
  const int side = GetDeviceCaps(screen, LOGPIXELSX);  // one inch of the reference device
  const RECT frame = {0, 0, 2540, 2540};
  HDC dc = CreateEnhMetaFileA(screen, path.c_str(), &frame, nullptr);
  ReleaseDC(nullptr, screen);
  if (!dc) return false;
  FillMiddle(dc, side, fill);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  if (!metafile) return false;
  DeleteEnhMetaFile(metafile);
  return true;
}

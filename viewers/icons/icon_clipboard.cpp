#include "viewers/icons/icon_clipboard.h"

#include <cstring>

bool PutPictureOnClipboard(HWND owner, const Picture& picture) {
  const size_t rowBytes = static_cast<size_t>(picture.Width) * 4;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE,
                               sizeof(BITMAPINFOHEADER) + rowBytes * picture.Height);
  if (!memory) return false;
  auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
  if (!header) {
    GlobalFree(memory);
    return false;
  }
  *header = {};
  header->biSize = sizeof *header;
  header->biWidth = picture.Width;
  header->biHeight = picture.Height;  // bottom-up, as every reader of the clipboard takes it
  header->biPlanes = 1;
  header->biBitCount = 32;
  header->biCompression = BI_RGB;
  auto* rows = reinterpret_cast<uint8_t*>(header + 1);
  for (int32_t y = 0; y < picture.Height; ++y)
    std::memcpy(rows + rowBytes * (picture.Height - 1 - y), picture.Row(y), rowBytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool put = SetClipboardData(CF_DIB, memory) != nullptr;
  CloseClipboard();
  if (!put) GlobalFree(memory);
  return put;
}

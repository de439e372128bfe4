#include "viewers/graphics/picture_dib.h"

#include <cstring>

#include "viewers/base/viewer_clipboard.h"

namespace {
BITMAPINFOHEADER HeaderFor(int width, int height) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;  // top row first
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  return header;
}
}  // namespace

void DrawPixels(HDC dc, int x, int y, int width, int height, const uint32_t* pixels) {
  BITMAPINFOHEADER header = HeaderFor(width, height);
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), pixels, reinterpret_cast<BITMAPINFO*>(&header),
                    DIB_RGB_COLORS);
}

void StretchPicture(HDC dc, const RECT& into, const Picture& picture) {
  BITMAPINFOHEADER header = HeaderFor(picture.Width, picture.Height);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, into.left, into.top, into.right - into.left, into.bottom - into.top, 0, 0,
                picture.Width, picture.Height, picture.Pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, SRCCOPY);
}

HGLOBAL DibOfPicture(const Picture& picture) {
  const size_t bytes = picture.Pixels.size() * 4;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(BITMAPINFOHEADER) + bytes);
  if (!memory) return nullptr;
  auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
  *header = HeaderFor(picture.Width, picture.Height);
  header->biHeight = picture.Height;  // the clipboard's readers expect the bottom row first
  auto* rows = reinterpret_cast<uint8_t*>(header + 1);
  for (int32_t y = 0; y < picture.Height; ++y)
    std::memcpy(rows + static_cast<size_t>(picture.Height - 1 - y) * picture.Width * 4,
                picture.Row(y), static_cast<size_t>(picture.Width) * 4);
  GlobalUnlock(memory);
  return memory;
}

bool CopyPictureToClipboard(HWND owner, const Picture& picture) {
  return PutOnClipboard(owner, CF_DIB, DibOfPicture(picture));
}

bool SavePictureFile(const Picture& picture, SaveKind kind, const char* path) {
  HANDLE out =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  const bool written = WritePicture(picture, kind, [out](const void* data, size_t count) {
    DWORD done = 0;
    return WriteFile(out, data, static_cast<DWORD>(count), &done, nullptr) && done == count;
  });
  CloseHandle(out);
  if (!written) DeleteFileA(path);
  return written;
}

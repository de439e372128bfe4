#include "viewers/drawings/drawing_clipboard.h"

#include "viewers/base/viewer_clipboard.h"
#include "viewers/graphics/picture_dib.h"

HENHMETAFILE RecordMetafile(SIZE size, const std::function<void(HDC, const RECT&)>& draw) {
  HDC screen = GetDC(nullptr);
  // The frame in hundredths of a millimetre, the pixels as the screen's.
  const int mmWide = GetDeviceCaps(screen, HORZSIZE), pixelsWide = GetDeviceCaps(screen, HORZRES);
  const int mmHigh = GetDeviceCaps(screen, VERTSIZE), pixelsHigh = GetDeviceCaps(screen, VERTRES);
  const RECT frame = {0, 0, MulDiv(size.cx, mmWide * 100, pixelsWide),
                      MulDiv(size.cy, mmHigh * 100, pixelsHigh)};
  HDC dc = CreateEnhMetaFileA(screen, nullptr, &frame, "Skimmet\0Drawing\0");
  ReleaseDC(nullptr, screen);
  if (!dc) return nullptr;
  draw(dc, {0, 0, size.cx, size.cy});
  return CloseEnhMetaFile(dc);
}

bool PutOnClipboard(HWND owner, HENHMETAFILE metafile, const Picture& picture) {
  HGLOBAL dib = picture.Pixels.empty() ? nullptr : DibOfPicture(picture);
  if (!OpenClipboardSoon(owner)) {
    if (dib) GlobalFree(dib);
    if (metafile) DeleteEnhMetaFile(metafile);
    return false;
  }
  EmptyClipboard();
  const bool placedMetafile = metafile && SetClipboardData(CF_ENHMETAFILE, metafile);
  const bool placedDib = dib && SetClipboardData(CF_DIB, dib);
  CloseClipboard();
  if (metafile && !placedMetafile) DeleteEnhMetaFile(metafile);
  if (dib && !placedDib) GlobalFree(dib);
  return placedMetafile || placedDib;
}

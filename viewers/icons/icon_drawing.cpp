#include "viewers/icons/icon_drawing.h"

#include <algorithm>
#include <string>

namespace {
constexpr int kFrameGap = 3;  // between an image and its selection frame

// The labels are in the plain proportional font every system has.
HGDIOBJ SelectLabelFont(HDC dc) { return SelectObject(dc, GetStockObject(ANSI_VAR_FONT)); }

void DrawPicture(HDC dc, const Picture& picture, int x, int y) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.Width;
  info.bmiHeader.biHeight = -picture.Height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  StretchDIBits(dc, x, y, picture.Width, picture.Height, 0, 0, picture.Width, picture.Height,
                picture.Pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}
}  // namespace

IconExtent PlaceIcons(HDC dc, const std::vector<IconImage>& images, int quarters,
                      std::vector<IconCell>& cells) {
  HGDIOBJ old = SelectLabelFont(dc);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  cells.clear();
  for (const IconImage& image : images) {
    const std::string label = IconLabel(image);
    SIZE size{};
    GetTextExtentPoint32A(dc, label.c_str(), static_cast<int>(label.size()), &size);
    IconCell cell;
    cell.Width = Zoomed(image.Image.Width, quarters);
    cell.Height = Zoomed(image.Image.Height, quarters);
    cell.LabelWidth = size.cx;
    cells.push_back(cell);
  }
  SelectObject(dc, old);
  return LayOutIcons(cells, metrics.tmHeight);
}

void DrawIcons(HDC dc, const std::vector<IconImage>& images, const std::vector<IconCell>& cells,
               int quarters, POINT origin, const RECT& area, IconColours colours, int selected) {
  HGDIOBJ old = SelectLabelFont(dc);
  SetTextColor(dc, colours.Text);
  SetBkMode(dc, TRANSPARENT);
  HBRUSH frame = CreateSolidBrush(colours.Text);
  for (size_t i = 0; i < images.size() && i < cells.size(); ++i) {
    const IconCell& cell = cells[i];
    const int x = origin.x + cell.X, y = origin.y + cell.Y;
    const int labelX = origin.x + cell.LabelX;
    const int left = std::min(x, labelX) - kFrameGap,
              right = std::max(x + cell.Width, labelX + cell.LabelWidth) + kFrameGap;
    if (right < area.left || left > area.right) continue;  // only the columns that need painting
    DrawPicture(dc, ShownPixels(images[i].Image, quarters, PixelOfColour(colours.Back)), x, y);
    const std::string label = IconLabel(images[i]);
    TextOutA(dc, labelX, origin.y + cell.LabelY, label.c_str(), static_cast<int>(label.size()));
    if (static_cast<int>(i) == selected) {
      RECT around = {x - kFrameGap, y - kFrameGap, x + cell.Width + kFrameGap,
                     y + cell.Height + kFrameGap};
      FrameRect(dc, &around, frame);
    }
  }
  DeleteObject(frame);
  SelectObject(dc, old);
}

#include "viewers/icons/formats/icon_view.h"

#include <algorithm>

#include "viewers/graphics/formats/picture_view.h"

int ZoomQuarters(unsigned command) {
  if (command < 299 || command > 305) return 0;
  const ZoomRatio zoom = ZoomOf(command);
  return 4 * zoom.Times / zoom.Parts;
}

int32_t Zoomed(int32_t side, int quarters) {
  return static_cast<int32_t>(std::max<int64_t>(1, static_cast<int64_t>(side) * quarters / 4));
}

IconExtent LayOutIcons(std::vector<IconCell>& cells, int32_t lineHeight) {
  IconExtent extent{kIconGap, 0};
  int32_t tallest = 0;
  for (const IconCell& cell : cells) tallest = std::max(tallest, cell.Height);
  for (IconCell& cell : cells) {
    const int32_t column = std::max(cell.Width, cell.LabelWidth);
    cell.X = extent.Width + (column - cell.Width) / 2;
    cell.Y = kIconGap;
    cell.LabelX = extent.Width + (column - cell.LabelWidth) / 2;
    cell.LabelY = kIconGap + cell.Height + kIconGap / 2;
    extent.Width += column + kIconGap;
  }
  extent.Height = kIconGap + tallest + kIconGap / 2 + lineHeight + kIconGap;
  return extent;
}

std::string IconLabel(const IconImage& image) {
  return std::to_string(image.Image.Width) + " x " + std::to_string(image.Image.Height) + ", " +
         std::to_string(image.Bits) + " bits";
}

std::string IconStatus(const IconFile& file) {
  const size_t n = file.Images.size();
  return std::string(file.Cursor ? "CUR, " : "ICO, ") + std::to_string(n) +
         (n == 1 ? " image" : " images");
}

size_t LargestImage(const std::vector<IconImage>& images) {
  size_t best = 0;
  for (size_t i = 1; i < images.size(); ++i) {
    const auto pixels = [&](size_t k) {
      return static_cast<int64_t>(images[k].Image.Width) * images[k].Image.Height;
    };
    if (pixels(i) > pixels(best) ||
        (pixels(i) == pixels(best) && images[i].Bits > images[best].Bits))
      best = i;
  }
  return best;
}

Picture ShownPixels(const Picture& image, int quarters, uint32_t background) {
  Picture shown;
  if (!shown.Resize(Zoomed(image.Width, quarters), Zoomed(image.Height, quarters))) return shown;
  for (int32_t y = 0; y < shown.Height; ++y) {
    const uint32_t* from =
        image.Row(static_cast<int32_t>(static_cast<int64_t>(y) * image.Height / shown.Height));
    uint32_t* to = shown.Row(y);
    for (int32_t x = 0; x < shown.Width; ++x)
      to[x] = BlendOnto(from[static_cast<int64_t>(x) * image.Width / shown.Width], background);
  }
  return shown;
}

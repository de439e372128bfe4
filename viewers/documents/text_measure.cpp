#include "viewers/documents/text_measure.h"

TextWidth MeasureOn(HDC dc) {
  return [dc](std::string_view text) {
    if (text.empty()) return 0;
    return static_cast<int>(
        LOWORD(GetTabbedTextExtentA(dc, text.data(), static_cast<int>(text.size()), 0, nullptr)));
  };
}

void DrawTabbed(HDC dc, int x, int y, std::string_view text) {
  if (!text.empty())
    TabbedTextOutA(dc, x, y, text.data(), static_cast<int>(text.size()), 0, nullptr, x);
}

// A rectangle in screen coordinates (pixels), as windows are placed.
#pragma once
#include <cstdint>

struct ScreenRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool operator==(const ScreenRect&) const = default;
};

// The rows of a picture being decoded at a reduction: a reader hands over
// every row of the file, and only every Reduction-th one has a place.
#pragma once
#include <cstdint>

#include "viewers/graphics/formats/picture.h"

class ReducedRows {
 public:
  ReducedRows(Picture& picture, int32_t width, int32_t height, int reduction)
      : picture_(picture), reduction_(reduction) {
    picture.Resize((width + reduction - 1) / reduction, (height + reduction - 1) / reduction);
  }
  int Reduction() const { return reduction_; }
  // Where the file's row y goes (its pixels x = 0, Reduction, 2 * Reduction
  // ... one after the other), or nullptr when it is left out.
  uint32_t* Row(int64_t y) {
    if (y < 0 || y % reduction_ || y / reduction_ >= picture_.Height) return nullptr;
    return picture_.Row(static_cast<int32_t>(y / reduction_));
  }

 private:
  Picture& picture_;
  int reduction_;
};

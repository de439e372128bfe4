#include "viewers/graphics/formats/picture.h"

#include <algorithm>
#include <cmath>

PixelBuffer& PixelBuffer::operator=(const PixelBuffer& other) {
  if (this != &other && Assign(other.size_, 0)) std::copy(other.begin(), other.end(), begin());
  return *this;
}

bool PixelBuffer::Assign(size_t count, uint32_t fill) {
  if (!Allocate(count)) return false;
  std::fill(begin(), end(), fill);
  return true;
}

bool PixelBuffer::Allocate(size_t count) {
  FreeBlock(data_);
  data_ = count ? static_cast<uint32_t*>(AllocateBlock(count * sizeof(uint32_t))) : nullptr;
  size_ = data_ ? count : 0;
  return data_ || !count;
}

int ReductionFor(int64_t width, int64_t height, const DecodeLimits& limits) {
  const double ratio = static_cast<double>(width) * static_cast<double>(height) /
                       static_cast<double>(std::max<int64_t>(limits.MaxPixels, 1));
  int64_t reduction = std::max<int64_t>(1, static_cast<int64_t>(std::sqrt(ratio)));
  while (((width + reduction - 1) / reduction) * ((height + reduction - 1) / reduction) >
         limits.MaxPixels)
    ++reduction;
  return static_cast<int>(std::min<int64_t>(reduction, 1 << 30));
}

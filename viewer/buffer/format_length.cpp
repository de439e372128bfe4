#include "viewer/buffer/format_length.h"

#include <algorithm>

#include "viewer/buffer/format_flags.h"

FormatLengthUpdate ComputeFormatLength(int32_t oldLength, int32_t clientWidth,
                                       int32_t averageCharWidth, uint32_t flags, int32_t lineLength,
                                       bool sizeChange) {
  const int64_t w = std::max(clientWidth, 0);
  const int64_t cw = std::max(averageCharWidth, 1);
  const bool wrap = (flags & FMT_WRAP) != 0;
  const int64_t pixels = wrap ? w : 3 * (w + cw);
  FormatLengthUpdate u;
  u.Length = (flags & FMT_FIXED_LENGTH)
                 ? lineLength
                 : static_cast<int32_t>(std::min<int64_t>(pixels / cw, INT32_MAX));
  u.Adopt = oldLength < u.Length || u.Length < oldLength / 2 || wrap;
  if (sizeChange && u.Length == oldLength) u.Adopt = false;
  u.PageColumns = static_cast<int32_t>(std::max<int64_t>(w / (3 * cw), 1));
  return u;
}

// Choosing at most 256 colours for a picture: its own colours when it has
// no more, else median cut over a histogram of 5 bits a channel, each box
// of colours giving its mean.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/graphics/formats/picture.h"

struct Palette {
  std::vector<uint32_t> Colours;  // opaque pixels
  // The index of the colour nearest to pixel (alpha ignored).
  uint8_t IndexOf(uint32_t pixel) const;

  std::vector<uint8_t> Lookup;  // by 15-bit colour, when the colours were cut
  std::vector<std::pair<uint32_t, uint8_t>> Exact;  // sorted, when they were not
};

Palette ChoosePalette(const Picture& picture);

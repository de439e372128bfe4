// TIFF files the tests make: any photometric, depth, compression, strips
// or tiles, either byte order, several pages.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/graphics/formats/test_pictures.h"

struct TiffPageSpec {
  Picture Image;  // grey pictures for photometric 0 and 1: red = green = blue
  int Photometric = 2;
  int Bits = 8;  // a sample
  int Samples = 3;
  uint32_t Compression = 1;
  int RowsPerStrip = 3;
  int Tile = 0;  // the side of square tiles; 0 for strips
  bool Predictor = false;
  std::vector<uint32_t> Palette;  // photometric 3
};

Bytes MakeTiff(const std::vector<TiffPageSpec>& pages, bool bigEndian = false);

// The grey levels a sample of the given bits holds exactly.
std::vector<uint32_t> GreyLevels(int bits);

// TIFF's LZW of bytes, most significant bit first, with a clear code at the
// start and whenever the table is full.
Bytes EncodeTiffLzw(const Bytes& data);

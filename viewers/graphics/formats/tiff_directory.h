// The directories of a TIFF file: one a page, chained from the header, each
// a list of tagged values. What the reader needs of a page is gathered in
// a TiffPage; a chain that loops or runs past the file ends the pages.
#pragma once
#include <cstdint>
#include <vector>

#include "viewers/graphics/formats/byte_source.h"

constexpr int kMostTiffPages = 1000;

struct TiffPage {
  bool BigEndian = false;
  uint32_t Width = 0, Height = 0;
  std::vector<uint16_t> BitsPerSample;  // one a sample
  uint32_t SamplesPerPixel = 1;
  uint32_t Compression = 1;
  uint32_t Photometric = 1;
  uint32_t PlanarConfiguration = 1;
  uint32_t Predictor = 1;
  uint32_t RowsPerStrip = 0xFFFFFFFF;
  uint32_t TileWidth = 0, TileLength = 0;  // 0: strips
  std::vector<uint64_t> Offsets, ByteCounts;  // of the strips or tiles
  std::vector<uint16_t> ColorMap;             // red, then green, then blue
  std::vector<uint16_t> ExtraSamples;
  std::vector<uint16_t> SampleFormat;
};

// The offsets of the file's directories, in order; empty when it is no TIFF.
std::vector<uint32_t> TiffDirectories(ByteSource& file);

// The page whose directory starts at offset; false when it cannot be read.
bool ReadTiffPage(ByteSource& file, uint32_t offset, TiffPage& page);

// Where the font viewer's sheet puts each part, top to bottom: the facts,
// the sample line at each size, the alphabet, digits and punctuation, and
// the character map as a grid of cells; in device pixels, for the screen
// and for the printed page alike.
#pragma once
#include <array>
#include <cstddef>
#include <vector>

inline constexpr std::array<int, 9> kSamplePoints = {8, 10, 12, 14, 18, 24, 36, 48, 72};
inline constexpr const char* kSampleText =
    "The quick brown fox jumps over the lazy dog. 0123456789";
inline constexpr std::array<const char*, 4> kAlphabetLines = {
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", "0123456789",
    "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"};
inline constexpr int kAlphabetPoints = 24;
inline constexpr int kGridPoints = 24;

enum class BandKind {
  Fact,     // Index: the fact line
  Sample,   // Index: the size in kSamplePoints, or 100 + the alphabet line
  Heading,  // the character map's heading
  GridRow,  // Index: the row of cells
};

struct SheetBand {
  BandKind Kind;
  int Index;
  int Top, Height;
  float PixelsPerEm = 0;  // of Sample bands
  int Baseline = 0;       // from Top
};

struct SheetMetrics {
  int Width = 0;       // of the sheet
  int TextHeight = 0;  // a line of the labels' text
  int CodeWidth = 0;   // of "U+10FFFF" in that text
  int LabelWidth = 0;  // of "72 pt  "
  int Dpi = 96;
  float Zoom = 1;
  int UnitsPerEm = 1000, Ascent = 800, Descent = 200;
  size_t FactLines = 0;
  size_t MapEntries = 0;  // 0: no grid
};

struct SheetLayout {
  std::vector<SheetBand> Bands;
  int Height = 0;
  int Margin = 8;
  int Columns = 1, CellWidth = 0, CellHeight = 0, CellBaseline = 0;
  float CellPixelsPerEm = 0;
  size_t FirstGridBand = 0;
};

SheetLayout LayOutSheet(const SheetMetrics& m);
// The pixels per em of a size in points.
float PixelsPerEm(const SheetMetrics& m, int points);
// The band of a character map entry.
const SheetBand* BandOfEntry(const SheetLayout& layout, size_t entry);

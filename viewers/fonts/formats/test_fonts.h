// A small TrueType font made by the tests: "Quadrat Sans" "Regular", four
// glyphs (0 empty; 1 a filled square, for 'A'; 2 a composite of glyph 1,
// for 'B'; 3 a triangle, for 'C'), 1000 units to the em, the square from
// (100, 0) to (600, 700). Tests patch its bytes to make hostile fonts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct TestFont {
  std::vector<uint8_t> Bytes;
  // Where the directory record of tag lies, and the table itself.
  uint32_t Record(const char* tag) const;
  uint32_t Table(const char* tag) const;
  void Put16(uint32_t at, uint16_t v);
  void Put32(uint32_t at, uint32_t v);
};

TestFont MakeTestFont(uint16_t embedding = 0x0008);
// The same font in a collection of faceCount faces, each that font.
std::vector<uint8_t> MakeTestCollection(uint32_t faceCount);

inline constexpr const char* kTestFontFamily = "Quadrat Sans";
inline constexpr uint32_t kTestFontGlyphs = 4;
